#include "tasks/Modification.h"

#include "programme/ChaineParametres.h"
#include "programme/LectureParametres.h"
#include "tasks/CommandeTache.h"
#include "tasks/Compte.h"
#include "tasks/ProgrammeRelu.h"
#include "tasks/TacheArret.h"

const char* const MESSAGE_PROGRAMME_ILLISIBLE =
    "Ce programme ne peut pas être modifié : sa tâche planifiée n'a pas les paramètres ou le "
    "déclencheur d'un enregistrement de Vidalto (elle a été changée par un autre programme ou "
    "elle est endommagée).";

bool RelireEnregistrement(const ContexteCommande& contexte, const std::string& nom,
                          const std::string& colonneFichier, CDefinitionProgramme& programme,
                          EnregistrementOuvert& e)
{
    wchar_t nomLarge[TAILLE_TAMPON];
    HRESULT hr = VersLarge(nom, nomLarge, TAILLE_TAMPON) ? S_OK : COMMANDE_TROP_LONGUE;
    if (SUCCEEDED(hr))
        hr = OuvrirEtLire(contexte.planificateur, nomLarge, e.ouverte);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    // A parameter text longer than the program writes, or a trigger that is no real date, is no
    // recording of ours any more: it is not edited, rather than rewritten from guesses.
    std::string parametres;
    if (!VersAnsi(e.ouverte.parametres.c_str(), parametres) ||
        !RelireProgramme(parametres, e.ouverte.lu, colonneFichier, programme))
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
    CTache& tache = *e.ouverte.tache;
    std::unique_ptr<CPersistance> persistance;
    HRESULT hr = DefinirCommande(tache, programme, contexte.dossierTV, programme.m_fichier, persistance);
    if (SUCCEEDED(hr))
        hr = DefinirDeclencheur(*e.ouverte.declencheur, programme);
    if (FAILED(hr))
    {
        contexte.fenetre.AfficherErreur(hr);
        return false;
    }
    std::wstring compte;
    if (FAILED(DefinirCompte(contexte, tache, *persistance, compte)))
        return false;
    parametres = ConstruireParametres(programme.m_chaine, programme.m_dureeSecondes, programme.m_fichier);
    SuivreArret(contexte, e.nom, e.ouverte.lu, e.duree, e.ouverte.declencheur.get(),
                programme.m_dureeSecondes, compte);
    return true;
}
