#pragma once
// Calendar fields are those of local time: the tests that read them pin the time zone to
// Paris (CET/CEST), and build their instants from Paris calendar times.

#include "framework/Temps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

inline void FixerFuseauParis()
{
    setenv("TZ", "Europe/Paris", 1);
    tzset();
}

inline CTemps Instant(int annee, int mois, int jour, int heure, int minute, int seconde = 0)
{
    CTemps instant;
    EXPECT_TRUE(CTemps::DepuisLocal(annee, mois, jour, heure, minute, seconde, instant));
    return instant;
}
