// The programme editor driven by messages as the user drives it, on the real ODBC path: Wine's
// odbccp32 loads the stand-in setup DLL, which logs each request and writes the data source
// into unixODBC's user ini; Wine's odbc32 forwards to unixODBC, which runs the channel query with
// the SQLite driver on SQLite files named hcwChanDB_4.mdb. Alone, then opened by the main
// window's "&Ajouter" and "&Editer" over Wine's real Task Scheduler. End times are local: ctest
// pins TZ=Europe/Paris for these tests.

#include "AideTaches.h"
#include "OutilsOdbc.h"
#include "PannesImports.h"

#include "channels/BlocSourceDonnees.h"
#include "channels/SourceChaines.h"
#include "editor/Edition.h"
#include "programme/ChaineParametres.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <tuple>

namespace
{
// The database file of every channel folder, and the removal, whose fixed block names it.
const char* const BASE = "\\hcwChanDB_4.mdb";
const char* const SUPPRESSION = "REMOVE D:\\hcwChanDB_4.mdb";

// What the tests share: the channel databases of the build, what the stand-in setup DLL logged,
// the user's actions sent as messages, what the editor's controls show.
class Edition : public testing::Test
{
protected:
    void SetUp() override { Journal(); }

    // The drive path of a channel database folder of the build: "chaines" (a dozen channels),
    // "vide" (the table without rows), "10000" (ten thousand channels).
    static std::string Bases(const std::string& nom)
    {
        return CheminDos(nom == "10000" ? VIDALTO_BASES_10000 "/chaines" : VIDALTO_BASES_ESSAI "/" + nom);
    }
    // The requests logged since the last call: "ADD <DBQ>", "REMOVE <DBQ>".
    static std::vector<std::string> Journal()
    {
        const std::string chemin = CheminDos(std::getenv("VIDALTO_CONFIGDSN_LOG"));
        std::ifstream fichier(chemin);
        std::vector<std::string> lignes;
        for (std::string ligne; std::getline(fichier, ligne);)
            lignes.push_back(ligne);
        fichier.close();
        DeleteFileA(chemin.c_str());
        return lignes;
    }
    static bool Actif(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }
    // "hh:mm" of an instant in local time, by the C library's formatting.
    static std::string Fin(std::time_t t)
    {
        char texte[8];
        std::strftime(texte, sizeof texte, "%H:%M", std::localtime(&t));
        return texte;
    }
    // A picker changed as the user changes it: its value, then its notification.
    static void ChangerSelecteur(HWND d, int id, const SYSTEMTIME& valeur)
    {
        NMDATETIMECHANGE changement = {
            {GetDlgItem(d, id), static_cast<UINT_PTR>(id), DTN_DATETIMECHANGE}, GDT_VALID, valeur};
        DateTime_SetSystemtime(changement.nmhdr.hwndFrom, GDT_VALID, &valeur);
        SendMessageA(d, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&changement));
    }
    // The rows of the channel list; a row too long for the buffer ends it.
    static std::vector<std::string> Chaines(HWND d)
    {
        std::vector<std::string> lignes;
        char texte[1024];
        for (WPARAM i = 0;
             SendDlgItemMessageA(d, IDC_CHAINES, LB_GETTEXTLEN, i, 0) < LRESULT{sizeof texte} &&
             SendDlgItemMessageA(d, IDC_CHAINES, LB_GETTEXT, i, reinterpret_cast<LPARAM>(texte)) >= 0;
             ++i)
            lignes.emplace_back(texte);
        return lignes;
    }
    // The period as the user sees it: only `radio` checked, the weekday boxes usable for a weekly
    // programme only and ticked as the bits of `jours` (bit 0 Sunday), the end date usable unless
    // once.
    static void VerifierPeriode(HWND d, int radio, unsigned jours)
    {
        for (int id = IDC_UNE_FOIS; id <= IDC_TOUTES_LES_SEMAINES; ++id)
            EXPECT_EQ(IsDlgButtonChecked(d, id), id == radio ? BST_CHECKED : BST_UNCHECKED) << id;
        for (int id = IDC_DIMANCHE; id <= IDC_SAMEDI; ++id)
            EXPECT_EQ(std::make_pair(IsDlgButtonChecked(d, id), Actif(d, id)),
                      std::make_pair((jours >> (id - IDC_DIMANCHE)) & 1, radio == IDC_TOUTES_LES_SEMAINES))
                << id;
        EXPECT_EQ(Actif(d, IDC_DATE_FIN), radio != IDC_UNE_FOIS);
    }
    // The editor opened on a channel folder (its system calls through `pannes` when given), then
    // ended by `fin`, "&Annuler" or the close box, as the user meets it: "N chaînes" once shown
    // with the first selected, "fermé" when it ended before; then each request the setup DLL
    // logged, each box. The rows go to `lignes` when given.
    static std::string Ouvrir(const std::string& dossier, WPARAM fin = IDCANCEL,
                              std::vector<std::string>* lignes = nullptr, CPannes* pannes = nullptr,
                              std::map<std::string, void*> remplacements = {})
    {
        CBoitesMessage boites;
        CEdition edition;
        edition.DefinirDossierTV(dossier.c_str());
        std::string constat = "fermé";
        std::optional<CDetourImports> detour;
        if (pannes)
            detour.emplace(*pannes, std::move(remplacements));
        EXPECT_EQ(Lancer(edition,
                         [&](HWND d) {
                             const std::vector<std::string> vues = Chaines(d);
                             constat = std::to_string(vues.size()) + " chaînes";
                             EXPECT_EQ(SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0),
                                       vues.empty() ? LB_ERR : 0);
                             if (lignes)
                                 *lignes = vues;
                             SendMessageA(d, fin == SC_CLOSE ? WM_SYSCOMMAND : WM_COMMAND, fin, 0);
                         }),
                  IDCANCEL);
        detour.reset();
        for (const std::string& texte : Journal())
            constat += ", " + texte;
        for (const std::string& texte : boites.m_vues)
            constat += ", " + texte;
        return constat;
    }
};

