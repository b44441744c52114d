// The programme editor driven by messages as the user would drive it, on the real ODBC path
// (the channel databases of the build, the stand-in setup DLL logging each registration).
// End times are local: ctest pins TZ=Europe/Paris for these tests.

#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "channels/SourceChaines.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace
{
const std::vector<std::string> LIGNES_CHAINES = {
    "1\tTF1\tFrançais",     "2\tFrance 2\tFrançais",  "3\tFrance 3\tFrançais",
    "4\tCanal+\t",          "5\tTV5 Monde\tFrançais", "5\tArte\tFranco-allemand",
    "6\tM6\tFrançais",      "8\tEuronews\tEnglish",   "9\tTélé\tFrançais",
    "10\t\tDeutsch",        "11\tMezzo\tMusique",     "12\tÉvénements\t",
};

std::string EnregistrementChaines()
{
    return "ADD " + DossierBases("chaines") + "\\hcwChanDB_4.mdb";
}

bool MemeJour(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

SYSTEMTIME EnSysteme(std::time_t instant)
{
    const std::tm* local = std::localtime(&instant);
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(local->tm_year + 1900);
    st.wMonth = static_cast<WORD>(local->tm_mon + 1);
    st.wDay = static_cast<WORD>(local->tm_mday);
    st.wDayOfWeek = static_cast<WORD>(local->tm_wday);
    st.wHour = static_cast<WORD>(local->tm_hour);
    st.wMinute = static_cast<WORD>(local->tm_min);
    st.wSecond = static_cast<WORD>(local->tm_sec);
    return st;
}

// The period's controls as the user sees them: which radio is checked, whether the weekday
// boxes and the end date can be used.
struct EtatPeriode
{
    int radio;
    bool joursActifs;
    bool dateFinActive;
};

void VerifierPeriode(HWND d, const EtatPeriode& attendu)
{
    for (int radio : {IDC_UNE_FOIS, IDC_TOUS_LES_JOURS, IDC_TOUTES_LES_SEMAINES})
        EXPECT_EQ(Coche(d, radio), radio == attendu.radio) << radio;
    for (int id = IDC_DIMANCHE; id <= IDC_SAMEDI; ++id)
        EXPECT_EQ(Actif(d, id), attendu.joursActifs) << id;
    EXPECT_EQ(Actif(d, IDC_DATE_FIN), attendu.dateFinActive);
}

class Edition : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CheminDos("/").empty()) << "not running under Wine";
        EffacerJournal();
        m_edition.DefinirDossierTV(DossierBases("chaines").c_str());
    }
    CEdition m_edition;
};
} // namespace

