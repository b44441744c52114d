#pragma once
// The floor of adding a programme: the bare scheduler calls that store the same work item as
// the program, through the scheduler's own COM interfaces, and nothing else.

#include "tasks/UuidTaches.h"

#include <string>

// A recording work item as the program stored it, read back to be stored again.
struct TacheAjoutee
{
    std::wstring application;
    std::wstring parametres;
    TASK_TRIGGER declencheur = {};
};

// Reads the work item `nom`; false when it cannot be read.
bool LireTacheAjoutee(ITaskScheduler* planificateur, const wchar_t* nom, TacheAjoutee& tache);

// The account the program proposes: this computer's name \ the user's name.
std::wstring CompteParDefaut();

// NewWorkItem, AddWorkItem, Save, SetApplicationName, SetParameters, CreateTrigger, SetTrigger,
// SetAccountInformation (with an empty password) and Save, as the program calls them; false as
// soon as one fails.
bool AjouterNu(ITaskScheduler* planificateur, const wchar_t* nom, const TacheAjoutee& tache,
               const std::wstring& compte);

// Deletes the work item `nom`; the scheduler's service may hold its file for a moment after a
// save, and a delete then is refused: it is asked again for a while. False if it stays.
bool SupprimerTacheAjoutee(ITaskScheduler* planificateur, const wchar_t* nom);
