#include "tasks/ChaineParametres.h"
#include "tasks/LectureParametres.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>

// What the list and the editor read back (recognised, file, recording word, channel, duration)
// from the parameter strings the program writes, and from texts it did not write: other tools'
// work items, names with a blank, damaged numbers.
TEST(Parametres, EcritsPuisRelus)
{
    using Lu = std::tuple<std::string, bool, std::string, std::string, std::int32_t, std::string>;
    EXPECT_EQ(ConstruireParametres(0, 3600, "WinTV_00"), " -c1 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600");
    const Lu cas[] = {
        {ConstruireParametres(0, 3600, "WinTV_00"), true, "WinTV_00.mpg", "qvcd", 0, "01:00:00"},
        {ConstruireParametres(-1, 0, ""), true, ".mpg", "qvcd", -1, "00:00:00"},
        {ConstruireParametres(98, 86399, "a.b"), true, "a.b.mpg", "qvcd", 98, "23:59:59"},
        {ConstruireParametres(4, 90000, "a"), true, "a.mpg", "qvcd", 4, "01:00:00"},   // days not shown
        {ConstruireParametres(4, -1800, "a"), true, "a.mpg", "qvcd", 4, "-07:-50:00"}, // '-' counts -3
        {ConstruireParametres(INT32_MAX, INT32_MIN, "a"), true, "a.mpg", "qvcd", INT32_MAX, "-11:-16:-16"},
        {" -C1 -Startr:x -Limit:60", false, "", "", -1, ""},
        {"-c -startr:Mon film.mpg -qvcd", true, "Mon", "ilm.mpg", -1, ""},
        {"-c12 xstartr:a.mpg -b -startr:c.mpg -limit:60 x", true, "a.mpg", "b", 11, "01:38:32"},
        {"-startr:", true, "", "", -1, ""},
        {"-limit:", false, "", "", -1, "00:00:00"},
    };
    for (const Lu& attendu : cas)
    {
        const std::string& texte = std::get<0>(attendu);
        const LigneLue ligne = LireLigne(texte);
        EXPECT_EQ(Lu(texte, ligne.reconnue, ligne.nomFichier, ligne.enregistrement, LireChaine(texte),
                     TexteDuree(texte)),
                  attendu);
    }
}

// Only the blank ends a word. Every character counts with its distance from '0', digits or not;
// past nine digits the sum wraps modulo 2^32.
TEST(Parametres, MotsEtEntiers)
{
    const std::pair<std::int32_t, std::string> mots[] = {{0, "abc"}, {4, "def"},      {3, ""},
                                                         {7, ""},    {INT32_MAX, ""}, {-1, ""}};
    for (const auto& [debut, attendu] : mots)
        EXPECT_EQ(ExtraireMot("abc def", debut), attendu) << debut;
    EXPECT_EQ(ExtraireMot("a\tb,c\nd e", 0), "a\tb,c\nd");

    // clang-format off
    const std::pair<std::string, std::int32_t> entiers[] = {
        {"", 0}, {"007", 7}, {" 5", -155}, {"\xE9", static_cast<char>(0xE9) - '0'},
        {"2147483647", INT32_MAX}, {"2147483648", INT32_MIN}, {"4294967296", 0},
        {"123456789012", -1097262572}, {std::string(40, '9'), -1},
    };
    // clang-format on
    for (const auto& [texte, attendu] : entiers)
        EXPECT_EQ(ConvertirEntier(texte), attendu) << '"' << texte << '"';
    (void)ConvertirEntier(std::string(1000, '\xFF')); // UBSan stops here on a signed overflow
}

TEST(Parametres, TextesDeLaListeEtNoms)
{
    EXPECT_EQ(TexteProchainDemarrage(3, 12, 2030, 20, 5), "03/12/2030 \xE0 20:05"); // code page 1252
    EXPECT_EQ(TexteProchainDemarrage(1, 1, 5, 0, 0), "01/01/05 \xE0 00:00");
    EXPECT_EQ(NomTache("Le journal\tde 20 h\xA0"), "Le_journal\tde_20_h\xA0") << "only 0x20 is replaced";

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
    EXPECT_EQ(CheminApplication("C:\\TV\\"), "C:\\TV\\\\WinTV2K.EXE");
    const std::tuple<std::size_t, std::size_t, bool> cas[] = {
        {5, 218, true}, {5, 219, false}, {247, 8, true}, {248, 8, false}};
    for (const auto& [dossier, nom, tient] : cas)
        EXPECT_EQ(CommandeTient(std::string(dossier, 'd'), 0, 3600, std::string(nom, 'n')), tient)
            << dossier << " " << nom;
}
