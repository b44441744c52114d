#pragma once
// System calls with faults on demand: while an object of this class lives, this executable's
// calls to the ODBC functions, to the account's names and to CoCreateInstance (its import table
// rewritten) go through `pannes`, by the function's name, and the one a test chose fails
// (SQL_ERROR, without a diagnostic record; FALSE; the code injected) before it reaches the system.

#include "PlanificateurPanne.h"

class CDetourImports
{
public:
    explicit CDetourImports(CPannes& pannes);
    ~CDetourImports();
    CDetourImports(const CDetourImports&) = delete;
    CDetourImports& operator=(const CDetourImports&) = delete;
};
