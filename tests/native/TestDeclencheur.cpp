#include "tasks/ChampsDeclencheur.h"
#include "tasks/ProgrammeRelu.h"

#include "Paris.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

namespace
{
// A trigger as "type flags begin-date hour:minute end-date interval weekdays(hex)".
ChampsDeclencheur Declencheur(const char* texte)
{
    ChampsDeclencheur d;
    EXPECT_EQ(std::sscanf(texte, "%u %x %hu-%hu-%hu %hu:%hu %hu-%hu-%hu %hu %hx", &d.TriggerType, &d.rgFlags,
                          &d.wBeginYear, &d.wBeginMonth, &d.wBeginDay, &d.wStartHour, &d.wStartMinute,
                          &d.wEndYear, &d.wEndMonth, &d.wEndDay, &d.intervalle, &d.rgfDaysOfTheWeek),
              12)
        << texte;
    return d;
}

// The same text back.
std::string Texte(const ChampsDeclencheur& d)
{
    char texte[96];
    std::snprintf(texte, sizeof texte, "%u %x %u-%u-%u %u:%02u %u-%u-%u %u %x", d.TriggerType, d.rgFlags,
                  d.wBeginYear, d.wBeginMonth, d.wBeginDay, d.wStartHour, d.wStartMinute, d.wEndYear,
                  d.wEndMonth, d.wEndDay, d.intervalle, d.rgfDaysOfTheWeek);
    return texte;
}
} // namespace

