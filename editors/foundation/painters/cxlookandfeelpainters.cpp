#include "editors/foundation/painters/cxlookandfeelpainters.h"

#include "editors/foundation/graphics/cxeditpaintutils.h"
#include "editors/foundation/painters/cxpainterresources.h"
#include "editors/foundation/painters/cxradiobuttonimages.h"

using P = TcxCustomLookAndFeelPainter;

const P P::Instance;

namespace {

bool IsNoColor(TColor color)
{
    return color == clNone || color == clDefault;
}

unsigned TextFlagsOf(const TcxContentParams& params)
{
    static constexpr unsigned horz[] = {cxAlignLeft, cxAlignRight, cxAlignHCenter};
    static constexpr unsigned vert[] = {cxAlignTop, cxAlignBottom, cxAlignVCenter};
    unsigned flags = horz[static_cast<int>(params.AlignHorz)] | vert[static_cast<int>(params.AlignVert)];
    flags |= params.MultiLine ? cxWordBreak : cxSingleLine;
    if (params.EndEllipsis)
        flags |= cxShowEndEllipsis;
    return flags;
}

// Text with a clear brush in the font and colour given; the brush is solid again afterwards.
void DrawClearText(TcxCanvas& canvas, const std::string& text, const TRect& r, unsigned flags, const TFont* font,
                   TColor color, bool enabled)
{
    if (text.empty() || cxRectIsEmpty(r))
        return;
    if (font)
        canvas.SetFont(*font);
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawStateText(text, r, flags, enabled);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

} // namespace

void cxFillRectByColor(TcxCanvas& canvas, const TRect& r, TColor color)
{
    if (color == clNone || cxRectIsEmpty(r))
        return;
    ::FillRect(canvas.Handle(), &r, cxSolidBrushFor(canvas, color));
}

void cxFillStrips(TcxCanvas& canvas, const std::vector<TRect>& strips, TColor color)
{
    for (const TRect& strip : strips)
        cxFillRectByColor(canvas, strip, color);
}

void cxFrameRectByColor(TcxCanvas& canvas, const TRect& r, TColor color, unsigned borders)
{
    cxForEachFrameStrip(r, 1, borders, [&](const TRect& strip) { cxFillRectByColor(canvas, strip, color); });
}

void cxDrawRing(TcxCanvas& canvas, const TRect& r, TColor leftTop, TColor rightBottom)
{
    // Right and bottom last, so they own the top-right and bottom-left corners.
    cxFrameRectByColor(canvas, r, leftTop, bLeft | bTop);
    cxFrameRectByColor(canvas, r, rightBottom, bRight | bBottom);
}

void cxPaintExpandCross(TcxCanvas& canvas, const TRect& r, bool expanded)
{
    cxFillStrips(canvas, cxExpandCrossStrips(r, expanded), clBtnText);
}

void cxPaintSortMarkOutline(TcxCanvas& canvas, const TRect& r, TSize size, bool ascending)
{
    TcxSortMarkShape shape = cxSortMarkShape(r, size.cx, size.cy, ascending);
    cxFillStrips(canvas, shape.Shaded, clBtnShadow);
    cxFillStrips(canvas, shape.Lit, clBtnHighlight);
}

// Background and content

void P::PaintBackground(TcxCanvas& canvas, const TRect& r, const TBitmap* bitmap, TColor color, bool transparent) const
{
    if (!transparent)
        cxFillRectByColor(canvas, r, color);
    else if (bitmap && !bitmap->Empty())
        canvas.FillRect(r, bitmap);
}

void P::PaintButtonArrow(TcxCanvas& canvas, const TRect& r, TColor color, int direction) const
{
    cxFillStrips(canvas, cxArrowStrips(r, direction, false), color);
}

void P::PaintContent(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const
{
    if (!params.CustomDraw || !params.CustomDraw(canvas, r))
        cxFillRectByColor(canvas, r, params.Color);
    DrawClearText(canvas, params.Text, r, TextFlagsOf(params), params.Font, params.TextColor, true);
}

void P::PaintNavigationButtonFace(TcxCanvas&, const TRect&, TcxButtonState) const {}

TRect P::FooterCellInnerRect(const TRect& r) const
{
    return cxRectInflated(r, -FooterCellBorderWidth(), -FooterCellBorderWidth());
}

TRect P::FooterCellTextRect(const TRect& r) const
{
    return cxRectInflated(FooterCellInnerRect(r), -2, -1);
}

TcxLookAndFeelStyle P::StyleKind() const
{
    return lfsStandard;
}

// Colours

TColor P::ContentColor() const
{
    return clWindow;
}

TColor P::ContentEvenColor() const
{
    return ContentColor();
}

TColor P::ContentOddColor() const
{
    return ContentColor();
}

TColor P::ContentTextColor() const
{
    return clWindowText;
}

// Arrows

void P::PaintArrow(TcxCanvas& canvas, const TRect& r, TColor color, int direction) const
{
    cxFillStrips(canvas, cxArrowStrips(r, direction, true), color);
}

void P::PaintArrowButton(TcxCanvas& canvas, const TRect& r, bool withFace, TcxButtonState state, int direction) const
{
    state = cxValidButtonState(state);
    if (withFace)
        PaintButtonFace(canvas, r, state);
    else
        cxFillRectByColor(canvas, r, ButtonFaceColor(state));
    PaintArrow(canvas, r, ButtonGlyphColor(state), direction);
}

void P::PaintButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const
{
    state = cxValidButtonState(state);
    cxFillRectByColor(canvas, r, ButtonFaceColor(state));
    PaintButtonBorder(canvas, r, state);
}

void P::PaintScrollArrow(TcxCanvas& canvas, const TRect& r, int direction, TcxButtonState state) const
{
    state = cxValidButtonState(state);
    TRect at = r;
    if (state == cxbsPressed)
        at = cxRectOffsetBy(at, ButtonPressedShift(), ButtonPressedShift());
    if (state == cxbsDisabled) {
        PaintArrow(canvas, cxRectOffsetBy(at, 1, 1), clBtnHighlight, direction);
        PaintArrow(canvas, at, clBtnShadow, direction);
    } else
        PaintArrow(canvas, at, ButtonGlyphColor(state), direction);
}

// Control border

int P::BorderWidth() const
{
    return 0;
}

void P::PaintBorderFrame(TcxCanvas&, const TRect&) const {}

// Buttons

TRect P::GroupButtonContentRect(const TRect& r) const
{
    return r;
}

int P::ButtonBorderWidth(TcxButtonState) const
{
    return 0;
}

TColor P::ButtonFaceColor(TcxButtonState) const
{
    return clBtnFace;
}

bool P::ButtonFocusBounds(const TRect& r, TRect& bounds) const
{
    bounds = cxRectInflated(r, -4, -4);
    const bool empty = cxRectIsEmpty(bounds);
    if (empty)
        bounds = r;
    return empty;
}

TRect P::ButtonGroupBorderWidths(int, int) const
{
    const int w = ButtonBorderWidth(cxbsNormal);
    return TRect{w, w, w, w};
}

int P::ButtonTextMargin() const
{
    return 0;
}

int P::ButtonPressedShift() const
{
    return 0;
}

TColor P::ButtonGlyphColor(TcxButtonState state, TColor color) const
{
    if (state == cxbsDisabled)
        return clBtnShadow;
    return IsNoColor(color) ? clBtnText : color;
}

TcxButtonState P::ButtonGlyphState(TcxButtonState state) const
{
    return state;
}

void P::PaintButton(TcxCanvas& canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                    bool withBorder, TColor faceColor, TColor textColor, bool showPrefix) const
{
    state = cxValidButtonState(state);
    TRect face = r;
    if (withBorder) {
        PaintButtonBorder(canvas, face, state);
        face = cxRectInflated(face, -ButtonBorderWidth(state), -ButtonBorderWidth(state));
    }
    if (IsNoColor(faceColor))
        faceColor = ButtonFaceColor(state);
    if (IsNoColor(textColor))
        textColor = ButtonGlyphColor(state);
    cxFillRectByColor(canvas, face, faceColor);
    const TRect text = cxButtonTextRect(face, state == cxbsPressed ? ButtonPressedShift() : 0);
    const unsigned flags = cxAlignHCenter | cxAlignVCenter | cxSingleLine | (showPrefix ? unsigned{cxShowPrefix} : 0u);
    DrawClearText(canvas, caption, text, flags, nullptr, textColor, state != cxbsDisabled);
}

void P::PaintGroupButton(TcxCanvas& canvas, const TRect& r, TColor, int, int, TcxButtonState state) const
{
    PaintButton(canvas, r, "", state);
}

void P::PaintButtonBorder(TcxCanvas&, const TRect&, TcxButtonState) const {}

void P::PaintButtonFrame(TcxCanvas&, const TRect&, bool, bool) const {}

void P::PaintExpandButton(TcxCanvas&, const TRect&, TColor, bool) const {}

bool P::ExpandButtonPaintsFirst() const
{
    return true;
}

void P::PaintGroupExpandButton(TcxCanvas&, const TRect&, bool, TcxButtonState) const {}

void P::PaintSmallExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const
{
    PaintExpandButton(canvas, r, color, expanded);
}

int P::ExpandButtonExtent() const
{
    return 0;
}

int P::GroupExpandButtonExtent() const
{
    return 15;
}

bool P::ButtonHotTracks() const
{
    return false;
}

bool P::HitsGroupExpandButton(const TcxPoint& p, const TRect& r) const
{
    return p.X >= r.left && p.X < r.right && p.Y >= r.top && p.Y < r.bottom;
}

int P::SmallExpandButtonExtent() const
{
    return 9;
}

// Check box and radio button

int P::CheckBorderWidth() const
{
    return 2;
}

TColor P::CheckBoxFaceColor(TcxButtonState state) const
{
    return state == cxbsPressed || state == cxbsDisabled ? clBtnFace : clWindow;
}

TSize P::CheckBoxExtent() const
{
    return cxCheckBoxSize();
}

void P::PaintCheckGlyph(TcxCanvas& canvas, const TRect& r, TColor markColor, bool marked, TcxButtonState state) const
{
    if (canvas.Brush().Style() == TBrushStyle::bsSolid)
        cxFillRectByColor(canvas, r, CheckBoxFaceColor(cxValidButtonState(state)));
    if (marked)
        cxFillStrips(canvas, cxCheckMarkStrips(r), markColor);
}

void P::PaintCheckBorder(TcxCanvas&, const TRect&, TcxButtonState) const {}

void P::PaintCheckBoxForValue(TcxCanvas& canvas, const TRect& r, bool checked, TcxButtonState state) const
{
    PaintCheckBox(canvas, r, checked ? cbsChecked : cbsUnchecked, state);
}

void P::PaintCheckBox(TcxCanvas& canvas, const TRect& r, int checkState, TcxButtonState state) const
{
    state = cxValidButtonState(state);
    PaintCheckBorder(canvas, r, state);
    const TRect inside = cxRectInflated(r, -CheckBorderWidth(), -CheckBorderWidth());
    const TColor mark = state == cxbsDisabled || checkState == cbsGrayed ? clGrayText : clBtnText;
    PaintCheckGlyph(canvas, inside, mark, checkState == cbsChecked, state);
}

void P::PaintRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                         TColor background, bool tracked) const
{
    const TcxLookAndFeelKind kind = cxLookAndFeelKindOf(StyleKind());
    cxRadioButtonImageList().Draw(canvas, x, y, cxRadioImageIndex(kind, state, checked, focused, tracked), background);
}

TSize P::RadioButtonExtent() const
{
    return cxRadioButtonImageList().GlyphSize();
}

// Headers

void P::PaintHeader(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                    const TcxContentParams& params) const
{
    PaintHeaderBorder(canvas, r, borders, state);
    PaintContent(canvas, HeaderInnerRect(r, borders), params);
}

void P::PaintHeaderWithBorders(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                               const TcxContentParams& params) const
{
    PaintHeader(canvas, r, borders, state, params);
}

void P::PaintHeaderBorder(TcxCanvas&, const TRect&, unsigned, TcxButtonState) const {}

void P::PaintHeaderPressed(TcxCanvas& canvas, const TRect& r) const
{
    canvas.InvertRect(r);
}

void P::PaintHeaderSection(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                           const TcxContentParams& params) const
{
    state = cxValidButtonState(state);
    PaintHeaderSectionBorder(canvas, r, state);
    PaintHeaderSectionFace(canvas, HeaderSectionInnerRect(r, state), state, params);
}

void P::PaintHeaderSectionBorder(TcxCanvas&, const TRect&, TcxButtonState) const {}

void P::PaintHeaderSectionFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                               const TcxContentParams& params) const
{
    cxFillRectByColor(canvas, r, params.Color);
    PaintHeaderSectionText(canvas, HeaderSectionTextRect(r), state, params);
}

