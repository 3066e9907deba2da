#include <windows.h>
#include <vsstyle.h>

#include <algorithm>

#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

using P = TcxWinXPLookAndFeelPainter;
using S = TcxStandardLookAndFeelPainter;
using dxUxTheme::HTHEME;

const P P::Instance;

namespace {

// Theme classes by their place in the theme manager's table.
enum : int {
    tcButton = 0, tcComboBox = 2, tcExplorerBar = 4, tcHeader = 5, tcListView = 7, tcProgress = 10, tcScrollBar = 12,
    tcTab = 16, tcToolBar = 19, tcTreeView = 23, tcWindow = 24
};
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

// The content rectangle the theme leaves inside r; r itself when it says none.
TRect ContentRect(HTHEME theme, int part, int state, const TRect& r)
{
    RECT content = r;
    if (FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, nullptr, part, state, &r, &content)))
        return r;
    return content;
}

// The widths the theme's part keeps around its content, from a 100 x 100 probe.
TRect BorderWidths(HTHEME theme, int part, int state)
{
    const TRect probe{0, 0, 100, 100};
    const TRect c = ContentRect(theme, part, state, probe);
    return TRect{c.left, c.top, probe.right - c.right, probe.bottom - c.bottom};
}

// The theme part's frame only: its inside, width pixels in, is left as it was.
void DrawThemeFrame(HTHEME theme, TcxCanvas& canvas, int part, int state, const TRect& r, int width)
{
    canvas.PushDC();
    canvas.ExcludeClipRect(cxRectInflated(r, -width, -width));
    DrawTheme(theme, canvas, part, state, r);
    canvas.PopDC();
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
    DrawThemeFrame(theme, canvas, 0, 0, r, 1);
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

void P::PaintNavigationButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (HTHEME theme = Theme(tcToolBar))
        DrawTheme(theme, canvas, TP_BUTTON, ElementState(state), r);
    else
        S::PaintNavigationButtonFace(canvas, r, state);
}

void P::PaintArrow(TcxCanvas& canvas, const TRect& r, TColor color, int direction) const
{
    HTHEME theme = Theme(tcScrollBar);
    if (!theme || direction < adUp || direction > adRight)
        return S::PaintArrow(canvas, r, color, direction);
    DrawTheme(theme, canvas, SBP_ARROWBTN, 4 * direction + 1, r);
}

TRect P::GroupButtonContentRect(const TRect& r) const
{
    HTHEME theme = Theme(tcButton);
    return theme ? ContentRect(theme, BP_PUSHBUTTON, PBS_NORMAL, r) : S::GroupButtonContentRect(r);
}

TRect P::ButtonGroupBorderWidths(int index, int count) const
{
    HTHEME theme = Theme(tcButton);
    return theme ? BorderWidths(theme, BP_PUSHBUTTON, PBS_NORMAL) : S::ButtonGroupBorderWidths(index, count);
}

TColor P::ButtonGlyphColor(TcxButtonState state, TColor color) const
{
    COLORREF text = 0;
    if (HTHEME theme = Theme(tcButton); theme && color == clDefault &&
        SUCCEEDED(dxUxTheme::GetThemeColor(theme, BP_PUSHBUTTON, PushButtonState(state), kTextColorProperty, &text)))
        return static_cast<TColor>(text);
    return S::ButtonGlyphColor(state, color);
}

void P::PaintGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const
{
    HTHEME theme = Theme(tcExplorerBar);
    if (!theme)
        return S::PaintGroupExpandButton(canvas, r, expanded, state);
    DrawTheme(theme, canvas, expanded ? EBP_NORMALGROUPCOLLAPSE : EBP_NORMALGROUPEXPAND,
              std::min(ElementState(state), 3), r);
}

void P::PaintSmallExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    HTHEME theme = Theme(tcTreeView);
    if (!theme)
        return S::PaintSmallExpandButton(canvas, r, color, expanded);
    DrawTheme(theme, canvas, TVP_GLYPH, expanded ? GLPS_OPENED : GLPS_CLOSED, r);
}

int P::GroupExpandButtonExtent() const
{
    HTHEME theme = Theme(tcExplorerBar);
    return theme ? PartSize(theme, EBP_NORMALGROUPEXPAND, 1, cxMakeSize(S::GroupExpandButtonExtent(), 0)).cx
                 : S::GroupExpandButtonExtent();
}

