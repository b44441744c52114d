#pragma once
// What the Wine tests need around the program: work items written and read straight through
// the scheduler's COM interfaces (independently of the binding under test), the registry value
// of the TV folder, and the main window run with its seams.

#include "BoitesMessage.h"

#include "mainwindow/VidaltoDlg.h"
#include "tasks/Passe.h"
#include "PlanificateurPanne.h"

#include <functional>
#include <optional>

// A work item as a test wants it in the real store.
struct TacheEssai
{
    std::wstring nom;
    std::wstring application = L"C:\\TV\\WinTV2K.EXE";
    std::wstring parametres, commentaire;
    std::optional<TASK_TRIGGER> declencheur;
};

// The sentence that ends M3, the start-up's box before the program stops, written out here
// rather than taken from the program.
inline const std::string PHRASE_M3 = "Le programme va être arrêter.\nPassez en administrateur.";

// A once trigger at 20:45 on 14 March of the coming year.
TASK_TRIGGER DeclencheurAVenir();

// The bytes of C:\windows\tasks\NAME.job; empty when there is none.
std::string OctetsTacheReelle(const std::wstring& nom);

// A work item of the real store, read through the scheduler's own interfaces.
struct TacheLue
{
    bool trouvee = false;
    std::wstring application, parametres;
    DWORD indicateurs = 0;
    WORD declencheurs = 0;
    TASK_TRIGGER declencheur = {}; // the first one
};
TacheLue LireTacheReelle(const std::wstring& nom);

// Writes the work item in the real store, replacing one of that name; false on failure.
bool CreerTacheReelle(const TacheEssai& tache);
// A recording: file NOM.mpg, channel 2, 90 minutes, the comment "Infos" and the trigger above
// unless given.
bool CreerEnregistrement(const std::wstring& nom, const std::wstring& commentaire = L"Infos",
                         const std::optional<TASK_TRIGGER>& declencheur = DeclencheurAVenir());
void SupprimerTacheReelle(const std::wstring& nom);
// Every work item of the real store whose name begins with prefixe.
void SupprimerTachesReelles(const std::wstring& prefixe);

// HKLM\SOFTWARE\Hauppauge\Radio, created (without value) if missing and open for writing (an
// invalid key on failure), or removed; its value TvAppPath, `taille` bytes of `donnees` (with
// or without terminator) of registry type `type`, or `chemin`.
CCleRegistre CreerCleRadio();
void SupprimerCleRadio();
void EcrireCheminTV(const char* donnees, DWORD taille, DWORD type = REG_SZ);
void DefinirCheminTV(const std::string& chemin);

// The account step answered without its dialog: confirms `compte` (the proposal when null)
// with `motDePasse`, both literals.
std::function<INT_PTR(CPasse&)> Confirmer(const char* compte, const char* motDePasse);

// The main window with its seams: a scheduler of the test's choosing, a stop that ends the
// dialog instead of the process, and the editor and the password dialog answered in their place
// (by default the real ones).
class CFenetreEssai : public CVidaltoDlg
{
public:
    std::function<HRESULT(std::unique_ptr<CPlanificateur>&)> m_fabrique =
        [this](std::unique_ptr<CPlanificateur>& p) { return CVidaltoDlg::CreerPlanificateur(p); };
    std::function<INT_PTR(CEdition&)> m_editeur = [this](auto& e) { return CVidaltoDlg::ExecuterEdition(e); };
    std::function<INT_PTR(CPasse&)> m_passe = [this](CPasse& p) { return CVidaltoDlg::DemanderCompte(p); };
    int m_statutArret = -1;

    // The window works on the real store through `pannes`.
    void Injecter(const std::shared_ptr<CPannes>& pannes)
    {
        m_fabrique = [pannes](std::unique_ptr<CPlanificateur>& p) {
            return CreerPlanificateurPanne(pannes, p);
        };
    }

protected:
    HRESULT CreerPlanificateur(std::unique_ptr<CPlanificateur>& p) override { return m_fabrique(p); }
    void ArreterProgramme(int statut) override
    {
        m_statutArret = statut;
        EndDialog(100 + statut);
    }
    INT_PTR ExecuterEdition(CEdition& e) override { return m_editeur(e); }
    INT_PTR DemanderCompte(CPasse& p) override { return m_passe(p); }
};

// Stands for the main window in the commands' tests: records what the user is shown, and
// answers the account step with m_passe (by default the proposal, with an empty password).
class CInterlocuteurEssai : public CInterlocuteur
{
public:
    std::vector<HRESULT> m_codes;
    std::vector<std::string> m_textes;
    std::function<INT_PTR(CPasse&)> m_passe = Confirmer(nullptr, "");
    int m_demandes = 0;

    void AfficherErreur(HRESULT code) override { m_codes.push_back(code); }
    void AfficherErreur(const char* texte) override { m_textes.push_back(texte); }
    INT_PTR DemanderCompte(CPasse& passe) override
    {
        ++m_demandes;
        return m_passe(passe);
    }
};

// The rows of the schedule list, five texts each.
using Lignes = std::vector<std::vector<std::string>>;
Lignes LireLignes(const CListeRapport& liste);
// Selects a row of the schedule list, as a click on it would.
void Selectionner(HWND liste, int ligne);

// Runs the main window; script (if any) runs once it is shown, before it is closed.
void LancerFenetre(CFenetreEssai& fenetre, const std::function<void(CFenetreEssai&)>& script = {});
void Cliquer(CFenetreEssai& fenetre, int bouton);

// What the user meets in a main window started over the real store (through `pannes` when
// given), made ready by `preparer`: its stop status (-1 while it runs), the texts of its "Erreur"
// boxes, its rows and their names once started, and its rows after `gestes`.
struct Rencontre
{
    int statut = 0;
    std::vector<std::string> boites, noms;
    Lignes lignes, apres;
};
Rencontre Demarrer(const std::shared_ptr<CPannes>& pannes,
                   const std::function<void(CFenetreEssai&)>& preparer = {},
                   const std::function<void(CFenetreEssai&)>& gestes = {});

// An ASCII text of the scheduler as the program's.
inline std::string VersEtroit(const std::wstring& texte)
{
    return std::string(texte.begin(), texte.end());
}

// One scheduler call of a command failed: which of the calls of that name, and whether the
// program passes over its failure (no box). An empty operation: the run without failure.
struct Panne
{
    std::string operation;
    int rang = 0;
    bool muet = true;
};
// Runs `essai` with a fresh record of faults and the call it must fail: first none, then each
// call the first run journalled from the rank `essai` returns on, one run each; a call in `muets`
// is one the program passes over. The number of calls.
std::size_t
ChaquePanne(const std::vector<std::string>& muets,
            const std::function<std::size_t(const Panne&, const std::shared_ptr<CPannes>&)>& essai);

using VerificationPanne = std::function<void(const Panne&, const CPannes&, CFenetreEssai&, const Lignes&)>;

// Runs `commande` in a main window over the real store emptied, both made ready by `preparer`:
// once as it goes, then once per scheduler call it made, with that call failed. Each failure not
// in `muets` shows the system's text in one "Erreur" box, and no other box shows; `verifier` gets
// the faults' record, the window and its rows after each command. The number of calls.
std::size_t ChaqueAppelEchoue(const std::function<void(CFenetreEssai&)>& preparer,
                              const std::function<void(CFenetreEssai&)>& commande,
                              const std::vector<std::string>& muets, const VerificationPanne& verifier);
