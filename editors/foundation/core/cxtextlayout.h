// Multi-line text layout of the editors over GBK byte strings: parameters
// from font metrics and flags, rows broken for a width, placed in a
// rectangle, and the highlight band of a row. The measurer is injected (the
// DC on Windows), so the host tests and the fuzzer run the same layout.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "editors/foundation/core/cxgeometry.h"

// Layout flags: horizontal alignment in bits 0-2, vertical in bits 4-5.
enum : unsigned {
    cxtoLeft = 0x0, cxtoCenterHorizontally = 0x1, cxtoRight = 0x2, cxtoJustify = 0x3, cxtoJustifyAll = 0x4,
    cxtoTop = 0x00, cxtoCenterVertically = 0x10, cxtoBottom = 0x20, cxtoSpread = 0x30,
    cxtoPreventLeftExceed = 0x40, cxtoPreventTopExceed = 0x80, cxtoWordBreak = 0x100, cxtoSingleLine = 0x200,
    cxtoExpandTabs = 0x400, cxtoEndEllipsis = 0x800, cxtoExternalLeading = 0x2000, cxtoOnlyCompleteRows = 0x4000,
    cxtoNoClip = 0x8000, cxtoCharBreak = 0x20000, cxtoIgnoreHeight = 0x100000,
};
enum : int { cxtaLeft, cxtaCenter, cxtaRight, cxtaJustify, cxtaJustifyAll };
enum : int { cxtvTop, cxtvCenter, cxtvBottom, cxtvSpread };

// What the font says about itself.
struct TcxFontMetrics {
    int Height = 0, ExternalLeading = 0, MaxCharWidth = 0, CharSet = 0;
    unsigned char BreakChar = ' ';
};

struct TcxTextParams {
    int TextHeight = 0, ExternalLeading = 0, RowHeight = 0, EllipsisWidth = 0;
    unsigned char BreakChar = ' ';
    int HorzAlignment = cxtaLeft, VertAlignment = cxtvTop;
    bool PreventLeftExceed = false, PreventTopExceed = false, WordBreak = false, SingleLine = false,
         ExpandTabs = false, EndEllipsis = false, UseExternalLeading = false, OnlyCompleteRows = false,
         NoClip = false, CharBreak = false, IgnoreHeight = false;
    int MaxCharWidth = 0, CharSet = 0;

    bool Justified() const { return HorzAlignment == cxtaJustify || HorzAlignment == cxtaJustifyAll; }
};

// One row: its bytes are text[Offset, Offset + Length).
struct TcxTextRow {
    std::size_t Offset = 0;
    int Length = 0, Width = 0, Height = 0, BreakCount = 0, X = 0, Y = 0;

    const char* Text(const std::string& text) const { return text.data() + Offset; }
};
using TcxTextRows = std::vector<TcxTextRow>;

// Width of length bytes at text.
using TcxTextMeasurer = std::function<int(const char* text, int length)>;

// farEast: the system locale breaks words at characters anyway.
TcxTextParams cxMakeTextParams(unsigned flags, const TcxFontMetrics& metrics, int ellipsisWidth, bool farEast);

// Rows for the rectangle; false only when maxRows (0 or less: no limit)
// stopped the layout with text left.
bool cxLayoutTextRows(const std::string& text, const TRect& r, int maxRows, const TcxTextParams& params,
                      const TcxTextMeasurer& measure, TcxTextRows& rows);
// Gives each row its x and y; a spread can change the params' row height.
void cxPlaceTextRows(const TRect& r, TcxTextParams& params, TcxTextRows& rows);
int cxMaxRowWidth(const TcxTextRows& rows, std::size_t count);
TRect cxRectInsetHorz(const TRect& r, int a, int b);

// The x range [first, second) of the row covered by the highlighted bytes
// [start, start + length) of the whole text, from the row's byte extents
// (each byte's right end; both bytes of a double-byte character carry its
// end), relative to the row's left and inside its width. Right-to-left
// rows mirror it. Empty when nothing overlaps.
std::pair<int, int> cxRowHighlightRange(const TcxTextRow& row, std::span<const int> extents, std::size_t start,
                                        std::size_t length, bool rightToLeft);
