#include "editor/DefinitionProgramme.h"

#include "Paris.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>

// The minutes text gives the duration (leading number, clamped so that its seconds fit 32 bits)
// and the end time, counted on the absolute time; none when the sum leaves the 32-bit range.
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
        {std::string("\xA0") + "5", 0, "20:00"}, // a no-break space is not white space in the C locale
        {"1000", 60000, "12:40"},                // the next day
        {std::string(1000, '9'), MINUTES_MAX * 60, ""},
        {"35791395", MINUTES_MAX * 60, "00:40", CTemps(-2000000000)}, // longer than the range, lands inside
        {"-99999999999999999999", -MINUTES_MAX * 60, "", CTemps(-2000000000)},
        {"1", 60, "04:14", CTemps(INT32_MAX - 60)},
        {"1", 60, "", CTemps(INT32_MAX - 59)},
        {"-1", -60, "20:55", CTemps(INT32_MIN + 60)},
        {"-1", -60, "", CTemps(INT32_MIN + 59)},
        {"60", 3600, "00:30", Instant(2030, 12, 3, 23, 30)},
        {"120", 7200, "04:30", Instant(2027, 3, 28, 1, 30)},  // clocks go forward at 02:00
        {"120", 7200, "02:30", Instant(2027, 10, 31, 1, 30)}, // clocks go back at 03:00
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.depart.Secondes() << " + \"" << c.minutes << '"');
        CDefinitionProgramme programme;
        programme.m_heureDepart = c.depart;
        programme.m_minutes = c.minutes;
        programme.m_heureFin = "xx:xx";
        programme.CalculerFin();
        EXPECT_EQ(std::tie(programme.m_dureeSecondes, programme.m_heureFin), std::tie(c.secondes, c.fin));
    }
}

TEST(DefinitionProgramme, ValeursNouvelles)
{
    const CTemps maintenant = Instant(2030, 12, 3, 20, 31, 7);
    CDefinitionProgramme p;
    p.m_chaine = 5;
    p.m_tousLesJours = 1; // the period is not a default of its own: it stays
    p.DefinirValeursNouvelles(maintenant);
    EXPECT_EQ(std::tie(p.m_nomProgramme, p.m_fichier, p.m_minutes, p.m_heureFin, p.m_dureeSecondes,
                       p.m_chaine, p.m_tousLesJours),
              std::make_tuple("WinTV_00", "WinTV_00", "60", "21:31", 3600, 0, 1));
    for (const CTemps t : {p.m_dateDepart, p.m_heureDepart, p.m_dateFin})
        EXPECT_EQ(t.Secondes(), maintenant.Secondes());
}

TEST(DefinitionProgramme, DefinirDossierTV)
{
    // On the heap, m_dossierTV being the last member: a write past it is caught by ASan.
    auto programme = std::make_unique<CDefinitionProgramme>();
    const std::string plusLong(259, 'x');
    EXPECT_TRUE(programme->DefinirDossierTV(plusLong.c_str()));
    EXPECT_EQ(programme->m_dossierTV, plusLong);
    EXPECT_FALSE(programme->DefinirDossierTV(std::string(260, 'y').c_str()));
    EXPECT_STREQ(programme->m_dossierTV, "");
    EXPECT_TRUE(programme->DefinirDossierTV("C:\\TV"));
    EXPECT_STREQ(programme->m_dossierTV, "C:\\TV") << "terminated, over a longer folder";
    EXPECT_FALSE(programme->DefinirDossierTV(nullptr));

    // A text longer than the buffer is refused without being read to its end: 260 characters
    // and no terminator, in a heap block of exactly that size.
    auto sansFin = std::make_unique<char[]>(260);
    std::memset(sansFin.get(), 'w', 260);
    EXPECT_FALSE(programme->DefinirDossierTV(sansFin.get()));
}
