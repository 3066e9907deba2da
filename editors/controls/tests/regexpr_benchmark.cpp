// FeedText beside pcre2_dfa_match (no JIT) on the same mask and text, the
// memory held per fed byte, and how feeding single digits into (\d+)* scales.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "editors/controls/regexpr/cxregexpr.h"
#include "editors/controls/tests/benchseconds.h"
#include "editors/controls/tests/regexpr_oracle.h"

namespace {

std::size_t liveBytes = 0;

const TFormatSettings& Settings()
{
    static const TFormatSettings settings = ChineseFormatSettings();
    return settings;
}

std::string MebibyteOf(const std::string& unit)
{
    std::string text;
    while (text.size() + unit.size() <= (1u << 20))
        text += unit;
    return text;
}

// Goal: at most 4 times PCRE2's DFA matcher, at most 32 bytes held per fed byte.
void FeedTextBesidePcre2(benchmark::State& state, const char* mask, const char* unit)
{
    const std::string text = MebibyteOf(unit);
    const std::string pattern = *cxRegExprToPcre2(mask, false, Settings());
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                     PCRE2_NEVER_UTF | PCRE2_NEVER_UCP, &error, &offset, nullptr);
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    std::vector<int> workspace(4000);
    double ours = 0, theirs = 0, heldPerByte = 0;
    for (auto _ : state) {
        TcxRegExpr expr(Settings());
        expr.Compile(mask);
        const std::size_t before = liveBytes;
        ours += Seconds([&] { benchmark::DoNotOptimize(expr.FeedText(text)); });
        heldPerByte = static_cast<double>(liveBytes - before) / static_cast<double>(text.size());
        if (!expr.IsMatchComplete())
            state.SkipWithError("the text does not match the mask");
        theirs += Seconds([&] {
            const int rc = pcre2_dfa_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0,
                                           PCRE2_ANCHORED, data, nullptr, workspace.data(), workspace.size());
            if (rc < 0)
                state.SkipWithError(("PCRE2 did not match: " + std::to_string(rc)).c_str());
        });
    }
    state.counters["ratio"] = ours / theirs;
    state.counters["held_bytes_per_fed_byte"] = heldPerByte;
    pcre2_match_data_free(data);
    pcre2_code_free(code);
}
BENCHMARK_CAPTURE(FeedTextBesidePcre2, time, "(\\d\\d:\\d\\d' ')*", "12:34 ")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FeedTextBesidePcre2, words, "(\\w+|[\\x20,.])*", "fox, jumps over. ")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FeedTextBesidePcre2, alternatives, "((ab|ac)d|a(bd|e))+", "abdacdaeabd")->Unit(benchmark::kMillisecond);

// Goal: ten times the digits in at most twelve times the time.
void DigitsFedSingly(benchmark::State& state)
{
    const auto feed = [](int count) {
        TcxRegExpr expr(Settings());
        expr.Compile("(\\d+)*");
        for (int i = 0; i < count; ++i) {
            char c = static_cast<char>('0' + i % 10);
            expr.FeedChar(c);
        }
    };
    double small = 0, large = 0;
    for (auto _ : state) {
        small += Seconds([&] { feed(1'000); });
        large += Seconds([&] { feed(10'000); });
    }
    state.counters["ratio_10000_to_1000"] = large / small;
}
BENCHMARK(DigitsFedSingly)->Unit(benchmark::kMillisecond);

} // namespace

// Counts the bytes held, for the memory a fed byte costs.
void* operator new(std::size_t size)
{
    void* p = std::malloc(size + 16);
    if (!p)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = size;
    liveBytes += size;
    return static_cast<char*>(p) + 16;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    char* block = static_cast<char*>(p) - 16;
    liveBytes -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}
