#!/usr/bin/env bash
# Construit Lignara dans un dossier donné (défaut : build/), en installant d'abord les paquets
# manquants. Options supplémentaires passées à CMake.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-"$racine/build"}
shift || true
"$racine/scripts/installer-dependances.sh"
cmake -S "$racine" -B "$dossier" -G Ninja "$@" >/dev/null
cmake --build "$dossier" -j "$(nproc)"
