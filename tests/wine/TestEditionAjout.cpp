// "&Ajouter" and "&Editer" end to end: the real editor on the channel database of the build,
// the real password dialog, Wine's real Task Scheduler, all driven by messages.

#include "AideTaches.h"
#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "framework/Controles.h"
#include "resources/resource.h"
#include "tasks/Passe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace
{
// One add: `editeur` drives the editor once it is shown, `passe` the password dialog.
struct Ajout
{
    std::function<void(HWND)> editeur;
    std::function<void(HWND)> passe;
};

class AjoutDialogues : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CheminDos("/").empty()) << "not running under Wine";
        Nettoyer();
        DefinirCheminTV(DossierBases("chaines"));
    }
    void TearDown() override
    {
        Nettoyer();
        DefinirCheminTV("C:\\TV");
    }
    static void Nettoyer()
    {
        for (const wchar_t* nom : {L"WinTV_00", L"Le_journal_de_20_h"})
            SupprimerTacheReelle(nom);
    }

    // Runs the adds in one main window; the list's rows and names after each.
    void Ajouter(const std::vector<Ajout>& ajouts)
    {
        LancerFenetre(m_fenetre, [&](CFenetreEssai& f) {
            for (const Ajout& ajout : ajouts)
            {
                ProgrammerScriptMontre([&](CDialogue& d) { ajout.editeur(d.Fenetre()); });
                ProgrammerScriptMontre([&](CDialogue& d) { ajout.passe(d.Fenetre()); });
                SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                m_lignes.push_back(LireLignes(f.m_liste));
                m_noms.push_back(f.m_nomsTaches);
                CDialogue::OublierScripts();
            }
        });
    }

    CFenetreEssai m_fenetre;
    CBoitesMessage m_boites;
    std::vector<Lignes> m_lignes;
    std::vector<std::vector<std::string>> m_noms;
};

void Entree(HWND /*dialogue*/)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// Both dialogs are modal over the main window: no other command can run meanwhile.
void VerifierModal(HWND dialogue, HWND principale)
{
    EXPECT_EQ(GetWindow(dialogue, GW_OWNER), principale) << TexteFenetre(dialogue);
    EXPECT_FALSE(IsWindowEnabled(principale)) << TexteFenetre(dialogue);
}
} // namespace

TEST_F(AjoutDialogues, LesValeursParDefautPuisUnNomAvecDesBlancs)
{
    SYSTEMTIME heure = {};
    Ajouter({
        {[&](HWND d) {
             VerifierModal(d, m_fenetre.Fenetre());
             heure = LireSelecteur(d, IDC_HEURE_DEPART);
             Entree(d);
         },
         [&](HWND d) {
             VerifierModal(d, m_fenetre.Fenetre());
             Entree(d);
         }},
        {[](HWND d) {
             Effacer(GetDlgItem(d, IDC_FICHIER));
             Taper(GetDlgItem(d, IDC_FICHIER), "Le journal de 20 h");
             Cliquer(d, IDOK);
         },
         Entree},
    });
    EXPECT_TRUE(m_boites.Vues().empty());

    const TacheLue defaut = LireTacheReelle(L"WinTV_00");
    ASSERT_TRUE(defaut.trouvee);
    const std::string application = DossierBases("chaines") + "\\WinTV2K.EXE";
    EXPECT_EQ(defaut.application, std::wstring(application.begin(), application.end()));
    EXPECT_EQ(defaut.parametres, L" -c1 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600");
    EXPECT_EQ(defaut.declencheurs, 1);
    EXPECT_EQ(defaut.declencheur.TriggerType, TASK_TIME_TRIGGER_ONCE);
    EXPECT_EQ(defaut.declencheur.wBeginYear, heure.wYear);
    EXPECT_EQ(defaut.declencheur.wBeginMonth, heure.wMonth);
    EXPECT_EQ(defaut.declencheur.wBeginDay, heure.wDay);
    EXPECT_EQ(defaut.declencheur.wStartHour, heure.wHour);
    EXPECT_EQ(defaut.declencheur.wStartMinute, heure.wMinute);
    EXPECT_EQ(defaut.declencheur.rgFlags, 0u);

    EXPECT_EQ(LireTacheReelle(L"Le_journal_de_20_h").parametres,
              L" -c1 -ntod -startr:Le_journal_de_20_h.mpg -qvcd -limit:3600");

    // Each new programme on top, its name beside it.
    ASSERT_EQ(m_lignes.size(), 2u);
    ASSERT_FALSE(m_lignes[0].empty());
    EXPECT_EQ(m_lignes[0][0][0], "WinTV_00.mpg");
    EXPECT_EQ(m_lignes[0][0][4], "01:00:00");
    EXPECT_EQ(m_noms[0][0], "WinTV_00");
    ASSERT_EQ(m_lignes[1].size(), m_lignes[0].size() + 1);
    EXPECT_EQ(m_lignes[1][0][0], "Le_journal_de_20_h.mpg");
    EXPECT_EQ(m_lignes[1][1], m_lignes[0][0]);
    EXPECT_EQ(m_noms[1][0], "Le_journal_de_20_h");
}

