#pragma once
// The benchmarks' clock.

#include <chrono>

using Horloge = std::chrono::steady_clock;

inline double Secondes(Horloge::time_point debut, Horloge::time_point fin)
{
    return std::chrono::duration<double>(fin - debut).count();
}
