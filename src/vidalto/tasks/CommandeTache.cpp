#include "tasks/CommandeTache.h"

#include "programme/ChaineParametres.h"
#include "tasks/AccesTache.h"
#include "tasks/DeclencheurTache.h"

// The command of a recording: the TV program's path and the parameter string that carries the
// channel, the file and the length. A path or string too long for the scheduler's buffers is
// refused before anything is changed, rather than cut into another file name.
HRESULT DefinirCommande(CTache& tache, const CDefinitionProgramme& programme, const std::string& dossierTV,
                        const std::string& nom, std::unique_ptr<CPersistance>& persistance)
{
    persistance.reset();
    const std::string chemin = CheminApplication(dossierTV);
    const std::string parametres = ConstruireParametres(programme.m_chaine, programme.m_dureeSecondes, nom);
    wchar_t cheminLarge[TAILLE_TAMPON];
    wchar_t parametresLarges[TAILLE_TAMPON];
    if (!TientDansTampon(chemin) || !TientDansTampon(parametres) ||
        !VersLarge(chemin, cheminLarge, TAILLE_TAMPON) ||
        !VersLarge(parametres, parametresLarges, TAILLE_TAMPON))
        return COMMANDE_TROP_LONGUE;
    HRESULT hr = EnregistrerPuisLancer(tache, cheminLarge, persistance);
    if (SUCCEEDED(hr))
        hr = tache.DefinirParametres(parametresLarges);
    return hr;
}

HRESULT DefinirDeclencheur(CDeclencheur& declencheur, const CDefinitionProgramme& programme)
{
    return declencheur.Definir(VersTaskTrigger(ChampsDepuisProgramme(programme)));
}