TEST_F(Edition, UnNouveauProgrammeOuvreAvecSesValeursEtSEnregistreTelQuel)
{
    CBoitesMessage boites;
    CEditionsMontrees montrees;
    const std::time_t avant = std::time(nullptr);
    std::time_t depart = 0;
    const INT_PTR resultat = LancerEdition(m_edition, [&](CEdition& e) {
        const HWND d = e.Fenetre();
        EXPECT_EQ(TexteFenetre(d), "Edition du Programme");
        EXPECT_EQ(GetWindow(d, GW_OWNER), nullptr);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
        // An accented label reaches its control in the program's code page.
        EXPECT_EQ(Texte(d, IDC_GROUPE_PERIODE), "Période du programme");

        EXPECT_EQ(Texte(d, IDC_NOM_PROGRAMME), "WinTV_00");
        EXPECT_EQ(Texte(d, IDC_FICHIER), "WinTV_00");
        EXPECT_EQ(Texte(d, IDC_MINUTES), "60");
        const SYSTEMTIME heure = LireSelecteur(d, IDC_HEURE_DEPART);
        depart = Instant(heure);
        EXPECT_GE(depart, avant);
        EXPECT_LE(depart, std::time(nullptr));
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, 3600));
        EXPECT_TRUE(MemeJour(LireSelecteur(d, IDC_DATE_DEPART), heure));
        EXPECT_TRUE(MemeJour(LireSelecteur(d, IDC_DATE_FIN), heure));

        VerifierPeriode(d, {IDC_UNE_FOIS, false, false});
        for (int id = IDC_DIMANCHE; id <= IDC_SAMEDI; ++id)
            EXPECT_FALSE(Coche(d, id)) << id;
        EXPECT_TRUE(Actif(d, IDC_ARRETER));
        EXPECT_FALSE(Coche(d, IDC_ARRETER));
        EXPECT_TRUE(Actif(d, IDC_FICHIER));
        EXPECT_FALSE(Actif(d, IDC_NOM_PROGRAMME));

        // The channels in preferred_number order, the first one selected.
        const HWND liste = GetDlgItem(d, IDC_CHAINES);
        EXPECT_EQ(LignesListe(liste), LIGNES_CHAINES);
        EXPECT_EQ(SendMessageA(liste, LB_GETCURSEL, 0, 0), 0);

        // The three radios are one group; the up-down drives the minutes within 1..600.
        EXPECT_EQ(GetNextDlgGroupItem(d, GetDlgItem(d, IDC_UNE_FOIS), FALSE), GetDlgItem(d, IDC_TOUS_LES_JOURS));
        EXPECT_EQ(GetNextDlgGroupItem(d, GetDlgItem(d, IDC_TOUS_LES_JOURS), FALSE), GetDlgItem(d, IDC_TOUTES_LES_SEMAINES));
        EXPECT_EQ(GetNextDlgGroupItem(d, GetDlgItem(d, IDC_TOUTES_LES_SEMAINES), FALSE), GetDlgItem(d, IDC_UNE_FOIS));
        const HWND fleches = GetDlgItem(d, IDC_SPIN_MINUTES);
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(fleches, UDM_GETBUDDY, 0, 0)), GetDlgItem(d, IDC_MINUTES));
        int bas = 0, haut = 0;
        SendMessageA(fleches, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&bas), reinterpret_cast<LPARAM>(&haut));
        EXPECT_EQ(bas, 1);
        EXPECT_EQ(haut, 600);

        Cliquer(d, IDOK);
    });
    EXPECT_EQ(resultat, IDOK);
    EXPECT_EQ(m_edition.m_fichier, "WinTV_00");
    EXPECT_EQ(m_edition.m_nomProgramme, "WinTV_00");
    EXPECT_EQ(m_edition.m_minutes, "60");
    EXPECT_EQ(m_edition.m_dureeSecondes, 3600);
    EXPECT_EQ(m_edition.m_chaine, 0);
    EXPECT_EQ(m_edition.m_uneFois, 1);
    EXPECT_EQ(m_edition.m_tousLesJours, 0);
    EXPECT_EQ(m_edition.m_toutesLesSemaines, 0);
    EXPECT_EQ(m_edition.m_heureDepart.Secondes(), depart);
    EXPECT_EQ(m_edition.m_dateDepart.Secondes(), depart);
    EXPECT_EQ(m_edition.m_dateFin.Secondes(), depart);
    EXPECT_EQ(m_edition.m_heureFin, HeureMinute(depart, 3600));
    for (std::int32_t jour : {m_edition.m_dimanche, m_edition.m_lundi, m_edition.m_mardi, m_edition.m_mercredi,
                              m_edition.m_jeudi, m_edition.m_vendredi, m_edition.m_samedi, m_edition.m_arreter})
        EXPECT_EQ(jour, 0);
    EXPECT_TRUE(boites.Vues().empty());
    EXPECT_EQ(montrees.Nombre(), 1);
    // One registration per opening; "&Enregistrer" leaves the data source in place.
    EXPECT_EQ(JournalConfigDsn(), std::vector<std::string>{EnregistrementChaines()});
}

