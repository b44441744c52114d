#include "editor/Edition.h"

#include "channels/SourceChaines.h"
#include "framework/Echange.h"
#include "resources/resource.h"

namespace
{
// The weekday boxes are the seven consecutive IDs from Dimanche.
constexpr int NOMBRE_JOURS = 7;
} // namespace

CEdition::CEdition(HWND parent) : CDialogue(IDD, parent) {}

CEdition::~CEdition() = default;

void CEdition::DoDataExchange(CEchange& echange)
{
    echange.Controle(IDC_DATE_FIN, m_ctrlDateFin);
    echange.Controle(IDC_SPIN_MINUTES, m_spinMinutes);
    echange.Controle(IDC_CHAINES, m_listeChaines);
    echange.Texte(IDC_NOM_PROGRAMME, m_nomProgramme);
    echange.DateHeure(IDC_DATE_DEPART, m_dateDepart);
    echange.Texte(IDC_FICHIER, m_fichier);
    echange.Texte(IDC_MINUTES, m_minutes);
    echange.DateHeure(IDC_HEURE_DEPART, m_heureDepart);
    echange.DateHeure(IDC_DATE_FIN, m_dateFin);
    echange.Texte(IDC_HEURE_FIN, m_heureFin);
    // In the alphabetical order of their names; each goes to its own box by ID.
    echange.Case(IDC_DIMANCHE, m_dimanche);
    echange.Case(IDC_JEUDI, m_jeudi);
    echange.Case(IDC_LUNDI, m_lundi);
    echange.Case(IDC_MARDI, m_mardi);
    echange.Case(IDC_MERCREDI, m_mercredi);
    echange.Case(IDC_SAMEDI, m_samedi);
    echange.Case(IDC_VENDREDI, m_vendredi);
    echange.Case(IDC_ARRETER, m_arreter);
}

bool CEdition::OnButtonClicked(int id)
{
    switch (id)
    {
    case IDC_UNE_FOIS:
        OnUneFois();
        return true;
    case IDC_TOUS_LES_JOURS:
        OnTousLesJours();
        return true;
    case IDC_TOUTES_LES_SEMAINES:
        OnToutesLesSemaines();
        return true;
    default:
        return CDialogue::OnButtonClicked(id);
    }
}

bool CEdition::OnCommand(WORD id, WORD code, HWND controle)
{
    switch (id)
    {
    case IDC_MINUTES:
        if (code != EN_CHANGE)
            return false;
        OnChangeMinutes();
        return true;
    case IDC_FICHIER:
        if (code != EN_CHANGE)
            return false;
        OnChangeFichier();
        return true;
    case IDC_CHAINES:
        if (code != LBN_SELCHANGE)
            return false;
        OnSelchangeChaines();
        return true;
    default:
        return CDialogue::OnCommand(id, code, controle);
    }
}

bool CEdition::OnNotify(int id, NMHDR* entete, LRESULT& resultat)
{
    // The start date (1031) and the end date have no handler: only the time moves the end.
    if (id == IDC_HEURE_DEPART && entete != nullptr && entete->code == DTN_DATETIMECHANGE)
    {
        OnChangeHeureDepart();
        resultat = 0;
        return true;
    }
    return CDialogue::OnNotify(id, entete, resultat);
}

void CEdition::OnClose()
{
    SupprimerSource();
    CDialogue::OnClose();
}

void CEdition::DefinirPeriode(std::int32_t uneFois, std::int32_t tousLesJours,
                              std::int32_t toutesLesSemaines)
{
    m_uneFois = uneFois;
    m_tousLesJours = tousLesJours;
    m_toutesLesSemaines = toutesLesSemaines;
    // Disabled boxes keep their check marks: they are still read on "&Enregistrer".
    for (int k = 0; k < NOMBRE_JOURS; ++k)
        ActiverControle(IDC_DIMANCHE + k, toutesLesSemaines != 0);
    m_ctrlDateFin.Activer(uneFois == 0);
}

void CEdition::OnUneFois()
{
    DefinirPeriode(1, 0, 0);
}

void CEdition::OnTousLesJours()
{
    DefinirPeriode(0, 1, 0);
}

void CEdition::OnToutesLesSemaines()
{
    DefinirPeriode(0, 0, 1);
}

void CEdition::OnChangeHeureDepart()
{
    ActualiserFin(false);
}

void CEdition::OnChangeMinutes()
{
    ActualiserFin(false);
}

void CEdition::OnChangeFichier()
{
    if (!IsWindowEnabled(m_hWnd))
        return;
    EchangerDonnees(true);
    m_nomProgramme = m_fichier;
    EchangerDonnees(false);
}

void CEdition::OnSelchangeChaines()
{
    m_chaine = m_listeChaines.Selection();
}

void CEdition::ActualiserFin(bool initialisation)
{
    if (IsWindowVisible(m_hWnd) && !initialisation)
    {
        EchangerDonnees(true);
        CalculerFin();
        EchangerDonnees(false);
        return;
    }
    CalculerFin();
}
