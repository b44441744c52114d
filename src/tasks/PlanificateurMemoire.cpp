#include "tasks/PlanificateurMemoire.h"

#include <algorithm>
#include <cwctype>

namespace
{
constexpr HRESULT TRIGGER_ABSENT = static_cast<HRESULT>(0x80041309);   // SCHED_E_TRIGGER_NOT_FOUND
constexpr HRESULT PAS_DE_PROCHAINE = static_cast<HRESULT>(0x00041307); // no valid trigger
constexpr HRESULT NOM_PRIS = static_cast<HRESULT>(0x80070050);         // ERROR_FILE_EXISTS
constexpr HRESULT NOM_ABSENT = static_cast<HRESULT>(0x80070002);       // ERROR_FILE_NOT_FOUND

class CDeclencheurMemoire : public CDeclencheur
{
public:
    CDeclencheurMemoire(CPlanificateurMemoire& store, TASK_TRIGGER& declencheur)
        : m_store(store), m_declencheur(declencheur)
    {
    }
    HRESULT Definir(const TASK_TRIGGER& declencheur) override
    {
        const HRESULT hr = m_store.Appel("SetTrigger");
        if (SUCCEEDED(hr))
            m_declencheur = declencheur;
        return hr;
    }
    HRESULT Lire(TASK_TRIGGER& declencheur) override
    {
        const HRESULT hr = m_store.Appel("GetTriggerData");
        if (SUCCEEDED(hr))
            declencheur = m_declencheur;
        return hr;
    }

private:
    CPlanificateurMemoire& m_store;
    TASK_TRIGGER& m_declencheur;
};

class CTacheMemoire;

class CPersistanceMemoire : public CPersistance
{
public:
    explicit CPersistanceMemoire(CTacheMemoire& tache) : m_tache(tache) {}
    HRESULT Enregistrer() override;

private:
    CTacheMemoire& m_tache;
};

class CTacheMemoire : public CTache
{
public:
    CTacheMemoire(CPlanificateurMemoire& store, std::wstring nom, TacheStockee contenu)
        : m_store(store), m_nom(std::move(nom)), m_contenu(std::move(contenu))
    {
        // Triggers handed out keep pointing at their place.
        m_contenu.declencheurs.reserve(64);
    }

