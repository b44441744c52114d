// The whole program as a user starts it: vidalto.exe in a process of its own, its windows
// found and answered from outside, its exit status checked.

#include "AideTaches.h"
#include "OutilsOdbc.h"

#include <gtest/gtest.h>

#include <commctrl.h>

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
        m_processus = CPoigneeNoyau(info.hProcess);
    }
    ~CProcessus() { TerminateProcess(m_processus.Get(), 99); }

    // The exit status; -1 when the process did not end in time.
    long Statut() const
    {
        DWORD statut = 0;
        const bool fini = WaitForSingleObject(m_processus.Get(), DELAI_MS) == WAIT_OBJECT_0;
        return fini && GetExitCodeProcess(m_processus.Get(), &statut) ? static_cast<long>(statut) : -1;
    }

private:
    CPoigneeNoyau m_processus;
};

// A command of the main window that opens the editor: filled by `saisir`, saved, the password
// confirmed empty; returns once the main window takes commands again.
void Enregistrer(HWND principale, int commande, const std::function<void(HWND)>& saisir)
{
    Cliquer(principale, commande);
    const HWND editeur = Fenetre("Edition du Programme");
    ASSERT_NE(editeur, nullptr);
    saisir(editeur);
    Cliquer(editeur, IDOK);
    const HWND passe = Fenetre("Mot de passe");
    ASSERT_NE(passe, nullptr);
    Cliquer(passe, IDOK);
    EXPECT_TRUE(Attendre([&] { return IsWindowEnabled(principale) && !Fenetre("Mot de passe", 0); }));
    Sleep(200);
}
} // namespace

// Without its registry key the program stops with its "Erreur" box (its text is checked in
// process) and the status 1.
TEST(Processus, SansCleLeProgrammeSArreteAvecSonMessageEtLeStatutUn)
{
    SupprimerCleRadio();
    CProcessus programme;
    const HWND boite = Fenetre("Erreur");
    EXPECT_NE(boite, nullptr);
    Cliquer(boite, IDOK);
    EXPECT_EQ(programme.Statut(), 1);
}

// Wine reads which DLLs a program loads, and whence, from its AppDefaults key (the environment's
// WINEDLLOVERRIDES does not reach a child process). Without the ODBC installer "&Ajouter" says so;
// with an installer that lacks SQLConfigDataSource (copied beside vidalto.exe) it says nothing.
// Either way the registration counts as refused: the editor does not show, the window stays.
TEST(Processus, UnInstallateurOdbcAbsentOuIncompletNOuvrePasLEditeur)
{
    const char* cle = "Software\\Wine\\AppDefaults\\vidalto.exe\\DllOverrides";
    const std::string copie = CheminDos(VIDALTO_DOSSIER_BUILD "/odbccp32.dll");
    for (const bool incomplet : {false, true})
    {
        SCOPED_TRACE(incomplet ? "incomplete" : "missing");
        RegSetKeyValueA(HKEY_CURRENT_USER, cle, "odbccp32", REG_SZ, incomplet ? "native" : "",
                        incomplet ? 7 : 1);
        if (incomplet)
            CopyFileA(CheminDos(VIDALTO_DOSSIER_BUILD "/sans-config/odbccp32.dll").c_str(), copie.c_str(),
                      FALSE);
        CProcessus programme;
        const HWND principale = Fenetre("Vidalto");
        Cliquer(principale, IDOK);
        const HWND boite = incomplet ? nullptr : Fenetre("ODBC Installer Error");
        if (!incomplet)
        {
            ASSERT_NE(boite, nullptr);
            EXPECT_EQ(TexteFenetre(GetDlgItem(boite, 0xFFFF)),
                      "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system.");
            Cliquer(boite, IDOK);
            EXPECT_TRUE(Attendre([] { return !Fenetre("ODBC Installer Error", 0); }, 5000));
        }
        Sleep(500);
        EXPECT_FALSE(Fenetre("Edition du Programme", 0) || Fenetre("Erreur", 0));
        EXPECT_TRUE(IsWindowVisible(principale));
        PostMessageA(principale, WM_CLOSE, 0, 0);
        EXPECT_EQ(programme.Statut(), 0);
        RegDeleteKeyA(HKEY_CURRENT_USER, cle);
        DeleteFileA(copie.c_str());
    }
}

