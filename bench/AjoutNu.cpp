#include "AjoutNu.h"

#include "framework/Ressources.h"

#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

bool LireTacheAjoutee(ITaskScheduler* planificateur, const wchar_t* nom, TacheAjoutee& tache)
{
    ComPtr<IUnknown> inconnu;
    ComPtr<ITask> lue;
    ComPtr<ITaskTrigger> declencheur;
    LPWSTR application = nullptr, parametres = nullptr;
    if (FAILED(planificateur->Activate(nom, IID_ITask, &inconnu)) || FAILED(inconnu.As(&lue)) ||
        FAILED(lue->GetApplicationName(&application)))
        return false;
    const CTexteCom texteApplication(application);
    if (FAILED(lue->GetParameters(&parametres)))
        return false;
    const CTexteCom texteParametres(parametres);
    tache.application = application;
    tache.parametres = parametres;
    tache.declencheur = TASK_TRIGGER{};
    tache.declencheur.cbTriggerSize = sizeof tache.declencheur;
    return SUCCEEDED(lue->GetTrigger(0, &declencheur)) &&
           SUCCEEDED(declencheur->GetTrigger(&tache.declencheur));
}

std::wstring CompteParDefaut()
{
    wchar_t ordinateur[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD taille = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(ordinateur, &taille);
    wchar_t utilisateur[257] = {};
    taille = 257;
    GetUserNameW(utilisateur, &taille);
    return std::wstring(ordinateur) + L"\\" + utilisateur;
}

bool AjouterNu(ITaskScheduler* planificateur, const wchar_t* nom, const TacheAjoutee& tache,
               const std::wstring& compte)
{
    ComPtr<IUnknown> inconnu;
    ComPtr<ITask> nouvelle;
    ComPtr<IPersistFile> fichier;
    ComPtr<ITaskTrigger> declencheur;
    WORD index = 0;
    TASK_TRIGGER t = tache.declencheur;
    return SUCCEEDED(planificateur->NewWorkItem(nom, CLSID_CTask, IID_ITask, &inconnu)) &&
           SUCCEEDED(inconnu.As(&nouvelle)) && SUCCEEDED(planificateur->AddWorkItem(nom, nouvelle.Get())) &&
           SUCCEEDED(nouvelle.As(&fichier)) && SUCCEEDED(fichier->Save(nullptr, FALSE)) &&
           SUCCEEDED(nouvelle->SetApplicationName(tache.application.c_str())) &&
           SUCCEEDED(nouvelle->SetParameters(tache.parametres.c_str())) &&
           SUCCEEDED(nouvelle->CreateTrigger(&index, &declencheur)) &&
           SUCCEEDED(declencheur->SetTrigger(&t)) &&
           SUCCEEDED(nouvelle->SetAccountInformation(compte.c_str(), L"")) &&
           SUCCEEDED(fichier->Save(nullptr, FALSE));
}

bool SupprimerTacheAjoutee(ITaskScheduler* planificateur, const wchar_t* nom)
{
    for (int essai = 0; essai < 100; ++essai)
    {
        const HRESULT hr = planificateur->Delete(nom);
        if (SUCCEEDED(hr) || hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))
            return true;
        Sleep(10);
    }
    return false;
}
