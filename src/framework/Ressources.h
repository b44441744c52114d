#pragma once
// Owners of the system's resources: every handle, text and COM apartment the program
// obtains is released on every path, error paths included.

#include "framework/Poignee.h"

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

struct RegleCrochet
{
    static HHOOK Nulle() { return nullptr; }
    static void Liberer(HHOOK crochet) { UnhookWindowsHookEx(crochet); }
};
using CCrochet = CPoignee<HHOOK, RegleCrochet>;

// Processes, threads and the other kernel objects whose failed creation gives null.
struct RegleNoyau
{
    static HANDLE Nulle() { return nullptr; }
    static void Liberer(HANDLE objet) { CloseHandle(objet); }
};
using CPoigneeNoyau = CPoignee<HANDLE, RegleNoyau>;

// A file from CreateFile, whose failure gives INVALID_HANDLE_VALUE instead (the value that also
// stands for the current process): that value is this kind's null.
struct RegleFichier
{
    static HANDLE Nulle() { return INVALID_HANDLE_VALUE; }
    static void Liberer(HANDLE fichier) { CloseHandle(fichier); }
};
using CPoigneeFichier = CPoignee<HANDLE, RegleFichier>;

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
