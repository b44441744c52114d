#include "tasks/ChaineParametres.h"

#include "tasks/LectureParametres.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

TEST(ChaineParametres, Construction)
{
    struct Cas
    {
        std::int32_t chaine;
        std::int32_t duree;
        std::string nom;
        std::string attendu;
    };
    const Cas cas[] = {
        {0, 3600, "WinTV_00", " -c1 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600"},
        {2, 3600, "WinTV_00", " -c3 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600"},
        {11, 3600, "A", " -c12 -ntod -startr:A.mpg -qvcd -limit:3600"},
        {-1, 3600, "A", " -c0 -ntod -startr:A.mpg -qvcd -limit:3600"},
        {0, 5400, "A", " -c1 -ntod -startr:A.mpg -qvcd -limit:5400"},
        {0, -1800, "A", " -c1 -ntod -startr:A.mpg -qvcd -limit:-1800"},
        {0, 0, "", " -c1 -ntod -startr:.mpg -qvcd -limit:0"},
        {0, 60, "Mon film", " -c1 -ntod -startr:Mon film.mpg -qvcd -limit:60"},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), "A",
         " -c2147483648 -ntod -startr:A.mpg -qvcd -limit:-2147483648"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.attendu);
        const std::string parametres = ConstruireParametres(c.chaine, c.duree, c.nom);
        EXPECT_EQ(parametres, c.attendu);
        EXPECT_EQ(parametres.find("-c"), 1u);
    }
}

TEST(ChaineParametres, CheminApplication)
{
    EXPECT_EQ(CheminApplication("C:\\TV"), "C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(CheminApplication(""), "\\WinTV2K.EXE");
    EXPECT_EQ(CheminApplication("C:\\TV\\"), "C:\\TV\\\\WinTV2K.EXE");
}

// Name, path and parameters must each fit 259 characters; the parameters, 41 characters
// longer than the name with channel 1 and 3600 s, are the first to overflow.
TEST(ChaineParametres, CommandeTient)
{
    struct Cas
    {
        std::size_t dossier, nom;
        std::int32_t duree;
        bool tient;
    };
    const Cas cas[] = {
        {5, 218, 3600, true},    {5, 219, 3600, false},  {5, 216, -36000, true},
        {5, 217, -36000, false}, {247, 8, 3600, true}, {248, 8, 3600, false},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CommandeTient(std::string(c.dossier, 'd'), 0, c.duree, std::string(c.nom, 'n')), c.tient)
            << c.dossier << " " << c.nom << " " << c.duree;
}

TEST(ChaineParametres, NomTache)
{
    EXPECT_EQ(NomTache("Le journal de 20 h"), "Le_journal_de_20_h");
    EXPECT_EQ(NomTache("  "), "__");
    EXPECT_EQ(NomTache("a\tb\xA0"
                       "c"),
              "a\tb\xA0"
              "c")
        << "only the blank 0x20 is replaced";
    EXPECT_EQ(NomTache(""), "");
}

// What the schedule list and the editor read back is what was written, for names without blank.
TEST(ChaineParametres, AllerRetourAvecLesLecteurs)
{
    struct Cas
    {
        std::int32_t chaine;
        std::int32_t duree;
        std::string nom;
        std::string texteDuree;
    };
    const Cas cas[] = {
        {0, 3600, "WinTV_00", "01:00:00"},          {2, 5400, "Journal", "01:30:00"},
        {11, 60, "Le_journal_de_20_h", "00:01:00"}, {98, 0, "x", "00:00:00"},
        {4, 600 * 60, "Film.du.soir", "10:00:00"},  {0, 1500 * 60, "Nuit", "01:00:00"},
    };
    for (const Cas& c : cas)
    {
        const std::string parametres = ConstruireParametres(c.chaine, c.duree, c.nom);
        SCOPED_TRACE(parametres);
        const LigneLue ligne = LireLigne(parametres);
        EXPECT_TRUE(ligne.reconnue);
        EXPECT_EQ(ligne.nomFichier, c.nom + ".mpg");
        EXPECT_EQ(ligne.enregistrement, "qvcd");
        EXPECT_EQ(LireChaine(parametres), c.chaine);
        EXPECT_EQ(TexteDuree(parametres), c.texteDuree);
        const std::size_t limite = parametres.find("-limit:");
        ASSERT_NE(limite, std::string::npos);
        EXPECT_EQ(ConvertirEntier(parametres.substr(limite + 7)), c.duree);
    }
}