// A picker's local time as the C library's time_t, for its own formatting.
std::time_t TempsC(const SYSTEMTIME& l)
{
    std::tm champs = {l.wSecond, l.wMinute, l.wHour, l.wDay, l.wMonth - 1, l.wYear - 1900, 0, 0, -1};
    return std::mktime(&champs);
}
} // namespace

// A new programme opens with its values and the channels in the query's order; the period's
// radios enable the weekday boxes and the end date; the minutes and the start time move the end.
// A file name that cannot be a file, or too long for the command line, is refused on
// "&Enregistrer" in a box that says why: the editor stays open with everything typed, the file
// name selected for the user to change it. What the controls show is what "&Enregistrer" reads.
TEST_F(Edition, UnNouveauProgrammeSOuvreAvecSesValeursEtSuitLUtilisateur)
{
    CBoitesMessage boites;
    CEdition e;
    e.DefinirDossierTV(Bases("chaines").c_str());
    const std::time_t avant = std::time(nullptr);
    std::time_t depart = 0;
    SYSTEMTIME heure = {}, date = {};
    // A file name refused, and why.
    // clang-format off
    const std::pair<std::string, const char*> interdits[] = {
        {"a:b", MESSAGE_NOM_INTERDIT}, {"a\tb", MESSAGE_NOM_INTERDIT}, {"nul", MESSAGE_NOM_RESERVE},
        {"SHUTDOWN", MESSAGE_NOM_ARRET}, {std::string(221, 'n'), MESSAGE_NOM_TROP_LONG}};
    // clang-format on
    std::vector<std::string> refus;
    const auto script = [&](HWND d) {
        depart = TempsC(Selecteur(d, IDC_HEURE_DEPART));
        EXPECT_TRUE(avant <= depart && depart <= std::time(nullptr)) << depart;
        // An accented label reaches its control in the program's code page.
        EXPECT_EQ(Texte(d, {IDC_GROUPE_PERIODE, IDC_FICHIER, IDC_NOM_PROGRAMME, IDC_MINUTES, IDC_HEURE_FIN}),
                  "Période du programme WinTV_00 WinTV_00 60 " + Fin(depart + 3600));
        // Inserted out of order, the two number 5 as the database returns them, NULL or empty
        // languages, an empty name, code page 1252 texts.
        const std::vector<std::string> chaines = {
            "1\tTF1\tFrançais", "2\tFrance 2\tFrançais",  "3\tFrance 3\tFrançais",
            "4\tCanal+\t",      "5\tTV5 Monde\tFrançais", "5\tArte\tFranco-allemand",
            "6\tM6\tFrançais",  "8\tEuronews\tEnglish",   "9\tTélé\tFrançais",
            "10\t\tDeutsch",    "11\tMezzo\tMusique",     "12\tÉvénements\t"};
        EXPECT_EQ(Chaines(d), chaines);
        VerifierPeriode(d, IDC_UNE_FOIS, 0);
        for (const int id :
             {IDC_TOUS_LES_JOURS, IDC_TOUTES_LES_SEMAINES, IDC_UNE_FOIS, IDC_TOUTES_LES_SEMAINES})
        {
            Cliquer(d, id);
            VerifierPeriode(d, id, 0);
        }
        // Marks made in weekly mode stay, disabled, after a switch to once, and are read.
        for (const int id : {IDC_LUNDI, IDC_VENDREDI, IDC_UNE_FOIS})
            Cliquer(d, id);
        VerifierPeriode(d, IDC_UNE_FOIS, 0x22);
        Cliquer(d, IDC_ARRETER);
        // The arrow keys step by one within 1..600, without wrapping; each change of the text
        // moves the duration.
        const std::tuple<const char*, UINT, const char*> fleches[] = {
            {"599", VK_UP, "600"}, {"600", VK_UP, "600"}, {"2", VK_DOWN, "1"}, {"1", VK_DOWN, "1"}};
        for (const auto& [texte, touche, attendu] : fleches)
        {
            SetDlgItemTextA(d, IDC_MINUTES, texte);
            SendDlgItemMessageA(d, IDC_MINUTES, WM_KEYDOWN, touche, 1);
            EXPECT_EQ(std::make_tuple(Texte(d, {IDC_MINUTES}), e.m_dureeSecondes),
                      std::make_tuple(std::string(attendu), std::stoi(attendu) * 60));
        }
        // The programme name follows the file name.
        SetDlgItemTextA(d, IDC_FICHIER, "Journal");
        EXPECT_EQ(Texte(d, {IDC_NOM_PROGRAMME}), "Journal");
        // A new start time moves the end; a new start date does not. The time picker is first
        // changed without telling the dialog, so that a handler of the date shows.
        heure = Selecteur(d, IDC_HEURE_DEPART);
        heure.wHour = static_cast<WORD>((heure.wHour + 3) % 24);
        DateTime_SetSystemtime(GetDlgItem(d, IDC_HEURE_DEPART), GDT_VALID, &heure);
        date = Selecteur(d, IDC_DATE_DEPART);
        date.wDay = static_cast<WORD>(date.wDay % 28 + 1);
        ChangerSelecteur(d, IDC_DATE_DEPART, date);
        EXPECT_EQ(Texte(d, {IDC_HEURE_FIN}), Fin(depart + 60));
        ChangerSelecteur(d, IDC_HEURE_DEPART, heure);
        for (const auto& [nom, pourquoi] : interdits)
        {
            SetDlgItemTextA(d, IDC_FICHIER, nom.c_str());
            Cliquer(d, IDOK);
            const auto selection = SendDlgItemMessageA(d, IDC_FICHIER, EM_GETSEL, 0, 0);
            EXPECT_TRUE(GetFocus() == GetDlgItem(d, IDC_FICHIER) && LOWORD(selection) == 0 &&
                        HIWORD(selection) == nom.size())
                << nom;
            EXPECT_EQ(Texte(d, {IDC_FICHIER, IDC_MINUTES}), nom + " 1");
            refus.push_back(std::string("Vidalto (!) ") + pourquoi);
        }
        SetDlgItemTextA(d, IDC_FICHIER, std::string(220, 'n').c_str());
        Cliquer(d, IDOK);
    };
    EXPECT_EQ(Lancer(e, script), IDOK);
    EXPECT_EQ(boites.m_vues, refus);
    EXPECT_EQ(
        std::make_tuple(e.m_fichier, e.m_nomProgramme, e.m_minutes, e.m_dureeSecondes, e.m_heureFin,
                        e.m_chaine),
        std::make_tuple(std::string(220, 'n'), std::string(220, 'n'), "1", 60, Fin(TempsC(heure) + 60), 0));
    EXPECT_EQ(
        std::make_tuple(e.m_uneFois, e.m_toutesLesSemaines, e.m_lundi, e.m_mardi, e.m_vendredi, e.m_arreter),
        std::make_tuple(1, 0, 1, 0, 1, 1));
    EXPECT_EQ(std::make_tuple(e.m_heureDepart.Secondes(), e.m_dateDepart.Secondes(), e.m_dateFin.Secondes()),
              std::make_tuple(TempsC(heure), TempsC(date), depart));
    // One registration per opening; "&Enregistrer" leaves the data source in place.
    EXPECT_EQ(Journal(), std::vector<std::string>{"ADD " + Bases("chaines") + BASE});
}

