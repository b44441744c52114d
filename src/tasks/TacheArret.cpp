#include "tasks/Commandes.h"

#include "tasks/DeclencheurTache.h"

const wchar_t* const NOM_TACHE_ARRET = L"Shutdown";
const char* const MESSAGE_DOSSIER_ARRET_TROP_LONG =
    "Le dossier courant du programme est trop long pour y trouver Shutdown.exe : l'ordinateur "
    "ne sera pas arrêté à la fin de l'enregistrement.";

namespace
{
// The current directory followed by "\Shutdown.exe"; false when it does not fit 259 units.
bool CheminArret(wchar_t (&chemin)[TAILLE_TAMPON])
{
    char dossier[TAILLE_TAMPON] = {};
    const DWORD longueur = GetCurrentDirectoryA(TAILLE_TAMPON, dossier);
    if (longueur == 0 || longueur >= TAILLE_TAMPON)
        return false;
    const std::string application = std::string(dossier) + "\\Shutdown.exe";
    return application.size() < TAILLE_TAMPON && VersLarge(application, chemin, TAILLE_TAMPON);
}

// Everything the companion gets once it is in the store; the first failure's code.
HRESULT CompleterArret(CTache& arret, const wchar_t* application, CDeclencheur& declencheurEnregistrement,
                       CTache& tacheEnregistrement, std::int32_t dureeSecondes,
                       const std::wstring& compteConfirme, const wchar_t* motDePasse)
{
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = arret.ObtenirPersistance(persistance);
    if (FAILED(hr))
        return hr;
    if (FAILED(hr = persistance->Enregistrer()) || FAILED(hr = arret.DefinirApplication(application)))
        return hr;

    WORD index = 0;
    std::unique_ptr<CDeclencheur> declencheur;
    TASK_TRIGGER enregistrement = {};
    if (FAILED(hr = arret.CreerDeclencheur(index, declencheur)) ||
        FAILED(hr = declencheurEnregistrement.Lire(enregistrement)))
        return hr;
    ChampsDeclencheur champs;
    if (!ChampsArret(DepuisTaskTrigger(enregistrement), dureeSecondes, champs))
        return HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
    if (FAILED(hr = declencheur->Definir(VersTaskTrigger(champs))) ||
        FAILED(hr = arret.DefinirIndicateurs(TASK_FLAG_DELETE_WHEN_DONE)))
        return hr;

    // Some schedulers do not keep the account they were given (Wine's does not): the account
    // just confirmed for the recording is the same one. A failed read's output is never used.
    std::wstring compte;
    if (FAILED(tacheEnregistrement.LireCompte(compte)) || compte.empty())
        compte = compteConfirme;
    if (FAILED(hr = arret.DefinirCompte(compte.c_str(), motDePasse)))
        return hr;
    return persistance->Enregistrer();
}
} // namespace

HRESULT CreerTacheArret(CPlanificateur& planificateur, CDeclencheur& declencheurEnregistrement,
                        CTache& tacheEnregistrement, std::int32_t dureeSecondes,
                        const std::wstring& compteConfirme, const wchar_t* motDePasse,
                        CInterlocuteur& fenetre)
{
    wchar_t application[TAILLE_TAMPON];
    if (!CheminArret(application))
    {
        fenetre.AfficherErreur(MESSAGE_DOSSIER_ARRET_TROP_LONG);
        return COMMANDE_TROP_LONGUE;
    }
    std::unique_ptr<CTache> arret;
    HRESULT hr = planificateur.NouvelleTache(NOM_TACHE_ARRET, arret);
    if (SUCCEEDED(hr))
        hr = planificateur.AjouterTache(NOM_TACHE_ARRET, *arret);
    if (FAILED(hr))
    {
        // The name may be an earlier programme's companion: it is left as it is.
        fenetre.AfficherErreur(hr);
        return hr;
    }
    hr = CompleterArret(*arret, application, declencheurEnregistrement, tacheEnregistrement, dureeSecondes,
                        compteConfirme, motDePasse);
    if (FAILED(hr))
    {
        // A companion that cannot run would block every later one: it goes again.
        fenetre.AfficherErreur(hr);
        SupprimerTache(planificateur, NOM_TACHE_ARRET);
    }
    return hr;
}
