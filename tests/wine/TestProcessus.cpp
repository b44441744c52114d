// The whole program as a user starts it: vidalto.exe in a process of its own, its windows
// found and answered from outside, its exit status checked.

#include "AideTaches.h"
#include "OutilsOdbc.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
// Long enough for a slow Wine start, short enough that a hung program fails the test.
constexpr DWORD DELAI_MS = 30000;

// The program's dialog of that caption once visible (the test process shows none of its own);
// null when there is none in time.
HWND Fenetre(const char* titre)
{
    HWND dialogue = nullptr;
    return Attendre(DELAI_MS, [&] { return IsWindowVisible(dialogue = FindWindowA("#32770", titre)); })
               ? dialogue
               : nullptr;
}

// A click on a window of the other process, which a message sent would wait for.
void Poster(HWND dialogue, int bouton)
{
    PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(bouton, BN_CLICKED), 0);
}

// A program of the build (vidalto.exe unless told), started; its exit status (-1 when it does not
// end in time). It is ended at the end of the test if it still runs.
long Lancer(const std::function<void()>& gestes, const std::string& programme = "vidalto.exe")
{
    std::string ligne = "\"" + CheminDos(VIDALTO_DOSSIER_BUILD "/" + programme) + "\"";
    STARTUPINFOA demarrage = {};
    demarrage.cb = sizeof demarrage;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &ligne[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage, &info))
        return -2;
    if (gestes)
        gestes();
    DWORD statut = 0;
    const bool fini = WaitForSingleObject(info.hProcess, DELAI_MS) == WAIT_OBJECT_0 &&
                      GetExitCodeProcess(info.hProcess, &statut);
    TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return fini ? static_cast<long>(statut) : -1;
}
} // namespace

// Without its registry key the program stops with its "Erreur" box (its text is checked in
// process) and the status 1.
TEST(Processus, SansCleLeProgrammeSArreteAvecSonMessageEtLeStatutUn)
{
    EcrireCheminTV("", -2);
    EXPECT_EQ(Lancer([] { Poster(Fenetre("Erreur"), IDOK); }), 1);
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
    EXPECT_EQ(Lancer([] {
                  const HWND principale = Fenetre("Vidalto");
                  Poster(principale, IDOK);
                  const HWND editeur = Fenetre("Edition du Programme");
                  EXPECT_NE(editeur, nullptr);
                  Poster(editeur, IDCANCEL);
                  Attendre(DELAI_MS, [&] { return IsWindowEnabled(principale) != FALSE; });
                  PostMessageA(principale, WM_CLOSE, 0, 0);
              }),
              0);
    RegDeleteKeyA(HKEY_CURRENT_USER, cle);
    DeleteFileA(copie.c_str());
}

// The program tells Windows what it is: its version resource, in French (language 040C, code
// page 1252 = 0x04E4), read from the file as Windows reads it. Its manifest asks for the common
// controls 6 and no execution level, which would end the file virtualization a legacy program gets.
TEST(Processus, SesRessourcesDisentCeQuEstLeProgramme)
{
    const std::string exe = CheminDos(VIDALTO_DOSSIER_BUILD "/vidalto.exe");
    std::string donnees(GetFileVersionInfoSizeA(exe.c_str(), nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(donnees.size()), &donnees[0]));
    std::string lu;
    for (const char* chemin :
         {"\\VarFileInfo\\Translation", "\\StringFileInfo\\040C04E4\\ProductName",
          "\\StringFileInfo\\040C04E4\\ProductVersion", "\\StringFileInfo\\040C04E4\\FileVersion",
          "\\StringFileInfo\\040C04E4\\FileDescription", "\\StringFileInfo\\040C04E4\\Comments"})
    {
        char* valeur = nullptr;
        UINT taille = 0;
        VerQueryValueA(donnees.data(), chemin, reinterpret_cast<void**>(&valeur), &taille);
        lu += (valeur ? std::string(valeur, strnlen(valeur, taille)) : "") + "|";
    }
    EXPECT_EQ(lu, "\x0C\x04\xE4\x04|Vidalto|1.0|1.0|Programmateur d'enregistrements TV|"
                  "Programmation des enregistrements TV|");

    const HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC ressource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    const std::string manifeste(static_cast<const char*>(LockResource(LoadResource(module, ressource))),
                                SizeofResource(module, ressource));
    FreeLibrary(module);
    EXPECT_TRUE(manifeste.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
                manifeste.find("<requestedExecutionLevel") == std::string::npos)
        << manifeste;
}

// Shutdown.exe as the shutdown companion starts it. The built program ends with the status 0
// (Wine's shutdown call only traces the request). Then the companion that the main window makes for
// a recording, moved to the coming minute, is started by Wine's own scheduler service from the
// folder of the program that made it, and the scheduler records its run at that minute with the
// status 0: the whole road, with nothing replayed.
TEST(Processus, LeServiceDuPlanificateurLanceLeShutdownExeDuCompagnon)
{
    EXPECT_EQ(Lancer({}, "Shutdown.exe"), 0);
    CFenetreEssai fenetre;
    LancerFenetre(fenetre, [](CFenetreEssai& f) {
        Saisie saisie("Nuit");
        saisie.date = Jour(400);
        saisie.arreter = true;
        Commande(f, IDOK, -1, {Enregistrer(saisie), Confirmer()});
    });
    // The coming minute, or the next when this one is about to end.
    SYSTEMTIME maintenant = {};
    GetLocalTime(&maintenant);
    const SYSTEMTIME moment = DepuisSecondes(Secondes(maintenant) + (maintenant.wSecond < 50 ? 60 : 120));
    ASSERT_TRUE(DeplacerTacheReelle(L"Shutdown", moment));
    TacheLue arret;
    for (int attente = 0; attente < 150 && arret.derniereExecution.wYear == 0; ++attente)
    {
        Sleep(1000);
        arret = LireTacheReelle(L"Shutdown");
    }
    EXPECT_EQ(VersEtroit(arret.application), CheminDos(VIDALTO_DOSSIER_BUILD "/Shutdown.exe"));
    // Wine's service starts a work item within the minute around its minute.
    const long long ecart = Secondes(arret.derniereExecution) / 60 - Secondes(moment) / 60;
    EXPECT_TRUE(arret.derniereExecution.wYear != 0 && ecart >= -1 && ecart <= 1)
        << "the companion of " << Moment(moment) << " run by Wine's service at "
        << Moment(arret.derniereExecution);
    EXPECT_EQ(arret.sortie, 0u);
}
