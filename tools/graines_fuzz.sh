#!/usr/bin/env bash
# Refait les graines des cibles de fuzz (tests/fuzz/corpus/<cible>/) : graines brutes tirées des
# fichiers d'essai du projet et des fichiers réels, puis réduites par libFuzzer (-merge=1) à celles
# qui couvrent du code neuf, après une courte exploration. Les graines réduites sont commitées et
# rejouées par les essais (Fuzz.rejeu_*).
#   tools/graines_fuzz.sh [dossier des fichiers réels] [secondes d'exploration par cible]
# La réduction demande la construction clang des cibles (build-fuzz/, voir
# tests/fuzz/CMakeLists.txt) ; sans elle, les graines brutes sont prises telles quelles.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
reels=${1:-"$racine/../shared/testdata/gedcom"}
secondes=${2:-60}
fuzz="$racine/build-fuzz/tests/fuzz"
corpus="$racine/tests/fuzz/corpus"
[ -d "$reels" ] || { echo "Fichiers réels introuvables : $reels" >&2; exit 1; }
brut=$(mktemp -d)
trap 'rm -rf "$brut"' EXIT

# Un fichier par graine, préfixé de l'octet d'options de la cible.
prefixer() {  # octet (octal) fichier-source dossier
  local nom
  nom=$1-$(sha1sum "$2" | cut -c1-16)
  # Le début d'un fichier couvre l'essentiel ; des graines courtes gardent le corpus léger.
  { printf "\\$1"; head -c 16384 "$2"; } > "$3/$nom"
}
valeurs() {  # tag dossier octet : une graine par valeur distincte du tag
  mkdir -p "$2"
  find "$reels" "$racine/tests/fixtures" "$racine/data/exemples" -iname '*.ged' -print0 |
    xargs -0 cat 2>/dev/null | tr -d '\r' | sed -n "s/^[0-9] $1 //p" | sort -u | awk 'NR <= 3000' |
    while IFS= read -r v; do
      f="$2/$(printf '%s' "$v" | sha1sum | cut -c1-16)"
      if [ -n "$3" ]; then printf "\\$3%s" "$v" > "$f"; else printf '%s' "$v" > "$f"; fi
    done
}

mkdir -p "$brut"/{fuzz_import,fuzz_lecteur_gedcom,fuzz_reglages,fuzz_images}
while IFS= read -r -d '' f; do
  prefixer 000 "$f" "$brut/fuzz_import"
  prefixer 000 "$f" "$brut/fuzz_lecteur_gedcom"
  prefixer 001 "$f" "$brut/fuzz_lecteur_gedcom"
done < <(find "$reels" "$racine/tests/fixtures" "$racine/data/exemples" -iname '*.ged' -size -256k -print0)
# Fusion : deux fichiers d'essai de même longueur mis bout à bout derrière l'octet 0x80.
a="$racine/tests/fixtures/fusion-principal.ged" b="$racine/tests/fixtures/fusion-secondaire-ansel.ged"
n=$(( $(wc -c < "$a") > $(wc -c < "$b") ? $(wc -c < "$a") : $(wc -c < "$b") ))
{ printf '\200'; cat "$a"; head -c $((n - $(wc -c < "$a"))) /dev/zero | tr '\0' '\n'
  cat "$b"; head -c $((n - $(wc -c < "$b"))) /dev/zero | tr '\0' '\n'; } > "$brut/fuzz_import/fusion"
for f in "$racine"/tests/fixtures/*.dwa "$racine"/build-fuzz/donnees/*.dwa; do
  [ -f "$f" ] && cp "$f" "$brut/fuzz_reglages/$(sha1sum "$f" | cut -c1-16)"
done
# Images : octet 0 → .png, 1 → .jpg, 4 → image interne .dwa.
while IFS= read -r -d '' f; do
  case "${f,,}" in *.png) prefixer 000 "$f" "$brut/fuzz_images" ;; *.jpg|*.jpeg) prefixer 001 "$f" "$brut/fuzz_images" ;; esac
done < <(find "$reels" "$racine/data" -type f \( -iname '*.png' -o -iname '*.jpg' -o -iname '*.jpeg' \) -size -24k -print0)
while IFS= read -r -d '' f; do prefixer 004 "$f" "$brut/fuzz_images"; done < \
  <(find "$racine/build-fuzz/donnees" -iname '*.dwa' -size -24k -print0 2>/dev/null | awk -v RS='\0' -v ORS='\0' 'NR <= 20')
valeurs DATE "$brut/fuzz_dates" ""
valeurs PLAC "$brut/fuzz_lieux" "000"
valeurs NAME "$brut/fuzz_noms" ""

if [ ! -x "$fuzz/fuzz_import" ]; then
  echo "Pas de build-fuzz (clang, -DLIGNARA_FUZZ=ON) : graines brutes, non réduites" >&2
  for c in "$brut"/fuzz_*; do
    rm -rf "$corpus/${c##*/}" && cp -r "$c" "$corpus/"
    echo "${c##*/} : $(ls "$c" | wc -l) graines"
  done
  exit 0
fi
# Les plantages trouvés (crash-*, leak-*, timeout-*) restent dans ce dossier, signalés à la fin.
trouvailles="$racine/build-fuzz/trouvailles"
mkdir -p "$trouvailles"
cd "$trouvailles"
for c in fuzz_import fuzz_lecteur_gedcom fuzz_reglages fuzz_images fuzz_dates fuzz_lieux fuzz_noms; do
  explore="$brut/explore-$c"
  mkdir -p "$explore" "$corpus/$c"
  "$fuzz/$c" -merge=1 "$explore" "$corpus/$c" "$brut/$c" > /dev/null 2>&1
  "$fuzz/$c" "$explore" -max_len=16384 -max_total_time="$secondes" -rss_limit_mb=2048 > /dev/null 2>&1
  rm -rf "$corpus/$c" && mkdir -p "$corpus/$c"
  "$fuzz/$c" -merge=1 "$corpus/$c" "$explore" 2>&1 | grep -E "MERGE-OUTER: [0-9]+ new files" || true
  echo "$c : $(ls "$corpus/$c" | wc -l) graines, $(du -sk "$corpus/$c" | cut -f1) Ko"
done
if ls "$trouvailles" | grep -qE '^(crash|leak|timeout|oom)-'; then
  echo "Fautes trouvées, à rejouer : $trouvailles" >&2
  exit 1
fi
