#include "editor/DefinitionProgramme.h"

#include "Paris.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr std::int64_t SECONDES_MAX = MINUTES_MAX * 60;
} // namespace

// The minutes text gives the duration (leading number, clamped so that its seconds fit 32 bits)
// and the end time, counted on the absolute time.
TEST(DefinitionProgramme, MinutesEtFin)
{
    struct Cas
    {
        std::string minutes;
        std::int64_t secondes;
        std::string fin;
        CTemps depart = Instant(2030, 12, 3, 20, 0, 59);
    };
    const Cas cas[] = {
        {"90abc", 5400, "21:30"},
        {"abc", 0, "20:00"},
        {" \t\n\v\f\r45", 2700, "20:45"},
        {"-30", -1800, "19:30"},
        {"+15", 900, "20:15"},
        {"- 5", 0, "20:00"},
        {"--5", 0, "20:00"},
        {"0x10", 0, "20:00"},
        {"\xA0"
         "5",
         0, "20:00"},                 // a no-break space is not white space in the C locale
        {"1000", 60000, "12:40"},     // the next day
        {"35791394", 2147483640, ""}, // past 2038: no end to show
        {"35791395", SECONDES_MAX, ""},
        {std::string(1000, '9'), SECONDES_MAX, ""},
        {"-99999999999999999999", -SECONDES_MAX, "", CTemps(-2000000000)},
        {"60", 3600, "00:30", Instant(2030, 12, 3, 23, 30)},
        {"120", 7200, "04:30", Instant(2027, 3, 28, 1, 30)},  // clocks go forward at 02:00
        {"120", 7200, "02:30", Instant(2027, 10, 31, 1, 30)}, // clocks go back at 03:00
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.depart.Secondes() << " + \"" << c.minutes << '"');
        EXPECT_EQ(MinutesEnDuree(c.minutes).TotalSecondes(), c.secondes);
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
    const CTemps maintenant = Instant(2030, 12, 3, 20, 31, 7);
    CDefinitionProgramme programme;
    programme.m_chaine = 5;
    programme.m_tousLesJours = 1; // the period is not a default of its own: it stays
    programme.DefinirValeursNouvelles(maintenant);
    EXPECT_EQ(programme.m_nomProgramme, "WinTV_00");
    EXPECT_EQ(programme.m_fichier, "WinTV_00");
    EXPECT_EQ(programme.m_minutes, "60");
    for (const CTemps t : {programme.m_dateDepart, programme.m_heureDepart, programme.m_dateFin})
        EXPECT_EQ(t.Secondes(), maintenant.Secondes());
    EXPECT_EQ(programme.m_heureFin, "21:31");
    EXPECT_EQ(programme.m_dureeSecondes, 3600);
    EXPECT_EQ(programme.m_chaine, 0);
    EXPECT_EQ(programme.m_tousLesJours, 1);
}

TEST(DefinitionProgramme, DefinirDossierTV)
{
    // On the heap, m_dossierTV being the last member: a write past it is caught by ASan.
    auto programme = std::make_unique<CDefinitionProgramme>();
    const std::string plusLong(259, 'x');
    EXPECT_TRUE(programme->DefinirDossierTV(plusLong.c_str()));
    EXPECT_EQ(std::string(programme->m_dossierTV), plusLong);
    EXPECT_FALSE(programme->DefinirDossierTV(std::string(260, 'y').c_str()));
    EXPECT_STREQ(programme->m_dossierTV, "");
    EXPECT_TRUE(programme->DefinirDossierTV("C:\\TV"));
    EXPECT_STREQ(programme->m_dossierTV, "C:\\TV") << "terminated, over a longer folder";
    EXPECT_FALSE(programme->DefinirDossierTV(nullptr));
    EXPECT_STREQ(programme->m_dossierTV, "");

    // A text longer than the buffer is refused without being read to its end: 260 characters
    // and no terminator, in a heap block of exactly that size.
    auto sansFin = std::make_unique<char[]>(260);
    std::memset(sansFin.get(), 'w', 260);
    EXPECT_FALSE(programme->DefinirDossierTV(sansFin.get()));
}