namespace
{
TacheEssai Hebdomadaire(const std::wstring& nom, WORD type, WORD masque, const std::wstring& chaine = L"12")
{
    TacheEssai tache;
    tache.nom = nom;
    tache.parametres = L" -c" + chaine + L" -ntod -startr:" + nom + L".mpg -qvcd -limit:5400";
    TASK_TRIGGER t = DeclencheurAVenir();
    t.TriggerType = static_cast<TASK_TRIGGER_TYPE>(type);
    if (type != TASK_TIME_TRIGGER_ONCE)
    {
        t.rgFlags = TASK_TRIGGER_FLAG_HAS_END_DATE;
        t.wEndYear = t.wBeginYear;
        t.wEndMonth = 6;
        t.wEndDay = 30;
        t.Type.Weekly.WeeksInterval = 1;
        t.Type.Weekly.rgfDaysOfTheWeek = masque;
    }
    tache.declencheur = t;
    return tache;
}

// "&Editer" on the row of work item `nom`, in a main window over the real store.
void Editer(CFenetreEssai& f, const std::string& nom)
{
    const auto trouve = std::find(f.m_nomsTaches.begin(), f.m_nomsTaches.end(), nom);
    ASSERT_NE(trouve, f.m_nomsTaches.end()) << nom;
    Selectionner(f.Controle(IDC_LISTE), static_cast<int>(trouve - f.m_nomsTaches.begin()));
    SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(IDC_EDITER, BN_CLICKED), 0);
}

class EditionDialogues : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CheminDos("/").empty()) << "not running under Wine";
        SupprimerTachesReelles(L"Edit");
        DefinirCheminTV(DossierBases("chaines"));
    }
    void TearDown() override
    {
        SupprimerTachesReelles(L"Edit");
        DefinirCheminTV("C:\\TV");
    }
    CBoitesMessage m_boites;
};
} // namespace

