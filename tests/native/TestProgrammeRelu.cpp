#include "tasks/ProgrammeRelu.h"

#include "Paris.h"

#include <gtest/gtest.h>

namespace
{
ChampsDeclencheur Declencheur(std::uint32_t type, std::uint16_t masque = 0)
{
    ChampsDeclencheur d;
    d.TriggerType = type;
    d.wBeginYear = 2027;
    d.wBeginMonth = 3;
    d.wBeginDay = 28;
    d.wStartHour = 20;
    d.wStartMinute = 45;
    if (type != TYPE_UNE_FOIS)
    {
        d.rgFlags = DRAPEAU_DATE_FIN;
        d.intervalle = 1;
        d.wEndYear = 2027;
        d.wEndMonth = 6;
        d.wEndDay = 30;
        d.rgfDaysOfTheWeek = masque;
    }
    return d;
}

// The flags in week order, Sunday first.
std::string Jours(const CDefinitionProgramme& p)
{
    std::string jours;
    for (const std::int32_t j : {p.m_dimanche, p.m_lundi, p.m_mardi, p.m_mercredi, p.m_jeudi, p.m_vendredi, p.m_samedi})
        jours += j != 0 ? 'x' : '.';
    return jours;
}
} // namespace

TEST(ProgrammeRelu, PeriodeDatesEtJours)
{
    FixerFuseauParis();
    const CTemps finParDefaut = Instant(2026, 12, 7, 10, 0);
    struct Cas
    {
        ChampsDeclencheur declencheur;
        int uneFois, tousLesJours, toutesLesSemaines;
        CTemps dateFin;
        std::string jours;
    };
    const Cas cas[] = {
        {Declencheur(TYPE_UNE_FOIS), 1, 0, 0, finParDefaut, "......."},
        {Declencheur(TYPE_QUOTIDIEN, 0x7F), 0, 1, 0, Instant(2027, 6, 30, 0, 0), "......."},
        {Declencheur(TYPE_HEBDOMADAIRE, 0x40), 0, 0, 1, Instant(2027, 6, 30, 0, 0), "......x"},
        {Declencheur(TYPE_HEBDOMADAIRE, 0x60), 0, 0, 1, Instant(2027, 6, 30, 0, 0), ".....xx"},
        {Declencheur(TYPE_HEBDOMADAIRE, 0xFF), 0, 0, 1, Instant(2027, 6, 30, 0, 0), "xxxxxxx"},
        // A trigger of another type is taken as weekly.
        {Declencheur(3, 0x01), 0, 0, 1, Instant(2027, 6, 30, 0, 0), "x......"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.declencheur.TriggerType);
        CDefinitionProgramme p;
        p.m_dateFin = finParDefaut;
        ASSERT_TRUE(RelireProgramme(" -c12 -ntod -startr:Journal.mpg -qvcd -limit:5400",
                                    c.declencheur, "Journal.mpg", "01:30:00", p));
        EXPECT_EQ(p.m_uneFois, c.uneFois);
        EXPECT_EQ(p.m_tousLesJours, c.tousLesJours);
        EXPECT_EQ(p.m_toutesLesSemaines, c.toutesLesSemaines);
        EXPECT_EQ(p.m_dateFin.Secondes(), c.dateFin.Secondes());
        EXPECT_EQ(Jours(p), c.jours);
        // The start on the spring-forward day, and its date at midnight.
        EXPECT_EQ(p.m_heureDepart.Secondes(), Instant(2027, 3, 28, 20, 45).Secondes());
        EXPECT_EQ(p.m_dateDepart.Secondes(), Instant(2027, 3, 28, 0, 0).Secondes());
        EXPECT_EQ(p.m_chaine, 11);
        EXPECT_EQ(p.m_fichier, "Journal");
        EXPECT_EQ(p.m_nomProgramme, "Journal");
        EXPECT_EQ(p.m_minutes, "90");
    }
}

