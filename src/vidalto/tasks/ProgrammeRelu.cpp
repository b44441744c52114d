#include "tasks/ProgrammeRelu.h"

#include "programme/LectureParametres.h"

#include <algorithm>

namespace
{
// The day at hour:minute:00 local time, when the fields are those of a real date and time of
// the program's range. Not the instant 0, which the program keeps for "not set": the editor
// would take the recording for a new programme.
bool Instant(std::uint16_t annee, std::uint16_t mois, std::uint16_t jour, std::uint16_t heure,
             std::uint16_t minute, CTemps& resultat)
{
    if (annee < 1970 || mois < 1 || mois > 12 || jour < 1 || jour > 31 || heure > 23 || minute > 59)
        return false;
    CTemps instant;
    ChampsLocaux lu;
    // A 31 February would come back as a day of March: refused rather than moved.
    if (!CTemps::DepuisLocal(annee, mois, jour, heure, minute, 0, instant) || !instant.EstDefini() ||
        !instant.Local(lu) || lu.jour != jour)
        return false;
    resultat = instant;
    return true;
}

std::int32_t Drapeau(std::uint16_t masque, std::uint16_t bit)
{
    return (masque & bit) != 0 ? 1 : 0;
}
} // namespace

std::string FichierDeColonne(const std::string& colonne)
{
    return colonne.size() < 4 ? std::string() : colonne.substr(0, colonne.size() - 4);
}

bool RelireProgramme(const std::string& parametres, const ChampsDeclencheur& d,
                     const std::string& colonneFichier, CDefinitionProgramme& programme)
{
    // A monthly or event trigger has no place in the editor: saving would make it weekly.
    const bool periodeConnue = d.TriggerType == TYPE_UNE_FOIS || d.TriggerType == TYPE_QUOTIDIEN ||
                               d.TriggerType == TYPE_HEBDOMADAIRE;
    CTemps dateDepart, heureDepart, dateFin;
    if (!periodeConnue || !LireLigne(parametres).reconnue ||
        !Instant(d.wBeginYear, d.wBeginMonth, d.wBeginDay, 0, 0, dateDepart) ||
        !Instant(d.wBeginYear, d.wBeginMonth, d.wBeginDay, d.wStartHour, d.wStartMinute, heureDepart))
        return false;
    if (d.TriggerType != TYPE_UNE_FOIS)
    {
        const bool sansFin = d.wEndYear == 0 && d.wEndMonth == 0 && d.wEndDay == 0;
        if (sansFin ? !Instant(ANNEE_FIN_SANS_LIMITE, 12, 31, 0, 0, dateFin)
                    : !Instant(d.wEndYear, d.wEndMonth, d.wEndDay, 0, 0, dateFin))
            return false;
    }

    programme.m_chaine = LireChaine(parametres);
    programme.m_dateDepart = dateDepart;
    programme.m_heureDepart = heureDepart;
    // From the seconds themselves, the list showing the hours within a day only; a negative
    // length (a damaged number) is none.
    programme.m_minutes = std::to_string(std::max(LireDuree(parametres), std::int32_t{0}) / 60);
    programme.m_fichier = FichierDeColonne(colonneFichier);
    programme.m_nomProgramme = programme.m_fichier;
    programme.m_uneFois = d.TriggerType == TYPE_UNE_FOIS ? 1 : 0;
    programme.m_tousLesJours = d.TriggerType == TYPE_QUOTIDIEN ? 1 : 0;
    programme.m_toutesLesSemaines = programme.m_uneFois == 0 && programme.m_tousLesJours == 0;
    if (programme.m_uneFois != 0)
        return true;
    programme.m_dateFin = dateFin;
    if (programme.m_tousLesJours != 0)
        return true;
    const std::uint16_t masque = d.rgfDaysOfTheWeek;
    programme.m_dimanche = Drapeau(masque, 0x01);
    programme.m_lundi = Drapeau(masque, 0x02);
    programme.m_mardi = Drapeau(masque, 0x04);
    programme.m_mercredi = Drapeau(masque, 0x08);
    programme.m_jeudi = Drapeau(masque, 0x10);
    programme.m_vendredi = Drapeau(masque, 0x20);
    programme.m_samedi = Drapeau(masque, 0x40);
    return true;
}