// Weekday flags (Sunday first) count only for a weekly trigger, the end date not for a once one;
// the dates come from m_dateDepart and m_dateFin, the local time of day from m_heureDepart.
TEST(Declencheur, DepuisProgramme)
{
    // m_uneFois, m_tousLesJours, m_toutesLesSemaines, then the flags from m_dimanche to m_samedi.
    const std::pair<std::array<int, 10>, const char*> cas[] = {
        {{1, 0, 0, 1, 1, 0, 0, 0, 0, 0}, "0 0 2026-12-6 20:45 0-0-0 0 0"},
        {{7, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "0 0 2026-12-6 20:45 0-0-0 0 0"},
        {{0, 1, 0, 1, 1, 0, 0, 0, 0, 0}, "1 1 2026-12-6 20:45 2026-12-31 1 0"},
        {{0, -2, 1, 0, 0, 0, 0, 0, 0, 0}, "1 1 2026-12-6 20:45 2026-12-31 1 0"},
        {{0, 0, 1, 0, 1, 0, 1, 0, 1, 0}, "2 1 2026-12-6 20:45 2026-12-31 1 2a"},
        {{0, 0, 0, 0, 0, 1, 0, 1, 0, 1}, "2 1 2026-12-6 20:45 2026-12-31 1 54"},
        {{0, 0, 1, 5, 0, 0, 0, 0, 0, -1}, "2 1 2026-12-6 20:45 2026-12-31 1 41"}, // any non-zero
    };
    for (const auto& [champs, attendu] : cas)
    {
        CDefinitionProgramme p;
        std::tie(p.m_uneFois, p.m_tousLesJours, p.m_toutesLesSemaines, p.m_dimanche, p.m_lundi, p.m_mardi,
                 p.m_mercredi, p.m_jeudi, p.m_vendredi, p.m_samedi) = std::tuple_cat(champs);
        p.m_dateDepart = Instant(2026, 12, 6, 23, 59, 59);
        p.m_heureDepart = Instant(2031, 6, 15, 20, 45, 59); // seconds dropped, summer time
        p.m_dateFin = Instant(2026, 12, 31, 0, 0);
        EXPECT_EQ(Texte(ChampsDepuisProgramme(p)), attendu);
    }
}

// The companion runs once, 5 minutes after the end of the recording's first run, counted on the
// absolute time; the fields of the recording's trigger it does not set are cleared.
TEST(Declencheur, ChampsArret)
{
    const std::tuple<const char*, std::int32_t, const char*> cas[] = {
        {"2 1 2026-12-7 20:00 2030-1-1 1 7f", 3600, "0 2 2026-12-7 21:05 0-0-0 0 0"},
        {"2 1 2026-12-31 23:30 2030-1-1 1 7f", 3600, "0 2 2027-1-1 0:35 0-0-0 0 0"},
        {"1 1 2027-2-28 23:58 2030-1-1 1 0", 0, "0 2 2027-3-1 0:03 0-0-0 0 0"},
        {"0 0 2027-3-28 1:30 0-0-0 0 0", 7200, "0 2 2027-3-28 4:35 0-0-0 0 0"},
        {"0 0 2027-10-31 1:30 0-0-0 0 0", 7200, "0 2 2027-10-31 2:35 0-0-0 0 0"},
        {"0 0 2026-12-7 20:00 0-0-0 0 0", -1800, "0 2 2026-12-7 19:35 0-0-0 0 0"},
        {"0 0 2038-1-19 4:00 0-0-0 0 0", 3600, ""}, // past the program's range: none
    };
    for (const auto& [enregistrement, duree, attendu] : cas)
    {
        ChampsDeclencheur arret = Declencheur(enregistrement);
        const bool calcule = ChampsArret(Declencheur(enregistrement), duree, arret);
        EXPECT_EQ(calcule ? Texte(arret) : "", attendu) << enregistrement;
    }
}

namespace
{
// A trigger read back into a programme, then written again as an edit would save it, after the
// programme's period flags "once daily weekly"; "refusé" when refused with the programme left
// as it was.
std::string Relu(const char* declencheur)
{
    CDefinitionProgramme p;
    p.m_fichier = "avant";
    if (!RelireProgramme(" -c12 -ntod -startr:Journal.mpg -qvcd -limit:5400", Declencheur(declencheur),
                         "Journal.mpg", "01:30:00", p))
        return p.m_fichier == "avant" && !p.m_heureDepart.EstDefini() ? "refusé" : "refusé, modifié";
    EXPECT_EQ(std::tie(p.m_chaine, p.m_fichier, p.m_nomProgramme, p.m_minutes),
              std::make_tuple(11, "Journal", "Journal", "90"));
    return std::to_string(p.m_uneFois) + std::to_string(p.m_tousLesJours) +
           std::to_string(p.m_toutesLesSemaines) + " " + Texte(ChampsDepuisProgramme(p));
}
} // namespace

// A foreign or damaged trigger (neither once, daily nor weekly, not a real local date and time,
// or the instant 0 which means "not set": 1970-01-01 01:00 in Paris) is not read back, else the
// edit would overwrite the work item.
TEST(Declencheur, ProgrammeRelu)
{
    const std::pair<const char*, const char*> cas[] = {
        {"0 0 2027-3-28 20:45 0-0-0 0 7f", "100 0 0 2027-3-28 20:45 0-0-0 0 0"},
        {"1 1 2027-3-28 20:45 2027-6-30 1 7f", "010 1 1 2027-3-28 20:45 2027-6-30 1 0"},
        {"2 1 2027-3-28 20:45 2027-6-30 1 2a", "001 2 1 2027-3-28 20:45 2027-6-30 1 2a"},
        {"2 1 2027-3-28 20:45 2027-6-30 1 d5", "001 2 1 2027-3-28 20:45 2027-6-30 1 55"},
        // Monthly or on an event: saving would make it weekly.
        {"3 1 2027-3-28 20:45 2027-6-30 1 d5", "refusé"},
        {"5 0 2027-3-28 20:45 0-0-0 0 0", "refusé"},
        {"1 0 2027-3-28 0:00 0-0-0 0 0", "010 1 1 2027-3-28 0:00 2037-12-31 1 0"},
        {"0 0 1970-1-1 1:01 0-0-0 0 0", "100 0 0 1970-1-1 1:01 0-0-0 0 0"},
        {"0 0 1970-1-1 1:00 0-0-0 0 0", "refusé"},
        {"2 1 2027-13-1 20:45 2027-6-30 1 1", "refusé"},
        {"2 1 2027-2-31 20:45 2027-6-30 1 1", "refusé"},
        {"2 1 2027-3-28 20:60 2027-6-30 1 1", "refusé"},
        {"2 1 2027-3-28 20:45 0-6-30 1 1", "refusé"},
        {"2 1 2040-3-28 20:45 2040-6-30 1 1", "refusé"},
    };
    for (const auto& [declencheur, programme] : cas)
        EXPECT_EQ(Relu(declencheur), programme) << declencheur;
}

// The duration column read back into the editor's minutes: only the list's own "HH:MM:SS". A
// sign or a blank before a field is another form: scanned as unsigned, "-3:59:59" gave -121
// minutes (found by fuzz/FuzzRelireProgramme).
TEST(Declencheur, ColonnesRelues)
{
    const std::pair<const char*, std::int32_t> cas[] = {
        {"01:30:00", 90}, {"00:00:59", 0},  {"99:99:99", 6039}, {"-3:59:59", 0},
        {"01:30:0", 0},   {"01:30:00x", 0}, {"01-30-00", 0},    {" 1:30:00", 0},
    };
    for (const auto& [duree, minutes] : cas)
        EXPECT_EQ(MinutesDeDuree(duree), minutes) << duree;
    EXPECT_EQ(FichierDeColonne(".mpg") + FichierDeColonne("abc"), "");
}