void P::PaintHeaderSectionText(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                               const TcxContentParams& params) const
{
    DrawClearText(canvas, params.Text, r, TextFlagsOf(params), params.Font, params.TextColor, state != cxbsDisabled);
}

void P::PaintHeaderSeparator(TcxCanvas& canvas, const TRect& r, TColor color, int edgeWidth) const
{
    if (cxRectIsEmpty(r))
        return;
    const int w = std::min<int>(edgeWidth, cxRectGetWidth(r) / 2);
    cxFillRectByColor(canvas, TRect{r.left, r.top, r.left + w, r.bottom}, clBtnHighlight);
    cxFillRectByColor(canvas, TRect{r.right - w, r.top, r.right, r.bottom}, clBtnShadow);
    cxFillRectByColor(canvas, TRect{r.left + w, r.top, r.right - w, r.bottom}, color);
}

void P::PaintSortMark(TcxCanvas&, const TRect&, bool) const {}

unsigned P::HeaderBorderSides() const
{
    return cxBordersAll;
}

int P::HeaderBorderWidth() const
{
    return 0;
}

TRect P::HeaderRectWithBorders(const TRect& r, unsigned borders) const
{
    const int w = HeaderBorderWidth();
    auto side = [&](unsigned b) { return borders & b ? w : 0; };
    return cxRectInflatedBy(r, side(bLeft), side(bTop), side(bRight), side(bBottom));
}

