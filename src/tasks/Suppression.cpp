#include "tasks/Commandes.h"

#include "tasks/DeclencheurTache.h"
#include "tasks/LectureParametres.h"

bool SupprimerEnregistrement(const ContexteCommande& contexte, const std::string& nom)
{
    // Its trigger and length tell its companion, once it is gone.
    wchar_t nomLarge[TAILLE_TAMPON];
    std::wstring parametresLarges;
    TASK_TRIGGER lu = {};
    {
        std::unique_ptr<CTache> tache;
        std::unique_ptr<CDeclencheur> declencheur;
        HRESULT hr = VersLarge(nom, nomLarge, TAILLE_TAMPON) ? S_OK : COMMANDE_TROP_LONGUE;
        if (SUCCEEDED(hr))
            hr = OuvrirTache(contexte.planificateur, nomLarge, tache);
        if (SUCCEEDED(hr))
            hr = tache->LireParametres(parametresLarges);
        if (SUCCEEDED(hr))
            hr = tache->LireDeclencheur(0, declencheur);
        if (SUCCEEDED(hr))
            hr = declencheur->Lire(lu);
        declencheur.reset();
        tache.reset();
        if (SUCCEEDED(hr))
            hr = SupprimerTache(contexte.planificateur, nomLarge);
        if (FAILED(hr))
        {
            contexte.fenetre.AfficherErreur(hr);
            return false;
        }
    }
    std::string parametres;
    VersAnsi(parametresLarges.c_str(), parametres);
    SuivreArret(contexte, nom, DepuisTaskTrigger(lu), LireDuree(parametres), nullptr, 0, std::wstring());
    return true;
}
