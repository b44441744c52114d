// The data-source attribute block (ConstruireBlocEnregistrement) from any path.
#include "Entree.h"

#include "channels/BlocSourceDonnees.h"

namespace
{
const char PREFIXE[] = "DSN=Chaines\0Description=Chaines de TV\0FileType=MS ACCESS\0DBQ=";

// The block as the ODBC installer walks it: NUL-ended attributes up to an empty one, never
// past the block; false when it has no end inside it.
bool Attributs(const BlocAttributs& bloc, std::string (&lus)[8], std::size_t& nombre)
{
    nombre = 0;
    std::size_t i = 0;
    while (i < bloc.size() && bloc[i] != '\0')
    {
        std::string attribut;
        for (; i < bloc.size() && bloc[i] != '\0'; ++i)
            attribut += bloc[i];
        if (i == bloc.size() || nombre == 8)
            return false;
        lus[nombre++] = attribut;
        ++i;
    }
    return i < bloc.size();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string chemin(reinterpret_cast<const char*>(donnees), taille);
    BlocAttributs bloc;
    bloc.fill('\x55');
    const bool construit = ConstruireBlocEnregistrement(chemin, bloc);

    VERIFIER(construit == (chemin.size() <= LONGUEUR_MAX_CHEMIN_BASE));
    if (!construit)
    {
        for (char octet : bloc)
            VERIFIER(octet == '\x55');
        return 0;
    }

    // The fixed prefix, the path's bytes, zeros to the end: the last two bytes always NUL.
    VERIFIER(bloc[TAILLE_BLOC - 2] == '\0' && bloc[TAILLE_BLOC - 1] == '\0');
    VERIFIER(std::memcmp(bloc.data(), PREFIXE, sizeof PREFIXE - 1) == 0);
    VERIFIER(std::memcmp(bloc.data() + sizeof PREFIXE - 1, chemin.data(), chemin.size()) == 0);
    for (std::size_t i = sizeof PREFIXE - 1 + chemin.size(); i < TAILLE_BLOC; ++i)
        VERIFIER(bloc[i] == '\0');

    // A path as the directory search gives it (no NUL) comes back whole from the installer's
    // reading, as the fourth and last attribute.
    if (chemin.find('\0') != std::string::npos)
        return 0;
    std::string lus[8];
    std::size_t nombre = 0;
    VERIFIER(Attributs(bloc, lus, nombre));
    VERIFIER(nombre == 4 && lus[0] == "DSN=Chaines" && lus[3] == "DBQ=" + chemin);
    return 0;
}
