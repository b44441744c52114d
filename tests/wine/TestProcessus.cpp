// The whole program as a user starts it: vidalto.exe in a process of its own, its windows
// found and answered from outside, its exit status checked.

#include "AideTaches.h"
#include "OutilsOdbc.h"

#include <gtest/gtest.h>

namespace
{
// Long enough for a slow Wine start, short enough that a hung program fails the test.
constexpr DWORD DELAI_MS = 30000;

bool Attendre(const std::function<bool()>& condition, DWORD delai = DELAI_MS)
{
    for (const DWORD debut = GetTickCount(); !condition(); Sleep(50))
    {
        if (GetTickCount() - debut > delai)
            return false;
    }
    return true;
}

// The dialog of that caption once visible, within `delai` (the test process shows none of its
// own); null when there is none.
HWND Fenetre(const char* titre, DWORD delai = DELAI_MS)
{
    HWND dialogue = nullptr;
    Attendre([&] { return IsWindowVisible(dialogue = FindWindowA("#32770", titre)); }, delai);
    return IsWindowVisible(dialogue) ? dialogue : nullptr;
}

void Cliquer(HWND dialogue, int bouton)
{
    PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
}

// vidalto.exe of the build, started; ended at the end of the test if it still runs.
class CProcessus
{
public:
    CProcessus()
    {
        std::string ligne = "\"" + CheminDos(VIDALTO_DOSSIER_BUILD "/vidalto.exe") + "\"";
        STARTUPINFOA demarrage = {};
        demarrage.cb = sizeof demarrage;
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(nullptr, &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage,
                           &info))
            CloseHandle(info.hThread);
        m_processus = info.hProcess;
    }
    ~CProcessus()
    {
        TerminateProcess(m_processus, 99);
        CloseHandle(m_processus);
    }
    CProcessus(const CProcessus&) = delete;
    CProcessus& operator=(const CProcessus&) = delete;

    // The exit status; -1 when the process did not end in time.
    long Statut() const
    {
        DWORD statut = 0;
        const bool fini = WaitForSingleObject(m_processus, DELAI_MS) == WAIT_OBJECT_0;
        return fini && GetExitCodeProcess(m_processus, &statut) ? static_cast<long>(statut) : -1;
    }

private:
    HANDLE m_processus = nullptr;
};

} // namespace

// Without its registry key the program stops with its "Erreur" box (its text is checked in
// process) and the status 1.
TEST(Processus, SansCleLeProgrammeSArreteAvecSonMessageEtLeStatutUn)
{
    EcrireCheminTV("", -2);
    CProcessus programme;
    const HWND boite = Fenetre("Erreur");
    EXPECT_NE(boite, nullptr);
    Cliquer(boite, IDOK);
    EXPECT_EQ(programme.Statut(), 1);
}

// Wine reads which DLLs a program loads, and whence, from its AppDefaults key (the environment's
// WINEDLLOVERRIDES does not reach a child process). An ODBC installer without SQLConfigDataSource
// beside vidalto.exe, which Wine would load in place of its own, is not the one the program
// loads: "&Ajouter" opens the editor. The program then closes with the status 0.
TEST(Processus, UnInstallateurOdbcACoteDuProgrammeNEstPasCeluiQuIlCharge)
{
    const char* cle = "Software\\Wine\\AppDefaults\\vidalto.exe\\DllOverrides";
    const std::string copie = CheminDos(VIDALTO_DOSSIER_BUILD "/odbccp32.dll");
    RegSetKeyValueA(HKEY_CURRENT_USER, cle, "odbccp32", REG_SZ, "native,builtin", 15);
    CopyFileA(CheminDos(VIDALTO_DOSSIER_BUILD "/sans-config/odbccp32.dll").c_str(), copie.c_str(), FALSE);
    CProcessus programme;
    const HWND principale = Fenetre("Vidalto");
    Cliquer(principale, IDOK);
    const HWND editeur = Fenetre("Edition du Programme");
    EXPECT_NE(editeur, nullptr);
    Cliquer(editeur, IDCANCEL);
    EXPECT_TRUE(Attendre([&] { return IsWindowEnabled(principale) != FALSE; }));
    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
    RegDeleteKeyA(HKEY_CURRENT_USER, cle);
    DeleteFileA(copie.c_str());
}
