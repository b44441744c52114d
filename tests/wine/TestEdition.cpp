// The programme editor driven by messages as the user drives it, on the real ODBC path: Wine's
// odbccp32 loads the stand-in setup DLL, which logs each request and writes the data source
// into unixODBC's user ini; Wine's odbc32 forwards to unixODBC, which runs the channel query with
// the SQLite driver on SQLite files named hcwChanDB_4.mdb. End times are local: ctest pins
// TZ=Europe/Paris for these tests.

#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "channels/BaseDonnee.h"
#include "channels/BlocSourceDonnees.h"
#include "channels/SourceChaines.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

namespace
{
// The removal's fixed block names this database.
const char* const SUPPRESSION = "REMOVE D:\\hcwChanDB_4.mdb";

std::string Enregistrement(const std::string& dossier, const char* fichier = "hcwChanDB_4.mdb")
{
    return "ADD " + dossier + "\\" + fichier;
}

// Runs the editor modally; `script` gets its window once it is shown and must end it (else the
// test fails and the editor is cancelled, so that the suite goes on).
INT_PTR LancerEdition(CEdition& edition, const std::function<void(HWND)>& script)
{
    ProgrammerScriptMontre([&](CDialogue&) {
        script(edition.Fenetre());
        // EndDialog hides the dialog at once: still visible means the script left it open.
        if (IsWindowVisible(edition.Fenetre()))
        {
            ADD_FAILURE() << "the script left the editor open";
            edition.EndDialog(IDCANCEL);
        }
    });
    const INT_PTR resultat = edition.DoModal();
    CDialogue::OublierScripts();
    return resultat;
}

// "%H:%M" of an instant plus some seconds, from the C library's own reading of local time.
std::string HeureMinute(std::time_t instant, long long secondes = 0)
{
    const std::time_t fin = instant + static_cast<std::time_t>(secondes);
    char texte[16] = {};
    std::strftime(texte, sizeof texte, "%H:%M", std::localtime(&fin));
    return texte;
}

// A picker's local time as an instant, as the framework reads it (checked natively against
// fixed instants).
std::time_t Instant(const SYSTEMTIME& l)
{
    CTemps instant;
    CTemps::DepuisLocal(l.wYear, l.wMonth, l.wDay, l.wHour, l.wMinute, l.wSecond, instant);
    return instant.Secondes();
}

// The values the editor read from its controls, in one line.
std::string Valeurs(const CDefinitionProgramme& p)
{
    std::ostringstream texte;
    texte << p.m_fichier << ' ' << p.m_nomProgramme << ' ' << p.m_minutes << ' ' << p.m_dureeSecondes << ' '
          << p.m_heureFin << " chaine " << p.m_chaine << " periode " << p.m_uneFois << p.m_tousLesJours
          << p.m_toutesLesSemaines << " jours " << p.m_dimanche << p.m_lundi << p.m_mardi << p.m_mercredi
          << p.m_jeudi << p.m_vendredi << p.m_samedi << " arreter " << p.m_arreter;
    return texte.str();
}

class Edition : public testing::Test
{
protected:
    void SetUp() override
    {
        JournalConfigDsn();
        m_edition.DefinirDossierTV(DossierBases("chaines").c_str());
    }
    CEdition m_edition;
};
} // namespace

