// The rules, natively under ASan and UBSan. Calendar fields are those of local time: the time
// zone is pinned to Paris (CET/CEST), and instants are built from Paris calendar times.
#include "channels/BlocSourceDonnees.h"
#include "programme/DefinitionProgramme.h"
#include "commun/Poignee.h"
#include "framework/Temps.h"
#include "mainwindow/TexteHorloge.h"
#include "programme/ChaineParametres.h"
#include "tasks/ChampsDeclencheur.h"
#include "tasks/Executions.h"
#include "programme/LectureParametres.h"
#include "tasks/ProgrammeRelu.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
const bool FUSEAU_PARIS = (setenv("TZ", "Europe/Paris", 1), tzset(), true);

CTemps Instant(int annee, int mois, int jour, int heure, int minute, int seconde = 0)
{
    CTemps instant;
    EXPECT_TRUE(CTemps::DepuisLocal(annee, mois, jour, heure, minute, seconde, instant));
    return instant;
}

// A trigger as "type flags begin-date hour:minute end-date interval weekdays(hex)".
ChampsDeclencheur Declencheur(const char* texte)
{
    ChampsDeclencheur d;
    const int lus =
        std::sscanf(texte, "%u %x %hu-%hu-%hu %hu:%hu %hu-%hu-%hu %hu %hx", &d.TriggerType, &d.rgFlags,
                    &d.wBeginYear, &d.wBeginMonth, &d.wBeginDay, &d.wStartHour, &d.wStartMinute, &d.wEndYear,
                    &d.wEndMonth, &d.wEndDay, &d.intervalle, &d.rgfDaysOfTheWeek);
    EXPECT_EQ(lus, 12) << texte;
    return d;
}

// The same text back.
std::string TexteDeclencheur(const ChampsDeclencheur& d)
{
    char texte[96];
    std::snprintf(texte, sizeof texte, "%u %x %u-%u-%u %u:%02u %u-%u-%u %u %x", d.TriggerType, d.rgFlags,
                  d.wBeginYear, d.wBeginMonth, d.wBeginDay, d.wStartHour, d.wStartMinute, d.wEndYear,
                  d.wEndMonth, d.wEndDay, d.intervalle, d.rgfDaysOfTheWeek);
    return texte;
}

// A trigger read back into a programme with those parameters, then written again as an edit
// would save it, after the programme's period flags "once daily weekly" and its minutes; "refusé"
// when refused with the programme left as it was.
std::string Relu(const char* declencheur,
                 const std::string& parametres = " -c12 -ntod -startr:Journal.mpg -qvcd -limit:5400")
{
    CDefinitionProgramme p;
    p.m_fichier = "avant";
    if (!RelireProgramme(parametres, Declencheur(declencheur), "Journal.mpg", p))
        return p.m_fichier == "avant" && !p.m_heureDepart.EstDefini() ? "refusé" : "refusé, modifié";
    EXPECT_EQ(std::tie(p.m_chaine, p.m_fichier, p.m_nomProgramme), std::make_tuple(11, "Journal", "Journal"));
    return std::to_string(p.m_uneFois) + std::to_string(p.m_tousLesJours) +
           std::to_string(p.m_toutesLesSemaines) + " " + p.m_minutes + " " +
           TexteDeclencheur(ChampsDepuisProgramme(p));
}

// A handle kind whose null is 0 and whose releases are recorded in order.
std::vector<int> liberees;
struct RegleEssai
{
    static int Nulle() { return 0; }
    static void Liberer(int valeur) { liberees.push_back(valeur); }
};
} // namespace

