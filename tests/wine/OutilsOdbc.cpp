#include "OutilsOdbc.h"

#include <algorithm>

std::string CheminDos(const std::string& cheminUnix)
{
    // Drive Z: is the Unix root in a Wine prefix.
    std::string chemin = "Z:" + cheminUnix;
    std::replace(chemin.begin(), chemin.end(), '/', '\\');
    return chemin;
}
