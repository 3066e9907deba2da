#include "images/tests/ratiobench.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
volatile std::size_t sink;

// Processor time, the kernel's page faults included: on a machine shared with
// other work the wall clock measures the other work too.
double ProcessMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Milliseconds(const std::function<std::size_t()>& work)
{
    const double start = ProcessMilliseconds();
    sink = sink + work();
    return ProcessMilliseconds() - start;
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
