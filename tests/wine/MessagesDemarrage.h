#pragma once
// The start-up messages as the user must read them, written out here rather than taken from
// the program, so that a change of wording in the program shows up in the tests.

#include <string>

const std::string M1 =
    "La clé HKEY_LOCAL_MACHINE\\SOFTWARE\\Hauppauge\\Radio n'a pas été trouvé.\n Le programme "
    "ne saura pas où chercher l'éxécutable WINTV.\n Veuillez rajouter cette valeur chaine "
    "TvAppPath ayant pour valeur le chemin de l'éxécutable WinTV";
const std::string M2 =
    "La valeur chaine TvAppPath n'a pas été trouvé dans la clé "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Hauppauge\\Radio.\n Le programme ne saura pas où chercher "
    "l'éxécutable WINTV.\n Veuillez rajouter cette valeur chaine TvAppPath ayant pour valeur le "
    "chemin de l'éxécutable WinTV";
const std::string PHRASE_M3 = "Le programme va être arrêter.\nPassez en administrateur.";
const std::string PHRASE_M4 =
    "Avez-vous installé les tâches planifiées sur votre machine?\nLe programme va être arrêté";
