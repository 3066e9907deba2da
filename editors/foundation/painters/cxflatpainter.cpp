#include "editors/foundation/painters/cxstylepainters.h"

using P = TcxFlatLookAndFeelPainter;

const P P::Instance;

namespace {

// The style's one-pixel 3-D edge.
void PaintEdge(TcxCanvas& canvas, const TRect& r, bool sunken, unsigned borders = cxBordersAll)
{
    const TColor leftTop = sunken ? clBtnShadow : clBtnHighlight, rightBottom = sunken ? clBtnHighlight : clBtnShadow;
    cxFrameRectByColor(canvas, r, leftTop, borders & (bLeft | bTop));
    cxFrameRectByColor(canvas, r, rightBottom, borders & (bRight | bBottom));
}

} // namespace

TcxLookAndFeelStyle P::StyleKind() const
{
    return lfsFlat;
}

int P::BorderWidth() const
{
    return 1;
}

void P::PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const
{
    PaintEdge(canvas, r, true);
}

int P::ButtonBorderWidth(TcxButtonState state) const
{
    return state == cxbsDefault ? 2 : 1;
}

int P::ButtonTextMargin() const
{
    return 1;
}

int P::ButtonPressedShift() const
{
    return 1;
}

void P::PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (state == cxbsPressed)
        return PaintEdge(canvas, r, true);
    TRect ring = r;
    if (state == cxbsDefault) {
        cxFrameRectByColor(canvas, ring, clBlack);
        ring = cxRectShrunk(ring);
    }
    PaintEdge(canvas, ring, false);
}

void P::PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    PaintButton(canvas, r, "", cxbsNormal, true, color);
    cxPaintExpandCross(canvas, cxRectShrunk(r), expanded);
    canvas.ExcludeClipRect(r);
}

int P::ExpandButtonExtent() const
{
    return 11;
}

bool P::ButtonHotTracks() const
{
    return false;
}

void P::PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    PaintEdge(canvas, r, true);
    cxFrameRectByColor(canvas, cxRectShrunk(r), CheckBoxFaceColor(cxValidButtonState(state)));
}

void P::PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState) const
{
    PaintEdge(canvas, r, false, borders);
}

void P::PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    PaintEdge(canvas, r, state == cxbsPressed);
}

void P::PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const
{
    cxPaintSortMarkOutline(canvas, r, SortMarkExtent(), ascending);
}

int P::HeaderBorderWidth() const
{
    return 1;
}

TSize P::SortMarkExtent() const
{
    return cxMakeSize(8, 7);
}

int P::FooterBorderWidth() const
{
    return 1;
}

int P::FooterCellBorderWidth() const
{
    return 1;
}

int P::FooterCellSpacing() const
{
    return 1;
}

void P::PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const
{
    PaintEdge(canvas, r, false);
}

void P::PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const
{
    PaintEdge(canvas, r, true);
}

void P::PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool) const
{
    PaintArrowButton(canvas, r, true, state, adDown);
}

void P::PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const
{
    PaintEdge(canvas, r, false, borders);
}

void P::PaintTabStrip(TcxCanvas& canvas, const TRect& r) const
{
    cxFillRectByColor(canvas, r, clBtnFace);
}

int P::TabBorderWidth() const
{
    return 1;
}

void P::PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part, const TRect& r) const
{
    if (state == cxbsHot)
        state = cxbsNormal;
    cxPaintFlatScrollBarPart(*this, canvas, horizontal, state, part, r, true);
}

void P::PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool) const
{
    PaintEdge(canvas, r, false);
}
