// The demo's stand-in for what happens around the program:
//   Demo.exe exemples     puts a few sample programmes in the store (a once, a daily and a weekly
//                         one, and one with a shutdown companion), as the program itself adds them
//   Demo.exe lancer NAME  starts the work item NAME's application with its parameters, as the
//                         scheduler's service does when its trigger comes due (Wine's does not
//                         here), and waits for it
//   Demo.exe compagnon    prints what the shutdown companion starts, moves it to the coming minute
//                         and waits for Wine's scheduler service to run it (it does, the companion
//                         having a working directory), then prints the run and its exit status
#include "framework/Ressources.h"
#include "programme/ChaineParametres.h"
#include "tasks/AccesTache.h"
#include "tasks/Ajout.h"
#include "tasks/PlanificateurCom.h"
#include "tasks/TacheArret.h"

#include <mstask.h>
#include <objbase.h>
#include <wrl/client.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace
{
// Confirms the proposed account with an empty password, and says what went wrong.
class CInterlocuteurDemo : public CInterlocuteur
{
public:
    void AfficherErreur(HRESULT code) override
    {
        std::fprintf(stderr, "error 0x%08lX\n", static_cast<unsigned long>(code));
    }
    void AfficherErreur(const char* texte) override { std::fprintf(stderr, "%s\n", texte); }
    bool DemanderCompte(std::string& /*compte*/, CSecret<char>& /*motDePasse*/) override { return true; }
};

CTemps Dans(int jours, int heure, int minute)
{
    std::time_t maintenant = std::time(nullptr) + static_cast<std::time_t>(jours) * 86400;
    const std::tm* local = std::localtime(&maintenant);
    CTemps instant;
    CTemps::DepuisLocal(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, heure, minute, 0, instant);
    return instant;
}

int Exemples(CPlanificateur& planificateur)
{
    struct Exemple
    {
        const char* fichier;
        int chaine, jours, heure, minute;
        const char* minutes;
        int periode; // 0 once, 1 daily, 2 weekly (Friday and Saturday)
        bool arreter;
    };
    const Exemple exemples[] = {
        {"Le film du dimanche", 1, 1, 20, 50, "120", 0, false},
        {"Meteo", 5, 0, 19, 55, "10", 1, false},
        {"Concert", 10, 2, 21, 0, "90", 2, false},
        {"Match de nuit", 2, 3, 23, 30, "105", 0, true},
    };
    std::string dossier = "C:\\TV";
    CSecret<wchar_t> motDePasse;
    std::wstring inachevee;
    CInterlocuteurDemo fenetre;
    const ContexteCommande contexte = {planificateur, fenetre, dossier, motDePasse, inachevee};
    int echecs = 0;
    for (const Exemple& e : exemples)
    {
        CDefinitionProgramme programme;
        programme.m_fichier = e.fichier;
        programme.m_chaine = e.chaine;
        programme.m_minutes = e.minutes;
        programme.m_dateDepart = Dans(e.jours, 0, 0);
        programme.m_heureDepart = Dans(e.jours, e.heure, e.minute);
        programme.m_dateFin = Dans(e.jours + 60, 0, 0);
        programme.m_uneFois = e.periode == 0;
        programme.m_tousLesJours = e.periode == 1;
        programme.m_toutesLesSemaines = e.periode == 2;
        programme.m_vendredi = programme.m_samedi = 1;
        programme.m_arreter = e.arreter;
        programme.CalculerFin();
        const std::string nom = NomTache(e.fichier);
        wchar_t nomLarge[TAILLE_TAMPON];
        VersLarge(nom, nomLarge, TAILLE_TAMPON);
        SupprimerTache(planificateur, nomLarge);
        if (e.arreter)
            SupprimerTache(planificateur, NOM_TACHE_ARRET);
        if (!AjouterProgramme(contexte, programme, nom))
            ++echecs;
    }
    return echecs == 0 ? 0 : 1;
}

int Lancer(CPlanificateur& planificateur, const char* nom)
{
    wchar_t nomLarge[TAILLE_TAMPON];
    std::unique_ptr<CTache> tache;
    std::wstring application, parametres;
    if (!VersLarge(nom, nomLarge, TAILLE_TAMPON) || FAILED(planificateur.Activer(nomLarge, tache)) ||
        FAILED(tache->LireApplication(application)) || FAILED(tache->LireParametres(parametres)))
        return 1;
    std::wstring ligne = L"\"" + application + L"\"" + parametres;
    STARTUPINFOW demarrage = {};
    demarrage.cb = sizeof demarrage;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(application.c_str(), &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &demarrage, &info))
        return 1;
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, 30000);
    CloseHandle(info.hProcess);
    return 0;
}
// A text of the scheduler for the terminal, which reads UTF-8.
std::string Utf8(const std::wstring& texte)
{
    std::string sortie(texte.size() * 3 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, texte.c_str(), -1, &sortie[0],
                                      static_cast<int>(sortie.size()), nullptr, nullptr);
    sortie.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);
    return sortie;
}

