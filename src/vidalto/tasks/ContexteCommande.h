#pragma once
// What a command borrows from the main window for its time.

#include "framework/Secret.h"
#include "tasks/Interlocuteur.h"
#include "tasks/Planificateur.h"

#include <string>

// The result of a command whose name, path or parameter string does not fit the scheduler's
// 260-unit buffers: ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."
constexpr HRESULT COMMANDE_TROP_LONGUE = static_cast<HRESULT>(0x800700CE);

struct ContexteCommande
{
    CPlanificateur& planificateur;
    CInterlocuteur& fenetre;
    const std::string& dossierTV;
    // The password of the account step, which the shutdown companion is given too; it goes
    // with the command.
    CSecret<wchar_t>& motDePasseCompte;
    // The name of the work item the command entered in the store and has not completed yet,
    // empty when there is none: the window deletes it should the session end while the command
    // waits on the user.
    std::wstring& tacheInachevee;
};