// The program tells Windows what it is: its version resource, in French (language 040C, code
// page 1252 = 0x04E4), read from the file as Windows reads it.
TEST(Processus, LaRessourceDeVersionDitCeQuEstLeProgramme)
{
    const std::string exe = CheminDos(VIDALTO_DOSSIER_BUILD "/vidalto.exe");
    std::string donnees(GetFileVersionInfoSizeA(exe.c_str(), nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(donnees.size()), &donnees[0]));
    const std::pair<const char*, const char*> attendus[] = {
        {"\\VarFileInfo\\Translation", "\x0C\x04\xE4\x04"},
        {"\\StringFileInfo\\040C04E4\\ProductName", "Vidalto"},
        {"\\StringFileInfo\\040C04E4\\ProductVersion", "1.0"},
        {"\\StringFileInfo\\040C04E4\\FileVersion", "1.0"},
        {"\\StringFileInfo\\040C04E4\\FileDescription", "Programmateur d'enregistrements TV"},
        {"\\StringFileInfo\\040C04E4\\Comments", "Programmation des enregistrements TV"}};
    for (const auto& [chemin, attendu] : attendus)
    {
        char* valeur = nullptr;
        UINT taille = 0;
        VerQueryValueA(donnees.data(), chemin, reinterpret_cast<void**>(&valeur), &taille);
        EXPECT_EQ(valeur ? std::string(valeur, strnlen(valeur, taille)) : "", attendu) << chemin;
    }
}

// A recording's whole life in one run, through the dialogs as a user drives them, the channel
// database in C:\TV: added on the third channel as "Journal", edited to 90 minutes, deleted.
TEST(Processus, UnEnregistrementEstAjouteModifieEtSupprime)
{
    const char* base = "C:\\TV\\hcwChanDB_4.mdb";
    CreateDirectoryA("C:\\TV", nullptr);
    CopyFileA(CheminDos(VIDALTO_BASES_ESSAI "/chaines/hcwChanDB_4.mdb").c_str(), base, FALSE);
    CProcessus programme;
    const HWND principale = Fenetre("Vidalto");
    ASSERT_NE(principale, nullptr);
    const HWND liste = GetDlgItem(principale, IDC_LISTE);
    const auto lignes = [liste] { return SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0); };

    Enregistrer(principale, IDOK, [](HWND editeur) {
        for (int i = 0; i < 2; ++i)
            SendDlgItemMessageA(editeur, IDC_CHAINES, WM_KEYDOWN, VK_DOWN, 1);
        SetDlgItemTextA(editeur, IDC_FICHIER, "Journal");
    });
    const TacheLue journal = LireTacheReelle(L"Journal");
    EXPECT_EQ(journal.application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(journal.parametres, L" -c3 -ntod -startr:Journal.mpg -qvcd -limit:3600");
    EXPECT_EQ(lignes(), 1);

    // The row selected from the keyboard, then "&Editer".
    PostMessageA(liste, WM_KEYDOWN, VK_HOME, 1);
    Enregistrer(principale, IDC_EDITER, [](HWND editeur) { SetDlgItemTextA(editeur, IDC_MINUTES, "90"); });
    EXPECT_EQ(LireTacheReelle(L"Journal").parametres, L" -c3 -ntod -startr:Journal.mpg -qvcd -limit:5400");
    EXPECT_EQ(lignes(), 1);

    Cliquer(principale, IDC_SUPPRIMER);
    EXPECT_TRUE(Attendre([&] { return lignes() == 0; }));
    EXPECT_FALSE(LireTacheReelle(L"Journal").trouvee);
    EXPECT_EQ(Fenetre("Erreur", 0), nullptr);
    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
    DeleteFileA(base);
}