// What the list and the editor read back (recognised, file, recording word, channel, duration)
// from the parameter strings the program writes, and from a text another tool wrote (the fuzz
// targets check the readers on any text). Name, path and parameters must each fit 259 characters;
// with channel 1 and 3600 s the parameters, 41 characters longer than the name, are the first to
// overflow.
TEST(Parametres, EcritsRelusEtLimites)
{
    using Lu =
        std::tuple<std::string, bool, std::string, std::string, std::int32_t, std::string, std::int32_t>;
    EXPECT_EQ(ConstruireParametres(0, 3600, "WinTV_00"), " -c1 -ntod -startr:WinTV_00.mpg -qvcd -limit:3600");
    const Lu cas[] = {
        {ConstruireParametres(98, 86399, "a.b"), true, "a.b.mpg", "qvcd", 98, "23:59:59", 86399},
        {ConstruireParametres(4, 90000, "a"), true, "a.mpg", "qvcd", 4, "01:00:00", 90000}, // days not shown
        {"-c12 xstartr:a.mpg -b -startr:c.mpg -limit:60 x", true, "a.mpg", "b", 11, "01:38:32", 5912},
    };
    for (const Lu& attendu : cas)
    {
        const std::string& texte = std::get<0>(attendu);
        const LigneLue ligne = LireLigne(texte);
        EXPECT_EQ(Lu(texte, ligne.reconnue, ligne.nomFichier, ligne.enregistrement, LireChaine(texte),
                     TexteDuree(texte), LireDuree(texte)),
                  attendu);
    }
    EXPECT_EQ(CheminApplication("C:\\TV\\"), "C:\\TV\\\\WinTV2K.EXE");
    const std::tuple<std::size_t, std::size_t, bool> limites[] = {
        {5, 218, true}, {5, 219, false}, {247, 8, true}, {248, 8, false}};
    for (const auto& [dossier, nom, tient] : limites)
        EXPECT_EQ(CommandeTient(std::string(dossier, 'd'), 0, 3600, std::string(nom, 'n')), tient)
            << dossier << " " << nom;
}

// The texts of the list and the names: next run, work-item name from the file and file name from
// its column, listed name without ".job", the data source's search pattern.
TEST(Parametres, TextesDeLaListeEtNoms)
{
    EXPECT_EQ(TexteProchainDemarrage(1, 1, 5, 0, 0), "01/01/05 \xE0 00:00"); // code page 1252
    EXPECT_EQ(NomTache("Le journal\tde 20 h\xA0"), "Le_journal\tde_20_h\xA0") << "only 0x20 is replaced";
    EXPECT_EQ(FichierDeColonne(".mpg") + FichierDeColonne("abc") + FichierDeColonne("a b.mpg"), "a b");
    EXPECT_EQ(NomSansSuffixeJob("Le journal.JOB") + NomSansSuffixeJob("A.job.job"), "Le journalA.job");
    EXPECT_EQ(MotifRechercheBase("C:\\TV") + CheminBase("C:\\TV", ""), "C:\\TV\\*.mdb*");
}

// A work item's name that can name a recording: each character Windows refuses in a file name, a
// control character, "." and ".." are not; nor a device name before any dot, in any case (the
// superscript digits of code page 1252 count for COM and LPT); nor the companion's name.
TEST(Parametres, NomsRefuses)
{
    // clang-format off
    const std::pair<std::string, const char*> noms[] = {
        {"Le_journal", nullptr}, {"...", nullptr}, {"\xE9t\xE9", nullptr}, {"CONSOLE", nullptr},
        {"NULL.txt", nullptr}, {"COM10", nullptr}, {"COM0", nullptr}, {"x.CON", nullptr}, {"Shutdown2", nullptr},
        {"a\\b", MESSAGE_NOM_INTERDIT}, {"c:", MESSAGE_NOM_INTERDIT}, {"a?", MESSAGE_NOM_INTERDIT},
        {"\"", MESSAGE_NOM_INTERDIT}, {"|", MESSAGE_NOM_INTERDIT}, {"..", MESSAGE_NOM_INTERDIT},
        {std::string("a\0b", 3), MESSAGE_NOM_INTERDIT}, {"\x1F", MESSAGE_NOM_INTERDIT},
        {"prn", MESSAGE_NOM_RESERVE}, {"Aux.x", MESSAGE_NOM_RESERVE}, {"nUl.", MESSAGE_NOM_RESERVE},
        {"com9.a.b", MESSAGE_NOM_RESERVE}, {"LPT1", MESSAGE_NOM_RESERVE}, {"COM\xB9", MESSAGE_NOM_RESERVE},
        {"lpt\xB3.x", MESSAGE_NOM_RESERVE}, {"sHUTDOWN", MESSAGE_NOM_ARRET},
    };
    // clang-format on
    for (const auto& [nom, refus] : noms)
        EXPECT_EQ(RefusNomTache(nom), refus) << nom;
}