// A new programme opens with its values; the period's radios enable the weekday boxes and the
// end date; what the controls show is what "&Enregistrer" reads.
TEST_F(Edition, UnNouveauProgrammeSOuvreAvecSesValeursEtSaPeriodeSeChoisit)
{
    const CEdition& e = m_edition;
    const std::time_t avant = std::time(nullptr);
    std::time_t depart = 0;
    const auto script = [&](HWND d) {
        // An accented label reaches its control in the program's code page.
        EXPECT_EQ(Texte(d, IDC_GROUPE_PERIODE), "Période du programme");
        EXPECT_EQ(Texte(d, IDC_FICHIER) + " " + Texte(d, IDC_NOM_PROGRAMME) + " " + Texte(d, IDC_MINUTES),
                  "WinTV_00 WinTV_00 60");
        depart = Instant(LireSelecteur(d, IDC_HEURE_DEPART));
        EXPECT_TRUE(avant <= depart && depart <= std::time(nullptr)) << depart;
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, 3600));
        EXPECT_EQ(std::make_tuple(Actif(d, IDC_ARRETER), Actif(d, IDC_FICHIER), Actif(d, IDC_NOM_PROGRAMME)),
                  std::make_tuple(true, true, false));
        // The channels in the query's order: inserted out of order, the two number 5 as the
        // database returns them, NULL or empty languages, an empty name, code page 1252 texts.
        const std::vector<std::string> chaines = {
            "1\tTF1\tFrançais", "2\tFrance 2\tFrançais",  "3\tFrance 3\tFrançais",
            "4\tCanal+\t",      "5\tTV5 Monde\tFrançais", "5\tArte\tFranco-allemand",
            "6\tM6\tFrançais",  "8\tEuronews\tEnglish",   "9\tTélé\tFrançais",
            "10\t\tDeutsch",    "11\tMezzo\tMusique",     "12\tÉvénements\t"};
        EXPECT_EQ(LignesListe(GetDlgItem(d, IDC_CHAINES)), chaines);
        EXPECT_EQ(SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0), 0);
        // The radios are one group, which wraps; each sets the period and enables its controls.
        VerifierPeriode(d, IDC_UNE_FOIS, 0);
        for (int id = IDC_UNE_FOIS; id <= IDC_TOUTES_LES_SEMAINES; ++id)
            EXPECT_EQ(GetNextDlgGroupItem(d, GetDlgItem(d, id), FALSE),
                      GetDlgItem(d, id == IDC_TOUTES_LES_SEMAINES ? IDC_UNE_FOIS : id + 1));
        const std::pair<int, std::tuple<int, int, int>> etapes[] = {{IDC_TOUS_LES_JOURS, {0, 1, 0}},
                                                                    {IDC_TOUTES_LES_SEMAINES, {0, 0, 1}},
                                                                    {IDC_UNE_FOIS, {1, 0, 0}},
                                                                    {IDC_TOUTES_LES_SEMAINES, {0, 0, 1}}};
        for (const auto& [radio, periode] : etapes)
        {
            Cliquer(d, radio);
            VerifierPeriode(d, radio, 0);
            EXPECT_EQ(std::make_tuple(e.m_uneFois, e.m_tousLesJours, e.m_toutesLesSemaines), periode);
        }
        // Marks made in weekly mode stay, disabled, after a switch to once, and are read.
        Cliquer(d, IDC_LUNDI);
        Cliquer(d, IDC_VENDREDI);
        Cliquer(d, IDC_UNE_FOIS);
        VerifierPeriode(d, IDC_UNE_FOIS, 0x22);
        Cliquer(d, IDC_ARRETER);
        Cliquer(d, IDOK);
    };
    EXPECT_EQ(LancerEdition(m_edition, script), IDOK);
    EXPECT_EQ(Valeurs(m_edition), "WinTV_00 WinTV_00 60 3600 " + HeureMinute(depart, 3600) +
                                      " chaine 0 periode 100 jours 0100010 arreter 1");
    for (const CTemps& temps : {e.m_heureDepart, e.m_dateDepart, e.m_dateFin})
        EXPECT_EQ(temps.Secondes(), depart);
    // One registration per opening; "&Enregistrer" leaves the data source in place.
    EXPECT_EQ(JournalConfigDsn(), std::vector<std::string>{Enregistrement(DossierBases("chaines"))});
}

