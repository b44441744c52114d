#include "programme/DefinitionProgramme.h"

const char* const NOM_COMPAGNON = "Shutdown";
const char* const MESSAGE_NOM_INTERDIT =
    "Ce nom ne peut pas servir de nom de fichier : il ne peut contenir aucun des caractères "
    "\\ / : * ? \" < > | ni caractère de contrôle, et ne peut pas être « . » ou « .. ».\nChoisissez un "
    "autre nom.";
const char* const MESSAGE_NOM_RESERVE =
    "Ce nom est réservé par Windows à un périphérique : CON, PRN, AUX, NUL, COM1 à COM9 et LPT1 à "
    "LPT9, en majuscules ou en minuscules, seuls ou suivis d'un point, ne peuvent pas nommer un "
    "enregistrement.\nChoisissez un autre nom.";
const char* const MESSAGE_NOM_ARRET =
    "« Shutdown » est le nom de la tâche qui arrête l'ordinateur après un enregistrement : il ne "
    "peut pas nommer un enregistrement.\nChoisissez un autre nom.";

namespace
{
// White space as isspace sees it in the C locale, whatever locale the program runs in.
bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The text in upper case, for the letters of ASCII only: Windows compares device names so.
std::string Majuscules(std::string texte)
{
    for (char& c : texte)
    {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return texte;
}

// Windows also takes the superscript digits of code page 1252 for those of COM and LPT.
bool EstChiffrePeripherique(char c)
{
    return (c >= '1' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

bool EstPeripherique(const std::string& nom)
{
    const std::string base = Majuscules(nom.substr(0, nom.find('.')));
    return base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" ||
           (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
            EstChiffrePeripherique(base[3]));
}
} // namespace

const char* RefusNomTache(const std::string& nom)
{
    if (nom == "." || nom == "..")
        return MESSAGE_NOM_INTERDIT;
    for (const char c : nom)
    {
        if (static_cast<unsigned char>(c) < 0x20 || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            return MESSAGE_NOM_INTERDIT;
    }
    if (EstPeripherique(nom))
        return MESSAGE_NOM_RESERVE;
    if (Majuscules(nom) == Majuscules(NOM_COMPAGNON))
        return MESSAGE_NOM_ARRET;
    return nullptr;
}

CDureeTemps MinutesEnDuree(const std::string& minutes)
{
    std::size_t i = 0;
    while (i < minutes.size() && EstBlanc(minutes[i]))
        ++i;
    bool negatif = false;
    if (i < minutes.size() && (minutes[i] == '+' || minutes[i] == '-'))
    {
        negatif = minutes[i] == '-';
        ++i;
    }
    // Accumulation stops growing past the clamp, so any number of digits is safe.
    std::int64_t valeur = 0;
    for (; i < minutes.size() && minutes[i] >= '0' && minutes[i] <= '9'; ++i)
    {
        if (valeur <= MINUTES_MAX)
            valeur = valeur * 10 + (minutes[i] - '0');
    }
    if (valeur > MINUTES_MAX)
        valeur = MINUTES_MAX;
    if (negatif)
        valeur = -valeur;
    const std::int64_t heures = valeur / 60;
    return CDureeTemps(0, heures, valeur - 60 * heures, 0);
}

bool CDefinitionProgramme::DefinirDossierTV(const char* dossier)
{
    m_dossierTV[0] = '\0';
    if (dossier == nullptr)
        return false;
    // Never look further than the buffer could hold: a longer text is refused either way.
    std::size_t longueur = 0;
    while (longueur < sizeof m_dossierTV && dossier[longueur] != '\0')
        ++longueur;
    if (longueur >= sizeof m_dossierTV)
        return false;
    for (std::size_t i = 0; i <= longueur; ++i)
        m_dossierTV[i] = dossier[i];
    return true;
}

void CDefinitionProgramme::CalculerFin()
{
    const CDureeTemps duree = MinutesEnDuree(m_minutes);
    // The clamp keeps the product inside 32 bits.
    m_dureeSecondes = static_cast<std::int32_t>(duree.TotalMinutes() * 60);
    CTemps fin;
    m_heureFin = m_heureDepart.Plus(duree, fin) ? fin.HeureMinute() : std::string();
}

void CDefinitionProgramme::DefinirValeursNouvelles(CTemps maintenant)
{
    m_chaine = 0;
    m_nomProgramme = "WinTV_00";
    m_fichier = m_nomProgramme;
    m_minutes = "60";
    m_dateDepart = maintenant;
    m_heureDepart = maintenant;
    m_dateFin = maintenant;
    CalculerFin();
    m_dureeSecondes = 3600;
}
