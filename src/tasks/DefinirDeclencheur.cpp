#include "mainwindow/VidaltoDlg.h"

#include "tasks/DeclencheurTache.h"

// The trigger of a recording from the programme's period, dates and weekdays; the
// scheduler's answer goes back to the caller unchanged.
HRESULT CVidaltoDlg::DefinirDeclencheur(CDeclencheur& declencheur, const CDefinitionProgramme& edition)
{
    return declencheur.Definir(VersTaskTrigger(ChampsDepuisProgramme(edition)));
}
