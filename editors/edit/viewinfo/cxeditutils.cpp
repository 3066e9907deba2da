#include "editors/edit/viewinfo/cxeditutils.h"

#include <algorithm>
#include <cstdint>

#include "classlib/imagelist.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/container/cxcontainertheme.h"
#include "editors/edit/container/cxcontainertypes.h"
#include "editors/edit/container/cxcontainerutils.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/viewinfo/cxbuttonlayout.h"
#include "editors/edit/viewinfo/cxeditpaintgeometry.h"
#include "editors/foundation/core/cxtextlayout.h"
#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

bool win98MeOr2000Xp = false;

// Theme classes by their place in the theme manager's table.
constexpr int kButtonThemeClass = 0;
constexpr int kEditThemeClass = 3;
// The probe the themed insets are measured on.
constexpr TRect kProbe{0, 0, 100, 100};
// Drawn without the theme, a button keeps two pixels free on either side.
constexpr int kPlainContentMargins = 4;
// The Office11 palette's selection and hot frame colour.
constexpr int kOffice11SelectionEntry = 21;

// What the part leaves free inside the probe on each side, on the screen's DC.
TRect ThemedInsets(int themeClass)
{
    HDC screen = GetDC(nullptr);
    const TRect content = cxContainerThemeContentRect(screen, themeClass, 1, 1, kProbe);
    ReleaseDC(nullptr, screen);
    return TRect{content.left - kProbe.left, content.top - kProbe.top, kProbe.right - content.right,
                 kProbe.bottom - content.bottom};
}

// The part of the w x h picture at (x, y) that the canvas's clipping lets
// through, relative to the picture; empty when none.
TRect VisiblePart(TcxCanvas& canvas, int x, int y, int w, int h)
{
    RECT clip{};
    const int kind = GetClipBox(canvas.Handle(), &clip);
    if (kind == NULLREGION || kind == ERROR)
        return TRect{};
    // Relative to the picture, in 64 bits: x may lie anywhere.
    auto clamp = [](std::int64_t v, int hi) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, hi)); };
    const TRect part{clamp(std::int64_t{clip.left} - x, w), clamp(std::int64_t{clip.top} - y, h),
                     clamp(std::int64_t{clip.right} - x, w), clamp(std::int64_t{clip.bottom} - y, h)};
    return part.left < part.right && part.top < part.bottom ? part : TRect{};
}

// The part of the glyph as a picture of its own, its transparent colour kept.
void CopyPart(const TBitmap& glyph, const TRect& part, TBitmap& copy)
{
    copy.SetPixelFormat(TPixelFormat::pf24bit);
    copy.SetSize(part.right - part.left, part.bottom - part.top);
    BitBlt(copy.Canvas().Handle(), 0, 0, copy.Width(), copy.Height(), glyph.Canvas().Handle(), part.left, part.top,
           SRCCOPY);
}

} // namespace

bool cxIsWin98MeOr2000XpVersion(DWORD platformId, DWORD major, DWORD minor)
{
    return (platformId == VER_PLATFORM_WIN32_WINDOWS && minor != 0) ||
           (platformId == VER_PLATFORM_WIN32_NT && major == 5);
}

bool cxIsWin98MeOr2000Xp()
{
    return win98MeOr2000Xp;
}