TEST_F(Edition, LaFinLaDureeEtLeNomSuiventCeQueLUtilisateurTape)
{
    const CEdition& e = m_edition;
    SYSTEMTIME heure = {}, date = {};
    const auto script = [&](HWND d) {
        const HWND minutes = GetDlgItem(d, IDC_MINUTES);
        const std::time_t depart = Instant(LireSelecteur(d, IDC_HEURE_DEPART));
        const auto verifier = [&](const std::string& texte, int secondes) {
            EXPECT_EQ(std::make_tuple(Texte(d, IDC_MINUTES), Texte(d, IDC_HEURE_FIN), e.m_dureeSecondes),
                      std::make_tuple(texte, HeureMinute(depart, secondes), secondes));
        };
        // Each keystroke moves the duration and the end; the text stays as typed, past the
        // arrows' range too.
        Taper(minutes, "", true);
        verifier("", 0);
        const std::tuple<char, const char*, int> frappes[] = {{'9', "9", 540},     {'0', "90", 5400},
                                                              {'a', "90a", 5400},  {'\b', "90", 5400},
                                                              {'0', "900", 54000}, {'0', "9000", 540000}};
        for (const auto& [touche, texte, secondes] : frappes)
        {
            Taper(minutes, std::string(1, touche));
            verifier(texte, secondes);
        }
        // The arrow keys step by one within 1..600, without wrapping.
        const std::tuple<const char*, UINT, const char*> fleches[] = {
            {"599", VK_UP, "600"}, {"600", VK_UP, "600"}, {"2", VK_DOWN, "1"}, {"1", VK_DOWN, "1"}};
        for (const auto& [texte, touche, attendu] : fleches)
        {
            SetWindowTextA(minutes, texte);
            SendMessageA(minutes, WM_KEYDOWN, touche, 1);
            verifier(attendu, std::stoi(attendu) * 60);
        }
        // The programme name follows the file name.
        Taper(GetDlgItem(d, IDC_FICHIER), "Journal", true);
        EXPECT_EQ(Texte(d, IDC_NOM_PROGRAMME), "Journal");
        // A new start time moves the end; a new start date does not. The time picker is first
        // changed without telling the dialog, so that a handler of the date shows.
        heure = LireSelecteur(d, IDC_HEURE_DEPART);
        heure.wHour = static_cast<WORD>((heure.wHour + 3) % 24);
        DateTime_SetSystemtime(GetDlgItem(d, IDC_HEURE_DEPART), GDT_VALID, &heure);
        date = LireSelecteur(d, IDC_DATE_DEPART);
        date.wDay = static_cast<WORD>(date.wDay % 28 + 1);
        ChangerSelecteur(d, IDC_DATE_DEPART, date);
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, 60));
        ChangerSelecteur(d, IDC_HEURE_DEPART, heure);
        // A click on a row chooses its channel.
        ChoisirLigne(GetDlgItem(d, IDC_CHAINES), 2);
        Cliquer(d, IDOK);
    };
    EXPECT_EQ(LancerEdition(m_edition, script), IDOK);
    EXPECT_EQ(Valeurs(m_edition), "Journal Journal 1 60 " + HeureMinute(Instant(heure), 60) +
                                      " chaine 2 periode 100 jours 0000000 arreter 0");
    EXPECT_EQ(e.m_heureDepart.Secondes(), Instant(heure));
    EXPECT_EQ(e.m_dateDepart.Secondes(), Instant(date));
}

// An empty table gives an empty list; the close box then removes the data source, which
// "&Annuler" leaves. Ten thousand channels come in many blocks, in the query's order (not the
// ids' nor the insertion's), a name of 255 characters whole, a longer one cut to 255.
TEST_F(Edition, LaListeDesChainesDeZeroADixMilleEtLaSourceRetireeParLaCaseDeFermeture)
{
    std::vector<std::string> dixMille;
    for (int n = 1; n <= 10000; ++n)
    {
        const auto nom = n == 5000 || n == 7000 ? std::string(255, '0') : "Chaine " + std::to_string(n);
        dixMille.push_back(std::to_string(n) + "\t" + nom + "\t");
    }
    const std::tuple<const char*, std::vector<std::string>, UINT, WPARAM, std::vector<std::string>> cas[] = {
        {"vide", {}, WM_SYSCOMMAND, SC_CLOSE, {Enregistrement(DossierBases("vide")), SUPPRESSION}},
        {"10000", dixMille, WM_COMMAND, IDCANCEL, {Enregistrement(DossierBases("10000"))}},
    };
    for (const auto& [base, lignes, message, parametre, journal] : cas)
    {
        CEdition edition;
        edition.DefinirDossierTV(DossierBases(base).c_str());
        const auto script = [&, message = message, parametre = parametre, lignes = &lignes](HWND d) {
            EXPECT_EQ(LignesListe(GetDlgItem(d, IDC_CHAINES)), *lignes);
            EXPECT_EQ(SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0), lignes->empty() ? LB_ERR : 0);
            SendMessageA(d, message, parametre, 0);
        };
        EXPECT_EQ(LancerEdition(edition, script), IDCANCEL) << base;
        EXPECT_EQ(edition.m_chaine, 0) << base;
        EXPECT_EQ(JournalConfigDsn(), journal) << base;
    }
}

