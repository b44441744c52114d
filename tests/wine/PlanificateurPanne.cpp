#include "PlanificateurPanne.h"

#include "tasks/PlanificateurCom.h"

namespace
{
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

class CDeclencheurPanne : public CEnveloppe<CDeclencheur>
{
public:
    using CEnveloppe::CEnveloppe;
    HRESULT Definir(const TASK_TRIGGER& t) override { return Passer("SetTrigger", &T::Definir, t); }
    HRESULT Lire(TASK_TRIGGER& t) override { return Passer("GetTriggerData", &T::Lire, t); }
};

// A save stores the account given to the work item.
class CPersistancePanne : public CEnveloppe<CPersistance>
{
public:
    using CEnveloppe::CEnveloppe;
    HRESULT Enregistrer() override
    {
        const HRESULT hr = Passer("Save", &T::Enregistrer);
        const auto donne = m_pannes->m_comptesDonnes.find(m_nom);
        if (SUCCEEDED(hr) && donne != m_pannes->m_comptesDonnes.end())
            m_pannes->m_comptes[m_nom] = donne->second;
        return hr;
    }
};

class CTachePanne : public CEnveloppe<CTache>
{
public:
    using CEnveloppe::CEnveloppe;
    HRESULT LireDeclencheur(WORD index, std::unique_ptr<CDeclencheur>& d) override
    {
        return Envelopper<CDeclencheurPanne>(Passer("GetTrigger", &T::LireDeclencheur, index, d), d, m_nom);
    }
    HRESULT CreerDeclencheur(WORD& index, std::unique_ptr<CDeclencheur>& d) override
    {
        return Envelopper<CDeclencheurPanne>(Passer("CreateTrigger", &T::CreerDeclencheur, index, d), d,
                                             m_nom);
    }
    HRESULT LireParametres(Texte& t) override { return Passer("GetParameters", &T::LireParametres, t); }
    HRESULT LireApplication(Texte& t) override
    {
        return Passer("GetApplicationName", &T::LireApplication, t);
    }
    HRESULT LireCommentaire(Texte& t) override { return Passer("GetComment", &T::LireCommentaire, t); }
    HRESULT DefinirApplication(LPCWSTR t) override
    {
        return Passer("SetApplicationName", &T::DefinirApplication, t);
    }
    HRESULT DefinirParametres(LPCWSTR t) override
    {
        return Passer("SetParameters", &T::DefinirParametres, t);
    }
    HRESULT DefinirDossierTravail(LPCWSTR t) override
    {
        return Passer("SetWorkingDirectory", &T::DefinirDossierTravail, t);
    }
    HRESULT DefinirCommentaire(LPCWSTR t) override { return Passer("SetComment", &T::DefinirCommentaire, t); }
    HRESULT ProchaineExecution(SYSTEMTIME& t) override
    {
        return Passer("GetNextRunTime", &T::ProchaineExecution, t);
    }
    HRESULT DefinirIndicateurs(DWORD i) override { return Passer("SetFlags", &T::DefinirIndicateurs, i); }
    HRESULT DefinirCompte(const wchar_t* compte, const wchar_t* motDePasse) override
    {
        const HRESULT hr = Passer("SetAccountInformation", &T::DefinirCompte, compte, motDePasse);
        if (SUCCEEDED(hr))
            m_pannes->m_comptesDonnes[m_nom] = {compte, motDePasse != nullptr ? motDePasse : L""};
        return hr;
    }
    HRESULT LireCompte(Texte& t) override { return Passer("GetAccountInformation", &T::LireCompte, t); }
    HRESULT ObtenirPersistance(std::unique_ptr<CPersistance>& p) override
    {
        const HRESULT hr = Passer("QueryInterface(IPersistFile)", &T::ObtenirPersistance, p);
        return Envelopper<CPersistancePanne>(hr, p, m_nom);
    }
};

class CEnumerateurPanne : public CEnveloppe<CEnumerateurTaches>
{
public:
    using CEnveloppe::CEnveloppe;
    HRESULT Suivants(ULONG demandes, std::vector<std::wstring>& noms) override
    {
        noms.clear();
        const HRESULT hr = Passer("Next", &T::Suivants, demandes, noms);
        noms.insert(noms.end(), m_pannes->m_nomsEnPlus.begin(), m_pannes->m_nomsEnPlus.end());
        m_pannes->m_nomsEnPlus.clear();
        return hr;
    }
};

class CPlanificateurPanne : public CEnveloppe<CPlanificateur>
{
public:
    using CEnveloppe::CEnveloppe;
    ~CPlanificateurPanne() override
    {
        m_vrai.reset();
        m_pannes->Liberation();
    }
    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& e) override
    {
        return Envelopper<CEnumerateurPanne>(Passer("Enum", &T::Enumerer, e), e, L"");
    }
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& t) override
    {
        return Envelopper<CTachePanne>(Passer("Activate", &T::Activer, nom, t), t, nom);
    }
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& t) override
    {
        return Envelopper<CTachePanne>(Passer("NewWorkItem", &T::NouvelleTache, nom, t), t, nom);
    }
    // The store takes the real work item.
    HRESULT AjouterTache(const wchar_t* nom, CTache& t) override
    {
        return Passer("AddWorkItem", &T::AjouterTache, nom, *static_cast<CTachePanne&>(t).m_vrai);
    }
    HRESULT Supprimer(const wchar_t* nom) override { return Passer("Delete", &T::Supprimer, nom); }
};
} // namespace

HRESULT CPannes::Appel(const std::string& operation, const std::wstring& nom)
{
    m_journal.push_back(operation);
    const auto echec = m_echecs.find({operation, ++m_appels[operation]});
    const auto echecTache = m_echecsTache.find({operation, nom});
    return echec != m_echecs.end()             ? echec->second
           : echecTache != m_echecsTache.end() ? echecTache->second
                                               : S_OK;
}

std::unique_ptr<CPlanificateur> EnvelopperPlanificateur(std::unique_ptr<CPlanificateur> vrai,
                                                        std::shared_ptr<CPannes> pannes)
{
    return std::make_unique<CPlanificateurPanne>(std::move(vrai), std::move(pannes));
}

HRESULT CreerPlanificateurPanne(const std::shared_ptr<CPannes>& pannes, std::unique_ptr<CPlanificateur>& p)
{
    std::unique_ptr<CPlanificateur> vrai;
    const HRESULT hr = CreerPlanificateurCom(vrai);
    p = SUCCEEDED(hr) ? EnvelopperPlanificateur(std::move(vrai), pannes) : nullptr;
    return hr;
}
