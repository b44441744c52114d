// Stand-in setup DLL of the ODBC driver "Driver do Microsoft Access (*.mdb)" for the tests and
// the demo. Wine's odbccp32 SQLConfigDataSource loads the DLL named by the driver's registry
// value Driver and calls its ConfigDSN; Wine's odbc32 forwards connections to the host's
// unixODBC. This DLL bridges the two: it writes the data source "Chaines" into unixODBC's user
// ini, so that registration, connection and removal all really run.
//
// Environment (Wine passes the Unix environment through to Windows programs):
//   ODBCINI                    unixODBC's user ini, a Unix path; required. It is the build's
//                              own and holds this data source only: it is written whole.
//   VIDALTO_CONFIGDSN_LOG      one line per request is appended there: "ADD <DBQ>",
//                              "REMOVE <DBQ>".
//   VIDALTO_CONFIGDSN_REFUSER  "1": every request is logged, then refused (returns FALSE).

#include <windows.h>
#include <odbcinst.h>

#include <stdio.h>
#include <string.h>

// Wine's path translator, exported by its kernel32 only; CDECL by Wine's declaration.
typedef char*(__cdecl* FnCheminUnix)(LPCWSTR);

// The file whose Unix path the variable holds, opened in binary `mode` on drive Z:, the Unix
// root in a Wine prefix; NULL when the variable is unset. The Win32 environment rather than the
// C runtime's copy: a test changes it with SetEnvironmentVariable.
static FILE* OuvrirFichier(const char* variable, const char* mode)
{
    char chemin[MAX_PATH * 4] = "Z:";
    const DWORD longueur = GetEnvironmentVariableA(variable, chemin + 2, sizeof chemin - 2);
    return longueur && longueur < sizeof chemin - 2 ? fopen(chemin, mode) : NULL;
}

// The value of DBQ in a block of NUL-terminated "key=value" strings ending with an empty one;
// empty when it is missing.
static const char* Dbq(const char* bloc)
{
    for (; bloc && *bloc; bloc += strlen(bloc) + 1)
        if (_strnicmp(bloc, "DBQ=", 4) == 0)
            return bloc + 4;
    return "";
}

BOOL WINAPI ConfigDSN(HWND fenetre, WORD requete, LPCSTR pilote, LPCSTR attributs)
{
    const char* dbq = Dbq(attributs);
    const FnCheminUnix versUnix = (FnCheminUnix)(void (*)(void))GetProcAddress(
        GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    WCHAR large[MAX_PATH * 2];
    char refuser[2] = "";
    char* chemin = NULL;
    FILE* fichier = OuvrirFichier("VIDALTO_CONFIGDSN_LOG", "ab");
    BOOL ok = requete == ODBC_ADD_DSN || requete == ODBC_REMOVE_DSN;
    (void)fenetre, (void)pilote;
    if (fichier)
    {
        fprintf(fichier, "%s %s\n", requete == ODBC_ADD_DSN ? "ADD" : ok ? "REMOVE" : "OTHER", dbq);
        fclose(fichier);
    }
    GetEnvironmentVariableA("VIDALTO_CONFIGDSN_REFUSER", refuser, sizeof refuser);
    // An empty DBQ stays empty: the SQLite driver then opens a temporary database.
    if (!ok || refuser[0] == '1' ||
        (requete == ODBC_ADD_DSN && *dbq &&
         (!versUnix || !MultiByteToWideChar(CP_ACP, 0, dbq, -1, large, MAX_PATH * 2) ||
          !(chemin = versUnix(large)))))
        return FALSE;
    // Without ODBCINI unixODBC would use the user's own ~/.odbc.ini: never touch that. A removal
    // leaves the file empty.
    fichier = OuvrirFichier("ODBCINI", "wb");
    if (fichier && requete == ODBC_ADD_DSN)
        ok = fprintf(fichier, "[Chaines]\nDriver = Driver do Microsoft Access (*.mdb)\nDatabase = %s\n",
                     chemin ? chemin : "") > 0;
    ok = fichier && fclose(fichier) == 0 && ok;
    HeapFree(GetProcessHeap(), 0, chemin);
    return ok;
}
