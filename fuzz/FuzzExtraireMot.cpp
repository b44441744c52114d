// ExtraireMot from any position of any text. Input: the position (4 bytes), then the text.
#include "Entree.h"

#include "programme/LectureParametres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    COctets octets(donnees, taille);
    const std::int32_t debut = octets.Lire<std::int32_t>();
    const std::string texte = octets.Reste();
    const std::string mot = ExtraireMot(texte, debut);

    VERIFIER(mot.find(' ') == std::string::npos);
    if (debut < 0 || static_cast<std::size_t>(debut) >= texte.size())
    {
        VERIFIER(mot.empty());
        return 0;
    }
    // The text's own characters from debut, up to a blank or the end and no further.
    const std::size_t d = static_cast<std::size_t>(debut);
    VERIFIER(texte.compare(d, mot.size(), mot) == 0);
    const std::size_t fin = d + mot.size();
    VERIFIER(fin == texte.size() || texte[fin] == ' ');
    return 0;
}
