#!/usr/bin/env bash
# Construit et lance tous les tests. Avec --sanitiseurs : construction séparée sous
# AddressSanitizer + UndefinedBehaviorSanitizer (dossier build-san/).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--sanitiseurs" ]; then
  dossier="$racine/build-san"
  "$racine/scripts/construire.sh" "$dossier" -DLIGNARA_SANITISEURS=ON -DLIGNARA_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # Sans le relevé des suppressions, que les essais liraient dans la sortie des commandes.
  export LSAN_OPTIONS="suppressions=$racine/tests/fuites-bibliotheques-systeme.supp:print_suppressions=0"
else
  dossier="$racine/build-tests"
  "$racine/scripts/construire.sh" "$dossier" -DLIGNARA_BENCH=ON
fi
cd "$dossier"
ctest --output-on-failure -j "$(nproc)" --timeout 600
