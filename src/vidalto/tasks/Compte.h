#pragma once
// The run-as account of a recording work item, and the save that stores it.

#include "tasks/ContexteCommande.h"

#include <string>

// The account step cancelled by the user: SCHED_E_NO_SECURITY_SERVICES.
constexpr HRESULT COMPTE_ANNULE = static_cast<HRESULT>(0x80041312);

// Asks the window for the account and the password (proposing this computer's name \ the user's
// name), sets them on the work item and saves it. The confirmed password goes to the command's
// motDePasseCompte and the account to compteConfirme before the scheduler is asked.
// COMPTE_ANNULE when the user cancelled; a refused account or save is shown to the user and its
// code returned.
HRESULT DefinirCompte(const ContexteCommande& contexte, CTache& tache, CPersistance& persistance,
                      std::wstring& compteConfirme);
