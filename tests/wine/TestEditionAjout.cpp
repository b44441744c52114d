// "&Ajouter" end to end: the real editor on the channel database of the build, the real
// password dialog, Wine's real Task Scheduler, all driven by messages.

#include "AideTaches.h"
#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "framework/Controles.h"
#include "resources/resource.h"
#include "tasks/Passe.h"

#include <gtest/gtest.h>

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
        PreparerControles();
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
        for (const wchar_t* nom : {L"WinTV_00", L"Le_journal_de_20_h", L"Annule"})
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

TEST_F(AjoutDialogues, UnMotDePasseAnnuleApresUneErreurNeLaisseRien)
{
    Ajouter({{[](HWND d) {
                  Effacer(GetDlgItem(d, IDC_FICHIER));
                  Taper(GetDlgItem(d, IDC_FICHIER), "Annule");
                  Cliquer(d, IDOK);
              },
              [](HWND d) {
                  SetDlgItemTextA(d, IDC_MOT_DE_PASSE, "a");
                  Cliquer(d, IDOK);
                  Cliquer(d, IDCANCEL);
              }}});
    ASSERT_EQ(m_boites.Vues().size(), 1u);
    EXPECT_EQ(m_boites.Vues()[0].texte, MESSAGE_CONFIRMATION);
    EXPECT_FALSE(LireTacheReelle(L"Annule").trouvee);
    ASSERT_EQ(m_lignes.size(), 1u);
    EXPECT_EQ(m_lignes[0].size(), m_noms[0].size());
    for (const std::string& nom : m_noms[0])
        EXPECT_NE(nom, "Annule");
}
