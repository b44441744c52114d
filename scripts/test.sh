#!/usr/bin/env bash
# Sets everything up and runs every test: the rules natively under ASan and UBSan, then the
# Windows builds under Wine, each in its own prefix inside its build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh

echo "== Rules, natively (ASan, UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# Both Windows builds must build; the 32-bit one runs only where the host runs 32-bit
# programs (some kernels do not).
cibles=()
for cible in win64 win32; do
  echo "== $cible: build"
  cmake --preset "$cible" >/dev/null
  cmake --build --preset "$cible"
  if [ "$cible" = win32 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "This host cannot run 32-bit programs: the win32 build is built, not run." >&2
    continue
  fi
  cibles+=("$cible")
done

. scripts/xvfb.sh
for cible in "${cibles[@]}"; do
  echo "== $cible: tests under Wine"
  . scripts/wine-env.sh "build/$cible"
  . scripts/odbc-env.sh "build/$cible"
  ctest --preset "$cible"
  "$VIDALTO_WINESERVER" -k 2>/dev/null || true
done
