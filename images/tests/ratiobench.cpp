#include "images/tests/ratiobench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {
volatile std::size_t sink;

double Milliseconds(const std::function<std::size_t()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    sink = sink + work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}
} // namespace

int RunRatioCases(const std::vector<TRatioCase>& cases, int repeats, const std::string& filter, double limit)
{
    int over = 0;
    for (const TRatioCase& c : cases) {
        if (c.name.find(filter) == std::string::npos)
            continue;
        // One untimed run each, so first-use costs fall outside; then the
        // sides alternate, so a change in the machine's load hits both.
        Milliseconds(c.ours), Milliseconds(c.theirs);
        std::vector<double> ours, theirs;
        for (int i = 0; i < std::max(repeats, 1); ++i) {
            ours.push_back(Milliseconds(c.ours));
            theirs.push_back(Milliseconds(c.theirs));
        }
        const double ratio = Median(ours) / Median(theirs);
        over += ratio > limit;
        std::printf("%-52s ours %9.2f ms  theirs %9.2f ms  ratio %5.2f%s\n", c.name.c_str(), Median(ours), Median(theirs),
                    ratio, ratio > limit ? "  (over)" : "");
        std::fflush(stdout);
    }
    return over;
}
