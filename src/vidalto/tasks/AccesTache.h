#pragma once
// Work items in the store: entered, opened and read, saved and deleted. The scheduler's service
// reads a work item's file each time it changes, and a call that meets it there is refused
// (ERROR_SHARING_VIOLATION): opening, saving and deleting are asked again for a short while
// before their answer counts.

#include "tasks/ChampsDeclencheur.h"
#include "tasks/ContexteCommande.h"

#include <memory>
#include <string>

HRESULT OuvrirTache(CPlanificateur& planificateur, const wchar_t* nom, std::unique_ptr<CTache>& tache);
HRESULT SupprimerTache(CPlanificateur& planificateur, const wchar_t* nom);
HRESULT EnregistrerTache(CPersistance& persistance);

// A work item opened, with its parameter text and its first trigger read.
struct TacheOuverte
{
    std::unique_ptr<CTache> tache;
    std::unique_ptr<CDeclencheur> declencheur;
    std::wstring parametres;
    ChampsDeclencheur lu;
};
// The first failure's code.
HRESULT OuvrirEtLire(CPlanificateur& planificateur, const wchar_t* nom, TacheOuverte& ouverte);

// The work item saved once as it stands (before its command changes: the last save stores the
// command), then given its application; its persistence, for that last save.
HRESULT EnregistrerPuisLancer(CTache& tache, const wchar_t* application,
                              std::unique_ptr<CPersistance>& persistance);

// A new work item of that name, entered in the store and noted as the command's unfinished one;
// the store's refusal leaves none. AcheverTache once it is complete; AbandonnerTache deletes it
// again (false, when the store refuses, that it is left there), unless the session's end did.
HRESULT EntrerTache(const ContexteCommande& contexte, const wchar_t* nom, std::unique_ptr<CTache>& tache);
void AcheverTache(const ContexteCommande& contexte);
bool AbandonnerTache(CPlanificateur& planificateur, std::wstring& tacheInachevee);

// The box that names a work item a failure left in the store, when deleting it failed too.
std::string TexteTacheRestee(const std::string& nom);
