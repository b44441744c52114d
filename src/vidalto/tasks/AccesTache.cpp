#include "tasks/AccesTache.h"

#include "tasks/DeclencheurTache.h"

namespace
{
constexpr HRESULT FICHIER_OCCUPE = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
constexpr int ESSAIS = 40;
constexpr DWORD PAUSE_MS = 25;

// The call's answer once the service has let go of the file, or after a short while.
template <typename Appel> HRESULT Reessayer(Appel appel)
{
    HRESULT hr = appel();
    for (int essai = 1; hr == FICHIER_OCCUPE && essai < ESSAIS; ++essai)
    {
        Sleep(PAUSE_MS);
        hr = appel();
    }
    return hr;
}
} // namespace

HRESULT OuvrirTache(CPlanificateur& planificateur, const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    return Reessayer([&] { return planificateur.Activer(nom, tache); });
}

HRESULT SupprimerTache(CPlanificateur& planificateur, const wchar_t* nom)
{
    return Reessayer([&] { return planificateur.Supprimer(nom); });
}

HRESULT EnregistrerTache(CPersistance& persistance)
{
    return Reessayer([&] { return persistance.Enregistrer(); });
}

HRESULT OuvrirEtLire(CPlanificateur& planificateur, const wchar_t* nom, TacheOuverte& ouverte)
{
    TASK_TRIGGER lu = {};
    HRESULT hr = OuvrirTache(planificateur, nom, ouverte.tache);
    if (SUCCEEDED(hr))
        hr = ouverte.tache->LireParametres(ouverte.parametres);
    if (SUCCEEDED(hr))
        hr = ouverte.tache->LireDeclencheur(0, ouverte.declencheur);
    if (SUCCEEDED(hr))
        hr = ouverte.declencheur->Lire(lu);
    ouverte.lu = DepuisTaskTrigger(lu);
    return hr;
}

HRESULT EnregistrerPuisLancer(CTache& tache, const wchar_t* application,
                              std::unique_ptr<CPersistance>& persistance)
{
    HRESULT hr = tache.ObtenirPersistance(persistance);
    if (SUCCEEDED(hr))
        hr = EnregistrerTache(*persistance);
    if (SUCCEEDED(hr))
        hr = tache.DefinirApplication(application);
    return hr;
}

HRESULT EntrerTache(const ContexteCommande& contexte, const wchar_t* nom, std::unique_ptr<CTache>& tache)
{
    HRESULT hr = contexte.planificateur.NouvelleTache(nom, tache);
    // A name the store refuses may be another work item's: it is left untouched, and this work
    // item never saved (a save would write over the one of that name).
    if (SUCCEEDED(hr))
        hr = contexte.planificateur.AjouterTache(nom, *tache);
    if (SUCCEEDED(hr))
        contexte.tacheInachevee = nom;
    else
        tache.reset();
    return hr;
}

void AcheverTache(const ContexteCommande& contexte)
{
    contexte.tacheInachevee.clear();
}

bool AbandonnerTache(CPlanificateur& planificateur, std::wstring& tacheInachevee)
{
    if (tacheInachevee.empty())
        return true;
    const HRESULT hr = SupprimerTache(planificateur, tacheInachevee.c_str());
    tacheInachevee.clear();
    return SUCCEEDED(hr);
}

std::string TexteTacheRestee(const std::string& nom)
{
    return "La tâche planifiée « " + nom +
           " » n'a pas pu être supprimée : elle reste dans les tâches planifiées.\nSupprimez-la là "
           "avant d'utiliser ce nom à nouveau.";
}
