#!/usr/bin/env bash
# Construit Lignara et ouvre la fenêtre sur l'exemple livré (ou sur le fichier donné). Sans
# affichage, ou avec --sans-fenetre, importe le fichier en ligne de commande et en montre le
# rapport.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sansFenetre=0
if [ "${1:-}" = "--sans-fenetre" ]; then sansFenetre=1; shift; fi
"$racine/scripts/construire.sh" "$racine/build" -DLIGNARA_TESTS=OFF -DLIGNARA_BENCH=OFF
fichier=${1:-"$racine/data/exemples/famille-exemple.ged"}
if [ $sansFenetre -eq 0 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$racine/build/lignara" "$fichier"
fi
[ $sansFenetre -eq 1 ] || echo "Pas d'affichage : import en ligne de commande." >&2
exec "$racine/build/lignara" importer "$fichier"