// Every byte of a block is written, as the ODBC installer reads it: the fixed strings from offset
// 0, "DBQ=" and the path from offset 57, zeros up to the 260th byte. A path of 197 characters
// leaves the two closing NULs, one more is refused with the block left alone.
TEST(BlocSourceDonnees, BlocsEtChemins)
{
    const auto attendu = [](const std::string& chemin) {
        return std::string("DSN=Chaines\0Description=Chaines de TV\0FileType=MS ACCESS\0DBQ=", 61) + chemin +
               std::string(199 - chemin.size(), '\0');
    };
    for (const std::string& chemin :
         {std::string("C:\\TV\\hcwChanDB_4.mdb"), std::string(197, 'd'), std::string(198, 'x')})
    {
        BlocAttributs bloc;
        bloc.fill('\x55');
        const bool tient = chemin.size() <= 197;
        EXPECT_EQ(ConstruireBlocEnregistrement(chemin, bloc), tient);
        EXPECT_EQ(std::string(bloc.data(), bloc.size()), tient ? attendu(chemin) : std::string(260, '\x55'));
    }
    EXPECT_EQ(std::string(BlocSuppression().data(), 260), attendu("D:\\hcwChanDB_4.mdb"));
}

TEST(Poignee, ChaqueValeurEstLibereeUneSeuleFois)
{
    using CEssai = CPoignee<int, RegleEssai>;
    liberees.clear();
    {
        CEssai a(1);
        CEssai b(std::move(a));
        CEssai c(2);
        c = std::move(b); // c's old value goes, b's moves in
        CEssai& meme = c;
        c = std::move(meme);
        EXPECT_FALSE(a.EstValide());
        EXPECT_EQ(c.Get(), 1) << "a move to itself keeps the value";
        *c.Adresse() = 3; // the value an API writes through the pointer replaces a released one
        c.Liberer();
        c.Liberer();
        CEssai d(4);
    }
    EXPECT_EQ(liberees, (std::vector<int>{2, 1, 3, 4}));
}

// Local calendar time, seconds count (from the tz database) and the clock text, both ways: every
// weekday once, padded fields, midnight, the year's end, both sides of the epoch, the
// spring-forward night, summer time, the last 32-bit second. The sums of Plus are the fuzz
// target's of a programme's end time to check, across both changes of the clocks.
TEST(Temps, CalendrierSecondesEtHorloge)
{
    ASSERT_TRUE(FUSEAU_PARIS);
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
        EXPECT_EQ(Instant(annee, mois, jour, heure, minute, seconde).Secondes(), secondes);
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
}

// The TV folder is copied whole, terminated, or refused, never read nor written past the buffer:
// the programme is on the heap, m_dossierTV its last member, and a text of 260 characters without
// terminator fills a heap block of exactly that size.
TEST(DefinitionProgramme, DefinirDossierTV)
{
    auto programme = std::make_unique<CDefinitionProgramme>();
    const std::string x259(259, 'x'), y260(260, 'y');
    const std::vector<char> sansFin(260, 'w');
    const std::pair<const char*, std::string> cas[] = {
        {x259.c_str(), x259}, {"C:\\TV", "C:\\TV"}, {y260.c_str(), ""}, {nullptr, ""}, {sansFin.data(), ""}};
    for (const auto& [dossier, attendu] : cas)
    {
        EXPECT_EQ(programme->DefinirDossierTV(dossier), !attendu.empty());
        EXPECT_EQ(programme->m_dossierTV, attendu);
    }
}

// A local calendar time as "year-month-day hour:minute".
std::string TexteCalendrier(const ChampsLocaux& m)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%d-%d-%d %d:%02d", m.annee, m.mois, m.jour, m.heure, m.minute);
    return texte;
}

