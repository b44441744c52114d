// The whole program as a user starts it: vidalto.exe in a process of its own, its windows
// found and answered from outside, its exit status checked.

#include "AideTaches.h"
#include "MessagesDemarrage.h"
#include "OutilsOdbc.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>

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

// The visible dialog of that caption (the test process shows none of its own).
HWND Montre(const char* titre)
{
    const HWND dialogue = FindWindowA("#32770", titre);
    return dialogue != nullptr && IsWindowVisible(dialogue) ? dialogue : nullptr;
}

HWND Fenetre(const char* titre)
{
    HWND dialogue = nullptr;
    Attendre([&] { return (dialogue = Montre(titre)) != nullptr; });
    return dialogue;
}

// Message boxes keep their text in static 0xFFFF.
std::string TexteBoite(HWND boite)
{
    return TexteFenetre(GetDlgItem(boite, 0xFFFF));
}

void Cliquer(HWND dialogue, int bouton)
{
    PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
}

// A program started with `ligne`, ended at the end of the test if it still runs.
class CProcessus
{
public:
    explicit CProcessus(std::string ligne)
    {
        STARTUPINFOA demarrage = {};
        demarrage.cb = sizeof demarrage;
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(nullptr, &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage,
                           &info))
        {
            m_processus = CPoigneeNoyau(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
    ~CProcessus()
    {
        if (m_processus.EstValide() && WaitForSingleObject(m_processus.Get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(m_processus.Get(), 99);
    }

    bool Lance() const { return m_processus.EstValide(); }
    // The exit status; -1 when the process did not end in time.
    long Statut() const
    {
        DWORD statut = 0;
        if (WaitForSingleObject(m_processus.Get(), DELAI_MS) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(m_processus.Get(), &statut))
            return -1;
        return static_cast<long>(statut);
    }

private:
    CPoigneeNoyau m_processus;
};

// vidalto.exe beside the tests' folder: <build>\tests\wine\tests_processus.exe.
std::string LigneVidalto()
{
    char chemin[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, chemin, MAX_PATH);
    std::string dossier = chemin;
    for (int niveau = 0; niveau < 3; ++niveau)
        dossier.erase(dossier.find_last_of('\\'));
    return "\"" + dossier + "\\vidalto.exe\"";
}

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
    EXPECT_TRUE(Attendre([&] { return IsWindowEnabled(principale) && !Montre("Mot de passe"); }));
    Sleep(200);
}

void Saisir(HWND dialogue, int id, const char* texte)
{
    SetWindowTextA(GetDlgItem(dialogue, id), texte);
}

// C:\TV as on the user's machine: the stand-in WinTV2K.EXE, which logs each command line it is
// started with, and the channel database; emptied at the end.
class CDossierTV
{
public:
    CDossierTV()
    {
        CreateDirectoryA("C:\\TV", nullptr);
        CopyFileA(CheminDos(VIDALTO_DOSSIER_BUILD "/demo/WinTV2K.exe").c_str(), PROGRAMME, FALSE);
        CopyFileA(CheminDos(VIDALTO_BASES_ESSAI "/chaines/hcwChanDB_4.mdb").c_str(), BASE, FALSE);
        DeleteFileA(JOURNAL);
    }
    ~CDossierTV()
    {
        for (const char* fichier : {PROGRAMME, BASE, JOURNAL})
            DeleteFileA(fichier);
    }
    static constexpr const char* PROGRAMME = "C:\\TV\\WinTV2K.EXE";
    static constexpr const char* BASE = "C:\\TV\\hcwChanDB_4.mdb";
    static constexpr const char* JOURNAL = "C:\\TV\\WinTV2K.log";
};

class Processus : public testing::Test
{
protected:
    void TearDown() override { DefinirCheminTV("C:\\TV"); }
};
} // namespace

TEST_F(Processus, SansCleLeProgrammeSArreteAvecSonMessageEtLeStatutUn)
{
    SupprimerCleRadio();
    CProcessus programme(LigneVidalto());
    ASSERT_TRUE(programme.Lance());
    const HWND boite = Fenetre("Erreur");
    ASSERT_NE(boite, nullptr);
    EXPECT_EQ(TexteBoite(boite), M1);
    PostMessageA(boite, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(programme.Statut(), 1);
}

// Wine reads the DLLs a program must not load from its AppDefaults key (the environment's
// WINEDLLOVERRIDES does not reach a child process): vidalto.exe runs without the ODBC installer.
TEST_F(Processus, SansInstallateurOdbcAjouterLeDitEtLaFenetreResteOuverte)
{
    const char* cle = "Software\\Wine\\AppDefaults\\vidalto.exe\\DllOverrides";
    {
        CCleRegistre substitutions;
        RegCreateKeyExA(HKEY_CURRENT_USER, cle, 0, nullptr, 0, KEY_WRITE, nullptr, substitutions.Adresse(),
                        nullptr);
        RegSetValueExA(substitutions.Get(), "odbccp32", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    }
    CProcessus programme(LigneVidalto());
    const HWND principale = Fenetre("Vidalto");
    ASSERT_NE(principale, nullptr);
    Cliquer(principale, IDOK);
    const HWND boite = Fenetre("ODBC Installer Error");
    RegDeleteKeyA(HKEY_CURRENT_USER, cle);
    ASSERT_NE(boite, nullptr);
    EXPECT_EQ(TexteBoite(boite), "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system.");
    PostMessageA(boite, WM_COMMAND, IDOK, 0);
    // The registration counts as refused: the editor ends before it shows, with no other box.
    EXPECT_TRUE(Attendre([] { return !Montre("ODBC Installer Error"); }, 5000));
    Sleep(500);
    EXPECT_FALSE(Montre("Edition du Programme") || Montre("Erreur"));
    EXPECT_TRUE(IsWindowVisible(principale));
    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
}

// A recording's whole life in one run, through the dialogs as a user drives them: added on the
// third channel as "Journal", its stored command line given to the TV program (Wine's scheduler
// service does not run work items here), edited to 90 minutes, deleted.
TEST_F(Processus, UnEnregistrementEstAjouteLanceModifieEtSupprime)
{
    SupprimerTachesReelles(L"");
    const CDossierTV dossier;
    CProcessus programme(LigneVidalto());
    const HWND principale = Fenetre("Vidalto");
    ASSERT_NE(principale, nullptr);
    const HWND liste = GetDlgItem(principale, 1002);
    const auto lignes = [liste] { return SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0); };
    // The window shows once its start-up is over: any box would have come before.
    EXPECT_EQ(Montre("Erreur"), nullptr);
    EXPECT_EQ(lignes(), 0);

    Enregistrer(principale, IDOK, [](HWND editeur) {
        for (int i = 0; i < 2; ++i)
            SendMessageA(GetDlgItem(editeur, 1036), WM_KEYDOWN, VK_DOWN, 1);
        Saisir(editeur, 1038, "Journal");
    });
    const TacheLue journal = LireTacheReelle(L"Journal");
    EXPECT_EQ(journal.application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(journal.parametres, L" -c3 -ntod -startr:Journal.mpg -qvcd -limit:3600");
    EXPECT_EQ(lignes(), 1);

    const std::string ligne = "\"" + VersEtroit(journal.application) + "\"" + VersEtroit(journal.parametres);
    {
        CProcessus tv(ligne);
        EXPECT_EQ(tv.Statut(), 0);
    }
    // Each line: the date and time of the start, then the command line as received.
    const std::vector<std::string> recues = LignesFichier(CDossierTV::JOURNAL);
    ASSERT_EQ(recues.size(), 1u);
    EXPECT_EQ(recues[0].substr(20), ligne);

    // The row selected from the keyboard, then "&Editer".
    PostMessageA(liste, WM_KEYDOWN, VK_HOME, 1);
    Enregistrer(principale, 1000, [](HWND editeur) { Saisir(editeur, 1024, "90"); });
    EXPECT_EQ(LireTacheReelle(L"Journal").parametres, L" -c3 -ntod -startr:Journal.mpg -qvcd -limit:5400");
    EXPECT_EQ(lignes(), 1);

    Cliquer(principale, 1040);
    EXPECT_TRUE(Attendre([&] { return lignes() == 0; }));
    EXPECT_FALSE(LireTacheReelle(L"Journal").trouvee);
    EXPECT_EQ(Montre("Erreur"), nullptr);
    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
}