    HRESULT LireDeclencheur(WORD index, std::unique_ptr<CDeclencheur>& declencheur) override
    {
        declencheur.reset();
        HRESULT hr = m_store.Appel("GetTrigger");
        if (FAILED(hr))
            return hr;
        if (index >= m_contenu.declencheurs.size())
            return TRIGGER_ABSENT;
        declencheur = std::make_unique<CDeclencheurMemoire>(m_store, m_contenu.declencheurs[index]);
        return hr;
    }
    HRESULT CreerDeclencheur(WORD& index, std::unique_ptr<CDeclencheur>& declencheur) override
    {
        declencheur.reset();
        HRESULT hr = m_store.Appel("CreateTrigger");
        if (FAILED(hr))
            return hr;
        if (m_contenu.declencheurs.size() == m_contenu.declencheurs.capacity())
            return E_OUTOFMEMORY;
        TASK_TRIGGER nouveau = {};
        nouveau.cbTriggerSize = sizeof(TASK_TRIGGER);
        m_contenu.declencheurs.push_back(nouveau);
        index = static_cast<WORD>(m_contenu.declencheurs.size() - 1);
        declencheur = std::make_unique<CDeclencheurMemoire>(m_store, m_contenu.declencheurs.back());
        return hr;
    }
    HRESULT LireParametres(std::wstring& texte) override
    {
        return Lire("GetParameters", m_contenu.parametres, texte);
    }
    HRESULT LireApplication(std::wstring& texte) override
    {
        return Lire("GetApplicationName", m_contenu.application, texte);
    }
    HRESULT LireCommentaire(std::wstring& texte) override
    {
        return Lire("GetComment", m_contenu.commentaire, texte);
    }
    HRESULT DefinirApplication(const wchar_t* texte) override
    {
        return Ecrire("SetApplicationName", m_contenu.application, texte);
    }
    HRESULT DefinirParametres(const wchar_t* texte) override
    {
        return Ecrire("SetParameters", m_contenu.parametres, texte);
    }
    HRESULT ProchaineExecution(SYSTEMTIME& prochaine) override
    {
        prochaine = SYSTEMTIME{};
        const HRESULT hr = m_store.Appel("GetNextRunTime");
        if (FAILED(hr))
            return hr;
        if (!m_contenu.prochaine)
            return PAS_DE_PROCHAINE;
        prochaine = *m_contenu.prochaine;
        return S_OK;
    }
    HRESULT DefinirIndicateurs(DWORD indicateurs) override
    {
        const HRESULT hr = m_store.Appel("SetFlags");
        if (SUCCEEDED(hr))
            m_contenu.indicateurs = indicateurs;
        return hr;
    }
    HRESULT DefinirCompte(const wchar_t* compte, const wchar_t* motDePasse) override
    {
        const HRESULT hr = m_store.Appel("SetAccountInformation");
        if (FAILED(hr))
            return hr;
        if (compte == nullptr)
            return E_INVALIDARG;
        m_contenu.compte = compte;
        m_contenu.motDePasse = motDePasse != nullptr ? motDePasse : L"";
        return hr;
    }
    HRESULT LireCompte(std::wstring& compte) override
    {
        return Lire("GetAccountInformation", m_contenu.compte, compte);
    }
    HRESULT ObtenirPersistance(std::unique_ptr<CPersistance>& persistance) override
    {
        persistance.reset();
        const HRESULT hr = m_store.Appel("QueryInterface(IPersistFile)");
        if (SUCCEEDED(hr))
            persistance = std::make_unique<CPersistanceMemoire>(*this);
        return hr;
    }

    HRESULT Enregistrer()
    {
        const HRESULT hr = m_store.Appel("Save");
        if (SUCCEEDED(hr))
            m_store.Enregistrer(m_nom, m_contenu);
        return hr;
    }
    const std::wstring& Nom() const { return m_nom; }
    const TacheStockee& Contenu() const { return m_contenu; }

private:
    HRESULT Lire(const char* operation, const std::wstring& valeur, std::wstring& texte)
    {
        texte.clear();
        const HRESULT hr = m_store.Appel(operation);
        if (SUCCEEDED(hr))
            texte = valeur;
        return hr;
    }
    HRESULT Ecrire(const char* operation, std::wstring& valeur, const wchar_t* texte)
    {
        const HRESULT hr = m_store.Appel(operation);
        if (SUCCEEDED(hr))
            valeur = texte != nullptr ? texte : L"";
        return hr;
    }

    CPlanificateurMemoire& m_store;
    std::wstring m_nom;
    TacheStockee m_contenu;
};

HRESULT CPersistanceMemoire::Enregistrer()
{
    return m_tache.Enregistrer();
}

class CEnumerateurMemoire : public CEnumerateurTaches
{
public:
    CEnumerateurMemoire(CPlanificateurMemoire& store, std::vector<std::wstring> noms)
        : m_store(store), m_noms(std::move(noms))
    {
    }
    HRESULT Suivants(ULONG demandes, std::vector<std::wstring>& noms) override
    {
        noms.clear();
        const HRESULT hr = m_store.Appel("Next");
        if (FAILED(hr))
            return hr;
        while (noms.size() < demandes && m_suivant < m_noms.size())
            noms.push_back(m_noms[m_suivant++] + L".job");
        return noms.size() == demandes ? S_OK : S_FALSE;
    }

private:
    CPlanificateurMemoire& m_store;
    std::vector<std::wstring> m_noms;
    std::size_t m_suivant = 0;
};
} // namespace

