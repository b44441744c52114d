// The channel position of a row (LireChaine) from any parameter text.
#include "Entree.h"

#include "programme/LectureParametres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string parametres(reinterpret_cast<const char*>(donnees), taille);
    const std::int32_t chaine = LireChaine(parametres);

    const std::size_t marque = parametres.find("-c");
    if (marque == std::string::npos)
    {
        VERIFIER(chaine == -1);
        return 0;
    }
    // The channel number the program writes, up to nine digits: its position is one less.
    const std::size_t debut = marque + 2;
    const std::string numero = parametres.substr(debut, parametres.find(' ', debut) - debut);
    if (EstDecimal(numero) && numero.size() <= 9)
        VERIFIER(chaine == std::strtol(numero.c_str(), nullptr, 10) - 1);
    return 0;
}
