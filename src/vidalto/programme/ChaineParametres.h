#pragma once
// The command of a recording work item: the TV program's path and its parameter string.

#include <cstdint>
#include <string>

// A path or parameter string must fit a buffer of 260 units with its terminator.
constexpr std::size_t LONGUEUR_MAX_COMMANDE = 259;

// The TV folder followed by "\WinTV2K.EXE" (no separator added or removed).
std::string CheminApplication(const std::string& dossierTV);

// " -c" C " -ntod -startr:" NAME ".mpg -qvcd -limit:" S, with C = chaine + 1, S = seconds.
std::string ConstruireParametres(std::int32_t chaine, std::int32_t dureeSecondes, const std::string& nom);

// The name of a new work item: the file name with every blank turned into "_".
std::string NomTache(const std::string& fichier);

// True when texte fits a 260-unit buffer with its terminator.
inline bool TientDansTampon(const std::string& texte)
{
    return texte.size() <= LONGUEUR_MAX_COMMANDE;
}

// True when the work-item name, the application path and the parameter string of a recording
// all fit the scheduler's 260-unit buffers; MESSAGE_NOM_TROP_LONG tells the user otherwise.
bool CommandeTient(const std::string& dossierTV, std::int32_t chaine, std::int32_t dureeSecondes,
                   const std::string& nom);
extern const char* const MESSAGE_NOM_TROP_LONG;
