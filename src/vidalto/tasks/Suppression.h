#pragma once
// "&Supprimer": a listed recording deleted, and its companion with it.

#include "tasks/ContexteCommande.h"

#include <string>

// Deletes a listed recording, then its companion. False, the failure shown, when the recording
// is still in the store.
bool SupprimerEnregistrement(const ContexteCommande& contexte, const std::string& nom);
