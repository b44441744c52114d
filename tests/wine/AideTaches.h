#pragma once
// What the Wine tests need around the program: work items written and read straight through the
// scheduler's COM interfaces (independently of the binding under test), the registry value of the
// TV folder, the program's dialogs driven as a user drives them, and the main window with its one
// seam, the scheduler object.

#include "Ecran.h"
#include "PlanificateurPanne.h"

#include "mainwindow/VidaltoDlg.h"

#include <commctrl.h>

#include <initializer_list>
#include <optional>

// The sentence that ends the start-up's box on a scheduler that fails, before the program stops,
// written out here rather than taken from the program.
inline const std::string PHRASE_ADMINISTRATEUR = "Le programme va être arrêter.\nPassez en administrateur.";

// A work item as a test wants it in the real store.
struct TacheEssai
{
    std::wstring nom;
    std::wstring application = L"C:\\TV\\WinTV2K.EXE";
    std::wstring parametres, commentaire;
    std::optional<TASK_TRIGGER> declencheur;
};
// A trigger of that type at hour:minute from 14 March of the coming year (once at 20:45 by default).
TASK_TRIGGER DeclencheurAVenir(TASK_TRIGGER_TYPE type = TASK_TIME_TRIGGER_ONCE, WORD heure = 20,
                               WORD minute = 45);
// A trigger of that type at the local date and time of `debut`, to the minute.
TASK_TRIGGER DeclencheurLe(const SYSTEMTIME& debut, TASK_TRIGGER_TYPE type = TASK_TIME_TRIGGER_ONCE);
// Writes the work item in the real store, replacing one of that name; false on failure.
bool CreerTacheReelle(const TacheEssai& tache);
// A recording as the program writes it: file NOM.mpg on that channel for `limite` seconds, with
// that comment and trigger (none: without one), its parameters padded with blanks to `taille`.
struct Enregistrement
{
    std::wstring nom;
    std::wstring limite = L"5400";
    std::optional<TASK_TRIGGER> declencheur = DeclencheurAVenir();
    std::wstring commentaire = L"Infos";
    std::wstring chaine = L"2";
    std::size_t taille = 0;
};
bool CreerEnregistrement(const Enregistrement& enregistrement);

// A work item of the real store, read through the scheduler's own interfaces.
struct TacheLue
{
    bool trouvee = false;
    std::wstring application, parametres, dossier, commentaire;
    DWORD indicateurs = 0;
    WORD declencheurs = 0;
    TASK_TRIGGER declencheur = {}; // the first one
    SYSTEMTIME derniereExecution = {};
    DWORD sortie = 0; // the exit status of its last run
};
TacheLue LireTacheReelle(const std::wstring& nom);
// The first trigger of a work item of the real store moved to that local date, hour and minute.
// Wine's scheduler service reads only the first of the changes its folder reports at once, so
// that a work item entered with others may be unknown to it: the work item is entered anew,
// alone, a second after it went.
bool DeplacerTacheReelle(const std::wstring& nom, const SYSTEMTIME& moment);
// The bytes of C:\windows\tasks\NAME.job; empty when there is none.
std::string OctetsTacheReelle(const std::wstring& nom);
void SupprimerTacheReelle(const std::wstring& nom);
// Every work item of the real store: deleted; their names.
void SupprimerTachesReelles();
std::vector<std::wstring> NomsTachesReelles();

// HKLM\SOFTWARE\Hauppauge\Radio and its value TvAppPath: the bytes of `valeur` and `octetsEnPlus`
// more (its terminator, when 1), of registry type `type`; -1: the key without the value, -2: no
// key.
void EcrireCheminTV(const std::string& valeur, int octetsEnPlus = 1, DWORD type = REG_SZ);

// A local time as seconds (from 1601), and back.
long long SecondesLocales(const SYSTEMTIME& st);
SYSTEMTIME DepuisSecondes(long long secondes);
// Today's date `jours` days later, at hour:minute.
SYSTEMTIME Jour(int jours = 0, int heure = 0, int minute = 0);
// "year-month-day hh:mm" of a local time; of the shutdown companion's moment in the store, "" when
// there is none.
std::string Moment(const SYSTEMTIME& st);
std::string MomentArret();

