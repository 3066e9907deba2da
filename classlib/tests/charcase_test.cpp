// Letter case of GBK texts: whole characters, never a trail byte alone, and
// a lead byte ending the text kept as it is.
#include "classlib/charcase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

#ifdef _WIN32
constexpr bool kLocaleLetters = true;
#else
constexpr bool kLocaleLetters = false;
#endif

struct CaseRow {
    const char* why;
    std::string text, upper, lower;
    // Where the host differs: the locale's double-byte letters stay.
    bool localeOnly = false;
};

TEST(CharCase, WholeCharactersChangeCase)
{
    const CaseRow rows[] = {
        {"ASCII", "aBc1_z", "ABC1_Z", "abc1_z"},
        {"a trail byte that reads as a letter", "\x81\x61" "b\x81\x41", "\x81\x61" "B\x81\x41", "\x81\x61" "b\x81\x41"},
        {"a lead byte ending the text", "x\xC9", "X\xC9", "x\xC9"},
        {"Chinese between letters", "a上午B", "A上午B", "a上午b"},
        {"a pair whose second byte is no trail byte", "\x81\x30" "a", "\x81\x30" "A", "\x81\x30" "a"},
        {"bytes that are no characters", std::string("\x80\xFF\0q", 4), std::string("\x80\xFF\0Q", 4),
         std::string("\x80\xFF\0q", 4)},
        {"full-width letters", "\xA3\xE1\xA3\xC2", "\xA3\xC1\xA3\xC2", "\xA3\xE1\xA3\xE2", true},
        {"Greek", "\xA6\xC1\xA6\xA2", "\xA6\xA1\xA6\xA2", "\xA6\xC1\xA6\xC2", true},
    };
    for (const auto& r : rows) {
        const bool converts = kLocaleLetters || !r.localeOnly;
        EXPECT_EQ(AnsiUpperCase(r.text), converts ? r.upper : r.text) << r.why;
        EXPECT_EQ(AnsiLowerCase(r.text), converts ? r.lower : r.text) << r.why;
        EXPECT_EQ(ApplyCharCase(r.text, TEditCharCase::ecUpperCase), AnsiUpperCase(r.text)) << r.why;
        EXPECT_EQ(ApplyCharCase(r.text, TEditCharCase::ecNormal), r.text) << r.why;
    }
}

// Unequal only: the order of these is the locale's own.
constexpr int kUnequal = 2;

struct CompareRow {
    const char* a;
    const char* b;
    int sign;
    bool localeOnly = false;
};

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(CharCase, CompareTextIgnoresCaseOfWholeCharactersOnly)
{
    const CompareRow rows[] = {
        {"", "", 0},
        {"Apple", "aPPLE", 0},
        {"", "a", -1},
        {"apple", "BANANA", -1},
        {"apple", "apples", -1},
        {"上午", "上午", 0},
        // The system reads a lone lead byte as '?': the bytes still differ.
        {"x?", "x\xC9", kUnequal},
        // Trail bytes 0x61 and 0x41 make two different characters.
        {"\x81\x61", "\x81\x41", kUnequal},
        {"\xA3\xE1", "\xA3\xC1", 0, true},
    };
    for (const auto& r : rows) {
        const int expected = r.localeOnly && !kLocaleLetters ? kUnequal : r.sign;
        const int ab = Sign(AnsiCompareText(r.a, r.b)), ba = Sign(AnsiCompareText(r.b, r.a));
        EXPECT_EQ(ba, -ab) << r.a << " | " << r.b;
        if (expected == kUnequal)
            EXPECT_NE(ab, 0) << r.a << " | " << r.b;
        else
            EXPECT_EQ(ab, expected) << r.a << " | " << r.b;
    }
}

} // namespace
