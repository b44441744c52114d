#include "PannesImports.h"

#include <windows.h>
#include <sqlext.h>

#include <cstring>
#include <map>
#include <string>
#include <type_traits>

namespace
{
CPannes* g_pannes = nullptr;
std::map<std::string, void*> g_remplacements;

// A stand-in of the same type as the function it replaces (ODBC's and the system's calls are
// both __stdcall).
template <int N, typename F> struct CSonde;
template <int N, typename R, typename... A> struct CSonde<N, R(WINAPI*)(A...)>
{
    static inline R(WINAPI* s_original)(A...) = nullptr;
    static inline const char* s_nom = nullptr;
    static R WINAPI Appel(A... a)
    {
        const HRESULT hr = g_pannes != nullptr ? g_pannes->Appel(s_nom, L"") : S_OK;
        if (SUCCEEDED(hr))
            return s_original(a...);
        // COM's code as injected, ODBC's failure, or the system's FALSE or null with the code
        // as its last error.
        if constexpr (std::is_same<R, HRESULT>::value)
            return hr;
        else if constexpr (std::is_same<R, SQLRETURN>::value)
            return SQL_ERROR;
        SetLastError(HRESULT_CODE(hr));
        return R{};
    }
};

struct Detour
{
    const char* nom;
    void* sonde;
    void** original;
};

template <int N, typename F> Detour Faire(const char* nom)
{
    using S = CSonde<N, F>;
    S::s_nom = nom;
    return {nom, reinterpret_cast<void*>(&S::Appel), reinterpret_cast<void**>(&S::s_original)};
}

// The calls whose failure the program handles (the releases' are not looked at).
const Detour DETOURS[] = {
    Faire<0, decltype(&SQLAllocHandle)>("SQLAllocHandle"),
    Faire<1, decltype(&SQLSetEnvAttr)>("SQLSetEnvAttr"),
    Faire<2, decltype(&SQLSetConnectAttr)>("SQLSetConnectAttr"),
    Faire<3, decltype(&SQLDriverConnect)>("SQLDriverConnect"),
    Faire<4, decltype(&SQLSetStmtAttr)>("SQLSetStmtAttr"),
    Faire<5, decltype(&SQLGetStmtAttr)>("SQLGetStmtAttr"),
    Faire<6, decltype(&SQLExecDirect)>("SQLExecDirect"),
    Faire<7, decltype(&SQLNumResultCols)>("SQLNumResultCols"),
    Faire<8, decltype(&SQLBindCol)>("SQLBindCol"),
    Faire<9, decltype(&SQLFetch)>("SQLFetch"),
    Faire<10, decltype(&SQLGetDiagRec)>("SQLGetDiagRec"),
    Faire<11, decltype(&GetComputerNameA)>("GetComputerNameA"),
    Faire<12, decltype(&GetUserNameA)>("GetUserNameA"),
    Faire<13, decltype(&CoCreateInstance)>("CoCreateInstance"),
    Faire<14, decltype(&GetSystemDirectoryA)>("GetSystemDirectoryA"),
    Faire<15, decltype(&LoadLibraryA)>("LoadLibraryA"),
    Faire<16, decltype(&GetProcAddress)>("GetProcAddress"),
    Faire<17, decltype(&GetModuleFileNameA)>("GetModuleFileNameA"),
    Faire<18, decltype(&GetFileAttributesA)>("GetFileAttributesA"),
    Faire<19, decltype(&OpenProcessToken)>("OpenProcessToken"),
    Faire<20, decltype(&LookupPrivilegeValueA)>("LookupPrivilegeValueA"),
    Faire<21, decltype(&AdjustTokenPrivileges)>("AdjustTokenPrivileges"),
    Faire<22, decltype(&InitiateSystemShutdownExA)>("InitiateSystemShutdownExA"),
};

// Points this executable's imports of those functions at their stand-ins, or back.
void Permuter(bool installer)
{
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table.VirtualAddress);
         d->Name != 0; ++d)
    {
        const auto* noms = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* adresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; noms->u1.AddressOfData != 0; ++noms, ++adresses)
            for (const Detour& detour : DETOURS)
            {
                const auto* importe =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + noms->u1.AddressOfData);
                if (IMAGE_SNAP_BY_ORDINAL(noms->u1.Ordinal) ||
                    std::strcmp(reinterpret_cast<const char*>(importe->Name), detour.nom) != 0)
                    continue;
                DWORD protection = 0;
                VirtualProtect(&adresses->u1.Function, sizeof adresses->u1.Function, PAGE_READWRITE,
                               &protection);
                const auto remplacement = g_remplacements.find(detour.nom);
                if (installer)
                    *detour.original = reinterpret_cast<void*>(adresses->u1.Function);
                adresses->u1.Function =
                    reinterpret_cast<ULONG_PTR>(!installer                              ? *detour.original
                                                : remplacement != g_remplacements.end() ? remplacement->second
                                                                                        : detour.sonde);
                VirtualProtect(&adresses->u1.Function, sizeof adresses->u1.Function, protection, &protection);
            }
    }
}
} // namespace

CDetourImports::CDetourImports(CPannes& pannes, std::map<std::string, void*> remplacements)
{
    g_pannes = &pannes;
    g_remplacements = std::move(remplacements);
    Permuter(true);
}

CDetourImports::~CDetourImports()
{
    Permuter(false);
    g_pannes = nullptr;
    g_remplacements.clear();
}

void* CDetourImports::Original(const char* nom)
{
    for (const Detour& detour : DETOURS)
        if (std::strcmp(detour.nom, nom) == 0)
            return *detour.original;
    return nullptr;
}