// When the channel database cannot be had, the editor ends with 2 before it is shown; the
// setup DLL's log says what was registered and removed.
TEST_F(Edition, SansBaseDesChainesLEditeurNeSOuvrePas)
{
    const std::string sansBase = DossierEssai("sans-base");
    // An empty file matches "*.mdb*" and is an empty database to the driver: the query fails.
    const std::string copie = DossierEssai("copie");
    std::ofstream(copie + "\\x.mdb.bak").close();
    // A folder matches too, and the driver cannot open it.
    const std::string dossier = DossierEssai("dossier-base");
    std::filesystem::create_directories(dossier + "\\base.mdb");
    // A path one character longer than the registration block holds: the folder, a name of
    // x's, both separators and the file's name.
    const std::string racine = DossierEssai("long");
    const std::size_t fixe = racine.size() + sizeof "\\\\hcwChanDB_4.mdb" - 1;
    ASSERT_LT(fixe, LONGUEUR_MAX_CHEMIN_BASE) << "build folder too deep for this test";
    const std::string trop = racine + "\\" + std::string(LONGUEUR_MAX_CHEMIN_BASE + 1 - fixe, 'x');
    std::filesystem::create_directories(trop);
    std::filesystem::copy_file(DossierBases("chaines") + "\\hcwChanDB_4.mdb", trop + "\\hcwChanDB_4.mdb");
    ASSERT_EQ(TrouverBase(trop).size(), LONGUEUR_MAX_CHEMIN_BASE + 1);

    const std::tuple<std::string, const char*, std::vector<std::string>, std::string> cas[] = {
        // folder, VIDALTO_CONFIGDSN_REFUSER, requests logged, part of the error box's text
        // Refused by the installer: nothing to remove, nothing said.
        {DossierBases("chaines"), "1", {Enregistrement(DossierBases("chaines"))}, ""},
        // No database: "DBQ=" stays empty, the driver opens an empty temporary database.
        {sansBase, nullptr, {"ADD ", SUPPRESSION}, "no such table: hcwChannels"},
        {copie, nullptr, {Enregistrement(copie, "x.mdb.bak"), SUPPRESSION}, "no such table: hcwChannels"},
        // Registered, then the connection refused: ended as a refused registration.
        {dossier, nullptr, {Enregistrement(dossier, "base.mdb")}, ""},
        {trop, nullptr, {}, MESSAGE_CHEMIN_TROP_LONG},
    };
    for (const auto& [chemin, refuser, journal, message] : cas)
    {
        SCOPED_TRACE(chemin);
        CBoitesMessage boites;
        CEdition edition;
        edition.DefinirDossierTV(chemin.c_str());
        SetEnvironmentVariableA("VIDALTO_CONFIGDSN_REFUSER", refuser);
        // No script waits for it: an editor shown would fail the test, and be cancelled.
        EXPECT_EQ(edition.DoModal(), IDCANCEL);
        SetEnvironmentVariableA("VIDALTO_CONFIGDSN_REFUSER", nullptr);
        EXPECT_EQ(JournalConfigDsn(), journal);
        ASSERT_EQ(boites.Vues().size(), message.empty() ? 0u : 1u);
        if (!message.empty())
        {
            const BoiteVue& vue = boites.Vues()[0];
            EXPECT_NE(vue.texte.find(message), std::string::npos) << vue.texte;
            EXPECT_TRUE(vue.titre == "Erreur" && vue.iconeErreur) << vue.titre;
        }
    }
}

// The recordset's members follow the columns of the query, row after row across blocks of 5
// (the last one partial).
TEST_F(Edition, LesChampsDuJeuSuiventLesColonnesDeLaRequete)
{
    ASSERT_EQ(EnregistrerSource(TrouverBase(DossierBases("chaines"))), ResultatEnregistrement::Enregistree);
    CBaseDeDonnees base;
    ASSERT_TRUE(ConnecterChaines(base)) << base.DerniereErreur();
    CBaseDonnee c(base);
    c.DefinirTailleBloc(5);
    std::ostringstream lu;
    for (c.Ouvrir(REQUETE_CHAINES); !c.FinDonnees(); c.Suivant())
        if (c.m_id == 4 || c.m_id == 6 || c.m_id == 12)
            lu << c.m_id << ' ' << c.m_service_id << ' ' << c.m_preferred_name << ' ' << c.m_preferred_number
               << ' ' << c.m_audio_lang << ' ' << c.m_subtitle_lang << ' ' << c.m_audio_mode << ' '
               << c.m_irblaster_data << ' ' << c.m_channel_type << ' ' << c.m_language << ' ' << c.m_genre
               << ' ' << c.m_duplicate_channel_id << ' ' << c.m_duplicate_priority << ' ' << c.m_blocked_flag
               << '\n';
    EXPECT_EQ(lu.str(), "4 1104 Canal+ 4 fr  stereo  analog  Cinema 0 0 1\n"
                        "6 1106 Arte 5 fr de stereo  analog Franco-allemand Culture 5 1 0\n"
                        "12 1112 Événements 12   mono  cable  Sport 0 0 0\n");
}
