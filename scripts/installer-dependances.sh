#!/usr/bin/env bash
# Installe les paquets Debian dont Lignara a besoin, seulement ceux qui manquent.
# Sans effet quand tout est déjà là : on peut le relancer à chaque construction.
set -euo pipefail

paquets=(
  cmake ninja-build g++ pkg-config ccache clang-format clang-tidy
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libjpeg-dev libfontconfig-dev libfreetype-dev fonts-liberation
  qt6-base-dev qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n
  xvfb xauth
  qpdf poppler-utils
  opensp w3c-sgml-lib
  locales
)

manquants=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

# La langue française, pour vérifier que les documents ne dépendent pas de la langue de l'utilisateur.
langue_francaise() {
  if locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then return 0; fi
  [ -f /etc/locale.gen ] || return 0
  echo "Création de la langue fr_FR.UTF-8"
  if grep -q '^# *fr_FR.UTF-8 UTF-8' /etc/locale.gen; then
    "${sudo_cmd[@]}" sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'fr_FR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
}

if [ ${#manquants[@]} -eq 0 ]; then
  langue_francaise
  exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
langue_francaise
