#pragma once
// Peak memory of the start-up, each side in a process of its own: the benchmark starts itself
// again with an argument, and the child returns its peak working set (psapi) as its exit status.

// The child's work, for argument `mode`: the main window's start-up as the program makes it,
// or the bare loop; its peak working set in KiB once done (1 on failure).
int MesurerMemoireEnfant(const char* mode);

// Starts one child of each kind on the store of work items there is, prints both peaks and
// their ratio; false when a child failed.
bool AfficherMemoire();
