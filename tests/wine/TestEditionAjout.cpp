// "&Ajouter" in the main window opens the editor on the TV folder, and the main window stays
// open after it. The scheduler is the in-memory one: adding creates nothing yet.

#include "AideTaches.h"
#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

TEST(AjoutEdition, AjouterOuvreLEditeurEtLaFenetreResteOuverte)
{
    ASSERT_FALSE(CheminDos("/").empty()) << "not running under Wine";
    PreparerControles();
    EffacerJournal();
    DefinirCheminTV(DossierBases("chaines"));

    CPlanificateurMemoire memoire;
    CFenetreEssai fenetre;
    fenetre.m_fabrique = [&memoire](std::unique_ptr<CPlanificateur>& p) {
        p = std::make_unique<CPlanificateurEmprunte>(memoire);
        return S_OK;
    };
    CBoitesMessage boites;
    int editions = 0;
    bool principaleOuverte = false;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        for (const int bouton : {IDOK, IDCANCEL, IDOK})
        {
            CDialogue::ProgrammerScript([&, bouton](CDialogue& edition) {
                ++editions;
                const HWND d = edition.Fenetre();
                EXPECT_EQ(TexteFenetre(d), "Edition du Programme");
                EXPECT_EQ(GetWindow(d, GW_OWNER), f.Fenetre());
                // Modal to the main window: no other command can run meanwhile.
                EXPECT_FALSE(IsWindowEnabled(f.Fenetre()));
                EXPECT_EQ(SendMessageA(GetDlgItem(d, IDC_CHAINES), LB_GETCOUNT, 0, 0), 12);
                Cliquer(d, bouton);
            });
            SendMessageA(f.Fenetre(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        principaleOuverte = IsWindow(f.Fenetre()) && IsWindowVisible(f.Fenetre()) && IsWindowEnabled(f.Fenetre());
    });
    EXPECT_EQ(editions, 3);
    EXPECT_TRUE(principaleOuverte);
    EXPECT_EQ(fenetre.m_statutArret, -1);
    EXPECT_TRUE(boites.Vues().empty());
    // Nothing was created, whatever the editor returned.
    EXPECT_TRUE(memoire.Noms().empty());
    EXPECT_EQ(JournalConfigDsn(),
              std::vector<std::string>(3, "ADD " + DossierBases("chaines") + "\\hcwChanDB_4.mdb"));
    DefinirCheminTV("C:\\TV");
}
