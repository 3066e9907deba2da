// Incremental search over 10,000 lookup items beside a plain strncasecmp
// prefix loop over the same items and keys (goal: at most 3 times).
#include <strings.h>

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "editors/controls/tests/benchseconds.h"
#include "editors/controls/text/cxtextlookupsearch.h"

namespace {

constexpr int kItems = 10000;

std::vector<std::string> Items(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(3, 12), letter(0, 51);
    std::vector<std::string> items;
    for (int i = 0; i < kItems; ++i) {
        std::string item;
        for (int n = length(random); n > 0; --n) {
            const int l = letter(random);
            item += static_cast<char>(l < 26 ? 'a' + l : 'A' + l - 26);
        }
        items.push_back(item);
    }
    return items;
}

// Every prefix of items picked at random, as typed one key at a time, in
// the other case; and words no item starts with, which try every item.
std::vector<std::string> Keys(const std::vector<std::string>& items, std::mt19937& random)
{
    std::uniform_int_distribution<std::size_t> pick(0, items.size() - 1);
    std::vector<std::string> keys;
    for (int word = 0; word < 40; ++word) {
        const std::string& item = items[pick(random)];
        for (std::size_t n = 1; n <= item.size(); ++n) {
            std::string key = item.substr(0, n);
            key.back() ^= 0x20;
            keys.push_back(key);
        }
        keys.push_back(item + "0");
    }
    return keys;
}

void IncrementalSearch(benchmark::State& state)
{
    std::mt19937 random(20261210);
    const std::vector<std::string> items = Items(random);
    const std::vector<std::string> keys = Keys(items, random);
    const TcxLookupSearchOptions options;
    double ours = 0, theirs = 0;
    long long agreeing = 0;
    for (auto _ : state) {
        std::vector<int> found, plain;
        ours += Seconds([&] {
            for (const auto& key : keys) {
                const auto result = cxLookupSearch(items, key, -1, false, options);
                found.push_back(result.Found ? *result.Key : -1);
                benchmark::DoNotOptimize(result.Tail.data());
            }
        });
        theirs += Seconds([&] {
            for (const auto& key : keys) {
                int index = -1;
                for (std::size_t i = 0; i < items.size() && index < 0; ++i)
                    if (items[i].size() >= key.size() && strncasecmp(items[i].c_str(), key.c_str(), key.size()) == 0)
                        index = static_cast<int>(i);
                std::string tail = index < 0 ? std::string() : items[static_cast<std::size_t>(index)].substr(key.size());
                plain.push_back(index);
                benchmark::DoNotOptimize(tail.data());
            }
        });
        if (found != plain)
            state.SkipWithError("the two searches found different items");
        agreeing += static_cast<long long>(found.size());
    }
    state.counters["ratio"] = ours / theirs;
    state.counters["keys"] = static_cast<double>(keys.size());
    benchmark::DoNotOptimize(agreeing);
}
BENCHMARK(IncrementalSearch)->Unit(benchmark::kMillisecond);

} // namespace
