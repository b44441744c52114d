#pragma once
// What Shutdown.exe does once a recording is over: the computer switched off after a minute's
// warning, which a user still at the computer can act on.

#include <windows.h>

// The warning's text, and its length in seconds.
inline constexpr char MESSAGE_ARRET[] =
    "Vidalto : l'enregistrement est terminé, l'ordinateur va s'éteindre dans une minute.\n"
    "Pour l'en empêcher, tapez « shutdown /a » dans Exécuter (touche Windows + R) avant la fin de "
    "la minute.";
constexpr DWORD DELAI_ARRET_SECONDES = 60;

// Enables the shutdown privilege on this process's token, then asks Windows to shut down and
// switch off the local computer once the warning's minute is over, closing the applications still
// open, as a planned shutdown. ERROR_SUCCESS when Windows accepted the request; otherwise the
// system's error code, and no request after a privilege refused.
DWORD ArreterOrdinateur();
