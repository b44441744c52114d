#include "tasks/ChaineParametres.h"
#include "tasks/LectureParametres.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace
{
constexpr std::int32_t MAX32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MIN32 = std::numeric_limits<std::int32_t>::min();
} // namespace

// The parameter string a recording is written with, and what the list and the editor read back.
TEST(Parametres, EcritsPuisRelus)
{
    const std::tuple<std::int32_t, std::int32_t, std::string, std::string, std::string> cas[] = {
        {0, 3600, "WinTV_00", " -c1 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600", "01:00:00"},
        {11, 5400, "Journal", " -c12 -ntod -startr:Journal.mpg -qvcd -limit:5400", "01:30:00"},
        {-1, 0, "", " -c0 -ntod -startr:.mpg -qvcd -limit:0", "00:00:00"},
        {4, 86399, "a.b", " -c5 -ntod -startr:a.b.mpg -qvcd -limit:86399", "23:59:59"},
        {4, 90000, "a", " -c5 -ntod -startr:a.mpg -qvcd -limit:90000", "01:00:00"}, // days not shown
        // The dash counts -3 at its place: -28200 s.
        {98, -1800, "a", " -c99 -ntod -startr:a.mpg -qvcd -limit:-1800", "-07:-50:00"},
        {MAX32, MIN32, "a", " -c2147483648 -ntod -startr:a.mpg -qvcd -limit:-2147483648", "-11:-16:-16"},
    };
    for (const auto& [chaine, duree, nom, parametres, texteDuree] : cas)
    {
        SCOPED_TRACE(parametres);
        EXPECT_EQ(ConstruireParametres(chaine, duree, nom), parametres);
        const LigneLue ligne = LireLigne(parametres);
        EXPECT_EQ(std::tie(ligne.reconnue, ligne.nomFichier, ligne.enregistrement),
                  std::make_tuple(true, nom + ".mpg", "qvcd"));
        EXPECT_EQ(LireChaine(parametres), chaine);
        EXPECT_EQ(TexteDuree(parametres), texteDuree);
    }
}

// Texts the program did not write: other tools' work items, names with a blank, damaged numbers.
TEST(Parametres, LecteursDeTextesEtrangers)
{
    const std::tuple<std::string, bool, std::string, std::string, std::int32_t, std::string> cas[] = {
        {"", false, "", "", -1, ""},
        {" -C1 -Startr:x -Limit:60", false, "", "", -1, ""},
        {"-c -startr:Mon film.mpg -qvcd", true, "Mon", "ilm.mpg", -1, ""},
        {"-c12 xstartr:a.mpg -b -startr:c.mpg -limit:60 x", true, "a.mpg", "b", 11, "01:38:32"},
        {"-startr:", true, "", "", -1, ""},
        {"-c2147483648 -limit:4294967296", false, "", "", MAX32, "00:00:00"}, // wrap, no overflow
        {"-limit:", false, "", "", -1, "00:00:00"},
    };
    for (const auto& [parametres, reconnue, fichier, enregistrement, chaine, texteDuree] : cas)
    {
        SCOPED_TRACE(parametres);
        const LigneLue ligne = LireLigne(parametres);
        EXPECT_EQ(std::tie(ligne.reconnue, ligne.nomFichier, ligne.enregistrement),
                  std::tie(reconnue, fichier, enregistrement));
        EXPECT_EQ(LireChaine(parametres), chaine);
        EXPECT_EQ(TexteDuree(parametres), texteDuree);
    }
}

TEST(Parametres, ExtraireMot)
{
    const std::tuple<std::string, std::int32_t, std::string> cas[] = {
        {"abc def", 0, "abc"},
        {"abc def", 1, "bc"},
        {"abc def", 3, ""},
        {"abc def", 4, "def"},
        {"abc def", 7, ""},
        {"abc def", -1, ""},
        {"abc def", MIN32, ""},
        {"abc def", MAX32, ""},
        {"a\tb,c\nd e", 0, "a\tb,c\nd"}, // only the blank ends a word
    };
    for (const auto& [texte, debut, attendu] : cas)
        EXPECT_EQ(ExtraireMot(texte, debut), attendu) << '"' << texte << "\" from " << debut;
}

// Every character counts with its distance from '0', digits or not; past nine digits the sum
// wraps modulo 2^32.
TEST(Parametres, ConvertirEntier)
{
    const int ecartE9 = static_cast<int>(static_cast<char>(0xE9)) - '0';
    const std::pair<std::string, std::int32_t> cas[] = {
        {"", 0},
        {"007", 7},
        {" 5", -155},
        {"-1", -29},
        {"\xE9"
         "0",
         ecartE9 * 10},
        {"2147483647", MAX32},
        {"2147483648", MIN32},
        {"4294967295", -1},
        {"4294967296", 0},
        {"123456789012", -1097262572},
        {std::string(40, '9'), -1},
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(ConvertirEntier(texte), attendu) << '"' << texte << '"';
    (void)ConvertirEntier(std::string(1000, '\xFF')); // UBSan stops here on a signed overflow
}

TEST(Parametres, TextesDeLaListeEtNoms)
{
    const std::string texte = TexteProchainDemarrage(3, 12, 2030, 20, 5);
    EXPECT_EQ(texte, "03/12/2030 à 20:05");
    EXPECT_EQ(texte[11], '\xE0') << "the list shows code page 1252";
    EXPECT_EQ(TexteProchainDemarrage(1, 1, 5, 0, 0), "01/01/05 à 00:00");

    EXPECT_EQ(NomTache("Le journal de 20 h"), "Le_journal_de_20_h");
    EXPECT_EQ(NomTache("a\tb\xA0"
                       "c"),
              "a\tb\xA0"
              "c")
        << "only the blank 0x20 is replaced";

    const std::pair<std::string, std::string> cas[] = {
        {"A.job", "A"},         {"Le journal.JOB", "Le journal"},
        {".job", ""},           {"job", "job"},
        {"Ajob", "Ajob"},       {"x.jobs", "x.jobs"},
        {"A.job.job", "A.job"},
    };
    for (const auto& [nom, attendu] : cas)
        EXPECT_EQ(NomSansSuffixeJob(nom), attendu) << nom;
}

// Name, path and parameters must each fit 259 characters; with channel 1 and 3600 s the
// parameters, 41 characters longer than the name, are the first to overflow.
TEST(Parametres, CommandeTient)
{
    EXPECT_EQ(CheminApplication("C:\\TV"), "C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(CheminApplication("C:\\TV\\"), "C:\\TV\\\\WinTV2K.EXE");
    const std::tuple<std::size_t, std::size_t, std::int32_t, bool> cas[] = {
        {5, 218, 3600, true},    {5, 219, 3600, false}, {5, 216, -36000, true},
        {5, 217, -36000, false}, {247, 8, 3600, true},  {248, 8, 3600, false}};
    for (const auto& [dossier, nom, duree, tient] : cas)
        EXPECT_EQ(CommandeTient(std::string(dossier, 'd'), 0, duree, std::string(nom, 'n')), tient)
            << dossier << " " << nom << " " << duree;
}
