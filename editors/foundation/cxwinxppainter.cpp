#include <windows.h>
#include <vsstyle.h>

#include <algorithm>

#include "editors/foundation/cxstylepainters.h"
#include "editors/foundation/dxthememanager.h"
#include "editors/foundation/dxuxtheme.h"

using P = TcxWinXPLookAndFeelPainter;
using S = TcxStandardLookAndFeelPainter;
using dxUxTheme::HTHEME;

const P P::Instance;

namespace {

// Theme classes by their place in the theme manager's table.
enum : int { tcButton = 0, tcHeader = 5, tcListView = 7, tcScrollBar = 12, tcTreeView = 23 };
// A theme colour property: the fill colour of a part.
constexpr int kFillColorProperty = 3802;
constexpr int kTextColorProperty = 3803;
constexpr int kMinThumbLength = 8;
// The size a part is drawn at (kTrueSize).
constexpr int kTrueSize = 1;

HTHEME Theme(int themeClass)
{
    return reinterpret_cast<HTHEME>(OpenTheme(themeClass));
}

// Theme states of a button state: default 5, normal 1, hot 2, pressed 3, disabled 4.
int PushButtonState(TcxButtonState state)
{
    static constexpr int states[] = {PBS_DEFAULTED, PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
    return states[cxValidButtonState(state)];
}

// 1 normal, 2 hot, 3 pressed, 4 disabled: the order of every per-element state group.
int ElementState(TcxButtonState state)
{
    static constexpr int states[] = {1, 1, 2, 3, 4};
    return states[cxValidButtonState(state)];
}

void DrawTheme(HTHEME theme, TcxCanvas& canvas, int part, int state, const TRect& r)
{
    if (!cxRectIsEmpty(r))
        dxUxTheme::DrawThemeBackground(theme, canvas.Handle(), part, state, &r, nullptr);
}

TSize PartSize(HTHEME theme, int part, int state, TSize fallback)
{
    SIZE size{};
    if (FAILED(dxUxTheme::GetThemePartSize(theme, nullptr, part, state, kTrueSize, &size)))
        return fallback;
    return size;
}

} // namespace

TcxLookAndFeelStyle P::StyleKind() const
{
    return lfsNative;
}

TColor P::PaletteColor30() const
{
    COLORREF color = 0;
    if (HTHEME theme = Theme(tcButton);
        theme && SUCCEEDED(dxUxTheme::GetThemeColor(theme, BP_PUSHBUTTON, PBS_DISABLED, kTextColorProperty, &color)))
        return static_cast<TColor>(color);
    return S::PaletteColor30();
}

TColor P::PaletteColor33() const
{
    return S::PaletteColor33();
}

void P::PaintArrowButton(TcxCanvas& canvas, const TRect& r, bool withFace, TcxButtonState state, int direction) const
{
    HTHEME theme = Theme(tcScrollBar);
    if (!theme || direction < adUp || direction > adRight)
        return S::PaintArrowButton(canvas, r, withFace, state, direction);
    DrawTheme(theme, canvas, SBP_ARROWBTN, 4 * direction + ElementState(state), r);
}

void P::PaintButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (HTHEME theme = Theme(tcButton))
        DrawTheme(theme, canvas, BP_PUSHBUTTON, PushButtonState(state), r);
    else
        S::PaintButtonFace(canvas, r, state);
}

int P::BorderWidth() const
{
    return Theme(tcListView) ? 1 : S::BorderWidth();
}

void P::PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const
{
    HTHEME theme = Theme(tcListView);
    if (!theme)
        return S::PaintBorderFrame(canvas, r);
    canvas.PushDC();
    canvas.ExcludeClipRect(cxRectInflated(r, -1, -1));
    DrawTheme(theme, canvas, 0, 0, r);
    canvas.PopDC();
}

int P::ButtonBorderWidth(TcxButtonState state) const
{
    HTHEME theme = Theme(tcButton);
    RECT content{};
    const RECT bounds{0, 0, 100, 100};
    if (!theme || FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, nullptr, BP_PUSHBUTTON,
                                                                  PushButtonState(state), &bounds, &content)))
        return S::ButtonBorderWidth(state);
    return content.left;
}