bool P::HitsGroupExpandButton(const TcxPoint& p, const TRect& r) const
{
    if (!Theme(tcExplorerBar))
        return S::HitsGroupExpandButton(p, r);
    // The themed button is the square of its extent at the right of r, centred.
    const int extent = GroupExpandButtonExtent();
    const int top = (r.top + r.bottom - extent) / 2;
    return p.X >= r.right - extent && p.X < r.right && p.Y >= top && p.Y < top + extent;
}

int P::SmallExpandButtonExtent() const
{
    HTHEME theme = Theme(tcTreeView);
    return theme ? PartSize(theme, TVP_GLYPH, GLPS_CLOSED, cxMakeSize(S::SmallExpandButtonExtent(), 0)).cx
                 : S::SmallExpandButtonExtent();
}

int P::CheckBorderWidth() const
{
    HTHEME theme = Theme(tcButton);
    return theme ? BorderWidths(theme, BP_CHECKBOX, CBS_UNCHECKEDNORMAL).left : S::CheckBorderWidth();
}

void P::PaintCheckGlyph(TcxCanvas& canvas, const TRect& r, TColor markColor, bool marked, TcxButtonState state) const
{
    HTHEME theme = Theme(tcButton);
    if (!theme)
        return S::PaintCheckGlyph(canvas, r, markColor, marked, state);
    DrawTheme(theme, canvas, BP_CHECKBOX, (marked ? cbsChecked : cbsUnchecked) * 4 + ElementState(state), r);
}

void P::PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    HTHEME theme = Theme(tcButton);
    if (!theme)
        return S::PaintCheckBorder(canvas, r, state);
    DrawThemeFrame(theme, canvas, BP_CHECKBOX, ElementState(state), r, CheckBorderWidth());
}

void P::PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const
{
    HTHEME theme = Theme(tcHeader);
    if (!theme)
        return S::PaintSortMark(canvas, r, ascending);
    const TSize size = SortMarkExtent();
    const int left = (r.left + r.right - size.cx) / 2, top = (r.top + r.bottom - size.cy) / 2;
    DrawTheme(theme, canvas, HP_HEADERSORTARROW, ascending ? HSAS_SORTEDUP : HSAS_SORTEDDOWN,
              TRect{left, top, left + size.cx, top + size.cy});
}

int P::HeaderBorderWidth() const
{
    HTHEME theme = Theme(tcHeader);
    return theme ? BorderWidths(theme, HP_HEADERITEM, HIS_NORMAL).left : S::HeaderBorderWidth();
}

int P::HeaderSectionBorderWidth(TcxButtonState state) const
{
    HTHEME theme = Theme(tcHeader);
    return theme ? BorderWidths(theme, HP_HEADERITEM, ElementState(state)).left : S::HeaderSectionBorderWidth(state);
}

TRect P::HeaderSectionInnerRect(const TRect& r, TcxButtonState state) const
{
    HTHEME theme = Theme(tcHeader);
    return theme ? ContentRect(theme, HP_HEADERITEM, ElementState(state), r) : S::HeaderSectionInnerRect(r, state);
}

TSize P::SortMarkExtent() const
{
    HTHEME theme = Theme(tcHeader);
    return theme ? PartSize(theme, HP_HEADERSORTARROW, HSAS_SORTEDUP, S::SortMarkExtent()) : S::SortMarkExtent();
}

int P::FooterBorderWidth() const
{
    return Theme(tcHeader) ? 1 : S::FooterBorderWidth();
}

int P::FooterCellBorderWidth() const
{
    return Theme(tcHeader) ? 1 : S::FooterCellBorderWidth();
}

int P::FooterCellSpacing() const
{
    return Theme(tcHeader) ? 1 : S::FooterCellSpacing();
}

void P::PaintFooterCell(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const
{
    HTHEME theme = Theme(tcHeader);
    if (!theme)
        return S::PaintFooterCell(canvas, r, params);
    DrawTheme(theme, canvas, HP_HEADERITEM, HIS_NORMAL, r);
    PaintFooterContent(canvas, FooterCellInnerRect(r), params);
}

void P::PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const
{
    HTHEME theme = Theme(tcHeader);
    if (!theme)
        return S::PaintFooterBorder(canvas, r);
    DrawThemeFrame(theme, canvas, HP_HEADERITEM, HIS_NORMAL, r, FooterBorderWidth());
}

void P::PaintFilterCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (HTHEME theme = Theme(tcWindow))
        DrawTheme(theme, canvas, WP_SMALLCLOSEBUTTON, ElementState(state), r);
    else
        S::PaintFilterCloseButton(canvas, r, state);
}