// Each kind of work item opens in the editor's editing form with the values it holds.
TEST_F(EditionDialogues, ChaqueProgrammeSOuvreAvecSesValeurs)
{
    struct Cas
    {
        TacheEssai tache;
        int radio;
        std::vector<int> jours; // ticked
        int chaine;             // selected row
    };
    const Cas cas[] = {
        {Hebdomadaire(L"EditSamedi", TASK_TIME_TRIGGER_WEEKLY, TASK_SATURDAY), IDC_TOUTES_LES_SEMAINES, {IDC_SAMEDI}, 11},
        {Hebdomadaire(L"EditVS", TASK_TIME_TRIGGER_WEEKLY, TASK_FRIDAY | TASK_SATURDAY, L"3"), IDC_TOUTES_LES_SEMAINES, {IDC_VENDREDI, IDC_SAMEDI}, 2},
        {Hebdomadaire(L"EditQuotidien", TASK_TIME_TRIGGER_DAILY, 0), IDC_TOUS_LES_JOURS, {}, 11},
        {Hebdomadaire(L"EditUneFois", TASK_TIME_TRIGGER_ONCE, 0), IDC_UNE_FOIS, {}, 11},
        {Hebdomadaire(L"EditHorsListe", TASK_TIME_TRIGGER_ONCE, 0, L"40"), IDC_UNE_FOIS, {}, -1},
    };
    for (const Cas& c : cas)
        ASSERT_TRUE(CreerTacheReelle(c.tache));
    SYSTEMTIME aujourdhui = {};
    GetLocalTime(&aujourdhui);

    CFenetreEssai fenetre;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        for (const Cas& c : cas)
        {
            const std::string nom(c.tache.nom.begin(), c.tache.nom.end());
            SCOPED_TRACE(nom);
            ProgrammerScriptMontre([&](CDialogue& dialogue) {
                const HWND d = dialogue.Fenetre();
                EXPECT_EQ(Texte(d, IDC_FICHIER), nom);
                EXPECT_EQ(Texte(d, IDC_NOM_PROGRAMME), nom);
                EXPECT_EQ(Texte(d, IDC_MINUTES), "90");
                EXPECT_EQ(Texte(d, IDC_HEURE_FIN), "22:15");
                EXPECT_FALSE(Actif(d, IDC_FICHIER));
                EXPECT_FALSE(Actif(d, IDC_ARRETER));
                EXPECT_TRUE(Coche(d, c.radio));
                const bool semaine = c.radio == IDC_TOUTES_LES_SEMAINES;
                for (int id = IDC_DIMANCHE; id <= IDC_SAMEDI; ++id)
                {
                    EXPECT_EQ(Coche(d, id), std::find(c.jours.begin(), c.jours.end(), id) != c.jours.end()) << id;
                    EXPECT_EQ(Actif(d, id), semaine) << id;
                }
                EXPECT_EQ(Actif(d, IDC_DATE_FIN), c.radio != IDC_UNE_FOIS);
                const SYSTEMTIME fin = LireSelecteur(d, IDC_DATE_FIN);
                if (c.radio == IDC_UNE_FOIS)
                {
                    EXPECT_EQ(fin.wYear * 10000 + fin.wMonth * 100 + fin.wDay,
                              aujourdhui.wYear * 10000 + aujourdhui.wMonth * 100 + aujourdhui.wDay);
                }
                else
                {
                    EXPECT_EQ(fin.wMonth * 100 + fin.wDay, 630);
                }
                const SYSTEMTIME heure = LireSelecteur(d, IDC_HEURE_DEPART);
                EXPECT_EQ(heure.wHour * 100 + heure.wMinute, 2045);
                EXPECT_EQ(SendMessageA(GetDlgItem(d, IDC_CHAINES), LB_GETCURSEL, 0, 0), c.chaine);
                // Saved untouched: the same command, a channel beyond the list included.
                Cliquer(d, IDOK);
            });
            ProgrammerScriptMontre([](CDialogue& d) { Entree(d.Fenetre()); });
            Editer(f, nom);
            CDialogue::OublierScripts();
            EXPECT_EQ(LireTacheReelle(c.tache.nom).parametres, c.tache.parametres);
        }
    });
    EXPECT_TRUE(m_boites.Vues().empty());
}

