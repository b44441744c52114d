#include "channels/BaseDonnee.h"

const char* const REQUETE_CHAINES =
    "SELECT hcwChannels.id, hcwChannels.service_id, hcwChannels.preferred_name, "
    "hcwChannels.preferred_number, hcwChannels.audio_lang, hcwChannels.subtitle_lang, "
    "hcwChannels.audio_mode, hcwChannels.irblaster_data, hcwChannels.channel_type, "
    "hcwChannels.language, hcwChannels.genre, hcwChannels.duplicate_channel_id, "
    "hcwChannels.duplicate_priority, hcwChannels.blocked_flag, hcwChannels.last_used "
    "FROM hcwChannels ORDER BY hcwChannels.preferred_number";