TRect P::HeaderInnerRect(const TRect& r, unsigned borders) const
{
    return cxRectInsideBorders(r, HeaderBorderWidth(), borders);
}

bool P::HeaderBoolOption() const
{
    return true;
}

int P::HeaderHeightForText(int textHeight) const
{
    return textHeight + 2 * (HeaderBorderWidth() + 2);
}

int P::HeaderSectionBorderWidth(TcxButtonState) const
{
    return 1;
}

TRect P::HeaderSectionTextRect(const TRect& r) const
{
    return cxRectInflated(r, -2, 0);
}

TRect P::HeaderSectionInnerRect(const TRect& r, TcxButtonState state) const
{
    const int w = HeaderSectionBorderWidth(state);
    return cxRectInflated(r, -w, -w);
}

int P::HeaderWidthForText(int textWidth) const
{
    return textWidth + 2 * (HeaderBorderWidth() + 2);
}

bool P::HeaderAltOption() const
{
    return false;
}

TSize P::SortMarkAreaSize() const
{
    return cxMakeSize(16, SortMarkExtent().cy);
}

TSize P::SortMarkExtent() const
{
    return cxMakeSize(0, 0);
}

void P::PaintHeaderAreaBackground(TcxCanvas& canvas, const TRect& r) const
{
    cxFillRectByColor(canvas, r, clBtnFace);
}

