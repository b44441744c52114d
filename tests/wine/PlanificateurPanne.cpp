#include "PlanificateurPanne.h"

#include "tasks/PlanificateurCom.h"

namespace
{
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
        for (std::wstring& nom : noms)
        {
            const auto donne = m_pannes->m_nomsDonnes.find(nom.substr(0, nom.size() - 4));
            if (donne != m_pannes->m_nomsDonnes.end())
                nom = donne->second + L".job";
        }
        return hr;
    }
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

HRESULT CPlanificateurPanne::Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur)
{
    return Envelopper<CEnumerateurPanne>(Passer("Enum", &CPlanificateur::Enumerer, enumerateur), enumerateur,
                                         L"");
}

HRESULT CPlanificateurPanne::Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    std::wstring vrai = nom;
    for (const auto& [reel, donne] : m_pannes->m_nomsDonnes)
        if (donne == nom)
            vrai = reel;
    return Envelopper<CTachePanne>(Passer("Activate", &CPlanificateur::Activer, vrai.c_str(), tache), tache,
                                   nom);
}

HRESULT CPlanificateurPanne::NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    return Envelopper<CTachePanne>(Passer("NewWorkItem", &CPlanificateur::NouvelleTache, nom, tache), tache,
                                   nom);
}

// The store takes the real work item.
HRESULT CPlanificateurPanne::AjouterTache(const wchar_t* nom, CTache& tache)
{
    return Passer("AddWorkItem", &CPlanificateur::AjouterTache, nom,
                  *static_cast<CTachePanne&>(tache).m_vrai);
}

HRESULT CreerPlanificateurPanne(const std::shared_ptr<CPannes>& pannes, std::unique_ptr<CPlanificateur>& p)
{
    std::unique_ptr<CPlanificateur> vrai;
    const HRESULT hr = CreerPlanificateurCom(vrai);
    p.reset(SUCCEEDED(hr) ? new CPlanificateurPanne(std::move(vrai), pannes) : nullptr);
    return hr;
}
