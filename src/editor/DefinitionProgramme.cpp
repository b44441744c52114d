#include "editor/DefinitionProgramme.h"

namespace
{
// White space as isspace sees it in the C locale, whatever locale the program runs in.
bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

const char* const MESSAGE_NOM_INTERDIT =
    "Ce nom ne peut pas servir de nom de fichier : il ne peut contenir aucun des caractères "
    "\\ / : * ? \" < > | ni caractère de contrôle, et ne peut pas être « . » ou « .. ».\nChoisissez un "
    "autre nom.";

bool NomFichierPermis(const std::string& nom)
{
    if (nom == "." || nom == "..")
        return false;
    for (const char c : nom)
    {
        if (static_cast<unsigned char>(c) < 0x20 || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            return false;
    }
    return true;
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
