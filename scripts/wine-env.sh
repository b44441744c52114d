# Sourced: the project's own Wine environment for one build folder.
#   . scripts/wine-env.sh BUILD_DIR
# Exports WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES, ODBCSYSINI, ODBCINI, a pinned locale and zone,
# and creates the prefix once (kept afterwards). Never touches ~/.wine.

vidalto_build=$(cd "$1" && pwd)
export WINEPREFIX="$vidalto_build/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installer may wait for a click; a crash must end the process, not
# start a debugger that waits for ever.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export ODBCSYSINI="$vidalto_build/odbc"
export ODBCINI="$vidalto_build/odbc/odbc.ini"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Each Wine process takes its local time from its own TZ, the scheduler's service included, which
# the first process of the prefix starts: all of them share the tests' pinned zone, so that the
# service runs a work item at the local time the tests and the program wrote.
export TZ=Europe/Paris
mkdir -p "$ODBCSYSINI"

if [ -x /usr/lib/wine/wine64 ]; then VIDALTO_WINE64=/usr/lib/wine/wine64; else VIDALTO_WINE64=wine64; fi
VIDALTO_WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export VIDALTO_WINE64 VIDALTO_WINESERVER

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (once)..."
  "$VIDALTO_WINE64" wineboot -i >/dev/null 2>&1 || true
  # The Task Scheduler service cannot start until the prefix has finished setting up.
  "$VIDALTO_WINESERVER" -w
fi
# The title bar's buttons are drawn with Marlett (fonts-wine): a prefix made before that package
# was installed gets it here.
vidalto_marlett=/usr/share/wine/fonts/marlett.ttf
if [ -f "$vidalto_marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp "$vidalto_marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
fi
unset vidalto_marlett
# A crash must end its process, not start a debugger that waits for ever: in the prefix itself, as
# a test's environment cannot list two overrides (CTest splits its values at the semicolon).
if ! grep -q '"winedbg.exe"=""' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$VIDALTO_WINE64" reg add 'HKCU\Software\Wine\DllOverrides' /v winedbg.exe /t REG_SZ /d '' /f >/dev/null 2>&1
  "$VIDALTO_WINESERVER" -w
fi
# Xvfb has no window manager: unmanaged windows spare Wine its wait of two seconds for one
# each time a window is hidden.
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$VIDALTO_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$VIDALTO_WINESERVER" -w
fi

