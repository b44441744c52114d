// The whole program as a user starts it: vidalto.exe in a process of its own, its windows
// found and answered from outside, its exit status checked.

#include "AideTaches.h"
#include "OutilsOdbc.h"

#include <gtest/gtest.h>

namespace
{
// Long enough for a slow Wine start, short enough that a hung program fails the test soon.
constexpr DWORD DELAI_MS = 15000;

// The program's dialog of that caption once visible (the test process shows none of its own);
// the test fails, named, when there is none in time. Its buttons are clicked by messages posted:
// a message sent would wait for the other process.
HWND Fenetre(const char* titre)
{
    HWND dialogue = nullptr;
    if (!Attendre(DELAI_MS, [&] { return IsWindowVisible(dialogue = FindWindowA("#32770", titre)); }))
        ADD_FAILURE() << "no window \"" << titre << "\" of the program within " << DELAI_MS / 1000 << " s";
    return dialogue;
}

// A program of the build (vidalto.exe unless told), started; its exit status (-1, the test failed,
// when it does not end in time). It is ended at the end of the test if it still runs.
long LancerProgramme(const std::function<void()>& gestes, const std::string& programme = "vidalto.exe")
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
    if (!fini)
        ADD_FAILURE() << programme << " still runs after " << DELAI_MS / 1000 << " s";
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
    EXPECT_EQ(LancerProgramme([] { PostMessageA(Fenetre("Erreur"), WM_COMMAND, IDOK, 0); }), 1);
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
    EXPECT_EQ(LancerProgramme([] {
                  const HWND principale = Fenetre("Vidalto");
                  PostMessageA(principale, WM_COMMAND, IDOK, 0);
                  const HWND editeur = Fenetre("Edition du Programme");
                  EXPECT_NE(editeur, nullptr);
                  PostMessageA(editeur, WM_COMMAND, IDCANCEL, 0);
                  Attendre(DELAI_MS, [&] { return IsWindowEnabled(principale) != FALSE; });
                  PostMessageA(principale, WM_CLOSE, 0, 0);
              }),
              0);
    RegDeleteKeyA(HKEY_CURRENT_USER, cle);
    DeleteFileA(copie.c_str());
}

// The program's manifest asks for no execution level, which would end the file virtualization a
// legacy program gets, and the Access driver needs under Program Files.
TEST(Processus, SonManifesteNeDemandeAucunNiveauDExecution)
{
    const HMODULE module = LoadLibraryExA(CheminDos(VIDALTO_DOSSIER_BUILD "/vidalto.exe").c_str(), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC ressource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    const std::string manifeste(static_cast<const char*>(LockResource(LoadResource(module, ressource))),
                                SizeofResource(module, ressource));
    FreeLibrary(module);
    EXPECT_NE(manifeste.find("<assembly"), std::string::npos) << "no manifest read";
    EXPECT_EQ(manifeste.find("<requestedExecutionLevel"), std::string::npos);
}

// Shutdown.exe as the shutdown companion starts it. The built program ends with the status 0
// (Wine's shutdown call only traces the request). Then the companion that the main window makes for
// a recording, moved to the coming minute, is started by Wine's own scheduler service from the
// folder of the program that made it, and the scheduler records its run at that minute with the
// status 0: the whole road, with nothing replayed.
TEST(Processus, LeServiceDuPlanificateurLanceLeShutdownExeDuCompagnon)
{
    EXPECT_EQ(LancerProgramme({}, "Shutdown.exe"), 0);
    Demarrer(nullptr, [](CFenetreEssai& f) {
        Saisie saisie("Nuit");
        saisie.date = Jour(400);
        saisie.arreter = true;
        Commande(f, IDOK, -1, {Enregistrer(saisie), Confirmer()});
    });
    // The coming minute, or the next when this one is about to end.
    SYSTEMTIME maintenant = {};
    GetLocalTime(&maintenant);
    const SYSTEMTIME moment =
        DepuisSecondes(SecondesLocales(maintenant) + (maintenant.wSecond < 50 ? 60 : 120));
    ASSERT_TRUE(DeplacerTacheReelle(L"Shutdown", moment));
    // Its minute and one more, at most, before the test fails.
    TacheLue arret;
    for (long long s = SecondesLocales(maintenant); s < SecondesLocales(moment) / 60 * 60 + 120; ++s)
    {
        Sleep(1000);
        if ((arret = LireTacheReelle(L"Shutdown")).derniereExecution.wYear != 0)
            break;
    }
    EXPECT_EQ(VersEtroit(arret.application), CheminDos(VIDALTO_DOSSIER_BUILD "/Shutdown.exe"));
    // Wine's service starts a work item within the minute around its minute.
    const long long ecart = SecondesLocales(arret.derniereExecution) / 60 - SecondesLocales(moment) / 60;
    EXPECT_TRUE(arret.derniereExecution.wYear != 0 && ecart >= -1 && ecart <= 1)
        << "the companion of " << Moment(moment)
        << (arret.derniereExecution.wYear != 0
                ? " run by Wine's service at " + Moment(arret.derniereExecution)
                : std::string(" never run by Wine's service"));
    EXPECT_EQ(arret.sortie, 0u);
}
