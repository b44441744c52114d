#include "mainwindow/TexteHorloge.h"

#include <cstdio>

const char* NomJourSemaine(int jourSemaine)
{
    static const char* const NOMS[] = {"Dimanche", "Lundi",    "Mardi", "Mercredi",
                                       "Jeudi",    "Vendredi", "Samedi"};
    if (jourSemaine < 1 || jourSemaine > 7)
        return "";
    return NOMS[jourSemaine - 1];
}

std::string TexteHorloge(const ChampsLocaux& maintenant)
{
    // Formatted by hand rather than with strftime: %X depends on the C runtime, this does not.
    char texte[96];
    std::snprintf(texte, sizeof texte, " %02d/%02d/%d\n\n %02d:%02d:%02d", maintenant.jour, maintenant.mois,
                  maintenant.annee, maintenant.heure, maintenant.minute, maintenant.seconde);
    return NomJourSemaine(maintenant.jourSemaine) + std::string(texte);
}
