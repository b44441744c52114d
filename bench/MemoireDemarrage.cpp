#include "MemoireDemarrage.h"

#include "ClicMontre.h"
#include "TachesBanc.h"

#include "framework/Application.h"
#include "mainwindow/VidaltoDlg.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
const char MODE_PROGRAMME[] = "--memoire-programme";
const char MODE_BOUCLE[] = "--memoire-boucle";

int PicKio()
{
    PROCESS_MEMORY_COUNTERS compteurs = {};
    compteurs.cb = sizeof compteurs;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &compteurs, sizeof compteurs))
        return 1;
    return static_cast<int>(compteurs.PeakWorkingSetSize / 1024);
}

// The program's entry, its common controls and its main window, whose start-up ends once it
// is shown; the peak is read then.
class CApplicationMesuree : public CApplication
{
public:
    int m_pic = 1;

    BOOL InitInstance() override
    {
        CVidaltoDlg fenetre;
        const CClicMontre fermer(IDCANCEL, [this](HWND) { m_pic = PicKio(); });
        fenetre.DoModal();
        if (fermer.Vus().empty() || fermer.Vus().front().lignes < NOMBRE_TACHES)
            m_pic = 1;
        return FALSE;
    }
};

// Starts this program again with `mode`; the child's exit status, 1 when it could not run.
int Enfant(const char* mode)
{
    char chemin[MAX_PATH] = {};
    const DWORD longueur = GetModuleFileNameA(nullptr, chemin, MAX_PATH);
    if (longueur == 0 || longueur >= MAX_PATH)
        return 1;
    std::string ligne = std::string("\"") + chemin + "\" " + mode;
    STARTUPINFOA demarrage = {};
    demarrage.cb = sizeof demarrage;
    PROCESS_INFORMATION processus = {};
    if (!CreateProcessA(nullptr, &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage,
                        &processus))
        return 1;
    CloseHandle(processus.hThread);
    WaitForSingleObject(processus.hProcess, INFINITE);
    DWORD statut = 1;
    GetExitCodeProcess(processus.hProcess, &statut);
    CloseHandle(processus.hProcess);
    return static_cast<int>(statut);
}
} // namespace

int MesurerMemoireEnfant(const char* mode)
{
    if (std::strcmp(mode, MODE_PROGRAMME) == 0)
    {
        CApplicationMesuree application;
        CApplication::Lancer();
        return application.m_pic;
    }
    if (std::strcmp(mode, MODE_BOUCLE) == 0)
    {
        CApartementCom com;
        if (FAILED(com.Initialiser()))
            return 1;
        return BoucleNue() >= NOMBRE_TACHES ? PicKio() : 1;
    }
    return 1;
}

bool AfficherMemoire()
{
    const int programme = Enfant(MODE_PROGRAMME);
    const int boucle = Enfant(MODE_BOUCLE);
    if (programme <= 1 || boucle <= 1)
    {
        std::fprintf(stderr, "A peak-memory child failed (%d, %d).\n", programme, boucle);
        return false;
    }
    std::printf("Peak working set after the start-up with %d work items: %d KiB\n", NOMBRE_TACHES, programme);
    std::printf("Peak working set of the bare loop, same store:      %d KiB\n", boucle);
    std::printf("Ratio: %.2f\n", static_cast<double>(programme) / boucle);
    return true;
}
