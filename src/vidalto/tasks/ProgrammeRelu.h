#pragma once
// A recording read back into the programme's values for an edit: the channel from its parameter
// text, the period, dates, time and weekdays from its first trigger, the file name and the
// minutes from the texts of its row in the schedule list.

#include "programme/DefinitionProgramme.h"
#include "tasks/ChampsDeclencheur.h"

#include <cstdint>
#include <string>

// The last date given to a daily or weekly trigger that has none (written by another tool):
// saving it must not cut the series short, so it is the last year the program's date-time holds.
constexpr int ANNEE_FIN_SANS_LIMITE = 2037;

// The file name of a column-0 text: the text less its last four characters (".mpg"); empty
// when it is shorter.
std::string FichierDeColonne(const std::string& colonne);

// Sets on programme what an edit reads back: the channel and the minutes (the seconds after
// "-limit:", whole minutes; 0 for a negative number) from the parameter text, the file name from the list's
// column; the values an edit does not read keep what programme holds (the editor's construction values).
// False when the parameter text is no recording's (no "startr:"), or the trigger is neither once,
// daily nor weekly, or its dates or time are not a real local date and time, or name the instant
// 0 ("not set"): a foreign or damaged work item, which is not edited, and programme is left as
// it was.
bool RelireProgramme(const std::string& parametres, const ChampsDeclencheur& declencheur,
                     const std::string& colonneFichier, CDefinitionProgramme& programme);