// Footers

unsigned P::FooterBorderSides() const
{
    return cxBordersAll;
}

int P::FooterBorderWidth() const
{
    return 0;
}

int P::FooterCellBorderWidth() const
{
    return 0;
}

int P::FooterCellSpacing() const
{
    return 0;
}

bool P::FooterCellsPaintFirst() const
{
    return true;
}

TColor P::FooterSeparatorColor() const
{
    return clBtnShadow;
}

int P::FooterSeparatorWidth() const
{
    return 1;
}

void P::PaintFooterCell(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const
{
    PaintFooterCellBorder(canvas, r);
    PaintFooterContent(canvas, FooterCellInnerRect(r), params);
}

void P::PaintFooterBorder(TcxCanvas&, const TRect&) const {}

void P::PaintFooterCellBorder(TcxCanvas&, const TRect&) const {}

void P::PaintFooterContent(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const
{
    PaintContent(canvas, r, params);
}

void P::PaintFooterSeparator(TcxCanvas& canvas, const TRect& r) const
{
    cxFillRectByColor(canvas, r, FooterSeparatorColor());
}

// Filter buttons

void P::PaintFilterActivateButton(TcxCanvas&, const TRect&, bool, TcxButtonState) const {}

void P::PaintFilterCloseButton(TcxCanvas&, const TRect&, TcxButtonState) const {}

void P::PaintFilterDropDownButton(TcxCanvas&, const TRect&, TcxButtonState, bool) const {}

void P::PaintFilterPanel(TcxCanvas& canvas, const TRect& r, TColor color) const
{
    cxFillRectByColor(canvas, r, color);
}

TSize P::FilterActivateButtonExtent() const
{
    return cxMakeSize(13, 13);
}

TSize P::FilterCloseButtonExtent() const
{
    return cxMakeSize(16, 14);
}

TSize P::FilterDropDownButtonExtent() const
{
    return cxMakeSize(15, 0);
}

// Windows and popups

void P::PaintWindowContent(TcxCanvas& canvas, const TRect& r) const
{
    cxFillRectByColor(canvas, r, ContentColor());
}

int P::PopupBorderKind() const
{
    return 1;
}

// Tabs

void P::PaintTab(TcxCanvas&, const TRect&, TcxButtonState, const std::string&) const {}

void P::PaintTabBorder(TcxCanvas&, const TRect&, unsigned) const {}

void P::PaintTabStrip(TcxCanvas&, const TRect&) const {}

bool P::PaintsTabs() const
{
    return false;
}

bool P::TabHotTracks() const
{
    return false;
}

int P::TabBorderWidth() const
{
    return 0;
}

// Indicator

void P::PaintIndicatorCustomizeMark(TcxCanvas& canvas, const TRect& r, TColor color) const
{
    cxFillStrips(canvas, cxIndicatorCustomizeMarkStrips(r), color);
}

void P::PaintIndicatorGlyph(TcxCanvas& canvas, const TRect& r, int kind) const
{
    cxDrawIndicatorImage(canvas, r, kind - 1);
}

void P::PaintIndicatorCell(TcxCanvas& canvas, const TRect& r, int kind, const TcxContentParams& params) const
{
    PaintHeader(canvas, r, HeaderBorderSides(), cxbsNormal, params);
    PaintIndicatorGlyph(canvas, r, kind);
}

void P::PaintIndicatorCellWithGlyph(TcxCanvas& canvas, const TRect& r, int kind, unsigned borders,
                                    const TcxContentParams& params) const
{
    PaintHeaderWithBorders(canvas, r, borders, cxbsNormal, params);
    PaintIndicatorGlyph(canvas, r, kind);
}

bool P::IndicatorCellsPaintFirst() const
{
    return true;
}

// Scroll bar and size grip

int P::ScrollBarMinThumbLength() const
{
    return 8;
}

void P::PaintScrollBarPart(TcxCanvas&, bool, TcxButtonState, int, const TRect&) const {}

TSize P::SizeGripExtent() const
{
    return cxMakeSize(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
}

void P::PaintSizeGrip(TcxCanvas& canvas, const TRect& r, TColor background) const
{
    if (cxRectIsEmpty(r))
        return;
    cxFillRectByColor(canvas, r, background);
    TRect glyph = r;
    DrawFrameControl(canvas.Handle(), &glyph, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

// Navigation

int P::NavigationButtonLayout() const
{
    return 0;
}

void P::PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                         const TcxContentParams& params) const
{
    TcxContentParams header = params;
    header.Text = text;
    PaintHeader(canvas, r, HeaderBorderSides(), cxbsNormal, header);
}

void P::PaintOuterBorder(TcxCanvas&, const TRect&) const {}

void P::PaintEventProgress(TcxCanvas&, const TRect&, int) const {}

void P::PaintNavigationButtonRotated(TcxCanvas&, const TRect&, TcxButtonState) const {}

void P::PaintNavigationArrow(TcxCanvas& canvas, const TRect& r, int direction, TcxButtonState state) const
{
    PaintArrow(canvas, r, ButtonGlyphColor(cxValidButtonState(state)), direction);
}

void P::PaintNavigatorButton(TcxCanvas&, const TRect&, TcxButtonState) const {}

void P::PaintSplitterBorder(TcxCanvas&, const TRect&, bool) const {}

TRect P::EventProgressMargins() const
{
    return TRect{0, 0, 0, 0};
}

TSize P::NavigationButtonSizes() const
{
    return cxMakeSize(0, 0);
}

int P::ToolBoxInfoBorderWidth() const
{
    return 1;
}

// Clock

void P::PaintClock(TcxCanvas& canvas, const TRect& r, TColor color, int hours, int minutes, int seconds) const
{
    if (cxRectIsEmpty(r))
        return;
    constexpr TColor face = 0x808000, light = 0xFFFF00, secondHand = 0x0000FF;
    const TcxClockShape shape = cxClockShape(r, hours, minutes, seconds);
    canvas.PushClipRegion();
    for (const TcxPoint& d : shape.Dots) {
        const TRect dot{d.X - 1, d.Y - 1, d.X + 2, d.Y + 2};
        cxDrawRing(canvas, dot, light, clBtnText);
        cxFillRectByColor(canvas, TRect{d.X, d.Y, d.X + 1, d.Y + 1}, face);
        canvas.ExcludeClipRect(dot);
    }
    cxFillRectByColor(canvas, r, color);
    auto hand = [&](const std::array<TcxPoint, 4>& points) {
        std::vector<POINT> polygon;
        for (const TcxPoint& p : points)
            polygon.push_back(POINT{p.X, p.Y});
        canvas.Polygon(polygon);
    };
    canvas.Brush().SetColor(face);
    canvas.Pen().SetColor(face);
    hand(shape.HourHand);
    hand(shape.MinuteHand);
    canvas.Pen().SetColor(secondHand);
    canvas.MoveTo(shape.Center.X, shape.Center.Y);
    canvas.LineTo(shape.SecondHandEnd.X, shape.SecondHandEnd.Y);
    canvas.PopClipRegion();
}

// Editor buttons

void P::PaintEditButton(TcxCanvas&, const TRect&, TcxButtonState) const {}

int P::EditButtonTextMargin() const
{
    return 0;
}

TSize P::EditButtonExtent() const
{
    return cxMakeSize(0, 0);
}

TColor P::EditButtonCaptionColor(TcxButtonState) const
{
    return clNone;
}

TColor P::EditBorderColor(bool) const
{
    return clNone;
}

// Navigator

void P::PaintNavigatorGlyph(TcxCanvas&, const TRect&, int, TcxButtonState) const {}

TSize P::NavigatorGlyphExtent() const
{
    return cxMakeSize(0, 0);
}

// Progress bar

void P::PaintProgressBorder(TcxCanvas&, const TRect&, bool) const {}

void P::PaintProgressChunk(TcxCanvas&, const TRect&, bool) const {}

TRect P::ProgressBorderMargins() const
{
    return TRect{0, 0, 0, 0};
}

TColor P::ProgressTextColor() const
{
    return clNone;
}

// Group box

void P::PaintGroupBoxBackground(TcxCanvas&, const TRect&) const {}

void P::PaintGroupBoxCaption(TcxCanvas&, const TRect&) const {}

void P::PaintGroupBoxFrame(TcxCanvas&, const TRect&, unsigned) const {}

TRect P::GroupBoxBorderMargins() const
{
    return TRect{0, 0, 0, 0};
}

TColor P::GroupBoxCaptionColor() const
{
    return clNone;
}

bool P::GroupBoxIsTransparent() const
{
    return false;
}

// Track bar

void P::PaintTrackBarTrack(TcxCanvas&, const TRect&) const {}

void P::PaintTrackBarThumb(TcxCanvas&, const TRect&, TcxButtonState) const {}

TSize P::TrackBarThumbExtent() const
{
    return cxMakeSize(0, 0);
}

TColor P::TrackBarTickColor() const
{
    return clNone;
}

int P::TrackBarTrackWidth() const
{
    return 0;
}

// Splitter

void P::PaintSplitter(TcxCanvas&, const TRect&, bool, TcxButtonState) const {}

TSize P::SplitterExtent() const
{
    return cxMakeSize(0, 0);
}
