// Start-up of the main window listing 1,000 recording work items of the real Task Scheduler,
// against a bare loop of the same scheduler calls on the same store (the floor). Prints both
// figures and their ratio; the best of three runs of each, alternated, so that the file cache
// and the noise of the machine weigh the same on both. Run by scripts/bench.sh.

#include "framework/Ressources.h"
#include "mainwindow/VidaltoDlg.h"
#include "tasks/UuidTaches.h"

#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <string>

using Microsoft::WRL::ComPtr;
using Horloge = std::chrono::steady_clock;

namespace
{
constexpr int NOMBRE_TACHES = 1000;
const wchar_t PREFIXE[] = L"BenchDemarrage";

ComPtr<ITaskScheduler> Planificateur()
{
    ComPtr<ITaskScheduler> planificateur;
    CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                     reinterpret_cast<void**>(planificateur.GetAddressOf()));
    return planificateur;
}

bool CreerTaches(ITaskScheduler* planificateur)
{
    for (int i = 0; i < NOMBRE_TACHES; ++i)
    {
        const std::wstring nom = PREFIXE + std::to_wstring(i);
        const std::wstring parametres =
            L" -c" + std::to_wstring(i % 12 + 1) + L" -ntod -startr:" + nom + L".mpg -qvcd -limit:5400";
        planificateur->Delete(nom.c_str());
        ComPtr<ITask> tache;
        if (FAILED(planificateur->NewWorkItem(nom.c_str(), CLSID_CTask, IID_ITask,
                                              reinterpret_cast<IUnknown**>(tache.GetAddressOf()))))
            return false;
        tache->SetApplicationName(L"C:\\TV\\WinTV2K.EXE");
        tache->SetParameters(parametres.c_str());
        WORD index = 0;
        ComPtr<ITaskTrigger> declencheur;
        if (FAILED(tache->CreateTrigger(&index, &declencheur)))
            return false;
        TASK_TRIGGER t = {};
        t.cbTriggerSize = sizeof t;
        t.wBeginYear = 2030;
        t.wBeginMonth = 3;
        t.wBeginDay = 14;
        t.wStartHour = 20;
        t.wStartMinute = 45;
        t.TriggerType = TASK_TIME_TRIGGER_ONCE;
        ComPtr<IPersistFile> fichier;
        if (FAILED(declencheur->SetTrigger(&t)) || FAILED(tache.As(&fichier)) ||
            FAILED(fichier->Save(nullptr, FALSE)))
            return false;
    }
    return true;
}

void SupprimerTaches(ITaskScheduler* planificateur)
{
    for (int i = 0; i < NOMBRE_TACHES; ++i)
        planificateur->Delete((PREFIXE + std::to_wstring(i)).c_str());
}

void Liberer(LPWSTR texte)
{
    CoTaskMemFree(texte);
}

// The scheduler calls of the start-up, and nothing else: no conversion, no list, no window.
int BoucleNue(ITaskScheduler* planificateur)
{
    int listees = 0;
    ComPtr<IEnumWorkItems> enumerateur;
    if (FAILED(planificateur->Enum(&enumerateur)))
        return -1;
    for (;;)
    {
        LPWSTR* noms = nullptr;
        ULONG obtenus = 0;
        const HRESULT hr = enumerateur->Next(255, &noms, &obtenus);
        if (FAILED(hr) || obtenus == 0)
            break;
        for (ULONG i = 0; i < obtenus; ++i)
        {
            // Opened by its bare name, as the program does.
            std::wstring nom = noms[i];
            if (nom.size() > 4)
                nom.resize(nom.size() - 4);
            ComPtr<IUnknown> inconnu;
            ComPtr<ITask> tache;
            if (SUCCEEDED(planificateur->Activate(nom.c_str(), IID_ITask, &inconnu)) &&
                SUCCEEDED(inconnu.As(&tache)))
            {
                ComPtr<ITaskTrigger> declencheur;
                LPWSTR parametres = nullptr, application = nullptr, commentaire = nullptr;
                SYSTEMTIME prochaine;
                if (SUCCEEDED(tache->GetTrigger(0, &declencheur)) &&
                    SUCCEEDED(tache->GetParameters(&parametres)) &&
                    SUCCEEDED(tache->GetApplicationName(&application)))
                {
                    tache->GetNextRunTime(&prochaine);
                    tache->GetComment(&commentaire);
                    ++listees;
                }
                Liberer(parametres);
                Liberer(application);
                Liberer(commentaire);
            }
            Liberer(noms[i]);
        }
        CoTaskMemFree(noms);
    }
    return listees;
}

// The main window's start-up, until it is shown.
int Demarrage(double& secondes)
{
    CVidaltoDlg fenetre;
    int lignes = 0;
    const auto debut = Horloge::now();
    CDialogue::ProgrammerScript([&](CDialogue&) {
        secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
        lignes = fenetre.m_liste.NombreLignes();
        SendMessageA(fenetre.Fenetre(), WM_CLOSE, 0, 0);
    });
    fenetre.DoModal();
    return lignes;
}
} // namespace

int main()
{
    INITCOMMONCONTROLSEX controles = {sizeof controles, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    CApartementCom com;
    if (FAILED(com.Initialiser()))
        return 1;
    CCleRegistre cle;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Hauppauge\\Radio", 0, nullptr, 0, KEY_WRITE,
                    nullptr, cle.Adresse(), nullptr);
    RegSetValueExA(cle.Get(), "TvAppPath", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\TV"), 6);

    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    if (!planificateur || !CreerTaches(planificateur.Get()))
    {
        std::fprintf(stderr, "The work items of the benchmark could not be created.\n");
        return 1;
    }
    BoucleNue(planificateur.Get()); // warms the file cache

    double plancher = 1e9, programme = 1e9;
    int listees = 0, lignes = 0;
    for (int essai = 0; essai < 3; ++essai)
    {
        const auto debut = Horloge::now();
        listees = BoucleNue(planificateur.Get());
        const double nue = std::chrono::duration<double>(Horloge::now() - debut).count();
        plancher = nue < plancher ? nue : plancher;
        double demarrage = 0;
        lignes = Demarrage(demarrage);
        programme = demarrage < programme ? demarrage : programme;
    }
    SupprimerTaches(planificateur.Get());

    std::printf("Start-up listing %d work items (%d rows): %.3f s\n", listees, lignes, programme);
    std::printf("Bare loop of the same scheduler calls:      %.3f s\n", plancher);
    std::printf("Ratio: %.2f (goal: at most 1.25)\n", programme / plancher);
    return lignes >= NOMBRE_TACHES ? 0 : 1;
}
