#include "tasks/DeclencheurTache.h"

TASK_TRIGGER VersTaskTrigger(const ChampsDeclencheur& champs)
{
    TASK_TRIGGER t = {};
    t.cbTriggerSize = champs.cbTriggerSize;
    t.Reserved1 = champs.Reserved1;
    t.wBeginYear = champs.wBeginYear;
    t.wBeginMonth = champs.wBeginMonth;
    t.wBeginDay = champs.wBeginDay;
    t.wEndYear = champs.wEndYear;
    t.wEndMonth = champs.wEndMonth;
    t.wEndDay = champs.wEndDay;
    t.wStartHour = champs.wStartHour;
    t.wStartMinute = champs.wStartMinute;
    t.MinutesDuration = champs.MinutesDuration;
    t.MinutesInterval = champs.MinutesInterval;
    t.rgFlags = champs.rgFlags;
    t.TriggerType = static_cast<TASK_TRIGGER_TYPE>(champs.TriggerType);
    // DaysInterval and WeeksInterval share their place.
    t.Type.Weekly.WeeksInterval = champs.intervalle;
    t.Type.Weekly.rgfDaysOfTheWeek = champs.rgfDaysOfTheWeek;
    t.Reserved2 = champs.Reserved2;
    t.wRandomMinutesInterval = champs.wRandomMinutesInterval;
    return t;
}

ChampsDeclencheur DepuisTaskTrigger(const TASK_TRIGGER& t)
{
    ChampsDeclencheur champs;
    champs.cbTriggerSize = t.cbTriggerSize;
    champs.Reserved1 = t.Reserved1;
    champs.wBeginYear = t.wBeginYear;
    champs.wBeginMonth = t.wBeginMonth;
    champs.wBeginDay = t.wBeginDay;
    champs.wEndYear = t.wEndYear;
    champs.wEndMonth = t.wEndMonth;
    champs.wEndDay = t.wEndDay;
    champs.wStartHour = t.wStartHour;
    champs.wStartMinute = t.wStartMinute;
    champs.MinutesDuration = t.MinutesDuration;
    champs.MinutesInterval = t.MinutesInterval;
    champs.rgFlags = t.rgFlags;
    champs.TriggerType = static_cast<std::uint32_t>(t.TriggerType);
    champs.intervalle = t.Type.Weekly.WeeksInterval;
    champs.rgfDaysOfTheWeek = t.Type.Weekly.rgfDaysOfTheWeek;
    champs.Reserved2 = t.Reserved2;
    champs.wRandomMinutesInterval = t.wRandomMinutesInterval;
    return champs;
}
