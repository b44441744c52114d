#include "tasks/Commandes.h"

#include "tasks/DeclencheurTache.h"

// The trigger of a recording from the programme's period, dates and weekdays; the
// scheduler's answer goes back to the caller unchanged.
HRESULT DefinirDeclencheur(CDeclencheur& declencheur, const CDefinitionProgramme& programme)
{
    return declencheur.Definir(VersTaskTrigger(ChampsDepuisProgramme(programme)));
}
