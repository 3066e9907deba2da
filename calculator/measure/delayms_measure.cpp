// Hand measurement of the speech pause on the real message pump: 100 pauses
// of 280 ms against the performance counter. Run it under Wine or Windows;
// not a test, because it judges the machine's clock as much as our code.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "calculator/delayms_win.h"

int main()
{
    constexpr int kPauses = 100;
    constexpr int kRequested = 280;

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);

    double total = 0;
    double shortest = 1e9;
    double longest = 0;
    for (int i = 0; i < kPauses; ++i) {
        // Something in the queue, as while the window is open.
        PostThreadMessageA(GetCurrentThreadId(), WM_USER, 0, 0);
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        delayms(kRequested);
        QueryPerformanceCounter(&end);
        const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                          static_cast<double>(frequency.QuadPart);
        total += ms;
        shortest = std::min(shortest, ms);
        longest = std::max(longest, ms);
    }
    const double mean = total / kPauses;
    std::printf("%d pauses of %d ms: mean %.3f ms, error %+.3f ms per pause, shortest %.3f, longest %.3f\n",
                kPauses, kRequested, mean, mean - kRequested, shortest, longest);
    return 0;
}