// The first run of a trigger from Wednesday 9 December 2026 at 20:30:15, as the scheduler counts
// them: the start time on each day it fires, from its begin date to its end date included (Wine's
// scheduler leaves the end date out).
TEST(Executions, LaPremiereExecution)
{
    // clang-format off
    const std::pair<const char*, const char*> cas[] = {
        {"0 0 2026-12-9 20:45 0-0-0 0 0", "2026-12-9 20:45"},
        {"0 0 2027-3-14 20:45 0-0-0 0 0", "2027-3-14 20:45"},
        {"0 0 2026-12-8 23:59 0-0-0 0 0", ""}, {"0 0 2026-12-9 20:30 0-0-0 0 0", ""}, // its minute has begun
        {"1 1 2026-12-9 20:00 2026-12-31 1 0", "2026-12-10 20:00"}, // today's gone
        {"1 1 2026-12-1 20:00 2026-12-9 1 0", ""},
        {"1 1 2026-12-1 20:45 2026-12-9 1 0", "2026-12-9 20:45"},   // on its end date
        {"1 1 2026-12-7 20:00 2026-12-31 3 0", "2026-12-10 20:00"}, // every third day
        {"1 0 2026-12-31 23:59 0-0-0 0 0", "2026-12-31 23:59"},     // no end; an interval 0 is 1
        {"2 1 2026-12-9 20:00 2026-12-31 1 22", "2026-12-11 20:00"}, // from a Wednesday, Mondays and Fridays
        {"2 1 2026-12-9 20:00 2026-12-31 1 8", "2026-12-16 20:00"},  // Wednesdays, today's gone
        {"2 1 2026-12-9 20:00 2026-12-10 1 22", ""}, {"2 1 2026-12-9 20:00 2026-12-31 1 0", ""}, // no day
        {"2 1 2026-12-6 20:00 2027-12-31 2 2", "2026-12-21 20:00"},  // Mondays of every other week
        {"2 5 2026-12-9 21:00 2026-12-31 1 7f", ""},                 // disabled
        {"3 1 2026-12-9 21:00 2026-12-31 1 7f", ""},                 // monthly
        {"1 1 2027-2-31 20:00 2027-6-30 1 0", ""}, {"1 1 2026-12-1 20:00 2027-2-31 1 0", ""}, // no such date
    };
    // clang-format on
    ChampsLocaux maintenant;
    ASSERT_TRUE(Instant(2026, 12, 9, 20, 30, 15).Local(maintenant));
    for (const auto& [declencheur, attendu] : cas)
    {
        ChampsLocaux execution;
        const bool trouvee = PremiereExecution(Declencheur(declencheur), maintenant, execution);
        EXPECT_EQ(trouvee ? TexteCalendrier(execution) : "", attendu) << declencheur;
    }
}

// The companion's trigger, 5 minutes after the end of a run, is the fuzz target's to check from
// any run, across the year's end and the clocks' changes. A "Shutdown" named in its comment
// belongs to that recording only; one
// that names none is a recording's companion when its moment less 5 minutes and the duration (its
// minute rounded down) is one of the recording's runs, its first day or its last included. It is
// spent once its minute is gone.
TEST(Executions, LeCompagnonEtSonEnregistrement)
{
    // Mondays and Fridays from Wednesday 9 to Friday 25 December 2026.
    const char* const lundiVendredi = "2 1 2026-12-9 20:00 2026-12-25 1 22";
    // clang-format off
    const std::tuple<const char*, std::int32_t, const char*, bool> compagnons[] = {
        {"", 3600, "0 2 2026-12-11 21:05 0-0-0 0 0", true},   {"", 3600, "0 2 2026-12-25 21:05 0-0-0 0 0", true},
        {"", 3600, "0 2 2026-12-10 21:05 0-0-0 0 0", false},  {"", 3600, "0 2 2026-12-11 21:06 0-0-0 0 0", false},
        {"", 3600, "1 2 2026-12-11 21:05 0-0-0 1 0", false},  {"", 3600, "0 2 2026-12-28 21:05 0-0-0 0 0", false},
        {"", -1800, "0 2 2026-12-11 19:35 0-0-0 0 0", true},  {"Journal", 3600, "0 2 2027-1-1 1:00 0-0-0 0 0", true},
        {"Autre", 3600, "0 2 2026-12-11 21:05 0-0-0 0 0", false},
    };
    // clang-format on
    for (const auto& [nomme, duree, arret, attendu] : compagnons)
        EXPECT_EQ(ArretDeLEnregistrement(*nomme ? CommentaireArret(nomme) : "", Declencheur(arret), "Journal",
                                         Declencheur(lundiVendredi), duree),
                  attendu)
            << nomme << " " << duree << " " << arret;
    EXPECT_EQ(CommentaireArret("Journal"),
              "Arr\xEAt de l'ordinateur apr\xE8s l'enregistrement \xAB Journal \xBB");

    // A once "Shutdown" before the current minute (20:30 on 9 December 2026) is spent.
    ChampsLocaux maintenant;
    ASSERT_TRUE(Instant(2026, 12, 9, 20, 30, 15).Local(maintenant));
    const std::pair<const char*, bool> passes[] = {{"0 2 2026-12-9 20:29 0-0-0 0 0", true},
                                                   {"0 2 2026-12-9 20:30 0-0-0 0 0", false},
                                                   {"1 2 2001-1-1 1:00 0-0-0 1 0", false}};
    for (const auto& [arret, passe] : passes)
        EXPECT_EQ(ArretPasse(Declencheur(arret), maintenant), passe) << arret;
}

