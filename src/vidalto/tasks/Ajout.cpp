#include "tasks/Ajout.h"

#include "programme/ChaineParametres.h"
#include "tasks/AccesTache.h"
#include "tasks/CommandeTache.h"
#include "tasks/Compte.h"
#include "tasks/TacheArret.h"

namespace
{
// The steps after the work item entered the store, up to its complete save; the first
// failure's code. The account step shows its own failures; the others are shown here.
HRESULT CompleterEnregistrement(const ContexteCommande& contexte, CTache& tache,
                                const CDefinitionProgramme& programme, const std::string& nom,
                                std::unique_ptr<CDeclencheur>& declencheur, std::wstring& compteConfirme)
{
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = DefinirCommande(tache, programme, contexte.dossierTV, nom, persistance);
    WORD index = 0;
    if (SUCCEEDED(hr))
        hr = tache.CreerDeclencheur(index, declencheur);
    if (SUCCEEDED(hr))
        hr = DefinirDeclencheur(*declencheur, programme);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return hr;
    }
    return DefinirCompte(contexte, tache, *persistance, compteConfirme);
}
} // namespace

std::unique_ptr<CTache> AjouterProgramme(const ContexteCommande& contexte,
                                         const CDefinitionProgramme& programme, const std::string& nom)
{
    // Refused before anything is created: a cut name would be another file, another work item.
    wchar_t nomLarge[TAILLE_TAMPON];
    if (!CommandeTient(contexte.dossierTV, programme.m_chaine, programme.m_dureeSecondes, nom) ||
        !VersLarge(nom, nomLarge, TAILLE_TAMPON))
    {
        contexte.fenetre.AfficherErreur(MESSAGE_NOM_TROP_LONG);
        return nullptr;
    }

    std::unique_ptr<CTache> tache;
    const HRESULT hr = EntrerTache(contexte, nomLarge, tache);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return nullptr;
    }

    std::unique_ptr<CDeclencheur> declencheur;
    std::wstring compteConfirme;
    if (FAILED(CompleterEnregistrement(contexte, *tache, programme, nom, declencheur, compteConfirme)))
    {
        // Nothing half-made stays in the store, where it would block its name for good; unless
        // the store refuses, and then the user must know which one.
        if (!AbandonnerTache(contexte.planificateur, contexte.tacheInachevee))
            contexte.fenetre.AfficherErreur(TexteTacheRestee(nom).c_str());
        return nullptr;
    }
    AcheverTache(contexte);
    if (programme.m_arreter != 0)
        CreerTacheArret(contexte, nom, *declencheur, *tache, programme.m_dureeSecondes, compteConfirme);
    return tache;
}
