// The editor's opening with 10,000 channels (registration of the data source, connection,
// channel query, one list row per channel, until the dialog is shown), against a bare ODBC
// fetch of the same rows on the same connection settings (the floor). Each is measured three
// times, alternated, after one opening that is not counted and loads the libraries; the best of
// each is kept; prints both figures and their
// ratio, and for reading them the part of the opening that does not depend on the channels.
// The databases are bench-bases/{chaines,vide}/hcwChanDB_4.mdb of the build, made by sqlite3
// from bench/Chaines10000.sql.
//
// Run it with the other benchmarks (scripts/bench.sh), or alone from the build folder's
// environment:
//   . scripts/xvfb.sh; . scripts/wine-env.sh build/win64; . scripts/odbc-env.sh build/win64
//   "$VIDALTO_WINE64" build/win64/bench/bench_edition.exe

#include "OutilsOdbc.h"

#include "channels/BaseDonnee.h"
#include "channels/SourceChaines.h"
#include "editor/Edition.h"
#include "framework/Ressources.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

using Horloge = std::chrono::steady_clock;

namespace
{
constexpr int NOMBRE_CHAINES = 10000;

// The editor being opened, when it was shown and its row count then.
CEdition* g_edition = nullptr;
Horloge::time_point g_montree;
int g_lignes = -1;
Horloge::time_point g_finInit;

// The opening ends when the dialog manager shows the editor, once its queue is empty after
// the initialisation; the editor is then cancelled. The hook is set only once the editor is
// initialised: under Wine a hook on the thread's messages costs each message a trip to the
// server, the list's rows included.
LRESULT CALLBACK Crochet(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && g_edition != nullptr && message->hwnd == g_edition->Fenetre() &&
        message->message == WM_SHOWWINDOW && message->wParam != FALSE)
    {
        g_montree = Horloge::now();
        g_lignes = g_edition->m_listeChaines.NombreLignes();
        PostMessageA(message->hwnd, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The same query on a connection with the same settings, every column bound and every row
// fetched, and nothing else.
int LectureNue()
{
    CPoigneeEnvironnement environnement;
    CPoigneeConnexion connexion;
    CPoigneeInstruction instruction;
    if (!SQL_SUCCEEDED(environnement.Allouer(SQL_NULL_HANDLE)))
        return -1;
    SQLSetEnvAttr(environnement.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(connexion.Allouer(environnement.Get())))
        return -1;
    SQLSetConnectAttr(connexion.Get(), SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_ODBC),
                      SQL_IS_UINTEGER);
    SQLSetConnectAttr(connexion.Get(), SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY),
                      SQL_IS_UINTEGER);
    SQLCHAR texte[] = "DSN=Chaines";
    if (!SQL_SUCCEEDED(SQLDriverConnect(connexion.Get(), nullptr, texte, SQL_NTS, nullptr, 0, nullptr,
                                        SQL_DRIVER_NOPROMPT)))
        return -1;
    int lignes = -1;
    if (SQL_SUCCEEDED(instruction.Allouer(connexion.Get())))
    {
        std::string requete = REQUETE_CHAINES;
        static char colonnes[CBaseDonnee::NOMBRE_CHAMPS][CJeuEnregistrements::TAILLE_COLONNE];
        static SQLLEN indicateurs[CBaseDonnee::NOMBRE_CHAMPS];
        if (SQL_SUCCEEDED(SQLExecDirect(instruction.Get(), reinterpret_cast<SQLCHAR*>(&requete[0]), SQL_NTS)))
        {
            for (SQLUSMALLINT i = 0; i < CBaseDonnee::NOMBRE_CHAMPS; ++i)
                SQLBindCol(instruction.Get(), i + 1, SQL_C_CHAR, colonnes[i], sizeof colonnes[i], &indicateurs[i]);
            lignes = 0;
            while (SQL_SUCCEEDED(SQLFetch(instruction.Get())))
                ++lignes;
        }
        instruction = CPoigneeInstruction();
    }
    SQLDisconnect(connexion.Get());
    return lignes;
}

// The editor's opening, until it is shown; its number of rows. finInit: until the end of its
// initialisation.
int Ouverture(const std::string& dossier, double& secondes, double& finInit)
{
    CEdition edition;
    edition.DefinirDossierTV(dossier.c_str());
    g_edition = &edition;
    g_lignes = -1;
    g_montree = g_finInit = Horloge::time_point();
    CCrochet crochet;
    CDialogue::ProgrammerScript([&crochet](CDialogue&) {
        g_finInit = Horloge::now();
        *crochet.Adresse() = SetWindowsHookExA(WH_CALLWNDPROCRET, &Crochet, nullptr, GetCurrentThreadId());
    });
    const auto debut = Horloge::now();
    edition.DoModal();
    CDialogue::OublierScripts();
    g_edition = nullptr;
    secondes = std::chrono::duration<double>(g_montree - debut).count();
    finInit = std::chrono::duration<double>(g_finInit - debut).count();
    return g_lignes;
}
} // namespace

int main()
{
    INITCOMMONCONTROLSEX controles = {sizeof controles, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controles);
    const std::string chaines = CheminDos(VIDALTO_BASES_BANC "/chaines");
    const std::string vide = CheminDos(VIDALTO_BASES_BANC "/vide");
    if (chaines.empty() || vide.empty())
    {
        std::fprintf(stderr, "Run under Wine, in the ODBC environment of scripts/odbc-env.sh.\n");
        return 1;
    }

    // Loads the libraries and fills the file cache; not counted.
    double montre = 0, initialise = 0;
    if (Ouverture(chaines, montre, initialise) != NOMBRE_CHAINES)
    {
        std::fprintf(stderr, "The editor did not open with %d channels.\n", NOMBRE_CHAINES);
        return 1;
    }
    // The best of three alternated runs of each, so that the machine's noise weighs alike.
    double plancher = 1e9;
    int lues = 0, lignes = 0;
    montre = 1e9;
    for (int essai = 0; essai < 3; ++essai)
    {
        const auto debut = Horloge::now();
        lues = LectureNue();
        const double lecture = std::chrono::duration<double>(Horloge::now() - debut).count();
        plancher = lecture < plancher ? lecture : plancher;
        double ouverture = 0, finInit = 0;
        lignes = Ouverture(chaines, ouverture, finInit);
        if (ouverture < montre)
        {
            montre = ouverture;
            initialise = finInit;
        }
    }
    // What the opening costs whatever the number of channels: the dialog, registration and
    // connection, with an empty table.
    double montreVide = 0, initialiseVide = 0;
    Ouverture(vide, montreVide, initialiseVide);

    std::printf("Editor opening with %d channel rows: %.3f s (initialised after %.3f s)\n", lignes, montre,
                initialise);
    std::printf("Bare ODBC fetch of the same %d rows:  %.3f s\n", lues, plancher);
    std::printf("Ratio: %.2f (goal: at most 1.5)\n", montre / plancher);
    std::printf("Of which the opening with no channel:  %.3f s (initialised after %.3f s); per-channel part "
                "against the fetch: %.2f\n",
                montreVide, initialiseVide, (montre - montreVide) / plancher);
    return lignes == NOMBRE_CHAINES && lues == NOMBRE_CHAINES ? 0 : 1;
}
