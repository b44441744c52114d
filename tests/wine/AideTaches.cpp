#include "AideTaches.h"

#include "framework/Ressources.h"
#include "tasks/UuidTaches.h"

#include <gtest/gtest.h>

#include <wrl/client.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>

using Microsoft::WRL::ComPtr;

namespace
{
const std::wstring DOSSIER_TACHES = L"C:\\windows\\tasks\\";

ComPtr<ITaskScheduler> Planificateur()
{
    ComPtr<ITaskScheduler> planificateur;
    CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                     reinterpret_cast<void**>(planificateur.GetAddressOf()));
    return planificateur;
}

// The scheduler's service may be reading the file: asked again for a while, as the program does.
void Supprimer(ITaskScheduler* planificateur, const std::wstring& nom)
{
    for (int essai = 0; essai < 40; ++essai)
    {
        if (planificateur->Delete(nom.c_str()) != HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION))
            return;
        Sleep(25);
    }
}
} // namespace

TASK_TRIGGER DeclencheurAVenir()
{
    const std::time_t maintenant = std::time(nullptr);
    const std::tm* local = std::localtime(&maintenant);
    TASK_TRIGGER t = {};
    t.cbTriggerSize = sizeof t;
    t.wBeginYear = static_cast<WORD>(local->tm_year + 1900 + 1);
    t.wBeginMonth = 3;
    t.wBeginDay = 14;
    t.wStartHour = 20;
    t.wStartMinute = 45;
    t.TriggerType = TASK_TIME_TRIGGER_ONCE;
    return t;
}

TacheStockee EnregistrementMemoire(const std::wstring& fichier)
{
    TacheStockee tache;
    tache.application = L"C:\\TV\\WinTV2K.EXE";
    tache.parametres = L" -c2 -ntod -startr:" + fichier + L" -qvcd -limit:5400";
    tache.commentaire = L"Infos";
    TASK_TRIGGER declencheur = DeclencheurAVenir();
    tache.declencheurs.push_back(declencheur);
    SYSTEMTIME prochaine = {};
    prochaine.wYear = 2027;
    prochaine.wMonth = 3;
    prochaine.wDay = 14;
    prochaine.wHour = 20;
    prochaine.wMinute = 45;
    tache.prochaine = prochaine;
    return tache;
}

bool CreerTacheReelle(const TacheEssai& essai)
{
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    if (!planificateur)
        return false;
    Supprimer(planificateur.Get(), essai.nom);
    ComPtr<ITask> tache;
    if (FAILED(planificateur->NewWorkItem(essai.nom.c_str(), CLSID_CTask, IID_ITask,
                                          reinterpret_cast<IUnknown**>(tache.GetAddressOf()))))
        return false;
    tache->SetApplicationName(essai.application.c_str());
    tache->SetParameters(essai.parametres.c_str());
    tache->SetComment(essai.commentaire.c_str());
    if (essai.declencheur)
    {
        WORD index = 0;
        ComPtr<ITaskTrigger> declencheur;
        if (FAILED(tache->CreateTrigger(&index, &declencheur)))
            return false;
        TASK_TRIGGER t = *essai.declencheur;
        if (FAILED(declencheur->SetTrigger(&t)))
            return false;
    }
    ComPtr<IPersistFile> fichier;
    return SUCCEEDED(tache.As(&fichier)) && SUCCEEDED(fichier->Save(nullptr, FALSE));
}

void SupprimerTacheReelle(const std::wstring& nom)
{
    if (const ComPtr<ITaskScheduler> planificateur = Planificateur())
        Supprimer(planificateur.Get(), nom);
}

void SupprimerTachesReelles(const std::wstring& prefixe)
{
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    WIN32_FIND_DATAW trouve;
    std::vector<std::wstring> noms;
    CRechercheFichiers recherche(FindFirstFileW((DOSSIER_TACHES + prefixe + L"*.job").c_str(), &trouve));
    for (bool suite = recherche.EstValide(); suite; suite = FindNextFileW(recherche.Get(), &trouve))
        noms.emplace_back(trouve.cFileName, wcslen(trouve.cFileName) - 4);
    for (const auto& nom : noms)
        Supprimer(planificateur.Get(), nom);
}

namespace
{
const char CLE_RADIO[] = "SOFTWARE\\Hauppauge\\Radio";
} // namespace

CCleRegistre CreerCleRadio()
{
    CCleRegistre cle;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, CLE_RADIO, 0, nullptr, 0, KEY_WRITE, nullptr, cle.Adresse(), nullptr);
    return cle;
}

void SupprimerCleRadio()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, CLE_RADIO);
}

void EcrireCheminTV(const char* donnees, DWORD taille, DWORD type)
{
    const CCleRegistre cle = CreerCleRadio();
    RegSetValueExA(cle.Get(), "TvAppPath", 0, type, reinterpret_cast<const BYTE*>(donnees), taille);
}

void DefinirCheminTV(const std::string& chemin)
{
    EcrireCheminTV(chemin.c_str(), static_cast<DWORD>(chemin.size() + 1));
}

