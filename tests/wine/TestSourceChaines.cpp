// The channel database through the real path: Wine's odbccp32 loads the stand-in setup DLL,
// which writes the data source into unixODBC's user ini; Wine's odbc32 forwards to unixODBC,
// which runs the channel query with the SQLite driver on SQLite files named hcwChanDB_4.mdb.
//
// unixODBC keeps what it reads of its ini files for 20 seconds in each process, and the DLL
// writes them behind its back: so after a removal these tests look at the ini file, not at
// whether a new connection is refused.

#include "OutilsOdbc.h"

#include "channels/BaseDonnee.h"
#include "channels/BlocSourceDonnees.h"
#include "channels/SourceChaines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
const std::string BASES = VIDALTO_BASES_ESSAI;
const std::string BASE_CHAINES = BASES + "/chaines/hcwChanDB_4.mdb";

void CreerFichier(const std::string& chemin)
{
    HANDLE fichier = CreateFileA(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(fichier, INVALID_HANDLE_VALUE) << chemin;
    CloseHandle(fichier);
}

class SourceChaines : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CheminDos("/").empty()) << "not running under Wine";
        EffacerJournal();
    }
};

TEST_F(SourceChaines, TrouveLaPremiereEntreeQuiRessembleAUneBase)
{
    EXPECT_EQ(TrouverBase(CheminDos(BASES + "/chaines")),
              CheminDos(BASES + "/chaines") + "\\hcwChanDB_4.mdb");

    const std::string vide = DossierEssai("sans-base");
    EXPECT_EQ(TrouverBase(vide), "");
    EXPECT_EQ(TrouverBase(vide + "\\absent"), "");

    // "*.mdb*" also matches a backup copy, and a folder: the first entry is taken as it is.
    const std::string copie = DossierEssai("copie");
    CreerFichier(copie + "\\x.mdb.bak");
    EXPECT_EQ(TrouverBase(copie), copie + "\\x.mdb.bak");
    const std::string dossier = DossierEssai("dossier");
    std::filesystem::create_directories(dossier + "\\base.mdb");
    EXPECT_EQ(TrouverBase(dossier), dossier + "\\base.mdb");
}

TEST_F(SourceChaines, EnregistreLitLesChainesDansLOrdreDesNumerosPuisSupprime)
{
    const std::string chemin = TrouverBase(CheminDos(BASES + "/chaines"));
    ASSERT_EQ(EnregistrerSource(chemin), ResultatEnregistrement::Enregistree);
    EXPECT_EQ(JournalConfigDsn(), std::vector<std::string>{"ADD " + chemin});
    EXPECT_EQ(SectionChaines(),
              (std::vector<std::string>{"Driver = Driver do Microsoft Access (*.mdb)",
                                        "Database = " + BASE_CHAINES}));

    // Registered again while already there: the section is replaced, not doubled.
    ASSERT_EQ(EnregistrerSource(chemin), ResultatEnregistrement::Enregistree);
    EXPECT_EQ(SectionChaines().size(), 2u);

    {
        CBaseDeDonnees base;
        ASSERT_TRUE(ConnecterChaines(base)) << base.DerniereErreur();
        CListeEssai liste;
        ASSERT_NE(liste.Get(), nullptr);
        RemplirChaines(base, liste.Get());
        // Inserted out of order; the two number 5 in the order the database returns them;
        // an empty or NULL language gives an empty last field, an empty name an empty middle
        // one. The texts reach the list as the database holds them (code page 1252).
        EXPECT_EQ(liste.Lignes(), (std::vector<std::string>{
                                      "1\tTF1\tFrançais",
                                      "2\tFrance 2\tFrançais",
                                      "3\tFrance 3\tFrançais",
                                      "4\tCanal+\t",
                                      "5\tTV5 Monde\tFrançais",
                                      "5\tArte\tFranco-allemand",
                                      "6\tM6\tFrançais",
                                      "8\tEuronews\tEnglish",
                                      "9\tTélé\tFrançais",
                                      "10\t\tDeutsch",
                                      "11\tMezzo\tMusique",
                                      "12\tÉvénements\t",
                                  }));

        // The recordset's members follow the columns of the query, row after row across
        // blocks of 5 (the last one partial).
        CBaseDonnee chaines(base);
        EXPECT_EQ(chaines.m_id, 0);
        EXPECT_EQ(chaines.m_preferred_name, "");
        chaines.DefinirTailleBloc(5);
        chaines.Ouvrir(REQUETE_CHAINES);
        for (int i = 0; i < 3; ++i)
            chaines.Suivant();
        ASSERT_FALSE(chaines.FinDonnees());
        EXPECT_EQ(chaines.m_id, 4);
        EXPECT_EQ(chaines.m_service_id, 1104);
        EXPECT_EQ(chaines.m_preferred_name, "Canal+");
        EXPECT_EQ(chaines.m_preferred_number, 4);
        EXPECT_EQ(chaines.m_audio_lang, "fr");
        EXPECT_EQ(chaines.m_audio_mode, "stereo");
        EXPECT_EQ(chaines.m_channel_type, "analog");
        EXPECT_EQ(chaines.m_genre, "Cinema");
        EXPECT_EQ(chaines.m_blocked_flag, 1);
        chaines.Suivant();
        chaines.Suivant();
        EXPECT_EQ(chaines.m_preferred_name, "Arte");
        EXPECT_EQ(chaines.m_subtitle_lang, "de");
        EXPECT_EQ(chaines.m_duplicate_channel_id, 5);
        EXPECT_EQ(chaines.m_duplicate_priority, 1);
        EXPECT_EQ(chaines.m_blocked_flag, 0);
        EXPECT_EQ(chaines.Valeur(14), "");
        EXPECT_EQ(chaines.Valeur(15), "");
        for (int i = 0; i < 6; ++i)
            chaines.Suivant();
        EXPECT_FALSE(chaines.FinDonnees());
        chaines.Suivant();
        EXPECT_TRUE(chaines.FinDonnees());
        EXPECT_EQ(chaines.Valeur(2), "");

        // Without a query, the default SQL names the table and reads it all.
        chaines.Ouvrir();
        int lignes = 0;
        for (; !chaines.FinDonnees(); chaines.Suivant())
            ++lignes;
        EXPECT_EQ(lignes, 12);
    }

    EffacerJournal();
    SupprimerSource();
    EXPECT_EQ(JournalConfigDsn(), std::vector<std::string>{"REMOVE"});
    EXPECT_FALSE(SectionChainesPresente());
}
} // namespace
