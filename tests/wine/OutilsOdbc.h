#pragma once
// Helpers of the tests under Wine around the channel database, without GoogleTest (the
// benchmarks use them too): Unix paths as drive paths, the lines of a file.

#include <string>
#include <vector>

// A Unix path as the drive path a Windows program under Wine uses.
std::string CheminDos(const std::string& cheminUnix);

// Lines of a text file, without their ends; none when the file does not exist.
std::vector<std::string> LignesFichier(const std::string& chemin);
