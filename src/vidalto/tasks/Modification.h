#pragma once
// "&Editer": a listed recording read back into the programme's values, then rewritten in place.

#include "programme/DefinitionProgramme.h"
#include "tasks/AccesTache.h"

#include <cstdint>
#include <string>

// The box of a work item that no longer reads back as a recording of the program.
extern const char* const MESSAGE_PROGRAMME_ILLISIBLE;

// A recording opened for an edit: its work item's name, the work item with its first trigger as
// read, and its length (the seconds after "-limit:") when it was read.
struct EnregistrementOuvert
{
    std::string nom;
    TacheOuverte ouverte;
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
