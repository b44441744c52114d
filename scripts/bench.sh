#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its figures as ratios against a floor
# measured in the same run (the programs of bench/). Then the release exe's size and the DLLs it
# needs. Nothing here fails on a figure: a benchmark only prints.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/construire.sh
# The size is the release build's (i686), whichever build runs here.
if [ "$cible" != win32 ]; then
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target vidalto
fi
. scripts/xvfb.sh
. scripts/wine-env.sh "build/$cible"
. scripts/odbc-env.sh "build/$cible"
export TZ=Europe/Paris
lanceur=$VIDALTO_WINE64
[ "$cible" = win32 ] && lanceur=wine

# Under Wine each scheduler, ODBC or window call is a trip to the wineserver. On a virtual
# machine whose program and server sit on different CPUs, each trip may wait for a sleeping CPU
# to wake, which triples a run at random (measured here: the same loop in 0.18 s or 0.6 s). The
# benchmarks, their wineserver and the prefix's services all run on one CPU: the program and its
# floor meet the same conditions, and the runs are steady.
"$VIDALTO_WINESERVER" -k 2>/dev/null || true
if command -v taskset >/dev/null; then
  taskset -cp "$(($(nproc) - 1))" $$ >/dev/null
fi
for banc in bench_demarrage bench_edition bench_ajout; do
  echo "== $banc ($cible)"
  "$lanceur" "build/$cible/bench/$banc.exe" || echo "($banc failed: status $?)"
done
"$VIDALTO_WINESERVER" -k 2>/dev/null || true

# A stripped copy of the release exe: its size, and the DLLs its import table names beyond those
# Windows ships.
echo "== vidalto.exe (win32, stripped)"
copie=build/win32/vidalto-strip.exe
i686-w64-mingw32-strip -o "$copie" build/win32/vidalto.exe
taille=$(stat -c %s "$copie")
echo "Size: $taille bytes, $((taille / 1024)) KiB (goal: at most 512 KiB, $(awk "BEGIN { printf \"%.2f\", $taille / 524288 }") of it)"
systeme=" kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll comctl32.dll mstask.dll "
systeme+="odbc32.dll odbccp32.dll msvcrt.dll shell32.dll comdlg32.dll winspool.drv shlwapi.dll version.dll "
importees=$(i686-w64-mingw32-objdump -p "$copie" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')
autres=()
for dll in $importees; do
  [[ "$systeme" == *" ${dll,,} "* ]] || autres+=("$dll")
done
echo "Imports: $importees"
echo "DLLs beyond the system's: ${#autres[@]} (goal: 0)${autres[*]:+: ${autres[*]}}"
