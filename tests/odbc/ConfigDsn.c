/* Stand-in setup DLL of the ODBC driver "Driver do Microsoft Access (*.mdb)" for the tests and
 * the demo. Wine's odbccp32 SQLConfigDataSource loads the DLL named by the driver's registry
 * value Driver and calls its ConfigDSN; Wine's odbc32 forwards connections to the host's
 * unixODBC. This DLL bridges the two: it writes the data source "Chaines" into unixODBC's user
 * ini (the file named by ODBCINI), so that registration, connection and removal all really run.
 *
 * Environment (Wine passes the Unix environment through to Windows programs):
 *   ODBCINI                    unixODBC's user ini, a Unix path; required.
 *   VIDALTO_CONFIGDSN_LOG      one line per request is appended there ("ADD <DBQ>", "REMOVE").
 *   VIDALTO_CONFIGDSN_REFUSER  "1": every request is logged, then refused (returns FALSE).
 */

#include <windows.h>
#include <odbcinst.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define NOM_SECTION "Chaines"
#define NOM_PILOTE "Driver do Microsoft Access (*.mdb)"

/* Wine's path translators, exported by kernel32 under Wine only; CDECL by Wine's declaration. */
typedef char*(__cdecl* FnCheminUnix)(LPCWSTR);
typedef WCHAR*(__cdecl* FnCheminDos)(LPCSTR);

/* A variable of the process environment, or NULL when unset or empty. The Win32 environment
 * rather than the C runtime's copy: a test changes it with SetEnvironmentVariable. */
static const char* Variable(const char* nom, char* valeur, DWORD taille)
{
    DWORD longueur = GetEnvironmentVariableA(nom, valeur, taille);
    return longueur && longueur < taille ? valeur : NULL;
}

static FARPROC FonctionWine(const char* nom)
{
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), nom);
}

/* A Unix path as a drive path (UTF-16, on the process heap), or NULL. */
static WCHAR* CheminDos(const char* cheminUnix)
{
    FnCheminDos convertir = (FnCheminDos)(void (*)(void))FonctionWine("wine_get_dos_file_name");
    return convertir ? convertir(cheminUnix) : NULL;
}

/* A drive path in the ANSI code page as a Unix path (UTF-8, on the process heap), or NULL. */
static char* CheminUnix(const char* cheminDos)
{
    FnCheminUnix convertir = (FnCheminUnix)(void (*)(void))FonctionWine("wine_get_unix_file_name");
    WCHAR large[MAX_PATH * 2];
    if (!convertir || !MultiByteToWideChar(CP_ACP, 0, cheminDos, -1, large, MAX_PATH * 2))
        return NULL;
    return convertir(large);
}

/* The whole content of a file, NUL-terminated, in a malloc'd buffer; an empty text when the
 * file does not exist yet; NULL on failure. */