void cxEditUtilsInitialize()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    // Deprecated, but what the system reports is what is wanted here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const bool known = GetVersionExA(&version) != 0;
#pragma GCC diagnostic pop
    win98MeOr2000Xp =
        known && cxIsWin98MeOr2000XpVersion(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

void cxDrawArrowGlyph(TcxCanvas& canvas, const TRect& r, const TSize& size, TcxArrowDirection direction,
                      TColor color, bool pressed, int count)
{
    cxFillStrips(canvas, cxArrowGlyphStrips(r, size, direction, pressed, count), color);
}

void cxDrawSideLines(TcxCanvas& canvas, TRect& r, unsigned sides, TColor color)
{
    cxFrameRectByColor(canvas, r, color, sides);
    r = cxRectInsideBorders(r, 1, sides);
}

void cxDrawGlyph(TcxCanvas& canvas, const TBitmap& glyph, int x, int y, bool enabled, TColor background)
{
    if (!cxIsBitmapUsable(&glyph))
        return;
    const TRect part = VisiblePart(canvas, x, y, glyph.Width(), glyph.Height());
    const int w = part.right - part.left, h = part.bottom - part.top;
    if (w <= 0)
        return;
    const int atX = x + part.left, atY = y + part.top;
    if (background != clNone)
        cxFillRectByColor(canvas, TRect{atX, atY, atX + w, atY + h}, background);
    const TColor transparent = glyph.TransparentColor();
    if (enabled) {
        TransparentBlt(canvas.Handle(), atX, atY, w, h, glyph.Canvas().Handle(), part.left, part.top, w, h,
                       ColorToRGB(transparent));
        return;
    }
    TBitmap copy;
    CopyPart(glyph, part, copy);
    TImageList images;
    images.SetSize(w, h);
    images.AddMasked(copy, transparent);
    images.Draw(canvas.Canvas(), atX, atY, 0, false);
}

void cxDrawPolyLine(TcxCanvas& canvas, const std::vector<TcxPoint>& points, TColor color, bool withPen)
{
    if (!withPen) {
        cxFillStrips(canvas, cxPolyLineStrips(points), color);
        return;
    }
    if (points.empty())
        return;
    canvas.Pen().SetColor(color);
    std::vector<POINT> line;
    for (const TcxPoint& p : points)
        line.push_back(POINT{p.X, p.Y});
    canvas.Polyline(line);
    // A pen leaves out the last point of a line.
    canvas.SetPixel(points.back().X, points.back().Y, color);
}

bool cxIsBitmapUsable(const TBitmap* bitmap)
{
    return bitmap && !bitmap->Empty() && bitmap->Width() > 0 && bitmap->Height() > 0;
}

void cxFillRectWithBrush(TcxCanvas& canvas, const TRect& r, HBRUSH brush)
{
    ::FillRect(canvas.Handle(), &r, brush);
}

UINT cxDrawTextFlagsFromTextOut(unsigned flags)
{
    static constexpr struct {
        unsigned textOut;
        UINT drawText;
    } kPairs[] = {
        {cxtoCenterHorizontally, DT_CENTER}, {cxtoRight, DT_RIGHT},         {cxtoCenterVertically, DT_VCENTER},
        {cxtoBottom, DT_BOTTOM},             {cxtoWordBreak, DT_WORDBREAK}, {cxtoSingleLine, DT_SINGLELINE},
        {cxtoExpandTabs, DT_EXPANDTABS},     {cxtoEndEllipsis, DT_END_ELLIPSIS},
    };
    UINT result = 0;
    for (const auto& pair : kPairs)
        if (flags & pair.textOut)
            result |= pair.drawText;
    return result;
}

void cxFillRectExcept(TcxCanvas& canvas, const TRect& outer, const TRect& inner, TColor color)
{
    FillRectExcept(canvas, outer, inner, color);
}

int cxEditButtonContentMargins(bool nativeStyle)
{
    if (!nativeStyle || !OpenTheme(kButtonThemeClass))
        return kPlainContentMargins;
    const TRect insets = ThemedInsets(kButtonThemeClass);
    return insets.left + insets.right;
}

int cxEditFrameHeight(TcxContainerBorderStyle borderStyle, bool nativeStyle)
{
    if (!nativeStyle || !OpenTheme(kEditThemeClass))
        return 2 * GetContainerBorderWidth(borderStyle);
    const TRect insets = ThemedInsets(kEditThemeClass);
    return insets.top + insets.bottom;
}

TColor cxSelectionColor(bool office11)
{
    return office11 ? static_cast<TColor>(Office11Palette().Entries[kOffice11SelectionEntry]) : clHighlight;
}

void cxDrawThemePart(TcxCanvas& canvas, HWND window, int themeClass, int part, int state, const TRect& r,
                     TColor background)
{
    auto theme = reinterpret_cast<dxUxTheme::HTHEME>(OpenTheme(themeClass));
    if (!theme)
        return;
    if (dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, part, state)) {
        if (window)
            cxDrawParentBackground(window, canvas, r);
        else
            cxFillRectByColor(canvas, r, background);
    }
    dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), part, state, &r, nullptr);
}

bool cxEditShadowVisible(const TcxContainerStyle& style)
{
    const bool native = style.LookAndFeel().GetNativeStyle() && OpenTheme(kEditThemeClass) != 0;
    return style.Shadow() && !native;
}

TcxButtonState cxEditButtonPainterState(TcxEditButtonState state)
{
    static constexpr TcxButtonState kStates[] = {cxbsDisabled, cxbsNormal, cxbsPressed, cxbsHot};
    return state <= ebsHot ? kStates[state] : cxbsNormal;
}

TColor cxFlatButtonColor(TcxEditButtonState state, bool office11)
{
    const TcxUltraFlatLookAndFeelPainter& painter =
        office11 ? TcxOffice11LookAndFeelPainter::Instance : TcxUltraFlatLookAndFeelPainter::Instance;
    const bool lit = state == ebsPressed || state == ebsHot;
    return painter.ButtonFaceColor(lit ? cxEditButtonPainterState(state) : cxbsNormal);
}

int cxCalcEditButtonWidth(TcxCanvas& canvas, const TcxEditButtonViewInfo& button)
{
    TcxButtonWidthParts parts;
    parts.Width = button.Width;
    if (button.Kind == bkGlyph && cxIsBitmapUsable(button.Glyph))
        parts.GlyphWidth = button.Glyph->Width();
    else if (button.Kind == bkText)
        parts.TextWidth = canvas.TextWidth(button.VisibleCaption);
    parts.Margins = cxEditButtonContentMargins(button.NativeStyle);
    parts.SystemWidth = GetSystemMetrics(SM_CYHSCROLL);
    return cxEditButtonWidth(parts);
}


int cxInnerEditHeightAdjust(const TcxCustomEditProperties& properties, bool inplace)
{
    return inplace && properties.Buttons().Count() > 0 ? 1 : 0;
}
