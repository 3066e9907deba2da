// One character typed into the middle of a 1,000-byte regular-expression
// text beside one FeedText of that text (goal: at most 4 times).
#include <benchmark/benchmark.h>

#include <string>

#include "editors/controls/mask/cxmaskeditregexprmode.h"
#include "editors/controls/tests/benchseconds.h"
#include "editors/controls/tests/maskedit_stringport.h"

namespace {

constexpr int kLength = 1000;

void TypeIntoMiddle(benchmark::State& state)
{
    static const TFormatSettings settings = ChineseFormatSettings();
    TcxMaskEditModeOptions options;
    options.Settings = &settings;
    options.Texts = cxRegExprEnglishText;
    const char* const mask = "[0-9a-f]+";
    std::string text;
    for (int i = 0; i < kLength; ++i)
        text += "0123456789abcdef"[i * 7 % 16];

    TMaskStringPort port;
    const auto mode = cxCreateMaskEditMode(emkRegExpr, &port, options, mask);
    port.Show(*mode, text);
    port.Click(*mode, kLength / 2);
    TcxRegExpr expr(settings, cxRegExprEnglishText);
    expr.Compile(mask);

    double typing = 0, feeding = 0;
    for (auto _ : state) {
        typing += Seconds([&] { port.Type(*mode, "7"); });
        // Back to the same text and caret, untimed.
        port.Type(*mode, "\b");
        feeding += Seconds([&] {
            expr.Rewind();
            benchmark::DoNotOptimize(expr.FeedText(text));
        });
    }
    if (port.Text() != text)
        state.SkipWithError("the text did not come back");
    state.counters["ratio"] = typing / feeding;
}
BENCHMARK(TypeIntoMiddle)->Unit(benchmark::kMicrosecond);

} // namespace
