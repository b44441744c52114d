#include "tasks/ChampsDeclencheur.h"

#include "Paris.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
enum class Periode
{
    UneFois,
    Quotidien,
    Hebdomadaire
};

// A programme of the given period from 6 to 31 December 2026 at 20:45.
CDefinitionProgramme Programme(Periode periode)
{
    CDefinitionProgramme programme;
    programme.m_uneFois = periode == Periode::UneFois;
    programme.m_tousLesJours = periode == Periode::Quotidien;
    programme.m_toutesLesSemaines = periode == Periode::Hebdomadaire;
    programme.m_dateDepart = Instant(2026, 12, 6, 9, 10);
    programme.m_heureDepart = Instant(2026, 12, 6, 20, 45);
    programme.m_dateFin = Instant(2026, 12, 31, 7, 0);
    return programme;
}

// The fields that no kind of trigger ever sets.
void VerifierChampsFixes(const ChampsDeclencheur& champs)
{
    EXPECT_EQ(champs.cbTriggerSize, 48u);
    EXPECT_EQ(champs.Reserved1, 0u);
    EXPECT_EQ(champs.MinutesDuration, 0u);
    EXPECT_EQ(champs.MinutesInterval, 0u);
    EXPECT_EQ(champs.Reserved2, 0u);
    EXPECT_EQ(champs.wRandomMinutesInterval, 0u);
}
} // namespace

TEST(ChampsDeclencheur, ParPeriode)
{
    FixerFuseauParis();
    struct Cas
    {
        Periode periode;
        std::uint32_t type;
        std::uint32_t drapeaux;
        std::uint16_t intervalle;
        std::uint16_t finAnnee, finMois, finJour;
    };
    const Cas cas[] = {
        {Periode::UneFois, TYPE_UNE_FOIS, 0, 0, 0, 0, 0},
        {Periode::Quotidien, TYPE_QUOTIDIEN, 0x1, 1, 2026, 12, 31},
        {Periode::Hebdomadaire, TYPE_HEBDOMADAIRE, 0x1, 1, 2026, 12, 31},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.type);
        CDefinitionProgramme programme = Programme(c.periode);
        // Weekday flags count only for a weekly trigger, the end date not for a once one.
        programme.m_lundi = programme.m_samedi = 1;
        const ChampsDeclencheur champs = ChampsDepuisProgramme(programme);
        VerifierChampsFixes(champs);
        EXPECT_EQ(champs.TriggerType, c.type);
        EXPECT_EQ(champs.rgFlags, c.drapeaux);
        EXPECT_EQ(champs.intervalle, c.intervalle);
        EXPECT_EQ(champs.wBeginYear, 2026u);
        EXPECT_EQ(champs.wBeginMonth, 12u);
        EXPECT_EQ(champs.wBeginDay, 6u);
        EXPECT_EQ(champs.wEndYear, c.finAnnee);
        EXPECT_EQ(champs.wEndMonth, c.finMois);
        EXPECT_EQ(champs.wEndDay, c.finJour);
        EXPECT_EQ(champs.wStartHour, 20u);
        EXPECT_EQ(champs.wStartMinute, 45u);
        EXPECT_EQ(champs.rgfDaysOfTheWeek, c.periode == Periode::Hebdomadaire ? 0x42u : 0u);
    }
}

TEST(ChampsDeclencheur, MasqueDesJours)
{
    FixerFuseauParis();
    struct Cas
    {
        int dimanche, lundi, mardi, mercredi, jeudi, vendredi, samedi;
        std::uint16_t masque;
    };
    const Cas cas[] = {
        {0, 1, 0, 0, 0, 1, 0, 0x22},  {1, 1, 1, 1, 1, 1, 1, 0x7F},
        {1, 0, 0, 0, 0, 0, 0, 0x01},  {0, 0, 0, 0, 0, 0, 0, 0x00},
        {0, 0, 1, 0, 0, 0, 0, 0x04},  {0, 0, 0, 1, 0, 0, 0, 0x08},
        {0, 0, 0, 0, 1, 0, 0, 0x10},  {0, 0, 0, 0, 0, 0, 1, 0x40},
        {5, 0, 0, 0, 0, -1, 0, 0x21}, // any non-zero value counts
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.masque);
        CDefinitionProgramme programme = Programme(Periode::Hebdomadaire);
        programme.m_dimanche = c.dimanche;
        programme.m_lundi = c.lundi;
        programme.m_mardi = c.mardi;
        programme.m_mercredi = c.mercredi;
        programme.m_jeudi = c.jeudi;
        programme.m_vendredi = c.vendredi;
        programme.m_samedi = c.samedi;
        EXPECT_EQ(MasqueJours(programme), c.masque);
        const ChampsDeclencheur champs = ChampsDepuisProgramme(programme);
        EXPECT_EQ(champs.TriggerType, TYPE_HEBDOMADAIRE);
        EXPECT_EQ(champs.rgfDaysOfTheWeek, c.masque);
    }
}

TEST(ChampsDeclencheur, ChoixDeLaPeriode)
{
    FixerFuseauParis();
    struct Cas
    {
        int uneFois, tousLesJours, toutesLesSemaines;
        std::uint32_t type;
    };
    const Cas cas[] = {
        {1, 1, 0, TYPE_UNE_FOIS},     {1, 1, 1, TYPE_UNE_FOIS},   {7, 0, 0, TYPE_UNE_FOIS},
        {0, 1, 1, TYPE_QUOTIDIEN},    {0, -2, 0, TYPE_QUOTIDIEN}, {0, 0, 0, TYPE_HEBDOMADAIRE},
        {0, 0, 1, TYPE_HEBDOMADAIRE},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.uneFois << c.tousLesJours << c.toutesLesSemaines);
        CDefinitionProgramme programme = Programme(Periode::UneFois);
        programme.m_uneFois = c.uneFois;
        programme.m_tousLesJours = c.tousLesJours;
        programme.m_toutesLesSemaines = c.toutesLesSemaines;
        EXPECT_EQ(ChampsDepuisProgramme(programme).TriggerType, c.type);
    }
}

