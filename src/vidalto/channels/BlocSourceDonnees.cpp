#include "channels/BlocSourceDonnees.h"

#include <cstring>

namespace
{
// The fixed start of both blocks: each string with its NUL, "DBQ=" without one.
const char PREFIXE[] = "DSN=Chaines\0Description=Chaines de TV\0FileType=MS ACCESS\0DBQ=";
constexpr std::size_t LONGUEUR_PREFIXE = sizeof PREFIXE - 1;
static_assert(LONGUEUR_PREFIXE == 61, "the path starts at offset 61");
static_assert(LONGUEUR_PREFIXE + LONGUEUR_MAX_CHEMIN_BASE + 2 == TAILLE_BLOC,
              "the longest path leaves room for the two closing NULs");

BlocAttributs BlocAvecChemin(const char* chemin, std::size_t longueur)
{
    BlocAttributs bloc{};
    std::memcpy(bloc.data(), PREFIXE, LONGUEUR_PREFIXE);
    std::memcpy(bloc.data() + LONGUEUR_PREFIXE, chemin, longueur);
    return bloc;
}
} // namespace

std::string MotifRechercheBase(const std::string& dossierTV)
{
    return dossierTV + "\\*.mdb*";
}

std::string CheminBase(const std::string& dossierTV, const std::string& nomFichier)
{
    if (nomFichier.empty())
        return std::string();
    return dossierTV + "\\" + nomFichier;
}

bool ConstruireBlocEnregistrement(const std::string& cheminBase, BlocAttributs& bloc)
{
    if (cheminBase.size() > LONGUEUR_MAX_CHEMIN_BASE)
        return false;
    bloc = BlocAvecChemin(cheminBase.data(), cheminBase.size());
    return true;
}

const BlocAttributs& BlocSuppression()
{
    static const char CHEMIN[] = "D:\\hcwChanDB_4.mdb";
    static const BlocAttributs bloc = BlocAvecChemin(CHEMIN, sizeof CHEMIN - 1);
    return bloc;
}

std::string TexteLigneChaine(const std::string& numero, const std::string& nom, const std::string& langue)
{
    return numero + "\t" + nom + "\t" + langue;
}
