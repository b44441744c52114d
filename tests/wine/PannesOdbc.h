#pragma once
// ODBC with faults on demand: while an object of this class lives, this executable's calls to
// odbc32.dll (its import table rewritten) are journalled by the function's name, and the one a
// test chose fails with SQL_ERROR, without a diagnostic record, before it reaches the driver
// manager.

#include <map>
#include <string>
#include <utility>
#include <vector>

class CPannesOdbc
{
public:
    CPannesOdbc();
    ~CPannesOdbc();
    CPannesOdbc(const CPannesOdbc&) = delete;
    CPannesOdbc& operator=(const CPannesOdbc&) = delete;

    // Fails the rang-th call of that function.
    void InjecterEchec(const std::string& fonction, int rang) { m_echec = {fonction, rang}; }
    const std::vector<std::string>& Journal() const { return m_journal; }
    // Journals the call; true when it must fail.
    bool Appel(const char* fonction);

private:
    std::pair<std::string, int> m_echec;
    std::map<std::string, int> m_appels;
    std::vector<std::string> m_journal;
};
