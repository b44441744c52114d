#!/usr/bin/env bash
# Sets everything up and runs every test: the rules natively under ASan and UBSan, then both
# Windows builds under Wine, each in its own prefix inside its build folder. The 32-bit build
# runs natively or under user-mode emulation where the host refuses i386 code.
set -euo pipefail
cd "$(dirname "$0")/.."

debut=$SECONDS
duree() { echo "-- $1: $((SECONDS - $2)) s"; }

bash scripts/install-packages.sh
. scripts/i386.sh

echo "== Layout of the sources (clang-format)"
git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run --Werror

etape=$SECONDS
echo "== Rules, natively (ASan, UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
duree "rules" "$etape"

etape=$SECONDS
echo "== Rules, fuzzed a few seconds from every seed (ASan, UBSan)"
bash scripts/fuzz.sh court
duree "fuzzing" "$etape"

cibles=()
for cible in win64 win32; do
  etape=$SECONDS
  echo "== $cible: build"
  cmake --preset "$cible" >/dev/null
  cmake --build --preset "$cible"
  duree "$cible build" "$etape"
  if [ "$cible" = win32 ] && [ -z "$vidalto_i386" ]; then
    echo "This host cannot run 32-bit programs, even emulated: the win32 build is built, not run." >&2
    continue
  fi
  cibles+=("$cible")
done

. scripts/xvfb.sh
for cible in "${cibles[@]}"; do
  etape=$SECONDS
  mode=
  if [ "$cible" = win32 ]; then
    mode=" (i386 natively)"
    [ "$vidalto_i386" = emule ] && mode=" (i386 under user-mode emulation)"
  fi
  echo "== $cible: tests under Wine$mode"
  . scripts/wine-env.sh "build/$cible"
  . scripts/odbc-env.sh "build/$cible"
  # Under emulation, the end of a thread that ran a window breaks qemu's 32-bit Wine later in
  # the same process: the one test that needs a thread of its own runs in the other builds.
  # qemu's 32-bit Wine also loses its server now and then: a suite that fails is run once more,
  # and fails for good only when it fails again.
  filtre=
  reprise=()
  if [ "$cible" = win32 ] && [ "$vidalto_i386" = emule ]; then
    filtre="-FinFenetre.*"
    reprise=(--repeat until-pass:2)
  fi
  GTEST_FILTER="${filtre:-*}" ctest --preset "$cible" "${reprise[@]}"
  "$VIDALTO_WINESERVER" -k 2>/dev/null || true
  duree "$cible tests$mode" "$etape"
done
bash scripts/proportion-tests.sh
duree "everything" "$debut"