// After an edit at 20:30:15 on Wednesday 9 December 2026, the companion follows the run in
// progress (begun in a minute gone by, less than the duration ago) when the trigger started it
// before the edit and keeps it after; otherwise the first run to come.
TEST(Executions, LExecutionSuivieApresUneModification)
{
    const CTemps maintenant = Instant(2026, 12, 9, 20, 30, 15);
    // clang-format off
    const std::tuple<const char*, const char*, std::int32_t, const char*> cas[] = {
        {"0 0 2026-12-9 20:00 0-0-0 0 0", "0 0 2026-12-9 20:00 0-0-0 0 0", 5400, "2026-12-9 20:00"}, // lengthened
        {"0 0 2026-12-9 20:00 0-0-0 0 0", "0 0 2026-12-9 20:00 0-0-0 0 0", 1816, "2026-12-9 20:00"},
        {"0 0 2026-12-9 20:00 0-0-0 0 0", "0 0 2026-12-9 20:00 0-0-0 0 0", 1815, ""},                // over
        {"0 0 2026-12-9 20:30 0-0-0 0 0", "0 0 2026-12-9 20:30 0-0-0 0 0", 60, "2026-12-9 20:30"},   // this minute
        {"0 0 2026-12-9 20:00 0-0-0 0 0", "0 0 2026-12-9 20:00 0-0-0 0 0", 0, ""},
        {"1 0 2026-12-1 20:00 0-0-0 1 0", "1 0 2026-12-1 20:00 0-0-0 1 0", 3600, "2026-12-9 20:00"}, // unchanged
        {"1 0 2026-12-1 20:00 0-0-0 1 0", "1 0 2026-12-1 20:00 0-0-0 1 0", 1800, "2026-12-10 20:00"},
        {"1 0 2026-12-1 19:00 0-0-0 1 0", "1 0 2026-12-1 20:00 0-0-0 1 0", 3600, "2026-12-10 20:00"}, // not begun so
        {"1 0 2026-12-1 20:00 0-0-0 1 0", "1 1 2026-12-1 20:00 2026-12-8 1 0", 3600, ""},            // ended before
        {"1 0 2026-12-1 23:00 0-0-0 1 0", "1 0 2026-12-1 23:00 0-0-0 1 0", 86400, "2026-12-8 23:00"}, // yesterday's
        {"2 0 2026-12-1 20:00 0-0-0 1 8", "2 0 2026-12-1 20:00 0-0-0 1 8", 3600, "2026-12-9 20:00"}, // Wednesdays
        {"2 0 2026-12-1 20:00 0-0-0 1 10", "2 0 2026-12-1 20:00 0-0-0 1 10", 3600, "2026-12-10 20:00"},
    };
    // clang-format on
    for (const auto& [avant, apres, duree, attendu] : cas)
    {
        ChampsLocaux execution;
        const bool trouvee =
            ExecutionSuivie(Declencheur(avant), Declencheur(apres), duree, maintenant, execution);
        EXPECT_EQ(trouvee ? TexteCalendrier(execution) : "", attendu)
            << avant << " / " << apres << " " << duree;
    }
}

