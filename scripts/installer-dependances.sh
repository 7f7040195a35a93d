#!/usr/bin/env bash
# Installe les paquets Debian dont Lignara a besoin, seulement ceux qui manquent.
# Sans effet quand tout est déjà là : on peut le relancer à chaque construction.
set -euo pipefail

paquets=(
  cmake ninja-build g++ pkg-config ccache
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libjpeg-dev libfontconfig-dev libfreetype-dev fonts-liberation
  qt6-base-dev qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n
  xvfb xauth
  qpdf poppler-utils
  opensp w3c-sgml-lib
)

manquants=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done

if [ ${#manquants[@]} -eq 0 ]; then
  exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
