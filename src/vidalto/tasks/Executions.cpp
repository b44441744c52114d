#include "tasks/Executions.h"

#include <algorithm>
#include <tuple>

namespace
{
constexpr std::uint32_t DRAPEAU_DESACTIVE = 0x4; // TASK_TRIGGER_FLAG_DISABLED
constexpr std::int32_t MARGE_ARRET = 5 * 60;
// The companion's comment around its recording's name.
const std::string PREFIXE_COMMENTAIRE = "Arrêt de l'ordinateur après l'enregistrement « ";
const std::string SUFFIXE_COMMENTAIRE = " »";

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t Jours(int annee, int mois, int jour)
{
    annee -= mois <= 2 ? 1 : 0;
    const int ere = (annee >= 0 ? annee : annee - 399) / 400;
    const int an = annee - ere * 400;
    const int jourAn = (153 * (mois > 2 ? mois - 3 : mois + 9) + 2) / 5 + jour - 1;
    const int jourEre = an * 365 + an / 4 - an / 100 + jourAn;
    return ere * std::int64_t{146097} + jourEre - 719468;
}

void Date(std::int64_t jours, ChampsLocaux& date)
{
    jours += 719468;
    const std::int64_t ere = (jours >= 0 ? jours : jours - 146096) / 146097;
    const int jourEre = static_cast<int>(jours - ere * 146097);
    const int an = (jourEre - jourEre / 1460 + jourEre / 36524 - jourEre / 146096) / 365;
    const int jourAn = jourEre - (365 * an + an / 4 - an / 100);
    const int m = (5 * jourAn + 2) / 153;
    date.jour = jourAn - (153 * m + 2) / 5 + 1;
    date.mois = m < 10 ? m + 3 : m - 9;
    date.annee = static_cast<int>(an + ere * 400) + (date.mois <= 2 ? 1 : 0);
}

// 0 for Sunday.
int JourSemaine(std::int64_t jours)
{
    return static_cast<int>(((jours + 4) % 7 + 7) % 7);
}

bool DateExiste(int annee, int mois, int jour)
{
    if (mois < 1 || mois > 12 || jour < 1)
        return false;
    ChampsLocaux lue;
    Date(Jours(annee, mois, jour), lue);
    return lue.jour == jour;
}

// The days from the trigger's begin date to its end date, when the trigger runs at all.
bool Periode(const ChampsDeclencheur& d, std::int64_t& debut, std::int64_t& fin)
{
    if ((d.rgFlags & DRAPEAU_DESACTIVE) != 0 || d.wStartHour > 23 || d.wStartMinute > 59 ||
        !DateExiste(d.wBeginYear, d.wBeginMonth, d.wBeginDay))
        return false;
    debut = Jours(d.wBeginYear, d.wBeginMonth, d.wBeginDay);
    fin = INT64_MAX;
    if ((d.rgFlags & DRAPEAU_DATE_FIN) == 0)
        return true;
    if (!DateExiste(d.wEndYear, d.wEndMonth, d.wEndDay))
        return false;
    fin = Jours(d.wEndYear, d.wEndMonth, d.wEndDay);
    return true;
}

// Whether the trigger fires on a day of its period, and every how many days it can.
bool Declenche(const ChampsDeclencheur& d, std::int64_t debut, std::int64_t jour)
{
    const std::int64_t intervalle = std::max<std::int64_t>(d.intervalle, 1);
    switch (d.TriggerType)
    {
    case TYPE_UNE_FOIS:
        return jour == debut;
    case TYPE_QUOTIDIEN:
        return (jour - debut) % intervalle == 0;
    case TYPE_HEBDOMADAIRE:
    {
        // Weeks begin on Sunday; every so many from the begin date's week.
        const std::int64_t semaines = (jour - JourSemaine(jour) - (debut - JourSemaine(debut))) / 7;
        return (d.rgfDaysOfTheWeek >> JourSemaine(jour) & 1) != 0 && semaines % intervalle == 0;
    }
    default:
        return false;
    }
}
} // namespace

bool PremiereExecution(const ChampsDeclencheur& d, const ChampsLocaux& maintenant, ChampsLocaux& execution)
{
    std::int64_t debut = 0, fin = 0;
    if (!Periode(d, debut, fin))
        return false;
    // Today's run is gone once its minute has begun.
    const bool passee = d.wStartHour * 3600 + d.wStartMinute * 60 <
                        maintenant.heure * 3600 + maintenant.minute * 60 + maintenant.seconde;
    const std::int64_t premier =
        std::max(debut, Jours(maintenant.annee, maintenant.mois, maintenant.jour) + (passee ? 1 : 0));
    // Every pattern repeats within as many days as its interval, in weeks for a weekly trigger.
    const std::int64_t cycle =
        std::max<std::int64_t>(d.intervalle, 1) * (d.TriggerType == TYPE_HEBDOMADAIRE ? 7 : 1);
    for (std::int64_t jour = premier; jour < premier + cycle && jour <= fin; ++jour)
    {
        if (Declenche(d, debut, jour))
        {
            execution = ChampsLocaux();
            Date(jour, execution);
            execution.heure = d.wStartHour;
            execution.minute = d.wStartMinute;
            execution.jourSemaine = JourSemaine(jour) + 1;
            return true;
        }
    }
    return false;
}

bool EstUneExecution(const ChampsDeclencheur& d, const ChampsLocaux& moment)
{
    std::int64_t debut = 0, fin = 0;
    const std::int64_t jour = Jours(moment.annee, moment.mois, moment.jour);
    return Periode(d, debut, fin) && moment.heure == d.wStartHour && moment.minute == d.wStartMinute &&
           debut <= jour && jour <= fin && Declenche(d, debut, jour);
}

