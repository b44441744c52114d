#include "tasks/ChampsDeclencheur.h"

namespace
{
std::uint16_t Mot(int valeur)
{
    return static_cast<std::uint16_t>(valeur);
}

void Date(CTemps instant, std::uint16_t& annee, std::uint16_t& mois, std::uint16_t& jour)
{
    ChampsLocaux champs;
    if (!instant.Local(champs))
        return;
    annee = Mot(champs.annee);
    mois = Mot(champs.mois);
    jour = Mot(champs.jour);
}
} // namespace

std::uint16_t MasqueJours(const CDefinitionProgramme& programme)
{
    const std::int32_t drapeaux[] = {programme.m_dimanche, programme.m_lundi, programme.m_mardi,
                                     programme.m_mercredi, programme.m_jeudi, programme.m_vendredi,
                                     programme.m_samedi};
    std::uint16_t masque = 0;
    std::uint16_t bit = 0x01;
    for (std::int32_t drapeau : drapeaux)
    {
        if (drapeau != 0)
            masque = static_cast<std::uint16_t>(masque | bit);
        bit = static_cast<std::uint16_t>(bit << 1);
    }
    return masque;
}

ChampsDeclencheur ChampsDepuisProgramme(const CDefinitionProgramme& programme)
{
    ChampsDeclencheur champs;
    Date(programme.m_dateDepart, champs.wBeginYear, champs.wBeginMonth, champs.wBeginDay);

    // The time of day only: the date and the seconds of m_heureDepart do not count.
    ChampsLocaux depart;
    if (programme.m_heureDepart.Local(depart))
    {
        champs.wStartHour = Mot(depart.heure);
        champs.wStartMinute = Mot(depart.minute);
    }

    if (programme.m_uneFois != 0)
    {
        champs.TriggerType = TYPE_UNE_FOIS;
        return champs;
    }
    champs.rgFlags = DRAPEAU_DATE_FIN;
    champs.intervalle = 1;
    Date(programme.m_dateFin, champs.wEndYear, champs.wEndMonth, champs.wEndDay);
    if (programme.m_tousLesJours != 0)
    {
        champs.TriggerType = TYPE_QUOTIDIEN;
        return champs;
    }
    champs.TriggerType = TYPE_HEBDOMADAIRE;
    champs.rgfDaysOfTheWeek = MasqueJours(programme);
    return champs;
}
