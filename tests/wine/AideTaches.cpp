#include "AideTaches.h"

#include "tasks/UuidTaches.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

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

TASK_TRIGGER DeclencheurAVenir(TASK_TRIGGER_TYPE type, WORD heure, WORD minute)
{
    TASK_TRIGGER t = {};
    t.cbTriggerSize = sizeof t;
    t.wBeginYear = static_cast<WORD>(Jour().wYear + 1);
    t.wBeginMonth = 3;
    t.wBeginDay = 14;
    t.wStartHour = heure;
    t.wStartMinute = minute;
    t.TriggerType = type;
    return t;
}

TASK_TRIGGER DeclencheurLe(const SYSTEMTIME& debut, TASK_TRIGGER_TYPE type)
{
    TASK_TRIGGER t = DeclencheurAVenir(type, debut.wHour, debut.wMinute);
    std::tie(t.wBeginYear, t.wBeginMonth, t.wBeginDay) =
        std::make_tuple(debut.wYear, debut.wMonth, debut.wDay);
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

bool CreerEnregistrement(const Enregistrement& e)
{
    std::wstring parametres =
        L" -c" + e.chaine + L" -ntod -startr:" + e.nom + L".mpg -qvcd -limit:" + e.limite;
    parametres.resize(std::max(e.taille, parametres.size()), L' ');
    return CreerTacheReelle({e.nom, L"C:\\TV\\WinTV2K.EXE", parametres, e.commentaire, e.declencheur});
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
    CTexteCom application, parametres, dossier, commentaire;
    if (SUCCEEDED(tache->GetApplicationName(application.Adresse())))
        lue.application = application.Get();
    if (SUCCEEDED(tache->GetParameters(parametres.Adresse())))
        lue.parametres = parametres.Get();
    if (SUCCEEDED(tache->GetWorkingDirectory(dossier.Adresse())))
        lue.dossier = dossier.Get();
    if (SUCCEEDED(tache->GetComment(commentaire.Adresse())))
        lue.commentaire = commentaire.Get();
    tache->GetMostRecentRunTime(&lue.derniereExecution);
    tache->GetExitCode(&lue.sortie);
    tache->GetFlags(&lue.indicateurs);
    tache->GetTriggerCount(&lue.declencheurs);
    ComPtr<ITaskTrigger> declencheur;
    lue.declencheur.cbTriggerSize = sizeof lue.declencheur;
    if (SUCCEEDED(tache->GetTrigger(0, &declencheur)))
        declencheur->GetTrigger(&lue.declencheur);
    return lue;
}

bool DeplacerTacheReelle(const std::wstring& nom, const SYSTEMTIME& moment)
{
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    ComPtr<ITask> tache;
    ComPtr<ITaskTrigger> declencheur;
    ComPtr<IPersistFile> fichier;
    TASK_TRIGGER t = {};
    t.cbTriggerSize = sizeof t;
    return planificateur &&
           SUCCEEDED(planificateur->Activate(nom.c_str(), IID_ITask,
                                             reinterpret_cast<IUnknown**>(tache.GetAddressOf()))) &&
           SUCCEEDED(tache->GetTrigger(0, &declencheur)) && SUCCEEDED(declencheur->GetTrigger(&t)) &&
           (std::tie(t.wBeginYear, t.wBeginMonth, t.wBeginDay, t.wStartHour, t.wStartMinute) =
                std::make_tuple(moment.wYear, moment.wMonth, moment.wDay, moment.wHour, moment.wMinute),
            SUCCEEDED(declencheur->SetTrigger(&t))) &&
           SUCCEEDED(tache.As(&fichier)) && SUCCEEDED(planificateur->Delete(nom.c_str())) &&
           (Sleep(1000), SUCCEEDED(fichier->Save(nullptr, FALSE)));
}

std::string OctetsTacheReelle(const std::wstring& nom)
{
    std::ifstream fichier(VersEtroit(DOSSIER_TACHES + nom + L".job"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>());
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

std::vector<std::wstring> NomsTachesReelles()
{
    std::vector<std::wstring> noms;
    for (const auto& fichier : std::filesystem::directory_iterator(DOSSIER_TACHES))
        if (fichier.path().extension() == L".job")
            noms.push_back(fichier.path().stem().wstring());
    return noms;
}

void SupprimerTachesReelles()
{
    for (const std::wstring& nom : NomsTachesReelles())
        SupprimerTacheReelle(nom);
}

void EcrireCheminTV(const std::string& valeur, int octetsEnPlus, DWORD type)
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, CLE_RADIO);
    HKEY cle = nullptr;
    if (octetsEnPlus == -2 ||
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, CLE_RADIO, 0, nullptr, 0, KEY_WRITE, nullptr, &cle, nullptr))
        return;
    // The registry adds the terminator a string value's caller forgot when the byte after it is
    // one: a value stored without terminator is written from bytes that do not end there.
    const std::string donnees = valeur + (octetsEnPlus == 0 ? "?" : "");
    if (octetsEnPlus >= 0)
        RegSetValueExA(cle, "TvAppPath", 0, type, reinterpret_cast<const BYTE*>(donnees.c_str()),
                       static_cast<DWORD>(valeur.size() + octetsEnPlus));
    RegCloseKey(cle);
}