std::string OctetsTacheReelle(const std::wstring& nom)
{
    std::ifstream fichier(VersEtroit(DOSSIER_TACHES + nom + L".job"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>());
}

TacheLue LireTacheReelle(const std::wstring& nom)
{
    TacheLue lue;
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    ComPtr<IUnknown> inconnu;
    ComPtr<ITask> tache;
    if (!planificateur || FAILED(planificateur->Activate(nom.c_str(), IID_ITask, &inconnu)) ||
        FAILED(inconnu.As(&tache)))
        return lue;
    lue.trouvee = true;
    LPWSTR texte = nullptr;
    if (SUCCEEDED(tache->GetApplicationName(&texte)))
        lue.application = CTexteCom(texte).Get();
    if (SUCCEEDED(tache->GetParameters(&texte)))
        lue.parametres = CTexteCom(texte).Get();
    tache->GetFlags(&lue.indicateurs);
    tache->GetTriggerCount(&lue.declencheurs);
    ComPtr<ITaskTrigger> declencheur;
    lue.declencheur.cbTriggerSize = sizeof lue.declencheur;
    if (SUCCEEDED(tache->GetTrigger(0, &declencheur)))
        declencheur->GetTrigger(&lue.declencheur);
    return lue;
}

std::function<INT_PTR(CPasse&)> Confirmer(const char* compte, const char* motDePasse)
{
    const std::string texteCompte = compte != nullptr ? compte : "";
    const bool proposition = compte == nullptr;
    const std::string texte = motDePasse;
    return [=](CPasse& passe) -> INT_PTR {
        if (!proposition)
            passe.m_compte = texteCompte;
        lstrcpynA(passe.m_motDePasse, texte.c_str(), TAILLE_TAMPON);
        lstrcpynA(passe.m_confirmation, texte.c_str(), TAILLE_TAMPON);
        return IDOK;
    };
}

void CFenetreEssai::Emprunter(CPlanificateur& planificateur)
{
    m_fabrique = [&planificateur](std::unique_ptr<CPlanificateur>& p) {
        p = std::make_unique<CPlanificateurEmprunte>(planificateur);
        return S_OK;
    };
}

INT_PTR CFenetreEssai::ExecuterEdition(CEdition& edition)
{
    return m_editeur ? m_editeur(edition) : CVidaltoDlg::ExecuterEdition(edition);
}

INT_PTR CFenetreEssai::DemanderCompte(CPasse& passe)
{
    return m_passe ? m_passe(passe) : CVidaltoDlg::DemanderCompte(passe);
}

HRESULT CFenetreEssai::CreerPlanificateur(std::unique_ptr<CPlanificateur>& planificateur)
{
    if (m_fabrique)
        return m_fabrique(planificateur);
    return CVidaltoDlg::CreerPlanificateur(planificateur);
}

void CFenetreEssai::ArreterProgramme(int statut)
{
    m_statutArret = statut;
    EndDialog(100 + statut);
}

Lignes LireLignes(const CListeRapport& liste)
{
    Lignes lignes;
    for (int i = 0; i < liste.NombreLignes(); ++i)
    {
        std::vector<std::string> ligne;
        for (int colonne = 0; colonne < 5; ++colonne)
            ligne.push_back(liste.Texte(i, colonne));
        lignes.push_back(ligne);
    }
    return lignes;
}

void Selectionner(HWND liste, int ligne)
{
    LVITEMA etat = {};
    etat.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    etat.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(liste, LVM_SETITEMSTATE, static_cast<WPARAM>(ligne), reinterpret_cast<LPARAM>(&etat));
}

INT_PTR LancerFenetre(CFenetreEssai& fenetre, const std::function<void(CFenetreEssai&)>& script)
{
    CDialogue::ProgrammerScript([&fenetre, script](CDialogue&) {
        if (script)
            script(fenetre);
        SendMessageA(fenetre.Fenetre(), WM_CLOSE, 0, 0);
    });
    const INT_PTR resultat = fenetre.DoModal();
    // A window that stopped during its start-up never ran its script.
    CDialogue::OublierScripts();
    return resultat;
}

void Cliquer(CFenetreEssai& fenetre, int bouton)
{
    SendMessageA(fenetre.Fenetre(), WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
}

std::string TexteSysteme(HRESULT code)
{
    char texte[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(code, texte, sizeof texte);
    return texte;
}

std::size_t ChaqueAppelEchoue(const std::function<void(CPlanificateurMemoire&, CFenetreEssai&)>& preparer,
                              const std::function<void(CFenetreEssai&)>& commande,
                              const std::vector<std::string>& muets, const VerificationPanne& verifier)
{
    const HRESULT echec = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    const std::string texteEchec = TexteSysteme(echec);
    std::vector<Panne> pannes(1);
    for (std::size_t i = 0; i < pannes.size(); ++i)
    {
        const Panne panne = pannes[i];
        SCOPED_TRACE(panne.operation + " #" + std::to_string(panne.rang));
        CPlanificateurMemoire memoire;
        CFenetreEssai fenetre;
        preparer(memoire, fenetre);
        fenetre.Emprunter(memoire);
        CBoitesMessage boites;
        Lignes lignes;
        LancerFenetre(fenetre, [&](CFenetreEssai& f) {
            const std::size_t debut = memoire.Journal().size();
            if (!panne.operation.empty())
                memoire.InjecterEchec(panne.operation, echec, panne.rang);
            commande(f);
            lignes = LireLignes(f.m_liste);
            // The calls of the run without failure, each to be failed in a run of its own.
            std::map<std::string, int> rangs;
            for (std::size_t j = debut; i == 0 && j < memoire.Journal().size(); ++j)
            {
                const std::string& operation = memoire.Journal()[j];
                const bool muet = std::find(muets.begin(), muets.end(), operation) != muets.end();
                pannes.push_back({operation, ++rangs[operation], muet});
            }
        });
        EXPECT_EQ(fenetre.m_statutArret, -1);
        EXPECT_EQ(boites.Vues().size(), panne.muet ? 0u : 1u);
        if (!panne.muet && !boites.Vues().empty())
        {
            EXPECT_EQ(boites.Vues()[0].titre, "Erreur");
            EXPECT_EQ(boites.Vues()[0].texte, texteEchec);
            EXPECT_TRUE(boites.Vues()[0].iconeErreur);
        }
        verifier(panne, memoire, fenetre, lignes);
    }
    return pannes.size() - 1;
}
