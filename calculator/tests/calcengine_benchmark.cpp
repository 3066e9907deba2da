#include "calculator/calcengine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void EvaluateLine(benchmark::State& state)
{
    const std::string tape = "30+45/(2+3)+40*sin(60)+2^3";
    TCalcEngine engine;
    for (auto _ : state) {
        engine.splitexpr(tape, tape.size());
        benchmark::DoNotOptimize(engine.calcbracket());
    }
}
BENCHMARK(EvaluateLine);

// A long working tape: every line already has its result, the last one is being typed.
std::string LongTape(bool withResults)
{
    std::string tape;
    for (int line = 0; line < 9999; ++line) {
        tape += withResults ? "20+30*(2.3+3.8)/15+50=82.2\r\n" : "20+30*(2.3+3.8)/15+50+\r\n";
    }
    tape += "30+45/(2+3)+40*sin(60)+2^3";
    return tape;
}

void SplitTape(benchmark::State& state, bool withResults)
{
    const std::string tape = LongTape(withResults);
    TCalcEngine engine;
    for (auto _ : state) {
        engine.splitexpr(tape, tape.size());
        benchmark::DoNotOptimize(engine.explist.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tape.size()));
}
BENCHMARK_CAPTURE(SplitTape, LongTape, true);
// No line has a result yet: the whole tape is one expression.
BENCHMARK_CAPTURE(SplitTape, LongUnfinishedTape, false);

void EvaluateLongUnfinishedTape(benchmark::State& state)
{
    const std::string tape = LongTape(false);
    TCalcEngine engine;
    for (auto _ : state) {
        engine.splitexpr(tape, tape.size());
        benchmark::DoNotOptimize(engine.calcbracket());
    }
}
BENCHMARK(EvaluateLongUnfinishedTape);

}  // namespace
