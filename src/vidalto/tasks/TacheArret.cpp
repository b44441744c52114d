#include "tasks/TacheArret.h"

#include "programme/DefinitionProgramme.h"
#include "tasks/AccesTache.h"
#include "tasks/DeclencheurTache.h"
#include "tasks/Executions.h"

#include <vector>

const wchar_t* const NOM_TACHE_ARRET = L"Shutdown";
const char* const MESSAGE_DOSSIER_ARRET_TROP_LONG =
    "Le dossier de Vidalto est trop long pour y trouver Shutdown.exe : l'ordinateur ne sera pas "
    "arrêté à la fin de l'enregistrement.";
const char* const MESSAGE_ARRET_ABSENT =
    "Shutdown.exe n'est pas dans le dossier de Vidalto : l'ordinateur ne sera pas arrêté à la fin "
    "de l'enregistrement.\nRemettez Shutdown.exe à côté de vidalto.exe.";
const char* const MESSAGE_JAMAIS_DEMARRE =
    "Cet enregistrement ne démarrera jamais (sa date est passée, ou aucun jour n'est coché) : "
    "l'ordinateur ne sera pas arrêté à sa fin.";

namespace
{
// What the companion runs: Shutdown.exe beside the running program, whatever the current directory
// (a shortcut or a command prompt may start the program from anywhere), in the program's folder.
struct CommandeArret
{
    wchar_t application[TAILLE_TAMPON];
    wchar_t dossier[TAILLE_TAMPON];
};

// False, the user told why, when the program's folder cannot be had, is too long for the
// scheduler's buffers, or holds no Shutdown.exe.
bool TrouverCommandeArret(CInterlocuteur& fenetre, CommandeArret& commande)
{
    char module[TAILLE_TAMPON] = {};
    const DWORD longueur = GetModuleFileNameA(nullptr, module, TAILLE_TAMPON);
    if (longueur == 0)
    {
        const DWORD erreur = GetLastError();
        fenetre.AfficherErreur(erreur != ERROR_SUCCESS ? HRESULT_FROM_WIN32(erreur) : E_FAIL);
        return false;
    }
    // A path that fills the buffer was cut: it names another file.
    const std::string chemin(module, longueur);
    const std::string dossier = chemin.substr(0, chemin.find_last_of('\\'));
    const std::string application = dossier + "\\Shutdown.exe";
    if (longueur >= TAILLE_TAMPON || application.size() >= TAILLE_TAMPON ||
        !VersLarge(application, commande.application, TAILLE_TAMPON) ||
        !VersLarge(dossier, commande.dossier, TAILLE_TAMPON))
    {
        fenetre.AfficherErreur(MESSAGE_DOSSIER_ARRET_TROP_LONG);
        return false;
    }
    const DWORD attributs = GetFileAttributesA(application.c_str());
    if (attributs == INVALID_FILE_ATTRIBUTES || (attributs & FILE_ATTRIBUTE_DIRECTORY) != 0)
    {
        fenetre.AfficherErreur(MESSAGE_ARRET_ABSENT);
        return false;
    }
    return true;
}

// The companion's trigger five minutes after the end of `execution`; S_FALSE when there is none.
HRESULT ChampsArretApres(bool trouvee, const ChampsLocaux& execution, std::int32_t duree,
                         ChampsDeclencheur& arret)
{
    return trouvee && ChampsArret(execution, duree, arret) ? S_OK : S_FALSE;
}

// The companion's trigger from the recording's, as it is stored: five minutes after the end of its
// first run from now. The scheduler's own next run time is not taken: Wine's leaves out the runs
// of the end date, which Windows keeps (the last date on which a trigger runs).
HRESULT ChampsArretSuivant(CDeclencheur& declencheurEnregistrement, std::int32_t duree,
                           ChampsDeclencheur& arret)
{
    TASK_TRIGGER enregistrement = {};
    const HRESULT hr = declencheurEnregistrement.Lire(enregistrement);
    if (FAILED(hr))
        return hr;
    ChampsLocaux maintenant;
    ChampsLocaux execution;
    const bool trouvee = CTemps::Maintenant().Local(maintenant) &&
                         PremiereExecution(DepuisTaskTrigger(enregistrement), maintenant, execution);
    return ChampsArretApres(trouvee, execution, duree, arret);
}

// Gives the companion its trigger and its account, then saves it; the first failure's code.
HRESULT PlacerArret(CTache& arret, CDeclencheur& declencheur, CPersistance& persistance,
                    const ChampsDeclencheur& champs, const std::wstring& compte, const wchar_t* motDePasse)
{
    HRESULT hr = declencheur.Definir(VersTaskTrigger(champs));
    if (SUCCEEDED(hr))
        hr = arret.DefinirCompte(compte.c_str(), motDePasse);
    if (SUCCEEDED(hr))
        hr = EnregistrerTache(persistance);
    return hr;
}

// Everything the companion gets once it is in the store; the first failure's code.
HRESULT CompleterArret(CTache& arret, const CommandeArret& commande, const std::string& nom,
                       const ChampsDeclencheur& champs, CTache& tacheEnregistrement,
                       const std::wstring& compteConfirme, const wchar_t* motDePasse)
{
    // The comment may be longer than the buffers of names and paths.
    const std::string texte = CommentaireArret(nom);
    std::vector<wchar_t> commentaire(texte.size() + 1);
    if (!VersLarge(texte, commentaire.data(), static_cast<int>(commentaire.size())))
        return COMMANDE_TROP_LONGUE;
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = EnregistrerPuisLancer(arret, commande.application, persistance);
    if (FAILED(hr) || FAILED(hr = arret.DefinirDossierTravail(commande.dossier)) ||
        FAILED(hr = arret.DefinirCommentaire(commentaire.data())))
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

// The "Shutdown" work item opened, its trigger read; the first failure's code. Its comment then:
// one that cannot be read, or not exactly in the code page, names no recording, and the companion
// is known by its time, as those that name none.
HRESULT LireArret(CPlanificateur& planificateur, TacheOuverte& arret, std::string& commentaire)
{
    const HRESULT hr = OuvrirEtLire(planificateur, NOM_TACHE_ARRET, arret);
    std::wstring commentaireLarge;
    if (SUCCEEDED(hr) && (FAILED(arret.tache->LireCommentaire(commentaireLarge)) ||
                          !VersAnsi(commentaireLarge.c_str(), commentaire, 4 * TAILLE_TAMPON)))
        commentaire.clear();
    return hr;
}

// A "Shutdown" whose moment has gone makes room for the new companion. One that cannot be read
// stays, and the store then refuses the name, as for a companion still to come.
void RetirerArretPasse(const ContexteCommande& contexte)
{
    TacheOuverte arret;
    std::string commentaire;
    ChampsLocaux maintenant;
    if (FAILED(LireArret(contexte.planificateur, arret, commentaire)) ||
        !CTemps::Maintenant().Local(maintenant) || !ArretPasse(arret.lu, maintenant))
        return;
    arret = TacheOuverte();
    SupprimerTache(contexte.planificateur, NOM_TACHE_ARRET);
}
} // namespace

HRESULT CreerTacheArret(const ContexteCommande& contexte, const std::string& nom,
                        CDeclencheur& declencheurEnregistrement, CTache& tacheEnregistrement,
                        std::int32_t dureeSecondes, const std::wstring& compteConfirme)
{
    CommandeArret commande;
    if (!TrouverCommandeArret(contexte.fenetre, commande))
        return COMMANDE_TROP_LONGUE;
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
    hr = EntrerTache(contexte, NOM_TACHE_ARRET, arret);
    if (FAILED(hr))
    {
        // The name may be an earlier programme's companion still to come: it is left as it is.
        contexte.fenetre.AfficherErreur(hr);
        return hr;
    }
    hr = CompleterArret(*arret, commande, nom, champs, tacheEnregistrement, compteConfirme,
                        contexte.motDePasseCompte.Texte());
    arret.reset();
    if (SUCCEEDED(hr))
    {
        AcheverTache(contexte);
        return hr;
    }
    // A companion that cannot run would block every later one: it goes again.
    contexte.fenetre.AfficherErreur(hr);
    if (!AbandonnerTache(contexte.planificateur, contexte.tacheInachevee))
        contexte.fenetre.AfficherErreur(TexteTacheRestee(NOM_COMPAGNON).c_str());
    return hr;
}

void SuivreArret(const ContexteCommande& contexte, const std::string& nom, const ChampsDeclencheur& ancien,
                 std::int32_t ancienneDuree, CDeclencheur* declencheur, std::int32_t duree,
                 const std::wstring& compteConfirme)
{
    TacheOuverte arret;
    std::string commentaire;
    HRESULT hr = LireArret(contexte.planificateur, arret, commentaire);
    // No companion at all.
    if (!arret.tache && hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))
        return;
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return;
    }
    if (!ArretDeLEnregistrement(commentaire, arret.lu, nom, ancien, ancienneDuree))
        return;
    const CTemps maintenant = CTemps::Maintenant();
    ChampsLocaux local;
    // Run already, since Vista it may stay in the store: an edit must not start it again later.
    if (declencheur != nullptr && maintenant.Local(local) && ArretPasse(arret.lu, local))
        return;

    ChampsDeclencheur champs;
    TASK_TRIGGER nouveau = {};
    hr = S_FALSE;
    if (declencheur != nullptr && SUCCEEDED(hr = declencheur->Lire(nouveau)))
    {
        ChampsLocaux execution;
        const bool trouvee =
            ExecutionSuivie(ancien, DepuisTaskTrigger(nouveau), duree, maintenant, execution);
        hr = ChampsArretApres(trouvee, execution, duree, champs);
    }
    std::unique_ptr<CPersistance> persistance;
    if (hr == S_OK)
        hr = arret.tache->ObtenirPersistance(persistance);
    if (hr == S_OK)
        hr = PlacerArret(*arret.tache, *arret.declencheur, *persistance, champs, compteConfirme,
                         contexte.motDePasseCompte.Texte());
    if (SUCCEEDED(hr) && hr != S_FALSE)
        return;
    // A companion left at its old time would shut the computer down for nothing, or in the
    // middle of the recording. It goes before the user is told, who may be ending the session.
    persistance.reset();
    arret = TacheOuverte();
    const HRESULT suppression = SupprimerTache(contexte.planificateur, NOM_TACHE_ARRET);
    if (FAILED(hr))
        contexte.fenetre.AfficherErreur(hr);
    else if (declencheur != nullptr)
        contexte.fenetre.AfficherErreur(MESSAGE_JAMAIS_DEMARRE);
    // Gone with its recording, a companion the store keeps is a failure of the deletion; left
    // because it could not be moved, the user must know it stays.
    if (FAILED(suppression) && declencheur == nullptr)
        contexte.fenetre.AfficherErreur(suppression);
    else if (FAILED(suppression))
        contexte.fenetre.AfficherErreur(TexteTacheRestee(NOM_COMPAGNON).c_str());
}
