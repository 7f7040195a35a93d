#!/usr/bin/env bash
# Construit Lignara dans un dossier donné (défaut : build/), en installant d'abord les paquets
# manquants. Options supplémentaires passées à CMake.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-"$racine/build"}
shift || true
# --cibles "a b" : ne construit que ces cibles (les passes qui n'ont besoin que d'une partie).
cibles=()
if [ "${1:-}" = "--cibles" ]; then
  read -r -a cibles <<< "$2"
  shift 2
fi
"$racine/scripts/installer-dependances.sh"
# ccache, quand il est là, rend les reconstructions (et les copies de travail voisines) rapides ;
# les chemins sont pris relativement au dossier parent pour que deux copies partagent le cache.
lanceur=()
if command -v ccache >/dev/null; then
  lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$racine")}"
  export CCACHE_NOHASHDIR=1
fi
cmake -S "$racine" -B "$dossier" -G Ninja "${lanceur[@]}" "$@" >/dev/null
if [ ${#cibles[@]} -gt 0 ]; then
  cmake --build "$dossier" -j "$(nproc)" --target "${cibles[@]}"
else
  cmake --build "$dossier" -j "$(nproc)"
fi