TColor P::ButtonFaceColor(TcxButtonState state) const
{
    COLORREF color = 0;
    if (HTHEME theme = Theme(tcButton); theme && SUCCEEDED(dxUxTheme::GetThemeColor(
                                                    theme, BP_PUSHBUTTON, PushButtonState(state), kFillColorProperty, &color)))
        return static_cast<TColor>(color);
    return S::ButtonFaceColor(state);
}

bool P::ButtonFocusBounds(const TRect& r, TRect& bounds) const
{
    HTHEME theme = Theme(tcButton);
    if (!theme || FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, nullptr, BP_PUSHBUTTON, PBS_NORMAL, &r,
                                                                  &bounds)))
        return S::ButtonFocusBounds(r, bounds);
    return false;
}

int P::ButtonTextMargin() const
{
    return Theme(tcButton) ? 2 : S::ButtonTextMargin();
}

int P::ButtonPressedShift() const
{
    return Theme(tcButton) ? 0 : S::ButtonPressedShift();
}

void P::PaintButton(TcxCanvas& canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                    bool withBorder, TColor faceColor, TColor textColor, bool showPrefix) const
{
    HTHEME theme = Theme(tcButton);
    if (!theme)
        return S::PaintButton(canvas, r, caption, state, withBorder, faceColor, textColor, showPrefix);
    DrawTheme(theme, canvas, BP_PUSHBUTTON, PushButtonState(state), r);
    if (caption.empty())
        return;
    RECT content = r;
    dxUxTheme::GetThemeBackgroundContentRect(theme, canvas.Handle(), BP_PUSHBUTTON, PushButtonState(state), &r,
                                             &content);
    const DWORD flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | (showPrefix ? 0 : DT_NOPREFIX);
    dxUxTheme::DrawThemeText(theme, canvas.Handle(), BP_PUSHBUTTON, PushButtonState(state), caption, -1, flags, 0,
                             &content);
}

void P::PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    HTHEME theme = Theme(tcTreeView);
    if (!theme)
        return S::PaintExpandButton(canvas, r, color, expanded);
    DrawTheme(theme, canvas, TVP_GLYPH, expanded ? GLPS_OPENED : GLPS_CLOSED, r);
    canvas.ExcludeClipRect(r);
}

bool P::ExpandButtonPaintsFirst() const
{
    return Theme(tcTreeView) ? false : S::ExpandButtonPaintsFirst();
}

int P::ExpandButtonExtent() const
{
    HTHEME theme = Theme(tcTreeView);
    return theme ? PartSize(theme, TVP_GLYPH, GLPS_CLOSED, cxMakeSize(S::ExpandButtonExtent(), 0)).cx
                 : S::ExpandButtonExtent();
}

bool P::ButtonHotTracks() const
{
    return Theme(tcButton) ? true : S::ButtonHotTracks();
}

TSize P::CheckBoxExtent() const
{
    HTHEME theme = Theme(tcButton);
    return theme ? PartSize(theme, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, S::CheckBoxExtent()) : S::CheckBoxExtent();
}

void P::PaintCheckBox(TcxCanvas& canvas, const TRect& r, int checkState, TcxButtonState state) const
{
    HTHEME theme = Theme(tcButton);
    if (!theme)
        return S::PaintCheckBox(canvas, r, checkState, state);
    const int group = checkState == cbsChecked || checkState == cbsGrayed ? checkState : cbsUnchecked;
    DrawTheme(theme, canvas, BP_CHECKBOX, group * 4 + ElementState(state), r);
}

void P::PaintRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                         TColor background, bool tracked) const
{
    HTHEME theme = Theme(tcButton);
    if (!theme)
        return S::PaintRadioButton(canvas, x, y, state, checked, focused, background, tracked);
    const TSize size = RadioButtonExtent();
    const TRect r{x, y, x + size.cx, y + size.cy};
    if (background != clNone)
        cxFillRectByColor(canvas, r, background);
    if (tracked && cxValidButtonState(state) == cxbsNormal)
        state = cxbsHot;
    DrawTheme(theme, canvas, BP_RADIOBUTTON, (checked ? 4 : 0) + ElementState(state), r);
}