// The duration column read back into the editor's minutes: only the list's own "HH:MM:SS".
// A sign or a blank before a field is another form: scanned as unsigned, "-3:59:59" gave -121
// minutes (found by fuzz/FuzzRelireProgramme).
TEST(ProgrammeRelu, MinutesDeDuree)
{
    struct Cas
    {
        std::string duree;
        std::int32_t minutes;
    };
    const Cas cas[] = {
        {"01:30:00", 90}, {"00:00:59", 0}, {"23:59:59", 1439}, {"99:99:99", 6039},
        {"", 0},          {"x", 0},        {"-3:59:59", 0},    {"-1:30:00", 0},
        {"-0:30:00", 0},  {"00:-1:00", 0}, {"+1:30:00", 0},    {" 1:30:00", 0},
        {"1:3:0", 0},     {"01:30:0", 0},  {"01:30:00x", 0},   {"01-30-00", 0},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.duree);
        EXPECT_EQ(MinutesDeDuree(c.duree), c.minutes);
    }
}

TEST(ProgrammeRelu, TextesDeLaLigneEtChaine)
{
    EXPECT_EQ(FichierDeColonne("WinTV_00.mpg"), "WinTV_00");
    EXPECT_EQ(FichierDeColonne(".mpg"), "");
    EXPECT_EQ(FichierDeColonne("abc"), "");
    EXPECT_EQ(FichierDeColonne(""), "");

    FixerFuseauParis();
    CDefinitionProgramme p;
    ASSERT_TRUE(RelireProgramme(" -ntod -startr:x.mpg", Declencheur(TYPE_UNE_FOIS), "x.mpg", "", p));
    EXPECT_EQ(p.m_chaine, -1) << "no -c: no channel chosen";
}

TEST(ProgrammeRelu, UnDeclencheurEndommageNEstPasRelu)
{
    FixerFuseauParis();
    ChampsDeclencheur sansFin = Declencheur(TYPE_QUOTIDIEN);
    sansFin.wEndYear = sansFin.wEndMonth = sansFin.wEndDay = 0;
    CDefinitionProgramme p;
    ASSERT_TRUE(RelireProgramme("", sansFin, "", "", p));
    EXPECT_EQ(p.m_dateFin.Secondes(), Instant(ANNEE_FIN_SANS_LIMITE, 12, 31, 0, 0).Secondes());

    const auto endommage = [](auto changer) {
        ChampsDeclencheur d = Declencheur(TYPE_HEBDOMADAIRE, 0x01);
        changer(d);
        CDefinitionProgramme relu;
        relu.m_fichier = "avant";
        const bool lu = RelireProgramme("", d, "apres.mpg", "", relu);
        EXPECT_EQ(relu.m_fichier, "avant") << "nothing is set from a damaged trigger";
        return lu;
    };
    EXPECT_FALSE(endommage([](ChampsDeclencheur& d) { d.wBeginMonth = 13; }));
    EXPECT_FALSE(endommage([](ChampsDeclencheur& d) { d.wBeginDay = 0; }));
    EXPECT_FALSE(endommage([](ChampsDeclencheur& d) { d.wBeginMonth = 2, d.wBeginDay = 31; }));
    EXPECT_FALSE(endommage([](ChampsDeclencheur& d) { d.wStartHour = 24; }));
    EXPECT_FALSE(endommage([](ChampsDeclencheur& d) { d.wEndYear = 0; }));
    EXPECT_FALSE(endommage([](ChampsDeclencheur& d) { d.wBeginYear = 2040; }));
}

// 1970-01-01 01:00 in Paris is the instant 0, which the program's date-time keeps for "not set":
// read back, the editor would open the recording as a new programme, with a new one's values,
// and saving would write them over it. Found by fuzz/FuzzRelireProgramme.
TEST(ProgrammeRelu, LInstantZeroNEstPasRelu)
{
    FixerFuseauParis();
    struct Cas
    {
        std::uint16_t heure, minute;
        bool relu;
    };
    const Cas cas[] = {
        {0, 0, true}, {0, 59, true}, {1, 0, false}, {1, 1, true}, {2, 0, true},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.heure << ':' << c.minute);
        ChampsDeclencheur d = Declencheur(TYPE_UNE_FOIS);
        d.wBeginYear = 1970;
        d.wBeginMonth = 1;
        d.wBeginDay = 1;
        d.wStartHour = c.heure;
        d.wStartMinute = c.minute;
        CDefinitionProgramme p;
        p.m_fichier = "avant";
        EXPECT_EQ(RelireProgramme("", d, "apres.mpg", "", p), c.relu);
        EXPECT_EQ(p.m_fichier, c.relu ? "apres" : "avant") << "nothing is set when refused";
        EXPECT_EQ(p.m_heureDepart.EstDefini(), c.relu);
    }
}
