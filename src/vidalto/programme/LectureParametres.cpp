#include "programme/LectureParametres.h"

#include <cstdio>
#include <limits>

namespace
{
const std::string MARQUE_FICHIER = "startr:";
const std::string MARQUE_DUREE = "-limit:";
const std::string MARQUE_CHAINE = "-c";

// A position in a text as ExtraireMot takes it; one past any 32-bit position is past the end.
std::int32_t Position(std::size_t position)
{
    return position <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())
               ? static_cast<std::int32_t>(position)
               : -1;
}

// The two's complement reading of a 32-bit pattern, written out so that it does not depend on
// the implementation-defined narrowing of unsigned values.
std::int32_t EnSigne(std::uint32_t valeur)
{
    if (valeur <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return static_cast<std::int32_t>(valeur);
    return -static_cast<std::int32_t>(~valeur) - 1;
}
} // namespace

std::string ExtraireMot(const std::string& texte, std::int32_t debut)
{
    std::string mot;
    for (std::size_t i = debut < 0 ? texte.size() : static_cast<std::size_t>(debut);
         i < texte.size() && texte[i] != ' '; ++i)
        mot += texte[i];
    return mot;
}

std::int32_t ConvertirEntier(const std::string& texte)
{
    // Unsigned arithmetic wraps modulo 2^32 where signed would be undefined; up to nine digits
    // the result is the same as the exact one.
    std::uint32_t somme = 0;
    std::uint32_t puissance = 1;
    for (std::size_t i = texte.size(); i > 0; --i)
    {
        const int ecart = static_cast<int>(texte[i - 1]) - static_cast<int>('0');
        somme += static_cast<std::uint32_t>(ecart) * puissance;
        puissance *= 10u;
    }
    return EnSigne(somme);
}

LigneLue LireLigne(const std::string& parametres)
{
    LigneLue ligne;
    const std::size_t p = parametres.find(MARQUE_FICHIER);
    if (p == std::string::npos)
        return ligne;
    ligne.reconnue = true;
    const std::size_t debutFichier = p + MARQUE_FICHIER.size();
    ligne.nomFichier = ExtraireMot(parametres, Position(debutFichier));
    // Past the blank that ends the file word and the dash of the next switch.
    ligne.enregistrement = ExtraireMot(parametres, Position(debutFichier + ligne.nomFichier.size() + 2));
    return ligne;
}

std::int32_t LireDuree(const std::string& parametres)
{
    const std::size_t q = parametres.find(MARQUE_DUREE);
    return q == std::string::npos ? 0 : ConvertirEntier(parametres.substr(q + MARQUE_DUREE.size()));
}

std::string TexteDuree(const std::string& parametres)
{
    if (parametres.find(MARQUE_DUREE) == std::string::npos)
        return std::string();
    const std::int32_t n = LireDuree(parametres);
    const std::int32_t heures = n / 3600 - 24 * (n / 86400);
    const std::int32_t minutes = n / 60 - 60 * (n / 3600);
    const std::int32_t secondes = n - 60 * (n / 60);
    char texte[48];
    std::snprintf(texte, sizeof texte, "%.2d:%.2d:%.2d", static_cast<int>(heures), static_cast<int>(minutes),
                  static_cast<int>(secondes));
    return texte;
}

std::string TexteProchainDemarrage(unsigned jour, unsigned mois, unsigned annee, unsigned heure,
                                   unsigned minute)
{
    char texte[64];
    std::snprintf(texte, sizeof texte, "%.2u/%.2u/%.2u à %.2u:%.2u", jour, mois, annee, heure, minute);
    return texte;
}

std::int32_t LireChaine(const std::string& parametres)
{
    const std::size_t c = parametres.find(MARQUE_CHAINE);
    if (c == std::string::npos)
        return -1;
    const std::int32_t numero = ConvertirEntier(ExtraireMot(parametres, Position(c + MARQUE_CHAINE.size())));
    return EnSigne(static_cast<std::uint32_t>(numero) - 1u);
}

std::string NomSansSuffixeJob(const std::string& nom)
{
    static const char SUFFIXE[] = ".job";
    const std::size_t longueur = sizeof SUFFIXE - 1;
    if (nom.size() < longueur)
        return nom;
    const std::size_t debut = nom.size() - longueur;
    for (std::size_t i = 0; i < longueur; ++i)
    {
        char c = nom[debut + i];
        // ASCII only: the file names of the scheduler's folder, whatever the C locale.
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != SUFFIXE[i])
            return nom;
    }
    return nom.substr(0, debut);
}
