#include "tasks/Commandes.h"

#include "tasks/ChaineParametres.h"
#include "tasks/DeclencheurTache.h"
#include "tasks/ProgrammeRelu.h"

const char* const MESSAGE_PROGRAMME_ILLISIBLE =
    "Ce programme ne peut pas être modifié : sa tâche planifiée n'a pas les paramètres ou le "
    "déclencheur d'un enregistrement de Vidalto (elle a été changée par un autre programme ou "
    "elle est endommagée).";

bool RelireEnregistrement(const ContexteCommande& contexte, const std::string& nom,
                          const std::string& colonneFichier, const std::string& colonneDuree,
                          CDefinitionProgramme& programme, std::unique_ptr<CTache>& tache,
                          std::unique_ptr<CDeclencheur>& declencheur)
{
    wchar_t nomLarge[TAILLE_TAMPON];
    std::wstring parametresLarges;
    TASK_TRIGGER lu = {};
    HRESULT hr = VersLarge(nom, nomLarge, TAILLE_TAMPON) ? S_OK : COMMANDE_TROP_LONGUE;
    if (SUCCEEDED(hr))
        hr = contexte.planificateur.Activer(nomLarge, tache);
    if (SUCCEEDED(hr))
        hr = tache->LireParametres(parametresLarges);
    if (SUCCEEDED(hr))
        hr = tache->LireDeclencheur(0, declencheur);
    if (SUCCEEDED(hr))
        hr = declencheur->Lire(lu);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    // A parameter text longer than the program writes, or a trigger that is no real date, is no
    // recording of ours any more: it is not edited, rather than rewritten from guesses.
    std::string parametres;
    if (!VersAnsi(parametresLarges.c_str(), parametres) ||
        !RelireProgramme(parametres, DepuisTaskTrigger(lu), colonneFichier, colonneDuree, programme))
    {
        contexte.fenetre.AfficherErreur(MESSAGE_PROGRAMME_ILLISIBLE);
        return false;
    }
    return true;
}

bool ModifierEnregistrement(const ContexteCommande& contexte, CTache& tache, CDeclencheur& declencheur,
                            const CDefinitionProgramme& programme, std::string& parametres)
{
    // The file name names the work item: it is written back as it was read.
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = DefinirCommande(tache, programme, contexte.dossierTV, programme.m_fichier, persistance);
    if (SUCCEEDED(hr))
        hr = DefinirDeclencheur(declencheur, programme);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    std::wstring compte;
    if (FAILED(DefinirCompte(tache, *persistance, contexte.fenetre, contexte.motDePasseCompte, compte)))
        return false;
    parametres = ConstruireParametres(programme.m_chaine, programme.m_dureeSecondes, programme.m_fichier);
    return true;
}
