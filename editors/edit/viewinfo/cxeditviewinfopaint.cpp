// How the edit view information paints: the frame and background around
// the content, then each button (by a custom-draw handler, or its border,
// background and content, off-screen for glyphs, themes and skins).
#include "editors/edit/viewinfo/cxeditviewinfo.h"

#include <algorithm>

#include "classlib/font.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/container/cxcontainergeometry.h"
#include "editors/edit/styles/cxeditstyletypes.h"
#include "editors/edit/viewinfo/cxeditpaintgeometry.h"
#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

// The canvas's clipping saved for the life of the scope, and restored
// however it ends; with a rectangle, cut to it.
class TClipScope {
public:
    explicit TClipScope(TcxCanvas& canvas, bool active = true) : canvas_(canvas), active_(active)
    {
        if (active_)
            canvas_.PushClipRegion();
    }
    TClipScope(TcxCanvas& canvas, const TRect& r, bool active = true) : TClipScope(canvas, active)
    {
        if (active_)
            canvas_.IntersectClipRect(r);
    }
    ~TClipScope()
    {
        if (active_)
            canvas_.PopClipRegion();
    }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TcxCanvas& canvas_;
    bool active_;
};

bool Inside(const TRect& r, const TRect& area)
{
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

TRect Intersection(const TRect& a, const TRect& b)
{
    const TRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                  std::min(a.bottom, b.bottom)};
    return cxRectIsEmpty(r) ? TRect{} : r;
}

// The Office11 gradient's ends for a button state: the face, hot and pressed pairs.
std::pair<TColor, TColor> GradientColors(TcxEditButtonState state)
{
    auto entry = [](int i) { return static_cast<TColor>(Office11Palette().Entries[i]); };
    switch (state) {
    case ebsPressed:
        return {entry(24), entry(25)};
    case ebsHot:
        return {entry(22), entry(23)};
    default:
        return {entry(0), entry(1)};
    }
}

// The caption on one line by the button's alignment, with a clear brush.
void DrawCaption(TcxCanvas& canvas, const TcxEditButtonViewInfo& button, const TFont* font, const TRect& r,
                 TColor color)
{
    static constexpr unsigned kAlignment[] = {cxAlignLeft, cxAlignHCenter, cxAlignRight};
    if (font)
        canvas.SetFont(*font);
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const auto alignment = kAlignment[static_cast<int>(button.ContentAlignment)];
    canvas.DrawStateText(button.VisibleCaption, r, alignment | cxAlignVCenter | cxSingleLine, true);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

} // namespace

void cxDrawEditBackground(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo)
{
    TClipScope clip(canvas);
    const bool nativeButtons = viewInfo.ButtonCount() > 0 && viewInfo.Button(0).NativeStyle;
    if (!nativeButtons)
        for (const auto& button : viewInfo.ButtonsInfo)
            if (!cxRectIsEmpty(button->VisibleBounds))
                canvas.ExcludeClipRect(button->VisibleBounds);
    viewInfo.DrawEditBackground(canvas, viewInfo.ShowShadow);
}

void TcxCustomEditViewInfo::Paint(TcxCanvas& canvas)
{
    const bool drawn = Inplace && BackgroundDrawHandler && BackgroundDrawHandler(*this, canvas);
    if (PaintAbandoned())
        return;
    if (!drawn)
        cxDrawEditBackground(canvas, *this);
    PaintEditButtons(canvas);
}

