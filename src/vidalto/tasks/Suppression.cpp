#include "tasks/Suppression.h"

#include "programme/LectureParametres.h"
#include "tasks/AccesTache.h"
#include "tasks/TacheArret.h"

bool SupprimerEnregistrement(const ContexteCommande& contexte, const std::string& nom)
{
    // Its trigger and length tell its companion, once it is gone.
    wchar_t nomLarge[TAILLE_TAMPON];
    TacheOuverte ouverte;
    HRESULT hr = VersLarge(nom, nomLarge, TAILLE_TAMPON) ? S_OK : COMMANDE_TROP_LONGUE;
    if (SUCCEEDED(hr))
        hr = OuvrirEtLire(contexte.planificateur, nomLarge, ouverte);
    ouverte.declencheur.reset();
    ouverte.tache.reset();
    if (SUCCEEDED(hr))
        hr = SupprimerTache(contexte.planificateur, nomLarge);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    std::string parametres;
    VersAnsi(ouverte.parametres.c_str(), parametres);
    SuivreArret(contexte, nom, ouverte.lu, LireDuree(parametres), nullptr, 0, std::wstring());
    return true;
}
