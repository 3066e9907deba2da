// The wall-clock seconds one run of a benchmark's timed part takes, for
// benchmarks that time two parts side by side in one loop.
#pragma once

#include <chrono>

inline double Seconds(auto&& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
