#include "tasks/PlanificateurMemoire.h"

#include <functional>
#include <wchar.h>

namespace
{
constexpr HRESULT TRIGGER_ABSENT = static_cast<HRESULT>(0x80041309);   // SCHED_E_TRIGGER_NOT_FOUND
constexpr HRESULT PAS_DE_PROCHAINE = static_cast<HRESULT>(0x00041307); // no valid trigger
constexpr HRESULT NOM_PRIS = static_cast<HRESULT>(0x80070050);         // ERROR_FILE_EXISTS
constexpr HRESULT NOM_ABSENT = static_cast<HRESULT>(0x80070002);       // ERROR_FILE_NOT_FOUND

// The failure of the call, else `sinon` when the call cannot be done, else success.
HRESULT Resultat(HRESULT hr, bool possible, HRESULT sinon)
{
    return FAILED(hr) || possible ? hr : sinon;
}

class CDeclencheurMemoire : public CDeclencheur
{
public:
    CDeclencheurMemoire(CPlanificateurMemoire& store, TASK_TRIGGER& t) : m_store(store), m_t(t) {}
    HRESULT Definir(const TASK_TRIGGER& t) override { return m_store.Copier("SetTrigger", t, m_t); }
    HRESULT Lire(TASK_TRIGGER& t) override { return m_store.Copier("GetTriggerData", m_t, t); }

private:
    CPlanificateurMemoire& m_store;
    TASK_TRIGGER& m_t;
};

// The work item's IPersistFile.
class CFichierMemoire : public CPersistance
{
public:
    explicit CFichierMemoire(std::function<HRESULT()> enregistrer) : m_enregistrer(std::move(enregistrer)) {}
    HRESULT Enregistrer() override { return m_enregistrer(); }

private:
    std::function<HRESULT()> m_enregistrer;
};

// A work item handed out: its own copy of the stored one, its base.
class CTacheMemoire : public CTache, public TacheStockee
{
public:
    CTacheMemoire(CPlanificateurMemoire& store, std::wstring nom, const TacheStockee& contenu)
        : TacheStockee(contenu), m_store(store), m_nom(std::move(nom))
    {
    }

    HRESULT LireDeclencheur(WORD index, std::unique_ptr<CDeclencheur>& d) override
    {
        d.reset();
        const HRESULT hr = Resultat(m_store.Appel("GetTrigger"), index < declencheurs.size(), TRIGGER_ABSENT);
        if (hr == S_OK)
            d = std::make_unique<CDeclencheurMemoire>(m_store, declencheurs[index]);
        return hr;
    }
    HRESULT CreerDeclencheur(WORD& index, std::unique_ptr<CDeclencheur>& d) override
    {
        d.reset();
        const HRESULT hr = m_store.Appel("CreateTrigger");
        if (FAILED(hr))
            return hr;
        index = static_cast<WORD>(declencheurs.size());
        declencheurs.emplace_back().cbTriggerSize = sizeof(TASK_TRIGGER);
        d = std::make_unique<CDeclencheurMemoire>(m_store, declencheurs[index]);
        return hr;
    }
    HRESULT LireParametres(std::wstring& t) override { return Lire("GetParameters", parametres, t); }
    HRESULT LireApplication(std::wstring& t) override { return Lire("GetApplicationName", application, t); }
    HRESULT LireCommentaire(std::wstring& t) override { return Lire("GetComment", commentaire, t); }
    HRESULT LireCompte(std::wstring& t) override { return Lire("GetAccountInformation", compte, t); }
    HRESULT DefinirApplication(const wchar_t* t) override
    {
        return Ecrire("SetApplicationName", application, t);
    }
    HRESULT DefinirParametres(const wchar_t* t) override { return Ecrire("SetParameters", parametres, t); }
    HRESULT DefinirIndicateurs(DWORD i) override { return m_store.Copier("SetFlags", i, indicateurs); }
    HRESULT ProchaineExecution(SYSTEMTIME& t) override
    {
        t = SYSTEMTIME{};
        const HRESULT hr = m_store.Copier("GetNextRunTime", prochaine.value_or(SYSTEMTIME{}), t);
        return Resultat(hr, prochaine.has_value(), PAS_DE_PROCHAINE);
    }
    HRESULT DefinirCompte(const wchar_t* c, const wchar_t* mdp) override
    {
        const HRESULT hr = Resultat(m_store.Appel("SetAccountInformation"), c != nullptr, E_INVALIDARG);
        if (hr == S_OK)
        {
            compte = c;
            motDePasse = mdp != nullptr ? mdp : L"";
        }
        return hr;
    }
    HRESULT ObtenirPersistance(std::unique_ptr<CPersistance>& p) override
    {
        p.reset();
        const HRESULT hr = m_store.Appel("QueryInterface(IPersistFile)");
        if (SUCCEEDED(hr))
            p = std::make_unique<CFichierMemoire>([this] { return m_store.Enregistrer(m_nom, *this); });
        return hr;
    }

private:
    HRESULT Lire(const char* operation, const std::wstring& valeur, std::wstring& texte)
    {
        texte.clear();
        return m_store.Copier(operation, valeur, texte);
    }
    HRESULT Ecrire(const char* operation, std::wstring& valeur, const wchar_t* texte)
    {
        return m_store.Copier(operation, std::wstring(texte != nullptr ? texte : L""), valeur);
    }