void TcxCustomEditViewInfo::DrawEditBackground(TcxCanvas& canvas, bool drawShadow)
{
    if (Inplace || BorderStyle == cbsNone) {
        if (!Transparent)
            cxFillRectByColor(canvas, OuterBounds, BackgroundColor);
        return;
    }
    if (ThemedLook && OpenTheme(ThemeClass)) {
        // The themed frame around the rectangle inside the border.
        TClipScope clip(canvas);
        canvas.ExcludeClipRect(InnerRect);
        cxDrawThemePart(canvas, WindowHandle, ThemeClass, ThemePart, ThemeState, OuterBounds, BackgroundColor);
    } else {
        const int width = SkinPainter ? 1 : GetContainerBorderWidth(BorderStyle);
        const auto rects = cxContainerFrameRects(InnerRect, width, FrameSides);
        if (drawShadow)
            DrawContainerShadow(canvas, rects.ShadowFrom);
        DrawContainerFrame(canvas, rects.Border, {BorderStyle, width, BorderColor, FrameSides, SkinPainter != nullptr});
    }
    if (Transparent)
        return;
    // The inner window paints only its own rectangle, which may be lower
    // than the client rectangle when the editor is set higher than its text.
    if (InnerEditVisible)
        cxFillRectExcept(canvas, InnerRect, cxRectIsEmpty(InnerEditRect) ? ContentRect : InnerEditRect,
                         BackgroundColor);
    else
        cxFillRectByColor(canvas, InnerRect, BackgroundColor);
}

void TcxCustomEditViewInfo::PaintEditButtons(TcxCanvas& canvas)
{
    if (paintingButtons_ || EditPaintsButtons)
        return;
    paintingButtons_ = true;
    try {
        for (int i = 0; i < ButtonCount(); ++i) {
            const TcxEditButtonViewInfo& button = Button(i);
            if (cxRectIsEmpty(button.VisibleBounds))
                continue;
            TClipScope clip(canvas, button.VisibleBounds, !Inside(button.Bounds, InnerRect));
            PaintButton(canvas, i);
            if (PaintAbandoned())
                break;
        }
    } catch (...) {
        paintingButtons_ = false;
        throw;
    }
    paintingButtons_ = false;
}

void TcxCustomEditViewInfo::PaintButton(TcxCanvas& canvas, int index)
{
    if ((ButtonDrawHandler && ButtonDrawHandler(*this, canvas, index)) || PaintAbandoned())
        return;
    const TcxEditButtonViewInfo& button = Button(index);
    const bool offScreen = button.NativeStyle || button.SkinPainter ||
                           (button.Kind == bkGlyph && cxIsBitmapUsable(button.Glyph));
    if (!offScreen) {
        const TcxEditButtonFace face = PaintEditButtonFrame(canvas, index);
        if (!PaintAbandoned())
            DrawButtonBackground(canvas, index, face);
        if (!PaintAbandoned())
            DrawButtonContent(canvas, index, face);
        return;
    }
    // Only what the canvas shows of the button: a button laid out on the
    // unbounded rectangle may be wider than any bitmap.
    RECT clip{};
    if (GetClipBox(canvas.Handle(), &clip) == NULLREGION)
        return;
    const TRect area = Intersection(button.VisibleBounds, clip);
    if (cxRectIsEmpty(area))
        return;
    TBitmap bitmap;
    bitmap.SetSize(area.right - area.left, area.bottom - area.top);
    TcxCanvas buffer(bitmap.Canvas());
    buffer.SetWindowOrg(POINT{area.left, area.top});
    // What a theme or skin leaves out shows the editor's background.
    cxFillRectByColor(buffer, area, BackgroundColor);
    buffer.SetFont(canvas.Canvas().Font());
    const TcxEditButtonFace face = PaintEditButtonFrame(buffer, index);
    if (!PaintAbandoned())
        DrawButtonBackground(buffer, index, face);
    if (PaintAbandoned())
        return;
    DrawButtonContent(buffer, index, face);
    buffer.SetWindowOrg(POINT{0, 0});
    BitBlt(canvas.Handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.Handle(), 0,
           0, SRCCOPY);
}

