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

class CDeclencheurChrono : public CDeclencheur
{
public:
    CDeclencheurChrono(std::unique_ptr<CDeclencheur> vrai, MesuresAppels& mesures)
        : m_vrai(std::move(vrai)), m_mesures(mesures)
    {
    }
    HRESULT Definir(const TASK_TRIGGER& d) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Definir(d); });
    }
    HRESULT Lire(TASK_TRIGGER& d) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Lire(d); });
    }

private:
    std::unique_ptr<CDeclencheur> m_vrai;
    MesuresAppels& m_mesures;
};

class CPersistanceChrono : public CPersistance
{
public:
    CPersistanceChrono(std::unique_ptr<CPersistance> vrai, MesuresAppels& mesures)
        : m_vrai(std::move(vrai)), m_mesures(mesures)
    {
    }
    HRESULT Enregistrer() override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Enregistrer(); });
    }

private:
    std::unique_ptr<CPersistance> m_vrai;
    MesuresAppels& m_mesures;
};

// What the object hands out is wrapped too, once the real call succeeded.
template <typename Enveloppe, typename Objet>
HRESULT Envelopper(HRESULT hr, std::unique_ptr<Objet>& objet, MesuresAppels& mesures)
{
    if (SUCCEEDED(hr) && objet)
        objet = std::make_unique<Enveloppe>(std::move(objet), mesures);
    return hr;
}

class CTacheChrono : public CTache
{
public:
    CTacheChrono(std::unique_ptr<CTache> vrai, MesuresAppels& mesures)
        : m_vrai(std::move(vrai)), m_mesures(mesures)
    {
    }
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

private:
    std::unique_ptr<CTache> m_vrai;
    MesuresAppels& m_mesures;
};

class CEnumerateurChrono : public CEnumerateurTaches
{
public:
    CEnumerateurChrono(std::unique_ptr<CEnumerateurTaches> vrai, MesuresAppels& mesures)
        : m_vrai(std::move(vrai)), m_mesures(mesures)
    {
    }
    HRESULT Suivants(ULONG n, std::vector<std::wstring>& noms) override
    {
        return Chrono(m_mesures, [&] { return m_vrai->Suivants(n, noms); });
    }

private:
    std::unique_ptr<CEnumerateurTaches> m_vrai;
    MesuresAppels& m_mesures;
};

class CPlanificateurChrono : public CPlanificateur
{
public:
    CPlanificateurChrono(std::unique_ptr<CPlanificateur> vrai, MesuresAppels& mesures)
        : m_vrai(std::move(vrai)), m_mesures(mesures)
    {
    }

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

private:
    std::unique_ptr<CPlanificateur> m_vrai;
    MesuresAppels& m_mesures;
};
} // namespace

std::unique_ptr<CPlanificateur> PlanificateurChrono(std::unique_ptr<CPlanificateur> vrai,
                                                    MesuresAppels& mesures)
{
    return std::make_unique<CPlanificateurChrono>(std::move(vrai), mesures);
}
