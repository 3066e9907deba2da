#include "editors/foundation/painters/cxpainterresources.h"
#include "editors/foundation/painters/cxstylepainters.h"

using P = TcxStandardLookAndFeelPainter;

const P P::Instance;

namespace {

// The scroll button's two rings.
void PaintScrollButtonBorder(TcxCanvas& canvas, const TRect& r, bool pressed)
{
    if (pressed) {
        cxFrameRectByColor(canvas, r, clBtnShadow);
        cxFrameRectByColor(canvas, cxRectShrunk(r), clBtnFace);
        return;
    }
    cxDrawRing(canvas, r, clBtnFace, cl3DDkShadow);
    cxDrawRing(canvas, cxRectShrunk(r), clBtnHighlight, clBtnShadow);
}

} // namespace

void cxPaintScrollBarPage(TcxCanvas& canvas, const TRect& r, bool pressed)
{
    canvas.FillRect(r, &cxScrollBarPattern(pressed));
}

void cxPaintStandardScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part, const TRect& r)
{
    state = cxValidButtonState(state);
    if (cxRectIsEmpty(r) || (part == sbpThumbnail && state == cxbsDisabled))
        return;
    if (state == cxbsHot)
        state = cxbsNormal;
    const bool pressed = state == cxbsPressed;
    switch (part) {
    case sbpLineUp:
    case sbpLineDown: {
        static constexpr UINT glyphs[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
        UINT kind = glyphs[cxScrollArrowDirection(horizontal, static_cast<TcxScrollBarPart>(part))];
        if (state == cxbsDisabled)
            kind |= DFCS_INACTIVE;
        TRect glyph = r;
        if (pressed)
            kind |= DFCS_FLAT, glyph = cxRectOffsetBy(r, 1, 1);
        canvas.PushDC();
        canvas.IntersectClipRect(r);
        DrawFrameControl(canvas.Handle(), &glyph, DFC_SCROLL, kind);
        canvas.PopDC();
        PaintScrollButtonBorder(canvas, r, pressed);
        break;
    }
    case sbpThumbnail:
        PaintScrollButtonBorder(canvas, r, false);
        cxFillRectByColor(canvas, cxRectShrunk(r, P::Instance.ButtonBorderWidth(cxbsNormal)), clBtnFace);
        break;
    case sbpPageUp:
    case sbpPageDown:
        cxPaintScrollBarPage(canvas, r, pressed);
        break;
    default:
        break;
    }
}

void cxPaintFlatScrollBarPart(const TcxCustomLookAndFeelPainter& painter, TcxCanvas& canvas, bool horizontal,
                              TcxButtonState state, int part, const TRect& r, bool shrinkBeforeArrow)
{
    state = cxValidButtonState(state);
    if (cxRectIsEmpty(r) || (part == sbpThumbnail && state == cxbsDisabled))
        return;
    if (part == sbpPageUp || part == sbpPageDown)
        return cxPaintScrollBarPage(canvas, r, state == cxbsPressed);
    if (part != sbpLineUp && part != sbpLineDown && part != sbpThumbnail)
        return;
    painter.PaintButton(canvas, r, "", state);
    if (part == sbpThumbnail)
        return;
    const TRect arrow = shrinkBeforeArrow ? cxRectShrunk(r, painter.ButtonBorderWidth(cxbsNormal)) : r;
    painter.PaintScrollArrow(canvas, arrow, cxScrollArrowDirection(horizontal, static_cast<TcxScrollBarPart>(part)),
                             state);
}

TcxLookAndFeelStyle P::StyleKind() const
{
    return lfsStandard;
}

TColor P::PaletteColor33() const
{
    return clInfoBk;
}

int P::BorderWidth() const
{
    return 2;
}

void P::PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const
{
    cxDrawRing(canvas, r, clBtnShadow, clBtnHighlight);
    cxDrawRing(canvas, cxRectShrunk(r), cl3DDkShadow, cl3DLight);
}

int P::ButtonBorderWidth(TcxButtonState state) const
{
    return state == cxbsDefault ? 3 : 2;
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
    TRect ring = r;
    if (state == cxbsPressed) {
        cxFrameRectByColor(canvas, ring, clBlack);
        cxFrameRectByColor(canvas, cxRectShrunk(ring), clBtnShadow);
        return;
    }
    if (state == cxbsDefault) {
        cxFrameRectByColor(canvas, ring, clBlack);
        ring = cxRectShrunk(ring);
    }
    cxDrawRing(canvas, ring, clBtnHighlight, cl3DDkShadow);
    cxDrawRing(canvas, cxRectShrunk(ring), cl3DLight, clBtnShadow);
}

void P::PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    if (cxRectIsEmpty(r))
        return;
    // One pixel of raised edge on the left and top, two on the right and bottom.
    cxDrawRing(canvas, r, clBtnHighlight, cl3DDkShadow);
    cxFrameRectByColor(canvas, cxRectShrunk(r), clBtnShadow, bRight | bBottom);
    const TRect face = cxRectInflatedBy(r, -1, -1, -2, -2);
    cxFillRectByColor(canvas, face, color == clNone || color == clDefault ? clBtnFace : color);
    cxPaintExpandCross(canvas, face, expanded);
    canvas.ExcludeClipRect(r);
}

void P::PaintGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const
{
    PaintButton(canvas, r, "", state);
    cxPaintExpandCross(canvas, cxRectShrunk(r, ButtonBorderWidth(state)), expanded);
}

int P::ExpandButtonExtent() const
{
    return 12;
}

bool P::ButtonHotTracks() const
{
    return false;
}

void P::PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState) const
{
    P::PaintBorderFrame(canvas, r);
}

void P::PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState) const
{
    PaintElementEdge(canvas, r, borders);
}

void P::PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (state == cxbsPressed)
        cxFrameRectByColor(canvas, r, clBtnShadow);
    else {
        cxDrawRing(canvas, r, clBtnHighlight, cl3DDkShadow);
        cxDrawRing(canvas, cxRectShrunk(r), cl3DLight, clBtnShadow);
    }
}

void P::PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const
{
    cxPaintSortMarkOutline(canvas, r, SortMarkExtent(), ascending);
}

int P::HeaderBorderWidth() const
{
    return 1;
}

int P::HeaderSectionBorderWidth(TcxButtonState state) const
{
    return state == cxbsPressed ? 1 : 2;
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
    PaintElementEdge(canvas, r, cxBordersAll);
}

void P::PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const
{
    cxDrawRing(canvas, r, clBtnShadow, clBtnHighlight);
}

void P::PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool) const
{
    PaintArrowButton(canvas, r, true, state, adDown);
}

void P::PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const
{
    PaintElementEdge(canvas, r, borders);
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
    cxPaintStandardScrollBarPart(canvas, horizontal, state, part, r);
}

void P::PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                         const TcxContentParams& params) const
{
    TcxContentParams header = params;
    header.Text = text;
    header.AlignHorz = TcxTextAlignHorz::Center;
    PaintHeader(canvas, r, cxBordersAll, cxbsNormal, header);
}

void P::PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool) const
{
    PaintElementEdge(canvas, r, cxBordersAll);
}

void P::PaintElementEdge(TcxCanvas& canvas, const TRect& r, unsigned borders) const
{
    cxFrameRectByColor(canvas, r, clBtnHighlight, borders & (bLeft | bTop));
    cxFrameRectByColor(canvas, r, clBtnShadow, borders & (bRight | bBottom));
}
