#!/usr/bin/env bash
# Sets everything up and runs the program on a demo environment of its own, inside the build
# folder: a Wine prefix whose registry holds TvAppPath = C:\TV; in C:\TV a stand-in WinTV2K.EXE
# that logs the command line of each recording to C:\TV\WinTV2K.log, and a channel database
# of a dozen channels reached through the ODBC set-up of the tests. With no display, the program
# runs on an Xvfb display of its own, adds a programme as a user would, pictures of its editor,
# password dialog and main window are saved, and the TV program is started with that
# programme's command line.
# The store starts with a few sample programmes.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/construire.sh

sans_ecran=
[ -z "${DISPLAY:-}" ] && sans_ecran=1
. scripts/xvfb.sh
. scripts/wine-env.sh "build/$cible"
. scripts/odbc-env.sh "build/$cible"
# French, as its users' Windows: Wine takes the user's locale (the pickers' date and time) from
# the Unix one, which must exist here; fr-FR's ANSI code page is 1252 as well. The tests keep
# their pinned locale: Wine sets the prefix's back from it at their first process.
locale -a | grep -qx fr_FR.utf8 || localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8

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
demo="build/$cible/demo"
# A store that shows what the program does: a few sample programmes, as the program adds them.
rm -f "$WINEPREFIX/drive_c/windows/tasks/"*.job "$dossier_tv/WinTV2K.log"
"$VIDALTO_WINE64" "build/$cible/Demo.exe" exemples || echo "Some sample programmes could not be made." >&2
echo "Recordings are logged to $dossier_tv/WinTV2K.log"
if [ -z "$sans_ecran" ]; then
  exec "$VIDALTO_WINE64" "$programme"
fi

# No display: the road of one recording, as a user would take it: "&Ajouter", a start at 20:45
# (today, or tomorrow once that is past), the third channel, "Journal", saved with a confirmed
# (empty) password; pictures of the editor, of the password dialog and of the main window with
# the new programme and its next start; then the TV program started with the recording's stored
# command line, as the scheduler's service would at its time.
depart=$(date +%FT20:45)
[[ $(date +%H:%M) < 20:45 ]] || depart=$(date -d tomorrow +%FT20:45)
"$VIDALTO_WINE64" "$programme" &
pid=$!
piloter() {
  "$VIDALTO_WINE64" "$demo/Pilote.exe" "$@" || echo "The demo could not drive the \"$1\" window." >&2
}
photographier() {
  sleep 1
  import -window "$1" "$PWD/$demo/$2"
}
piloter "Vidalto" 1
# The minutes typed again move the end time to the new start.
piloter "Edition du Programme" 1036+2 "1031@$depart" "1043@$depart" 1024=60 1038=Journal 0
photographier "Edition du Programme" edition.png
piloter "Edition du Programme" 1
piloter "Mot de passe" 0
photographier "Mot de passe" passe.png
piloter "Mot de passe" 1
# The main window is enabled again once the add is over.
piloter "Vidalto" 0
photographier Vidalto vidalto.png
"$VIDALTO_WINESERVER" -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "No display here: the program ran on Xvfb; pictures of its main window, its editor and its"
echo "password dialog: $PWD/$demo/{vidalto,edition,passe}.png"

"$VIDALTO_WINE64" "build/$cible/Demo.exe" lancer Journal || echo "The work item Journal could not be started." >&2
echo "What the TV program received for the recording \"Journal\" (from $dossier_tv/WinTV2K.log):"
tail -n 1 "$dossier_tv/WinTV2K.log" 2>/dev/null || echo "(nothing)"

# The sample with a shutdown companion: the scheduler's own service runs the companion (it has a
# working directory, which Wine's service needs), then what Shutdown.exe asks of Windows, read
# from Wine's trace of the call.
"$VIDALTO_WINE64" "build/$cible/Demo.exe" compagnon || echo "Wine's scheduler service did not run the companion." >&2
echo "What Shutdown.exe asks of Windows (Wine's InitiateSystemShutdownEx only traces the request,"
echo "and switches nothing off): computer, message, seconds, applications forced, restart, reason"
trace="build/$cible/demo/shutdown-trace.txt"
statut=0
WINEDEBUG=-all,fixme+advapi "$VIDALTO_WINE64" "build/$cible/Shutdown.exe" 2>"$trace" >/dev/null || statut=$?
demande=$(grep -a -m 1 InitiateSystemShutdown "$trace" | sed 's/^[0-9a-f]*:fixme:advapi://')
printf '%b\n' "${demande:-(no request traced)}" | iconv -f latin1 -t utf-8
echo "Shutdown.exe ended with the status $statut (0: the request accepted)."
"$VIDALTO_WINESERVER" -k 2>/dev/null || true