void CPlanificateurMemoire::InjecterEchec(const std::string& operation, HRESULT code, int rang)
{
    m_echecs[operation].emplace_back(rang, code);
}

HRESULT CPlanificateurMemoire::Appel(const char* operation)
{
    m_journal.emplace_back(operation);
    auto trouve = m_echecs.find(operation);
    if (trouve == m_echecs.end())
        return S_OK;
    HRESULT resultat = S_OK;
    for (auto& [rang, code] : trouve->second)
    {
        if (--rang == 0)
            resultat = code;
    }
    auto& echecs = trouve->second;
    echecs.erase(std::remove_if(echecs.begin(), echecs.end(), [](const auto& e) { return e.first <= 0; }),
                 echecs.end());
    return resultat;
}

// Names are compared without regard to case, as the store's files are.
std::vector<std::pair<std::wstring, TacheStockee>>::iterator
CPlanificateurMemoire::Chercher(const std::wstring& nom)
{
    const auto cle = [](std::wstring texte) {
        for (auto& c : texte)
            c = static_cast<wchar_t>(std::towlower(c));
        return texte;
    };
    return std::find_if(m_taches.begin(), m_taches.end(),
                        [&](const auto& t) { return cle(t.first) == cle(nom); });
}

void CPlanificateurMemoire::Stocker(const std::wstring& nom, const TacheStockee& tache)
{
    const auto trouvee = Chercher(nom);
    if (trouvee != m_taches.end())
        trouvee->second = tache;
    else
        m_taches.emplace_back(nom, tache);
}

void CPlanificateurMemoire::Enregistrer(const std::wstring& nom, const TacheStockee& contenu)
{
    TacheStockee copie = contenu;
    const TacheStockee* avant = Trouver(nom);
    copie.enregistrements = (avant != nullptr ? avant->enregistrements : 0) + 1;
    Stocker(nom, copie);
}

const TacheStockee* CPlanificateurMemoire::Trouver(const std::wstring& nom) const
{
    const auto trouvee = const_cast<CPlanificateurMemoire*>(this)->Chercher(nom);
    return trouvee != m_taches.end() ? &trouvee->second : nullptr;
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
        enumerateur = std::make_unique<CEnumerateurMemoire>(*this, Noms());
    return hr;
}

HRESULT CPlanificateurMemoire::Activer(const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    tache.reset();
    const HRESULT hr = Appel("Activate");
    if (FAILED(hr))
        return hr;
    const TacheStockee* stockee = Trouver(nom);
    if (stockee == nullptr)
        return NOM_ABSENT;
    tache = std::make_unique<CTacheMemoire>(*this, nom, *stockee);
    return hr;
}

HRESULT CPlanificateurMemoire::NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    tache.reset();
    const HRESULT hr = Appel("NewWorkItem");
    if (FAILED(hr))
        return hr;
    if (Trouver(nom) != nullptr)
        return NOM_PRIS;
    tache = std::make_unique<CTacheMemoire>(*this, nom, TacheStockee{});
    return hr;
}

HRESULT CPlanificateurMemoire::AjouterTache(const wchar_t* nom, CTache& tache)
{
    const HRESULT hr = Appel("AddWorkItem");
    if (FAILED(hr))
        return hr;
    if (Trouver(nom) != nullptr)
        return NOM_PRIS;
    auto* memoire = dynamic_cast<CTacheMemoire*>(&tache);
    if (memoire == nullptr)
        return E_INVALIDARG;
    Stocker(nom, memoire->Contenu());
    return hr;
}

HRESULT CPlanificateurMemoire::Supprimer(const wchar_t* nom)
{
    const HRESULT hr = Appel("Delete");
    const auto trouvee = Chercher(nom);
    if (FAILED(hr) || trouvee == m_taches.end())
        return FAILED(hr) ? hr : NOM_ABSENT;
    m_taches.erase(trouvee);
    return hr;
}
