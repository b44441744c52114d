#pragma once
// The scheduler's TASK_TRIGGER and its portable mirror, field for field.

#include "tasks/ChampsDeclencheur.h"

#include <windows.h>
#include <mstask.h>

static_assert(sizeof(TASK_TRIGGER) == 48, "the scheduler's trigger is 48 bytes");

// Every field the mirror does not name is 0.
TASK_TRIGGER VersTaskTrigger(const ChampsDeclencheur& champs);
ChampsDeclencheur DepuisTaskTrigger(const TASK_TRIGGER& declencheur);
