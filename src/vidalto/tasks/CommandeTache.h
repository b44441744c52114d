#pragma once
// The command and the trigger of a recording work item, from the programme.

#include "programme/DefinitionProgramme.h"
#include "tasks/Planificateur.h"

#include <memory>
#include <string>

// Saves the work item once as it stands, then sets its application (the TV folder followed by
// "\WinTV2K.EXE") and its parameter string; hands back its persistence, through which the
// account step saves it. A path or string too long for the scheduler is refused before
// anything is saved (COMMANDE_TROP_LONGUE); otherwise the first failing call's code.
HRESULT DefinirCommande(CTache& tache, const CDefinitionProgramme& programme, const std::string& dossierTV,
                        const std::string& nom, std::unique_ptr<CPersistance>& persistance);

// The trigger of a recording from the programme's period, dates and weekdays; the scheduler's
// answer, unchanged.
HRESULT DefinirDeclencheur(CDeclencheur& declencheur, const CDefinitionProgramme& programme);
