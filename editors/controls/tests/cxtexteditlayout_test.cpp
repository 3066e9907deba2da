// Where a text editor lays out the text it paints itself, measured with a
// font of 6-pixel bytes and 13-pixel rows.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/text/cxtexteditlayout.h"

namespace {

constexpr int kByte = 6, kRow = 13;

int Measure(const char*, int length)
{
    return length * kByte;
}

TcxTextParams ParamsOf(unsigned flags)
{
    TcxFontMetrics metrics;
    metrics.Height = kRow;
    return cxMakeTextParams(flags, metrics, 3 * kByte, false);
}

TEST(TextEditLayout, FlagsAndMargins)
{
    struct FlagsRow {
        TcxTextEditAlignment alignment;
        unsigned flags;
    };
    for (const FlagsRow& r : {FlagsRow{{cxtaLeft, cxtvTop}, 0x2C0}, FlagsRow{{cxtaCenter, cxtvCenter}, 0x2D1},
                              FlagsRow{{cxtaRight, cxtvBottom}, 0x2E2}})
        EXPECT_EQ(cxTextEditTextFlags(r.alignment), r.flags) << std::hex << r.flags;

    struct MarginsRow {
        const char* why;
        bool inplace;
        TcxTextEditingMode mode;
        TcxTextEditAlignment alignment;
        TcxTextEditMargins margins;
    };
    const TcxTextEditMargins base{2, 3, 4, 5};
    const MarginsRow rows[] = {
        {"free typing keeps them", false, temEdit, {cxtaLeft, cxtvTop}, {2, 3, 4, 5}},
        {"a list mode in place keeps them", true, temFixedList, {cxtaLeft, cxtvTop}, {2, 3, 4, 5}},
        {"a fixed list: a pixel left, a pixel lower", false, temFixedList, {cxtaLeft, cxtvTop}, {3, 4, 4, 4}},
        {"no editing, right-aligned: a pixel right", false, temNoEdit, {cxtaRight, cxtvCenter}, {2, 3, 5, 5}},
        {"an edit list keeps them", false, temEditList, {cxtaRight, cxtvTop}, {2, 3, 4, 5}},
    };
    for (const auto& r : rows) {
        const TcxTextEditMargins m = cxTextEditTextMargins(base, r.inplace, r.mode, r.alignment);
        EXPECT_EQ(m.Left, r.margins.Left) << r.why;
        EXPECT_EQ(m.Top, r.margins.Top) << r.why;
        EXPECT_EQ(m.Right, r.margins.Right) << r.why;
        EXPECT_EQ(m.Bottom, r.margins.Bottom) << r.why;
    }
}

TEST(TextEditLayout, TextRectIsOneLineHighOutOfPlace)
{
    struct Row {
        const char* why;
        TRect client;
        TcxTextEditMargins margins;
        bool inplace;
        int bottom;
    };
    const Row rows[] = {
        {"tall enough already", {0, 0, 100, 30}, {1, 1, 1, 1}, false, 29},
        {"grown to a line", {0, 0, 100, 30}, {0, 0, 0, 20}, false, kRow},
        {"never past the client's bottom", {0, 0, 100, 10}, {0, 2, 0, 0}, false, 10},
        {"in place as it is", {0, 0, 100, 30}, {0, 0, 0, 20}, true, 10},
    };
    for (const auto& r : rows)
        EXPECT_EQ(cxTextEditTextRect(r.client, r.margins, r.inplace, kRow).bottom, r.bottom) << r.why;
}

TEST(TextEditLayout, RowsAndHint)
{
    struct Row {
        const char* why;
        std::string text;
        TRect rect;
        TcxTextEditAlignment alignment;
        bool multiRow;
        std::size_t rows;
        int firstY;
        bool singleLine;
        bool hint;
    };
    const TcxTextEditAlignment centred{cxtaLeft, cxtvCenter};
    const Row rows[] = {
        {"a short text: one centred row", "abc", {0, 0, 60, 2 * kRow}, centred, true, 1, kRow / 2, true, false},
        {"three rows in two: from the top, cut", "aaaa bbbb cccc", {0, 0, 30, 2 * kRow}, centred, true, 2, 0, false,
         true},
        {"two rows in two stay centred", "aaaa bbbb", {0, 10, 30, 10 + 3 * kRow}, centred, true, 2, 10 + kRow / 2,
         false, false},
        {"one row only: too wide", "aaaa bbbb cccc", {0, 0, 30, 2 * kRow}, centred, false, 1, kRow / 2, true, true},
        {"trailing blanks do not need a hint", "abcde   ", {0, 0, 30, kRow}, {cxtaLeft, cxtvTop}, false, 1, 0, true,
         false},
        {"a row ending below the rectangle", "abc", {0, 0, 60, kRow - 1}, {cxtaLeft, cxtvTop}, false, 1, 0, true,
         true},
        {"an empty text", "", {0, 0, 60, kRow}, centred, true, 0, 0, true, false},
    };
    for (const auto& r : rows) {
        const unsigned flags = cxTextEditTextFlags(r.alignment);
        const TcxTextEditRows laid = cxTextEditLayout(r.text, r.rect, flags, r.multiRow, ParamsOf, Measure);
        ASSERT_EQ(laid.Rows.size(), r.rows) << r.why;
        if (!laid.Rows.empty()) {
            EXPECT_EQ(laid.Rows[0].Y, r.firstY) << r.why;
        }
        EXPECT_EQ((laid.Flags & cxtoSingleLine) != 0, r.singleLine) << r.why;
        EXPECT_EQ(cxTextEditNeedsHint(r.text, laid, r.rect, Measure), r.hint) << r.why;
    }
}

TEST(TextEditLayout, ListHighlight)
{
    struct Row {
        const char* why;
        TcxTextEditingMode mode;
        bool find, fixedSelection, selectionBar;
        bool given;
        TcxTextEditHighlight highlight;
    };
    // "banana" with its last 4 bytes selected.
    const Row rows[] = {
        {"free typing keeps the view data's", temEdit, true, true, false, false, {}},
        {"no editing: none", temNoEdit, true, true, false, true, {0, 0}},
        {"no find selection: none", temFixedList, false, true, false, true, {0, 0}},
        {"fixed selection off: none", temFixedList, true, false, false, true, {0, 0}},
        {"the selection", temFixedList, true, true, false, true, {2, 4, clHighlightText, clHighlight}},
        {"on a selection bar, the typed part", temFixedList, true, true, true, true, {0, 2, clHighlight,
                                                                                      clHighlightText}},
    };
    for (const auto& r : rows) {
        const auto h = cxTextEditListHighlight(r.mode, r.find, r.fixedSelection, r.selectionBar, 6, 2, 4);
        ASSERT_EQ(h.has_value(), r.given) << r.why;
        if (!h)
            continue;
        EXPECT_EQ(h->Start, r.highlight.Start) << r.why;
        EXPECT_EQ(h->Length, r.highlight.Length) << r.why;
        if (h->Length > 0) {
            EXPECT_EQ(h->TextColor, r.highlight.TextColor) << r.why;
            EXPECT_EQ(h->BackgroundColor, r.highlight.BackgroundColor) << r.why;
        }
    }
}

TEST(TextEditLayout, ContentSize)
{
    struct Row {
        const char* why;
        std::string text;
        TcxTextEditSizeRequest request;
        TSize size;
    };
    const TcxTextEditMargins margins{0, 2, 0, 1};
    const Row rows[] = {
        {"one row: its width, a line and the margins", "abcd", {0, 0, true, false, false, 0, margins},
         {4 * kByte, kRow + 3}},
        {"an empty text: a line, no width", "", {0, 0, true, false, false, 0, margins}, {0, kRow + 3}},
        {"an empty text of no height, no margins", "", {0, 0, true, true, false, 0, margins}, {0, 0}},
        {"right-aligned in a list: a pixel wider", "ab", {0, 0, true, false, true, 0, {}}, {2 * kByte + 1, kRow}},
        {"extra width asked", "ab", {0, 0, true, false, false, 5, {}}, {2 * kByte + 5, kRow}},
        {"a row limit: that many rows", "ab", {40, 3, true, false, false, 0, {}}, {40, 3 * kRow}},
        {"rows in the width", "aaaa bbbb cccc", {30, 0, false, false, false, 0, {}}, {30, 3 * kRow}},
    };
    for (const auto& r : rows) {
        const TSize size = cxTextEditContentSize(r.text, r.request, kRow, ParamsOf, Measure);
        EXPECT_EQ(size.cx, r.size.cx) << r.why;
        EXPECT_EQ(size.cy, r.size.cy) << r.why;
    }
}

} // namespace
