#include "editors/controls/text/cxtexteditviewinfo.h"

#include <algorithm>

#include "classlib/font.h"
#include "editors/edit/container/cxcontainertypes.h"
#include "editors/foundation/graphics/cxdrawtextutils.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

namespace {

bool Contains(const TRect& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

TcxTextMeasurer MeasurerOf(HDC dc)
{
    return [dc](const char* text, int length) { return cxTextRangeWidth(dc, text, length, false); };
}

} // namespace

void TcxCustomTextEditViewInfo::Assign(const TcxContainerViewInfo& source)
{
    if (&source == this)
        return;
    TcxCustomEditViewInfo::Assign(source);
    const auto* other = dynamic_cast<const TcxCustomTextEditViewInfo*>(&source);
    if (!other)
        return;
    Text = other->Text;
    TextRect = other->TextRect;
    TextFlags = other->TextFlags;
    EditingMode = other->EditingMode;
    PopupOpen = other->PopupOpen;
    DrawSelectionBar = other->DrawSelectionBar;
    PaintCopy = other->PaintCopy;
    HasInnerEdit = other->HasInnerEdit;
    MultiRow = other->MultiRow;
    EndEllipsis = other->EndEllipsis;
    MaxRowCount = other->MaxRowCount;
    TextColor = other->TextColor;
    Highlight = other->Highlight;
    RowsValid = other->RowsValid;
    TextRows = other->RowsValid ? other->TextRows : TcxTextEditRows{};
    DrawTextHandler = other->DrawTextHandler;
}

void TcxCustomTextEditViewInfo::Translate(int dx, int dy)
{
    TcxCustomEditViewInfo::Translate(dx, dy);
    TextRect = cxRectOffsetBy(TextRect, dx, dy);
    if (!RowsValid)
        return;
    for (TcxTextRow& row : TextRows.Rows) {
        row.X += dx;
        row.Y += dy;
    }
}

void TcxCustomTextEditViewInfo::LayoutText(TcxCanvas& canvas)
{
    if (RowsValid)
        return;
    if (Font)
        canvas.SetFont(*Font);
    const HDC dc = canvas.Handle();
    const unsigned flags = TextFlags | (EndEllipsis ? cxtoEndEllipsis : 0u);
    TextRows = cxTextEditLayout(
        Text, TextRect, flags, MultiRow && MaxRowCount != 1, [dc](unsigned f) { return cxInitTextParams(dc, f); },
        MeasurerOf(dc));
    RowsValid = true;
}

void TcxCustomTextEditViewInfo::Paint(TcxCanvas& canvas)
{
    TcxCustomEditViewInfo::Paint(canvas);
    TRect area = ContentRect;
    if (!Inplace) {
        if ((!ThemedLook || DrawSelectionBar) && !Transparent && EditingMode != temNoEdit && DrawsText())
            cxFillRectByColor(canvas, area, BackgroundColor);
        area = cxRectInflated(area, -1, -1);
    }
    if (DrawTextHandler && DrawTextHandler(*this, canvas))
        return;
    if (DrawSelectionBar)
        cxFillRectByColor(canvas, area, clHighlight);
    if (DrawsText())
        DrawText(canvas);
    // The focus shows on the text where no EDIT shows a caret.
    if ((ContainerState & csfFocused) && !Inplace && !PopupOpen && (!HasInnerEdit || !InnerEditVisible) &&
        !cxRectIsEmpty(area)) {
        const HDC dc = canvas.Handle();
        SetTextColor(dc, ColorToRGB(DrawSelectionBar ? clHighlightText : clWindowText));
        SetBkColor(dc, ColorToRGB(DrawSelectionBar ? clHighlight : BackgroundColor));
        ::DrawFocusRect(dc, &area);
    }
}

void TcxCustomTextEditViewInfo::DrawText(TcxCanvas& canvas)
{
    if (Text.empty())
        return;
    LayoutText(canvas);
    // Drawing shortens an ellipsis row: the laid-out rows stay as they are.
    TcxTextRows rows = TextRows.Rows;
    const HDC dc = canvas.Handle();
    SetTextColor(dc, ColorToRGB(DrawSelectionBar ? clHighlightText : TextColor));
    cxDrawTextRows(dc, Text, TextRect, TextRows.Params, TextRows.Cut, Highlight.TextColor, Highlight.BackgroundColor,
                   static_cast<std::size_t>(std::max(Highlight.Start, 0)),
                   static_cast<std::size_t>(std::max(Highlight.Length, 0)), rows);
}

bool TcxCustomTextEditViewInfo::NeedsHint(TcxCanvas& canvas, POINT p, POINT origin, std::string& hintText,
                                          TRect& hintRect)
{
    if (!Contains(TextRect, p) || Text.empty())
        return false;
    LayoutText(canvas);
    if (!cxTextEditNeedsHint(Text, TextRows, TextRect, MeasurerOf(canvas.Handle())))
        return false;
    hintText = Text;
    hintRect = cxRectOffsetBy(TextRect, origin.x, origin.y);
    return true;
}