TSize P::RadioButtonExtent() const
{
    HTHEME theme = Theme(tcButton);
    return theme ? PartSize(theme, BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, S::RadioButtonExtent())
                 : S::RadioButtonExtent();
}

void P::PaintHeader(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                    const TcxContentParams& params) const
{
    HTHEME theme = Theme(tcHeader);
    if (!theme)
        return S::PaintHeader(canvas, r, borders, state, params);
    DrawTheme(theme, canvas, HP_HEADERITEM, ElementState(state), r);
    TcxContentParams text = params;
    text.CustomDraw = [](TcxCanvas&, const TRect&) { return true; };
    PaintContent(canvas, HeaderInnerRect(r, borders), text);
}

void P::PaintHeaderPressed(TcxCanvas& canvas, const TRect& r) const
{
    if (!Theme(tcHeader))
        S::PaintHeaderPressed(canvas, r);
}

void P::PaintHeaderSection(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                           const TcxContentParams& params) const
{
    if (!Theme(tcHeader))
        return S::PaintHeaderSection(canvas, r, state, params);
    PaintHeader(canvas, r, cxBordersAll, state, params);
}

bool P::HeaderAltOption() const
{
    return Theme(tcHeader) ? true : S::HeaderAltOption();
}

bool P::FooterCellsPaintFirst() const
{
    return Theme(tcHeader) ? false : S::FooterCellsPaintFirst();
}

int P::ScrollBarMinThumbLength() const
{
    HTHEME theme = Theme(tcScrollBar);
    if (!theme)
        return kMinThumbLength;
    const TSize thumb = PartSize(theme, SBP_THUMBBTNVERT, SCRBS_NORMAL, cxMakeSize(0, 0));
    const TSize gripper = PartSize(theme, SBP_GRIPPERVERT, SCRBS_NORMAL, cxMakeSize(0, 0));
    return std::max({kMinThumbLength, static_cast<int>(thumb.cy), static_cast<int>(gripper.cy)});
}

void P::PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part, const TRect& r) const
{
    HTHEME theme = Theme(tcScrollBar);
    if (!theme)
        return S::PaintScrollBarPart(canvas, horizontal, state, part, r);
    state = cxValidButtonState(state);
    if (cxRectIsEmpty(r) || (part == sbpThumbnail && state == cxbsDisabled))
        return;
    switch (part) {
    case sbpLineUp:
    case sbpLineDown:
        PaintArrowButton(canvas, r, true, state, cxScrollArrowDirection(horizontal, static_cast<TcxScrollBarPart>(part)));
        break;
    case sbpThumbnail:
        DrawTheme(theme, canvas, horizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT, ElementState(state), r);
        DrawTheme(theme, canvas, horizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, ElementState(state), r);
        break;
    case sbpPageUp:
        DrawTheme(theme, canvas, horizontal ? SBP_LOWERTRACKHORZ : SBP_LOWERTRACKVERT, ElementState(state), r);
        break;
    case sbpPageDown:
        DrawTheme(theme, canvas, horizontal ? SBP_UPPERTRACKHORZ : SBP_UPPERTRACKVERT, ElementState(state), r);
        break;
    default:
        break;
    }
}

void P::PaintSizeGrip(TcxCanvas& canvas, const TRect& r, TColor background) const
{
    HTHEME theme = Theme(tcScrollBar);
    if (!theme)
        return S::PaintSizeGrip(canvas, r, background);
    cxFillRectByColor(canvas, r, background);
    DrawTheme(theme, canvas, SBP_SIZEBOX, SZB_RIGHTALIGN, r);
}

void P::PaintThemedContent(TcxCanvas& canvas, const TRect& r, int themeClass, int part, int state,
                           const std::string& text, unsigned flags) const
{
    HTHEME theme = Theme(themeClass);
    if (!theme)
        return canvas.DrawStateText(text, r, flags, true);
    dxUxTheme::DrawThemeText(theme, canvas.Handle(), part, state, text, -1, cxFlagsToDTFlags(flags), 0, &r);
}
