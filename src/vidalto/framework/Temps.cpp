#include "framework/Temps.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace
{
bool DansPlage32(std::int64_t valeur)
{
    return valeur >= std::numeric_limits<std::int32_t>::min() &&
           valeur <= std::numeric_limits<std::int32_t>::max();
}
} // namespace

CTemps CTemps::Maintenant()
{
    const std::int64_t maintenant = static_cast<std::int64_t>(std::time(nullptr));
    // Past 2038 the clock no longer fits the program's date-time: "not set" rather than a wrap.
    return DansPlage32(maintenant) ? CTemps(static_cast<std::int32_t>(maintenant)) : CTemps();
}

bool CTemps::DepuisLocal(int annee, int mois, int jour, int heure, int minute, int seconde, CTemps& resultat)
{
    std::tm champs{};
    champs.tm_year = annee - 1900;
    champs.tm_mon = mois - 1;
    champs.tm_mday = jour;
    champs.tm_hour = heure;
    champs.tm_min = minute;
    champs.tm_sec = seconde;
    champs.tm_isdst = -1;
    // mktime sets tm_wday only on success: that tells a failure from the valid instant -1.
    champs.tm_wday = -1;
    const std::time_t instant = std::mktime(&champs);
    if (instant == static_cast<std::time_t>(-1) && champs.tm_wday == -1)
        return false;
    const std::int64_t secondes = static_cast<std::int64_t>(instant);
    if (!DansPlage32(secondes))
        return false;
    resultat = CTemps(static_cast<std::int32_t>(secondes));
    return true;
}

bool CTemps::Local(ChampsLocaux& champs) const
{
    const std::time_t instant = static_cast<std::time_t>(m_secondes);
    const std::tm* local = std::localtime(&instant);
    if (local == nullptr)
        return false;
    champs.annee = local->tm_year + 1900;
    champs.mois = local->tm_mon + 1;
    champs.jour = local->tm_mday;
    champs.heure = local->tm_hour;
    champs.minute = local->tm_min;
    champs.seconde = local->tm_sec;
    champs.jourSemaine = local->tm_wday + 1;
    return true;
}

std::string CTemps::HeureMinute() const
{
    ChampsLocaux champs;
    if (!Local(champs))
        return std::string();
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02d:%02d", champs.heure, champs.minute);
    return texte;
}

bool CTemps::Plus(CDureeTemps duree, CTemps& resultat) const
{
    // The bounds are taken on the duration, so that the sum itself never overflows 64 bits.
    const std::int64_t depart = m_secondes;
    const std::int64_t secondes = duree.TotalSecondes();
    if (secondes < std::numeric_limits<std::int32_t>::min() - depart ||
        secondes > std::numeric_limits<std::int32_t>::max() - depart)
        return false;
    resultat = CTemps(static_cast<std::int32_t>(depart + secondes));
    return true;
}
