#pragma once
// The shutdown companion of a recording: the work item "Shutdown", which starts Shutdown.exe once
// after the recording's run.

#include "tasks/ChampsDeclencheur.h"
#include "tasks/ContexteCommande.h"

#include <cstdint>
#include <string>

// The companion's name: one at a time.
extern const wchar_t* const NOM_TACHE_ARRET;
extern const char* const MESSAGE_DOSSIER_ARRET_TROP_LONG;
extern const char* const MESSAGE_ARRET_ABSENT;
extern const char* const MESSAGE_JAMAIS_DEMARRE;

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

// The companion of the recording `nom`, whose trigger and length were those given: moved five
// minutes after the end of the run it now follows (the trigger of `declencheur` now: the run in
// progress, or the first to come), with the account just confirmed; deleted, and the user told,
// when the recording will never start again; deleted with it when the recording is gone (no
// declencheur). One that has run already stays as it is through an edit. A companion of any other
// recording is not touched.
void SuivreArret(const ContexteCommande& contexte, const std::string& nom, const ChampsDeclencheur& ancien,
                 std::int32_t ancienneDuree, CDeclencheur* declencheur, std::int32_t duree,
                 const std::wstring& compteConfirme);
