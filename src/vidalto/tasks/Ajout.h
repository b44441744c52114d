#pragma once
// "&Ajouter": a new recording work item from the edited programme.

#include "programme/DefinitionProgramme.h"
#include "tasks/ContexteCommande.h"

#include <memory>
#include <string>

// A new recording work item named nom: created, entered in the store, given its command, its
// trigger and its account, and saved; then its companion when the programme asks for one. The
// work item when the recording is complete in the store; none otherwise, and then nothing of
// it is left in the store, or the user is told what is.
std::unique_ptr<CTache> AjouterProgramme(const ContexteCommande& contexte,
                                         const CDefinitionProgramme& programme, const std::string& nom);
