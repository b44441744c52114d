#pragma once
// Owners of the system's resources: every handle, text and COM apartment the program
// obtains is released on every path, error paths included.

#include "commun/Poignee.h"

#include <windows.h>
#include <objbase.h>

struct RegleCleRegistre
{
    static HKEY Nulle() { return nullptr; }
    static void Liberer(HKEY cle) { RegCloseKey(cle); }
};
using CCleRegistre = CPoignee<HKEY, RegleCleRegistre>;

struct RegleRecherche
{
    static HANDLE Nulle() { return INVALID_HANDLE_VALUE; }
    static void Liberer(HANDLE recherche) { FindClose(recherche); }
};
using CRechercheFichiers = CPoignee<HANDLE, RegleRecherche>;

struct RegleModule
{
    static HMODULE Nulle() { return nullptr; }
    static void Liberer(HMODULE module) { FreeLibrary(module); }
};
using CModule = CPoignee<HMODULE, RegleModule>;

// A text that the scheduler allocated; it belongs to the caller, who frees it with
// CoTaskMemFree.
struct RegleTexteCom
{
    static LPWSTR Nulle() { return nullptr; }
    static void Liberer(LPWSTR texte) { CoTaskMemFree(texte); }
};
using CTexteCom = CPoignee<LPWSTR, RegleTexteCom>;

// The COM apartment of the user-interface thread, from Initialiser until Terminer or the
// end of the object; a failed CoInitialize is not balanced by CoUninitialize.
class CApartementCom
{
public:
    CApartementCom() = default;
    ~CApartementCom() { Terminer(); }
    CApartementCom(const CApartementCom&) = delete;
    CApartementCom& operator=(const CApartementCom&) = delete;

    HRESULT Initialiser()
    {
        const HRESULT hr = CoInitialize(nullptr);
        m_initialise = SUCCEEDED(hr);
        return hr;
    }
    void Terminer()
    {
        if (m_initialise)
            CoUninitialize();
        m_initialise = false;
    }

private:
    bool m_initialise = false;
};
