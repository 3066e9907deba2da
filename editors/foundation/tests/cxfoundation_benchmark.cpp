// "XDBM" coding against a plain copy of the same bytes, and text layout over
// 1 and 2 MB (with tabs, and with one 100 kB word) to show it stays linear.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/foundation/core/cxtextlayout.h"
#include "editors/foundation/graphics/cxxdbm.h"

namespace {

// A 32-bit picture's bytes: flat areas and a gradient, 4 MB.
std::vector<std::uint8_t> PictureBytes()
{
    std::vector<std::uint8_t> b(4 << 20);
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = (i / 4096) % 2 ? static_cast<std::uint8_t>(0xF0) : static_cast<std::uint8_t>(i / 4 + (i % 4) * 40);
    return b;
}

void BM_PlainCopy(benchmark::State& state)
{
    auto plain = PictureBytes();
    std::vector<std::uint8_t> copy(plain.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), plain.data(), plain.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(plain.size()));
}
BENCHMARK(BM_PlainCopy);

void BM_XdbmEncode(benchmark::State& state)
{
    auto plain = PictureBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(cxXdbmEncode(plain.data(), plain.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(plain.size()));
}
BENCHMARK(BM_XdbmEncode);

void BM_XdbmDecode(benchmark::State& state)
{
    auto plain = PictureBytes();
    auto runs = cxXdbmEncode(plain.data(), plain.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(cxXdbmDecode(runs.data(), runs.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(plain.size()));
}
BENCHMARK(BM_XdbmDecode);

// Words of letters and double-byte characters, tabs and line breaks.
std::string Text(std::size_t size, bool tabs, bool longWord)
{
    std::string t;
    const std::string words[] = {"alpha ", "\xC4\xE3\xBA\xC3 ", "be ", "\xCA\xC0\xBD\xE7\xCA\xC0 ", "gamma\t", "\r\n"};
    for (std::size_t i = 0; t.size() < size; ++i) {
        if (longWord && i == 10)
            t.append(100000, 'w');
        const std::string& w = words[i * 7 % 6];
        t += !tabs && w.back() == '\t' ? "gamma " : w;
    }
    return t;
}

// Linear in the bytes measured, as a DC is: tabs go to the next multiple of 56.
int Measure(const char* p, int length)
{
    int x = 0;
    for (int i = 0; i < length; ++i)
        x = p[i] == '\t' ? (x / 56 + 1) * 56 : x + 7;
    return x;
}

void BM_Layout(benchmark::State& state)
{
    bool tabs = state.range(1) & 1, longWord = state.range(1) & 2;
    std::string text = Text(static_cast<std::size_t>(state.range(0)) << 20, tabs, longWord);
    TcxFontMetrics metrics;
    metrics.Height = 16;
    TcxTextParams params =
        cxMakeTextParams(cxtoWordBreak | (tabs ? cxtoExpandTabs : 0u) | cxtoIgnoreHeight, metrics, 21, false);
    TcxTextRows rows;
    for (auto _ : state) {
        cxLayoutTextRows(text, TRect{0, 0, 300, 100}, 0, params, Measure, rows);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
// Arguments: megabytes; 1 tabs, 2 a 100 kB word.
BENCHMARK(BM_Layout)->ArgsProduct({{1, 2}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);

} // namespace
