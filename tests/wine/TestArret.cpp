// Shutdown.exe's work seen through the test executable's import table: Wine's own shutdown call
// does nothing but trace its request, so the request and the privilege before it are recorded on
// their way to the system.

#include "PannesImports.h"

#include "shutdown/ArretOrdinateur.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
// The journal of the calls in their order, the privileges enabled and the shutdown asked; the
// error each recorded call ends with (none: the system's answer).
CPannes* g_pannes = nullptr;
std::string g_privileges, g_demande, g_message;
DWORD g_refusPrivilege = 0, g_refusDemande = 0;

BOOL WINAPI Ajuster(HANDLE jeton, BOOL toutRetirer, PTOKEN_PRIVILEGES nouveaux, DWORD taille,
                    PTOKEN_PRIVILEGES anciens, PDWORD requis)
{
    g_pannes->Appel("AdjustTokenPrivileges", L"");
    for (DWORD i = 0; i < nouveaux->PrivilegeCount; ++i)
    {
        char nom[64] = {};
        DWORD longueur = sizeof nom;
        LookupPrivilegeNameA(nullptr, &nouveaux->Privileges[i].Luid, nom, &longueur);
        g_privileges += std::string(nom) + (toutRetirer ? " retirés " : " ") +
                        (nouveaux->Privileges[i].Attributes == SE_PRIVILEGE_ENABLED ? "activé" : "?");
    }
    // Windows' answer to an account without the privilege: success, and the last error says so.
    if (g_refusPrivilege != 0)
    {
        SetLastError(g_refusPrivilege);
        return g_refusPrivilege == ERROR_NOT_ALL_ASSIGNED;
    }
    const auto original =
        reinterpret_cast<decltype(&AdjustTokenPrivileges)>(CDetourImports::Original("AdjustTokenPrivileges"));
    return original(jeton, toutRetirer, nouveaux, taille, anciens, requis);
}

BOOL WINAPI Demander(LPSTR ordinateur, LPSTR message, DWORD delai, BOOL forcer, BOOL redemarrer, DWORD raison)
{
    g_pannes->Appel("InitiateSystemShutdownExA", L"");
    char texte[128];
    std::snprintf(texte, sizeof texte, "%s %lu s, forcé %d, redémarrage %d, raison 0x%08lX",
                  ordinateur ? ordinateur : "local", static_cast<unsigned long>(delai), forcer, redemarrer,
                  static_cast<unsigned long>(raison));
    g_demande = texte;
    g_message = message ? message : "";
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
    // The call that fails and its error; the calls made, the exit status.
    const std::tuple<const char*, DWORD, std::vector<std::string>, DWORD> cas[] = {
        {"",
         0,
         {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges", "InitiateSystemShutdownExA"},
         0},
        {"OpenProcessToken", ERROR_ACCESS_DENIED, {"OpenProcessToken"}, ERROR_ACCESS_DENIED},
        {"LookupPrivilegeValueA",
         ERROR_NO_SUCH_PRIVILEGE,
         {"OpenProcessToken", "LookupPrivilegeValueA"},
         ERROR_NO_SUCH_PRIVILEGE},
        {"AdjustTokenPrivileges",
         ERROR_NOT_ALL_ASSIGNED,
         {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges"},
         ERROR_NOT_ALL_ASSIGNED},
        {"AdjustTokenPrivileges",
         ERROR_INVALID_HANDLE,
         {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges"},
         ERROR_INVALID_HANDLE},
        {"InitiateSystemShutdownExA",
         ERROR_SHUTDOWN_IN_PROGRESS,
         {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges", "InitiateSystemShutdownExA"},
         ERROR_SHUTDOWN_IN_PROGRESS},
    };
    for (const auto& [panne, erreur, appels, statut] : cas)
    {
        SCOPED_TRACE(std::string(panne) + " " + std::to_string(erreur));
        CPannes pannes;
        g_pannes = &pannes;
        g_privileges = g_demande = g_message = "";
        const std::string echec = panne;
        g_refusPrivilege = echec == "AdjustTokenPrivileges" ? erreur : 0;
        g_refusDemande = echec == "InitiateSystemShutdownExA" ? erreur : 0;
        pannes.InjecterEchec(panne, HRESULT_FROM_WIN32(erreur));
        DWORD resultat = 0;
        {
            const CDetourImports detour(pannes,
                                        {{"AdjustTokenPrivileges", reinterpret_cast<void*>(&Ajuster)},
                                         {"InitiateSystemShutdownExA", reinterpret_cast<void*>(&Demander)}});
            resultat = ArreterOrdinateur();
        }
        EXPECT_EQ(pannes.Journal(), appels);
        EXPECT_EQ(resultat, statut);
        EXPECT_EQ(g_privileges, appels.size() > 2 ? "SeShutdownPrivilege activé" : "");
        EXPECT_EQ(g_demande,
                  appels.size() > 3 ? "local 60 s, forcé 1, redémarrage 0, raison 0x80000000" : "");
    }
    EXPECT_EQ(g_message, MESSAGE_ARRET);
    for (const char* mot : {"Vidalto", "une minute", "shutdown /a"})
        EXPECT_NE(g_message.find(mot), std::string::npos) << mot;
}
