#pragma once
// A scheduler that times every call it hands on to the real one: what a command spends inside
// the scheduler, and so what it spends in its own code and windows.

#include "Chrono.h"

#include "tasks/Planificateur.h"

#include <memory>

// The calls made through a timed scheduler, or through the work items, triggers,
// persistences and enumerators it handed out.
struct MesuresAppels
{
    double secondes = 0; // their time
    Horloge::time_point debutPremier, finDernier;
    bool vide = true;
};

std::unique_ptr<CPlanificateur> PlanificateurChrono(std::unique_ptr<CPlanificateur> vrai,
                                                    MesuresAppels& mesures);
