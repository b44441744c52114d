#include "editor/DefinitionProgramme.h"

#include "Paris.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr std::int64_t SECONDES_MAX = MINUTES_MAX * 60;
} // namespace

TEST(DefinitionProgramme, MinutesEnDuree)
{
    struct Cas
    {
        std::string minutes;
        std::int64_t secondes;
    };
    const Cas cas[] = {
        {"90", 5400},
        {"90abc", 5400},
        {"abc", 0},
        {"", 0},
        {" 45", 2700},
        {" \t\n\v\f\r45", 2700},
        {"-30", -1800},
        {"+15", 900},
        {"1000", 60000},
        {"0060", 3600},
        {"- 5", 0},
        {"--5", 0},
        {"5 0", 300},
        {"0x10", 0},
        {"\xA0"
         "5",
         0}, // a no-break space is not white space in the C locale
        {"35791394", 2147483640},
        {"35791395", SECONDES_MAX},
        {"99999999999999999999", SECONDES_MAX},
        {"-99999999999999999999", -SECONDES_MAX},
        {std::string(1000, '9'), SECONDES_MAX},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << '"' << c.minutes << '"');
        const CDureeTemps duree = MinutesEnDuree(c.minutes);
        EXPECT_EQ(duree.TotalSecondes(), c.secondes);
        EXPECT_EQ(duree.TotalMinutes() * 60, c.secondes) << "whole minutes only";
    }
}

TEST(DefinitionProgramme, CalculerFin)
{
    FixerFuseauParis();
    struct Cas
    {
        CTemps depart;
        std::string minutes;
        std::int32_t secondes;
        std::string fin;
    };
    const CTemps soir = Instant(2030, 12, 3, 20, 0, 59);
    const Cas cas[] = {
        {soir, "90", 5400, "21:30"},
        {soir, "90abc", 5400, "21:30"},
        {soir, "abc", 0, "20:00"},
        {soir, "", 0, "20:00"},
        {soir, " 45", 2700, "20:45"},
        {soir, "-30", -1800, "19:30"},
        {soir, "1000", 60000, "12:40"}, // the next day
        {Instant(2030, 12, 3, 23, 30), "60", 3600, "00:30"},
        // Clocks go forward at 02:00: two hours of recording end at 04:30 local time.
        {Instant(2027, 3, 28, 1, 30), "120", 7200, "04:30"},
        // Clocks go back at 03:00: two hours end at 02:30 local time.
        {Instant(2027, 10, 31, 1, 30), "120", 7200, "02:30"},
        // The end would be past 2038: no time to show, the duration is still the clamped one.
        {soir, "99999999999999999999", static_cast<std::int32_t>(SECONDES_MAX), ""},
        {CTemps(-2000000000), "-99999999999999999999", static_cast<std::int32_t>(-SECONDES_MAX),
         ""},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.depart.Secondes() << " + \"" << c.minutes << '"');
        CDefinitionProgramme programme;
        programme.m_heureDepart = c.depart;
        programme.m_minutes = c.minutes;
        programme.m_heureFin = "xx:xx";
        programme.CalculerFin();
        EXPECT_EQ(programme.m_dureeSecondes, c.secondes);
        EXPECT_EQ(programme.m_heureFin, c.fin);
        EXPECT_EQ(programme.m_heureDepart.Secondes(), c.depart.Secondes());
    }
}

TEST(DefinitionProgramme, ValeursNouvelles)
{
    FixerFuseauParis();
    const CTemps maintenant = Instant(2030, 12, 3, 20, 31, 7);
    CDefinitionProgramme programme;
    programme.m_chaine = 5;
    programme.m_dureeSecondes = 12;
    // Period, weekdays and shutdown are not defaults of their own: whatever is there stays.
    programme.m_uneFois = 0;
    programme.m_tousLesJours = 1;
    programme.m_lundi = 1;
    programme.m_arreter = 1;
    programme.DefinirValeursNouvelles(maintenant);

    EXPECT_EQ(programme.m_nomProgramme, "WinTV_00");
    EXPECT_EQ(programme.m_fichier, "WinTV_00");
    EXPECT_EQ(programme.m_minutes, "60");
    EXPECT_EQ(programme.m_dateDepart.Secondes(), maintenant.Secondes());
    EXPECT_EQ(programme.m_heureDepart.Secondes(), maintenant.Secondes());
    EXPECT_EQ(programme.m_dateFin.Secondes(), maintenant.Secondes());
    EXPECT_EQ(programme.m_heureFin, "21:31");
    EXPECT_EQ(programme.m_dureeSecondes, 3600);
    EXPECT_EQ(programme.m_chaine, 0);
    EXPECT_EQ(programme.m_uneFois, 0);
    EXPECT_EQ(programme.m_tousLesJours, 1);
    EXPECT_EQ(programme.m_lundi, 1);
    EXPECT_EQ(programme.m_arreter, 1);

    CDefinitionProgramme tard;
    tard.DefinirValeursNouvelles(Instant(2030, 12, 31, 23, 15));
    EXPECT_EQ(tard.m_heureFin, "00:15");
}

TEST(DefinitionProgramme, DefinirDossierTV)
{
    // On the heap, m_dossierTV being the last member: a write past it is caught by ASan.
    auto programme = std::make_unique<CDefinitionProgramme>();

    EXPECT_TRUE(programme->DefinirDossierTV("C:\\TV"));
    EXPECT_STREQ(programme->m_dossierTV, "C:\\TV");

    const std::string plusLong(259, 'x');
    EXPECT_TRUE(programme->DefinirDossierTV(plusLong.c_str()));
    EXPECT_EQ(std::string(programme->m_dossierTV), plusLong);

    EXPECT_FALSE(programme->DefinirDossierTV(std::string(260, 'y').c_str()));
    EXPECT_STREQ(programme->m_dossierTV, "");

    EXPECT_TRUE(programme->DefinirDossierTV("C:\\TV"));
    EXPECT_FALSE(programme->DefinirDossierTV(std::string(5000, 'z').c_str()));
    EXPECT_STREQ(programme->m_dossierTV, "");

    EXPECT_TRUE(programme->DefinirDossierTV("C:\\TV"));
    EXPECT_FALSE(programme->DefinirDossierTV(nullptr));
    EXPECT_STREQ(programme->m_dossierTV, "");

    EXPECT_TRUE(programme->DefinirDossierTV(""));
    EXPECT_STREQ(programme->m_dossierTV, "");

    // A text longer than the buffer is refused without being read to its end: 260 characters
    // and no terminator, in a heap block of exactly that size.
    auto sansFin = std::make_unique<char[]>(260);
    std::memset(sansFin.get(), 'w', 260);
    EXPECT_FALSE(programme->DefinirDossierTV(sansFin.get()));
    EXPECT_STREQ(programme->m_dossierTV, "");
}
