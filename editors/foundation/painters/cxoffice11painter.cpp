#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"

using P = TcxOffice11LookAndFeelPainter;

const P P::Instance;

namespace {

constexpr int kScrollBarThemeClass = 12;
// The rows under a gradient content fill.
constexpr int kGradientRows = 4;

TColor Entry(int entry)
{
    return static_cast<TColor>(Office11Palette().Entries[entry]);
}

// Buttons and check boxes share their hot, pressed and disabled faces.
TColor FaceColor(TcxButtonState state, TColor normal)
{
    switch (state) {
    case cxbsHot:
        return Entry(22);
    case cxbsPressed:
        return Entry(24);
    case cxbsDisabled:
        return clBtnFace;
    default:
        return normal;
    }
}

TColor CanvasPixel(TcxCanvas& canvas, int x, int y)
{
    return static_cast<TColor>(GetPixel(canvas.Handle(), x, y));
}

} // namespace

void P::PaintContent(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const
{
    TcxContentParams content = params;
    content.CustomDraw = [&params](TcxCanvas& c, const TRect& area) {
        if (params.CustomDraw && params.CustomDraw(c, area))
            return true;
        const TColor color = params.SchemeColor ? Entry(0) : params.Color;
        if (!params.Gradient || cxRectGetHeight(area) <= kGradientRows) {
            cxFillRectByColor(c, area, color);
            return true;
        }
        cxFillRectByColor(c, TRect{area.left, area.top, area.right, area.bottom - kGradientRows + 1}, color);
        const TColor second = params.GradientColor == clDefault ? Entry(1) : params.GradientColor;
        FillRectGradient(c.Handle(), TRect{area.left, area.bottom - kGradientRows, area.right, area.bottom}, color,
                         second, false);
        return true;
    };
    TcxUltraFlatLookAndFeelPainter::PaintContent(canvas, r, content);
}

TcxLookAndFeelStyle P::StyleKind() const
{
    return lfsOffice11;
}

// The Office11 palette entries of the same numbers.
TColor P::PaletteColor01() const { return Entry(1); }
TColor P::PaletteColor02() const { return Entry(2); }
TColor P::PaletteColor04() const { return Entry(4); }
TColor P::PaletteColor05() const { return Entry(5); }
TColor P::PaletteColor07() const { return Entry(7); }
TColor P::PaletteColor08() const { return Entry(8); }
TColor P::PaletteColor09() const { return Entry(9); }
TColor P::PaletteColor11() const { return Entry(11); }
TColor P::PaletteColor13() const { return Entry(13); }
TColor P::PaletteColor25() const { return Entry(25); }
TColor P::PaletteColor26() const { return Entry(26); }
TColor P::PaletteColor27() const { return Entry(27); }
TColor P::PaletteColor30() const { return Entry(30); }
TColor P::PaletteColor31() const { return Entry(31); }
TColor P::PaletteColor38() const { return Entry(38); }
TColor P::PaletteColor40() const { return Entry(40); }
TColor P::PaletteColor43() const { return Entry(43); }
TColor P::PaletteColor45() const { return Entry(45); }

void P::PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const
{
    cxFrameRectByColor(canvas, r, static_cast<TColor>(Office11Palette().ShadowEdge));
}

TColor P::ButtonFaceColor(TcxButtonState state) const
{
    return FaceColor(state, Entry(2));
}

TColor P::ButtonGlyphColor(TcxButtonState state, TColor) const
{
    if (state == cxbsPressed && !Office11SchemeThemed())
        return clHighlightText;
    return state == cxbsDisabled ? Entry(31) : Entry(30);
}

void P::PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (state == cxbsDefault)
        return TcxUltraFlatLookAndFeelPainter::PaintButtonBorder(canvas, r, state);
    const TColor frame = state == cxbsDisabled ? Entry(31)
                         : state == cxbsHot || state == cxbsPressed ? Entry(21)
                                                                   : clBtnText;
    cxFrameRectByColor(canvas, r, frame);
}

