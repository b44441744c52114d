// The editor's opening when the channel database cannot be had: it ends with 2 before it is
// shown; the setup DLL's log says what was registered and removed.

#include "BoitesMessage.h"
#include "OutilsOdbc.h"
#include "TestEditionAide.h"

#include "channels/BlocSourceDonnees.h"
#include "channels/SourceChaines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
class OuvertureEdition : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CheminDos("/").empty()) << "not running under Wine";
        EffacerJournal();
    }

    // Opens an editor on the folder; its result. m_scriptLance tells whether it was shown
    // long enough for its script to run.
    INT_PTR Ouvrir(const std::string& dossier)
    {
        CEdition edition;
        EXPECT_TRUE(edition.DefinirDossierTV(dossier.c_str()));
        return LancerEdition(edition, [](CEdition& e) { e.EndDialog(IDCANCEL); }, &m_scriptLance);
    }

    bool m_scriptLance = false;
};
} // namespace

TEST_F(OuvertureEdition, UnEnregistrementRefuseFermeLEditeurSansMessage)
{
    CBoitesMessage boites;
    CEditionsMontrees montrees;
    {
        CVariableEssai refus("VIDALTO_CONFIGDSN_REFUSER", "1");
        EXPECT_EQ(Ouvrir(DossierBases("chaines")), IDCANCEL);
    }
    EXPECT_FALSE(m_scriptLance);
    EXPECT_EQ(montrees.Nombre(), 0);
    EXPECT_TRUE(boites.Vues().empty());
    // The request was made, and refused; nothing to remove.
    EXPECT_EQ(JournalConfigDsn(),
              std::vector<std::string>{"ADD " + DossierBases("chaines") + "\\hcwChanDB_4.mdb"});
}

TEST_F(OuvertureEdition, UneErreurDeLaBaseMontreLeTexteDuPiloteEtSupprimeLaSource)
{
    CBoitesMessage boites;
    CEditionsMontrees montrees;
    // No database in the folder: "DBQ=" stays empty, the SQLite driver opens an empty
    // temporary database, and the channel query fails.
    EXPECT_EQ(Ouvrir(DossierEssai("sans-base")), IDCANCEL);
    EXPECT_FALSE(m_scriptLance);
    EXPECT_EQ(montrees.Nombre(), 0);
    ASSERT_EQ(boites.Vues().size(), 1u);
    EXPECT_NE(boites.Vues()[0].texte.find("no such table: hcwChannels"), std::string::npos)
        << boites.Vues()[0].texte;
    EXPECT_EQ(boites.Vues()[0].titre, "Erreur");
    EXPECT_TRUE(boites.Vues()[0].iconeErreur);
    EXPECT_EQ(JournalConfigDsn(), (std::vector<std::string>{"ADD ", "REMOVE"}));
    EXPECT_FALSE(SectionChainesPresente());
}

TEST_F(OuvertureEdition, UnCheminDeBaseTropLongNEstPasEnregistre)
{
    const std::string racine = DossierEssai("long");
    const std::string fichier = "\\hcwChanDB_4.mdb";
    const std::size_t fixe = racine.size() + 1 + fichier.size();
    if (fixe + 1 >= LONGUEUR_MAX_CHEMIN_BASE)
        GTEST_SKIP() << "build folder too deep for this test: " << racine;
    // 198 characters: one more than the registration block holds.
    const std::string dossier = racine + "\\" + std::string(LONGUEUR_MAX_CHEMIN_BASE + 1 - fixe, 'x');
    std::filesystem::create_directories(dossier);
    std::filesystem::copy_file(DossierBases("chaines") + fichier, dossier + fichier);
    ASSERT_EQ(TrouverBase(dossier).size(), LONGUEUR_MAX_CHEMIN_BASE + 1);

    CBoitesMessage boites;
    CEditionsMontrees montrees;
    EXPECT_EQ(Ouvrir(dossier), IDCANCEL);
    EXPECT_FALSE(m_scriptLance);
    EXPECT_EQ(montrees.Nombre(), 0);
    ASSERT_EQ(boites.Vues().size(), 1u);
    EXPECT_EQ(boites.Vues()[0].texte, MESSAGE_CHEMIN_TROP_LONG);
    EXPECT_TRUE(JournalConfigDsn().empty());
}

TEST_F(OuvertureEdition, UneConnexionRefuseeFermeLEditeurSansMessage)
{
    // The first match of "*.mdb*" is a folder: the driver cannot open it as a database.
    const std::string dossier = DossierEssai("dossier-base");
    std::filesystem::create_directories(dossier + "\\base.mdb");
    CBoitesMessage boites;
    CEditionsMontrees montrees;
    EXPECT_EQ(Ouvrir(dossier), IDCANCEL);
    EXPECT_FALSE(m_scriptLance);
    EXPECT_EQ(montrees.Nombre(), 0);
    EXPECT_TRUE(boites.Vues().empty());
    // Registered, then refused by the driver: ended as a refused registration, nothing removed.
    EXPECT_EQ(JournalConfigDsn(), std::vector<std::string>{"ADD " + dossier + "\\base.mdb"});
}
