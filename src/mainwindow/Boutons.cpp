// The commands of the main window's buttons. The work is done over the scheduler in tasks/;
// the window gives the TV folder, shows the failures, asks for the account and keeps the list.

#include "mainwindow/VidaltoDlg.h"

#include "editor/Edition.h"
#include "tasks/ChaineParametres.h"
#include "tasks/Commandes.h"
#include "tasks/Passe.h"

bool CVidaltoDlg::OnButtonClicked(int id)
{
    switch (id)
    {
    case IDOK:
        // Button 1 is "&Ajouter": Enter adds a programme and never ends the dialog.
        OnAjouter();
        return true;
    case IDC_EDITER:
        OnEditer();
        return true;
    case IDC_SUPPRIMER:
        OnSupprimer();
        return true;
    default:
        return CDialogue::OnButtonClicked(id);
    }
}

// "&Ajouter" (and Enter): defines a new programme and makes it a recording work item, listed at
// the top once it is complete in the store.
void CVidaltoDlg::OnAjouter()
{
    // Owned by the main window, which stays disabled meanwhile: no second command, and no
    // close of the main window, can run while the editor is open.
    auto edition = std::make_unique<CEdition>(m_hWnd);
    edition->DefinirDossierTV(m_cheminTV.c_str());
    if (edition->DoModal() != IDOK)
        return;
    const std::string nom = NomTache(edition->m_fichier);
    const ContexteCommande contexte = {*m_planificateur, *this, m_cheminTV, m_motDePasseCompte};
    const std::unique_ptr<CTache> tache = AjouterProgramme(contexte, *edition, nom);
    // The row is made from the parameters just stored, so that a failed read-back cannot leave
    // a complete recording out of the list.
    if (tache)
        AjouterLigne(*tache, nom, ConstruireParametres(edition->m_chaine, edition->m_dureeSecondes, nom));
}

// "&Editer": the selected programme read back into the editor, then its work item rewritten in
// place (same name, same trigger) and its row refreshed.
void CVidaltoDlg::OnEditer()
{
    const int ligne = LigneChoisie();
    if (ligne < 0)
        return;
    auto edition = std::make_unique<CEdition>(m_hWnd);
    edition->DefinirDossierTV(m_cheminTV.c_str());
    const ContexteCommande contexte = {*m_planificateur, *this, m_cheminTV, m_motDePasseCompte};
    std::unique_ptr<CTache> tache;
    std::unique_ptr<CDeclencheur> declencheur;
    if (!RelireEnregistrement(contexte, m_nomsTaches[static_cast<std::size_t>(ligne)],
                              m_liste.Texte(ligne, 0), m_liste.Texte(ligne, 4), *edition, tache,
                              declencheur) ||
        edition->DoModal() != IDOK)
        return;
    std::string parametres;
    if (ModifierEnregistrement(contexte, *tache, *declencheur, *edition, parametres))
        RemplirLigne(*tache, ligne, parametres);
}

// "&Supprimer": the selected programme's work item deleted, without confirmation, then its row.
// A shutdown companion is left to run.
void CVidaltoDlg::OnSupprimer()
{
    const int ligne = LigneChoisie();
    if (ligne < 0)
        return;
    const auto rang = static_cast<std::size_t>(ligne);
    wchar_t nom[TAILLE_TAMPON];
    HRESULT hr = VersLarge(m_nomsTaches[rang], nom, TAILLE_TAMPON) ? S_OK : COMMANDE_TROP_LONGUE;
    if (SUCCEEDED(hr))
        hr = SupprimerTache(*m_planificateur, nom);
    if (FAILED(hr))
    {
        AfficherErreur(hr);
        return;
    }
    // The names stay parallel to the rows, even should the list refuse.
    if (m_liste.SupprimerLigne(ligne))
        m_nomsTaches.erase(m_nomsTaches.begin() + ligne);
}

int CVidaltoDlg::LigneChoisie() const
{
    const int ligne = m_liste.Selection();
    return ligne >= 0 && static_cast<std::size_t>(ligne) < m_nomsTaches.size() ? ligne : -1;
}

INT_PTR CVidaltoDlg::DemanderCompte(CPasse& passe)
{
    // Modal over the main window, as the editor is.
    passe.DefinirProprietaire(m_hWnd);
    return passe.DoModal();
}