void P::PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor, bool expanded) const
{
    if (cxRectIsEmpty(r))
        return;
    const TBitmap& glyph = expanded ? Office11ExpandButtonMinus() : Office11ExpandButtonPlus();
    const int last = glyph.Width() - 1;
    // The rounded corners take a share of what lies under them.
    const TColor underTopLeft = CanvasPixel(canvas, r.left, r.top);
    const TColor underBottomRight = CanvasPixel(canvas, r.right - 1, r.bottom - 1);
    canvas.Draw(r.left, r.top, glyph);
    const TColor corner = static_cast<TColor>(dxMixRGB(dxOffice11ExpandButtonColor1, underTopLeft, 25));
    const TColor otherCorners = static_cast<TColor>(dxMixRGB(dxOffice11ExpandButtonColor2, underBottomRight, 25));
    canvas.SetPixel(r.left, r.top, corner);
    canvas.SetPixel(r.left + last, r.top + last, otherCorners);
    canvas.SetPixel(r.left, r.top + last, otherCorners);
    canvas.SetPixel(r.left + last, r.top, otherCorners);
    canvas.ExcludeClipRect(r);
}

bool P::ExpandButtonPaintsFirst() const
{
    return false;
}

void P::PaintSmallExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    TcxUltraFlatLookAndFeelPainter::PaintExpandButton(canvas, r, color, expanded);
}

int P::SmallExpandButtonExtent() const
{
    return GroupExpandButtonExtent();
}

TColor P::CheckBoxFaceColor(TcxButtonState state) const
{
    return FaceColor(state, clWindow);
}

void P::PaintHeader(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                    const TcxContentParams& params) const
{
    TcxContentParams header = params;
    header.Gradient = true;
    header.SchemeColor = true;
    TcxUltraFlatLookAndFeelPainter::PaintHeader(canvas, r, borders, state, header);
}

void P::PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState) const
{
    cxFrameRectByColor(canvas, r, SchemeFrameColor(), borders);
}

void P::PaintHeaderSection(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                           const TcxContentParams& params) const
{
    state = cxValidButtonState(state);
    PaintHeaderSectionBorder(canvas, r, state);
    TcxContentParams face = params;
    face.Gradient = true;
    face.Color = ButtonFaceColor(state);
    PaintContent(canvas, HeaderSectionInnerRect(r, state), face);
}

bool P::HeaderAltOption() const
{
    return true;
}

TColor P::FooterSeparatorColor() const
{
    return SchemeFrameColor();
}

void P::PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part, const TRect& r) const
{
    if (ThemeClassUsable(kScrollBarThemeClass))
        TcxWinXPLookAndFeelPainter::Instance.PaintScrollBarPart(canvas, horizontal, state, part, r);
    else
        cxPaintStandardScrollBarPart(canvas, horizontal, state, part, r);
}

void P::PaintSizeGrip(TcxCanvas& canvas, const TRect& r, TColor background) const
{
    if (cxRectIsEmpty(r))
        return;
    cxFillRectByColor(canvas, r, background);
    Office11PaintSizeGrip(canvas.Handle(), r);
}

void P::PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                         const TcxContentParams& params) const
{
    TcxContentParams header = params;
    header.Text = text;
    header.AlignHorz = TcxTextAlignHorz::Center;
    PaintHeader(canvas, r, HeaderBorderSides(), cxbsNormal, header);
}

void P::PaintOuterBorder(TcxCanvas& canvas, const TRect& r) const
{
    cxFrameRectByColor(canvas, r, SchemeFrameColor());
}

TColor P::FrameColorForState(TcxButtonState state) const
{
    return state == cxbsNormal ? SchemeFrameColor() : HighlightFrameColor();
}

TColor P::FrameColor() const
{
    return SchemeFrameColor();
}

TColor P::FlatSymbolColor() const
{
    return Entry(30);
}

TColor P::HighlightFrameColor() const
{
    return Entry(21);
}

TColor P::SchemeDarkColor() const
{
    return Entry(1);
}

TColor P::SchemeFrameColor() const
{
    return Entry(14);
}

TColor P::SchemeLightFrameColor() const
{
    return Entry(15);
}

TColor P::SchemeMiddleColor() const
{
    return static_cast<TColor>(dxMixRGB(Entry(0), Entry(1), 50));
}
