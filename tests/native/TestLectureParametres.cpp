#include "tasks/LectureParametres.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace
{
const std::string EXEMPLE = " -c3 -ntod -startr:Journal.mpg -qvcd -limit:5400";
}

TEST(LectureParametres, ExempleComplet)
{
    const LigneLue ligne = LireLigne(EXEMPLE);
    EXPECT_TRUE(ligne.reconnue);
    EXPECT_EQ(ligne.nomFichier, "Journal.mpg");
    EXPECT_EQ(ligne.enregistrement, "qvcd");
    EXPECT_EQ(TexteDuree(EXEMPLE), "01:30:00");
    EXPECT_EQ(ExtraireMot(EXEMPLE, 3), "3");
    EXPECT_EQ(ConvertirEntier(ExtraireMot(EXEMPLE, 3)), 3);
    EXPECT_EQ(LireChaine(EXEMPLE), 2);
}

TEST(LectureParametres, ExtraireMot)
{
    struct Cas
    {
        std::string texte;
        std::int32_t debut;
        std::string attendu;
    };
    const Cas cas[] = {
        {"abc def", 0, "abc"},
        {"abc def", 1, "bc"},
        {"abc def", 3, ""},
        {"abc def", 4, "def"},
        {"abc def", 7, ""},
        {"abc def", 100, ""},
        {"abc def", -1, ""},
        {"abc def", std::numeric_limits<std::int32_t>::min(), ""},
        {"abc def", std::numeric_limits<std::int32_t>::max(), ""},
        {"", 0, ""},
        {"a\tb,c\nd e", 0, "a\tb,c\nd"}, // only the blank ends a word
        {"abc  def", 4, ""},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << '"' << c.texte << "\" from " << c.debut);
        EXPECT_EQ(ExtraireMot(c.texte, c.debut), c.attendu);
    }
}

TEST(LectureParametres, ConvertirEntier)
{
    // Every character counts with its distance from '0', digits or not.
    const int ecartE9 = static_cast<int>(static_cast<char>(0xE9)) - '0';
    struct Cas
    {
        std::string texte;
        std::int32_t attendu;
    };
    const Cas cas[] = {
        {"", 0},
        {"0", 0},
        {"007", 7},
        {"5400", 5400},
        {" ", -16},
        {" 5", -155},
        {"60 x", 5912},
        {"-1", -29},
        {std::string("\xE9"), ecartE9},
        {"\xE9"
         "0",
         ecartE9 * 10},
        {"999999999", 999999999},
        {"2147483647", 2147483647},
        // Past nine digits the sum wraps modulo 2^32.
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"4294967295", -1},
        {"4294967296", 0},
        {"4294967301", 5},
        {"1234567890123456789012345678901234567890", -834729262},
        {std::string(40, '9'), -1},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << '"' << c.texte << '"');
        EXPECT_EQ(ConvertirEntier(c.texte), c.attendu);
    }
    // A long run of non-digits must not overflow on the way either (UBSan would stop here).
    (void)ConvertirEntier(std::string(1000, '\xFF'));
}

TEST(LectureParametres, LireLigne)
{
    struct Cas
    {
        std::string parametres;
        bool reconnue;
        std::string fichier;
        std::string enregistrement;
    };
    const Cas cas[] = {
        {"", false, "", ""},
        {" -c1 -ntod -Startr:x -qvcd -limit:60", false, "", ""},
        {"-startr:x", true, "x", ""},
        {"-startr:Mon film.mpg -qvcd", true, "Mon", "ilm.mpg"},
        {"xstartr:a.mpg -qvcd", true, "a.mpg", "qvcd"}, // the dash is not part of the mark
        {"-startr:a.mpg -b -startr:c.mpg -d", true, "a.mpg", "b"},
        {"-startr:", true, "", ""},
        {"-startr:a.mpg", true, "a.mpg", ""},
        {"-startr:a.mpg -", true, "a.mpg", ""},
        {"-startr:a.mpg  qvcd", true, "a.mpg", "qvcd"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << '"' << c.parametres << '"');
        const LigneLue ligne = LireLigne(c.parametres);
        EXPECT_EQ(ligne.reconnue, c.reconnue);
        EXPECT_EQ(ligne.nomFichier, c.fichier);
        EXPECT_EQ(ligne.enregistrement, c.enregistrement);
    }
}

TEST(LectureParametres, TexteDuree)
{
    struct Cas
    {
        std::string parametres;
        std::string attendu;
    };
    const Cas cas[] = {
        {"-limit:5400", "01:30:00"},
        {"-limit:0", "00:00:00"},
        {"-limit:", "00:00:00"},
        {"-limit:59", "00:00:59"},
        {"-limit:86399", "23:59:59"},
        {"-limit:86400", "00:00:00"},
        {"-limit:90000", "01:00:00"},   // whole days are not shown
        {"-limit:60 x", "01:38:32"},    // the whole rest of the text is converted
        {"-limit:-1800", "-07:-50:00"}, // the dash counts -3 at its place: -28200 s
        {" -c1 -ntod -startr:a.mpg -qvcd -limit:3600", "01:00:00"},
        {" -c1 -ntod -startr:a.mpg -qvcd", ""},
        {"", ""},
        {"-Limit:60", ""},
        {"-limit:4294967296", "00:00:00"},
        {"-limit:2147483647", "03:14:07"},
        {"-limit:2147483648", "-03:-14:-08"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << '"' << c.parametres << '"');
        EXPECT_EQ(TexteDuree(c.parametres), c.attendu);
    }
}

TEST(LectureParametres, TexteProchainDemarrage)
{
    EXPECT_EQ(TexteProchainDemarrage(3, 12, 2030, 20, 5), "03/12/2030 à 20:05");
    EXPECT_EQ(TexteProchainDemarrage(1, 1, 5, 0, 0), "01/01/05 à 00:00");
    EXPECT_EQ(TexteProchainDemarrage(100, 12, 65535, 123, 7), "100/12/65535 à 123:07");

    // The list shows code page 1252: "à" is the single byte 0xE0.
    const std::string texte = TexteProchainDemarrage(3, 12, 2030, 20, 5);
    ASSERT_EQ(texte.size(), 18u);
    EXPECT_EQ(static_cast<unsigned char>(texte[11]), 0xE0);
}

TEST(LectureParametres, LireChaine)
{
    struct Cas
    {
        std::string parametres;
        std::int32_t attendu;
    };
    const Cas cas[] = {
        {" -c1 -ntod -startr:a.mpg -qvcd -limit:60", 0},
        {" -c12 -ntod", 11},
        {" -c0 -ntod", -1},
        {" -c -ntod", -1},
        {"-startr:a.mpg", -1},
        {"", -1},
        {" -c2147483648", std::numeric_limits<std::int32_t>::max()}, // wraps, no overflow
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << '"' << c.parametres << '"');
        EXPECT_EQ(LireChaine(c.parametres), c.attendu);
    }
}

TEST(LectureParametres, NomSansSuffixeJob)
{
    struct Cas
    {
        std::string nom;
        std::string attendu;
    };
    const Cas cas[] = {
        {"A.job", "A"},   {"A.JOB", "A"},     {"A.JoB", "A"},
        {"A", "A"},       {".job", ""},       {"x.jobs", "x.jobs"},
        {"job", "job"},   {"", ""},           {"A.job.job", "A.job"},
        {"Ajob", "Ajob"}, {"A_job", "A_job"}, {"Le journal.job", "Le journal"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(NomSansSuffixeJob(c.nom), c.attendu);
    }
}