    CPlanificateurMemoire& m_store;
    std::wstring m_nom;
};

// A list of the names at Enum, given out in batches.
class CEnumerateurMemoire : public CEnumerateurTaches
{
public:
    explicit CEnumerateurMemoire(CPlanificateurMemoire& store) : m_store(store), m_noms(store.Noms()) {}
    HRESULT Suivants(ULONG demandes, std::vector<std::wstring>& noms) override
    {
        noms.clear();
        const HRESULT hr = m_store.Appel("Next");
        while (SUCCEEDED(hr) && noms.size() < demandes && m_suivant < m_noms.size())
            noms.push_back(m_noms[m_suivant++] + L".job");
        return Resultat(hr, noms.size() == demandes, S_FALSE);
    }

private:
    CPlanificateurMemoire& m_store;
    std::vector<std::wstring> m_noms;
    std::size_t m_suivant = 0;
};
} // namespace

HRESULT CPlanificateurMemoire::Appel(const char* operation)
{
    m_journal.emplace_back(operation);
    const auto echec = m_echecs.find({operation, ++m_appels[operation]});
    return echec != m_echecs.end() ? echec->second : S_OK;
}

HRESULT CPlanificateurMemoire::Enregistrer(const std::wstring& nom, const TacheStockee& contenu)
{
    const HRESULT hr = Appel("Save");
    if (FAILED(hr))
        return hr;
    const TacheStockee* avant = Trouver(nom);
    TacheStockee copie = contenu;
    copie.enregistrements = (avant != nullptr ? avant->enregistrements : 0) + 1;
    Stocker(nom, copie);
    return hr;
}

// Names are compared without regard to case, as the store's files are.
std::size_t CPlanificateurMemoire::Chercher(const std::wstring& nom) const
{
    std::size_t i = 0;
    while (i < m_taches.size() && _wcsicmp(m_taches[i].first.c_str(), nom.c_str()) != 0)
        ++i;
    return i;
}

void CPlanificateurMemoire::Stocker(const std::wstring& nom, const TacheStockee& tache)
{
    if (Chercher(nom) == m_taches.size())
        m_taches.emplace_back(nom, TacheStockee{});
    m_taches[Chercher(nom)].second = tache;
}

const TacheStockee* CPlanificateurMemoire::Trouver(const std::wstring& nom) const
{
    const std::size_t i = Chercher(nom);
    return i < m_taches.size() ? &m_taches[i].second : nullptr;
}

std::vector<std::wstring> CPlanificateurMemoire::Noms() const
{
    std::vector<std::wstring> noms;
    for (const auto& tache : m_taches)
        noms.push_back(tache.first);
    return noms;
}

HRESULT CPlanificateurMemoire::Enumerer(std::unique_ptr<CEnumerateurTaches>& enumerateur)
{
    enumerateur.reset();
    const HRESULT hr = Appel("Enum");
    if (SUCCEEDED(hr))
        enumerateur = std::make_unique<CEnumerateurMemoire>(*this);
    return hr;
}

HRESULT CPlanificateurMemoire::Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    tache.reset();
    const HRESULT hr = Resultat(Appel("Activate"), Trouver(nom) != nullptr, NOM_ABSENT);
    if (hr == S_OK)
        tache = std::make_unique<CTacheMemoire>(*this, nom, *Trouver(nom));
    return hr;
}

HRESULT CPlanificateurMemoire::NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    tache.reset();
    const HRESULT hr = Resultat(Appel("NewWorkItem"), Trouver(nom) == nullptr, NOM_PRIS);
    if (hr == S_OK)
        tache = std::make_unique<CTacheMemoire>(*this, nom, TacheStockee{});
    return hr;
}

// Only the store's own work items come back to it.
HRESULT CPlanificateurMemoire::AjouterTache(const wchar_t* nom, CTache& tache)
{
    const HRESULT hr = Resultat(Appel("AddWorkItem"), Trouver(nom) == nullptr, NOM_PRIS);
    if (hr == S_OK)
        Stocker(nom, dynamic_cast<CTacheMemoire&>(tache));
    return hr;
}

HRESULT CPlanificateurMemoire::Supprimer(const wchar_t* nom)
{
    const std::size_t i = Chercher(nom);
    const HRESULT hr = Resultat(Appel("Delete"), i < m_taches.size(), NOM_ABSENT);
    if (hr == S_OK)
        m_taches.erase(m_taches.begin() + static_cast<std::ptrdiff_t>(i));
    return hr;
}
