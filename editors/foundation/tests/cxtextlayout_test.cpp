#include "editors/foundation/core/cxtextlayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/foundation/core/cxtext.h"

namespace {

// 6 pixels a byte: 6 for a letter, 12 for a double-byte character.
int Measure(const char*, int length)
{
    return 6 * length;
}

TcxTextParams Params(unsigned flags, int height = 16)
{
    TcxFontMetrics metrics;
    metrics.Height = height;
    return cxMakeTextParams(flags, metrics, 18, false);
}

std::vector<std::string> Texts(const std::string& text, const TcxTextRows& rows)
{
    std::vector<std::string> out;
    for (const auto& row : rows)
        out.emplace_back(row.Text(text), static_cast<std::size_t>(row.Length));
    return out;
}

std::vector<std::string> Layout(const std::string& text, unsigned flags, int width, int height = 1000)
{
    TcxTextRows rows;
    EXPECT_TRUE(cxLayoutTextRows(text, TRect{0, 0, width, height}, 0, Params(flags), Measure, rows));
    return Texts(text, rows);
}

using Rows = std::vector<std::string>;

TEST(cxTextLayout, RowsBreakAtSpacesLineBreaksOrCharacters)
{
    struct {
        const char* what;
        std::string text;
        unsigned flags;
        int width;
        Rows rows;
    } cases[] = {
        {"long word runs to the next space", "aaaaaaaaaaaa bb cc", cxtoWordBreak, 30, {"aaaaaaaaaaaa ", "bb cc"}},
        {"break at characters", "aaaaaaaaaaaa bb", cxtoWordBreak | cxtoCharBreak, 30, {"aaaaa", "aaaaa", "aa bb"}},
        {"last break before the overflow", "ab cd ef", cxtoWordBreak, 36, {"ab cd ", "ef"}},
        {"line breaks and a blank line", "ab\r\n\r\ncd\nef", 0, 100, {"ab", "", "cd", "ef"}},
        {"no word break: one row per line", "aaaaaaaaaaaaaaaa bb\r\nc", 0, 30, {"aaaaaaaaaaaaaaaa bb", "c"}},
        {"a character wider than the row stays", "abc", cxtoWordBreak | cxtoCharBreak, 1, {"a", "b", "c"}},
        {"justify drops trailing spaces", "ab  cd", cxtoWordBreak | cxtoJustify, 24, {"ab", "cd"}},
        {"a tab is skipped once", "ab \t\tcd", cxtoWordBreak, 12, {"ab ", "\t", "cd"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Layout(c.text, c.flags, c.width), c.rows) << c.what;
}

TEST(cxTextLayout, GuessesNeverEndInsideADoubleByteCharacter)
{
    // Widths where a byte search would stop between the two bytes of a character.
    const std::string text = "\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7\xC4\xE3\xBA\xC3";
    for (int width = 1; width < 80; ++width)
        for (unsigned flags : {cxtoWordBreak | cxtoCharBreak, unsigned{cxtoSingleLine}}) {
            TcxTextRows rows;
            cxLayoutTextRows(text, TRect{0, 0, width, 1000}, 0, Params(flags), Measure, rows);
            for (const auto& row : rows) {
                EXPECT_EQ(row.Offset % 2, 0u) << width;
                EXPECT_EQ(row.Length % 2, 0) << width;
            }
        }
}

TEST(cxTextLayout, JustifyStretchesEveryRowOrAllButAParagraphsLast)
{
    const std::string text = "aa bb cc dd\r\nee ff";
    struct {
        unsigned alignment;
        std::vector<int> breaks;
    } cases[] = {{cxtoJustify, {1, 0, 0}}, {cxtoJustifyAll, {1, 1, 1}}};
    for (const auto& c : cases) {
        TcxTextRows rows;
        cxLayoutTextRows(text, TRect{0, 0, 36, 1000}, 0, Params(cxtoWordBreak | c.alignment), Measure, rows);
        ASSERT_EQ(Texts(text, rows), (Rows{"aa bb", "cc dd", "ee ff"}));
        std::vector<int> breaks;
        for (const auto& row : rows)
            breaks.push_back(row.BreakCount);
        EXPECT_EQ(breaks, c.breaks) << c.alignment;
    }
}

TEST(cxTextLayout, TheLastRowIsTheLastOneSeenOrTheLimits)
{
    const std::string text(40, 'a');
    struct {
        const char* what;
        unsigned flags;
        int maxRows;
        std::size_t rows;
        bool complete;
    } cases[] = {
        {"partly seen row", cxtoCharBreak | cxtoWordBreak, 0, 7, true},
        {"only complete rows", cxtoCharBreak | cxtoWordBreak | cxtoOnlyCompleteRows, 0, 6, true},
        {"limit with text left", cxtoCharBreak | cxtoWordBreak, 3, 3, false},
        {"centred text stops only at its end", cxtoCharBreak | cxtoWordBreak | cxtoCenterVertically, 0, 20, true},
        {"single line", cxtoSingleLine, 0, 1, true},
    };
    for (const auto& c : cases) {
        TcxTextRows rows;
        // Two letters a row, 16 pixels high, in a rectangle 100 high.
        bool complete = cxLayoutTextRows(text, TRect{0, 0, 12, 100}, c.maxRows, Params(c.flags), Measure, rows);
        EXPECT_EQ(rows.size(), c.rows) << c.what;
        EXPECT_EQ(complete, c.complete) << c.what;
    }
    TcxTextRows rows{TcxTextRow{}};
    EXPECT_TRUE(cxLayoutTextRows("", TRect{0, 0, 12, 100}, 0, Params(0), Measure, rows));
    EXPECT_TRUE(rows.empty());
    // Single line with ignore height: the whole text, however wide.
    EXPECT_EQ(Layout(text, cxtoSingleLine | cxtoIgnoreHeight, 12), Rows{text});
}

TEST(cxTextLayout, RowsArePlacedByAlignment)
{
    struct {
        const char* what;
        unsigned flags;
        TRect r;
        std::vector<int> xs, ys;
    } cases[] = {
        {"spread", cxtoSpread, {0, 0, 100, 100}, {0, 0, 0}, {0, 42, 84}},
        {"spread with extra pixels", cxtoSpread, {0, 0, 100, 103}, {0, 0, 0}, {0, 44, 87}},
        {"centred", cxtoCenterHorizontally | cxtoCenterVertically, {0, 0, 100, 100}, {44, 41, 47}, {26, 42, 58}},
        {"bottom right", cxtoRight | cxtoBottom, {10, 10, 100, 100}, {88, 82, 94}, {52, 68, 84}},
        {"kept inside", cxtoRight | cxtoBottom | cxtoPreventLeftExceed | cxtoPreventTopExceed, {0, 0, 4, 4},
         {0, 0, 0}, {0, 16, 32}},
    };
    for (const auto& c : cases) {
        TcxTextRows rows(3);
        rows[0].Width = 12, rows[1].Width = 18, rows[2].Width = 6;
        TcxTextParams p = Params(c.flags);
        cxPlaceTextRows(c.r, p, rows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].X, c.xs[i]) << c.what << " " << i;
            EXPECT_EQ(rows[i].Y, c.ys[i]) << c.what << " " << i;
        }
    }
    EXPECT_EQ(cxMaxRowWidth(TcxTextRows(2, TcxTextRow{0, 0, 7}), 5), 7);
    EXPECT_EQ(cxMaxRowWidth(TcxTextRows(2, TcxTextRow{0, 0, 7}), 0), 0);
}

TEST(cxTextLayout, HighlightsRunLeftToRightExceptInRightToLeftText)
{
    // Two double-byte characters and a letter: extents by byte.
    TcxTextRow row{10, 5, 30};
    const std::vector<int> extents{12, 12, 24, 24, 30};
    struct {
        std::size_t start, length;
        bool rtl;
        std::pair<int, int> range;
    } cases[] = {
        {10, 4, false, {0, 24}}, {10, 4, true, {6, 30}}, {12, 100, false, {12, 30}},
        {0, 11, false, {0, 12}}, {15, 3, false, {0, 0}}, {0, 10, false, {0, 0}},
        {14, 1, false, {24, 30}}, {SIZE_MAX - 1, 5, false, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cxRowHighlightRange(row, extents, c.start, c.length, c.rtl), c.range) << c.start << " " << c.length;
}

} // namespace
