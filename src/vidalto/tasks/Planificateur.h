#pragma once
// Every operation the program makes on the Task Scheduler, behind one interface: the COM
// binding over the real Task Scheduler 1.0 (PlanificateurCom.h), or whatever stands in its place.

#include <windows.h>
#include <mstask.h>

#include <memory>
#include <string>
#include <vector>

class CDeclencheur
{
public:
    virtual ~CDeclencheur() = default;
    virtual HRESULT Definir(const TASK_TRIGGER& declencheur) = 0;
    virtual HRESULT Lire(TASK_TRIGGER& declencheur) = 0;
};

// The work item's IPersistFile.
class CPersistance
{
public:
    virtual ~CPersistance() = default;
    // Save with no file name, not remembered: stores all that was set on the work item.
    virtual HRESULT Enregistrer() = 0;
};

// A work item (ITask with its base IScheduledWorkItem). Texts are copied out and the
// scheduler's own copies freed at once.
class CTache
{
public:
    virtual ~CTache() = default;

    // The trigger of that index; a failure when there is none.
    virtual HRESULT LireDeclencheur(WORD index, std::unique_ptr<CDeclencheur>& declencheur) = 0;
    virtual HRESULT CreerDeclencheur(WORD& index, std::unique_ptr<CDeclencheur>& declencheur) = 0;

    virtual HRESULT LireParametres(std::wstring& parametres) = 0;
    virtual HRESULT LireApplication(std::wstring& application) = 0;
    virtual HRESULT LireCommentaire(std::wstring& commentaire) = 0;
    virtual HRESULT DefinirApplication(const wchar_t* application) = 0;
    virtual HRESULT DefinirParametres(const wchar_t* parametres) = 0;
    virtual HRESULT DefinirDossierTravail(const wchar_t* dossier) = 0;
    virtual HRESULT DefinirCommentaire(const wchar_t* commentaire) = 0;

    // S_OK only when a run is still to come.
    virtual HRESULT ProchaineExecution(SYSTEMTIME& prochaine) = 0;
    virtual HRESULT DefinirIndicateurs(DWORD indicateurs) = 0;
    virtual HRESULT DefinirCompte(const wchar_t* compte, const wchar_t* motDePasse) = 0;
    virtual HRESULT LireCompte(std::wstring& compte) = 0;

    virtual HRESULT ObtenirPersistance(std::unique_ptr<CPersistance>& persistance) = 0;
};

class CEnumerateurTaches
{
public:
    virtual ~CEnumerateurTaches() = default;
    // Up to demandes names; S_FALSE with the last, partial batch (keep its names).
    virtual HRESULT Suivants(ULONG demandes, std::vector<std::wstring>& noms) = 0;
};

class CPlanificateur
{
public:
    virtual ~CPlanificateur() = default;

    virtual HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur) = 0;
    virtual HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache) = 0;
    // A new empty work item; a failure when that name exists (Windows; Wine accepts it).
    virtual HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache) = 0;
    // Enters the work item in the store; refused when the name is taken.
    virtual HRESULT AjouterTache(const wchar_t* nom, CTache& tache) = 0;
    virtual HRESULT Supprimer(const wchar_t* nom) = 0;
};
