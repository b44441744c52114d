// Opening and deleting a work item while the scheduler's service may be reading its file.

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
