#include "framework/Temps.h"

#include "Paris.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace
{
constexpr std::int32_t MAX32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MIN32 = std::numeric_limits<std::int32_t>::min();
} // namespace

TEST(Temps, LocalEtDepuisLocalSeCorrespondent)
{
    FixerFuseauParis();
    struct Cas
    {
        int annee, mois, jour, heure, minute, seconde;
        std::int32_t secondes; // reference values computed from the tz database
        int jourSemaine;
    };
    const Cas cas[] = {
        {2030, 12, 3, 20, 31, 7, 1922556667, 3}, // winter time, Tuesday
        {2027, 3, 28, 1, 30, 0, 1806193800, 1},  // the night clocks go forward, Sunday
        {2030, 3, 1, 0, 0, 0, 1898550000, 6},    // Friday, month and day below 10
        {2030, 11, 30, 12, 0, 0, 1922266800, 7}, // Saturday
        {1970, 1, 1, 1, 0, 0, 0, 5},             // the epoch is 01:00 in Paris, Thursday
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.secondes);
        CTemps instant;
        ASSERT_TRUE(
            CTemps::DepuisLocal(c.annee, c.mois, c.jour, c.heure, c.minute, c.seconde, instant));
        EXPECT_EQ(instant.Secondes(), c.secondes);

        ChampsLocaux champs;
        ASSERT_TRUE(CTemps(c.secondes).Local(champs));
        EXPECT_EQ(champs.annee, c.annee);
        EXPECT_EQ(champs.mois, c.mois);
        EXPECT_EQ(champs.jour, c.jour);
        EXPECT_EQ(champs.heure, c.heure);
        EXPECT_EQ(champs.minute, c.minute);
        EXPECT_EQ(champs.seconde, c.seconde);
        EXPECT_EQ(champs.jourSemaine, c.jourSemaine);
    }
}

TEST(Temps, DepuisLocalRefuseCeQuiSortDes32Bits)
{
    FixerFuseauParis();
    CTemps instant(123);
    EXPECT_FALSE(CTemps::DepuisLocal(2040, 1, 1, 0, 0, 0, instant));
    EXPECT_FALSE(CTemps::DepuisLocal(1900, 1, 1, 0, 0, 0, instant));
    EXPECT_EQ(instant.Secondes(), 123) << "a refused conversion leaves the result alone";

    // One second before the epoch is a valid instant, although mktime returns -1 for it.
    ASSERT_TRUE(CTemps::DepuisLocal(1970, 1, 1, 0, 59, 59, instant));
    EXPECT_EQ(instant.Secondes(), -1);

    // The last representable second, 2038-01-19 04:14:07 in Paris.
    ASSERT_TRUE(CTemps::DepuisLocal(2038, 1, 19, 4, 14, 7, instant));
    EXPECT_EQ(instant.Secondes(), MAX32);
    EXPECT_FALSE(CTemps::DepuisLocal(2038, 1, 19, 4, 14, 8, instant));
}

TEST(Temps, HeureMinute)
{
    FixerFuseauParis();
    EXPECT_EQ(CTemps(1922556667).HeureMinute(), "20:31");
    EXPECT_EQ(CTemps(1898550000).HeureMinute(), "00:00");
    EXPECT_EQ(CTemps(1898550000 + 9 * 3600 + 5 * 60 + 59).HeureMinute(), "09:05")
        << "seconds are dropped, not rounded";
}

TEST(Temps, PlusResteDansLes32Bits)
{
    struct Cas
    {
        std::int32_t depart;
        std::int64_t duree;
        bool accepte;
        std::int32_t attendu;
    };
    const Cas cas[] = {
        {1000, 3600, true, 4600},
        {1000, -3600, true, -2600},
        {MAX32 - 10, 10, true, MAX32},
        {MAX32 - 10, 11, false, 0},
        {MIN32 + 10, -10, true, MIN32},
        {MIN32 + 10, -11, false, 0},
        // A duration longer than the whole range may still land inside it.
        {-2000000000, 4000000000LL, true, 2000000000},
        {0, std::numeric_limits<std::int64_t>::max(), false, 0},
        {MAX32, std::numeric_limits<std::int64_t>::min(), false, 0},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.depart << " + " << c.duree);
        CTemps resultat(77);
        EXPECT_EQ(CTemps(c.depart).Plus(CDureeTemps(c.duree), resultat), c.accepte);
        EXPECT_EQ(resultat.Secondes(), c.accepte ? c.attendu : 77);
    }
}

TEST(Temps, PlusEstExactAuChangementDHeure)
{
    FixerFuseauParis();
    CTemps avant;
    CTemps apres;
    ASSERT_TRUE(CTemps::DepuisLocal(2027, 3, 28, 1, 30, 0, avant));
    ASSERT_TRUE(CTemps::DepuisLocal(2027, 3, 28, 3, 30, 0, apres));
    EXPECT_EQ(apres.Secondes() - avant.Secondes(), 3600) << "02:00 becomes 03:00 that night";

    CTemps fin;
    ASSERT_TRUE(avant.Plus(CDureeTemps(0, 2, 0, 0), fin));
    EXPECT_EQ(fin.HeureMinute(), "04:30");
}

TEST(Temps, DureeEtEtatDefini)
{
    EXPECT_EQ(CDureeTemps(0, -1, 30, 0).TotalMinutes(), -30);
    EXPECT_FALSE(CTemps().EstDefini());
    EXPECT_TRUE(CTemps(-1).EstDefini());

    const std::int64_t avant = static_cast<std::int64_t>(std::time(nullptr));
    const std::int64_t maintenant = CTemps::Maintenant().Secondes();
    const std::int64_t apres = static_cast<std::int64_t>(std::time(nullptr));
    EXPECT_LE(avant, maintenant);
    EXPECT_LE(maintenant, apres);
}
