// Formats taken apart: item kinds and texts, first occurrences, nested
// formats, the hour's 12/24 prefix, failures and double-byte characters.
#include <string>

#include <gtest/gtest.h>

#include "editors/edit/formats/cxdatetimeformatinfo.h"

// GCC 12 at -O3 takes a short literal assigned to a copied string's member
// for an overlapping copy (its bug 105329).
#pragma GCC diagnostic ignored "-Wrestrict"

namespace {

// Items as "kind:text" joined by blanks, kinds by their letters.
std::string Items(const TcxDateTimeFormatInfo& info)
{
    static constexpr const char* kKinds = "LYMDHNSZAdt";
    std::string text;
    for (const auto& item : info.Items) {
        if (!text.empty())
            text += ' ';
        ((text += kKinds[item.Kind]) += ':') += item.Text;
    }
    return text;
}

TFormatSettings Settings()
{
    TFormatSettings s = ChineseFormatSettings();
    s.ShortTimeFormat = "h:mm AMPM";
    return s;
}

struct ParseCase {
    const char* Format;
    const char* Items;
};

TEST(ParseFormat, ItemsOfEachFormat)
{
    const ParseCase cases[] = {
        {"yyyy/M/d", "Y:YYYY d:/ M:M d:/ D:D"},
        {"hh:mm:ss", "H:24HH t:: N:NN t:: S:SS"},
        {"h:mm AMPM", "H:12H t:: N:NN L:  A:AMPM"},
        {"am/pm hh", "A:am/pm L:  H:12HH"},
        {"A/P H", "A:A/P L:  H:12H"},
        // Minutes follow an hour also across literals; after a day "mm" is the month.
        {"h'x'mm", "H:24H L:x N:NN"},
        {"d mm", "D:D L:  M:MM"},
        {"HHH MMMMM SSS NNN ZZZZ", "H:24HH L:  N:NN L:  S:SS L:   Z:ZZZ"},
        // The first of a kind wins; literals always come.
        {"MM-MMMM", "M:MM L:-"},
        {"yy eee", "Y:YY L: "},
        {"eee", "Y:YYYY"},
        {"dddd AAA aaaa", "D:DDDD L:  "},
        {"ax", "L:ax"},
        {"'h'mm\"d\"", "L:h M:MM L:d"},
        {"'open", "L:open"},
        // An AM/PM marker without an hour goes.
        {"yyyy AM/PM", "Y:YYYY L: "},
        {"AMPM", ""},
        {"ddddd", "Y:YYYY d:/ M:M d:/ D:D"},
        {"dddddd", "Y:YYYY L:年 M:M L:月 D:D L:日"},
        {"t", "H:12H t:: N:NN L:  A:AMPM"},
        {"tt", "H:24HH t:: N:NN t:: S:SS"},
        {"", "Y:YYYY d:/ M:M d:/ D:D L:  H:24HH t:: N:NN t:: S:SS"},
        {"c", "Y:YYYY d:/ M:M d:/ D:D L:  H:24HH t:: N:NN t:: S:SS"},
    };
    for (const ParseCase& c : cases) {
        TcxDateTimeFormatInfo info;
        EXPECT_TRUE(ParseFormat(c.Format, Settings(), info)) << c.Format;
        EXPECT_EQ(Items(info), c.Items) << c.Format;
    }
}

TEST(ParseFormat, PresentMarksTheKindsAdded)
{
    TcxDateTimeFormatInfo info;
    ASSERT_TRUE(ParseFormat("yyyy AM/PM", Settings(), info));
    for (int kind = 0; kind < kDateTimeItemKindCount; ++kind)
        EXPECT_EQ(info.Present[kind], kind == dtiYear || kind == dtiLiteral) << kind;
}

TEST(ParseFormat, EraAndFailedNestingClearTheInfo)
{
    TFormatSettings settings = Settings();
    settings.LongTimeFormat = "gg hh";
    for (const char* format : {"g", "yyyy gg", "tt", "C", "yyyy tt"}) {
        TcxDateTimeFormatInfo info;
        info.Items.push_back({dtiYear, "YY"});
        EXPECT_FALSE(ParseFormat(format, settings, info)) << format;
        EXPECT_EQ(info, TcxDateTimeFormatInfo{}) << format;
    }
}

TEST(ParseFormat, NestingStopsAtTheSecondLevel)
{
    TFormatSettings settings = Settings();
    settings.ShortDateFormat = "C";
    settings.LongTimeFormat = "tt hh";
    TcxDateTimeFormatInfo info;
    ASSERT_TRUE(ParseFormat("C", settings, info));
    EXPECT_EQ(Items(info), "L:    H:24HH");
}

TEST(ParseFormat, DoubleByteCharactersAreLiteralWhole)
{
    // 0x81 0x4D and 0x81 0x64 hold an "M" and a "d" as trail bytes; a lead
    // byte at the very end stands alone.
    const std::string withTrails = "yyyy\x81\x4D" "d\x81\x64" "M\x81";
    TcxDateTimeFormatInfo info;
    ASSERT_TRUE(ParseFormat(withTrails, Settings(), info));
    EXPECT_EQ(Items(info), "Y:YYYY L:\x81\x4D D:D L:\x81\x64 M:M L:\x81");
    // Nested, it stays apart from the blank that follows.
    TFormatSettings settings = Settings();
    for (const char* shortDate : {"\x81", "'\x81"}) {
        settings.ShortDateFormat = shortDate;
        ASSERT_TRUE(ParseFormat("C", settings, info));
        EXPECT_EQ(Items(info), "L:\x81 L:  H:24HH t:: N:NN t:: S:SS") << shortDate;
    }
}

} // namespace
