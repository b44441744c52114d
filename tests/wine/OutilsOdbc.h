#pragma once
// A helper of the tests under Wine around the channel database, without GoogleTest (the
// benchmarks use it too).

#include <string>

// A Unix path as the drive path a Windows program under Wine uses.
std::string CheminDos(const std::string& cheminUnix);
