#include "TachesBanc.h"

#include "framework/Ressources.h"

#include <cstring>
#include <string>

using Microsoft::WRL::ComPtr;

namespace
{
const wchar_t PREFIXE[] = L"BenchDemarrage";

void Liberer(LPWSTR texte)
{
    CoTaskMemFree(texte);
}
} // namespace

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

int BoucleNue()
{
    int listees = 0;
    const ComPtr<ITaskScheduler> planificateur = Planificateur();
    ComPtr<IEnumWorkItems> enumerateur;
    if (!planificateur || FAILED(planificateur->Enum(&enumerateur)))
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

void DefinirCheminTV(const char* chemin)
{
    CCleRegistre cle;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Hauppauge\\Radio", 0, nullptr, 0, KEY_WRITE, nullptr,
                    cle.Adresse(), nullptr);
    RegSetValueExA(cle.Get(), "TvAppPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(chemin),
                   static_cast<DWORD>(std::strlen(chemin) + 1));
}
