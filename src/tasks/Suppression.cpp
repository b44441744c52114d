#include "tasks/Commandes.h"

namespace
{
constexpr HRESULT FICHIER_OCCUPE = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
constexpr int ESSAIS = 40;
constexpr DWORD PAUSE_MS = 25;
} // namespace

HRESULT SupprimerTache(CPlanificateur& planificateur, const wchar_t* nom)
{
    HRESULT hr = planificateur.Supprimer(nom);
    for (int essai = 1; hr == FICHIER_OCCUPE && essai < ESSAIS; ++essai)
    {
        Sleep(PAUSE_MS);
        hr = planificateur.Supprimer(nom);
    }
    return hr;
}
