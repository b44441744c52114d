#include "mainwindow/VidaltoDlg.h"

#include "editor/Edition.h"

#include <memory>

// "&Ajouter" (and Enter): defines a new programme and makes it a recording work item.
void CVidaltoDlg::OnAjouter()
{
    // Owned by the main window, which stays disabled meanwhile: no second command, and no
    // close of the main window, can run while the editor is open.
    auto edition = std::make_unique<CEdition>(m_hWnd);
    edition->DefinirDossierTV(m_cheminTV.c_str());
    edition->DoModal();
    // Whatever the editor returns, nothing is created yet.
}
