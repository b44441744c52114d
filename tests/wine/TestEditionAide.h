#pragma once
// What the editor's tests under Wine share: the channel databases of the build, the user's
// actions sent as messages, what the editor's controls show.

#include "editor/Edition.h"

#include <windows.h>

#include <functional>
#include <string>

// The drive path of a channel database folder of the build: "chaines" (a dozen channels),
// "vide" (the table without rows), "10000" (ten thousand channels).
std::string DossierBases(const std::string& nom);

// The user's actions: a click, characters typed one by one (after clearing the edit if asked),
// a click on a row of a list box, a picker changed as the user changes it.
void Cliquer(HWND dialogue, int id);
void Taper(HWND controle, const std::string& texte, bool effacer = false);
void ChoisirLigne(HWND liste, int ligne);
void ChangerSelecteur(HWND dialogue, int id, const SYSTEMTIME& valeur);

std::string Texte(HWND dialogue, int id);
bool Actif(HWND dialogue, int id);
SYSTEMTIME LireSelecteur(HWND dialogue, int id);

// The period as the user sees it: only `radio` checked, the weekday boxes usable for a weekly
// programme only and ticked as the bits of `jours` (bit 0 Sunday), the end date usable unless once.
void VerifierPeriode(HWND dialogue, int radio, unsigned jours);
