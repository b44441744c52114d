#include "PlanificateurChrono.h"

#include "PlanificateurPanne.h"

namespace
{
// The tests' wrapper of the scheduler, whose calls are timed here instead of journalled.
class CChronoAppels : public CPannes
{
public:
    explicit CChronoAppels(MesuresAppels& mesures) : m_mesures(mesures) {}
    HRESULT Autour(const char*, const std::wstring&, const std::function<HRESULT()>& appel) override
    {
        const auto debut = Horloge::now();
        const HRESULT hr = appel();
        m_mesures.finDernier = Horloge::now();
        m_mesures.secondes += Secondes(debut, m_mesures.finDernier);
        if (m_mesures.vide)
            m_mesures.debutPremier = debut;
        m_mesures.vide = false;
        return hr;
    }

private:
    MesuresAppels& m_mesures;
};
} // namespace

std::unique_ptr<CPlanificateur> PlanificateurChrono(std::unique_ptr<CPlanificateur> vrai,
                                                    MesuresAppels& mesures)
{
    return EnvelopperPlanificateur(std::move(vrai), std::make_shared<CChronoAppels>(mesures));
}