// How the editor opens on each channel database: its rows in the query's order, or, when the
// database cannot be had, ended before it is shown; what the setup DLL registered and removed;
// the box the user sees. The close box removes the data source, which "&Annuler" leaves. Ten
// thousand channels come in many blocks, in the query's order (not the ids' nor the insertion's),
// a name of 255 characters whole, a longer one cut to 255.
TEST_F(Edition, LOuvertureSelonLaBaseDesChaines)
{
    // Scratch folders of the build: without a database; with a file whose path is one character
    // longer than the registration block holds.
    const std::string essais = CheminDos(VIDALTO_DOSSIER_BUILD "/essais"), sansBase = essais + "\\sans-base",
                      trop = essais + "\\" + std::string(LONGUEUR_MAX_CHEMIN_BASE - 6 - essais.size(), 'x');
    std::filesystem::remove_all(essais);
    for (const std::string& chemin : {sansBase, trop})
        std::filesystem::create_directories(chemin);
    std::ofstream(trop + "\\x.mdb").close();
    ASSERT_EQ(TrouverBase(trop).size(), LONGUEUR_MAX_CHEMIN_BASE + 1);
    // A data source of the dozen channels is registered before, so that a refusal taken for a
    // registration would open the editor.
    ASSERT_EQ(EnregistrerSource(TrouverBase(Bases("chaines"))), ResultatEnregistrement::Enregistree);
    Journal();

    std::vector<std::string> lignes, dixMille;
    for (int n = 1; n <= 10000; ++n)
        dixMille.push_back(std::to_string(n) + "\t" +
                           (n == 5000 || n == 7000 ? std::string(255, '0') : "Chaine " + std::to_string(n)) +
                           "\t");
    const std::string retrait = std::string(", ") + SUPPRESSION;
    EXPECT_EQ(Ouvrir(Bases("vide"), SC_CLOSE), "0 chaînes, ADD " + Bases("vide") + BASE + retrait);
    EXPECT_EQ(Ouvrir(Bases("10000"), IDCANCEL, &lignes), "10000 chaînes, ADD " + Bases("10000") + BASE);
    EXPECT_TRUE(lignes == dixMille);
    // Refused by the installer: nothing to remove, nothing said.
    SetEnvironmentVariableA("VIDALTO_CONFIGDSN_REFUSER", "1");
    EXPECT_EQ(Ouvrir(Bases("chaines")), "fermé, ADD " + Bases("chaines") + BASE);
    SetEnvironmentVariableA("VIDALTO_CONFIGDSN_REFUSER", nullptr);
    // No database: "DBQ=" stays empty, the driver opens an empty temporary database.
    EXPECT_THAT(Ouvrir(sansBase),
                testing::AllOf(testing::StartsWith("fermé, ADD " + retrait + ", Erreur (x) "),
                               testing::HasSubstr("no such table: hcwChannels")));
    EXPECT_EQ(Ouvrir(trop), std::string("fermé, Erreur (x) ") + MESSAGE_CHEMIN_TROP_LONG);

    // Several databases match: the editor reads the first as the folder lists them, by name, as
    // Windows does; a backup beside the database comes after it, another database may come before.
    const std::string plusieurs = essais + "\\plusieurs";
    std::filesystem::create_directories(plusieurs);
    CopyFileA((Bases("chaines") + BASE).c_str(), (plusieurs + BASE).c_str(), FALSE);
    CopyFileA((Bases("vide") + BASE).c_str(), (plusieurs + BASE + ".bak").c_str(), FALSE);
    EXPECT_EQ(Ouvrir(plusieurs), "12 chaînes, ADD " + plusieurs + BASE);
    CopyFileA((Bases("vide") + BASE).c_str(), (plusieurs + "\\Ancienne.mdb").c_str(), FALSE);
    EXPECT_EQ(Ouvrir(plusieurs), "0 chaînes, ADD " + plusieurs + "\\Ancienne.mdb");
}

