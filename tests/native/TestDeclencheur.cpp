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
// "Y-M-D H:MM" in local time, to compare instants in a readable way.
std::string Local(CTemps instant)
{
    ChampsLocaux c;
    if (!instant.Local(c))
        return "?";
    char texte[64];
    std::snprintf(texte, sizeof texte, "%d-%d-%d %d:%02d", c.annee, c.mois, c.jour, c.heure, c.minute);
    return texte;
}

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

// The same text back, then " ?" when a field no trigger of the program sets is not at its default.
std::string Texte(const ChampsDeclencheur& d)
{
    char texte[96];
    std::snprintf(texte, sizeof texte, "%u %x %u-%u-%u %u:%02u %u-%u-%u %u %x%s", d.TriggerType, d.rgFlags,
                  d.wBeginYear, d.wBeginMonth, d.wBeginDay, d.wStartHour, d.wStartMinute, d.wEndYear,
                  d.wEndMonth, d.wEndDay, d.intervalle, d.rgfDaysOfTheWeek,
                  d.cbTriggerSize != 48 || d.Reserved1 || d.MinutesDuration || d.MinutesInterval ||
                          d.Reserved2 || d.wRandomMinutesInterval
                      ? " ?"
                      : "");
    return texte;
}
} // namespace

// Weekday flags (Sunday first) count only for a weekly trigger, the end date not for a once one;
// the dates come from m_dateDepart and m_dateFin, the local time of day from m_heureDepart.
TEST(Declencheur, DepuisProgramme)
{
    const std::tuple<int, int, int, std::array<int, 7>, const char*> cas[] = {
        {1, 0, 0, {1, 1, 0, 0, 0, 0, 0}, "0 0 2026-12-6 20:45 0-0-0 0 0"},
        {7, 1, 1, {0, 0, 0, 0, 0, 0, 0}, "0 0 2026-12-6 20:45 0-0-0 0 0"},
        {0, 1, 0, {1, 1, 0, 0, 0, 0, 0}, "1 1 2026-12-6 20:45 2026-12-31 1 0"},
        {0, -2, 1, {0, 0, 0, 0, 0, 0, 0}, "1 1 2026-12-6 20:45 2026-12-31 1 0"},
        {0, 0, 1, {1, 0, 0, 0, 0, 0, 0}, "2 1 2026-12-6 20:45 2026-12-31 1 1"},
        {0, 0, 1, {0, 1, 0, 1, 0, 1, 0}, "2 1 2026-12-6 20:45 2026-12-31 1 2a"},
        {0, 0, 0, {0, 0, 1, 0, 1, 0, 1}, "2 1 2026-12-6 20:45 2026-12-31 1 54"},
        {0, 0, 1, {5, 0, 0, 0, 0, 0, -1}, "2 1 2026-12-6 20:45 2026-12-31 1 41"}, // any non-zero
    };
    for (const auto& [uneFois, tousLesJours, toutesLesSemaines, jours, attendu] : cas)
    {
        CDefinitionProgramme p;
        p.m_uneFois = uneFois;
        p.m_tousLesJours = tousLesJours;
        p.m_toutesLesSemaines = toutesLesSemaines;
        std::tie(p.m_dimanche, p.m_lundi, p.m_mardi, p.m_mercredi, p.m_jeudi, p.m_vendredi, p.m_samedi) =
            std::tuple_cat(jours);
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
        arret.MinutesDuration = 1;
        const bool calcule = ChampsArret(Declencheur(enregistrement), duree, arret);
        EXPECT_EQ(calcule ? Texte(arret) : "", attendu) << enregistrement;
    }
}

