#include "framework/Temps.h"
#include "mainwindow/TexteHorloge.h"

#include "Paris.h"

#include <cstdint>
#include <string>
#include <tuple>

// Local calendar time, seconds count (from the tz database) and the clock text, both ways: every
// weekday once, padded fields, midnight, the year's end, both sides of the epoch, the
// spring-forward night, summer time, the last 32-bit second. The sums of Plus are checked with
// the end time of a programme (TestDefinitionProgramme.cpp).
TEST(Temps, CalendrierSecondesEtHorloge)
{
    const std::tuple<int, int, int, int, int, int, std::int32_t, std::string> cas[] = {
        {1970, 1, 1, 0, 59, 59, -1, "Jeudi 01/01/1970\n\n 00:59:59"}, // mktime's -1 is an instant
        {1970, 1, 1, 1, 0, 0, 0, "Jeudi 01/01/1970\n\n 01:00:00"},
        {2027, 3, 28, 1, 30, 7, 1806193807, "Dimanche 28/03/2027\n\n 01:30:07"},
        {2027, 7, 14, 13, 0, 0, 1815562800, "Mercredi 14/07/2027\n\n 13:00:00"},
        {2030, 12, 2, 8, 5, 59, 1922425559, "Lundi 02/12/2030\n\n 08:05:59"},
        {2030, 3, 1, 0, 0, 0, 1898550000, "Vendredi 01/03/2030\n\n 00:00:00"},
        {2030, 11, 30, 12, 0, 0, 1922266800, "Samedi 30/11/2030\n\n 12:00:00"},
        {2030, 12, 31, 23, 59, 59, 1924988399, "Mardi 31/12/2030\n\n 23:59:59"},
        {2038, 1, 19, 4, 14, 7, INT32_MAX, "Mardi 19/01/2038\n\n 04:14:07"},
    };
    for (const auto& [annee, mois, jour, heure, minute, seconde, secondes, horloge] : cas)
    {
        SCOPED_TRACE(horloge);
        CTemps instant;
        ASSERT_TRUE(CTemps::DepuisLocal(annee, mois, jour, heure, minute, seconde, instant));
        EXPECT_EQ(instant.Secondes(), secondes);
        ChampsLocaux champs;
        ASSERT_TRUE(CTemps(secondes).Local(champs));
        EXPECT_EQ(TexteHorloge(champs), horloge);
        EXPECT_EQ(CTemps(secondes).HeureMinute(), horloge.substr(horloge.size() - 8, 5)) << "no rounding";
    }
    EXPECT_EQ(std::string(NomJourSemaine(0)) + NomJourSemaine(8), "");

    CTemps instant(123);
    EXPECT_FALSE(CTemps::DepuisLocal(2038, 1, 19, 4, 14, 8, instant));
    EXPECT_FALSE(CTemps::DepuisLocal(1900, 1, 1, 0, 0, 0, instant));
    EXPECT_EQ(instant.Secondes(), 123) << "a refused conversion leaves the result alone";
    EXPECT_NEAR(CTemps::Maintenant().Secondes(), static_cast<double>(std::time(nullptr)), 2);
}