TEST(ChampsDeclencheur, DateEtHeureViennentDeDeuxMembres)
{
    FixerFuseauParis();
    CDefinitionProgramme programme = Programme(Periode::Quotidien);
    // Seconds are dropped, not rounded; the date carried by the start time does not count.
    programme.m_heureDepart = Instant(2031, 6, 15, 20, 45, 59);
    ChampsDeclencheur champs = ChampsDepuisProgramme(programme);
    EXPECT_EQ(champs.wBeginYear, 2026u);
    EXPECT_EQ(champs.wBeginMonth, 12u);
    EXPECT_EQ(champs.wBeginDay, 6u);
    EXPECT_EQ(champs.wStartHour, 20u);
    EXPECT_EQ(champs.wStartMinute, 45u);

    // Likewise the time of day of the first and last dates does not count.
    programme.m_dateDepart = Instant(2026, 12, 6, 23, 59, 59);
    programme.m_dateFin = Instant(2026, 12, 31, 0, 0, 0);
    programme.m_heureDepart = Instant(2026, 12, 1, 0, 0, 0);
    champs = ChampsDepuisProgramme(programme);
    EXPECT_EQ(champs.wBeginDay, 6u);
    EXPECT_EQ(champs.wEndDay, 31u);
    EXPECT_EQ(champs.wStartHour, 0u);
    EXPECT_EQ(champs.wStartMinute, 0u);

    // Summer time: the local hour, not the UTC one.
    programme.m_heureDepart = Instant(2027, 7, 1, 6, 5, 0);
    EXPECT_EQ(ChampsDepuisProgramme(programme).wStartHour, 6u);
}

// The companion runs once, 5 minutes after the end of the recording's first run, counted on
// the absolute time: midnight, the year's end and the spring-forward night follow.
TEST(ChampsDeclencheur, ChampsArret)
{
    FixerFuseauParis();
    struct Cas
    {
        std::uint16_t annee, mois, jour, heure, minute;
        std::int32_t duree;
        std::uint16_t aAnnee, aMois, aJour, aHeure, aMinute;
    };
    const Cas cas[] = {
        {2026, 12, 7, 20, 0, 3600, 2026, 12, 7, 21, 5},
        {2026, 12, 7, 23, 30, 3600, 2026, 12, 8, 0, 35},
        {2026, 12, 31, 23, 30, 3600, 2027, 1, 1, 0, 35},
        {2027, 2, 28, 23, 58, 0, 2027, 3, 1, 0, 3},
        {2026, 12, 7, 20, 0, 0, 2026, 12, 7, 20, 5},
        {2027, 3, 28, 1, 30, 7200, 2027, 3, 28, 4, 35},
        {2027, 10, 31, 1, 30, 7200, 2027, 10, 31, 2, 35},
        {2026, 12, 7, 20, 0, -1800, 2026, 12, 7, 19, 35},
    };
    for (const Cas& c : cas)
    {
        ChampsDeclencheur enregistrement;
        enregistrement.wBeginYear = c.annee;
        enregistrement.wBeginMonth = c.mois;
        enregistrement.wBeginDay = c.jour;
        enregistrement.wStartHour = c.heure;
        enregistrement.wStartMinute = c.minute;
        enregistrement.TriggerType = TYPE_HEBDOMADAIRE;
        enregistrement.rgFlags = DRAPEAU_DATE_FIN;
        enregistrement.wEndYear = 2030;
        enregistrement.rgfDaysOfTheWeek = 0x7F;
        ChampsDeclencheur arret;
        arret.wEndYear = 0xCFCF; // a field the rule forgot shows up
        ASSERT_TRUE(ChampsArret(enregistrement, c.duree, arret));
        SCOPED_TRACE(std::to_string(c.jour) + "/" + std::to_string(c.mois) + " " + std::to_string(c.heure));
        EXPECT_EQ(arret.wBeginYear, c.aAnnee);
        EXPECT_EQ(arret.wBeginMonth, c.aMois);
        EXPECT_EQ(arret.wBeginDay, c.aJour);
        EXPECT_EQ(arret.wStartHour, c.aHeure);
        EXPECT_EQ(arret.wStartMinute, c.aMinute);
        EXPECT_EQ(arret.TriggerType, TYPE_UNE_FOIS);
        EXPECT_EQ(arret.rgFlags, DRAPEAU_ARRET_A_LA_FIN);
        EXPECT_EQ(arret.wEndYear + arret.wEndMonth + arret.wEndDay, 0);
        EXPECT_EQ(arret.intervalle + arret.rgfDaysOfTheWeek, 0);
        VerifierChampsFixes(arret);
    }

    // An instant past the program's date-time range gives no companion time.
    ChampsDeclencheur loin;
    loin.wBeginYear = 2038;
    loin.wBeginMonth = 1;
    loin.wBeginDay = 19;
    loin.wStartHour = 4;
    ChampsDeclencheur arret;
    EXPECT_FALSE(ChampsArret(loin, 3600, arret));
}
