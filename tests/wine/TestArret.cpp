// Shutdown.exe's work seen through the test executable's import table: Wine's own shutdown call
// does nothing but trace its request, so the privilege and the request are recorded on their way.

#include "PannesImports.h"

#include "shutdown/ArretOrdinateur.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace
{
// The journal of the calls, the privilege asked, the request; the errors of the two calls whose
// answers the test gives.
CPannes* g_pannes = nullptr;
std::string g_privilege, g_demande;
DWORD g_refusPrivilege = 0, g_refusDemande = 0;

BOOL WINAPI Ajuster(HANDLE, BOOL toutRetirer, PTOKEN_PRIVILEGES nouveaux, DWORD, PTOKEN_PRIVILEGES, PDWORD)
{
    g_pannes->Appel("AdjustTokenPrivileges", L"");
    char nom[64] = {};
    DWORD longueur = sizeof nom;
    LookupPrivilegeNameA(nullptr, &nouveaux->Privileges[0].Luid, nom, &longueur);
    g_privilege = std::string(nom) + " " + std::to_string(nouveaux->PrivilegeCount) + " " +
                  std::to_string(nouveaux->Privileges[0].Attributes) + " " + std::to_string(toutRetirer);
    // An account without the privilege: a success, which the last error contradicts.
    SetLastError(g_refusPrivilege);
    return g_refusPrivilege == 0 || g_refusPrivilege == ERROR_NOT_ALL_ASSIGNED;
}

BOOL WINAPI Demander(LPSTR ordinateur, LPSTR message, DWORD delai, BOOL forcer, BOOL redemarrer, DWORD raison)
{
    g_pannes->Appel("InitiateSystemShutdownExA", L"");
    char texte[96];
    std::snprintf(texte, sizeof texte, "%s %lu s, forcé %d, redémarrage %d, raison 0x%08lX",
                  ordinateur ? ordinateur : "local", static_cast<unsigned long>(delai), forcer, redemarrer,
                  static_cast<unsigned long>(raison));
    g_demande = std::string(texte) + "\n" + message;
    SetLastError(g_refusDemande);
    return g_refusDemande == 0;
}
} // namespace

// Shutdown.exe enables the shutdown privilege, then asks for the local computer to be switched off
// (not restarted) a minute after a warning that names Vidalto and how to stop it, closing the
// applications, as a planned shutdown; its exit status is 0. A privilege refused (an account
// without it included) or a request refused ends it with the system's error, and no request
// follows a privilege refused.
TEST(Arret, ShutdownExeDemandeUnArretAnnonceApresSonPrivilege)
{
    const std::vector<std::string> tous = {"OpenProcessToken", "LookupPrivilegeValueA",
                                           "AdjustTokenPrivileges", "InitiateSystemShutdownExA"};
    // The call that fails and its error, the calls made.
    const std::tuple<std::string, DWORD, std::size_t> cas[] = {
        {"", 0, 4},
        {"OpenProcessToken", ERROR_ACCESS_DENIED, 1},
        {"LookupPrivilegeValueA", ERROR_NO_SUCH_PRIVILEGE, 2},
        {"AdjustTokenPrivileges", ERROR_NOT_ALL_ASSIGNED, 3},
        {"AdjustTokenPrivileges", ERROR_INVALID_HANDLE, 3},
        {"InitiateSystemShutdownExA", ERROR_SHUTDOWN_IN_PROGRESS, 4},
    };
    for (const auto& [panne, erreur, appels] : cas)
    {
        SCOPED_TRACE(panne + " " + std::to_string(erreur));
        CPannes pannes;
        g_pannes = &pannes;
        g_privilege = g_demande = "";
        g_refusPrivilege = panne == "AdjustTokenPrivileges" ? erreur : 0;
        g_refusDemande = panne == "InitiateSystemShutdownExA" ? erreur : 0;
        pannes.InjecterEchec(panne, HRESULT_FROM_WIN32(erreur));
        DWORD statut = 0;
        {
            const CDetourImports detour(pannes,
                                        {{"AdjustTokenPrivileges", reinterpret_cast<void*>(&Ajuster)},
                                         {"InitiateSystemShutdownExA", reinterpret_cast<void*>(&Demander)}});
            statut = ArreterOrdinateur();
        }
        EXPECT_EQ(pannes.Journal(), std::vector<std::string>(tous.begin(), tous.begin() + appels));
        EXPECT_EQ(statut, erreur);
        EXPECT_EQ(g_privilege, appels > 2 ? "SeShutdownPrivilege 1 2 0" : "");
        EXPECT_EQ(g_demande.substr(0, g_demande.find('\n')),
                  appels > 3 ? "local 60 s, forcé 1, redémarrage 0, raison 0x80000000" : "");
    }
    EXPECT_THAT(g_demande, testing::AllOf(testing::HasSubstr("Vidalto"), testing::HasSubstr("une minute"),
                                          testing::HasSubstr("shutdown /a")));
}
