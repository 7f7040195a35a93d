#!/usr/bin/env bash
# Construit et lance tous les tests.
#   --sanitiseurs : construction séparée sous AddressSanitizer + UndefinedBehaviorSanitizer
#                   (build-san/), graines de fuzz rejouées comprises ;
#   --fils        : ThreadSanitizer sur les seuls essais qui font travailler des fils (import,
#                   dérivation, surveillance des GEDCOM), dans build-tsan/ ;
#   --sans-fenetre: le noyau et la ligne de commande construits sans Qt Widgets, et la preuve
#                   que le programme n'en dépend pas (build-noyau/) ;
#   --format      : le code suit .clang-format (rien n'est réécrit) ;
#   --tidy        : relecture clang-tidy (profil .clang-tidy) des fichiers C++ changés depuis
#                   LIGNARA_TIDY_BASE (défaut HEAD~1), sur la base de compilation de build-tests/.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
# Les constructions des essais refusent tout avertissement et vérifient les bornes de la
# bibliothèque standard (les mesures de bench/ se font dans build/, sans ces vérifications).
controles=(-DLIGNARA_WERROR=ON -DLIGNARA_ASSERTIONS_STL=ON)
case "${1:-}" in
  --sanitiseurs)
    dossier="$racine/build-san"
    "$racine/scripts/construire.sh" "$dossier" "${controles[@]}" -DLIGNARA_SANITISEURS=ON -DLIGNARA_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # print_suppressions=0 : le relevé des suppressions irait dans la sortie que les essais comparent.
    export LSAN_OPTIONS="suppressions=$racine/tests/fuites-bibliotheques-systeme.supp:print_suppressions=0"
    ;;
  --fils)
    dossier="$racine/build-tsan"
    "$racine/scripts/construire.sh" "$dossier" --cibles "lignara tests_gedcom tests_session tests_database" \
      "${controles[@]}" -DLIGNARA_TSAN=ON -DLIGNARA_BENCH=OFF -DLIGNARA_GUI=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
    cd "$dossier"
    for p in tests_gedcom tests_session tests_database; do
      echo "== $p (ThreadSanitizer)"
      "./tests/$p" --gtest_brief=1
    done
    exit 0
    ;;
  --sans-fenetre)
    dossier="$racine/build-noyau"
    "$racine/scripts/construire.sh" "$dossier" --cibles lignara "${controles[@]}" \
      -DLIGNARA_GUI=OFF -DLIGNARA_TESTS=OFF -DLIGNARA_BENCH=OFF
    if ldd "$dossier/lignara" | grep -q 'libQt6Widgets'; then
      echo "Le programme sans fenêtre est lié à Qt Widgets" >&2
      exit 1
    fi
    "$dossier/lignara" importer "$racine/data/exemples/famille-exemple.ged" > /dev/null
    echo "Noyau et ligne de commande sans Qt Widgets : construits, exemple importé"
    exit 0
    ;;
  --format)
    # Le code suit .clang-format : la moindre différence fait échouer, avec les fichiers en cause.
    "$racine/scripts/installer-dependances.sh"
    cd "$racine"
    git ls-files '*.cpp' '*.h' | grep -v '^tests/fuzz/corpus/' | xargs clang-format --dry-run --Werror
    echo "Format : conforme à .clang-format"
    exit 0
    ;;
  --tidy)
    dossier="$racine/build-tests"
    [ -f "$dossier/compile_commands.json" ] || "$racine/scripts/construire.sh" "$dossier" --cibles lignara \
      "${controles[@]}" -DLIGNARA_BENCH=ON
    cd "$racine"
    base=${LIGNARA_TIDY_BASE:-HEAD~1}
    if ! git rev-parse --verify -q "$base^{commit}" >/dev/null; then
      echo "clang-tidy : la base $base est introuvable (clone superficiel ?) ; rien n'est relu" >&2
      exit 0
    fi
    fichiers=()
    # Seuls les fichiers compilés sont relus ; un en-tête l'est par les fichiers qui l'incluent.
    while IFS= read -r f; do
      if grep -qF "\"file\": \"$racine/$f\"" "$dossier/compile_commands.json"; then fichiers+=("$f"); fi
    done < <(git diff --name-only --diff-filter=AM "$base" -- '*.cpp' | grep -v '^tests/fuzz/corpus/' || true)
    if [ ${#fichiers[@]} -eq 0 ]; then
      echo "clang-tidy : aucun fichier C++ compilé changé depuis $base"
      exit 0
    fi
    # Les options propres à gcc (-Wno-error=maybe-uninitialized) sont inconnues de clang : sans
    # --extra-arg, -Werror en ferait une erreur dans chaque fichier relu. Un fichier à la fois :
    # un plantage de l'outil lui-même (signal) est dit et n'arrête pas la relecture des autres ;
    # une faute trouvée fait échouer.
    fautes=0 plantes=0
    for f in "${fichiers[@]}"; do
      rc=0
      clang-tidy -p "$dossier" --quiet --extra-arg=-Wno-unknown-warning-option "$f" || rc=$?
      if [ "$rc" -ge 128 ]; then
        echo "clang-tidy : l'outil a planté sur $f (signal $((rc - 128))) ; ce fichier n'est pas relu" >&2
        plantes=$((plantes + 1))
      elif [ "$rc" -ne 0 ]; then
        fautes=$((fautes + 1))
      fi
    done
    if [ "$fautes" -gt 0 ]; then
      echo "clang-tidy : des fautes dans $fautes fichier(s)" >&2
      exit 1
    fi
    echo "clang-tidy : $((${#fichiers[@]} - plantes)) fichier(s) relu(s) depuis $base, sans faute"
    exit 0
    ;;
  "")
    dossier="$racine/build-tests"
    "$racine/scripts/construire.sh" "$dossier" "${controles[@]}" -DLIGNARA_BENCH=ON
    # L'outil des captures de la fenêtre n'est pas un essai, mais il doit rester construit.
    cmake --build "$dossier" -j "$(nproc)" --target captures
    ;;
  *)
    echo "Usage : $0 [--sanitiseurs | --fils | --sans-fenetre | --format | --tidy]" >&2
    exit 2
    ;;
esac
cd "$dossier"
ctest --output-on-failure -j "$(nproc)" --timeout 600
