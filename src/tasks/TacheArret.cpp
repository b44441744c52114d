#include "tasks/Commandes.h"

#include "tasks/DeclencheurTache.h"
#include "tasks/Executions.h"

const wchar_t* const NOM_TACHE_ARRET = L"Shutdown";
const char* const MESSAGE_DOSSIER_ARRET_TROP_LONG =
    "Le dossier courant du programme est trop long pour y trouver Shutdown.exe : l'ordinateur "
    "ne sera pas arrêté à la fin de l'enregistrement.";
const char* const MESSAGE_JAMAIS_DEMARRE =
    "Cet enregistrement ne démarrera jamais (sa date est passée, ou aucun jour n'est coché) : "
    "l'ordinateur ne sera pas arrêté à sa fin.";

namespace
{
const char* const NOM_ARRET = "Shutdown";

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

// The companion's trigger from the recording's, as it is stored: five minutes after the end of
// its first run from now. The scheduler's own next run time is not taken: Wine's leaves out the
// runs of the end date, which Windows keeps (the last date on which a trigger runs).
HRESULT ChampsArretSuivant(CDeclencheur& declencheurEnregistrement, std::int32_t duree,
                           ChampsDeclencheur& arret)
{
    TASK_TRIGGER enregistrement = {};
    const HRESULT hr = declencheurEnregistrement.Lire(enregistrement);
    if (FAILED(hr))
        return hr;
    ChampsLocaux maintenant;
    ChampsLocaux execution;
    return CTemps::Maintenant().Local(maintenant) &&
                   PremiereExecution(DepuisTaskTrigger(enregistrement), maintenant, execution) &&
                   ChampsArret(execution, duree, arret)
               ? S_OK
               : S_FALSE;
}

// Gives the companion its trigger and its account, then saves it; the first failure's code.
HRESULT PlacerArret(CTache& arret, CDeclencheur& declencheur, CPersistance& persistance,
                    const ChampsDeclencheur& champs, const std::wstring& compte, const wchar_t* motDePasse)
{
    HRESULT hr = declencheur.Definir(VersTaskTrigger(champs));
    if (SUCCEEDED(hr))
        hr = arret.DefinirCompte(compte.c_str(), motDePasse);
    if (SUCCEEDED(hr))
        hr = persistance.Enregistrer();
    return hr;
}

// Everything the companion gets once it is in the store; the first failure's code.
HRESULT CompleterArret(CTache& arret, const wchar_t* application, const ChampsDeclencheur& champs,
                       CTache& tacheEnregistrement, const std::wstring& compteConfirme,
                       const wchar_t* motDePasse)
{
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = arret.ObtenirPersistance(persistance);
    if (FAILED(hr))
        return hr;
    if (FAILED(hr = persistance->Enregistrer()) || FAILED(hr = arret.DefinirApplication(application)))
        return hr;
    WORD index = 0;
    std::unique_ptr<CDeclencheur> declencheur;
    if (FAILED(hr = arret.CreerDeclencheur(index, declencheur)) ||
        FAILED(hr = arret.DefinirIndicateurs(TASK_FLAG_DELETE_WHEN_DONE)))
        return hr;
    // Some schedulers do not keep the account they were given (Wine's does not): the account
    // just confirmed for the recording is the same one. A failed read's output is never used.
    std::wstring compte;
    if (FAILED(tacheEnregistrement.LireCompte(compte)) || compte.empty())
        compte = compteConfirme;
    return PlacerArret(arret, *declencheur, *persistance, champs, compte, motDePasse);
}

// The "Shutdown" work item opened, and its trigger read; the first failure's code.
HRESULT LireArret(CPlanificateur& planificateur, std::unique_ptr<CTache>& arret,
                  std::unique_ptr<CDeclencheur>& declencheur, TASK_TRIGGER& lu)
{
    HRESULT hr = OuvrirTache(planificateur, NOM_TACHE_ARRET, arret);
    if (SUCCEEDED(hr))
        hr = arret->LireDeclencheur(0, declencheur);
    if (SUCCEEDED(hr))
        hr = declencheur->Lire(lu);
    return hr;
}

// A "Shutdown" whose moment has gone makes room for the new companion. One that cannot be read
// stays, and the store then refuses the name, as for a companion still to come.
void RetirerArretPasse(const ContexteCommande& contexte)
{
    std::unique_ptr<CTache> arret;
    std::unique_ptr<CDeclencheur> declencheur;
    TASK_TRIGGER lu = {};
    ChampsLocaux maintenant;
    if (FAILED(LireArret(contexte.planificateur, arret, declencheur, lu)) ||
        !CTemps::Maintenant().Local(maintenant) || !ArretPasse(DepuisTaskTrigger(lu), maintenant))
        return;
    declencheur.reset();
    arret.reset();
    SupprimerTache(contexte.planificateur, NOM_TACHE_ARRET);
}

// The companion deleted with its recording (the store's refusal is shown as any failure), or
// because it cannot be made right (the user is then told it stays).
void SupprimerArret(const ContexteCommande& contexte, bool avecEnregistrement)
{
    const HRESULT hr = SupprimerTache(contexte.planificateur, NOM_TACHE_ARRET);
    if (SUCCEEDED(hr))
        return;
    if (avecEnregistrement)
        contexte.fenetre.AfficherErreur(hr);
    else
        contexte.fenetre.AfficherErreur(TexteTacheRestee(NOM_ARRET).c_str());
}
} // namespace

