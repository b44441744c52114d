#pragma once
// The store of the start-up benchmarks: 1,000 recording work items written straight through the
// scheduler's COM interfaces, and the floor they are measured against: a bare loop of the
// scheduler calls the start-up makes.

#include "tasks/UuidTaches.h"

#include <wrl/client.h>

constexpr int NOMBRE_TACHES = 1000;

// The Task Scheduler's own object; empty on failure.
Microsoft::WRL::ComPtr<ITaskScheduler> Planificateur();

// Writes the 1,000 work items (replacing those of the same names); false on failure.
bool CreerTaches(ITaskScheduler* planificateur);
void SupprimerTaches(ITaskScheduler* planificateur);

// The scheduler calls of the start-up, and nothing else: no conversion, no list, no window. Its
// own scheduler object first, as the start-up creates one (under Wine that creation costs as
// much as listing some fifty work items). The number of work items read; -1 when the store
// cannot be listed.
int BoucleNue();

// HKLM\SOFTWARE\Hauppauge\Radio\TvAppPath, the TV folder the main window reads at start-up.
void DefinirCheminTV(const char* chemin = "C:\\TV");
