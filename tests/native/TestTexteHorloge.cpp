#include "mainwindow/TexteHorloge.h"

#include "Paris.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace
{
std::string HorlogeA(std::int32_t secondes)
{
    ChampsLocaux champs;
    EXPECT_TRUE(CTemps(secondes).Local(champs));
    return TexteHorloge(champs);
}

std::string HorlogeA(int annee, int mois, int jour, int heure, int minute, int seconde)
{
    CTemps instant;
    EXPECT_TRUE(CTemps::DepuisLocal(annee, mois, jour, heure, minute, seconde, instant));
    return HorlogeA(instant.Secondes());
}
} // namespace

TEST(TexteHorloge, NomsDesJours)
{
    const char* const attendus[] = {"Dimanche", "Lundi",    "Mardi", "Mercredi",
                                    "Jeudi",    "Vendredi", "Samedi"};
    for (int jour = 1; jour <= 7; ++jour)
        EXPECT_STREQ(NomJourSemaine(jour), attendus[jour - 1]) << jour;
    for (int horsTable : {0, 8, -1, 100})
        EXPECT_STREQ(NomJourSemaine(horsTable), "") << horsTable;
}

TEST(TexteHorloge, InstantsChoisis)
{
    FixerFuseauParis();
    struct Cas
    {
        int annee, mois, jour, heure, minute, seconde;
        std::string attendu;
    };
    const Cas cas[] = {
        {2030, 12, 3, 20, 31, 7, "Mardi 03/12/2030\n\n 20:31:07"},
        {2030, 12, 1, 12, 0, 0, "Dimanche 01/12/2030\n\n 12:00:00"},
        {2030, 11, 30, 12, 0, 0, "Samedi 30/11/2030\n\n 12:00:00"},
        {2030, 3, 1, 0, 0, 0, "Vendredi 01/03/2030\n\n 00:00:00"},
        {2030, 12, 3, 20, 5, 9, "Mardi 03/12/2030\n\n 20:05:09"},
        {2030, 12, 3, 8, 5, 9, "Mardi 03/12/2030\n\n 08:05:09"},
        {2027, 7, 14, 13, 0, 0, "Mercredi 14/07/2027\n\n 13:00:00"}, // summer time
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.attendu);
        EXPECT_EQ(HorlogeA(c.annee, c.mois, c.jour, c.heure, c.minute, c.seconde), c.attendu);
    }
}

TEST(TexteHorloge, MinuitChangeLeJourEtLaDateEnsemble)
{
    FixerFuseauParis();
    CTemps avant;
    ASSERT_TRUE(CTemps::DepuisLocal(2030, 12, 31, 23, 59, 59, avant));
    EXPECT_EQ(HorlogeA(avant.Secondes()), "Mardi 31/12/2030\n\n 23:59:59");
    EXPECT_EQ(HorlogeA(avant.Secondes() + 1), "Mercredi 01/01/2031\n\n 00:00:00");
}
