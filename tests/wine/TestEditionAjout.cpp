// "&Ajouter" and "&Editer" end to end: the real editor on the channel database of the build,
// the real password dialog, Wine's real Task Scheduler, all driven by messages.

#include "AideTaches.h"
#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace
{
void Entree(HWND /*dialogue*/)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// Runs `script` on the next dialog of ours once it is shown.
void Puis(const std::function<void(HWND)>& script)
{
    ProgrammerScriptMontre([script](CDialogue& d) { script(d.Fenetre()); });
}

// A recording of 90 minutes at 20:45 on channel `chaine`; a daily or weekly one ends on 30 June
// (a once one has the same end date, without the flag that makes it count).
TacheEssai Programme(const std::wstring& nom, TASK_TRIGGER_TYPE type, WORD jours = 0,
                     const std::wstring& chaine = L"12")
{
    TASK_TRIGGER t = DeclencheurAVenir();
    t.TriggerType = type;
    t.rgFlags = type == TASK_TIME_TRIGGER_ONCE ? 0 : TASK_TRIGGER_FLAG_HAS_END_DATE;
    t.wEndYear = t.wBeginYear;
    t.wEndMonth = 6;
    t.wEndDay = 30;
    t.Type.Weekly.WeeksInterval = 1;
    t.Type.Weekly.rgfDaysOfTheWeek = jours;
    const std::wstring parametres = L" -c" + chaine + L" -ntod -startr:" + nom + L".mpg -qvcd -limit:5400";
    return {nom, L"C:\\TV\\WinTV2K.EXE", parametres, L"", t};
}

class EditionAjout : public testing::Test
{
protected:
    void SetUp() override
    {
        TearDown();
        DefinirCheminTV(DossierBases("chaines"));
    }
    void TearDown() override
    {
        SupprimerTachesReelles(L"Edit");
        SupprimerTacheReelle(L"WinTV_00");
        DefinirCheminTV("C:\\TV");
    }

    CFenetreEssai m_fenetre;
};
} // namespace

// A programme added with the editor's values shows on top. Its edit cancelled in the password
// dialog changes nothing; saved, it rewrites the same work item and its row.
TEST_F(EditionAjout, UnAjoutPuisSaModificationEnregistrentLesValeursDeLEditeur)
{
    // What the real store holds, read through the scheduler's own interfaces.
    const auto stockee = [] {
        const TacheLue l = LireTacheReelle(L"WinTV_00");
        const TASK_TRIGGER& t = l.declencheur;
        return std::make_tuple(l.parametres, l.declencheurs, t.TriggerType, t.wBeginYear, t.wBeginMonth,
                               t.wBeginDay, t.wStartHour, t.wStartMinute, t.rgFlags);
    };
    SYSTEMTIME h = {};
    std::vector<std::string> lignes;
    LancerFenetre(m_fenetre, [&](CFenetreEssai& f) {
        const auto commande = [&f](int bouton) {
            SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
            CDialogue::OublierScripts();
            return f.m_liste.Texte(0, 0) + " " + f.m_liste.Texte(0, 4);
        };
        // Both dialogs are modal over the main window: no other command can run meanwhile.
        const auto modal = [&f](HWND d) {
            EXPECT_EQ(GetWindow(d, GW_OWNER), f.Fenetre());
            EXPECT_FALSE(IsWindowEnabled(f.Fenetre()));
            Entree(d);
        };
        Puis([&](HWND d) {
            h = LireSelecteur(d, IDC_HEURE_DEPART);
            modal(d);
        });
        Puis(modal);
        lignes.push_back(commande(IDOK));
        EXPECT_EQ(stockee(), std::make_tuple(L" -c1 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600", WORD{1},
                                             TASK_TIME_TRIGGER_ONCE, h.wYear, h.wMonth, h.wDay, h.wHour,
                                             h.wMinute, DWORD{0}));
        const auto ajoutee = stockee();

        Selectionner(f.Controle(IDC_LISTE), 0);
        Puis([](HWND d) {
            Taper(GetDlgItem(d, IDC_MINUTES), "0");
            Cliquer(d, IDOK);
        });
        Puis([](HWND d) { Cliquer(d, IDCANCEL); });
        lignes.push_back(commande(IDC_EDITER));
        EXPECT_EQ(stockee(), ajoutee);

        Puis([](HWND d) {
            SYSTEMTIME heure = LireSelecteur(d, IDC_HEURE_DEPART);
            heure.wHour = 21;
            heure.wMinute = 10;
            ChangerSelecteur(d, IDC_HEURE_DEPART, heure);
            Taper(GetDlgItem(d, IDC_MINUTES), "45", true);
            ChoisirLigne(GetDlgItem(d, IDC_CHAINES), 2);
            Cliquer(d, IDOK);
        });
        Puis(Entree);
        lignes.push_back(commande(IDC_EDITER));
    });
    EXPECT_EQ(stockee(), std::make_tuple(L" -c3 -ntod -startr:WinTV_00.mpg -qvcd -limit:2700", WORD{1},
                                         TASK_TIME_TRIGGER_ONCE, h.wYear, h.wMonth, h.wDay, WORD{21},
                                         WORD{10}, DWORD{0}));
    EXPECT_EQ(lignes, (std::vector<std::string>{"WinTV_00.mpg 01:00:00", "WinTV_00.mpg 01:00:00",
                                                "WinTV_00.mpg 00:45:00"}));
}

