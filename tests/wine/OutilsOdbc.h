#pragma once
// Helpers of the tests under Wine around the channel database, without GoogleTest (the
// benchmarks use them too): paths between Unix and the drive letters, the requests the
// stand-in setup DLL logged, the rows of a list box.

#include <windows.h>

#include <string>
#include <vector>

// A Unix path as the drive path a Windows program uses (Wine's wine_get_dos_file_name);
// empty when not under Wine.
std::string CheminDos(const std::string& cheminUnix);

// A scratch folder of the build, emptied; its drive path.
std::string DossierEssai(const std::string& nom);

// Lines of a text file (without their ends); none when the file does not exist.
std::vector<std::string> LignesFichier(const std::string& chemin);

// The requests the stand-in setup DLL logged since the last call ("ADD <DBQ>", "REMOVE").
std::vector<std::string> JournalConfigDsn();

// The rows of a list box.
std::vector<std::string> LignesListe(HWND liste);
