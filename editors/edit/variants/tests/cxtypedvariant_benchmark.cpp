// Reading a 16 MiB tag-12 string against one raw ReadBuffer of the same
// bytes (goal: at most 2x), and arrays of 10^4 to 10^6 elements, each step
// ten times the elements in at most twelve times the time. The largest
// array's elements outgrow what the allocator keeps between runs, so its
// step also counts the first touch of fresh pages.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "editors/edit/variants/cxtypedvariant.h"

namespace {

constexpr std::size_t kStringBytes = 16u << 20;

TMemoryStream Written(const Variant& v)
{
    TMemoryStream s;
    WriteTypedVariant(s, v);
    return s;
}

void BM_RawReadBuffer(benchmark::State& state)
{
    TMemoryStream s = Written(Variant(std::string(kStringBytes, 'a')));
    std::vector<char> target(kStringBytes);
    for (auto _ : state) {
        s.SetPosition(5);
        s.ReadBuffer(target.data(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kStringBytes));
}
BENCHMARK(BM_RawReadBuffer)->Unit(benchmark::kMillisecond);

void BM_ReadTypedString(benchmark::State& state)
{
    TMemoryStream s = Written(Variant(std::string(kStringBytes, 'a')));
    for (auto _ : state) {
        s.SetPosition(0);
        Variant v;
        ReadTypedVariant(s, v);
        benchmark::DoNotOptimize(v);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kStringBytes));
}
BENCHMARK(BM_ReadTypedString)->Unit(benchmark::kMillisecond);

// Integers and short strings in turn.
void BM_ReadTypedArray(benchmark::State& state)
{
    std::vector<Variant> elements;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        elements.push_back(i % 2 ? Variant(static_cast<std::int32_t>(i)) : Variant("element"));
    TMemoryStream s = Written(VarArrayOf(std::move(elements)));
    for (auto _ : state) {
        s.SetPosition(0);
        Variant v;
        ReadTypedVariant(s, v);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadTypedArray)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