void P::PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool active) const
{
    HTHEME theme = Theme(tcComboBox);
    if (!theme)
        return S::PaintFilterDropDownButton(canvas, r, state, active);
    DrawTheme(theme, canvas, CP_DROPDOWNBUTTON, active && cxValidButtonState(state) == cxbsNormal ? CBXS_HOT
                                                                                                : ElementState(state),
              r);
}

TSize P::FilterActivateButtonExtent() const
{
    HTHEME theme = Theme(tcButton);
    return theme ? PartSize(theme, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, S::FilterActivateButtonExtent())
                 : S::FilterActivateButtonExtent();
}

TSize P::FilterCloseButtonExtent() const
{
    HTHEME theme = Theme(tcWindow);
    return theme ? PartSize(theme, WP_SMALLCLOSEBUTTON, CBS_NORMAL, S::FilterCloseButtonExtent())
                 : S::FilterCloseButtonExtent();
}

void P::PaintTab(TcxCanvas& canvas, const TRect& r, TcxButtonState state, const std::string& text) const
{
    HTHEME theme = Theme(tcTab);
    if (!theme)
        return S::PaintTab(canvas, r, state, text);
    DrawTheme(theme, canvas, TABP_TABITEM, ElementState(state), r);
    if (!text.empty())
        PaintThemedContent(canvas, ContentRect(theme, TABP_TABITEM, ElementState(state), r), tcTab, TABP_TABITEM,
                           ElementState(state), text, cxAlignHCenter | cxAlignVCenter | cxSingleLine);
}

void P::PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const
{
    HTHEME theme = Theme(tcTab);
    if (!theme)
        return S::PaintTabBorder(canvas, r, borders);
    DrawThemeFrame(theme, canvas, TABP_PANE, 0, r, TabBorderWidth());
}

void P::PaintTabStrip(TcxCanvas& canvas, const TRect& r) const
{
    if (HTHEME theme = Theme(tcTab))
        DrawTheme(theme, canvas, TABP_PANE, 0, r);
    else
        S::PaintTabStrip(canvas, r);
}

bool P::PaintsTabs() const
{
    return Theme(tcTab) ? true : S::PaintsTabs();
}

bool P::TabHotTracks() const
{
    return Theme(tcTab) ? true : S::TabHotTracks();
}

int P::TabBorderWidth() const
{
    return Theme(tcTab) ? 1 : S::TabBorderWidth();
}

void P::PaintIndicatorCell(TcxCanvas& canvas, const TRect& r, int kind, const TcxContentParams& params) const
{
    HTHEME theme = Theme(tcHeader);
    if (!theme)
        return S::PaintIndicatorCell(canvas, r, kind, params);
    DrawTheme(theme, canvas, HP_HEADERITEM, HIS_NORMAL, r);
    PaintIndicatorGlyph(canvas, r, kind);
}

void P::PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                         const TcxContentParams& params) const
{
    if (!Theme(tcHeader))
        return S::PaintMonthHeader(canvas, r, text, params);
    TcxContentParams header = params;
    header.Text = text;
    PaintHeader(canvas, r, cxBordersAll, cxbsNormal, header);
}

void P::PaintEventProgress(TcxCanvas& canvas, const TRect& r, int percent) const
{
    HTHEME theme = Theme(tcProgress);
    if (!theme)
        return S::PaintEventProgress(canvas, r, percent);
    DrawTheme(theme, canvas, PP_BAR, 0, r);
    TRect chunk = ContentRect(theme, PP_BAR, 0, r);
    chunk.right = chunk.left + (chunk.right - chunk.left) * std::clamp(percent, 0, 100) / 100;
    DrawTheme(theme, canvas, PP_CHUNK, 0, chunk);
}

void P::PaintNavigatorButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    if (HTHEME theme = Theme(tcToolBar))
        DrawTheme(theme, canvas, TP_BUTTON, ElementState(state), r);
    else
        S::PaintNavigatorButton(canvas, r, state);
}

void P::PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool horizontal) const
{
    if (HTHEME theme = Theme(tcToolBar))
        DrawTheme(theme, canvas, horizontal ? TP_SEPARATORVERT : TP_SEPARATOR, TS_NORMAL, r);
    else
        S::PaintSplitterBorder(canvas, r, horizontal);
}
