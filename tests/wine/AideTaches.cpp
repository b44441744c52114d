#include "AideTaches.h"

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
const char CLE_RADIO[] = "SOFTWARE\\Hauppauge\\Radio";

ComPtr<ITaskScheduler> Planificateur()
{
    ComPtr<ITaskScheduler> planificateur;
    CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&planificateur));
    return planificateur;
}
} // namespace

TASK_TRIGGER DeclencheurAVenir()
{
    const std::time_t maintenant = std::time(nullptr);
    TASK_TRIGGER t = {};
    t.cbTriggerSize = sizeof t;
    t.TriggerType = TASK_TIME_TRIGGER_ONCE;
    t.wBeginYear = static_cast<WORD>(std::localtime(&maintenant)->tm_year + 1900 + 1);
    t.wBeginMonth = 3;
    t.wBeginDay = 14;
    t.wStartHour = 20;
    t.wStartMinute = 45;
    return t;
}

bool CreerTacheReelle(const TacheEssai& essai)
{
    SupprimerTacheReelle(essai.nom);
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    ComPtr<ITask> tache;
    ComPtr<ITaskTrigger> declencheur;
    ComPtr<IPersistFile> fichier;
    WORD index = 0;
    TASK_TRIGGER t = essai.declencheur.value_or(TASK_TRIGGER{});
    return planificateur &&
           SUCCEEDED(planificateur->NewWorkItem(essai.nom.c_str(), CLSID_CTask, IID_ITask,
                                                reinterpret_cast<IUnknown**>(tache.GetAddressOf()))) &&
           SUCCEEDED(tache->SetApplicationName(essai.application.c_str())) &&
           SUCCEEDED(tache->SetParameters(essai.parametres.c_str())) &&
           SUCCEEDED(tache->SetComment(essai.commentaire.c_str())) &&
           (!essai.declencheur || (SUCCEEDED(tache->CreateTrigger(&index, &declencheur)) &&
                                   SUCCEEDED(declencheur->SetTrigger(&t)))) &&
           SUCCEEDED(tache.As(&fichier)) && SUCCEEDED(fichier->Save(nullptr, FALSE));
}

bool CreerEnregistrement(const std::wstring& nom, const std::wstring& commentaire,
                         const std::optional<TASK_TRIGGER>& declencheur)
{
    return CreerTacheReelle({nom, L"C:\\TV\\WinTV2K.EXE",
                             L" -c2 -ntod -startr:" + nom + L".mpg -qvcd -limit:5400", commentaire,
                             declencheur});
}

// The scheduler's service may be reading the file: asked again for a while, as the program does.
void SupprimerTacheReelle(const std::wstring& nom)
{
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    for (int essai = 0; planificateur && essai < 40; ++essai)
    {
        if (planificateur->Delete(nom.c_str()) != HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION))
            return;
        Sleep(25);
    }
}

void SupprimerTachesReelles(const std::wstring& prefixe)
{
    WIN32_FIND_DATAW trouve;
    std::vector<std::wstring> noms;
    CRechercheFichiers recherche(FindFirstFileW((DOSSIER_TACHES + prefixe + L"*.job").c_str(), &trouve));
    for (bool suite = recherche.EstValide(); suite; suite = FindNextFileW(recherche.Get(), &trouve))
        noms.emplace_back(trouve.cFileName, wcslen(trouve.cFileName) - 4);
    for (const auto& nom : noms)
        SupprimerTacheReelle(nom);
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
    ComPtr<ITask> tache;
    if (!planificateur || FAILED(planificateur->Activate(nom.c_str(), IID_ITask,
                                                         reinterpret_cast<IUnknown**>(tache.GetAddressOf()))))
        return lue;
    lue.trouvee = true;
    CTexteCom application, parametres;
    if (SUCCEEDED(tache->GetApplicationName(application.Adresse())))
        lue.application = application.Get();
    if (SUCCEEDED(tache->GetParameters(parametres.Adresse())))
        lue.parametres = parametres.Get();
    tache->GetFlags(&lue.indicateurs);
    tache->GetTriggerCount(&lue.declencheurs);
    ComPtr<ITaskTrigger> declencheur;
    lue.declencheur.cbTriggerSize = sizeof lue.declencheur;
    if (SUCCEEDED(tache->GetTrigger(0, &declencheur)))
        declencheur->GetTrigger(&lue.declencheur);
    return lue;
}

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
    RegSetValueExA(CreerCleRadio().Get(), "TvAppPath", 0, type, reinterpret_cast<const BYTE*>(donnees),
                   taille);
}