static char* LireFichier(const WCHAR* chemin)
{
    HANDLE fichier = CreateFileW(chemin, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD taille, lus = 0;
    char* texte;
    if (fichier == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? calloc(1, 1) : NULL;
    taille = GetFileSize(fichier, NULL);
    texte = taille == INVALID_FILE_SIZE ? NULL : malloc(taille + 1);
    if (texte && (!ReadFile(fichier, texte, taille, &lus, NULL) || lus != taille))
    {
        free(texte);
        texte = NULL;
    }
    if (texte)
        texte[taille] = '\0';
    CloseHandle(fichier);
    return texte;
}

static BOOL EcrireFichier(const WCHAR* chemin, const char* texte, DWORD mode)
{
    HANDLE fichier = CreateFileW(chemin, mode == OPEN_ALWAYS ? FILE_APPEND_DATA : GENERIC_WRITE,
                                 FILE_SHARE_READ, NULL, mode, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD longueur = (DWORD)strlen(texte), ecrits = 0;
    BOOL ok;
    if (fichier == INVALID_HANDLE_VALUE)
        return FALSE;
    ok = WriteFile(fichier, texte, longueur, &ecrits, NULL) && ecrits == longueur;
    CloseHandle(fichier);
    return ok;
}

/* True when the line (up to its end) is the header "[Chaines]", blanks allowed around it. */
static BOOL EstEnteteChaines(const char* ligne, size_t longueur)
{
    size_t n = sizeof NOM_SECTION - 1;
    while (longueur && (*ligne == ' ' || *ligne == '\t'))
        ++ligne, --longueur;
    while (longueur && (ligne[longueur - 1] == ' ' || ligne[longueur - 1] == '\t' ||
                        ligne[longueur - 1] == '\r'))
        --longueur;
    /* unixODBC compares section names without case. */
    return longueur == n + 2 && ligne[0] == '[' && ligne[n + 1] == ']' &&
           _strnicmp(ligne + 1, NOM_SECTION, n) == 0;
}

/* The ini text without its [Chaines] section (up to the next section header), then `ajout`. */
static char* SansSectionChaines(const char* texte, const char* ajout)
{
    char* resultat = malloc(strlen(texte) + strlen(ajout) + 2);
    char* fin = resultat;
    BOOL dansChaines = FALSE;
    const char* ligne = texte;
    if (!resultat)
        return NULL;
    while (*ligne)
    {
        const char* suite = strchr(ligne, '\n');
        size_t longueur = suite ? (size_t)(suite - ligne) : strlen(ligne);
        const char* debut = ligne;
        while (*debut == ' ' || *debut == '\t')
            ++debut;
        if (*debut == '[')
            dansChaines = EstEnteteChaines(ligne, longueur);
        if (!dansChaines)
        {
            memcpy(fin, ligne, longueur);
            fin += longueur;
            *fin++ = '\n';
        }
        ligne += longueur + (suite ? 1 : 0);
    }
    strcpy(fin, ajout);
    return resultat;
}

static BOOL RemplacerSection(const char* section)
{
    char variable[MAX_PATH * 4];
    const char* ini = Variable("ODBCINI", variable, sizeof variable);
    WCHAR* chemin;
    char *texte, *nouveau = NULL;
    BOOL ok = FALSE;
    /* Without ODBCINI unixODBC would use the user's own ~/.odbc.ini: never touch that. */
    if (!ini || !(chemin = CheminDos(ini)))
        return FALSE;
    texte = LireFichier(chemin);
    if (texte)
        nouveau = SansSectionChaines(texte, section);
    if (nouveau)
        ok = EcrireFichier(chemin, nouveau, CREATE_ALWAYS);
    free(nouveau);
    free(texte);
    HeapFree(GetProcessHeap(), 0, chemin);
    return ok;
}

static void Journaliser(const char* requete, const char* detail)
{
    char variable[MAX_PATH * 4];
    const char* journal = Variable("VIDALTO_CONFIGDSN_LOG", variable, sizeof variable);
    WCHAR* chemin;
    char ligne[1024];
    if (!journal || !(chemin = CheminDos(journal)))
        return;
    lstrcpynA(ligne, requete, sizeof ligne);
    if (detail)
    {
        lstrcatA(ligne, " ");
        lstrcpynA(ligne + lstrlenA(ligne), detail, (int)(sizeof ligne) - lstrlenA(ligne) - 1);
    }
    lstrcatA(ligne, "\n");
    EcrireFichier(chemin, ligne, OPEN_ALWAYS);
    HeapFree(GetProcessHeap(), 0, chemin);
}

/* The value of `cle` in a block of NUL-terminated "key=value" strings ending with an empty one. */
static const char* Attribut(const char* bloc, const char* cle)
{
    size_t n = strlen(cle);
    for (; bloc && *bloc; bloc += strlen(bloc) + 1)
        if (_strnicmp(bloc, cle, n) == 0 && bloc[n] == '=')
            return bloc + n + 1;
    return NULL;
}

static BOOL Ajouter(const char* attributs)
{
    const char* dbq = Attribut(attributs, "DBQ");
    char* unix = dbq && *dbq ? CheminUnix(dbq) : NULL;
    char section[2048];
    BOOL ok;
    if (dbq && *dbq && !unix)
        return FALSE;
    /* An empty DBQ stays empty: the SQLite driver then opens a temporary database. */
    int longueur = snprintf(section, sizeof section,
                            "[" NOM_SECTION "]\nDriver = " NOM_PILOTE "\nDatabase = %s\n",
                            unix ? unix : "");
    ok = longueur > 0 && (size_t)longueur < sizeof section && RemplacerSection(section);
    if (unix)
        HeapFree(GetProcessHeap(), 0, unix);
    return ok;
}

BOOL WINAPI ConfigDSN(HWND fenetre, WORD requete, LPCSTR pilote, LPCSTR attributs)
{
    char variable[8];
    const char* refuser = Variable("VIDALTO_CONFIGDSN_REFUSER", variable, sizeof variable);
    (void)fenetre;
    (void)pilote;
    switch (requete)
    {
    case ODBC_ADD_DSN:
    case ODBC_CONFIG_DSN:
        Journaliser(requete == ODBC_ADD_DSN ? "ADD" : "CONFIG", Attribut(attributs, "DBQ"));
        if (refuser && strcmp(refuser, "1") == 0)
            return FALSE;
        return Ajouter(attributs);
    case ODBC_REMOVE_DSN:
        Journaliser("REMOVE", NULL);
        if (refuser && strcmp(refuser, "1") == 0)
            return FALSE;
        return RemplacerSection("");
    default:
        Journaliser("UNKNOWN", NULL);
        return FALSE;
    }
}
