#pragma once
// Reading back the parameter text of a recording work item, and the texts the schedule list
// shows for it. The parameter text is written by ConstruireParametres (tasks/ChaineParametres.h).

#include <cstdint>
#include <string>

// The characters of texte from debut up to the next blank (0x20) or the end; empty when
// debut is at or past the end, or negative. Only the blank ends a word.
std::string ExtraireMot(const std::string& texte, std::int32_t debut);

// Sum over each position of (character - '0') times its power of ten. Characters other than
// digits are not refused; past nine digits the 32-bit arithmetic wraps around (modulo 2^32).
std::int32_t ConvertirEntier(const std::string& texte);

// Columns 0 and 3 of a parameter text; reconnue is false when it holds no "startr:",
// that is, when the work item is not one of the program's recordings.
struct LigneLue
{
    bool reconnue = false;
    std::string nomFichier;     // the word after "startr:"
    std::string enregistrement; // the word two characters after the file word
};
LigneLue LireLigne(const std::string& parametres);

// The recording's length: the seconds after "-limit:", the whole rest of the text read as a
// number (ConvertirEntier); 0 when the text has no "-limit:".
std::int32_t LireDuree(const std::string& parametres);

// Column 4: the seconds after "-limit:" as "%H:%M:%S", hours within the day.
// Empty when the text has no "-limit:".
std::string TexteDuree(const std::string& parametres);

// Column 1: "%.2u/%.2u/%.2u à %.2u:%.2u" of day, month, year, hour and minute.
std::string TexteProchainDemarrage(unsigned jour, unsigned mois, unsigned annee, unsigned heure,
                                   unsigned minute);

// The channel position of a recording: the number after the first "-c", less one
// (wrapping like ConvertirEntier); -1, no row, when the text has no "-c".
std::int32_t LireChaine(const std::string& parametres);

// The scheduler lists work items as "NAME.job"; the work item is opened by NAME.
std::string NomSansSuffixeJob(const std::string& nom);
