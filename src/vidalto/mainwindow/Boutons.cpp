// The commands of the main window's buttons. The work is done over the scheduler in tasks/;
// the window gives the TV folder, shows the failures, asks for the account and keeps the list.

#include "mainwindow/VidaltoDlg.h"

#include "editor/Edition.h"
#include "mainwindow/Passe.h"
#include "programme/ChaineParametres.h"
#include "tasks/Ajout.h"
#include "tasks/Modification.h"
#include "tasks/Suppression.h"

bool CVidaltoDlg::OnButtonClicked(int id)
{
    void (CVidaltoDlg::*commande)() = id == IDOK            ? &CVidaltoDlg::OnAjouter
                                      : id == IDC_EDITER    ? &CVidaltoDlg::OnEditer
                                      : id == IDC_SUPPRIMER ? &CVidaltoDlg::OnSupprimer
                                                            : nullptr;
    if (commande == nullptr)
        return CDialogue::OnButtonClicked(id);
    // Button 1 is "&Ajouter": Enter adds a programme and never ends the dialog. One command at a
    // time: one that another program sends while a command runs is dropped.
    if (!m_occupe)
    {
        const COccupation occupation(*this);
        (this->*commande)();
    }
    return true;
}

// "&Ajouter" (and Enter): defines a new programme and makes it a recording work item, listed at
// the top once it is complete in the store.
void CVidaltoDlg::OnAjouter()
{
    // Owned by the main window, which stays disabled meanwhile.
    auto edition = std::make_unique<CEdition>(m_hWnd);
    edition->DefinirDossierTV(m_cheminTV.c_str());
    if (edition->DoModal() != IDOK || m_sessionTerminee)
        return;
    const std::string nom = NomTache(edition->m_fichier);
    CSecret<wchar_t> motDePasseCompte;
    const std::unique_ptr<CTache> tache = AjouterProgramme(Contexte(motDePasseCompte), *edition, nom);
    // The row is made from the parameters just stored, so that a failed read-back cannot leave
    // a complete recording out of the list.
    if (tache)
        AjouterLigne(*tache, nom, ConstruireParametres(edition->m_chaine, edition->m_dureeSecondes, nom));
}

// "&Editer": the selected programme read back into the editor, then its work item rewritten in
// place (same name, same trigger), its companion moved with it, and its row refreshed.
void CVidaltoDlg::OnEditer()
{
    const int ligne = LigneChoisie();
    if (ligne < 0)
        return;
    auto edition = std::make_unique<CEdition>(m_hWnd);
    edition->DefinirDossierTV(m_cheminTV.c_str());
    CSecret<wchar_t> motDePasseCompte;
    const ContexteCommande contexte = Contexte(motDePasseCompte);
    EnregistrementOuvert enregistrement;
    if (!RelireEnregistrement(contexte, m_nomsTaches[static_cast<std::size_t>(ligne)],
                              m_liste.Texte(ligne, COLONNE_FICHIER), *edition, enregistrement) ||
        edition->DoModal() != IDOK || m_sessionTerminee)
        return;
    std::string parametres;
    if (ModifierEnregistrement(contexte, enregistrement, *edition, parametres))
        RemplirLigne(*enregistrement.ouverte.tache, ligne, parametres);
}

// "&Supprimer": the selected programme's work item deleted, without confirmation, then its row
// and its companion.
void CVidaltoDlg::OnSupprimer()
{
    const int ligne = LigneChoisie();
    if (ligne < 0)
        return;
    CSecret<wchar_t> motDePasseCompte;
    if (!SupprimerEnregistrement(Contexte(motDePasseCompte), m_nomsTaches[static_cast<std::size_t>(ligne)]))
        return;
    // The names stay parallel to the rows, even should the list refuse.
    if (m_liste.SupprimerLigne(ligne))
        m_nomsTaches.erase(m_nomsTaches.begin() + ligne);
}

int CVidaltoDlg::LigneChoisie() const
{
    const int ligne = m_liste.Selection();
    return ligne >= 0 && static_cast<std::size_t>(ligne) < m_nomsTaches.size() ? ligne : -1;
}

ContexteCommande CVidaltoDlg::Contexte(CSecret<wchar_t>& motDePasseCompte)
{
    return {*m_planificateur, *this, m_cheminTV, motDePasseCompte, m_tacheInachevee};
}

bool CVidaltoDlg::DemanderCompte(std::string& compte, CSecret<char>& motDePasse)
{
    // Modal over the main window, as the editor is. Confirmed after the session's end, it would
    // have the command write what Windows may cut at any moment.
    CPasse passe(m_hWnd, compte, motDePasse);
    return passe.DoModal() == IDOK && !m_sessionTerminee;
}
