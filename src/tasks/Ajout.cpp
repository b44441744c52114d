#include "mainwindow/VidaltoDlg.h"

// "&Ajouter" (and Enter): defines a new programme and makes it a recording work item.
void CVidaltoDlg::OnAjouter()
{
}
