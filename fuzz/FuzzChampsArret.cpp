// The first run of any trigger from any moment (PremiereExecution), the run an edit at that
// moment follows (ExecutionSuivie), the shutdown companion's trigger after it (ChampsArret), and
// whether that companion is found to be the recording's, by its time (ArretDe) or by the name its
// comment gives (ArretDeLEnregistrement). Input: the trigger's 44 bytes, the duration in seconds
// (4 bytes), then the moment (4 bytes, seconds of the program's date-time).
#include "Entree.h"

#include "tasks/Executions.h"

#include <limits>

namespace
{
// Filled with 0xCF bytes, as the scheduler's own tests do, so that a field written on failure
// or forgotten on success shows.
ChampsDeclencheur Temoin()
{
    std::uint8_t octets[44];
    std::memset(octets, 0xCF, sizeof octets);
    COctets lecteur(octets, sizeof octets);
    return LireDeclencheur(lecteur);
}

bool DansPlage32(std::int64_t secondes)
{
    return secondes >= std::numeric_limits<std::int32_t>::min() &&
           secondes <= std::numeric_limits<std::int32_t>::max();
}

std::int64_t Jour(int annee, int mois, int jour)
{
    return (static_cast<std::int64_t>(annee) * 12 + mois) * 31 + jour;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    FixerFuseauParis();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    COctets octets(donnees, taille);
    const ChampsDeclencheur enregistrement = LireDeclencheur(octets);
    const std::int32_t duree = octets.Lire<std::int32_t>();
    const CTemps moment(octets.Lire<std::int32_t>());
    ChampsLocaux maintenant;
    if (!moment.Local(maintenant))
        return 0;

    // A run of the trigger, at its start time, not before the moment's day.
    ChampsLocaux execution;
    const bool aVenir = PremiereExecution(enregistrement, maintenant, execution);

    // After an edit that keeps the trigger: the first run to come, or a run begun less than the
    // duration ago.
    ChampsLocaux suivie;
    std::int64_t debut = 0;
    if (ExecutionSuivie(enregistrement, enregistrement, duree, moment, suivie))
    {
        VERIFIER(EstUneExecution(enregistrement, suivie));
        const bool premiere = aVenir && suivie.annee == execution.annee && suivie.mois == execution.mois &&
                              suivie.jour == execution.jour;
        VERIFIER(premiere ||
                 (InstantLocal(suivie.annee, suivie.mois, suivie.jour, suivie.heure, suivie.minute, debut) &&
                  debut <= moment.Secondes() && moment.Secondes() - debut < duree));
    }
    else
        VERIFIER(!aVenir);
    if (!aVenir)
        return 0;
    VERIFIER(EstUneExecution(enregistrement, execution));
    VERIFIER(execution.heure == enregistrement.wStartHour && execution.minute == enregistrement.wStartMinute);
    VERIFIER(Jour(execution.annee, execution.mois, execution.jour) >=
             Jour(maintenant.annee, maintenant.mois, maintenant.jour));

    const ChampsDeclencheur temoin = Temoin();
    ChampsDeclencheur arret = temoin;
    const bool calcule = ChampsArret(execution, duree, arret);

    // On the host's 64-bit clock: a companion exactly when the run and its end plus five minutes
    // both fall inside the program's 32-bit range.
    std::int64_t premier = 0;
    const bool premierConnu = InstantLocal(execution.annee, execution.mois, execution.jour, execution.heure,
                                           execution.minute, premier);
    const std::int64_t fin = premier + 300 + duree;
    VERIFIER(calcule == (premierConnu && DansPlage32(premier) && DansPlage32(fin)));
    if (!calcule)
    {
        VERIFIER(MemesChamps(arret, temoin));
        return 0;
    }

    // Once, killed at its end, nothing else of the recording's trigger carried over.
    ChampsDeclencheur attendu;
    attendu.wBeginYear = arret.wBeginYear;
    attendu.wBeginMonth = arret.wBeginMonth;
    attendu.wBeginDay = arret.wBeginDay;
    attendu.wStartHour = arret.wStartHour;
    attendu.wStartMinute = arret.wStartMinute;
    attendu.rgFlags = DRAPEAU_ARRET_A_LA_FIN;
    attendu.TriggerType = TYPE_UNE_FOIS;
    VERIFIER(MemesChamps(arret, attendu));
    // Named in its comment, it is that recording's whatever its time, and no other's.
    VERIFIER(ArretDeLEnregistrement(CommentaireArret("Journal"), arret, "Journal", enregistrement, duree));
    VERIFIER(!ArretDeLEnregistrement(CommentaireArret("Journal"), arret, "Journal2", enregistrement, duree));

    // A real local date and time, that of the end plus five minutes, to the minute. Where the
    // clocks go back the same local time comes twice: it may name the other one, an hour away.
    VERIFIER(arret.wBeginMonth >= 1 && arret.wBeginMonth <= 12 && arret.wBeginDay >= 1 &&
             arret.wBeginDay <= 31 && arret.wStartHour <= 23 && arret.wStartMinute <= 59);
    std::int64_t lu = 0;
    VERIFIER(InstantLocal(arret.wBeginYear, arret.wBeginMonth, arret.wBeginDay, arret.wStartHour,
                          arret.wStartMinute, lu));
    const std::int64_t ecart = fin - lu;
    VERIFIER((ecart >= 0 && ecart < 60) || (ecart >= 3600 && ecart < 3660) ||
             (ecart >= -3600 && ecart < -3540));

    // The companion found again from the recording, but where a local time names no instant or
    // two: the run in a skipped hour, the companion in a doubled one.
    std::int64_t relu = 0;
    std::time_t instant = static_cast<std::time_t>(premier);
    std::tm local{};
    if (ecart >= 0 && ecart < 60 && localtime_r(&instant, &local) != nullptr &&
        local.tm_hour == execution.heure && local.tm_min == execution.minute &&
        InstantLocal(arret.wBeginYear, arret.wBeginMonth, arret.wBeginDay, arret.wStartHour,
                     arret.wStartMinute, relu) &&
        relu == lu && DansPlage32(lu + 59))
        VERIFIER(ArretDe(arret, enregistrement, duree));
    return 0;
}
