#include "editors/controls/text/cxtexteditlayout.h"

#include <algorithm>
#include <climits>

namespace {

constexpr unsigned kVertBits = cxtoCenterVertically | cxtoBottom;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Row bytes without the blanks that end them.
int TrimmedLength(const std::string& text, const TcxTextRow& row)
{
    int length = row.Length;
    while (length > 0 && IsBlank(text[row.Offset + static_cast<std::size_t>(length) - 1]))
        --length;
    return length;
}

// Whether text is left after the last row, blanks aside.
bool TextLeftAfter(const std::string& text, const TcxTextRows& rows)
{
    const std::size_t end = rows.empty() ? 0 : rows.back().Offset + static_cast<std::size_t>(rows.back().Length);
    return std::any_of(text.begin() + static_cast<std::ptrdiff_t>(std::min(end, text.size())), text.end(),
                       [](char c) { return !IsBlank(c); });
}

} // namespace

unsigned cxTextEditTextFlags(const TcxTextEditAlignment& alignment)
{
    static constexpr unsigned kHorz[] = {cxtoLeft, cxtoCenterHorizontally, cxtoRight};
    static constexpr unsigned kVert[] = {cxtoTop, cxtoCenterVertically, cxtoBottom};
    const unsigned horz = alignment.Horz >= cxtaLeft && alignment.Horz <= cxtaRight ? kHorz[alignment.Horz] : cxtoLeft;
    const unsigned vert = alignment.Vert >= cxtvTop && alignment.Vert <= cxtvBottom ? kVert[alignment.Vert] : cxtoTop;
    return horz | vert | cxtoSingleLine | cxtoPreventLeftExceed | cxtoPreventTopExceed;
}

TcxTextEditMargins cxTextEditTextMargins(TcxTextEditMargins margins, bool inplace, TcxTextEditingMode mode,
                                         const TcxTextEditAlignment& alignment)
{
    if (inplace || (mode != temFixedList && mode != temNoEdit))
        return margins;
    ++(alignment.Horz == cxtaRight ? margins.Right : margins.Left);
    if (alignment.Vert == cxtvTop) {
        ++margins.Top;
        --margins.Bottom;
    }
    return margins;
}

TRect cxTextEditTextRect(const TRect& client, const TcxTextEditMargins& margins, bool inplace, int lineHeight)
{
    TRect r = cxRectInflatedBy(client, -margins.Left, -margins.Top, -margins.Right, -margins.Bottom);
    if (!inplace && cxRectGetHeight(r) < lineHeight) {
        const long long tall = static_cast<long long>(r.top) + lineHeight;
        r.bottom = static_cast<int>(std::clamp<long long>(tall, r.top, std::max(client.bottom, r.top)));
    }
    return r;
}

TcxTextEditRows cxTextEditLayout(const std::string& text, const TRect& r, unsigned flags, bool multiRow,
                                 const TcxTextParamsOf& paramsOf, const TcxTextMeasurer& measure)
{
    TcxTextEditRows result;
    if (multiRow && !text.empty()) {
        // How many rows the text needs in the rectangle's width.
        const unsigned probe = (flags | cxtoWordBreak | cxtoIgnoreHeight) & ~cxtoSingleLine;
        TcxTextRows rows;
        cxLayoutTextRows(text, r, 0, paramsOf(probe), measure, rows);
        if (rows.size() > 1) {
            flags = (flags | cxtoWordBreak | cxtoOnlyCompleteRows) & ~cxtoSingleLine;
            const TcxTextParams params = paramsOf(flags);
            if (static_cast<long long>(rows.size()) * params.RowHeight > cxRectGetHeight(r))
                flags &= ~kVertBits;
        }
    }
    result.Flags = flags;
    result.Params = paramsOf(flags);
    cxLayoutTextRows(text, r, 0, result.Params, measure, result.Rows);
    result.Cut = TextLeftAfter(text, result.Rows);
    cxPlaceTextRows(r, result.Params, result.Rows);
    return result;
}

bool cxTextEditNeedsHint(const std::string& text, const TcxTextEditRows& rows, const TRect& r,
                         const TcxTextMeasurer& measure)
{
    if (rows.Cut)
        return true;
    const int width = cxRectGetWidth(r);
    return std::any_of(rows.Rows.begin(), rows.Rows.end(), [&](const TcxTextRow& row) {
        const int length = TrimmedLength(text, row);
        const int rowWidth = length > 0 ? measure(row.Text(text), length) : 0;
        return rowWidth > width || static_cast<long long>(row.Y) + rows.Params.RowHeight > r.bottom;
    });
}

std::optional<TcxTextEditHighlight> cxTextEditListHighlight(TcxTextEditingMode mode, bool findSelection,
                                                            bool fixedListSelection, bool selectionBar,
                                                            int textLength, int selStart, int selLength)
{
    if (mode != temFixedList && mode != temNoEdit)
        return std::nullopt;
    TcxTextEditHighlight h;
    if (mode == temNoEdit || !findSelection || !fixedListSelection)
        return h;
    if (selectionBar)
        return TcxTextEditHighlight{0, std::max(textLength - selLength, 0), clHighlight, clHighlightText};
    return TcxTextEditHighlight{selStart, selLength, clHighlightText, clHighlight};
}

TSize cxTextEditContentSize(const std::string& text, const TcxTextEditSizeRequest& request, int lineHeight,
                            const TcxTextParamsOf& paramsOf, const TcxTextMeasurer& measure)
{
    TSize size{request.Width, 0};
    if (request.RowLimit > 0)
        size.cy = request.RowLimit * lineHeight;
    else if (text.empty())
        size.cy = request.EmptyHasNoHeight ? 0 : lineHeight;
    else if (request.SingleRow)
        size.cy = lineHeight;
    else {
        TcxTextRows rows;
        const TRect r{0, 0, std::max(request.Width, 1), INT_MAX};
        cxLayoutTextRows(text, r, 0, paramsOf(cxtoWordBreak | cxtoIgnoreHeight), measure, rows);
        size.cy = static_cast<int>(rows.size()) * lineHeight;
    }
    if (request.RowLimit <= 0 && request.SingleRow) {
        size.cx = text.empty() ? 0 : measure(text.data(), static_cast<int>(text.size()));
        size.cx += (request.OnePixelWider ? 1 : 0) + request.ExtraWidth;
    }
    if (size.cy > 0)
        size.cy += request.Margins.Top + request.Margins.Bottom;
    return size;
}