// A programme's trigger. Any non-zero flag counts, once before daily before weekly; weekday flags
// (Sunday first) count only for a weekly trigger, the end date not for a once one; the dates come
// from m_dateDepart and m_dateFin, the local time of day from m_heureDepart. Read back for an edit,
// each weekday comes from its own bit, 0x80 from none; a foreign or damaged trigger (neither once,
// daily nor weekly, not a real local date and time, or the instant 0 which means "not set":
// 1970-01-01 01:00 in Paris) is not read back, else the edit would overwrite the work item.
TEST(Declencheur, EcritEtRelu)
{
    // m_uneFois, m_tousLesJours, m_toutesLesSemaines, then the flags from m_dimanche to m_samedi.
    const std::pair<std::array<int, 10>, const char*> cas[] = {
        {{7, 1, 1, 1, 1, 1, 1, 1, 1, 1}, "0 0 2026-12-6 20:45 0-0-0 0 0"},
        {{0, -2, 1, 1, 1, 0, 0, 0, 0, 0}, "1 1 2026-12-6 20:45 2026-12-31 1 0"},
        {{0, 0, 1, 5, 0, -1, 0, 1, 0, 9}, "2 1 2026-12-6 20:45 2026-12-31 1 55"},
    };
    for (const auto& [champs, attendu] : cas)
    {
        CDefinitionProgramme p;
        std::tie(p.m_uneFois, p.m_tousLesJours, p.m_toutesLesSemaines, p.m_dimanche, p.m_lundi, p.m_mardi,
                 p.m_mercredi, p.m_jeudi, p.m_vendredi, p.m_samedi) = std::tuple_cat(champs);
        p.m_dateDepart = Instant(2026, 12, 6, 23, 59, 59);
        p.m_heureDepart = Instant(2031, 6, 15, 20, 45, 59); // seconds dropped, summer time
        p.m_dateFin = Instant(2026, 12, 31, 0, 0);
        EXPECT_EQ(TexteDeclencheur(ChampsDepuisProgramme(p)), attendu) << attendu;
    }

    // Read back and saved again, a trigger is the same (the fuzz target checks any trigger); a
    // monthly one or one on an event would become weekly, and is refused.
    const std::pair<const char*, const char*> relus[] = {
        {"2 1 2027-3-28 20:45 2027-6-30 1 e6", "001 90 2 1 2027-3-28 20:45 2027-6-30 1 66"},
        {"1 0 2027-3-28 0:00 0-0-0 0 0", "010 90 1 1 2027-3-28 0:00 2037-12-31 1 0"},
        {"3 1 2027-3-28 20:45 2027-6-30 1 d5", "refusé"},
        {"5 0 2027-3-28 20:45 0-0-0 0 0", "refusé"},
    };
    for (const auto& [declencheur, programme] : relus)
        EXPECT_EQ(Relu(declencheur), programme) << declencheur;

    // The minutes come from the seconds themselves, 24 hours and more included, the seconds
    // dropped; parameters another program rewrote without "startr:" are no recording's.
    const char* const uneFois = "0 0 2027-3-28 20:45 0-0-0 0 0";
    const std::pair<const char*, const char*> longueurs[] = {
        {"-limit:90000", "100 1500 0 0 2027-3-28 20:45 0-0-0 0 0"},
        {"-limit:-1800", "100 0 0 0 2027-3-28 20:45 0-0-0 0 0"},
    };
    for (const auto& [limite, attendu] : longueurs)
        EXPECT_EQ(Relu(uneFois, std::string(" -c12 -ntod -startr:Journal.mpg -qvcd ") + limite), attendu);
    EXPECT_EQ(Relu(uneFois, " -c12 -ntod -Startr:Journal.mpg -qvcd -limit:60"), "refusé");
}
