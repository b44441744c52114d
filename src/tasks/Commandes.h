#pragma once
// The steps that make a programme a recording work item, over the scheduler interface and the
// programme's values: the command line, the trigger, the run-as account, the shutdown companion,
// and the whole of an add. Each reports its failures through the window it runs in.

#include "editor/DefinitionProgramme.h"
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
extern const char* const MESSAGE_NOM_TROP_LONG;
extern const char* const MESSAGE_DOSSIER_ARRET_TROP_LONG;
extern const char* const MESSAGE_PROGRAMME_ILLISIBLE;

// What a command borrows from the main window for its time.
struct ContexteCommande
{
    CPlanificateur& planificateur;
    CInterlocuteur& fenetre;
    const std::string& dossierTV;
    // The password of the last confirmed account step, kept for the shutdown companion.
    wchar_t (&motDePasseCompte)[TAILLE_TAMPON];
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
// sets them on the work item and saves it. The confirmed password goes to motDePasseCompte and
// the account to compteConfirme before the scheduler is asked. COMPTE_ANNULE when the user
// cancelled; a refused account or save is shown to the user and its code returned.
HRESULT DefinirCompte(CTache& tache, CPersistance& persistance, CInterlocuteur& fenetre,
                      wchar_t (&motDePasseCompte)[TAILLE_TAMPON], std::wstring& compteConfirme);

// The work item "Shutdown" that runs Shutdown.exe of the current directory once, five minutes
// after the end of the recording's first run, and deletes itself after its run. The account is
// read back from the recording (the one just confirmed when the scheduler does not keep it).
// Complete in the store or not there at all: every failure is shown, and a companion already
// entered in the store is deleted again.
HRESULT CreerTacheArret(CPlanificateur& planificateur, CDeclencheur& declencheurEnregistrement,
                        CTache& tacheEnregistrement, std::int32_t dureeSecondes,
                        const std::wstring& compteConfirme, const wchar_t* motDePasse,
                        CInterlocuteur& fenetre);

// Deletes the work item of that name. The scheduler's service reads a work item's file each
// time it changes, and a delete that meets it there is refused (ERROR_SHARING_VIOLATION): it is
// asked again for a short while before its answer counts.
HRESULT SupprimerTache(CPlanificateur& planificateur, const wchar_t* nom);

// A new recording work item named nom: created, entered in the store, given its command, its
// trigger and its account, and saved; then its companion when the programme asks for one. The
// work item when the recording is complete in the store; none otherwise, and then nothing of
// it is left in the store.
std::unique_ptr<CTache> AjouterProgramme(const ContexteCommande& contexte,
                                         const CDefinitionProgramme& programme, const std::string& nom);

// Opens the work item of a listed recording and reads it back into programme, with the texts of
// its row (file name, duration); hands back the work item and its first trigger. False, the
// failure shown and nothing written, when the work item cannot be opened or read back.
bool RelireEnregistrement(const ContexteCommande& contexte, const std::string& nom,
                          const std::string& colonneFichier, const std::string& colonneDuree,
                          CDefinitionProgramme& programme, std::unique_ptr<CTache>& tache,
                          std::unique_ptr<CDeclencheur>& declencheur);

// Rewrites a recording in place from the edited programme: its command, its one trigger, its
// account, then the save. False when a step failed (shown) or the account was cancelled: the
// stored work item is then as it was. The parameter text written, for the row.
bool ModifierEnregistrement(const ContexteCommande& contexte, CTache& tache, CDeclencheur& declencheur,
                            const CDefinitionProgramme& programme, std::string& parametres);