TEST_F(Edition, LaFinLaDureeEtLeNomSuiventCeQueLUtilisateurTape)
{
    SYSTEMTIME nouvelleHeure = {};
    SYSTEMTIME nouvelleDate = {};
    const INT_PTR resultat = LancerEdition(m_edition, [&](CEdition& e) {
        const HWND d = e.Fenetre();
        const HWND minutes = GetDlgItem(d, IDC_MINUTES);
        const std::time_t depart = Instant(LireSelecteur(d, IDC_HEURE_DEPART));

        // Each keystroke updates the duration and the end time; the text stays as typed.
        struct Frappe
        {
            std::string texte;
            long long secondes;
        };
        const std::vector<std::vector<Frappe>> saisies = {
            {{"9", 540}, {"90", 5400}, {"90a", 5400}, {"90ab", 5400}, {"90abc", 5400}},
            {{"a", 0}, {"ab", 0}, {"abc", 0}},
            {{"-", 0}, {"-3", -180}, {"-30", -1800}},
            {{" ", 0}, {" 4", 240}, {" 45", 2700}},
            // Above the arrows' range, accepted as typed.
            {{"1", 60}, {"10", 600}, {"100", 6000}, {"1000", 60000}},
        };
        for (const auto& saisie : saisies)
        {
            Effacer(minutes);
            EXPECT_EQ(e.m_dureeSecondes, 0);
            EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart));
            for (const Frappe& frappe : saisie)
            {
                Taper(minutes, frappe.texte.substr(frappe.texte.size() - 1));
                SCOPED_TRACE(frappe.texte);
                EXPECT_EQ(Texte(d, IDC_MINUTES), frappe.texte);
                EXPECT_EQ(e.m_dureeSecondes, frappe.secondes);
                EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, frappe.secondes));
            }
        }

        // The arrow keys step by one within 1..600, without wrapping.
        SetWindowTextA(minutes, "599");
        Touche(minutes, VK_UP);
        EXPECT_EQ(Texte(d, IDC_MINUTES), "600");
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, 36000));
        Touche(minutes, VK_UP);
        EXPECT_EQ(Texte(d, IDC_MINUTES), "600");
        SetWindowTextA(minutes, "2");
        Touche(minutes, VK_DOWN);
        EXPECT_EQ(Texte(d, IDC_MINUTES), "1");
        EXPECT_EQ(e.m_dureeSecondes, 60);
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, 60));
        Touche(minutes, VK_DOWN);
        EXPECT_EQ(Texte(d, IDC_MINUTES), "1");

        // The programme name follows the file name at each keystroke.
        const HWND fichier = GetDlgItem(d, IDC_FICHIER);
        Effacer(fichier);
        EXPECT_EQ(Texte(d, IDC_NOM_PROGRAMME), "");
        for (const std::string prefixe : {"J", "Jo", "Jou", "Jour", "Journ", "Journa", "Journal"})
        {
            Taper(fichier, prefixe.substr(prefixe.size() - 1));
            EXPECT_EQ(Texte(d, IDC_FICHIER), prefixe);
            EXPECT_EQ(Texte(d, IDC_NOM_PROGRAMME), prefixe);
        }

        // A new start time moves the end time; a new start date does not. The time picker is
        // first changed without telling the dialog, so that a handler of the date would show.
        nouvelleHeure = EnSysteme(depart + 3 * 3600 + 17 * 60);
        DateTime_SetSystemtime(GetDlgItem(d, IDC_HEURE_DEPART), GDT_VALID, &nouvelleHeure);
        nouvelleDate = EnSysteme(depart + 2 * 86400);
        ChangerSelecteur(d, IDC_DATE_DEPART, nouvelleDate);
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(depart, 60));
        EXPECT_EQ(ChangerSelecteur(d, IDC_HEURE_DEPART, nouvelleHeure), 0);
        EXPECT_EQ(Texte(d, IDC_HEURE_FIN), HeureMinute(Instant(nouvelleHeure), 60));

        // A click on a row chooses its channel.
        ChoisirLigne(GetDlgItem(d, IDC_CHAINES), 2);
        EXPECT_EQ(e.m_chaine, 2);

        Cliquer(d, IDOK);
    });
    EXPECT_EQ(resultat, IDOK);
    EXPECT_EQ(m_edition.m_minutes, "1");
    EXPECT_EQ(m_edition.m_dureeSecondes, 60);
    EXPECT_EQ(m_edition.m_fichier, "Journal");
    EXPECT_EQ(m_edition.m_nomProgramme, "Journal");
    EXPECT_EQ(m_edition.m_chaine, 2);
    EXPECT_EQ(m_edition.m_heureDepart.Secondes(), Instant(nouvelleHeure));
    EXPECT_EQ(m_edition.m_dateDepart.Secondes(), Instant(nouvelleDate));
}