long long SecondesLocales(const SYSTEMTIME& st)
{
    FILETIME ft = {};
    SystemTimeToFileTime(&st, &ft);
    return static_cast<long long>((ULONGLONG{ft.dwHighDateTime} << 32 | ft.dwLowDateTime) / 10000000);
}

SYSTEMTIME DepuisSecondes(long long secondes)
{
    const ULONGLONG n = static_cast<ULONGLONG>(secondes) * 10000000;
    const FILETIME ft = {static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
    SYSTEMTIME st = {};
    FileTimeToSystemTime(&ft, &st);
    return st;
}

SYSTEMTIME Jour(int jours, int heure, int minute)
{
    SYSTEMTIME st = {};
    GetLocalTime(&st);
    st = DepuisSecondes(SecondesLocales(st) + jours * 86400LL);
    st.wHour = static_cast<WORD>(heure);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = st.wMilliseconds = 0;
    return st;
}

std::string Moment(const SYSTEMTIME& st)
{
    char texte[24];
    std::snprintf(texte, sizeof texte, "%u-%u-%u %02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute);
    return texte;
}

std::string MomentArret()
{
    const TacheLue t = LireTacheReelle(L"Shutdown");
    const TASK_TRIGGER& d = t.declencheur;
    SYSTEMTIME st = {d.wBeginYear, d.wBeginMonth, 0, d.wBeginDay, d.wStartHour, d.wStartMinute, 0, 0};
    return t.trouvee ? Moment(st) : "";
}

std::string TexteSysteme(HRESULT code)
{
    char texte[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(code), 0, texte, sizeof texte, nullptr);
    return texte;
}

Script Enregistrer(const Saisie& s)
{
    return [s](HWND d) {
        if (!s.fichier.empty())
            SetDlgItemTextA(d, IDC_FICHIER, s.fichier.c_str());
        if (!s.minutes.empty())
            SetDlgItemTextA(d, IDC_MINUTES, s.minutes.c_str());
        if (s.chaine >= 0)
            SendDlgItemMessageA(d, IDC_CHAINES, LB_SETCURSEL, static_cast<WPARAM>(s.chaine), 0);
        if (s.periode != 0)
            Cliquer(d, s.periode);
        for (int k = 0; k < 7; ++k)
            CheckDlgButton(d, IDC_DIMANCHE + k, (s.jours >> k) & 1 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(d, IDC_ARRETER, s.arreter ? BST_CHECKED : BST_UNCHECKED);
        for (const auto& [id, valeur] :
             {std::pair(IDC_DATE_DEPART, s.date), std::pair(IDC_HEURE_DEPART, s.heure),
              std::pair(IDC_DATE_FIN, s.fin)})
            if (valeur)
                DateTime_SetSystemtime(GetDlgItem(d, id), GDT_VALID, &*valeur);
        Cliquer(d, IDOK);
    };
}

Script Confirmer(std::string motDePasse, std::string compte, std::optional<std::string> confirmation)
{
    return [=](HWND d) {
        // Modal over the main window, which stays disabled under it.
        EXPECT_EQ(TexteFenetre(GetWindow(d, GW_OWNER)), "Vidalto");
        EXPECT_FALSE(IsWindowEnabled(GetWindow(d, GW_OWNER)));
        if (!compte.empty())
            SetDlgItemTextA(d, IDC_COMPTE, compte.c_str());
        SetDlgItemTextA(d, IDC_MOT_DE_PASSE, motDePasse.c_str());
        SetDlgItemTextA(d, IDC_CONFIRMATION, confirmation.value_or(motDePasse).c_str());
        Cliquer(d, IDOK);
        EXPECT_TRUE(IsWindowVisible(d) || Texte(d, {IDC_MOT_DE_PASSE, IDC_CONFIRMATION}) == " ")
            << "the password left in its fields";
    };
}

void Cliquer(HWND dialogue, int bouton)
{
    SendDlgItemMessageA(dialogue, bouton, BM_CLICK, 0, 0);
}

std::string Texte(HWND dialogue, std::initializer_list<int> ids)
{
    std::string texte;
    for (const int id : ids)
        texte += " " + TexteFenetre(GetDlgItem(dialogue, id));
    return texte.substr(1);
}

SYSTEMTIME Selecteur(HWND dialogue, int id)
{
    SYSTEMTIME st = {};
    DateTime_GetSystemtime(GetDlgItem(dialogue, id), &st);
    return st;
}

bool Attendre(DWORD delai, const std::function<bool()>& condition)
{
    MSG message;
    for (const DWORD debut = GetTickCount();; Sleep(10))
    {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(GetActiveWindow(), &message))
                DispatchMessageA(&message);
        if (condition && condition())
            return true;
        if (GetTickCount() - debut >= delai)
            return false;
    }
}

Lignes LireLignes(const CFenetreEssai& fenetre)
{
    const HWND liste = fenetre.Controle(IDC_LISTE);
    Lignes lignes(static_cast<std::size_t>(ListView_GetItemCount(liste)));
    char texte[1024];
    for (std::size_t i = 0; i < lignes.size(); ++i)
        for (int colonne = 0; colonne < 5; ++colonne)
        {
            ListView_GetItemText(liste, static_cast<int>(i), colonne, texte, sizeof texte);
            lignes[i].emplace_back(texte);
        }
    return lignes;
}

INT_PTR Lancer(CDialogue& dialogue, const Script& script)
{
    Programmer([script](HWND d) {
        if (script)
            script(d);
        // Closed as the user closes it, once its loop comes back to it; a dialog the script ended
        // is gone by then, and the message with it.
        PostMessageA(d, WM_CLOSE, 0, 0);
    });
    const INT_PTR fin = dialogue.DoModal();
    // A dialog that ended while it opened never ran its script.
    Oublier();
    return fin;
}

void Commande(CFenetreEssai& fenetre, int bouton, int ligne, std::vector<Script> scripts, int focus)
{
    for (Script& script : scripts)
        Programmer(std::move(script));
    const HWND liste = fenetre.Controle(IDC_LISTE);
    ListView_SetItemState(liste, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(liste, focus == -2 ? ligne : focus, LVIS_FOCUSED, LVIS_FOCUSED);
    if (ligne >= 0)
        ListView_SetItemState(liste, ligne, LVIS_SELECTED, LVIS_SELECTED);
    SendMessageA(fenetre.Fenetre(), WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
    Oublier();
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

Rencontre Demarrer(const std::shared_ptr<CPannes>& pannes, const std::function<void(CFenetreEssai&)>& gestes,
                   CFenetreEssai* fenetre)
{
    CBoitesMessage boites;
    CFenetreEssai propre;
    CFenetreEssai& f = fenetre != nullptr ? *fenetre : propre;
    if (pannes)
        f.m_pannes = pannes;
    Rencontre r;
    // Each row beside its own work item's name, whose file it shows.
    const auto lire = [](const CFenetreEssai& f) {
        const Lignes lignes = LireLignes(f);
        std::vector<std::string> fichiers, attendus;
        for (std::size_t i = 0; i < lignes.size(); ++i)
            fichiers.push_back(lignes[i][0]);
        for (const std::string& nom : f.Noms())
            attendus.push_back(nom + ".mpg");
        EXPECT_EQ(fichiers, attendus);
        return lignes;
    };
    r.fin = Lancer(f, [&](HWND) {
        r.lignes = lire(f);
        if (gestes)
            gestes(f);
        r.apres = lire(f);
    });
    for (const std::string& vue : boites.m_vues)
        EXPECT_EQ(vue.rfind("Erreur (x) ", 0), 0u) << vue;
    r.boites = boites.m_textes;
    return r;
}

std::size_t
ChaqueAppelEchoue(const std::function<void()>& preparer, const std::function<void(CFenetreEssai&)>& commande,
                  const std::vector<std::string>& muets,
                  const std::function<void(const Panne&, const CPannes&, CFenetreEssai&)>& verifier)
{
    const HRESULT echec = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    const std::string texteEchec = TexteSysteme(echec);
    return ChaquePanne(muets, [&](const Panne& panne, const std::shared_ptr<CPannes>& injection) {
        SupprimerTachesReelles();
        preparer();
        // The window's start-up is no part of the command.
        std::size_t debut = 0;
        const Rencontre r = Demarrer(injection, [&](CFenetreEssai& f) {
            debut = injection->Journal().size();
            injection->InjecterEchec(panne.operation, echec, panne.rang);
            commande(f);
            verifier(panne, *injection, f);
        });
        EXPECT_EQ(r.fin, IDCANCEL);
        // A call the real scheduler failed on its own shows its own box besides.
        if (injection->m_echecsReels.empty())
        {
            EXPECT_EQ(r.boites, std::vector<std::string>(panne.muet ? 0 : 1, texteEchec));
        }
        else if (!panne.muet)
        {
            EXPECT_THAT(r.boites, testing::Contains(texteEchec));
        }
        return debut;
    });
}