namespace
{
// A driver that says it fetched more rows than the recordset gave it room for: it learns where the
// recordset reads the count, and writes there one row more than each block holds.
SQLULEN* g_lignesLues = nullptr;

SQLRETURN SQL_API AttributNote(SQLHSTMT instruction, SQLINTEGER attribut, SQLPOINTER valeur,
                               SQLINTEGER longueur)
{
    if (attribut == SQL_ATTR_ROWS_FETCHED_PTR)
        g_lignesLues = static_cast<SQLULEN*>(valeur);
    return reinterpret_cast<decltype(&SQLSetStmtAttr)>(CDetourImports::Original("SQLSetStmtAttr"))(
        instruction, attribut, valeur, longueur);
}

SQLRETURN SQL_API LectureMenteuse(SQLHSTMT instruction)
{
    const SQLRETURN resultat =
        reinterpret_cast<decltype(&SQLFetch)>(CDetourImports::Original("SQLFetch"))(instruction);
    if (g_lignesLues != nullptr && *g_lignesLues > 0)
        *g_lignesLues = 101;
    return resultat;
}
} // namespace

// Each ODBC call of the editor's opening failed once (without a diagnostic record), and the ODBC
// installer's loading: the editor shows every channel (a block size refused is one row per
// fetch), or ends before it shows with nothing said and the data source left (the connection),
// or registers nothing (an installer without SQLConfigDataSource), or says the installer is
// missing, or says what failed and removes the data source (the query). So does a driver that
// misbehaves: one that refuses to go back to one row a fetch, one that says it fetched more rows
// than there is room for; the rows are never read or written past the recordset's buffers.
TEST_F(Edition, ChaqueAppelOdbcEchoueUneFois)
{
    const std::string ajout = ", ADD " + Bases("chaines") + BASE, montre = "12 chaînes" + ajout,
                      ferme = "fermé" + ajout, retrait = ajout + ", " + SUPPRESSION + ", Erreur (x) ",
                      erreur = "fermé" + retrait + "Erreur de la base de données (code ODBC -1).",
                      installateur = "fermé, ODBC Installer Error The ODBC installer DLL (ODBCCP32.DLL) is "
                                     "not installed on this system.";
    const std::size_t appels = ChaquePanne({}, [&](const Panne& panne,
                                                   const std::shared_ptr<CPannes>& pannes) {
        const std::string& fonction = panne.operation;
        pannes->InjecterEchec(fonction, E_FAIL, panne.rang);
        // The environment and the connection (the first two handles), the block size (the second
        // statement attribute) and its reading back, the installer, the rest.
        const bool connexion = fonction == "SQLSetEnvAttr" || fonction == "SQLSetConnectAttr" ||
                               fonction == "SQLDriverConnect" ||
                               (fonction == "SQLAllocHandle" && panne.rang < 3);
        const bool bloc = fonction == "SQLGetStmtAttr" || (fonction == "SQLSetStmtAttr" && panne.rang == 2);
        const bool absent = fonction == "LoadLibraryA" || fonction == "GetSystemDirectoryA";
        EXPECT_EQ(Ouvrir(Bases("chaines"), IDCANCEL, nullptr, pannes.get()), fonction.empty() || bloc ? montre
                                                                             : connexion              ? ferme
                                                                             : fonction == "GetProcAddress"
                                                                                 ? "fermé"
                                                                             : absent ? installateur
                                                                                      : erreur);
        return std::size_t{0};
    });
    EXPECT_GE(appels, 22u);

    CPannes refusDuRetour, menteur;
    refusDuRetour.InjecterEchec("SQLGetStmtAttr", E_FAIL);
    refusDuRetour.InjecterEchec("SQLSetStmtAttr", E_FAIL, 3);
    EXPECT_EQ(Ouvrir(Bases("chaines"), IDCANCEL, nullptr, &refusDuRetour), erreur);
    EXPECT_EQ(Ouvrir(Bases("chaines"), IDCANCEL, nullptr, &menteur,
                     {{"SQLSetStmtAttr", reinterpret_cast<void*>(&AttributNote)},
                      {"SQLFetch", reinterpret_cast<void*>(&LectureMenteuse)}}),
              "fermé" + retrait + MESSAGE_LIGNES_EN_TROP);
    g_lignesLues = nullptr;
}