TEST_F(Edition, LesPeriodesActiventLesJoursEtLaDateDeFinEtLesJoursCochesSontLus)
{
    const INT_PTR resultat = LancerEdition(m_edition, [](CEdition& e) {
        const HWND d = e.Fenetre();
        struct Etape
        {
            int radio;
            std::int32_t uneFois, tousLesJours, toutesLesSemaines;
            EtatPeriode etat;
        };
        const Etape etapes[] = {
            {IDC_TOUS_LES_JOURS, 0, 1, 0, {IDC_TOUS_LES_JOURS, false, true}},
            {IDC_TOUTES_LES_SEMAINES, 0, 0, 1, {IDC_TOUTES_LES_SEMAINES, true, true}},
            {IDC_UNE_FOIS, 1, 0, 0, {IDC_UNE_FOIS, false, false}},
            {IDC_TOUTES_LES_SEMAINES, 0, 0, 1, {IDC_TOUTES_LES_SEMAINES, true, true}},
        };
        for (const Etape& etape : etapes)
        {
            SCOPED_TRACE(etape.radio);
            Cliquer(d, etape.radio);
            EXPECT_EQ(e.m_uneFois, etape.uneFois);
            EXPECT_EQ(e.m_tousLesJours, etape.tousLesJours);
            EXPECT_EQ(e.m_toutesLesSemaines, etape.toutesLesSemaines);
            VerifierPeriode(d, etape.etat);
        }

        // Marks made in weekly mode stay, disabled, after a switch to once.
        Cliquer(d, IDC_LUNDI);
        Cliquer(d, IDC_VENDREDI);
        Cliquer(d, IDC_UNE_FOIS);
        VerifierPeriode(d, {IDC_UNE_FOIS, false, false});
        EXPECT_TRUE(Coche(d, IDC_LUNDI));
        EXPECT_TRUE(Coche(d, IDC_VENDREDI));
        Cliquer(d, IDC_ARRETER);
        Cliquer(d, IDOK);
    });
    EXPECT_EQ(resultat, IDOK);
    EXPECT_EQ(m_edition.m_uneFois, 1);
    EXPECT_EQ(m_edition.m_toutesLesSemaines, 0);
    EXPECT_EQ(m_edition.m_lundi, 1);
    EXPECT_EQ(m_edition.m_vendredi, 1);
    for (std::int32_t jour : {m_edition.m_dimanche, m_edition.m_mardi, m_edition.m_mercredi, m_edition.m_jeudi,
                              m_edition.m_samedi})
        EXPECT_EQ(jour, 0);
    EXPECT_EQ(m_edition.m_arreter, 1);

    // "&Annuler" ends with 2 and leaves the data source registered; the next opening
    // registers it again.
    CEdition autre;
    autre.DefinirDossierTV(DossierBases("chaines").c_str());
    EXPECT_EQ(LancerEdition(autre, [](CEdition& e) { Cliquer(e.Fenetre(), IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(JournalConfigDsn(), std::vector<std::string>(2, EnregistrementChaines()));
    EXPECT_TRUE(SectionChainesPresente());
}

// An empty table gives an empty list; the close box then removes the data source.
TEST_F(Edition, UneTableVideDonneUneListeVideSansMessage)
{
    CBoitesMessage boites;
    m_edition.DefinirDossierTV(DossierBases("vide").c_str());
    EXPECT_EQ(LancerEdition(m_edition, [](CEdition& e) {
                  const HWND liste = GetDlgItem(e.Fenetre(), IDC_CHAINES);
                  EXPECT_EQ(SendMessageA(liste, LB_GETCOUNT, 0, 0), 0);
                  EXPECT_EQ(SendMessageA(liste, LB_GETCURSEL, 0, 0), LB_ERR);
                  SendMessageA(e.Fenetre(), WM_SYSCOMMAND, SC_CLOSE, 0);
              }),
              IDCANCEL);
    EXPECT_EQ(m_edition.m_chaine, 0);
    EXPECT_TRUE(boites.Vues().empty());
    EXPECT_EQ(JournalConfigDsn(),
              (std::vector<std::string>{"ADD " + DossierBases("vide") + "\\hcwChanDB_4.mdb", "REMOVE"}));
    EXPECT_FALSE(SectionChainesPresente());
}
