#pragma once
// The clock text of the main window: the French weekday, then " %d/%m/%Y\n\n %X".

#include "framework/Temps.h"
#include <string>

// The weekday name, 1 for Sunday ("Dimanche") to 7 for Saturday ("Samedi"); empty outside.
const char* NomJourSemaine(int jourSemaine);

std::string TexteHorloge(const ChampsLocaux& maintenant);