TEST_F(EditionDialogues, LaTacheEstReecriteEnPlaceEtSaLigneRafraichie)
{
    ASSERT_TRUE(CreerTacheReelle(Hebdomadaire(L"EditAutre", TASK_TIME_TRIGGER_ONCE, 0)));
    ASSERT_TRUE(CreerTacheReelle(Hebdomadaire(L"EditSamedi", TASK_TIME_TRIGGER_WEEKLY, TASK_SATURDAY)));
    const TacheLue avant = LireTacheReelle(L"EditSamedi");
    CFenetreEssai fenetre;
    Lignes lignesAvant, lignesApres;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        // Cancelled in the editor, then in the password dialog: nothing changes, in the store
        // or in the list.
        const Lignes lignesDebut = LireLignes(f.m_liste);
        ProgrammerScriptMontre([](CDialogue& d) { Cliquer(d.Fenetre(), IDCANCEL); });
        Editer(f, "EditSamedi");
        ProgrammerScriptMontre([](CDialogue& d) {
            Taper(GetDlgItem(d.Fenetre(), IDC_MINUTES), "0");
            Cliquer(d.Fenetre(), IDOK);
        });
        ProgrammerScriptMontre([](CDialogue& d) { Cliquer(d.Fenetre(), IDCANCEL); });
        Editer(f, "EditSamedi");
        const TacheLue annulee = LireTacheReelle(L"EditSamedi");
        EXPECT_EQ(annulee.application, avant.application);
        EXPECT_EQ(annulee.parametres, avant.parametres);
        EXPECT_EQ(annulee.indicateurs, avant.indicateurs);
        EXPECT_EQ(annulee.declencheurs, 1);
        EXPECT_EQ(std::memcmp(&annulee.declencheur, &avant.declencheur, sizeof avant.declencheur), 0);
        lignesAvant = LireLignes(f.m_liste);
        EXPECT_EQ(lignesAvant, lignesDebut);

        ProgrammerScriptMontre([](CDialogue& dialogue) {
            const HWND d = dialogue.Fenetre();
            SYSTEMTIME heure = LireSelecteur(d, IDC_HEURE_DEPART);
            heure.wHour = 21;
            heure.wMinute = 10;
            ChangerSelecteur(d, IDC_HEURE_DEPART, heure);
            Effacer(GetDlgItem(d, IDC_MINUTES));
            Taper(GetDlgItem(d, IDC_MINUTES), "45");
            ChoisirLigne(GetDlgItem(d, IDC_CHAINES), 2);
            Cliquer(d, IDOK);
        });
        ProgrammerScriptMontre([](CDialogue& d) { Entree(d.Fenetre()); });
        Editer(f, "EditSamedi");
        lignesApres = LireLignes(f.m_liste);
    });
    EXPECT_TRUE(m_boites.Vues().empty());

    const TacheLue lue = LireTacheReelle(L"EditSamedi");
    const std::string application = DossierBases("chaines") + "\\WinTV2K.EXE";
    EXPECT_EQ(lue.application, std::wstring(application.begin(), application.end()));
    EXPECT_EQ(lue.parametres, L" -c3 -ntod -startr:EditSamedi.mpg -qvcd -limit:2700");
    EXPECT_EQ(lue.declencheurs, 1);
    EXPECT_EQ(lue.declencheur.TriggerType, TASK_TIME_TRIGGER_WEEKLY);
    EXPECT_EQ(lue.declencheur.Type.Weekly.rgfDaysOfTheWeek, TASK_SATURDAY);
    EXPECT_EQ(lue.declencheur.wStartHour * 100 + lue.declencheur.wStartMinute, 2110);

    // The row in place, with its new length; the other rows as they were.
    ASSERT_EQ(lignesApres.size(), lignesAvant.size());
    const auto ligne = static_cast<std::size_t>(
        std::find(fenetre.m_nomsTaches.begin(), fenetre.m_nomsTaches.end(), "EditSamedi") - fenetre.m_nomsTaches.begin());
    for (std::size_t i = 0; i < lignesAvant.size(); ++i)
    {
        if (i != ligne)
        {
            EXPECT_EQ(lignesApres[i], lignesAvant[i]) << i;
        }
    }
    EXPECT_EQ(lignesApres[ligne][0], "EditSamedi.mpg");
    EXPECT_EQ(lignesApres[ligne][4], "00:45:00");
}
