#pragma once
// A scheduler that times every call it hands on to the real one: what a command spends inside
// the scheduler, and so what it spends in its own code and windows.

#include "Chrono.h"

#include "mainwindow/VidaltoDlg.h"
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

// The main window whose scheduler times its own calls.
class CFenetreChrono : public CVidaltoDlg
{
public:
    MesuresAppels m_appels;

protected:
    HRESULT CreerPlanificateur(std::unique_ptr<CPlanificateur>& planificateur) override
    {
        std::unique_ptr<CPlanificateur> vrai;
        const HRESULT hr = CVidaltoDlg::CreerPlanificateur(vrai);
        if (SUCCEEDED(hr))
            planificateur = PlanificateurChrono(std::move(vrai), m_appels);
        return hr;
    }
};