int Compagnon()
{
    using Microsoft::WRL::ComPtr;
    ComPtr<ITaskScheduler> planificateur;
    ComPtr<ITask> arret;
    ComPtr<ITaskTrigger> declencheur;
    ComPtr<IPersistFile> fichier;
    TASK_TRIGGER t = {};
    t.cbTriggerSize = sizeof t;
    if (FAILED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                reinterpret_cast<void**>(planificateur.GetAddressOf()))) ||
        FAILED(planificateur->Activate(NOM_TACHE_ARRET, IID_ITask,
                                       reinterpret_cast<IUnknown**>(arret.GetAddressOf()))) ||
        FAILED(arret->GetTrigger(0, &declencheur)) || FAILED(declencheur->GetTrigger(&t)) ||
        FAILED(arret.As(&fichier)))
        return 1;
    CTexteCom application, dossier, commentaire;
    arret->GetApplicationName(application.Adresse());
    arret->GetWorkingDirectory(dossier.Adresse());
    arret->GetComment(commentaire.Adresse());
    std::printf("The shutdown companion (%s) starts \"%s\" in %s.\n", Utf8(commentaire.Get()).c_str(),
                Utf8(application.Get()).c_str(), Utf8(dossier.Get()).c_str());
    // The coming minute, or the next once this one is nearly over. Wine's service reads only the
    // first of the changes its folder reports at once: the companion is entered anew, alone.
    SYSTEMTIME moment = {};
    GetLocalTime(&moment);
    FILETIME ft = {};
    SystemTimeToFileTime(&moment, &ft);
    ULARGE_INTEGER n = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    n.QuadPart += (moment.wSecond < 50 ? 60ULL : 120ULL) * 10000000ULL;
    ft = {n.LowPart, n.HighPart};
    FileTimeToSystemTime(&ft, &moment);
    t.wBeginYear = moment.wYear;
    t.wBeginMonth = moment.wMonth;
    t.wBeginDay = moment.wDay;
    t.wStartHour = moment.wHour;
    t.wStartMinute = moment.wMinute;
    if (FAILED(declencheur->SetTrigger(&t)) || FAILED(planificateur->Delete(NOM_TACHE_ARRET)))
        return 1;
    Sleep(1000);
    if (FAILED(fichier->Save(nullptr, FALSE)))
        return 1;
    std::printf("Moved to %02u:%02u for Wine's scheduler service to run it...\n", moment.wHour,
                moment.wMinute);
    std::fflush(stdout);
    SYSTEMTIME execution = {};
    DWORD statut = 0;
    for (int attente = 0; attente < 150 && execution.wYear == 0; ++attente)
    {
        Sleep(1000);
        ComPtr<ITask> relue;
        if (SUCCEEDED(planificateur->Activate(NOM_TACHE_ARRET, IID_ITask,
                                              reinterpret_cast<IUnknown**>(relue.GetAddressOf()))))
        {
            relue->GetMostRecentRunTime(&execution);
            relue->GetExitCode(&statut);
        }
    }
    if (execution.wYear == 0)
        return 1;
    std::printf("Wine's scheduler service ran it at %02u:%02u:%02u; exit status %lu.\n", execution.wHour,
                execution.wMinute, execution.wSecond, static_cast<unsigned long>(statut));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    CoInitialize(nullptr);
    int resultat = 2;
    {
        std::unique_ptr<CPlanificateur> planificateur;
        if (FAILED(CreerPlanificateurCom(planificateur)))
            resultat = 1;
        else if (std::strcmp(argv[1], "exemples") == 0)
            resultat = Exemples(*planificateur);
        else if (std::strcmp(argv[1], "lancer") == 0 && argc == 3)
            resultat = Lancer(*planificateur, argv[2]);
        else if (std::strcmp(argv[1], "compagnon") == 0)
            resultat = Compagnon();
    }
    CoUninitialize();
    return resultat;
}