TcxEditButtonFace TcxCustomEditViewInfo::PaintEditButtonFrame(TcxCanvas& canvas, int index)
{
    const TcxEditButtonViewInfo& button = Button(index);
    if (button.NativeStyle && button.Data.NativePart != 0 && OpenTheme(button.ThemeClass))
        return DrawThemedButtonFrame(canvas, index);
    if (button.SkinPainter) {
        const TcxEditButtonState state = button.Data.State;
        button.SkinPainter->PaintEditButton(canvas, button.Bounds, cxEditButtonPainterState(state));
        const TColor fill = state == ebsDisabled ? clBtnFace : Edit ? BackgroundColor : clWindow;
        return {cxRectShrunk(button.Bounds, 1), fill, clBtnText};
    }
    const bool customBorder = ButtonBorderDrawHandler && ButtonBorderDrawHandler(*this, canvas, index, button.Bounds);
    if (PaintAbandoned())
        return {};
    // A handler drew the border: the style's still says what is left inside.
    TClipScope nothing(canvas, TRect{}, customBorder);
    switch (button.Style) {
    case btsFlat:
        return DrawButtonBorderFlat(canvas, index);
    case btsSimple:
        return DrawButtonBorderSimple(canvas, index);
    case btsHotFlat:
        return DrawButtonBorderHotFlat(canvas, index);
    case btsUltraFlat:
        return DrawButtonBorderUltraFlat(canvas, index, false);
    case btsOffice11:
        return DrawButtonBorderUltraFlat(canvas, index, true);
    default:
        return DrawButtonBorder3D(canvas, index);
    }
}

void TcxCustomEditViewInfo::DrawButtonBackground(TcxCanvas& canvas, int index, const TcxEditButtonFace& face)
{
    const TcxEditButtonViewInfo& button = Button(index);
    // The theme and the skin fill their own buttons.
    if ((button.NativeStyle && button.Data.NativePart != 0) || button.SkinPainter)
        return;
    if (ButtonBackgroundDrawHandler && ButtonBackgroundDrawHandler(*this, canvas, index, face.ContentRect))
        return;
    const bool gradient = button.Style == btsOffice11 && button.Gradient && !button.Data.Transparent &&
                          button.Data.State != ebsDisabled;
    if (!gradient) {
        cxFillRectByColor(canvas, face.ContentRect, face.FillColor);
        return;
    }
    // Spans the height inside the border, cut to the button.
    TRect span{face.ContentRect.left, InnerRect.top, face.ContentRect.right, InnerRect.bottom};
    if (button.Data.State == ebsNormal)
        span = cxRectInflatedBy(span, 0, -1, 0, -1);
    const auto [from, to] = GradientColors(button.Data.State);
    TClipScope clip(canvas, face.ContentRect, true);
    FillRectGradient(canvas.Handle(), span, from, to, false);
}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas& canvas, int index, const TcxEditButtonFace& face)
{
    const TcxEditButtonViewInfo& button = Button(index);
    // The combo box's drop-down part draws its own arrow.
    if (button.NativeStyle && button.Data.NativePart != 0 && button.OnlyDropDownButton && button.Kind == bkDown)
        return;
    TRect r = face.ContentRect;
    if (cxRectIsEmpty(r))
        return;
    const TcxEditButtonState state = button.Data.State;
    if (state == ebsPressed)
        r = cxRectOffsetBy(r, 1, 1);
    if (button.Kind == bkGlyph) {
        if (!cxIsBitmapUsable(button.Glyph))
            return;
        TClipScope clip(canvas, face.ContentRect, true);
        const TRect at = cxCenteredIn(r, button.Glyph->Width(), button.Glyph->Height());
        cxDrawGlyph(canvas, *button.Glyph, at.left, at.top, state != ebsDisabled);
        return;
    }
    auto draw = [&](const TRect& where, TColor color) {
        switch (button.Kind) {
        case bkEllipsis:
            for (const TRect& dot : cxEllipsisDots(where))
                cxFillRectByColor(canvas, dot, color);
            break;
        case bkDown:
            TcxStandardLookAndFeelPainter::Instance.PaintArrow(canvas, where, color, adDown);
            break;
        default:
            DrawCaption(canvas, button, Font, where, color);
            break;
        }
    };
    if (state == ebsDisabled) {
        draw(cxRectOffsetBy(r, 1, 1), clBtnHighlight);
        draw(r, clBtnShadow);
    } else {
        // A caption colour of its own wins over the style's content colour.
        const bool ownColor = button.Kind == bkText && button.TextColor != clBtnText;
        draw(r, ownColor ? button.TextColor : face.ContentColor);
    }
}
