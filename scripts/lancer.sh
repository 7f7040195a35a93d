#!/usr/bin/env bash
# Construit Lignara et l'exécute sur l'exemple livré (ou sur le fichier donné).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/construire.sh" "$racine/build" -DLIGNARA_TESTS=OFF -DLIGNARA_BENCH=OFF
fichier=${1:-"$racine/data/exemples/famille-exemple.ged"}
exec "$racine/build/lignara" importer "$fichier"
