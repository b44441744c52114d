#include "OutilsOdbc.h"

#include <algorithm>
#include <fstream>

std::string CheminDos(const std::string& cheminUnix)
{
    // Drive Z: is the Unix root in a Wine prefix.
    std::string chemin = "Z:" + cheminUnix;
    std::replace(chemin.begin(), chemin.end(), '/', '\\');
    return chemin;
}

std::vector<std::string> LignesFichier(const std::string& chemin)
{
    std::vector<std::string> lignes;
    std::ifstream fichier(chemin, std::ios::binary);
    // Without their ends, "\r\n" or "\n".
    for (std::string ligne; std::getline(fichier, ligne);)
        lignes.push_back(ligne.substr(0, ligne.find_last_not_of('\r') + 1));
    return lignes;
}
