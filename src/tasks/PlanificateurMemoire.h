#pragma once
// An in-memory scheduler for the tests that must make one operation fail: it keeps work
// items as the real store does (names compared without regard to case, listed with ".job"; a
// work item handed out is a copy, which Save writes under its name), refuses a taken name at
// NewWorkItem and AddWorkItem as Windows does, journals every call and fails the calls it is
// told to.

#include "tasks/Planificateur.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TacheStockee
{
    std::wstring application, parametres, commentaire;
    std::deque<TASK_TRIGGER> declencheurs; // a trigger handed out keeps its place as others come
    std::wstring compte, motDePasse;
    DWORD indicateurs = 0;
    std::optional<SYSTEMTIME> prochaine; // no next run unless a test sets one
    int enregistrements = 0;             // how many times it was saved
};

class CPlanificateurMemoire : public CPlanificateur
{
public:
    // Fails the rang-th next call of operation (named as the scheduler's method: "Activate",
    // "GetParameters", "Save", "SetTrigger"...) with code, a failure.
    void InjecterEchec(const std::string& operation, HRESULT code, int rang = 1)
    {
        m_echecs[{operation, m_appels[operation] + rang}] = code;
    }
    const std::vector<std::string>& Journal() const { return m_journal; }

    void Stocker(const std::wstring& nom, const TacheStockee& tache);
    const TacheStockee* Trouver(const std::wstring& nom) const;
    std::vector<std::wstring> Noms() const;

    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur) override;
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache) override;
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache) override;
    HRESULT AjouterTache(const wchar_t* nom, CTache& tache) override;
    HRESULT Supprimer(const wchar_t* nom) override;

    // For the objects the store hands out. Every call is journalled and returns its injected
    // failure, or S_OK.
    HRESULT Appel(const char* operation);
    // A call that copies source to cible unless it fails.
    template <typename T> HRESULT Copier(const char* operation, const T& source, T& cible)
    {
        const HRESULT hr = Appel(operation);
        if (SUCCEEDED(hr))
            cible = source;
        return hr;
    }
    // Save: the work item's copy replaces the stored one, counting one more save than it had.
    HRESULT Enregistrer(const std::wstring& nom, const TacheStockee& contenu);

private:
    std::size_t Chercher(const std::wstring& nom) const; // m_taches.size() when missing

    std::vector<std::pair<std::wstring, TacheStockee>> m_taches; // in creation order
    std::map<std::pair<std::string, int>, HRESULT> m_echecs;     // by operation and its call's rank
    std::map<std::string, int> m_appels;                         // calls made, by operation
    std::vector<std::string> m_journal;
};
