// Work items in the store: opened, entered, saved and deleted while the scheduler's service may be
// reading their files.

#include "tasks/Commandes.h"

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

bool AbandonnerTache(const ContexteCommande& contexte)
{
    if (contexte.tacheInachevee.empty())
        return true;
    const HRESULT hr = SupprimerTache(contexte.planificateur, contexte.tacheInachevee.c_str());
    contexte.tacheInachevee.clear();
    return SUCCEEDED(hr);
}
