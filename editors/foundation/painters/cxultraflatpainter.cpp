#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/painters/cxstylepainters.h"

using P = TcxUltraFlatLookAndFeelPainter;

const P P::Instance;

void P::PaintNavigationButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    PaintButton(canvas, r, "", state);
}

TcxLookAndFeelStyle P::StyleKind() const
{
    return lfsUltraFlat;
}

TColor P::PaletteColor30() const
{
    return FrameColor();
}

int P::BorderWidth() const
{
    return 1;
}

void P::PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const
{
    cxFrameRectByColor(canvas, r, clBtnShadow);
}

int P::ButtonBorderWidth(TcxButtonState state) const
{
    return state == cxbsDefault ? 2 : 1;
}

TColor P::ButtonFaceColor(TcxButtonState state) const
{
    if (state == cxbsHot)
        return cxSelectionColorB();
    if (state == cxbsPressed)
        return cxSelectionColorA();
    return TcxCustomLookAndFeelPainter::ButtonFaceColor(state);
}

bool P::ButtonFocusBounds(const TRect& r, TRect& bounds) const
{
    bounds = cxRectShrunk(r, 3);
    const bool empty = cxRectIsEmpty(bounds);
    if (empty)
        bounds = r;
    return empty;
}

TRect P::ButtonGroupBorderWidths(int index, int count) const
{
    TRect widths{1, 2, 1, 2};
    if (index == 0)
        widths.left = 2;
    else if (index == count - 1)
        widths.right = 2;
    return widths;
}

int P::ButtonTextMargin() const
{
    return 2;
}

int P::ButtonPressedShift() const
{
    return 0;
}

TColor P::ButtonGlyphColor(TcxButtonState state, TColor color) const
{
    return state == cxbsPressed ? clHighlightText : TcxCustomLookAndFeelPainter::ButtonGlyphColor(state, color);
}

TcxButtonState P::ButtonGlyphState(TcxButtonState) const
{
    return cxbsNormal;
}

void P::PaintGroupButton(TcxCanvas& canvas, const TRect& r, TColor frameColor, int index, int count,
                         TcxButtonState state) const
{
    state = cxValidButtonState(state);
    const bool first = index == 0, last = index == count - 1;
    TRect face = cxRectInflatedBy(r, first ? -1 : 0, -1, last ? -1 : 0, -1);
    if (state == cxbsHot || state == cxbsPressed) {
        const unsigned sides = (first ? 0u : unsigned{bLeft}) | (last ? 0u : unsigned{bRight});
        cxFrameRectByColor(canvas, face, HighlightFrameColor(), sides);
        face = cxRectInsideBorders(face, 1, sides);
    } else {
        cxFrameRectByColor(canvas, face, frameColor);
        face = cxRectShrunk(face);
    }
    cxFillRectByColor(canvas, face, ButtonFaceColor(state));
}

void P::PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (state == cxbsDefault) {
        cxFrameRectByColor(canvas, r, clWindowFrame);
        cxFrameRectByColor(canvas, cxRectShrunk(r), clWindowFrame);
        return;
    }
    static constexpr TColor frames[] = {clWindowFrame, clBtnText, clHighlight, clHighlight, clBtnShadow};
    cxFrameRectByColor(canvas, r, frames[cxValidButtonState(state)]);
}

void P::PaintButtonFrame(TcxCanvas& canvas, const TRect& r, bool hot, bool dark) const
{
    cxFrameRectByColor(canvas, r, dark ? clBtnText : hot ? HighlightFrameColor() : clBtnShadow);
}

void P::PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    if (cxRectIsEmpty(r))
        return;
    cxFrameRectByColor(canvas, r, clBtnShadow);
    cxFillRectByColor(canvas, cxRectShrunk(r), color == clNone || color == clDefault ? clBtnFace : color);
    cxPaintExpandCross(canvas, cxRectShrunk(r), expanded);
    canvas.ExcludeClipRect(r);
}

int P::ExpandButtonExtent() const
{
    return 11;
}

bool P::ButtonHotTracks() const
{
    return true;
}

void P::PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    state = cxValidButtonState(state);
    const bool lit = state == cxbsHot || state == cxbsPressed;
    cxFrameRectByColor(canvas, r, FrameColorForState(lit ? state : cxbsNormal));
    cxFrameRectByColor(canvas, cxRectShrunk(r), CheckBoxFaceColor(state));
}

void P::PaintHeaderWithBorders(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                               const TcxContentParams& params) const
{
    PaintHeader(canvas, r, borders & HeaderBorderSides(), state, params);
}

void P::PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState) const
{
    cxFrameRectByColor(canvas, r, FrameColor(), borders);
}

void P::PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    cxFrameRectByColor(canvas, r, FrameColorForState(cxValidButtonState(state)));
}

void P::PaintHeaderSectionFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                               const TcxContentParams& params) const
{
    TcxContentParams face = params;
    if (state == cxbsHot || state == cxbsPressed)
        face.Color = ButtonFaceColor(state);
    TcxCustomLookAndFeelPainter::PaintHeaderSectionFace(canvas, r, state, face);
}

void P::PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const
{
    cxPaintSortMarkOutline(canvas, r, SortMarkExtent(), ascending);
}

unsigned P::HeaderBorderSides() const
{
    return bRight | bBottom;
}

int P::HeaderBorderWidth() const
{
    return 1;
}

TSize P::SortMarkExtent() const
{
    return cxMakeSize(7, 8);
}

unsigned P::FooterBorderSides() const
{
    return bRight | bBottom;
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
    return 2;
}

void P::PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const
{
    cxFrameRectByColor(canvas, r, FrameColor(), FooterBorderSides());
}

void P::PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const
{
    cxFrameRectByColor(canvas, r, FrameColor());
}

void P::PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool) const
{
    PaintArrowButton(canvas, r, true, state, adDown);
}

TSize P::FilterCloseButtonExtent() const
{
    return cxMakeSize(15, 13);
}

void P::PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const
{
    cxFrameRectByColor(canvas, r, FrameColor(), borders);
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
    cxPaintFlatScrollBarPart(*this, canvas, horizontal, state, part, r, false);
}

void P::PaintNavigatorButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    PaintButton(canvas, r, "", state);
}

void P::PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool) const
{
    cxFrameRectByColor(canvas, r, FrameColor());
}

TColor P::FrameColorForState(TcxButtonState state) const
{
    return state == cxbsNormal ? clBtnShadow : clHighlight;
}

TColor P::FrameColor() const
{
    return clBtnShadow;
}

TColor P::FlatSymbolColor() const
{
    return clBtnText;
}

TColor P::HighlightFrameColor() const
{
    return clHighlight;
}
