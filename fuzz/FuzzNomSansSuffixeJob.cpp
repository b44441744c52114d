// The work-item name from any name the scheduler lists (NomSansSuffixeJob).
#include "Entree.h"

#include "programme/LectureParametres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string nom(reinterpret_cast<const char*>(donnees), taille);
    const std::string nu = NomSansSuffixeJob(nom);

    // The name less a final ".job", in any case of its ASCII letters; else the name itself.
    const std::size_t n = nom.size();
    const bool suffixe = n >= 4 && nom[n - 4] == '.' && (nom[n - 3] | 0x20) == 'j' &&
                         (nom[n - 2] | 0x20) == 'o' && (nom[n - 1] | 0x20) == 'b';
    VERIFIER(nu == (suffixe ? nom.substr(0, n - 4) : nom));
    // The name a work item of that name is listed under gives it back.
    VERIFIER(NomSansSuffixeJob(nu + ".job") == nu);
    return 0;
}