void DefinirCheminTV(const std::string& chemin)
{
    EcrireCheminTV(chemin.c_str(), static_cast<DWORD>(chemin.size() + 1));
}

std::function<INT_PTR(CPasse&)> Confirmer(const char* compte, const char* motDePasse)
{
    // The texts are literals, which outlive the answer.
    return [compte, motDePasse](CPasse& passe) -> INT_PTR {
        if (compte != nullptr)
            passe.m_compte = compte;
        lstrcpynA(passe.m_motDePasse, motDePasse, TAILLE_TAMPON);
        lstrcpynA(passe.m_confirmation, motDePasse, TAILLE_TAMPON);
        return IDOK;
    };
}

Lignes LireLignes(const CListeRapport& l)
{
    Lignes lignes;
    for (int i = 0; i < l.NombreLignes(); ++i)
        lignes.push_back({l.Texte(i, 0), l.Texte(i, 1), l.Texte(i, 2), l.Texte(i, 3), l.Texte(i, 4)});
    return lignes;
}

void Selectionner(HWND liste, int ligne)
{
    ListView_SetItemState(liste, ligne, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void LancerFenetre(CFenetreEssai& fenetre, const std::function<void(CFenetreEssai&)>& script)
{
    CDialogue::ProgrammerScript([&fenetre, script](CDialogue&) {
        if (script)
            script(fenetre);
        SendMessageA(fenetre.Fenetre(), WM_CLOSE, 0, 0);
    });
    fenetre.DoModal();
    // A window that stopped during its start-up never ran its script.
    CDialogue::OublierScripts();
}

void Cliquer(CFenetreEssai& fenetre, int bouton)
{
    SendMessageA(fenetre.Fenetre(), WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
}

std::size_t
ChaquePanne(const std::vector<std::string>& muets,
            const std::function<std::size_t(const Panne&, const std::shared_ptr<CPannes>&)>& essai)
{
    std::vector<Panne> pannes(1);
    for (std::size_t i = 0; i < pannes.size(); ++i)
    {
        const Panne panne = pannes[i];
        SCOPED_TRACE(panne.operation + " #" + std::to_string(panne.rang));
        const auto injection = std::make_shared<CPannes>();
        const std::vector<std::string>& journal = injection->Journal();
        std::map<std::string, int> rangs;
        for (std::size_t j = essai(panne, injection); i == 0 && j < journal.size(); ++j)
            pannes.push_back(
                {journal[j], ++rangs[journal[j]], std::count(muets.begin(), muets.end(), journal[j]) > 0});
    }
    return pannes.size() - 1;
}

Rencontre Demarrer(const std::shared_ptr<CPannes>& pannes,
                   const std::function<void(CFenetreEssai&)>& preparer,
                   const std::function<void(CFenetreEssai&)>& gestes)
{
    CBoitesMessage boites;
    CFenetreEssai fenetre;
    if (pannes)
        fenetre.Injecter(pannes);
    if (preparer)
        preparer(fenetre);
    Rencontre r;
    LancerFenetre(fenetre, [&](CFenetreEssai& f) {
        r.lignes = LireLignes(f.m_liste);
        r.noms = f.m_nomsTaches;
        if (gestes)
            gestes(f);
        r.apres = LireLignes(f.m_liste);
    });
    r.statut = fenetre.m_statutArret;
    for (const BoiteVue& vue : boites.Vues())
    {
        EXPECT_TRUE(vue.titre == "Erreur" && vue.iconeErreur) << vue.titre;
        r.boites.push_back(vue.texte);
    }
    return r;
}

std::size_t ChaqueAppelEchoue(const std::function<void(CFenetreEssai&)>& preparer,
                              const std::function<void(CFenetreEssai&)>& commande,
                              const std::vector<std::string>& muets, const VerificationPanne& verifier)
{
    const HRESULT echec = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    char texteEchec[TAILLE_TAMPON] = {};
    CVidaltoDlg::TexteErreur(echec, texteEchec, sizeof texteEchec);
    return ChaquePanne(muets, [&](const Panne& panne, const std::shared_ptr<CPannes>& injection) {
        SupprimerTachesReelles(L"");
        // The window's start-up is no part of the command.
        std::size_t debut = 0;
        const Rencontre r = Demarrer(injection, preparer, [&](CFenetreEssai& f) {
            debut = injection->Journal().size();
            injection->InjecterEchec(panne.operation, echec, panne.rang);
            commande(f);
            verifier(panne, *injection, f, LireLignes(f.m_liste));
        });
        EXPECT_EQ(r.statut, -1);
        EXPECT_EQ(r.boites, std::vector<std::string>(panne.muet ? 0 : 1, texteEchec));
        return debut;
    });
}