// "&Editer" opens the editor, modal over the main window, in its editing form with the values each
// kind of work item holds (at 20:45 for 90 minutes and until 30 June unless once, a channel beyond
// the list, a length of a day and more), read back into the controls; saved at once, the work
// item keeps its command.
TEST_F(Edition, LaModificationOuvreLEditeurSurChaqueProgramme)
{
    EcrireCheminTV(Bases("chaines"));
    const std::tuple<std::wstring, TASK_TRIGGER_TYPE, WORD, std::wstring, std::wstring, int, int, std::string>
        cas[] = {
            // work item, its trigger, its days (bit 0 Sunday), its channel and length; the radio, the
            // row selected, the minutes and the end time shown
            {L"EditVS", TASK_TIME_TRIGGER_WEEKLY, TASK_TUESDAY | TASK_FRIDAY, L"3", L"5400",
             IDC_TOUTES_LES_SEMAINES, 2, "90 22:15"},
            {L"EditQuotidien", TASK_TIME_TRIGGER_DAILY, 0, L"12", L"5400", IDC_TOUS_LES_JOURS, 11,
             "90 22:15"},
            {L"EditHorsListe", TASK_TIME_TRIGGER_ONCE, 0, L"40", L"5400", IDC_UNE_FOIS, -1, "90 22:15"},
            {L"EditLong", TASK_TIME_TRIGGER_ONCE, 0, L"2", L"90000", IDC_UNE_FOIS, 1, "1500 21:45"},
        };
    for (const auto& [nom, type, jours, chaine, limite, radio, ligne, valeurs] : cas)
    {
        TASK_TRIGGER t = DeclencheurAVenir(type);
        // A once trigger has the same end date, without the flag that makes it count.
        t.rgFlags = type == TASK_TIME_TRIGGER_ONCE ? 0 : TASK_TRIGGER_FLAG_HAS_END_DATE;
        t.wEndYear = t.wBeginYear;
        t.wEndMonth = 6;
        t.wEndDay = 30;
        t.Type.Weekly = {1, jours};
        EXPECT_TRUE(CreerEnregistrement({nom, limite, t, L"", chaine}));
    }
    const SYSTEMTIME aujourdhui = Jour();
    Demarrer(nullptr, [&](CFenetreEssai& f) {
        for (const auto& [nomLarge, type, jours, chaine, limite, radio, ligne, valeurs] : cas)
        {
            const std::string nom = VersEtroit(nomLarge);
            const std::wstring parametres = LireTacheReelle(nomLarge).parametres;
            const auto script = [&, jours = jours, radio = radio, ligne = ligne, valeurs = valeurs](HWND d) {
                EXPECT_EQ(Texte(d, {IDC_FICHIER, IDC_NOM_PROGRAMME, IDC_MINUTES, IDC_HEURE_FIN}),
                          nom + " " + nom + " " + valeurs);
                EXPECT_TRUE(GetWindow(d, GW_OWNER) == f.Fenetre() && !IsWindowEnabled(f.Fenetre()));
                EXPECT_FALSE(Actif(d, IDC_FICHIER) || Actif(d, IDC_ARRETER));
                VerifierPeriode(d, radio, jours);
                // A once programme has no end date: the picker shows today's.
                const SYSTEMTIME fin = Selecteur(d, IDC_DATE_FIN), heure = Selecteur(d, IDC_HEURE_DEPART);
                EXPECT_EQ(
                    std::make_tuple(fin.wMonth * 100 + fin.wDay, heure.wHour * 100 + heure.wMinute,
                                    SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0)),
                    std::make_tuple(radio == IDC_UNE_FOIS ? aujourdhui.wMonth * 100 + aujourdhui.wDay : 630,
                                    2045, LRESULT{ligne}));
                Cliquer(d, IDOK);
            };
            const auto& noms = f.Noms();
            Commande(f, IDC_EDITER, static_cast<int>(std::find(noms.begin(), noms.end(), nom) - noms.begin()),
                     {script, Confirmer()});
            EXPECT_EQ(LireTacheReelle(nomLarge).parametres, parametres) << nom;
        }
    });
}
