#pragma once
// The trigger of a recording, as a portable mirror of the scheduler's 48-byte TASK_TRIGGER.

#include "programme/DefinitionProgramme.h"
#include <cstdint>

enum : std::uint32_t
{
    TYPE_UNE_FOIS = 0,    // TASK_TIME_TRIGGER_ONCE
    TYPE_QUOTIDIEN = 1,   // TASK_TIME_TRIGGER_DAILY
    TYPE_HEBDOMADAIRE = 2 // TASK_TIME_TRIGGER_WEEKLY
};
constexpr std::uint32_t DRAPEAU_DATE_FIN = 0x1;       // TASK_TRIGGER_FLAG_HAS_END_DATE
constexpr std::uint32_t DRAPEAU_ARRET_A_LA_FIN = 0x2; // TASK_TRIGGER_FLAG_KILL_AT_DURATION_END

// Field for field the layout of TASK_TRIGGER; the type union is reduced to the two words that
// daily and weekly triggers use.
struct ChampsDeclencheur
{
    std::uint16_t cbTriggerSize = 48;
    std::uint16_t Reserved1 = 0;
    std::uint16_t wBeginYear = 0;
    std::uint16_t wBeginMonth = 0;
    std::uint16_t wBeginDay = 0;
    std::uint16_t wEndYear = 0;
    std::uint16_t wEndMonth = 0;
    std::uint16_t wEndDay = 0;
    std::uint16_t wStartHour = 0;
    std::uint16_t wStartMinute = 0;
    std::uint32_t MinutesDuration = 0;
    std::uint32_t MinutesInterval = 0;
    std::uint32_t rgFlags = 0;
    std::uint32_t TriggerType = TYPE_UNE_FOIS;
    std::uint16_t intervalle = 0;       // Type.Daily.DaysInterval or Type.Weekly.WeeksInterval
    std::uint16_t rgfDaysOfTheWeek = 0; // Type.Weekly.rgfDaysOfTheWeek, Sunday = 0x01
    std::uint16_t Reserved2 = 0;
    std::uint16_t wRandomMinutesInterval = 0;
};

// Once when m_uneFois is set, else daily when m_tousLesJours is set, else weekly
// (m_toutesLesSemaines is not consulted). Calendar fields of an instant that cannot be
// converted are left 0.
ChampsDeclencheur ChampsDepuisProgramme(const CDefinitionProgramme& programme);

// The weekday mask of a weekly trigger: one bit per non-zero flag, Sunday lowest.
std::uint16_t MasqueJours(const CDefinitionProgramme& programme);