namespace
{
// The programme read back from a trigger as "once daily weekly | start | end date | weekdays",
// or "refusé" when refused with the programme left as it was.
std::string Relu(const char* declencheur)
{
    const ChampsDeclencheur d = Declencheur(declencheur);
    CDefinitionProgramme p;
    p.m_fichier = "avant";
    p.m_dateFin = Instant(2026, 12, 7, 10, 0);
    if (!RelireProgramme(" -c12 -ntod -startr:Journal.mpg -qvcd -limit:5400", d, "Journal.mpg", "01:30:00",
                         p))
        return p.m_fichier == "avant" && !p.m_heureDepart.EstDefini() ? "refusé" : "refusé, modifié";
    EXPECT_EQ(std::tie(p.m_chaine, p.m_fichier, p.m_nomProgramme, p.m_minutes),
              std::make_tuple(11, "Journal", "Journal", "90"));
    EXPECT_EQ(Local(p.m_dateDepart), Local(Instant(d.wBeginYear, d.wBeginMonth, d.wBeginDay, 0, 0)));
    std::string jours;
    for (const std::int32_t j :
         {p.m_dimanche, p.m_lundi, p.m_mardi, p.m_mercredi, p.m_jeudi, p.m_vendredi, p.m_samedi})
        jours += j != 0 ? 'x' : '.';
    return std::to_string(p.m_uneFois) + std::to_string(p.m_tousLesJours) +
           std::to_string(p.m_toutesLesSemaines) + " | " + Local(p.m_heureDepart) + " | " +
           Local(p.m_dateFin) + " | " + jours;
}
} // namespace

// A foreign or damaged trigger (neither once, daily nor weekly, not a real local date and time,
// or the instant 0 which means "not set": 1970-01-01 01:00 in Paris) is not read back, else the
// edit would overwrite the work item.
TEST(Declencheur, ProgrammeRelu)
{
    const std::pair<const char*, const char*> cas[] = {
        {"0 0 2027-3-28 20:45 0-0-0 0 7f", "100 | 2027-3-28 20:45 | 2026-12-7 10:00 | ......."},
        {"1 1 2027-3-28 20:45 2027-6-30 1 7f", "010 | 2027-3-28 20:45 | 2027-6-30 0:00 | ......."},
        {"2 1 2027-3-28 20:45 2027-6-30 1 2a", "001 | 2027-3-28 20:45 | 2027-6-30 0:00 | .x.x.x."},
        {"2 1 2027-3-28 20:45 2027-6-30 1 d5", "001 | 2027-3-28 20:45 | 2027-6-30 0:00 | x.x.x.x"},
        // Monthly or on an event: saving would make it weekly.
        {"3 1 2027-3-28 20:45 2027-6-30 1 d5", "refusé"},
        {"5 0 2027-3-28 20:45 0-0-0 0 0", "refusé"},
        {"1 0 2027-3-28 0:00 0-0-0 0 0", "010 | 2027-3-28 0:00 | 2037-12-31 0:00 | ......."},
        {"0 0 1970-1-1 1:01 0-0-0 0 0", "100 | 1970-1-1 1:01 | 2026-12-7 10:00 | ......."},
        {"0 0 1970-1-1 1:00 0-0-0 0 0", "refusé"},
        {"2 1 2027-13-1 20:45 2027-6-30 1 1", "refusé"},
        {"2 1 2027-2-31 20:45 2027-6-30 1 1", "refusé"},
        {"2 1 2027-3-0 20:45 2027-6-30 1 1", "refusé"},
        {"2 1 2027-3-28 24:00 2027-6-30 1 1", "refusé"},
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
        {"01:30:00", 90}, {"00:00:59", 0},  {"99:99:99", 6039}, {"", 0},
        {"-3:59:59", 0},  {"00:-1:00", 0},  {"+1:30:00", 0},    {" 1:30:00", 0},
        {"01:30:0", 0},   {"01:30:00x", 0}, {"01-30-00", 0},
    };
    for (const auto& [duree, minutes] : cas)
        EXPECT_EQ(MinutesDeDuree(duree), minutes) << duree;
    EXPECT_EQ(FichierDeColonne("WinTV_00.mpg"), "WinTV_00");
    EXPECT_EQ(FichierDeColonne(".mpg"), "");
    EXPECT_EQ(FichierDeColonne("abc"), "");
}
