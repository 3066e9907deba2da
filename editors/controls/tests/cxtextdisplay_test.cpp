// What a text editor shows (password mask, letter case) and which bounds it checks.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/text/cxtextdisplay.h"

namespace {

TEST(TextDisplay, EchoAndCase)
{
    struct Row {
        std::string text;
        TcxEditEchoMode echo;
        char passwordChar;
        TEditCharCase charCase;
        std::string shown;
    } rows[] = {
        {"abc", eemPassword, 0, TEditCharCase::ecNormal, "***"},
        {"abc", eemPassword, '#', TEditCharCase::ecUpperCase, "###"},
        {"上午", eemPassword, 0, TEditCharCase::ecNormal, "****"}, // one per byte
        {"", eemPassword, 0, TEditCharCase::ecNormal, ""},
        {"abc", eemNormal, '#', TEditCharCase::ecUpperCase, "ABC"},
        {"AbC上午", eemNormal, 0, TEditCharCase::ecLowerCase, "abc上午"},
        {"AbC", eemNormal, 0, TEditCharCase::ecNormal, "AbC"},
        {"\x81\x61" "a", eemNormal, 0, TEditCharCase::ecUpperCase, "\x81\x61" "A"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ApplyEchoAndCase(r.text, r.echo, r.passwordChar, r.charCase), r.shown) << r.text;
}

TEST(TextDisplay, WhichBoundsApply)
{
    struct Row {
        const char* why;
        TcxEditBounds bounds;
        bool min, max;
    } rows[] = {
        {"only MinValue assigned", {true, false, 5, 0}, true, false},
        {"only MaxValue assigned", {false, true, 0, -5}, false, true},
        {"both, MaxValue above", {true, true, 1, 2}, true, true},
        {"both, equal", {true, true, 2, 2}, false, false},
        {"both, MaxValue below", {true, true, 3, 2}, false, false},
        {"neither, the defaults", {false, false, 0, 0}, false, false},
        {"neither, a provider's range", {false, false, -1, 1}, true, true},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(IsBoundApplied(r.bounds, 0), r.min) << r.why;
        EXPECT_EQ(IsBoundApplied(r.bounds, 1), r.max) << r.why;
    }
}

} // namespace
