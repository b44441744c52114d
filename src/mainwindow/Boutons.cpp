// The commands of the main window's buttons. The work is done over the scheduler in tasks/;
// the window gives the TV folder, shows the failures, asks for the account and keeps the list.

#include "mainwindow/VidaltoDlg.h"

#include "editor/Edition.h"
#include "tasks/ChaineParametres.h"
#include "tasks/Commandes.h"
#include "tasks/Passe.h"

bool CVidaltoDlg::OnCommand(WORD id, WORD code, HWND controle)
{
    // Button 1 is "&Ajouter": Enter adds a programme and never ends the dialog.
    if (id == IDOK)
    {
        OnAjouter();
        return true;
    }
    return CDialogue::OnCommand(id, code, controle);
}

// "&Ajouter" (and Enter): defines a new programme and makes it a recording work item, listed at
// the top once it is complete in the store.
void CVidaltoDlg::OnAjouter()
{
    // Owned by the main window, which stays disabled meanwhile: no second command, and no
    // close of the main window, can run while the editor is open.
    auto edition = std::make_unique<CEdition>(m_hWnd);
    edition->DefinirDossierTV(m_cheminTV.c_str());
    if (ExecuterEdition(*edition) != IDOK)
        return;
    const std::string nom = NomTache(edition->m_fichier);
    const ContexteCommande contexte = {*m_planificateur, *this, m_cheminTV, m_motDePasseCompte};
    const std::unique_ptr<CTache> tache = AjouterProgramme(contexte, *edition, nom);
    // The row is made from the parameters just stored, so that a failed read-back cannot leave
    // a complete recording out of the list.
    if (tache)
        AjouterLigne(*tache, nom, ConstruireParametres(edition->m_chaine, edition->m_dureeSecondes, nom));
}

INT_PTR CVidaltoDlg::ExecuterEdition(CEdition& edition)
{
    return edition.DoModal();
}

INT_PTR CVidaltoDlg::DemanderCompte(CPasse& passe)
{
    // Modal over the main window, as the editor is.
    passe.DefinirProprietaire(m_hWnd);
    return passe.DoModal();
}
