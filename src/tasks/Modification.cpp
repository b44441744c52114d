#include "tasks/Commandes.h"

#include "tasks/ChaineParametres.h"
#include "tasks/DeclencheurTache.h"
#include "tasks/LectureParametres.h"
#include "tasks/ProgrammeRelu.h"

const char* const MESSAGE_PROGRAMME_ILLISIBLE =
    "Ce programme ne peut pas être modifié : sa tâche planifiée n'a pas les paramètres ou le "
    "déclencheur d'un enregistrement de Vidalto (elle a été changée par un autre programme ou "
    "elle est endommagée).";

bool RelireEnregistrement(const ContexteCommande& contexte, const std::string& nom,
                          const std::string& colonneFichier, CDefinitionProgramme& programme,
                          EnregistrementOuvert& e)
{
    wchar_t nomLarge[TAILLE_TAMPON];
    std::wstring parametresLarges;
    TASK_TRIGGER lu = {};
    HRESULT hr = VersLarge(nom, nomLarge, TAILLE_TAMPON) ? S_OK : COMMANDE_TROP_LONGUE;
    if (SUCCEEDED(hr))
        hr = OuvrirTache(contexte.planificateur, nomLarge, e.tache);
    if (SUCCEEDED(hr))
        hr = e.tache->LireParametres(parametresLarges);
    if (SUCCEEDED(hr))
        hr = e.tache->LireDeclencheur(0, e.declencheur);
    if (SUCCEEDED(hr))
        hr = e.declencheur->Lire(lu);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    // A parameter text longer than the program writes, or a trigger that is no real date, is no
    // recording of ours any more: it is not edited, rather than rewritten from guesses.
    std::string parametres;
    e.lu = DepuisTaskTrigger(lu);
    if (!VersAnsi(parametresLarges.c_str(), parametres) ||
        !RelireProgramme(parametres, e.lu, colonneFichier, programme))
    {
        contexte.fenetre.AfficherErreur(MESSAGE_PROGRAMME_ILLISIBLE);
        return false;
    }
    e.duree = LireDuree(parametres);
    e.nom = nom;
    return true;
}

bool ModifierEnregistrement(const ContexteCommande& contexte, EnregistrementOuvert& e,
                            const CDefinitionProgramme& programme, std::string& parametres)
{
    // The file name names the work item: it is written back as it was read.
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = DefinirCommande(*e.tache, programme, contexte.dossierTV, programme.m_fichier, persistance);
    if (SUCCEEDED(hr))
        hr = DefinirDeclencheur(*e.declencheur, programme);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    std::wstring compte;
    if (FAILED(DefinirCompte(*e.tache, *persistance, contexte.fenetre, contexte.motDePasseCompte, compte)))
        return false;
    parametres = ConstruireParametres(programme.m_chaine, programme.m_dureeSecondes, programme.m_fichier);
    SuivreArret(contexte, e.nom, e.lu, e.duree, e.declencheur.get(), programme.m_dureeSecondes, compte);
    return true;
}
