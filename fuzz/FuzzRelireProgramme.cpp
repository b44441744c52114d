// A recording read back for an edit (RelireProgramme) from any trigger, parameter text and file
// column. Input: the trigger's 44 bytes, then the parameter text and the file column, each ended
// by a NUL.
#include "Entree.h"

#include "programme/LectureParametres.h"
#include "tasks/ProgrammeRelu.h"

#include <algorithm>

namespace
{
// Values an edit would never set, so that a member written or forgotten shows.
CDefinitionProgramme Temoin()
{
    CDefinitionProgramme p;
    p.m_uneFois = p.m_toutesLesSemaines = p.m_tousLesJours = 7;
    p.m_chaine = 7777;
    p.m_dureeSecondes = 77;
    p.m_nomProgramme = "nom";
    p.m_dateDepart = CTemps(71);
    p.m_fichier = "fichier";
    p.m_minutes = "minutes";
    p.m_heureDepart = CTemps(72);
    p.m_dateFin = CTemps(73);
    p.m_heureFin = "fin";
    p.m_dimanche = p.m_lundi = p.m_mardi = p.m_mercredi = 7;
    p.m_jeudi = p.m_vendredi = p.m_samedi = 7;
    p.m_arreter = 7;
    p.DefinirDossierTV("C:\\TV");
    return p;
}

bool MemesJours(const CDefinitionProgramme& a, const CDefinitionProgramme& b)
{
    return a.m_dimanche == b.m_dimanche && a.m_lundi == b.m_lundi && a.m_mardi == b.m_mardi &&
           a.m_mercredi == b.m_mercredi && a.m_jeudi == b.m_jeudi && a.m_vendredi == b.m_vendredi &&
           a.m_samedi == b.m_samedi;
}

// The members an edit does not read back.
bool MemesNonRelus(const CDefinitionProgramme& a, const CDefinitionProgramme& b)
{
    return a.m_dureeSecondes == b.m_dureeSecondes && a.m_heureFin == b.m_heureFin &&
           a.m_arreter == b.m_arreter && std::strcmp(a.m_dossierTV, b.m_dossierTV) == 0;
}

bool Identiques(const CDefinitionProgramme& a, const CDefinitionProgramme& b)
{
    return MemesNonRelus(a, b) && MemesJours(a, b) && a.m_uneFois == b.m_uneFois &&
           a.m_toutesLesSemaines == b.m_toutesLesSemaines && a.m_tousLesJours == b.m_tousLesJours &&
           a.m_chaine == b.m_chaine && a.m_nomProgramme == b.m_nomProgramme &&
           a.m_dateDepart.Secondes() == b.m_dateDepart.Secondes() && a.m_fichier == b.m_fichier &&
           a.m_minutes == b.m_minutes && a.m_heureDepart.Secondes() == b.m_heureDepart.Secondes() &&
           a.m_dateFin.Secondes() == b.m_dateFin.Secondes();
}

// A date of the calendar whose midnight the program's date-time holds whole days of.
bool DateReelle(int annee, int mois, int jour)
{
    static const int JOURS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (annee < 1970 || annee > 2037 || mois < 1 || mois > 12 || jour < 1)
        return false;
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    return jour <= JOURS[mois - 1] + (mois == 2 && bissextile ? 1 : 0);
}

// False for a local time that the clocks skip (spring forward).
bool HeureExiste(int annee, int mois, int jour, int heure, int minute)
{
    std::int64_t secondes = 0;
    if (!InstantLocal(annee, mois, jour, heure, minute, secondes))
        return false;
    const std::time_t instant = static_cast<std::time_t>(secondes);
    std::tm lu{};
    return localtime_r(&instant, &lu) != nullptr && lu.tm_hour == heure && lu.tm_min == minute;
}

// Not the instant 0, which the program's date-time keeps for "not set".
bool Defini(int annee, int mois, int jour, int heure, int minute)
{
    std::int64_t secondes = 0;
    return InstantLocal(annee, mois, jour, heure, minute, secondes) && secondes != 0;
}

// A trigger the program could have written: once, daily or weekly, real dates, a time of day,
// none of them the instant 0.
bool DeclencheurReel(const ChampsDeclencheur& d)
{
    if (d.TriggerType > TYPE_HEBDOMADAIRE || !DateReelle(d.wBeginYear, d.wBeginMonth, d.wBeginDay) ||
        d.wStartHour > 23 || d.wStartMinute > 59 || !Defini(d.wBeginYear, d.wBeginMonth, d.wBeginDay, 0, 0) ||
        !Defini(d.wBeginYear, d.wBeginMonth, d.wBeginDay, d.wStartHour, d.wStartMinute))
        return false;
    if (d.TriggerType == TYPE_UNE_FOIS || (d.wEndYear == 0 && d.wEndMonth == 0 && d.wEndDay == 0))
        return true;
    return DateReelle(d.wEndYear, d.wEndMonth, d.wEndDay) && Defini(d.wEndYear, d.wEndMonth, d.wEndDay, 0, 0);
}

void VerifierRelu(const ChampsDeclencheur& d, const std::string& parametres,
                  const std::string& colonneFichier, const CDefinitionProgramme& p,
                  const CDefinitionProgramme& temoin)
{
    VERIFIER(MemesNonRelus(p, temoin));
    VERIFIER(p.m_chaine == LireChaine(parametres));

    // The file column less its extension, both as the file and as the programme's name.
    VERIFIER(p.m_nomProgramme == p.m_fichier);
    if (colonneFichier.size() < 4)
        VERIFIER(p.m_fichier.empty());
    else
        VERIFIER(p.m_fichier.size() + 4 == colonneFichier.size() &&
                 colonneFichier.compare(0, p.m_fichier.size(), p.m_fichier) == 0);

    // The whole minutes of the seconds after "-limit:", whatever their number; none below 0.
    VERIFIER(p.m_minutes == std::to_string(std::max(LireDuree(parametres), std::int32_t{0}) / 60));

    // One period, the trigger's, which is once, daily or weekly.
    const bool uneFois = d.TriggerType == TYPE_UNE_FOIS;
    const bool quotidien = d.TriggerType == TYPE_QUOTIDIEN;
    VERIFIER(d.TriggerType <= TYPE_HEBDOMADAIRE && LireLigne(parametres).reconnue);
    VERIFIER(p.m_uneFois == (uneFois ? 1 : 0) && p.m_tousLesJours == (quotidien ? 1 : 0) &&
             p.m_toutesLesSemaines == (!uneFois && !quotidien ? 1 : 0));

    // A recording read back is not taken for a new programme by the editor.
    VERIFIER(p.m_heureDepart.EstDefini());

    // Saved again, the programme gives back the trigger's dates, time and days.
    const ChampsDeclencheur r = ChampsDepuisProgramme(p);
    VERIFIER(r.wBeginYear == d.wBeginYear && r.wBeginMonth == d.wBeginMonth && r.wBeginDay == d.wBeginDay);
    if (HeureExiste(d.wBeginYear, d.wBeginMonth, d.wBeginDay, d.wStartHour, d.wStartMinute))
        VERIFIER(r.wStartHour == d.wStartHour && r.wStartMinute == d.wStartMinute);
    if (uneFois)
    {
        VERIFIER(r.TriggerType == TYPE_UNE_FOIS);
        VERIFIER(p.m_dateFin.Secondes() == temoin.m_dateFin.Secondes() && MemesJours(p, temoin));
        return;
    }
    VERIFIER(r.TriggerType == (quotidien ? TYPE_QUOTIDIEN : TYPE_HEBDOMADAIRE));
    if (d.wEndYear == 0 && d.wEndMonth == 0 && d.wEndDay == 0)
        VERIFIER(r.wEndYear == ANNEE_FIN_SANS_LIMITE && r.wEndMonth == 12 && r.wEndDay == 31);
    else
        VERIFIER(r.wEndYear == d.wEndYear && r.wEndMonth == d.wEndMonth && r.wEndDay == d.wEndDay);
    if (quotidien)
        VERIFIER(MemesJours(p, temoin));
    else
        VERIFIER(r.rgfDaysOfTheWeek == (d.rgfDaysOfTheWeek & 0x7F));
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
    const ChampsDeclencheur declencheur = LireDeclencheur(octets);
    const std::string parametres = octets.Texte();
    const std::string colonneFichier = octets.Texte();

    const CDefinitionProgramme temoin = Temoin();
    CDefinitionProgramme programme = Temoin();
    const bool relu = RelireProgramme(parametres, declencheur, colonneFichier, programme);

    // Every trigger the program could have written, with parameters of a recording, is read back;
    // a refused one changes nothing.
    if (DeclencheurReel(declencheur) && LireLigne(parametres).reconnue)
        VERIFIER(relu);
    if (!relu)
    {
        VERIFIER(Identiques(programme, temoin));
        return 0;
    }
    VerifierRelu(declencheur, parametres, colonneFichier, programme, temoin);
    return 0;
}
