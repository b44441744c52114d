#pragma once
// What the Wine tests need around the program: work items written straight through the
// scheduler's COM interfaces (independently of the binding under test), the registry value
// of the TV folder, and the main window run with its start-up seams.

#include "framework/Ressources.h"
#include "mainwindow/VidaltoDlg.h"
#include "tasks/PlanificateurMemoire.h"

#include <windows.h>
#include <mstask.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A work item as a test wants it in the real store.
struct TacheEssai
{
    std::wstring nom;
    std::wstring application = L"C:\\TV\\WinTV2K.EXE";
    std::wstring parametres;
    std::wstring commentaire;
    std::optional<TASK_TRIGGER> declencheur;
};

// A once trigger at 20:45 on a day of the coming year.
TASK_TRIGGER DeclencheurAVenir();

// Writes the work item in the real store (replacing one of that name); false on failure.
bool CreerTacheReelle(const TacheEssai& tache);
void SupprimerTacheReelle(const std::wstring& nom);
// Removes every work item of the store whose name begins with prefixe.
void SupprimerTachesReelles(const std::wstring& prefixe);

// The key of the TV folder, HKLM\SOFTWARE\Hauppauge\Radio: created (without value) if
// missing and open for writing (an invalid key on failure), or removed.
CCleRegistre CreerCleRadio();
void SupprimerCleRadio();
// Its value TvAppPath: `taille` bytes of `donnees`, terminator included or not.
void EcrireCheminTV(const char* donnees, DWORD taille);
void DefinirCheminTV(const std::string& chemin);

// A scheduler borrowed by the main window, so that the test keeps the store after it.
class CPlanificateurEmprunte : public CPlanificateur
{
public:
    explicit CPlanificateurEmprunte(CPlanificateur& vrai) : m_vrai(vrai) {}
    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& e) override { return m_vrai.Enumerer(e); }
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& t) override { return m_vrai.Activer(nom, t); }
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& t) override { return m_vrai.NouvelleTache(nom, t); }
    HRESULT AjouterTache(const wchar_t* nom, CTache& t) override { return m_vrai.AjouterTache(nom, t); }
    HRESULT Supprimer(const wchar_t* nom) override { return m_vrai.Supprimer(nom); }

private:
    CPlanificateur& m_vrai;
};

// The main window with its start-up seams: a scheduler of the test's choosing, and a stop
// that ends the dialog instead of the process.
class CFenetreEssai : public CVidaltoDlg
{
public:
    std::function<HRESULT(std::unique_ptr<CPlanificateur>&)> m_fabrique; // empty: the real one
    int m_statutArret = -1;

    using CVidaltoDlg::OnCommand;

protected:
    HRESULT CreerPlanificateur(std::unique_ptr<CPlanificateur>& planificateur) override;
    void ArreterProgramme(int statut) override;
};

// The rows of the schedule list, five texts each.
using Lignes = std::vector<std::vector<std::string>>;
Lignes LireLignes(const CListeRapport& liste);
// The rows whose column 0 begins with prefixe, keeping their order.
Lignes Filtrer(const Lignes& lignes, const std::string& prefixe);

// Runs the main window; script (if any) runs once it is shown, before it is closed.
INT_PTR LancerFenetre(CFenetreEssai& fenetre, const std::function<void(CFenetreEssai&)>& script = {});