// A programme typed in the editor. Fields left at their defaults keep what the editor shows.
struct Saisie
{
    Saisie(std::string nom = {}) : fichier(std::move(nom)) {}
    std::string fichier;
    // The start date, the start time and the end date, as the pickers take them.
    std::optional<SYSTEMTIME> date, heure, fin;
    std::string minutes;
    int chaine = -1;    // the channel list's row
    int periode = 0;    // the radio button clicked: IDC_UNE_FOIS, IDC_TOUS_LES_JOURS...
    unsigned jours = 0; // the weekday boxes ticked, bit 0 Sunday
    bool arreter = false;
};
// The editor filled with `saisie`, then "&Enregistrer".
Script Enregistrer(const Saisie& saisie);
// The password dialog: `compte` typed in place of the proposal (unless empty), the password and
// its confirmation (the password unless given), then "&OK"; a dialog that ends leaves nothing in
// its password fields.
Script Confirmer(std::string motDePasse = "", std::string compte = "",
                 std::optional<std::string> confirmation = std::nullopt);
// A button of a dialog of this process clicked, as the user clicks it.
void Cliquer(HWND dialogue, int bouton);
// The texts of a dialog's controls, separated by blanks; a picker's value.
std::string Texte(HWND dialogue, std::initializer_list<int> ids);
SYSTEMTIME Selecteur(HWND dialogue, int id);
// Dispatches the thread's messages (those waiting, at least) until `condition` holds, or for
// `delai` milliseconds; whether it held.
bool Attendre(DWORD delai, const std::function<bool()>& condition = {});

// The main window, its scheduler object through `m_pannes` when set; what only the window
// itself knows: the work-item name of each row, the TV folder it read.
class CFenetreEssai : public CVidaltoDlg
{
public:
    std::shared_ptr<CPannes> m_pannes;
    const std::vector<std::string>& Noms() const { return m_nomsTaches; }
    const std::string& CheminTV() const { return m_cheminTV; }

protected:
    HRESULT CreerPlanificateur(std::unique_ptr<CPlanificateur>& p) override
    {
        return m_pannes ? CreerPlanificateurPanne(m_pannes, p) : CVidaltoDlg::CreerPlanificateur(p);
    }
};

// The rows of the schedule list, five texts each.
using Lignes = std::vector<std::vector<std::string>>;
Lignes LireLignes(const CFenetreEssai& fenetre);

// Runs a dialog of the program; `script` (if any) runs once it is shown, then it is closed as the
// user closes it. The dialog's end.
INT_PTR Lancer(CDialogue& dialogue, const Script& script);
// A button of the main window clicked on that row (none selected: -1), the keyboard's focus on row
// `focus` (that row unless given), the dialogs it opens answered by `scripts` in turn.
void Commande(CFenetreEssai& fenetre, int bouton, int ligne = -1, std::vector<Script> scripts = {},
              int focus = -2);

// What the user meets in a main window started over the real store (through `pannes` when
// given; `fenetre` when given, a window of the test's own): the window's end (2 once closed,
// CVidaltoDlg::STATUT_ARRET when its start-up stopped), the texts of its "Erreur" boxes, its rows
// once started and after `gestes`, each row beside its own work item's name.
struct Rencontre
{
    INT_PTR fin = 0;
    std::vector<std::string> boites;
    Lignes lignes, apres;
};
Rencontre Demarrer(const std::shared_ptr<CPannes>& pannes,
                   const std::function<void(CFenetreEssai&)>& gestes = {}, CFenetreEssai* fenetre = nullptr);

// The system's own text of a failure, which the program's "Erreur" boxes show.
std::string TexteSysteme(HRESULT code);

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

// Runs `commande` in a main window over the real store emptied then made ready by `preparer`:
// once as it goes, then once per scheduler call it made, with that call failed. Each failure not
// in `muets` shows the system's text in one "Erreur" box, and no other box shows; `verifier` gets
// the faults' record and the window after each command. The number of calls.
std::size_t
ChaqueAppelEchoue(const std::function<void()>& preparer, const std::function<void(CFenetreEssai&)>& commande,
                  const std::vector<std::string>& muets,
                  const std::function<void(const Panne&, const CPannes&, CFenetreEssai&)>& verifier);
