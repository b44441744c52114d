#!/usr/bin/env bash
# Sets everything up and runs the program on a demo environment of its own, inside the build
# folder: a Wine prefix whose registry holds TvAppPath = C:\TV; in C:\TV a stand-in WinTV2K.EXE
# that logs the command line of each recording to C:\TV\WinTV2K.log, and a channel database
# of a dozen channels reached through the ODBC set-up of the tests. With no display, the program
# runs on an Xvfb display of its own, adds a programme as a user would ("&Ajouter", the editor's
# defaults saved, an empty password confirmed), and a screenshot of the main window is saved.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/construire.sh

sans_ecran=
[ -z "${DISPLAY:-}" ] && sans_ecran=1
. scripts/xvfb.sh
. scripts/wine-env.sh "build/$cible"
. scripts/odbc-env.sh "build/$cible"

vue=64
[ "$cible" = win32 ] && vue=32
dossier_tv="$WINEPREFIX/drive_c/TV"
mkdir -p "$dossier_tv"
cp "build/$cible/demo/WinTV2K.exe" "$dossier_tv/WinTV2K.EXE"
cp "build/$cible/odbc-bases/chaines/hcwChanDB_4.mdb" "$dossier_tv/hcwChanDB_4.mdb"
"$VIDALTO_WINE64" reg add 'HKLM\SOFTWARE\Hauppauge\Radio' /v TvAppPath /t REG_SZ /d 'C:\TV' /f \
  "/reg:$vue" >/dev/null 2>&1
"$VIDALTO_WINESERVER" -w

programme="build/$cible/vidalto.exe"
echo "Recordings are logged to $dossier_tv/WinTV2K.log"
if [ -z "$sans_ecran" ]; then
  exec "$VIDALTO_WINE64" "$programme"
fi

# No display: run it on our own, add a programme, take a screenshot of the main window, then
# end it.
capture="$PWD/build/$cible/demo/vidalto.png"
# The programme added by an earlier run would refuse its name this time.
rm -f "$WINEPREFIX/drive_c/windows/tasks/WinTV_00.job"
"$VIDALTO_WINE64" "$programme" &
pid=$!
pilote="build/$cible/demo/Pilote.exe"
for etape in "Vidalto 1" "Edition du Programme 1" "Mot de passe 1"; do
  "$VIDALTO_WINE64" "$pilote" "${etape% *}" "${etape##* }" ||
    echo "The demo found no \"${etape% *}\" window." >&2
done
# The main window is enabled again once the add is over.
"$VIDALTO_WINE64" "$pilote" "Vidalto" 0 || true
sleep 1
import -window root -crop 800x600+0+0 "$capture"
"$VIDALTO_WINESERVER" -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "No display here: the program ran on Xvfb; screenshot of its main window: $capture"
