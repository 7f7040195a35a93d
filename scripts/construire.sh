#!/usr/bin/env bash
# Construit Lignara dans un dossier donné (défaut : build/), en installant d'abord les paquets
# manquants. Options supplémentaires passées à CMake.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-"$racine/build"}
shift || true
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
cmake --build "$dossier" -j "$(nproc)"
