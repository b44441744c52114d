#include "shutdown/ArretOrdinateur.h"

#include "commun/Poignee.h"

#include <reason.h>

#include <cstring>

namespace
{
struct RegleNoyau
{
    static HANDLE Nulle() { return nullptr; }
    static void Liberer(HANDLE objet) { CloseHandle(objet); }
};
using CObjetNoyau = CPoignee<HANDLE, RegleNoyau>;

// The error of a call that failed; never ERROR_SUCCESS, which would report a shutdown asked.
DWORD ErreurDeLAppel()
{
    const DWORD erreur = GetLastError();
    return erreur != ERROR_SUCCESS ? erreur : ERROR_GEN_FAILURE;
}

DWORD ActiverPrivilegeArret()
{
    CObjetNoyau jeton;
    TOKEN_PRIVILEGES privilege = {};
    privilege.PrivilegeCount = 1;
    privilege.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, jeton.Adresse()) ||
        !LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privilege.Privileges[0].Luid))
        return ErreurDeLAppel();
    // It succeeds also when the account does not hold the privilege: only the last error tells,
    // ERROR_NOT_ALL_ASSIGNED.
    SetLastError(ERROR_SUCCESS);
    if (!AdjustTokenPrivileges(jeton.Get(), FALSE, &privilege, 0, nullptr, nullptr))
        return ErreurDeLAppel();
    return GetLastError();
}
} // namespace

DWORD ArreterOrdinateur()
{
    const DWORD privilege = ActiverPrivilegeArret();
    if (privilege != ERROR_SUCCESS)
        return privilege;
    // A work item may run with no desktop of its own (the user logged off, or the services'
    // session since Vista): this call works from there and warns whoever is logged on, where
    // ExitWindowsEx would only end the caller's own logon session. Without a restart, Windows
    // switches the power off.
    // The call takes a text it may write to.
    char message[sizeof MESSAGE_ARRET];
    std::memcpy(message, MESSAGE_ARRET, sizeof message);
    if (!InitiateSystemShutdownExA(nullptr, message, DELAI_ARRET_SECONDES, TRUE, FALSE,
                                   SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER |
                                       SHTDN_REASON_FLAG_PLANNED))
        return ErreurDeLAppel();
    return ERROR_SUCCESS;
}
