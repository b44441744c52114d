#pragma once
// The scheduler interface over the real Task Scheduler 1.0, through COM.

#include "tasks/Planificateur.h"

// CoCreateInstance of the scheduler object (in-process server); COM must be initialised.
HRESULT CreerPlanificateurCom(std::unique_ptr<CPlanificateur>& planificateur);
