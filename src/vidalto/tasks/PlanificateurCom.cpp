#include "tasks/PlanificateurCom.h"

#include "framework/Ressources.h"
#include "tasks/UuidTaches.h"

#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace
{
// Reads a text the scheduler allocates, copies it and frees it whatever happens. The call
// comes first: the text pointer is only valid once it has returned.
template <typename Lecture> HRESULT CopierTexte(Lecture lecture, std::wstring& resultat)
{
    LPWSTR brut = nullptr;
    const HRESULT hr = lecture(&brut);
    CTexteCom texte(brut);
    if (SUCCEEDED(hr) && texte.EstValide())
        resultat = texte.Get();
    else
        resultat.clear();
    return hr;
}

// What a call handed out, behind its owner; a success without an object is none.
template <typename Objet, typename Base, typename I>
HRESULT Confier(HRESULT hr, ComPtr<I>& brut, std::unique_ptr<Base>& objet)
{
    objet.reset();
    if (FAILED(hr))
        return hr;
    if (!brut)
        return E_POINTER;
    objet = std::make_unique<Objet>(std::move(brut));
    return hr;
}

class CDeclencheurCom : public CDeclencheur
{
public:
    explicit CDeclencheurCom(ComPtr<ITaskTrigger> declencheur) : m_declencheur(std::move(declencheur)) {}
    HRESULT Definir(const TASK_TRIGGER& declencheur) override
    {
        TASK_TRIGGER copie = declencheur;
        return m_declencheur->SetTrigger(&copie);
    }
    HRESULT Lire(TASK_TRIGGER& declencheur) override
    {
        declencheur = TASK_TRIGGER{};
        declencheur.cbTriggerSize = sizeof(TASK_TRIGGER);
        return m_declencheur->GetTrigger(&declencheur);
    }

private:
    ComPtr<ITaskTrigger> m_declencheur;
};

class CPersistanceCom : public CPersistance
{
public:
    explicit CPersistanceCom(ComPtr<IPersistFile> fichier) : m_fichier(std::move(fichier)) {}
    HRESULT Enregistrer() override { return m_fichier->Save(nullptr, FALSE); }

private:
    ComPtr<IPersistFile> m_fichier;
};

class CTacheCom : public CTache
{
public:
    explicit CTacheCom(ComPtr<ITask> tache) : m_tache(std::move(tache)) {}
    ITask* Interface() const { return m_tache.Get(); }

    HRESULT LireDeclencheur(WORD index, std::unique_ptr<CDeclencheur>& declencheur) override
    {
        ComPtr<ITaskTrigger> brut;
        return Confier<CDeclencheurCom>(m_tache->GetTrigger(index, &brut), brut, declencheur);
    }
    HRESULT CreerDeclencheur(WORD& index, std::unique_ptr<CDeclencheur>& declencheur) override
    {
        ComPtr<ITaskTrigger> brut;
        return Confier<CDeclencheurCom>(m_tache->CreateTrigger(&index, &brut), brut, declencheur);
    }
    HRESULT LireParametres(std::wstring& parametres) override
    {
        return CopierTexte([this](LPWSTR* brut) { return m_tache->GetParameters(brut); }, parametres);
    }
    HRESULT LireApplication(std::wstring& application) override
    {
        return CopierTexte([this](LPWSTR* brut) { return m_tache->GetApplicationName(brut); }, application);
    }
    HRESULT LireCommentaire(std::wstring& commentaire) override
    {
        return CopierTexte([this](LPWSTR* brut) { return m_tache->GetComment(brut); }, commentaire);
    }
    HRESULT DefinirApplication(const wchar_t* application) override
    {
        return m_tache->SetApplicationName(application);
    }
    HRESULT DefinirParametres(const wchar_t* parametres) override
    {
        return m_tache->SetParameters(parametres);
    }
    HRESULT DefinirDossierTravail(const wchar_t* dossier) override
    {
        return m_tache->SetWorkingDirectory(dossier);
    }
    HRESULT DefinirCommentaire(const wchar_t* commentaire) override
    {
        return m_tache->SetComment(commentaire);
    }
    HRESULT ProchaineExecution(SYSTEMTIME& prochaine) override
    {
        prochaine = SYSTEMTIME{};
        return m_tache->GetNextRunTime(&prochaine);
    }
    HRESULT DefinirIndicateurs(DWORD indicateurs) override { return m_tache->SetFlags(indicateurs); }
    HRESULT DefinirCompte(const wchar_t* compte, const wchar_t* motDePasse) override
    {
        // Wine's mstask crashes on a null account.
        if (compte == nullptr)
            return E_INVALIDARG;
        return m_tache->SetAccountInformation(compte, motDePasse);
    }
    HRESULT LireCompte(std::wstring& compte) override
    {
        return CopierTexte([this](LPWSTR* brut) { return m_tache->GetAccountInformation(brut); }, compte);
    }
    HRESULT ObtenirPersistance(std::unique_ptr<CPersistance>& persistance) override
    {
        persistance.reset();
        ComPtr<IPersistFile> fichier;
        const HRESULT hr = m_tache.As(&fichier);
        if (FAILED(hr))
            return hr;
        persistance = std::make_unique<CPersistanceCom>(std::move(fichier));
        return hr;
    }

private:
    ComPtr<ITask> m_tache;
};

class CEnumerateurCom : public CEnumerateurTaches
{
public:
    explicit CEnumerateurCom(ComPtr<IEnumWorkItems> enumerateur) : m_enumerateur(std::move(enumerateur)) {}
    HRESULT Suivants(ULONG demandes, std::vector<std::wstring>& noms) override
    {
        noms.clear();
        LPWSTR* tableau = nullptr;
        ULONG obtenus = 0;
        const HRESULT hr = m_enumerateur->Next(demandes, &tableau, &obtenus);
        if (tableau != nullptr)
        {
            // The array and every name in it belong to the caller.
            for (ULONG i = 0; i < obtenus; ++i)
            {
                CTexteCom nom(tableau[i]);
                if (SUCCEEDED(hr) && nom.EstValide())
                    noms.emplace_back(nom.Get());
            }
            CoTaskMemFree(tableau);
        }
        return hr;
    }

private:
    ComPtr<IEnumWorkItems> m_enumerateur;
};

class CPlanificateurCom : public CPlanificateur
{
public:
    explicit CPlanificateurCom(ComPtr<ITaskScheduler> planificateur)
        : m_planificateur(std::move(planificateur))
    {
    }

    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur) override
    {
        ComPtr<IEnumWorkItems> brut;
        return Confier<CEnumerateurCom>(m_planificateur->Enum(&brut), brut, enumerateur);
    }
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache) override
    {
        ComPtr<IUnknown> obtenu;
        return EnTache(m_planificateur->Activate(nom, IID_ITask, &obtenu), obtenu, tache);
    }
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache) override
    {
        ComPtr<IUnknown> obtenu;
        return EnTache(m_planificateur->NewWorkItem(nom, CLSID_CTask, IID_ITask, &obtenu), obtenu, tache);
    }
    HRESULT AjouterTache(const wchar_t* nom, CTache& tache) override
    {
        auto* com = dynamic_cast<CTacheCom*>(&tache);
        if (com == nullptr)
            return E_INVALIDARG;
        return m_planificateur->AddWorkItem(nom, com->Interface());
    }
    HRESULT Supprimer(const wchar_t* nom) override { return m_planificateur->Delete(nom); }

private:
    static HRESULT EnTache(HRESULT hr, const ComPtr<IUnknown>& obtenu, std::unique_ptr<CTache>& tache)
    {
        tache.reset();
        if (FAILED(hr))
            return hr;
        if (!obtenu)
            return E_POINTER;
        ComPtr<ITask> interfaceTache;
        const HRESULT conversion = obtenu.As(&interfaceTache);
        if (FAILED(conversion))
            return conversion;
        tache = std::make_unique<CTacheCom>(std::move(interfaceTache));
        return hr;
    }

    ComPtr<ITaskScheduler> m_planificateur;
};
} // namespace

HRESULT CreerPlanificateurCom(std::unique_ptr<CPlanificateur>& planificateur)
{
    ComPtr<ITaskScheduler> brut;
    return Confier<CPlanificateurCom>(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                                       IID_ITaskScheduler,
                                                       reinterpret_cast<void**>(brut.GetAddressOf())),
                                      brut, planificateur);
}
