// Hand measurement under Wine: 100,000 solid brushes over 64 colours from the
// shared cache against making and deleting a brush for each call. Not a test:
// it judges the machine as much as our code.
//   tools/wine-run.sh build/target/editors/foundation/brushcache_measure.exe
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "classlib/units.h"
#include "editors/foundation/graphics/cxeditpaintutils.h"
#include "editors/foundation/core/cxfoundationunits.h"

namespace {

double Now()
{
    LARGE_INTEGER c, f;
    QueryPerformanceCounter(&c);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

TColor ColorOf(int i)
{
    return static_cast<TColor>(RGB((i * 37) & 0xFF, (i * 91) & 0xFF, (i * 13) & 0xFF));
}

} // namespace

int main()
{
    constexpr int kCalls = 100000;
    constexpr int kColors = 64;
    TUnitsStarted units(cxFoundationUnits());
    // The handles are summed so that no call can be left out.
    std::uintptr_t seen = 0;
    // The cache and its palette listener come with the first call: not part of the figure.
    for (int i = 0; i < kColors; ++i)
        seen += reinterpret_cast<std::uintptr_t>(cxSolidBrushFor(ColorOf(i)));
    double start = Now();
    for (int i = 0; i < kCalls; ++i)
        seen += reinterpret_cast<std::uintptr_t>(cxSolidBrushFor(ColorOf(i % kColors)));
    double cached = Now() - start;

    start = Now();
    for (int i = 0; i < kCalls; ++i) {
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorOf(i % kColors)));
        seen += reinterpret_cast<std::uintptr_t>(brush);
        DeleteObject(brush);
    }
    double each = Now() - start;

    std::printf("%d brushes over %d colours: cached %.1f ms, made and deleted %.1f ms, %.1fx (%u)\n", kCalls,
                kColors, cached, each, each / cached, static_cast<unsigned>(seen & 1));
    return 0;
}