bool ExecutionSuivie(const ChampsDeclencheur& avant, const ChampsDeclencheur& apres,
                     std::int32_t dureeSecondes, CTemps maintenant, ChampsLocaux& execution)
{
    ChampsLocaux local;
    std::int64_t debut = 0, fin = 0;
    if (!maintenant.Local(local))
        return false;
    if (dureeSecondes > 0 && Periode(apres, debut, fin))
    {
        // The latest run begun: today's once its minute has come, else an earlier day's. Older
        // runs ended sooner; none older than the duration (and a day for a clock change) counts.
        const std::int64_t aujourdhui = Jours(local.annee, local.mois, local.jour);
        const bool commencee = apres.wStartHour * 60 + apres.wStartMinute <= local.heure * 60 + local.minute;
        const std::int64_t plusAncien = std::max(debut, aujourdhui - dureeSecondes / 86400 - 1);
        for (std::int64_t jour = std::min(fin, aujourdhui - (commencee ? 0 : 1)); jour >= plusAncien; --jour)
        {
            if (!Declenche(apres, debut, jour))
                continue;
            ChampsLocaux enCours;
            Date(jour, enCours);
            enCours.heure = apres.wStartHour;
            enCours.minute = apres.wStartMinute;
            enCours.jourSemaine = JourSemaine(jour) + 1;
            CTemps depart;
            if (EstUneExecution(avant, enCours) &&
                CTemps::DepuisLocal(enCours.annee, enCours.mois, enCours.jour, enCours.heure, enCours.minute,
                                    0, depart) &&
                maintenant.Secondes() - std::int64_t{depart.Secondes()} < dureeSecondes)
            {
                execution = enCours;
                return true;
            }
            break;
        }
    }
    return PremiereExecution(apres, local, execution);
}

bool ChampsArret(const ChampsLocaux& execution, std::int32_t dureeSecondes, ChampsDeclencheur& arret)
{
    CTemps debut;
    CTemps fin;
    ChampsLocaux local;
    if (!CTemps::DepuisLocal(execution.annee, execution.mois, execution.jour, execution.heure,
                             execution.minute, 0, debut) ||
        !debut.Plus(CDureeTemps(0, 0, 0, MARGE_ARRET + std::int64_t{dureeSecondes}), fin) ||
        !fin.Local(local))
        return false;
    arret = ChampsDeclencheur();
    arret.wBeginYear = static_cast<std::uint16_t>(local.annee);
    arret.wBeginMonth = static_cast<std::uint16_t>(local.mois);
    arret.wBeginDay = static_cast<std::uint16_t>(local.jour);
    arret.wStartHour = static_cast<std::uint16_t>(local.heure);
    arret.wStartMinute = static_cast<std::uint16_t>(local.minute);
    arret.rgFlags = DRAPEAU_ARRET_A_LA_FIN;
    arret.TriggerType = TYPE_UNE_FOIS;
    return true;
}

bool ArretDe(const ChampsDeclencheur& arret, const ChampsDeclencheur& enregistrement,
             std::int32_t dureeSecondes)
{
    CTemps moment;
    CTemps execution;
    ChampsLocaux local;
    // The companion's minute was rounded down from the run's end: a run starts within the minute
    // before that moment less the margin and the duration.
    return arret.TriggerType == TYPE_UNE_FOIS && arret.wStartHour <= 23 && arret.wStartMinute <= 59 &&
           DateExiste(arret.wBeginYear, arret.wBeginMonth, arret.wBeginDay) &&
           CTemps::DepuisLocal(arret.wBeginYear, arret.wBeginMonth, arret.wBeginDay, arret.wStartHour,
                               arret.wStartMinute, 59, moment) &&
           moment.Plus(CDureeTemps(0, 0, 0, -(MARGE_ARRET + std::int64_t{dureeSecondes})), execution) &&
           execution.Local(local) && EstUneExecution(enregistrement, local);
}

std::string CommentaireArret(const std::string& nom)
{
    return PREFIXE_COMMENTAIRE + nom + SUFFIXE_COMMENTAIRE;
}

bool ArretDeLEnregistrement(const std::string& commentaire, const ChampsDeclencheur& arret,
                            const std::string& nom, const ChampsDeclencheur& enregistrement,
                            std::int32_t dureeSecondes)
{
    const std::size_t prefixe = PREFIXE_COMMENTAIRE.size(), suffixe = SUFFIXE_COMMENTAIRE.size();
    const bool nomme = commentaire.size() >= prefixe + suffixe &&
                       commentaire.compare(0, prefixe, PREFIXE_COMMENTAIRE) == 0 &&
                       commentaire.compare(commentaire.size() - suffixe, suffixe, SUFFIXE_COMMENTAIRE) == 0;
    if (nomme)
        return commentaire.compare(prefixe, commentaire.size() - prefixe - suffixe, nom) == 0;
    return ArretDe(arret, enregistrement, dureeSecondes);
}

bool ArretPasse(const ChampsDeclencheur& arret, const ChampsLocaux& maintenant)
{
    const auto moment = std::make_tuple(Jours(arret.wBeginYear, arret.wBeginMonth, arret.wBeginDay),
                                        arret.wStartHour * 60 + arret.wStartMinute);
    return arret.TriggerType == TYPE_UNE_FOIS &&
           moment < std::make_tuple(Jours(maintenant.annee, maintenant.mois, maintenant.jour),
                                    maintenant.heure * 60 + maintenant.minute);
}
