#include "mainwindow/VidaltoDlg.h"

#include "framework/Conversion.h"
#include "framework/Echange.h"
#include "programme/LectureParametres.h"
#include "tasks/AccesTache.h"
#include "tasks/PlanificateurCom.h"

#include <cstring>

namespace
{
// The start-up's boxes when the registry has no TV folder: its key missing, its value missing.
const char* const CLE_ABSENTE =
    "La clé HKEY_LOCAL_MACHINE\\SOFTWARE\\Hauppauge\\Radio n'a pas été trouvé.\n Le programme "
    "ne saura pas où chercher l'éxécutable WINTV.\n Veuillez rajouter cette valeur chaine "
    "TvAppPath ayant pour valeur le chemin de l'éxécutable WinTV";
const char* const VALEUR_ABSENTE =
    "La valeur chaine TvAppPath n'a pas été trouvé dans la clé "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Hauppauge\\Radio.\n Le programme ne saura pas où chercher "
    "l'éxécutable WINTV.\n Veuillez rajouter cette valeur chaine TvAppPath ayant pour valeur le "
    "chemin de l'éxécutable WinTV";
// The sentences after the system's text: a scheduler that fails, one that is missing.
const char* const PHRASE_ADMINISTRATEUR = "Le programme va être arrêter.\nPassez en administrateur.";
const char* const PHRASE_TACHES_PLANIFIEES =
    "Avez-vous installé les tâches planifiées sur votre machine?\nLe programme va être arrêté";

// Names per call of the enumerator.
constexpr ULONG NOMS_PAR_LOT = 255;
} // namespace

CVidaltoDlg::CVidaltoDlg(HWND parent)
    : CDialogue(IDD, parent), m_hIcone(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

void CVidaltoDlg::DoDataExchange(CEchange& echange)
{
    echange.Controle(IDC_LISTE, m_liste);
    echange.Texte(IDC_HORLOGE, m_horloge);
}

BOOL CVidaltoDlg::OnInitDialog()
{
    CDialogue::OnInitDialog();
    AjouterEntreeAPropos();
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcone));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcone));
    SetTimer(m_hWnd, ID_TIMER_HORLOGE, 1000, nullptr);
    MettreAJourHorloge();
    CreerColonnes();

    const COccupation occupation(*this);
    if (LireCheminTV() && ConnecterPlanificateur())
        ListerTaches();
    return TRUE;
}

CVidaltoDlg::COccupation::COccupation(CVidaltoDlg& fenetre) : m_fenetre(fenetre)
{
    m_fenetre.m_occupe = true;
}

CVidaltoDlg::COccupation::~COccupation()
{
    m_fenetre.m_occupe = false;
    if (m_fenetre.m_fermetureDemandee)
    {
        m_fenetre.m_fermetureDemandee = false;
        m_fenetre.Fermer();
    }
}

void CVidaltoDlg::CreerColonnes()
{
    static const char* const titres[NOMBRE_COLONNES] = {"Nom du programme", "Prochain démarrage",
                                                        "Infos du Programme", "Enregistrement", "Durée"};
    const int largeur = m_liste.LargeurClient() / NOMBRE_COLONNES;
    for (int i = 0; i < NOMBRE_COLONNES; ++i)
        m_liste.InsererColonne(i, titres[i], LVCFMT_CENTER, largeur, i);
}

bool CVidaltoDlg::LireCheminTV()
{
    CCleRegistre cle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Hauppauge\\Radio", 0, KEY_READ, cle.Adresse()) !=
        ERROR_SUCCESS)
    {
        Arreter(CLE_ABSENTE);
        return false;
    }
    char chemin[TAILLE_TAMPON] = {};
    DWORD taille = sizeof chemin;
    DWORD type = REG_NONE;
    const LONG lu =
        RegQueryValueExA(cle.Get(), "TvAppPath", nullptr, &type, reinterpret_cast<BYTE*>(chemin), &taille);
    // A value stored without its terminator can fill the buffer to its last byte: it does
    // not fit either. A number or binary data is no folder, whatever its bytes.
    const bool lisible =
        lu == ERROR_SUCCESS && chemin[sizeof chemin - 1] == '\0' && (type == REG_SZ || type == REG_EXPAND_SZ);
    // A folder stored as an expandable string (written with %ProgramFiles%...) is expanded and
    // must still fit; a plain string is kept exactly as read. The ANSI expansion may want one
    // byte more than it writes.
    char etendu[TAILLE_TAMPON + 1] = {};
    const DWORD longueur =
        lisible && type == REG_EXPAND_SZ ? ExpandEnvironmentStringsA(chemin, etendu, sizeof etendu) : 1;
    if (!lisible || longueur == 0 || longueur > TAILLE_TAMPON)
    {
        Arreter(VALEUR_ABSENTE);
        return false;
    }
    m_cheminTV = type == REG_EXPAND_SZ ? etendu : chemin;
    return true;
}

