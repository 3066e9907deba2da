#include "editors/foundation/graphics/cxdrawtextutils.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "classlib/handles.h"
#include "editors/foundation/graphics/cxeditpaintutils.h"

namespace {

constexpr char kEllipsis[] = "...";
constexpr int kTabbedExtentLimit = 4096;

// The DC's clip region for one scope, restored after.
class TClipScope {
public:
    explicit TClipScope(HDC dc) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0))
    {
        hadClip_ = GetClipRgn(dc_, saved_.get()) == 1;
    }
    ~TClipScope() { SelectClipRgn(dc_, hadClip_ ? saved_.get() : nullptr); }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    HDC dc_;
    UniqueHandle<HRGN, GdiDeleter> saved_;
    bool hadClip_ = false;
};

// Each byte's right end in the row (both bytes of a double-byte character carry its end).
std::vector<int> ByteExtents(HDC dc, const char* text, int length)
{
    std::vector<int> extents(static_cast<std::size_t>(std::max(length, 0)));
    if (length <= 0)
        return extents;
    int fit = 0;
    SIZE size;
    GetTextExtentExPointA(dc, text, length, INT_MAX, &fit, extents.data(), &size);
    return extents;
}

// How many bytes of the row fit in width, on a character boundary.
int FittingBytes(HDC dc, const char* text, int length, int width)
{
    int fit = 0;
    SIZE size;
    GetTextExtentExPointA(dc, text, length, std::max(width, 0), &fit, nullptr, &size);
    return fit;
}

void DrawEllipsis(HDC dc, const RECT& r, const TcxTextParams& params, const TcxTextRow& row)
{
    int x = r.left + row.Width;
    if (x >= r.right)
        return;
    bool clip = !params.NoClip && x + params.EllipsisWidth > r.right;
    RECT box{x, row.Y, r.right, row.Y + params.RowHeight};
    ExtTextOutA(dc, x, row.Y, clip ? ETO_CLIPPED : 0, &box, kEllipsis, 3, nullptr);
}

} // namespace

int cxTextRangeWidth(HDC dc, const char* text, int length, bool expandTabs)
{
    if (length <= 0)
        return 0;
    if (!expandTabs) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text, length, &size);
        return size.cx;
    }
    if (length <= kTabbedExtentLimit)
        return LOWORD(GetTabbedTextExtentA(dc, text, length, 0, nullptr));
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text, length, &r, DT_NOPREFIX | DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
    return r.right - r.left;
}

TcxTextParams cxInitTextParams(HDC dc, unsigned flags)
{
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    TcxFontMetrics metrics;
    metrics.Height = tm.tmHeight;
    metrics.ExternalLeading = tm.tmExternalLeading;
    metrics.MaxCharWidth = tm.tmMaxCharWidth;
    metrics.CharSet = tm.tmCharSet;
    metrics.BreakChar = static_cast<unsigned char>(tm.tmBreakChar);
    int ellipsis = cxTextRangeWidth(dc, kEllipsis, 3, false);
    return cxMakeTextParams(flags, metrics, ellipsis, GetSystemMetrics(SM_DBCSENABLED) != 0);
}

TcxTextParams cxInitTextParamsForCanvas(TCanvas& canvas, unsigned flags)
{
    return cxInitTextParams(canvas.Handle(), flags);
}

bool cxLayoutTextRows(HDC dc, const std::string& text, const RECT& r, int maxRows, TcxTextRows& rows,
                      const TcxTextParams& params)
{
    return cxLayoutTextRows(
        text, r, maxRows, params,
        [&](const char* p, int length) { return cxTextRangeWidth(dc, p, length, params.ExpandTabs); }, rows);
}

bool cxLayoutTextRowsForCanvas(TCanvas& canvas, const std::string& text, const RECT& r, int maxRows,
                               TcxTextRows& rows, const TcxTextParams& params)
{
    return cxLayoutTextRows(canvas.Handle(), text, r, maxRows, rows, params);
}

void cxDrawTextRows(HDC dc, const std::string& text, const RECT& r, const TcxTextParams& params, bool textCutOff,
                    TColor highlightTextColor, TColor highlightBrushColor, std::size_t highlightStart,
                    std::size_t highlightLength, TcxTextRows& rows)
{
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const bool highlight = highlightLength > 0;
    HBRUSH highlightBrush = highlight && highlightBrushColor != clNone ? cxSolidBrushFor(highlightBrushColor) : nullptr;
    const int width = r.right - r.left;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TcxTextRow& row = rows[i];
        const bool lastRow = i + 1 == rows.size();
        if (row.Length == 0) {
            if (textCutOff && params.EndEllipsis && lastRow)
                DrawEllipsis(dc, r, params, row);
            continue;
        }
        const bool ellipsisRow = params.EndEllipsis && lastRow && (textCutOff || row.Width > width);
        const RECT band{r.left, row.Y, r.right, row.Y + params.RowHeight};
        const bool justify = params.Justified() && !ellipsisRow && width - row.Width > 0 && row.BreakCount > 0;
        if (justify)
            SetTextJustification(dc, width - row.Width, row.BreakCount);
        TClipScope clip(dc);
        if (!params.NoClip && (row.Width > width || band.top < r.top || band.bottom > r.bottom))
            IntersectClipRect(dc, r.left, std::max(band.top, r.top), r.right, std::min(band.bottom, r.bottom));
        bool ellipsisDrawn = false;
        if (ellipsisRow) {
            int room = std::max(width - params.EllipsisWidth, 0);
            int fit = std::max(FittingBytes(dc, row.Text(text), row.Length, room), 1);
            row.Length = std::min(row.Length, fit);
            row.Width = cxTextRangeWidth(dc, row.Text(text), row.Length, params.ExpandTabs);
        }
        auto drawRow = [&] {
            if (params.ExpandTabs)
                TabbedTextOutA(dc, row.X, row.Y, row.Text(text), row.Length, 0, nullptr, row.X);
            else
                TextOutA(dc, row.X, row.Y, row.Text(text), row.Length);
        };
        if (highlight) {
            std::vector<int> extents = ByteExtents(dc, row.Text(text), row.Length);
            // Only the right-to-left script mirrors its highlight.
            auto [left, right] = cxRowHighlightRange(row, extents, highlightStart, highlightLength,
                                                     params.CharSet == ARABIC_CHARSET);
            if (left < right) {
                RECT h{row.X + left, band.top, row.X + right, band.bottom};
                {
                    TClipScope inner(dc);
                    IntersectClipRect(dc, h.left, h.top, h.right, h.bottom);
                    if (highlightBrush)
                        FillRect(dc, &h, highlightBrush);
                    COLORREF oldColor = SetTextColor(dc, ColorToRGB(highlightTextColor));
                    drawRow();
                    SetTextColor(dc, oldColor);
                }
                if (ellipsisRow && right >= row.Width) {
                    COLORREF oldColor = SetTextColor(dc, ColorToRGB(highlightTextColor));
                    DrawEllipsis(dc, r, params, row);
                    SetTextColor(dc, oldColor);
                    ellipsisDrawn = true;
                }
                ExcludeClipRect(dc, h.left, h.top, h.right, h.bottom);
            }
        }
        drawRow();
        if (ellipsisRow && !ellipsisDrawn)
            DrawEllipsis(dc, r, params, row);
        if (justify)
            SetTextJustification(dc, 0, 0);
    }
    SetBkMode(dc, oldMode);
}
