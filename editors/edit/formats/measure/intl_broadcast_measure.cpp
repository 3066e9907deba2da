// Hand measurement under Wine: a broadcast of the "intl" settings change with
// the format controller and 100 listeners against the same broadcast with
// none (no controller window), interleaved in one run; the goal is at most
// 1.25 times. Not a test: it judges the machine as much as our code.
//   tools/wine-run.sh build/target64/editors/edit/formats/intl_broadcast_measure.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "classlib/application.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/edit/formats/cxformats.h"
#include "editors/foundation/core/cxfoundationunits.h"

namespace {

struct TListener : IcxFormatListener {
    int Changes = 0;
    void FormatChanged() override { ++Changes; }
};

double BroadcastMs()
{
    DWORD_PTR result = 0;
    const auto start = std::chrono::steady_clock::now();
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"), SMTO_ABORTIFHUNG,
                        5000, &result);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    Application.Initialize();
    TUnitsStarted foundation(cxFoundationUnits());
    TUnitsStarted edit(cxEditUnits());
    std::vector<TListener> listeners(100);
    std::vector<double> none, listened;
    BroadcastMs();
    for (int r = 0; r < rounds; ++r) {
        none.push_back(BroadcastMs());
        for (TListener& l : listeners)
            FormatControllerInstance().AddFormatListener(&l);
        listened.push_back(BroadcastMs());
        for (TListener& l : listeners)
            FormatControllerInstance().RemoveFormatListener(&l);
    }
    const double a = Median(none), b = Median(listened);
    std::printf("intl broadcast, median of %d: none %.3f ms, controller with 100 listeners %.3f ms, ratio %.2f "
                "(goal 1.25 at most); each listener told %d times\n",
                rounds, a, b, b / a, listeners[0].Changes);
    return 0;
}