bool CVidaltoDlg::ConnecterPlanificateur()
{
    HRESULT hr = m_com.Initialiser();
    if (FAILED(hr))
    {
        Arreter(hr, PHRASE_ADMINISTRATEUR);
        return false;
    }
    hr = CreerPlanificateur(m_planificateur);
    if (FAILED(hr))
    {
        Arreter(hr, PHRASE_TACHES_PLANIFIEES);
        return false;
    }
    return true;
}

bool CVidaltoDlg::ListerTaches()
{
    std::unique_ptr<CEnumerateurTaches> enumerateur;
    HRESULT hr = m_planificateur->Enumerer(enumerateur);
    if (FAILED(hr))
    {
        Arreter(hr, PHRASE_ADMINISTRATEUR);
        return false;
    }
    // A list that does not redraw itself at each row costs little beside the scheduler calls.
    const CSansRedessin sansRedessin(m_liste.Fenetre());
    std::vector<std::wstring> noms;
    while (SUCCEEDED(enumerateur->Suivants(NOMS_PAR_LOT, noms)) && !noms.empty())
    {
        for (const std::wstring& nomListe : noms)
        {
            std::string nomComplet;
            // A name too long for the program's buffers, or that the code page cannot hold exactly
            // (converted back, it would name another work item), is no work item of ours: skipped.
            if (!VersAnsi(nomListe.c_str(), nomComplet, TAILLE_TAMPON - 1 + 4))
                continue;
            const std::string nom = NomSansSuffixeJob(nomComplet);
            if (nom.size() > static_cast<std::size_t>(TAILLE_TAMPON - 1))
                continue;
            // The scheduler lists "NAME.job", but Wine's Activate and Delete refuse that form;
            // the bare name works on Windows as well.
            const std::wstring nomOuvert =
                nomListe.substr(0, nomListe.size() - (nomComplet.size() - nom.size()));

            std::unique_ptr<CTache> tache;
            hr = OuvrirTache(*m_planificateur, nomOuvert.c_str(), tache);
            if (FAILED(hr))
            {
                Arreter(hr, PHRASE_ADMINISTRATEUR);
                return false;
            }
            InsererLigne(*tache, nom);
        }
    }
    return true;
}

void CVidaltoDlg::Arreter(const char* texte)
{
    AfficherErreur(texte);
    EndDialog(STATUT_ARRET);
    // Ended already: a close that came during the box has nothing left to do.
    m_fermetureDemandee = false;
}

void CVidaltoDlg::Arreter(HRESULT code, const char* phrase)
{
    char texte[TAILLE_TAMPON] = {};
    TexteErreur(code, texte, sizeof texte);
    Arreter((std::string(texte) + phrase).c_str());
}

HRESULT CVidaltoDlg::CreerPlanificateur(std::unique_ptr<CPlanificateur>& planificateur)
{
    return CreerPlanificateurCom(planificateur);
}

void CVidaltoDlg::TexteErreur(HRESULT code, char* tampon, DWORD taille)
{
    if (code >= 0 || tampon == nullptr || taille == 0)
        return;
    std::memset(tampon, 0, taille);
    const DWORD ecrits = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), 0, tampon, taille, nullptr);
    // A text that does not fit is not shown cut: the system then has no text for us.
    if (ecrits == 0 || ecrits >= taille)
        std::memset(tampon, 0, taille);
}

void CVidaltoDlg::AfficherErreur(const char* texte)
{
    CDialogue::AfficherErreur(texte);
}

void CVidaltoDlg::AfficherErreur(HRESULT code)
{
    char texte[TAILLE_TAMPON] = {};
    TexteErreur(code, texte, sizeof texte);
    AfficherErreur(texte);
}

void CVidaltoDlg::OnClose()
{
    if (m_occupe)
        m_fermetureDemandee = true;
    else
        Fermer();
}

void CVidaltoDlg::OnEndSession(bool fin)
{
    if (!fin)
        return;
    m_sessionTerminee = true;
    if (m_occupe && m_planificateur)
        AbandonnerTache(*m_planificateur, m_tacheInachevee);
}

void CVidaltoDlg::Fermer()
{
    m_planificateur.reset();
    m_com.Terminer();
    CDialogue::OnClose();
}
