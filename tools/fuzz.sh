#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz") and runs each one for the given time on a scratch copy of its
# seeds: the committed ones of fuzz/corpus/<target>/ and those drawn from the delivered mechanisms.
# Fails, naming the target and the input kept, on any crash, hang over 1 s, leak or allocation over 512 MB.
# Usage: tools/fuzz.sh DURATION_SECONDS [target…]   (all targets when none is named)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ || $1 -lt 1 ]]; then
  echo "Usage : tools/fuzz.sh DURÉE_EN_SECONDES [cible…]" >&2
  exit 2
fi
duree=$1
shift

toutes=(ini couleur entier gdl descripteur presentation coloriage graphe_exercice schema image jpeg)
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=("${toutes[@]}")
for cible in "${cibles[@]}"; do
  [[ " ${toutes[*]} " == *" $cible "* ]] || { echo "Cible inconnue : $cible (cibles : ${toutes[*]})" >&2; exit 2; }
done

"$racine/scripts/construire.sh" fuzz >/dev/null
construction="$racine/build-fuzz"
semences="$construction/semences"
rm -rf "$semences"
"$construction/fuzz/velkora_semences" "$construction/velkora" "$racine/resources" "$semences"

artefacts="$construction/artefacts"
echecs=()
for cible in "${cibles[@]}"; do
  brouillon=$(mktemp -d "${TMPDIR:-/tmp}/velkora-corpus-$cible-XXXXXX")
  # The target's scratch folder goes in here, so that nothing is left behind when a run is stopped.
  essais=$(mktemp -d "${TMPDIR:-/tmp}/velkora-essais-$cible-XXXXXX")
  for source in "$racine/fuzz/corpus/$cible" "$semences/$cible" "$racine/fuzz/regressions/$cible"; do
    [ -d "$source" ] && cp -r "$source/." "$brouillon/"
  done
  mkdir -p "$artefacts/$cible"
  journal="$construction/fuzz-$cible.log"
  echo "== $cible : $duree s"
  dictionnaire=()
  [[ $cible != image && $cible != jpeg ]] && dictionnaire=(-dict="$racine/fuzz/fichiers.dict")
  statut=0
  # AddressSanitizer keeps 256 MB of freed blocks by default to catch late uses; over a long run that alone
  # brings the process near the 512 MB limit meant for what the readers allocate.
  TMPDIR="$essais" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=32 UBSAN_OPTIONS=print_stacktrace=1 \
    "$construction/fuzz/fuzz_$cible" -max_total_time="$duree" -timeout=1 -rss_limit_mb=512 \
    -malloc_limit_mb=512 -print_final_stats=1 "${dictionnaire[@]}" -artifact_prefix="$artefacts/$cible/" "$brouillon" \
    >"$journal" 2>&1 || statut=$?
  rm -rf "$brouillon" "$essais"
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal" | tail -1)
  if [ "$statut" -ne 0 ]; then
    entree=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$journal" | tail -1)
    echo "ÉCHEC de $cible (code $statut) : entrée ${entree:-inconnue}, journal $journal" >&2
    grep -m3 -E '^(==[0-9]+==ERROR|SUMMARY|velkora-fuzz)' "$journal" >&2 || true
    echecs+=("$cible")
  else
    echo "$cible : ${executions:-?} exécutions, aucun échec"
  fi
done

if [ ${#echecs[@]} -gt 0 ]; then
  echo "Cibles en échec : ${echecs[*]} (gardez chaque entrée dans fuzz/regressions/<cible>/)" >&2
  exit 1
fi
