#pragma once
// ODBC with faults on demand: while an object of this class lives, this executable's calls to
// odbc32.dll (its import table rewritten) go through `pannes`, by the function's name, and the
// one a test chose fails with SQL_ERROR, without a diagnostic record, before it reaches the
// driver manager.

#include "PlanificateurPanne.h"

class CDetourOdbc
{
public:
    explicit CDetourOdbc(CPannes& pannes);
    ~CDetourOdbc();
    CDetourOdbc(const CDetourOdbc&) = delete;
    CDetourOdbc& operator=(const CDetourOdbc&) = delete;
};
