// The lookup items' search: prefixes and whole texts compared without
// regard to ASCII case, a GBK character at a time.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editors/controls/text/cxtextlookupsearch.h"

namespace {

const std::vector<std::string> kFruit = {"apple", "apricot", "banana"};

struct SearchRow {
    const char* why;
    std::vector<std::string> items;
    std::string text;
    int after;
    bool exact;
    TcxLookupSearchOptions options;
    bool found;
    std::string shown, tail;
    std::optional<int> key;
};

TEST(LookupSearch, FindsTheFirstItemStartingWithTheText)
{
    const std::vector<std::string> dayHalves = {"上午", "下午"};
    const std::vector<std::string> trailLetters = {"\x81\x61" "x", "\x81\x41" "y"};
    const SearchRow rows[] = {
        {"a completes to apple", kFruit, "a", -1, false, {}, true, "a", "pple", 0},
        {"apr completes to apricot", kFruit, "apr", -1, false, {}, true, "apr", "icot", 1},
        {"the item's own case", kFruit, "AP", -1, false, {}, true, "ap", "ple", 0},
        {"nothing starts with it: the typed text stays", kFruit, "x", -1, false, {}, false, "x", "", -1},
        {"an empty list", {}, "a", -1, false, {}, false, "a", "", -1},
        {"an empty text finds nothing", kFruit, "", -1, false, {}, false, "", "", -1},
        {"continues after the current item", kFruit, "ap", 0, false, {}, true, "ap", "ricot", 1},
        {"no wrap-around past the last", kFruit, "ap", 1, false, {}, false, "ap", "", -1},
        {"longer than every item", kFruit, "apples", -1, false, {}, false, "apples", "", -1},
        {"a whole item has an empty tail", kFruit, "BANANA", -1, false, {}, true, "banana", "", 2},
        {"下 against 上午 and 下午", dayHalves, "下", -1, false, {}, true, "下", "午", 1},
        {"a lead byte alone never takes half of a character", dayHalves, "\xC9", -1, false, {}, false, "\xC9", "", -1},
        {"a trail byte is no letter", trailLetters, "\x81\x41", -1, false, {}, true, "\x81\x41", "y", 1},
        {"NUL bytes are text", {std::string("a\0b", 3)}, std::string("A\0", 2), -1, false, {}, true,
         std::string("a\0", 2), "b", 0},
        {"most recently used, exact: the equal item", kFruit, "Apricot", -1, true, {temEdit, true}, true, "Apricot", "",
         1},
        {"most recently used, exact: a start is not enough", kFruit, "apr", -1, true, {temEdit, true}, false, "apr", "",
         -1},
        {"most recently used, not exact: a start is enough", kFruit, "apr", -1, false, {temEdit, true}, true, "apr",
         "icot", 1},
    };
    for (const auto& r : rows) {
        const auto result = cxLookupSearch(r.items, r.text, r.after, r.exact, r.options);
        EXPECT_EQ(result.Found, r.found) << r.why;
        EXPECT_EQ(result.Text, r.shown) << r.why;
        EXPECT_EQ(result.Tail, r.tail) << r.why;
        EXPECT_EQ(result.Key, r.key) << r.why;
    }
}

TEST(LookupSearch, ANoMatchClearsTheKeyByMode)
{
    struct Row {
        TcxTextEditingMode mode;
        bool exact;
        const char* text;
        bool clears;
    } rows[] = {
        {temEdit, false, "x", true},       {temEdit, false, "", true},      {temNoEdit, false, "x", true},
        {temEditList, false, "x", false},  {temEditList, false, "", true},  {temEditList, true, "x", true},
        {temFixedList, false, "x", false}, {temFixedList, false, "", false}, {temFixedList, true, "x", true},
    };
    for (const auto& r : rows) {
        const auto result = cxLookupSearch(kFruit, r.text, -1, r.exact, {r.mode, false});
        EXPECT_FALSE(result.Found);
        EXPECT_EQ(result.Key, r.clears ? std::optional<int>(-1) : std::nullopt)
            << "mode " << int(r.mode) << " exact " << r.exact << " text '" << r.text << "'";
    }
}

TEST(LookupSearch, WholeTextsCompareByCharacters)
{
    struct Row {
        std::string item, text;
        bool same;
    } rows[] = {
        {"Apple", "aPPLE", true},
        {"apple", "apples", false},
        {"上午", "上午", true},
        {"上午", "下午", false},
        {"\x81\x61", "\x81\x41", false},
        {"x\xC9", "X\xC9", true},
        {"x\xC9", "x?", false},
        {"[", "{", false}, // 0x5B and 0x7B differ by the case bit but are no letters
        {"", "", true},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(cxLookupSameText(r.item, r.text), r.same) << r.item << " | " << r.text;
        EXPECT_EQ(cxIsLookupItem(std::vector<std::string>{"other", r.item}, r.text), r.same) << r.item;
    }
    EXPECT_EQ(cxLookupIndexOf(std::vector<std::string>{"b", "A", "a"}, "a"), 1) << "the first equal item";
}

TEST(LookupSearch, ChangedTextSearchesUnlessTheShownItemReadsIt)
{
    struct Row {
        int itemIndex;
        const char* text;
        TcxTextEditingMode mode;
        std::optional<int> key;
    } rows[] = {
        {1, "APRICOT", temEdit, std::nullopt}, // already shown
        {-1, "", temEdit, std::nullopt},       // nothing shown, nothing typed
        {1, "banana", temEdit, 2},
        {1, "ban", temEditList, 2},            // still a search by the start
        {0, "zzz", temEditList, -1},
        {0, "zzz", temFixedList, -1},
        {5, "apple", temEdit, 0},              // an index past the items shows nothing
    };
    for (const auto& r : rows)
        EXPECT_EQ(cxLookupKeyForText(kFruit, r.itemIndex, r.text, {r.mode, false}), r.key)
            << r.itemIndex << " " << r.text;
}

} // namespace
