// Where a text editor puts its text when it paints the text itself (its
// EDIT hidden): output flags, margins and rectangle, the rows it lays out,
// the highlighted range, the measured size and whether the text needs a
// hint. The measuring is injected, so the host runs the same arithmetic.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "classlib/colors.h"
#include "editors/controls/text/cxtexteditmodes.h"
#include "editors/foundation/core/cxtextlayout.h"

// Alignment by the text layout's constants: cxtaLeft, cxtaCenter, cxtaRight
// and cxtvTop, cxtvCenter, cxtvBottom.
struct TcxTextEditAlignment {
    int Horz = cxtaLeft;
    int Vert = cxtvTop;
};

struct TcxTextEditMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The output flags of an alignment, single line, never left of or above the rectangle.
unsigned cxTextEditTextFlags(const TcxTextEditAlignment& alignment);

// The list and no-edit modes out of place keep one more pixel from the
// aligned side, and top-aligned text one pixel lower.
TcxTextEditMargins cxTextEditTextMargins(TcxTextEditMargins margins, bool inplace, TcxTextEditingMode mode,
                                         const TcxTextEditAlignment& alignment);

// The client rectangle less the margins; out of place at least lineHeight
// high, but never below the client's bottom.
TRect cxTextEditTextRect(const TRect& client, const TcxTextEditMargins& margins, bool inplace, int lineHeight);

// Rows of text in the rectangle, for the painting or the hint.
struct TcxTextEditRows {
    unsigned Flags = 0;
    TcxTextParams Params;
    TcxTextRows Rows;
    // The layout stopped with text left over.
    bool Cut = false;
};

// Lays the text out in rows when multiRow: word broken in the rectangle's
// width, and when more than one row is needed the flags break words and
// keep complete rows; rows higher than the rectangle start at the top.
// Otherwise one row.
using TcxTextParamsOf = std::function<TcxTextParams(unsigned flags)>;
TcxTextEditRows cxTextEditLayout(const std::string& text, const TRect& r, unsigned flags, bool multiRow,
                                 const TcxTextParamsOf& paramsOf, const TcxTextMeasurer& measure);

// Whether rows laid out in r do not show the whole text: cut, or a row
// (trailing blanks aside) wider than r or ending below it.
bool cxTextEditNeedsHint(const std::string& text, const TcxTextEditRows& rows, const TRect& r,
                         const TcxTextMeasurer& measure);

struct TcxTextEditHighlight {
    int Start = 0;
    int Length = 0;
    TColor TextColor = clHighlightText;
    TColor BackgroundColor = clHighlight;
};

// What the list and no-edit modes highlight; none for other modes (they
// keep what the view data gave).
std::optional<TcxTextEditHighlight> cxTextEditListHighlight(TcxTextEditingMode mode, bool findSelection,
                                                            bool fixedListSelection, bool selectionBar,
                                                            int textLength, int selStart, int selLength);

// The size the text needs (auto size). rowLimit above 0: that many rows of
// width `width`; else the text laid out in `width` (single row: its own
// width), one line for an empty text unless emptyHasNoHeight; a positive
// height gets the vertical margins.
struct TcxTextEditSizeRequest {
    int Width = 0;
    int RowLimit = 0;
    bool SingleRow = true;
    bool EmptyHasNoHeight = false;
    // Right-aligned text in a list or no-edit mode is one pixel wider.
    bool OnePixelWider = false;
    int ExtraWidth = 0;
    TcxTextEditMargins Margins;
};
TSize cxTextEditContentSize(const std::string& text, const TcxTextEditSizeRequest& request, int lineHeight,
                            const TcxTextParamsOf& paramsOf, const TcxTextMeasurer& measure);
