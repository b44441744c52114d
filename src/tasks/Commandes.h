#pragma once
// The steps that make a programme a recording work item, over the scheduler interface and the
// programme's values: the command line, the trigger, the run-as account, the shutdown companion,
// and the whole of an add. Each reports its failures through the window it runs in.

#include "editor/DefinitionProgramme.h"
#include "tasks/ChampsDeclencheur.h"
#include "framework/Conversion.h"
#include "tasks/Interlocuteur.h"
#include "tasks/Planificateur.h"

#include <memory>
#include <string>

// The result of a command whose name, path or parameter string does not fit the scheduler's
// 260-unit buffers: ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."
constexpr HRESULT COMMANDE_TROP_LONGUE = static_cast<HRESULT>(0x800700CE);
// The account step cancelled by the user: SCHED_E_NO_SECURITY_SERVICES.
constexpr HRESULT COMPTE_ANNULE = static_cast<HRESULT>(0x80041312);

// The name of the shutdown companion: one at a time.
extern const wchar_t* const NOM_TACHE_ARRET;
extern const char* const MESSAGE_DOSSIER_ARRET_TROP_LONG;
extern const char* const MESSAGE_ARRET_ABSENT;
extern const char* const MESSAGE_PROGRAMME_ILLISIBLE;
extern const char* const MESSAGE_JAMAIS_DEMARRE;

// The box that names a work item a failure left in the store, when deleting it failed too.
std::string TexteTacheRestee(const std::string& nom);

// What a command borrows from the main window for its time.
struct ContexteCommande
{
    CPlanificateur& planificateur;
    CInterlocuteur& fenetre;
    const std::string& dossierTV;
    // The password of the account step, kept for the shutdown companion.
    wchar_t (&motDePasseCompte)[TAILLE_TAMPON];
    // The name of the work item the command entered in the store and has not completed yet, empty
    // when there is none: the window deletes it should the session end while the command waits.
    std::wstring& tacheInachevee;
};

// Saves the work item once as it stands, then sets its application (the TV folder followed by
// "\WinTV2K.EXE") and its parameter string; hands back its persistence, through which the
// account step saves it. A path or string too long for the scheduler is refused before
// anything is saved (COMMANDE_TROP_LONGUE); otherwise the first failing call's code.
HRESULT DefinirCommande(CTache& tache, const CDefinitionProgramme& programme, const std::string& dossierTV,
                        const std::string& nom, std::unique_ptr<CPersistance>& persistance);

// The trigger of a recording from the programme's period, dates and weekdays; the scheduler's
// answer, unchanged.
HRESULT DefinirDeclencheur(CDeclencheur& declencheur, const CDefinitionProgramme& programme);

// Asks for the account and the password (proposing this computer's name \ the user's name),
// sets them on the work item and saves it. The confirmed password goes to motDePasseCompte (wiped
// first) and the account to compteConfirme before the scheduler is asked. COMPTE_ANNULE when the
// user cancelled; a refused account or save is shown to the user and its code returned.
HRESULT DefinirCompte(CTache& tache, CPersistance& persistance, CInterlocuteur& fenetre,
                      wchar_t (&motDePasseCompte)[TAILLE_TAMPON], std::wstring& compteConfirme);

// The work item "Shutdown" that runs the Shutdown.exe beside the program (in its folder, which is
// also its working directory) once, five minutes after the end of the recording's first run, and
// deletes itself after its run; its comment names the recording `nom`. The account is read back
// from the recording (the one just confirmed when the scheduler does not keep it). Complete in the
// store or not there at all: every failure is shown, and a companion already entered in the store
// is deleted again. A recording that will never start gets none, nor one whose Shutdown.exe is
// missing, and the user is told. A "Shutdown" whose moment has gone is replaced; one still to come
// is kept.
HRESULT CreerTacheArret(const ContexteCommande& contexte, const std::string& nom,
                        CDeclencheur& declencheurEnregistrement, CTache& tacheEnregistrement,
                        std::int32_t dureeSecondes, const std::wstring& compteConfirme);

// Opens, deletes or saves a work item. The scheduler's service reads a work item's file each time
// it changes, and a call that meets it there is refused (ERROR_SHARING_VIOLATION): it is made
// again for a short while before its answer counts.
HRESULT OuvrirTache(CPlanificateur& planificateur, const wchar_t* nom, std::unique_ptr<CTache>& tache);
HRESULT SupprimerTache(CPlanificateur& planificateur, const wchar_t* nom);
HRESULT EnregistrerTache(CPersistance& persistance);

// A new work item of that name, entered in the store and noted as the command's unfinished one;
// the store's refusal leaves none. AcheverTache once it is complete; AbandonnerTache deletes it
// again (false, when the store refuses, that it is left there), unless the session's end did.
HRESULT EntrerTache(const ContexteCommande& contexte, const wchar_t* nom, std::unique_ptr<CTache>& tache);
void AcheverTache(const ContexteCommande& contexte);
bool AbandonnerTache(const ContexteCommande& contexte);

// A new recording work item named nom: created, entered in the store, given its command, its
// trigger and its account, and saved; then its companion when the programme asks for one. The
// work item when the recording is complete in the store; none otherwise, and then nothing of
// it is left in the store, or the user is told what is.
std::unique_ptr<CTache> AjouterProgramme(const ContexteCommande& contexte,
                                         const CDefinitionProgramme& programme, const std::string& nom);

// A recording opened for an edit: its work item's name, the work item, its first trigger, and what
// that trigger and its length (the seconds after "-limit:") were when it was read.
struct EnregistrementOuvert
{
    std::string nom;
    std::unique_ptr<CTache> tache;
    std::unique_ptr<CDeclencheur> declencheur;
    ChampsDeclencheur lu;
    std::int32_t duree = 0;
};

// Opens the work item of a listed recording and reads it back into programme, with the file name
// of its row. False, the failure shown and nothing written, when the work item cannot be opened
// or read back.
bool RelireEnregistrement(const ContexteCommande& contexte, const std::string& nom,
                          const std::string& colonneFichier, CDefinitionProgramme& programme,
                          EnregistrementOuvert& enregistrement);

// Rewrites a recording in place from the edited programme: its command, its one trigger, its
// account, then the save; its companion then follows it. False when a step failed (shown) or the
// account was cancelled: the stored work item is then as it was. The parameter text written, for
// the row.
bool ModifierEnregistrement(const ContexteCommande& contexte, EnregistrementOuvert& enregistrement,
                            const CDefinitionProgramme& programme, std::string& parametres);

// Deletes a listed recording, then its companion. False, the failure shown, when the recording
// is still in the store.
bool SupprimerEnregistrement(const ContexteCommande& contexte, const std::string& nom);

// The companion of the recording `nom`, whose trigger and length were those given: moved five
// minutes after the end of the run it now follows (the trigger of `declencheur` now: the run in
// progress, or the first to come), with the account just confirmed; deleted, and the user told,
// when the recording will never start again; deleted with it when the recording is gone (no
// declencheur). One that has run already stays as it is through an edit. A companion of any other
// recording is not touched.
void SuivreArret(const ContexteCommande& contexte, const std::string& nom, const ChampsDeclencheur& ancien,
                 std::int32_t ancienneDuree, CDeclencheur* declencheur, std::int32_t duree,
                 const std::wstring& compteConfirme);
