// The borders of the edit button styles, the theme's and the pixel art of
// the plain ones: each draws around the button's bounds and tells what it
// left inside, the colour to fill that with and the colour of the content.
#include "editors/edit/viewinfo/cxeditviewinfo.h"

#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

bool Lit(TcxEditButtonState state)
{
    return state == ebsPressed || state == ebsHot;
}

// The fill of the plain styles: the editor's background for a transparent button.
TColor PlainFill(const TcxEditButtonViewInfo& button)
{
    return button.Data.Transparent ? button.TransparentColor : clBtnFace;
}

// The sides of r that lie on the edges of area.
unsigned SidesOnEdges(const TRect& r, const TRect& area)
{
    unsigned sides = 0;
    if (r.left <= area.left)
        sides |= bLeft;
    if (r.top <= area.top)
        sides |= bTop;
    if (r.right >= area.right)
        sides |= bRight;
    if (r.bottom >= area.bottom)
        sides |= bBottom;
    return sides;
}

} // namespace

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorder3D(TcxCanvas& canvas, int index)
{
    const TcxEditButtonViewInfo& button = Button(index);
    const TColor fill = PlainFill(button);
    TRect r = button.Bounds;
    if (button.Data.State == ebsPressed) {
        cxFrameRectByColor(canvas, r, clBtnShadow);
        r = cxRectShrunk(r);
        cxFrameRectByColor(canvas, r, fill);
    } else {
        cxDrawRing(canvas, r, cl3DLight, cl3DDkShadow);
        r = cxRectShrunk(r);
        cxDrawRing(canvas, r, clBtnHighlight, clBtnShadow);
    }
    return {cxRectShrunk(r), fill, clBtnText};
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderFlat(TcxCanvas& canvas, int index)
{
    const TcxEditButtonViewInfo& button = Button(index);
    const TColor fill = PlainFill(button);
    TRect r = button.Bounds;
    // A line of the face towards the text, the one-pixel 3D ring, a face line on the right.
    cxDrawSideLines(canvas, r, bLeft, fill);
    if (button.Data.State == ebsPressed)
        cxDrawRing(canvas, r, clBtnShadow, clBtnHighlight);
    else
        cxDrawRing(canvas, r, clBtnHighlight, clBtnShadow);
    r = cxRectShrunk(r);
    cxDrawSideLines(canvas, r, bRight, fill);
    return {r, fill, clBtnText};
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderSimple(TcxCanvas& canvas, int index)
{
    const TcxEditButtonViewInfo& button = Button(index);
    if (Lit(button.Data.State))
        return DrawButtonBorderFlat(canvas, index);
    // At rest no ring: the flat style's place filled with the face.
    const TColor fill = PlainFill(button);
    TRect r = button.Bounds;
    cxDrawSideLines(canvas, r, bLeft, fill);
    cxFrameRectByColor(canvas, r, fill);
    r = cxRectShrunk(r);
    cxDrawSideLines(canvas, r, bRight, fill);
    return {r, fill, clBtnText};
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderHotFlat(TcxCanvas& canvas, int index)
{
    // Face by state: disabled, normal, pressed, hot.
    static constexpr TColor kFace[] = {clBtnFace, clBtnFace, cl3DDkShadow, clBtnShadow};
    const TcxEditButtonViewInfo& button = Button(index);
    const TcxEditButtonState state = button.Data.State;
    const TColor fill = button.Data.Transparent ? button.TransparentColor : kFace[state];
    TColor content = clBtnText;
    if (Lit(state))
        content = button.Data.Transparent && state == ebsHot ? clBtnShadow : clWindow;
    // A side shared with the neighbouring button is the neighbour's line.
    unsigned sides = cxBordersAll;
    for (const auto& other : ButtonsInfo)
        if (other.get() != &button && other->Bounds.top < button.Bounds.bottom &&
            other->Bounds.bottom > button.Bounds.top && other->Bounds.right == button.Bounds.left)
            sides &= ~unsigned{bLeft};
    cxFrameRectByColor(canvas, button.Bounds, clBtnShadow, sides);
    return {cxRectInsideBorders(button.Bounds, 1, sides), fill, content};
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderUltraFlat(TcxCanvas& canvas, int index, bool office11)
{
    const TcxUltraFlatLookAndFeelPainter& painter =
        office11 ? TcxOffice11LookAndFeelPainter::Instance : TcxUltraFlatLookAndFeelPainter::Instance;
    const TcxEditButtonViewInfo& button = Button(index);
    const TcxEditButtonState state = button.Data.State;
    // The editor's own border is there already on the sides touching it.
    const unsigned sides = cxBordersAll & ~SidesOnEdges(button.Bounds, InnerRect);
    if (Lit(state))
        cxFrameRectByColor(canvas, button.Bounds, painter.HighlightFrameColor(), sides);
    else
        cxFrameRectByColor(canvas, button.Bounds, painter.FrameColor(),
                           sides & (button.LeftAlignment ? unsigned{bRight} : unsigned{bLeft}));
    TColor fill = state == ebsDisabled ? clBtnFace : cxFlatButtonColor(state, office11);
    if (button.Data.Transparent)
        fill = button.TransparentColor;
    return {cxRectInsideBorders(button.Bounds, 1, sides), fill,
            painter.ButtonGlyphColor(cxEditButtonPainterState(state))};
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawThemedButtonFrame(TcxCanvas& canvas, int index)
{
    const TcxEditButtonViewInfo& button = Button(index);
    const int part = button.Data.NativePart, state = button.Data.NativeState;
    cxDrawThemePart(canvas, WindowHandle, button.ThemeClass, part, state, button.Bounds, BackgroundColor);
    auto theme = reinterpret_cast<dxUxTheme::HTHEME>(OpenTheme(button.ThemeClass));
    RECT content = button.Bounds;
    dxUxTheme::GetThemeBackgroundContentRect(theme, canvas.Handle(), part, state, &button.Bounds, &content);
    return {content, clBtnFace, clBtnText};
}
