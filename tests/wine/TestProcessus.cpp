// The whole program, as a user starts it: vidalto.exe run in its own process for each registry
// state, its windows read and answered from outside, its exit status checked.

#include "AideTaches.h"
#include "MessagesDemarrage.h"
#include "OutilsOdbc.h"

#include "framework/Controles.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <vector>

namespace
{
// Long enough for a slow Wine start, short enough that a hung program fails the test.
constexpr DWORD DELAI_MS = 30000;

struct RegleProcessus
{
    static HANDLE Nulle() { return nullptr; }
    static void Liberer(HANDLE poignee) { CloseHandle(poignee); }
};
using CPoigneeProcessus = CPoignee<HANDLE, RegleProcessus>;

// The program beside the tests' folder: <build>\tests\wine\tests_processus.exe -> <build>\vidalto.exe.
std::string CheminProgramme()
{
    char chemin[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, chemin, MAX_PATH);
    std::string dossier = chemin;
    for (int niveau = 0; niveau < 3; ++niveau)
        dossier = dossier.substr(0, dossier.find_last_of('\\'));
    return dossier + "\\vidalto.exe";
}

// vidalto.exe in a process of its own; ended at the end of the test if it still runs.
class CProgramme
{
public:
    CProgramme()
    {
        std::string ligne = "\"" + CheminProgramme() + "\"";
        STARTUPINFOA demarrage = {};
        demarrage.cb = sizeof demarrage;
        PROCESS_INFORMATION info = {};
        m_lance = CreateProcessA(nullptr, &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &demarrage, &info) != FALSE;
        if (m_lance)
        {
            m_processus = CPoigneeProcessus(info.hProcess);
            CloseHandle(info.hThread);
            m_id = info.dwProcessId;
        }
    }
    ~CProgramme()
    {
        if (m_lance && WaitForSingleObject(m_processus.Get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(m_processus.Get(), 99);
    }
    CProgramme(const CProgramme&) = delete;
    CProgramme& operator=(const CProgramme&) = delete;

    bool Lance() const { return m_lance; }

    // The program's visible dialog of that caption, waited for; null after the delay.
    HWND Fenetre(const std::string& titre) const
    {
        const DWORD debut = GetTickCount();
        do
        {
            if (const HWND trouvee = Chercher(titre))
                return trouvee;
            Sleep(50);
        } while (GetTickCount() - debut < DELAI_MS);
        return nullptr;
    }
    bool Montre(const std::string& titre) const { return Chercher(titre) != nullptr; }

    // The exit status, once the process has ended; -1 when it did not end in time.
    long Statut() const
    {
        DWORD statut = 0;
        if (WaitForSingleObject(m_processus.Get(), DELAI_MS) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(m_processus.Get(), &statut))
            return -1;
        return static_cast<long>(statut);
    }

private:
    struct Recherche
    {
        DWORD id;
        const std::string* titre;
        HWND trouvee;
    };

    // A stdcall function: a lambda does not convert to one on 32-bit Windows.
    static BOOL CALLBACK Comparer(HWND fenetre, LPARAM parametre)
    {
        auto* r = reinterpret_cast<Recherche*>(parametre);
        DWORD id = 0;
        GetWindowThreadProcessId(fenetre, &id);
        char classe[16] = {};
        GetClassNameA(fenetre, classe, sizeof classe);
        if (id == r->id && IsWindowVisible(fenetre) && std::string(classe) == "#32770" &&
            TexteFenetre(fenetre) == *r->titre)
        {
            r->trouvee = fenetre;
            return FALSE;
        }
        return TRUE;
    }

    HWND Chercher(const std::string& titre) const
    {
        Recherche recherche = {m_id, &titre, nullptr};
        EnumWindows(&CProgramme::Comparer, reinterpret_cast<LPARAM>(&recherche));
        return recherche.trouvee;
    }

    CPoigneeProcessus m_processus;
    DWORD m_id = 0;
    bool m_lance = false;
};

// A control's text read by WM_GETTEXT, which the system carries across processes.
std::string TexteDe(HWND fenetre)
{
    char texte[1024] = {};
    SendMessageA(fenetre, WM_GETTEXT, sizeof texte, reinterpret_cast<LPARAM>(texte));
    return texte;
}

// The "Erreur" box the program shows at start-up: its text, answered with OK; then the
// program's exit status.
struct Arret
{
    std::string texte;
    bool iconeErreur = false;
    long statut = -1;
};

Arret ArretAuDemarrage()
{
    Arret arret;
    CProgramme programme;
    EXPECT_TRUE(programme.Lance());
    const HWND boite = programme.Fenetre("Erreur");
    if (boite == nullptr)
        return arret;
    // A box keeps its text in static 0xFFFF and its icon in static 0x440.
    arret.texte = TexteDe(GetDlgItem(boite, 0xFFFF));
    const HWND icone = GetDlgItem(boite, 0x440);
    arret.iconeErreur = icone != nullptr && SendMessageA(icone, STM_GETICON, 0, 0) != 0;
    PostMessageA(boite, WM_COMMAND, IDOK, 0);
    arret.statut = programme.Statut();
    return arret;
}

// A system without the ODBC installer, for vidalto.exe alone while the object lives: Wine
// reads the DLLs it must not load for one program from its AppDefaults key (an empty value
// disables the DLL). The environment's WINEDLLOVERRIDES does not reach a child process.
class CSansInstallateurOdbc
{
public:
    CSansInstallateurOdbc()
    {
        CCleRegistre cle;
        RegCreateKeyExA(HKEY_CURRENT_USER, CLE, 0, nullptr, 0, KEY_WRITE, nullptr, cle.Adresse(),
                        nullptr);
        RegSetValueExA(cle.Get(), "odbccp32", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    }
    ~CSansInstallateurOdbc() { RegDeleteKeyA(HKEY_CURRENT_USER, CLE); }
    CSansInstallateurOdbc(const CSansInstallateurOdbc&) = delete;
    CSansInstallateurOdbc& operator=(const CSansInstallateurOdbc&) = delete;

private:
    static constexpr const char* CLE = "Software\\Wine\\AppDefaults\\vidalto.exe\\DllOverrides";
};

class Processus : public testing::Test
{
protected:
    void TearDown() override { DefinirCheminTV("C:\\TV"); }
};
} // namespace

TEST_F(Processus, SansCleNiValeurLeProgrammeSArreteAvecSonMessageEtLeStatutUn)
{
    SupprimerCleRadio();
    Arret arret = ArretAuDemarrage();
    EXPECT_EQ(arret.texte, M1);
    EXPECT_TRUE(arret.iconeErreur);
    EXPECT_EQ(arret.statut, 1);

    // The key without its value.
    ASSERT_TRUE(CreerCleRadio().EstValide());
    arret = ArretAuDemarrage();
    EXPECT_EQ(arret.texte, M2);
    EXPECT_EQ(arret.statut, 1);
}

TEST_F(Processus, UnMagasinVideDonneUneListeVideSansMessageEtLAProposSOuvre)
{
    SupprimerTachesReelles(L"");
    CProgramme programme;
    ASSERT_TRUE(programme.Lance());
    const HWND principale = programme.Fenetre("Vidalto");
    ASSERT_NE(principale, nullptr);
    // The window shows only once its start-up is over: any box would have come before.
    EXPECT_FALSE(programme.Montre("Erreur"));
    EXPECT_EQ(SendMessageA(GetDlgItem(principale, 1002), LVM_GETITEMCOUNT, 0, 0), 0);

    // The About entry of the system menu.
    PostMessageA(principale, WM_SYSCOMMAND, 0x10, 0);
    const HWND aPropos = programme.Fenetre("A propos de Vidalto");
    ASSERT_NE(aPropos, nullptr);
    PostMessageA(aPropos, WM_COMMAND, IDOK, 0);
    const DWORD debut = GetTickCount();
    while (programme.Montre("A propos de Vidalto") && GetTickCount() - debut < DELAI_MS)
        Sleep(50);
    EXPECT_FALSE(programme.Montre("A propos de Vidalto"));
    EXPECT_TRUE(IsWindowVisible(principale));

    // The close box ends the program normally.
    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
}

TEST_F(Processus, SansInstallateurOdbcAjouterLeDitEtLaFenetreResteOuverte)
{
    const CSansInstallateurOdbc sansInstallateur;
    CProgramme programme;
    ASSERT_TRUE(programme.Lance());
    const HWND principale = programme.Fenetre("Vidalto");
    ASSERT_NE(principale, nullptr);
    PostMessageA(principale, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const HWND boite = programme.Fenetre("ODBC Installer Error");
    ASSERT_NE(boite, nullptr);
    EXPECT_EQ(TexteDe(GetDlgItem(boite, 0xFFFF)),
              "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system.");
    PostMessageA(boite, WM_COMMAND, IDOK, 0);
    // The registration counts as refused: the editor ends before it shows, with no other box.
    const DWORD debut = GetTickCount();
    while (programme.Montre("ODBC Installer Error") && GetTickCount() - debut < 5000)
        Sleep(50);
    Sleep(500);
    EXPECT_FALSE(programme.Montre("ODBC Installer Error"));
    EXPECT_FALSE(programme.Montre("Edition du Programme"));
    EXPECT_FALSE(programme.Montre("Erreur"));
    EXPECT_TRUE(IsWindowVisible(principale));
    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
}

namespace
{
// Presses a button of the program's dialog of that caption, once it shows.
bool Appuyer(const CProgramme& programme, const std::string& titre, int bouton)
{
    const HWND dialogue = programme.Fenetre(titre);
    if (dialogue != nullptr)
        PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
    return dialogue != nullptr;
}

// Waits until the main window takes commands again, that is, until the command is over.
void AttendreFin(HWND principale)
{
    const DWORD debut = GetTickCount();
    do
        Sleep(50);
    while (!IsWindowEnabled(principale) && GetTickCount() - debut < DELAI_MS);
    Sleep(200);
}

// Types `texte` into the control `id` of a dialog of the program.
void Saisir(HWND dialogue, int id, const char* texte)
{
    SendMessageA(GetDlgItem(dialogue, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texte));
}

// The editor the command opened: filled by `saisir`, saved, and the password dialog confirmed
// empty; then the end of the command.
void Enregistrer(const CProgramme& programme, HWND principale, const std::function<void(HWND)>& saisir)
{
    const HWND editeur = programme.Fenetre("Edition du Programme");
    ASSERT_NE(editeur, nullptr);
    saisir(editeur);
    ASSERT_TRUE(Appuyer(programme, "Edition du Programme", IDOK));
    ASSERT_TRUE(Appuyer(programme, "Mot de passe", IDOK));
    AttendreFin(principale);
}
} // namespace

// A programme's whole life in one run of the program: added, edited, deleted, through its
// dialogs as a user drives them; the store checked after each step.
TEST_F(Processus, UnProgrammeEstAjouteModifieEtSupprime)
{
    SupprimerTachesReelles(L"");
    DefinirCheminTV(CheminDos(VIDALTO_BASES_ESSAI "/chaines"));
    CProgramme programme;
    ASSERT_TRUE(programme.Lance());
    const HWND principale = programme.Fenetre("Vidalto");
    ASSERT_NE(principale, nullptr);
    const HWND liste = GetDlgItem(principale, 1002);

    PostMessageA(principale, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    Enregistrer(programme, principale, [](HWND editeur) { Saisir(editeur, 1038, "Vie"); });
    EXPECT_EQ(LireTacheReelle(L"Vie").parametres, L" -c1 -ntod -startr:Vie.mpg -qvcd -limit:3600");
    EXPECT_EQ(SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0), 1);

    // The row selected from the keyboard, then "&Editer": 90 minutes instead of 60.
    PostMessageA(liste, WM_KEYDOWN, VK_HOME, 1);
    PostMessageA(principale, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), 0);
    Enregistrer(programme, principale, [](HWND editeur) { Saisir(editeur, 1024, "90"); });
    EXPECT_EQ(LireTacheReelle(L"Vie").parametres, L" -c1 -ntod -startr:Vie.mpg -qvcd -limit:5400");
    EXPECT_EQ(SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0), 1);

    PostMessageA(principale, WM_COMMAND, MAKEWPARAM(1040, BN_CLICKED), 0);
    AttendreFin(principale);
    EXPECT_FALSE(LireTacheReelle(L"Vie").trouvee);
    EXPECT_EQ(SendMessageA(liste, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_FALSE(programme.Montre("Erreur"));

    PostMessageA(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(programme.Statut(), 0);
}

namespace
{
// The TV program's folder of the demo, C:\TV: the stand-in WinTV2K.EXE, which logs each command
// line it is started with, and the channel database; emptied again at the end.
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
    CDossierTV(const CDossierTV&) = delete;
    CDossierTV& operator=(const CDossierTV&) = delete;

    static constexpr const char* PROGRAMME = "C:\\TV\\WinTV2K.EXE";
    static constexpr const char* BASE = "C:\\TV\\hcwChanDB_4.mdb";
    static constexpr const char* JOURNAL = "C:\\TV\\WinTV2K.log";
};
} // namespace

// The road of one recording: "&Ajouter", the third channel, "Journal", saved with a confirmed
// password; the work item in the store; then the TV program started with its stored command
// line receives exactly that line (Wine's scheduler service does not run work items here).
TEST_F(Processus, UnEnregistrementDonneAuProgrammeTVSaLigneDeCommande)
{
    SupprimerTacheReelle(L"Journal");
    const CDossierTV dossier;
    {
        CProgramme programme;
        ASSERT_TRUE(programme.Lance());
        const HWND principale = programme.Fenetre("Vidalto");
        ASSERT_NE(principale, nullptr);
        PostMessageA(principale, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Enregistrer(programme, principale, [](HWND editeur) {
            for (int i = 0; i < 2; ++i)
                SendMessageA(GetDlgItem(editeur, 1036), WM_KEYDOWN, VK_DOWN, 1);
            Saisir(editeur, 1038, "Journal");
        });
        PostMessageA(principale, WM_CLOSE, 0, 0);
        EXPECT_EQ(programme.Statut(), 0);
    }

    const TacheLue journal = LireTacheReelle(L"Journal");
    EXPECT_EQ(journal.application, L"C:\\TV\\WinTV2K.EXE");
    EXPECT_EQ(journal.parametres, L" -c3 -ntod -startr:Journal.mpg -qvcd -limit:3600");

    std::string ligne = "\"" + std::string(journal.application.begin(), journal.application.end()) +
                        "\"" + std::string(journal.parametres.begin(), journal.parametres.end());
    STARTUPINFOA demarrage = {};
    demarrage.cb = sizeof demarrage;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessA(CDossierTV::PROGRAMME, &ligne[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &demarrage, &info));
    WaitForSingleObject(info.hProcess, DELAI_MS);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    // Each line: the date and time of the start, then the command line as received.
    const std::vector<std::string> lignes = LignesFichier(CDossierTV::JOURNAL);
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes[0].substr(20), ligne);
    SupprimerTacheReelle(L"Journal");
}