// Each kind of work item opens in the editor's editing form with the values it holds, and is
// saved untouched with the same command, a channel beyond the list included.
TEST_F(EditionAjout, ChaqueProgrammeSOuvreAvecSesValeurs)
{
    const int semaine = IDC_TOUTES_LES_SEMAINES;
    const std::tuple<TacheEssai, int, unsigned, int> cas[] = {
        // work item, radio, days ticked (bit 0 Sunday), selected row
        {Programme(L"EditSamedi", TASK_TIME_TRIGGER_WEEKLY, TASK_SATURDAY), semaine, 0x40, 11},
        {Programme(L"EditVS", TASK_TIME_TRIGGER_WEEKLY, TASK_FRIDAY | TASK_SATURDAY, L"3"), semaine, 0x60, 2},
        {Programme(L"EditQuotidien", TASK_TIME_TRIGGER_DAILY), IDC_TOUS_LES_JOURS, 0, 11},
        {Programme(L"EditUneFois", TASK_TIME_TRIGGER_ONCE), IDC_UNE_FOIS, 0, 11},
        {Programme(L"EditHorsListe", TASK_TIME_TRIGGER_ONCE, 0, L"40"), IDC_UNE_FOIS, 0, -1},
    };
    for (const auto& c : cas)
        ASSERT_TRUE(CreerTacheReelle(std::get<0>(c)));
    SYSTEMTIME aujourdhui = {};
    GetLocalTime(&aujourdhui);
    LancerFenetre(m_fenetre, [&](CFenetreEssai&) {
        for (const auto& [tache, radio, jours, chaine] : cas)
        {
            const std::string nom(tache.nom.begin(), tache.nom.end());
            SCOPED_TRACE(nom);
            Puis([&, radio = radio, jours = jours, chaine = chaine](HWND d) {
                EXPECT_EQ(Texte(d, IDC_FICHIER) + " " + Texte(d, IDC_NOM_PROGRAMME), nom + " " + nom);
                EXPECT_EQ(Texte(d, IDC_MINUTES) + " " + Texte(d, IDC_HEURE_FIN), "90 22:15");
                EXPECT_FALSE(Actif(d, IDC_FICHIER) || Actif(d, IDC_ARRETER));
                VerifierPeriode(d, radio, jours);
                // A once programme has no end date: the picker shows today's.
                const SYSTEMTIME fin = LireSelecteur(d, IDC_DATE_FIN);
                EXPECT_EQ(fin.wMonth * 100 + fin.wDay,
                          radio == IDC_UNE_FOIS ? aujourdhui.wMonth * 100 + aujourdhui.wDay : 630);
                const SYSTEMTIME heure = LireSelecteur(d, IDC_HEURE_DEPART);
                EXPECT_EQ(heure.wHour * 100 + heure.wMinute, 2045);
                EXPECT_EQ(SendDlgItemMessageA(d, IDC_CHAINES, LB_GETCURSEL, 0, 0), chaine);
                Cliquer(d, IDOK);
            });
            Puis(Entree);
            const auto& noms = m_fenetre.m_nomsTaches;
            const auto trouve = std::find(noms.begin(), noms.end(), nom);
            ASSERT_NE(trouve, noms.end());
            Selectionner(m_fenetre.Controle(IDC_LISTE), static_cast<int>(trouve - noms.begin()));
            SendMessageA(m_fenetre.Fenetre(), WM_COMMAND, MAKEWPARAM(IDC_EDITER, BN_CLICKED), 0);
            CDialogue::OublierScripts();
            EXPECT_EQ(LireTacheReelle(tache.nom).parametres, tache.parametres);
        }
    });
}