HRESULT CreerTacheArret(const ContexteCommande& contexte, CDeclencheur& declencheurEnregistrement,
                        CTache& tacheEnregistrement, std::int32_t dureeSecondes,
                        const std::wstring& compteConfirme)
{
    wchar_t application[TAILLE_TAMPON];
    if (!CheminArret(application))
    {
        contexte.fenetre.AfficherErreur(MESSAGE_DOSSIER_ARRET_TROP_LONG);
        return COMMANDE_TROP_LONGUE;
    }
    ChampsDeclencheur champs;
    HRESULT hr = ChampsArretSuivant(declencheurEnregistrement, dureeSecondes, champs);
    if (hr == S_FALSE)
        contexte.fenetre.AfficherErreur(MESSAGE_JAMAIS_DEMARRE);
    if (hr != S_OK)
    {
        if (FAILED(hr))
            contexte.fenetre.AfficherErreur(hr);
        return hr;
    }
    RetirerArretPasse(contexte);
    std::unique_ptr<CTache> arret;
    hr = contexte.planificateur.NouvelleTache(NOM_TACHE_ARRET, arret);
    if (SUCCEEDED(hr))
        hr = contexte.planificateur.AjouterTache(NOM_TACHE_ARRET, *arret);
    if (FAILED(hr))
    {
        // The name may be an earlier programme's companion still to come: it is left as it is.
        contexte.fenetre.AfficherErreur(hr);
        return hr;
    }
    hr = CompleterArret(*arret, application, champs, tacheEnregistrement, compteConfirme,
                        contexte.motDePasseCompte);
    if (FAILED(hr))
    {
        // A companion that cannot run would block every later one: it goes again.
        contexte.fenetre.AfficherErreur(hr);
        SupprimerArret(contexte, false);
    }
    return hr;
}

void SuivreArret(const ContexteCommande& contexte, const ChampsDeclencheur& ancien,
                 std::int32_t ancienneDuree, CDeclencheur* declencheur, std::int32_t duree,
                 const std::wstring& compteConfirme)
{
    std::unique_ptr<CTache> arret;
    std::unique_ptr<CDeclencheur> declencheurArret;
    TASK_TRIGGER lu = {};
    HRESULT hr = LireArret(contexte.planificateur, arret, declencheurArret, lu);
    // No companion at all.
    if (!arret && hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))
        return;
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return;
    }
    if (!ArretDe(DepuisTaskTrigger(lu), ancien, ancienneDuree))
        return;

    ChampsDeclencheur champs;
    hr = declencheur != nullptr ? ChampsArretSuivant(*declencheur, duree, champs) : S_FALSE;
    if (hr == S_FALSE && declencheur != nullptr)
        contexte.fenetre.AfficherErreur(MESSAGE_JAMAIS_DEMARRE);
    std::unique_ptr<CPersistance> persistance;
    if (hr == S_OK)
        hr = arret->ObtenirPersistance(persistance);
    if (hr == S_OK)
        hr = PlacerArret(*arret, *declencheurArret, *persistance, champs, compteConfirme,
                         contexte.motDePasseCompte);
    if (SUCCEEDED(hr) && hr != S_FALSE)
        return;
    if (FAILED(hr))
        contexte.fenetre.AfficherErreur(hr);
    // A companion left at its old time would shut the computer down for nothing, or in the
    // middle of the recording.
    arret.reset();
    declencheurArret.reset();
    SupprimerArret(contexte, declencheur == nullptr);
}
