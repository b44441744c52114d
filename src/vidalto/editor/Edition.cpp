#include "editor/Edition.h"

#include "channels/SourceChaines.h"
#include "framework/Echange.h"
#include "resources/resource.h"
#include "programme/ChaineParametres.h"

namespace
{
// The weekday boxes are the seven consecutive IDs from Dimanche.
constexpr int NOMBRE_JOURS = 7;
} // namespace

CEdition::CEdition(HWND parent) : CDialogue(IDD, parent) {}

CEdition::~CEdition() = default;

void CEdition::DoDataExchange(CEchange& echange)
{
    echange.Controle(IDC_SPIN_MINUTES, m_spinMinutes);
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
    std::int32_t periode = Periode();
    echange.Radio(IDC_UNE_FOIS, IDC_TOUTES_LES_SEMAINES, periode);
    if (echange.Lire())
        DefinirPeriode(periode);
    // A position missing from the list selects nothing and leaves m_chaine as given.
    echange.IndiceListe(IDC_CHAINES, m_chaine);
}

bool CEdition::OnButtonClicked(int id)
{
    if (id >= IDC_UNE_FOIS && id <= IDC_TOUTES_LES_SEMAINES)
    {
        OnPeriode(id);
        return true;
    }
    return CDialogue::OnButtonClicked(id);
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

void CEdition::OnOK()
{
    EchangerDonnees(true);
    const char* refus = nullptr;
    if (IsWindowEnabled(Controle(IDC_FICHIER)))
    {
        const std::string nom = NomTache(m_fichier);
        refus = RefusNomTache(nom);
        if (refus == nullptr && !CommandeTient(m_dossierTV, m_chaine, m_dureeSecondes, nom))
            refus = MESSAGE_NOM_TROP_LONG;
    }
    if (refus == nullptr)
    {
        EndDialog(IDOK);
        return;
    }
    Boite(refus, NOM_APPLICATION, MB_ICONEXCLAMATION);
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Controle(IDC_FICHIER)), TRUE);
    SendDlgItemMessageA(m_hWnd, IDC_FICHIER, EM_SETSEL, 0, -1);
}

std::int32_t CEdition::Periode() const
{
    return m_uneFois != 0 ? 0 : m_tousLesJours != 0 ? 1 : 2;
}

void CEdition::DefinirPeriode(std::int32_t periode)
{
    m_uneFois = periode == 0 ? 1 : 0;
    m_tousLesJours = periode == 1 ? 1 : 0;
    m_toutesLesSemaines = periode == 2 ? 1 : 0;
}

void CEdition::ActiverPeriode()
{
    // Disabled boxes keep their check marks: they are still read on "&Enregistrer".
    for (int k = 0; k < NOMBRE_JOURS; ++k)
        ActiverControle(IDC_DIMANCHE + k, m_toutesLesSemaines != 0);
    ActiverControle(IDC_DATE_FIN, m_uneFois == 0);
}

void CEdition::OnPeriode(int id)
{
    // An automatic radio button is checked before it tells of the click.
    EchangerControle(id, true);
    ActiverPeriode();
}

void CEdition::OnChangeHeureDepart()
{
    ActualiserFin();
}

void CEdition::OnChangeMinutes()
{
    ActualiserFin();
}

void CEdition::OnChangeFichier()
{
    if (!IsWindowEnabled(m_hWnd))
        return;
    EchangerControle(IDC_FICHIER, true);
    m_nomProgramme = m_fichier;
    EchangerControle(IDC_NOM_PROGRAMME, false);
}

void CEdition::OnSelchangeChaines()
{
    EchangerControle(IDC_CHAINES, true);
}

void CEdition::ActualiserFin()
{
    if (m_ouvert)
    {
        EchangerControle(IDC_MINUTES, true);
        EchangerControle(IDC_HEURE_DEPART, true);
        CalculerFin();
        EchangerControle(IDC_HEURE_FIN, false);
        return;
    }
    CalculerFin();
}
