#pragma once
// The recordset over the TV application's channel table hcwChannels: one member per column,
// in the order of the channel query's result.

#include "framework/BaseDonnees.h"
#include "framework/Temps.h"

#include <cstdint>
#include <string>

// The channel query, exact: its 15 result columns are the recordset's members in order.
extern const char* const REQUETE_CHAINES;

class CBaseDonnee : public CJeuEnregistrements
{
public:
    static constexpr int NOMBRE_CHAMPS = 15;
    // Indexes of the columns the channel list reads.
    static constexpr int COLONNE_NOM = 2;
    static constexpr int COLONNE_NUMERO = 3;
    static constexpr int COLONNE_LANGUE = 9;

    explicit CBaseDonnee(CBaseDeDonnees& base);

    std::string SqlParDefaut() const override;

    std::int32_t m_id;
    std::int32_t m_service_id;
    std::string m_preferred_name;
    std::int32_t m_preferred_number;
    std::string m_audio_lang;
    std::string m_subtitle_lang;
    std::string m_audio_mode;
    std::string m_irblaster_data;
    std::string m_channel_type;
    std::string m_language;
    std::string m_genre;
    std::int32_t m_duplicate_channel_id;
    std::int32_t m_duplicate_priority;
    std::int32_t m_blocked_flag; // 0 or 1
    // Not set by the constructor; the program never reads it.
    CTemps m_last_used;

protected:
    void EchangerChamps() override;
};
