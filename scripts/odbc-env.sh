# Sourced after scripts/wine-env.sh: the ODBC set-up of the tests and the demo, all of it
# inside the build folder (never system-wide, never ~/.wine).
#   . scripts/wine-env.sh BUILD_DIR; . scripts/odbc-env.sh BUILD_DIR
# Idempotent. It
#  - writes $ODBCSYSINI/odbcinst.ini: the driver "Driver do Microsoft Access (*.mdb)" is
#    Debian's SQLite ODBC driver (Wine's odbc32 forwards to the host's unixODBC), so the
#    fixtures are SQLite files named *.mdb;
#  - registers in the prefix, in both registry views, the stand-in setup DLL built in the build
#    folder (vidalto_configdsn.dll): Wine's odbccp32 loads the DLL named by the value Driver of
#    HKLM\Software\ODBC\ODBCINST.INI\<driver> and calls its ConfigDSN; Windows reads Setup.
# It also exports VIDALTO_CONFIGDSN_LOG, where that DLL logs each request.

vidalto_build=$(cd "$1" && pwd)
: "${ODBCSYSINI:?source scripts/wine-env.sh first}"
vidalto_pilote='Driver do Microsoft Access (*.mdb)'
export VIDALTO_CONFIGDSN_LOG="$ODBCSYSINI/configdsn.log"

mkdir -p "$ODBCSYSINI"
vidalto_odbcinst="[$vidalto_pilote]
Description = SQLite 3 standing in for the Access driver
Driver = /usr/lib/i386-linux-gnu/odbc/libsqlite3odbc.so
Driver64 = /usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so"
if [ "$(cat "$ODBCSYSINI/odbcinst.ini" 2>/dev/null)" != "$vidalto_odbcinst" ]; then
  printf '%s\n' "$vidalto_odbcinst" >"$ODBCSYSINI/odbcinst.ini"
fi

# Drive Z: is the Unix root in a new prefix.
vidalto_dll="Z:$(printf '%s' "$vidalto_build/vidalto_configdsn.dll" | tr / '\\')"
# system.reg writes backslashes doubled: look there first, as each reg process costs seconds.
vidalto_dll_reg=$(printf '%s' "$vidalto_dll" | sed 's/\\/\\\\/g')
if [ "$(grep -c -F "\"Setup\"=\"$vidalto_dll_reg\"" "$WINEPREFIX/system.reg" 2>/dev/null)" != 2 ]; then
  for vidalto_vue in 64 32; do
    for vidalto_valeur in Driver Setup; do
      "$VIDALTO_WINE64" reg add "HKLM\\Software\\ODBC\\ODBCINST.INI\\$vidalto_pilote" \
        /v "$vidalto_valeur" /t REG_SZ /d "$vidalto_dll" /f "/reg:$vidalto_vue" >/dev/null
    done
  done
  # Let the registry reach system.reg before anyone reads it.
  "$VIDALTO_WINESERVER" -w
fi
unset vidalto_pilote vidalto_odbcinst vidalto_dll vidalto_dll_reg vidalto_vue vidalto_valeur
