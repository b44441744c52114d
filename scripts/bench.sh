#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its figures and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/construire.sh
. scripts/xvfb.sh
. scripts/wine-env.sh "build/$cible"
. scripts/odbc-env.sh "build/$cible"
export TZ=Europe/Paris
for banc in "build/$cible"/bench/bench_*.exe; do
  echo "== $(basename "$banc" .exe)"
  "$VIDALTO_WINE64" "$banc"
done
"$VIDALTO_WINESERVER" -k 2>/dev/null || true
