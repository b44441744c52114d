#include "channels/BaseDonnee.h"

#include <cstdlib>

const char* const REQUETE_CHAINES =
    "SELECT hcwChannels.id, hcwChannels.service_id, hcwChannels.preferred_name, "
    "hcwChannels.preferred_number, hcwChannels.audio_lang, hcwChannels.subtitle_lang, "
    "hcwChannels.audio_mode, hcwChannels.irblaster_data, hcwChannels.channel_type, "
    "hcwChannels.language, hcwChannels.genre, hcwChannels.duplicate_channel_id, "
    "hcwChannels.duplicate_priority, hcwChannels.blocked_flag, hcwChannels.last_used "
    "FROM hcwChannels ORDER BY hcwChannels.preferred_number";

namespace
{
// An integer column as the driver converts it to text: plain decimal digits; 0 for NULL. Digits
// are read here, and anything else by strtol: at every row of a large channel table, strtol costs
// as much as the rest of the copy under some C runtimes.
std::int32_t Entier(const std::string& texte)
{
    const bool negatif = !texte.empty() && texte[0] == '-';
    const std::size_t debut = negatif ? 1 : 0;
    if (texte.size() > debut && texte.size() - debut <= 9)
    {
        std::int32_t valeur = 0;
        std::size_t i = debut;
        for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i)
            valeur = valeur * 10 + (texte[i] - '0');
        if (i == texte.size())
            return negatif ? -valeur : valeur;
    }
    return static_cast<std::int32_t>(std::strtol(texte.c_str(), nullptr, 10));
}
} // namespace

CBaseDonnee::CBaseDonnee(CBaseDeDonnees& base)
    : CJeuEnregistrements(base), m_id(0), m_service_id(0), m_preferred_number(0), m_duplicate_channel_id(0),
      m_duplicate_priority(0), m_blocked_flag(0)
{
}

std::string CBaseDonnee::SqlParDefaut() const
{
    return "[hcwChannels]";
}

void CBaseDonnee::EchangerChamps()
{
    m_id = Entier(Valeur(0));
    m_service_id = Entier(Valeur(1));
    m_preferred_name = Valeur(2);
    m_preferred_number = Entier(Valeur(3));
    m_audio_lang = Valeur(4);
    m_subtitle_lang = Valeur(5);
    m_audio_mode = Valeur(6);
    m_irblaster_data = Valeur(7);
    m_channel_type = Valeur(8);
    m_language = Valeur(9);
    m_genre = Valeur(10);
    m_duplicate_channel_id = Entier(Valeur(11));
    m_duplicate_priority = Entier(Valeur(12));
    m_blocked_flag = Entier(Valeur(13)) != 0 ? 1 : 0;
    // m_last_used (column 14) stays as it is: the program reads channels by their texts.
}
