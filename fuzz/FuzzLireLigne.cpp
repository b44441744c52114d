// The column texts of the schedule list (LireLigne, TexteDuree) from any parameter text.
#include "Entree.h"

#include "programme/LectureParametres.h"
#include "tasks/ProgrammeRelu.h"

namespace
{
// The word of texte at debut is there, and ends at a blank or at the end.
bool MotEnPlace(const std::string& texte, std::size_t debut, const std::string& mot)
{
    if (mot.find(' ') != std::string::npos)
        return false;
    if (mot.empty())
        return true;
    if (debut > texte.size() || texte.compare(debut, mot.size(), mot) != 0)
        return false;
    const std::size_t fin = debut + mot.size();
    return fin == texte.size() || texte[fin] == ' ';
}

void VerifierColonnes(const std::string& parametres)
{
    const LigneLue ligne = LireLigne(parametres);
    const std::size_t marque = parametres.find("startr:");
    VERIFIER(ligne.reconnue == (marque != std::string::npos));
    if (!ligne.reconnue)
    {
        VERIFIER(ligne.nomFichier.empty() && ligne.enregistrement.empty());
        return;
    }
    const std::size_t debutFichier = marque + 7;
    VERIFIER(MotEnPlace(parametres, debutFichier, ligne.nomFichier));
    VERIFIER(parametres.size() <= debutFichier + ligne.nomFichier.size() ||
             parametres[debutFichier + ligne.nomFichier.size()] == ' ');
    VERIFIER(MotEnPlace(parametres, debutFichier + ligne.nomFichier.size() + 2, ligne.enregistrement));
}

void VerifierDuree(const std::string& parametres)
{
    const std::string duree = TexteDuree(parametres);
    const std::size_t marque = parametres.find("-limit:");
    VERIFIER(duree.empty() == (marque == std::string::npos));
    if (duree.empty())
        return;

    // Whatever follows the mark, three fields each within its unit (hours within the day).
    int heures = 0, minutes = 0, secondes = 0;
    char reste = '\0';
    VERIFIER(std::sscanf(duree.c_str(), "%d:%d:%d%c", &heures, &minutes, &secondes, &reste) == 3);
    VERIFIER(heures > -24 && heures < 24 && minutes > -60 && minutes < 60 && secondes > -60 && secondes < 60);

    // Seconds written by the program: their time of day, which the editor reads back in minutes.
    const std::string nombre = parametres.substr(marque + 7);
    if (!EstDecimal(nombre) || nombre.size() > 9)
        return;
    const long n = std::strtol(nombre.c_str(), nullptr, 10);
    char attendu[32];
    std::snprintf(attendu, sizeof attendu, "%02ld:%02ld:%02ld", n / 3600 % 24, n / 60 % 60, n % 60);
    VERIFIER(duree == attendu);
    VERIFIER(LireDuree(parametres) == n);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string parametres(reinterpret_cast<const char*>(donnees), taille);
    VerifierColonnes(parametres);
    VerifierDuree(parametres);
    return 0;
}
