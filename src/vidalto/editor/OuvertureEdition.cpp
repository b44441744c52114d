// The editor's opening: the channel database, then the values of a new programme or the
// form of an edit.

#include "editor/Edition.h"

#include "channels/SourceChaines.h"
#include "resources/resource.h"

namespace
{
constexpr int MINUTES_MIN = 1;
constexpr int MINUTES_MAX_FLECHES = 600;
} // namespace

bool CEdition::OuvrirChaines()
{
    switch (EnregistrerSource(TrouverBase(m_dossierTV)))
    {
    case ResultatEnregistrement::Enregistree:
        break;
    case ResultatEnregistrement::CheminTropLong:
        // A cut path would name another file: nothing was registered, and the user is told
        // why the editor does not open.
        AfficherErreur(MESSAGE_CHEMIN_TROP_LONG);
        EndDialog(IDCANCEL);
        return false;
    case ResultatEnregistrement::InstallateurAbsent:
        Boite(MESSAGE_INSTALLATEUR_ABSENT, TITRE_INSTALLATEUR_ABSENT, MB_ICONINFORMATION);
        EndDialog(IDCANCEL);
        return false;
    case ResultatEnregistrement::Refusee:
    default:
        EndDialog(IDCANCEL);
        return false;
    }

    // The connection and the query live only while the editor opens.
    CConnexionOdbc base;
    try
    {
        if (!ConnecterChaines(base))
        {
            EndDialog(IDCANCEL);
            return false;
        }
        // A list that redraws at each row appended costs far more than the rows' fetch.
        const HWND liste = Controle(IDC_CHAINES);
        const CSansRedessin sansRedessin(liste);
        RemplirChaines(base, liste);
    }
    catch (const CExceptionBaseDonnees& erreur)
    {
        // Also a connection failure raised as an error: the user sees the driver's text, and
        // the data source goes, as after the close box.
        AfficherErreur(erreur.Texte().c_str());
        OnClose();
        return false;
    }
    return true;
}

BOOL CEdition::OnInitDialog()
{
    CDialogue::OnInitDialog();
    // Ended before it is shown: no focus is given, which would activate the hidden window.
    if (!OuvrirChaines())
        return FALSE;

    m_spinMinutes.DefinirPlage(MINUTES_MIN, MINUTES_MAX_FLECHES);
    if (!m_heureDepart.EstDefini())
    {
        // The period keeps its constructor value, once; the weekday boxes and the end date
        // keep their template state, disabled.
        DefinirValeursNouvelles(CTemps::Maintenant());
    }
    else
    {
        // One flag of the period set, as the rules read them.
        DefinirPeriode(Periode());
        ActiverPeriode();
        // A once programme has no end date of its own: the picker shows today's, as for a new
        // one, should the user make it daily or weekly.
        if (!m_dateFin.EstDefini())
            m_dateFin = CTemps::Maintenant();
        // The file name names the work item, which an edit rewrites in place.
        ActiverControle(IDC_FICHIER, false);
        ActiverControle(IDC_ARRETER, false);
        ActualiserFin();
    }
    // The values, the period's radio button and the channel's row.
    EchangerDonnees(false);
    m_ouvert = true;
    return TRUE;
}
