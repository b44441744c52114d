#include "PlanificateurChrono.h"

namespace
{
// Runs one call of the real object and adds its time.
template <typename Appel> HRESULT Chrono(MesuresAppels& mesures, Appel appel)
{
    const auto debut = Horloge::now();
    const HRESULT hr = appel();
    mesures.finDernier = Horloge::now();
    mesures.secondes += Secondes(debut, mesures.finDernier);
    if (mesures.vide)
        mesures.debutPremier = debut;
    mesures.vide = false;
    return hr;
}

// What every timed object holds: the real one, and where its calls' times go.
template <typename Interface> class CChrono : public Interface
{
public:
    CChrono(std::unique_ptr<Interface> vrai, MesuresAppels& mesures)
        : m_vrai(std::move(vrai)), m_mesures(mesures)
    {
    }

protected:
    std::unique_ptr<Interface> m_vrai;
    MesuresAppels& m_mesures;
};

class CDeclencheurChrono : public CChrono<CDeclencheur>
{
public:
    using CChrono::CChrono;
    HRESULT Definir(const TASK_TRIGGER& d) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Definir(d); });
    }
    HRESULT Lire(TASK_TRIGGER& d) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Lire(d); });
    }
};

class CPersistanceChrono : public CChrono<CPersistance>
{
public:
    using CChrono::CChrono;
    HRESULT Enregistrer() override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Enregistrer(); });
    }
};

// What the object hands out is wrapped too, once the real call succeeded.
template <typename Enveloppe, typename Objet>
HRESULT Envelopper(HRESULT hr, std::unique_ptr<Objet>& objet, MesuresAppels& mesures)
{
    if (SUCCEEDED(hr) && objet)
        objet = std::make_unique<Enveloppe>(std::move(objet), mesures);
    return hr;
}

class CTacheChrono : public CChrono<CTache>
{
public:
    using CChrono::CChrono;
    CTache& Vraie() { return *m_vrai; }

    HRESULT LireDeclencheur(WORD i, std::unique_ptr<CDeclencheur>& d) override
    {
        return Envelopper<CDeclencheurChrono>(
            Chrono(m_mesures, [&] { return m_vrai->LireDeclencheur(i, d); }), d, m_mesures);
    }
    HRESULT CreerDeclencheur(WORD& i, std::unique_ptr<CDeclencheur>& d) override
    {
        return Envelopper<CDeclencheurChrono>(
            Chrono(m_mesures, [&] { return m_vrai->CreerDeclencheur(i, d); }), d, m_mesures);
    }
    HRESULT LireParametres(std::wstring& t) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->LireParametres(t); });
    }
    HRESULT LireApplication(std::wstring& t) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->LireApplication(t); });
    }
    HRESULT LireCommentaire(std::wstring& t) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->LireCommentaire(t); });
    }
    HRESULT DefinirApplication(const wchar_t* t) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->DefinirApplication(t); });
    }
    HRESULT DefinirParametres(const wchar_t* t) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->DefinirParametres(t); });
    }
    HRESULT ProchaineExecution(SYSTEMTIME& p) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->ProchaineExecution(p); });
    }
    HRESULT DefinirIndicateurs(DWORD i) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->DefinirIndicateurs(i); });
    }
    HRESULT DefinirCompte(const wchar_t* c, const wchar_t* m) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->DefinirCompte(c, m); });
    }
    HRESULT LireCompte(std::wstring& c) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->LireCompte(c); });
    }
    HRESULT ObtenirPersistance(std::unique_ptr<CPersistance>& p) override
    {
        return Envelopper<CPersistanceChrono>(
            Chrono(m_mesures, [&] { return m_vrai->ObtenirPersistance(p); }), p, m_mesures);
    }
};

class CEnumerateurChrono : public CChrono<CEnumerateurTaches>
{
public:
    using CChrono::CChrono;
    HRESULT Suivants(ULONG n, std::vector<std::wstring>& noms) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Suivants(n, noms); });
    }
};

class CPlanificateurChrono : public CChrono<CPlanificateur>
{
public:
    using CChrono::CChrono;

    HRESULT Enumerer(std::unique_ptr<CEnumerateurTaches>& e) override
    {
        return Envelopper<CEnumerateurChrono>(Chrono(m_mesures, [&] { return m_vrai->Enumerer(e); }), e,
                                              m_mesures);
    }
    HRESULT Activer(const wchar_t* nom, std::unique_ptr<CTache>& t) override
    {
        return Envelopper<CTacheChrono>(Chrono(m_mesures, [&] { return m_vrai->Activer(nom, t); }), t,
                                        m_mesures);
    }
    HRESULT NouvelleTache(const wchar_t* nom, std::unique_ptr<CTache>& t) override
    {
        return Envelopper<CTacheChrono>(Chrono(m_mesures, [&] { return m_vrai->NouvelleTache(nom, t); }), t,
                                        m_mesures);
    }
    // The real scheduler knows its own work items only.
    HRESULT AjouterTache(const wchar_t* nom, CTache& t) override
    {
        auto* chrono = dynamic_cast<CTacheChrono*>(&t);
        return Chrono(m_mesures, [&] { return m_vrai->AjouterTache(nom, chrono ? chrono->Vraie() : t); });
    }
    HRESULT Supprimer(const wchar_t* nom) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Supprimer(nom); });
    }
};
} // namespace

std::unique_ptr<CPlanificateur> PlanificateurChrono(std::unique_ptr<CPlanificateur> vrai,
                                                    MesuresAppels& mesures)
{
    return std::make_unique<CPlanificateurChrono>(std::move(vrai), mesures);
}
