#include "mainwindow/VidaltoDlg.h"

#include "editor/DefinitionProgramme.h"
#include "framework/Conversion.h"
#include "tasks/ChaineParametres.h"

// The command of a recording: the TV program's path and the parameter string that carries
// the channel, the file and the length. A path or string too long for the scheduler's
// buffers is refused before anything is changed, rather than cut into another file name.
HRESULT CVidaltoDlg::DefinirCommande(CTache& tache, const CDefinitionProgramme& edition,
                                     const std::string& nom,
                                     std::unique_ptr<CPersistance>& persistance)
{
    persistance.reset();
    const std::string chemin = CheminApplication(m_cheminTV);
    const std::string parametres =
        ConstruireParametres(edition.m_chaine, edition.m_dureeSecondes, nom);
    wchar_t cheminLarge[TAILLE_TAMPON];
    wchar_t parametresLarges[TAILLE_TAMPON];
    if (!TientDansTampon(chemin) || !TientDansTampon(parametres) ||
        !VersLarge(chemin, cheminLarge, TAILLE_TAMPON) ||
        !VersLarge(parametres, parametresLarges, TAILLE_TAMPON))
        return COMMANDE_TROP_LONGUE;

    HRESULT hr = tache.ObtenirPersistance(persistance);
    if (FAILED(hr))
        return hr;
    // Stores the work item as it stands, before its command changes; the command itself is
    // stored by the save of the account step.
    hr = persistance->Enregistrer();
    if (SUCCEEDED(hr))
        hr = tache.DefinirApplication(cheminLarge);
    if (SUCCEEDED(hr))
        hr = tache.DefinirParametres(parametresLarges);
    return hr;
}
