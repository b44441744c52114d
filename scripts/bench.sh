#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its figures and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cible=win32
/lib/ld-linux.so.2 --version >/dev/null 2>&1 || cible=win64
cmake --preset "$cible" >/dev/null
cmake --build --preset "$cible"
. scripts/xvfb.sh
. scripts/wine-env.sh "build/$cible"
. scripts/odbc-env.sh "build/$cible"
export TZ=Europe/Paris
for banc in "build/$cible"/bench/bench_*.exe; do
  echo "== $(basename "$banc" .exe)"
  "$VIDALTO_WINE64" "$banc"
done
"$VIDALTO_WINESERVER" -k 2>/dev/null || true
