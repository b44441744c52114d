#!/usr/bin/env bash
# Fuzzes the rules that read outside data: builds the `fuzz` preset (clang's libFuzzer, ASan,
# UBSan) and runs each target for 10 million executions from its committed seeds
# (fuzz/corpus/<target>), two targets at a time on the machine's two cores. Prints, per target,
# the executions done, the time taken and the findings, and fails on a finding.
#   bash scripts/fuzz.sh          the long run, 3 to 5 minutes
#   bash scripts/fuzz.sh court    every seed replayed, then a few seconds of each target: the
#                                 test command's run, so that no target's oracle drifts unseen
# As root the first time: installs clang and its fuzzing runtime.
#   VIDALTO_FUZZ_RUNS=N   executions per target of the long run (default 10000000)
set -euo pipefail
cd "$(dirname "$0")/.."

paquets=(clang libclang-rt-14-dev cmake ninja-build tzdata)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages (${manquants[*]}): run this script as root." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${manquants[@]}"
fi

debut=$SECONDS
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

limite="-runs=${VIDALTO_FUZZ_RUNS:-10000000}"
[ "${1:-}" = court ] && limite=-max_total_time=3
sortie=build/fuzz/resultats
rm -rf "$sortie"
mkdir -p "$sortie"

# Target and longest input: past what the program ever reads (260-unit buffers), short where
# only the first bytes count. Longest runs first, so that the two lanes end together.
cibles=(
  "FuzzRelireProgramme 600"
  "FuzzBlocEnregistrement 400"
  "FuzzChampsArret 48"
  "FuzzLireChaine 400"
  "FuzzMinutesEnDuree 128"
  "FuzzLireLigne 600"
  "FuzzExtraireMot 400"
  "FuzzConvertirEntier 64"
  "FuzzNomSansSuffixeJob 300"
)

# One target: new inputs go to a working corpus in the build folder (the first folder given to
# libFuzzer), never to the committed seeds; a crashing input goes to $sortie/<target>/.
lancer() {
  local cible=$1 longueur=$2 debutCible=$SECONDS
  local travail=build/fuzz/corpus/$cible
  mkdir -p "$travail" "$sortie/$cible"
  "build/fuzz/fuzz/$cible" "$travail" "fuzz/corpus/$cible" \
    "$limite" -max_len="$longueur" -timeout=10 \
    -artifact_prefix="$sortie/$cible/" -print_final_stats=1 \
    >"$sortie/$cible.log" 2>&1 || true
  echo $((SECONDS - debutCible)) >"$sortie/$cible.duree"
}

for ligne in "${cibles[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do
    wait -n || true
  done
  # shellcheck disable=SC2086
  lancer $ligne &
done
wait

echo
printf '%-24s %12s %8s  %s\n' target executions seconds findings
trouvees=0
for ligne in "${cibles[@]}"; do
  cible=${ligne%% *}
  journal=$sortie/$cible.log
  faites=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal" | tail -n 1)
  resultat=none
  fichiers=$(find "$sortie/$cible" -type f | sort)
  if [ -n "$fichiers" ]; then
    trouvees=$((trouvees + 1))
    cause=$(grep -m1 -E '^SUMMARY|invariant broken|ERROR: libFuzzer' "$journal" || echo crash)
    resultat="$cause: $fichiers"
  elif ! grep -q '^Done ' "$journal"; then
    trouvees=$((trouvees + 1))
    resultat="did not finish, see $journal"
  fi
  printf '%-24s %12s %8s  %s\n' "$cible" "${faites:-?}" "$(cat "$sortie/$cible.duree")" "$resultat"
done
echo "-- fuzzing: $((SECONDS - debut)) s, logs in $sortie"
[ "$trouvees" -eq 0 ]
