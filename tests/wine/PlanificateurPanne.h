#pragma once
// Wine's real Task Scheduler, through the program's own binding, with faults on demand: every
// call made through it is journalled by the scheduler method's name ("Activate", "GetParameters",
// "Save", "SetTrigger"...), and the calls a test chose fail before they reach the store. The
// benchmarks time the same calls through a record of their own (Autour).

#include "tasks/Planificateur.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What a test sets and reads. Shared with the scheduler objects, which the main window releases
// before the test looks.
class CPannes
{
public:
    virtual ~CPannes() = default;
    // Every call of the wrapped scheduler: its failure when one was injected, else `appel`.
    virtual HRESULT Autour(const char* operation, const std::wstring& nom,
                           const std::function<HRESULT()>& appel)
    {
        HRESULT hr = Appel(operation, nom);
        if (SUCCEEDED(hr) && FAILED(hr = appel()))
            ++m_echecsReels[operation];
        return hr;
    }
    // Fails the rang-th next call of that operation with code, a failure; or its calls on the
    // work item `nom`.
    void InjecterEchec(const std::string& operation, HRESULT code, int rang = 1)
    {
        m_echecs[{operation, m_appels[operation] + rang}] = code;
    }
    void InjecterEchec(const std::string& operation, HRESULT code, const std::wstring& nom)
    {
        m_echecsTache[{operation, nom}] = code;
    }
    const std::vector<std::string>& Journal() const { return m_journal; }
    // Called when the scheduler object goes, once its real one is released.
    virtual void Liberation() {}
    // Journals the call; its injected failure, or S_OK.
    HRESULT Appel(const std::string& operation, const std::wstring& nom);

    // Wine's scheduler keeps no account: by work item, the account and password given, then
    // those of its last save.
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> m_comptesDonnes, m_comptes;
    // The calls the real scheduler failed itself, by operation (its service may hold a file).
    std::map<std::string, int> m_echecsReels;
    // Names the enumerator lists besides the store's, with its first batch.
    std::vector<std::wstring> m_nomsEnPlus;

private:
    std::map<std::pair<std::string, int>, HRESULT> m_echecs; // by operation and its call's rank
    std::map<std::pair<std::string, std::wstring>, HRESULT> m_echecsTache;
    std::map<std::string, int> m_appels; // calls made, by operation
    std::vector<std::string> m_journal;
};

// The scheduler `vrai` behind `pannes`, as every object it hands out.
std::unique_ptr<CPlanificateur> EnvelopperPlanificateur(std::unique_ptr<CPlanificateur> vrai,
                                                        std::shared_ptr<CPannes> pannes);
// The real binding (CreerPlanificateurCom) behind `pannes`.
HRESULT CreerPlanificateurPanne(const std::shared_ptr<CPannes>& pannes, std::unique_ptr<CPlanificateur>& p);
