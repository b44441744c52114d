#include "programme/ChaineParametres.h"

const char* const MESSAGE_NOM_TROP_LONG =
    "Le nom de l'enregistrement est trop long : le nom de la tâche, le chemin du programme TV "
    "et ses paramètres doivent tenir en 259 caractères.\nChoisissez un nom plus court.";

std::string CheminApplication(const std::string& dossierTV)
{
    return dossierTV + "\\WinTV2K.EXE";
}

std::string ConstruireParametres(std::int32_t chaine, std::int32_t dureeSecondes, const std::string& nom)
{
    // 64 bits so that the last channel position cannot overflow when one is added.
    const std::int64_t numeroChaine = static_cast<std::int64_t>(chaine) + 1;
    return " -c" + std::to_string(numeroChaine) + " -ntod -startr:" + nom +
           ".mpg -qvcd -limit:" + std::to_string(dureeSecondes);
}

std::string NomTache(const std::string& fichier)
{
    std::string nom = fichier;
    for (char& c : nom)
    {
        if (c == ' ')
            c = '_';
    }
    return nom;
}

bool CommandeTient(const std::string& dossierTV, std::int32_t chaine, std::int32_t dureeSecondes,
                   const std::string& nom)
{
    return TientDansTampon(nom) && TientDansTampon(CheminApplication(dossierTV)) &&
           TientDansTampon(ConstruireParametres(chaine, dureeSecondes, nom));
}
