#pragma once
// System calls with faults on demand: while an object of this class lives, this executable's
// calls to the ODBC functions, to the account's names, to CoCreateInstance, to the loading of the
// ODBC installer, to the program's own path and its files' attributes, and to Shutdown.exe's
// privilege and shutdown request (its import table rewritten) go through `pannes`, by the
// function's name, and the one a test chose fails (SQL_ERROR, without a diagnostic record; FALSE
// or null, the code injected as the last error; the code injected) before it reaches the system. A function
// of `remplacements` goes to the stand-in given instead, of the same type, which reaches the system through
// Original.

#include "PlanificateurPanne.h"

#include <map>
#include <string>

class CDetourImports
{
public:
    explicit CDetourImports(CPannes& pannes, std::map<std::string, void*> remplacements = {});
    ~CDetourImports();
    CDetourImports(const CDetourImports&) = delete;
    CDetourImports& operator=(const CDetourImports&) = delete;

    // The system's function of that name, while the object lives.
    static void* Original(const char* nom);
};
