// ConvertirEntier of any text, digits or not, of any length.
#include "Entree.h"

#include "programme/LectureParametres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    const std::int32_t n = ConvertirEntier(texte);

    // The same sum of (character - '0') times powers of ten, read from the left (Horner) modulo
    // 2^32: the documented wrap, reached another way.
    std::uint32_t attendu = 0;
    for (char c : texte)
        attendu = attendu * 10u + static_cast<std::uint32_t>(static_cast<int>(c) - '0');
    VERIFIER(static_cast<std::uint32_t>(n) == attendu);

    // Up to nine digits, a decimal text is its value.
    if (EstDecimal(texte) && texte.size() <= 9)
        VERIFIER(n == std::strtol(texte.c_str(), nullptr, 10));
    return 0;
}
