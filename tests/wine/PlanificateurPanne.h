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
        const HRESULT hr = Appel(operation, nom);
        return FAILED(hr) ? hr : appel();
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
    // Journals the call; its injected failure, or S_OK.
    HRESULT Appel(const std::string& operation, const std::wstring& nom);

    // Wine's scheduler keeps no account: by work item, the account and password given, then
    // those of its last save.
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> m_comptesDonnes, m_comptes;
    // Names the listing gives in place of real work items' (both without ".job"), such as names
    // too long for the store's own files.
    std::map<std::wstring, std::wstring> m_nomsDonnes;

private:
    std::map<std::pair<std::string, int>, HRESULT> m_echecs; // by operation and its call's rank
    std::map<std::pair<std::string, std::wstring>, HRESULT> m_echecsTache;
    std::map<std::string, int> m_appels; // calls made, by operation
    std::vector<std::string> m_journal;
};

// A real scheduler object behind its stand-in, which passes each call on unless it must fail.
template <typename I> class CEnveloppe : public I
{
public:
    CEnveloppe(std::unique_ptr<I> vrai, std::shared_ptr<CPannes> pannes, std::wstring nom = L"")
        : m_vrai(std::move(vrai)), m_pannes(std::move(pannes)), m_nom(std::move(nom))
    {
    }
    std::unique_ptr<I> m_vrai;

protected:
    using T = I;
    using Texte = std::wstring;
    template <typename... P, typename... A>
    HRESULT Passer(const char* operation, HRESULT (I::*methode)(P...), A&&... a)
    {
        return m_pannes->Autour(operation, m_nom,
                                [&] { return ((*m_vrai).*methode)(std::forward<A>(a)...); });
    }
    // What the real object handed out goes behind a stand-in of its own.
    template <typename E, typename J>
    HRESULT Envelopper(HRESULT hr, std::unique_ptr<J>& objet, const std::wstring& nom)
    {
        if (SUCCEEDED(hr) && objet)
            objet = std::make_unique<E>(std::move(objet), m_pannes, nom);
        return hr;
    }

    std::shared_ptr<CPannes> m_pannes;
    std::wstring m_nom; // the work item's, for a work item and what it hands out
};

class CPlanificateurPanne : public CEnveloppe<CPlanificateur>
{
public:
    using CEnveloppe::CEnveloppe;
    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur) override;
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache) override;
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache) override;
    HRESULT AjouterTache(const wchar_t* nom, CTache& tache) override;
    HRESULT Supprimer(const wchar_t* nom) override
    {
        return Passer("Delete", &CPlanificateur::Supprimer, nom);
    }
};

// The real binding (CreerPlanificateurCom) behind `pannes`.
HRESULT CreerPlanificateurPanne(const std::shared_ptr<CPannes>& pannes, std::unique_ptr<CPlanificateur>& p);
