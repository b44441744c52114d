#pragma once
// An in-memory scheduler for the tests that must make one operation fail: it keeps work
// items as the real store does (a Save writes the item under its name, names are listed
// with ".job"), refuses a taken name at NewWorkItem and AddWorkItem as Windows does, journals
// every call and fails the calls it is told to.

#include "tasks/Planificateur.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct TacheStockee
{
    std::wstring application;
    std::wstring parametres;
    std::wstring commentaire;
    std::vector<TASK_TRIGGER> declencheurs;
    std::wstring compte;
    std::wstring motDePasse;
    DWORD indicateurs = 0;
    std::optional<SYSTEMTIME> prochaine; // no next run unless a test sets one
    int enregistrements = 0;             // how many times it was saved
};

class CPlanificateurMemoire : public CPlanificateur
{
public:
    // Fails the rang-th next call of operation (named as the scheduler's method: "Activate",
    // "GetParameters", "Save", "SetTrigger"...) with code.
    void InjecterEchec(const std::string& operation, HRESULT code, int rang = 1);
    const std::vector<std::string>& Journal() const { return m_journal; }

    // Store access for tests; names are compared without regard to case.
    void Stocker(const std::wstring& nom, const TacheStockee& tache);
    const TacheStockee* Trouver(const std::wstring& nom) const;
    std::vector<std::wstring> Noms() const;

    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur) override;
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache) override;
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache) override;
    HRESULT AjouterTache(const wchar_t* nom, CTache& tache) override;
    HRESULT Supprimer(const wchar_t* nom) override;

    // For the objects the store hands out: journals the call; its injected failure, or S_OK.
    HRESULT Appel(const char* operation);
    void Enregistrer(const std::wstring& nom, const TacheStockee& contenu);

private:
    std::vector<std::pair<std::wstring, TacheStockee>>::iterator Chercher(const std::wstring& nom);

    std::vector<std::pair<std::wstring, TacheStockee>> m_taches; // in creation order
    std::map<std::string, std::vector<std::pair<int, HRESULT>>> m_echecs;
    std::vector<std::string> m_journal;
};
