#pragma once
// Calendar fields are those of local time: every test of this tier runs with the time zone pinned
// to Paris (CET/CEST), and builds its instants from Paris calendar times.

#include "framework/Temps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

inline const bool FUSEAU_PARIS = (setenv("TZ", "Europe/Paris", 1), tzset(), true);

inline CTemps Instant(int annee, int mois, int jour, int heure, int minute, int seconde = 0)
{
    CTemps instant;
    EXPECT_TRUE(CTemps::DepuisLocal(annee, mois, jour, heure, minute, seconde, instant));
    return instant;
}
