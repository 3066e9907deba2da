// The painter interface every control draws through, and its neutral base:
// each painter class has one stateless instance and callers hold a pointer
// to it (TcxCustomLookAndFeelPainterClass). The operations keep the library's
// slot order; element families nothing here calls keep their place and base
// value. Style painters are in cxstylepainters.h.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "classlib/bitmap.h"
#include "classlib/colors.h"
#include "classlib/font.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/painters/cxextendedstylepainters.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

enum class TcxTextAlignHorz { Left, Right, Center };
enum class TcxTextAlignVert { Top, Bottom, Center };

// What PaintContent and the header and footer cells draw.
struct TcxContentParams {
    // Paints the cell itself when it returns true.
    std::function<bool(TcxCanvas& canvas, const TRect& r)> CustomDraw;
    TColor Color = clWindow;
    TColor TextColor = clWindowText;
    const TFont* Font = nullptr;
    std::string Text;
    TcxTextAlignHorz AlignHorz = TcxTextAlignHorz::Left;
    TcxTextAlignVert AlignVert = TcxTextAlignVert::Center;
    bool MultiLine = false;
    bool EndEllipsis = false;
    // Office11: the scheme's face colour, and a gradient over the last rows.
    bool SchemeColor = false;
    bool Gradient = false;
    TColor GradientColor = clDefault;
};

class TcxCustomLookAndFeelPainter {
public:
    constexpr TcxCustomLookAndFeelPainter() = default;
    TcxCustomLookAndFeelPainter(const TcxCustomLookAndFeelPainter&) = delete;
    TcxCustomLookAndFeelPainter& operator=(const TcxCustomLookAndFeelPainter&) = delete;

    static const TcxCustomLookAndFeelPainter Instance;

    // Background and content
    virtual void PaintBackground(TcxCanvas& canvas, const TRect& r, const TBitmap* bitmap, TColor color,
                                 bool transparent) const;
    virtual void PaintButtonArrow(TcxCanvas& canvas, const TRect& r, TColor color, int direction) const;
    virtual void PaintContent(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const;
    virtual void PaintNavigationButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual TRect FooterCellInnerRect(const TRect& r) const;
    virtual TRect FooterCellTextRect(const TRect& r) const;
    virtual TcxLookAndFeelStyle StyleKind() const;

    // Colours
    virtual TColor ContentColor() const;
    virtual TColor ContentEvenColor() const;
    virtual TColor ContentOddColor() const;
    virtual TColor ContentTextColor() const;
    virtual TColor PaletteColor01() const; virtual TColor PaletteColor02() const; virtual TColor PaletteColor03() const;
    virtual TColor PaletteColor04() const; virtual TColor PaletteColor05() const; virtual TColor PaletteColor06() const;
    virtual TColor PaletteColor07() const; virtual TColor PaletteColor08() const; virtual TColor PaletteColor09() const;
    virtual TColor PaletteColor10() const; virtual TColor PaletteColor11() const; virtual TColor PaletteColor12() const;
    virtual TColor PaletteColor13() const; virtual TColor PaletteColor14() const; virtual TColor PaletteColor15() const;
    virtual TColor PaletteColor16() const; virtual TColor PaletteColor17() const; virtual TColor PaletteColor18() const;
    virtual TColor PaletteColor19() const; virtual TColor PaletteColor20() const; virtual TColor PaletteColor21() const;
    virtual TColor PaletteColor22() const; virtual TColor PaletteColor23() const; virtual TColor PaletteColor24() const;
    virtual TColor PaletteColor25() const; virtual TColor PaletteColor26() const; virtual TColor PaletteColor27() const;
    virtual TColor PaletteColor28() const; virtual TColor PaletteColor29() const; virtual TColor PaletteColor30() const;
    virtual TColor PaletteColor31() const; virtual TColor PaletteColor32() const; virtual TColor PaletteColor33() const;
    virtual TColor PaletteColor34() const; virtual TColor PaletteColor35() const; virtual TColor PaletteColor36() const;
    virtual TColor PaletteColor37() const; virtual TColor PaletteColor38() const; virtual TColor PaletteColor39() const;
    virtual TColor PaletteColor40() const; virtual TColor PaletteColor41() const; virtual TColor PaletteColor42() const;
    virtual TColor PaletteColor43() const; virtual TColor PaletteColor44() const; virtual TColor PaletteColor45() const;
    virtual TColor PaletteColor46() const; virtual TColor PaletteColor47() const; virtual TColor PaletteColor48() const;
    virtual TColor PaletteColor49() const; virtual TColor PaletteColor50() const; virtual TColor PaletteColor51() const;
    virtual TColor PaletteColor52() const; virtual TColor PaletteColor53() const; virtual TColor PaletteColor54() const;
    virtual TColor PaletteColor55() const;

    // Arrows
    virtual void PaintArrow(TcxCanvas& canvas, const TRect& r, TColor color, int direction) const;
    virtual void PaintArrowButton(TcxCanvas& canvas, const TRect& r, bool withFace, TcxButtonState state,
                                  int direction) const;
    virtual void PaintButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintScrollArrow(TcxCanvas& canvas, const TRect& r, int direction, TcxButtonState state) const;

    // Control border
    virtual int BorderWidth() const;
    virtual void PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const;

    // Buttons
    virtual TRect GroupButtonContentRect(const TRect& r) const;
    virtual int ButtonBorderWidth(TcxButtonState state = cxbsNormal) const;
    virtual TColor ButtonFaceColor(TcxButtonState state) const;
    // True when the focus rectangle came out empty and bounds is r itself.
    virtual bool ButtonFocusBounds(const TRect& r, TRect& bounds) const;
    // The widths of the four sides as a rectangle's fields.
    virtual TRect ButtonGroupBorderWidths(int index, int count) const;
    virtual int ButtonTextMargin() const;
    virtual int ButtonPressedShift() const;
    // color: the caller's glyph colour, or clDefault / clNone for the painter's.
    virtual TColor ButtonGlyphColor(TcxButtonState state, TColor color = clDefault) const;
    virtual TcxButtonState ButtonGlyphState(TcxButtonState state) const;
    // showPrefix picks the text flags that underline a "&" letter.
    virtual void PaintButton(TcxCanvas& canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                             bool withBorder = true, TColor faceColor = clDefault, TColor textColor = clDefault,
                             bool showPrefix = false) const;
    virtual void PaintGroupButton(TcxCanvas& canvas, const TRect& r, TColor frameColor, int index, int count,
                                  TcxButtonState state) const;
    virtual void PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintButtonFrame(TcxCanvas& canvas, const TRect& r, bool hot, bool dark) const;
    virtual void PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const;
    virtual bool ExpandButtonPaintsFirst() const;
    virtual void PaintGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const;
    virtual void PaintSmallExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const;
    virtual int ExpandButtonExtent() const;
    virtual int GroupExpandButtonExtent() const;
    virtual bool ButtonHotTracks() const;
    virtual bool HitsGroupExpandButton(const TcxPoint& p, const TRect& r) const;
    virtual int SmallExpandButtonExtent() const;

    // Check box and radio button
    virtual int CheckBorderWidth() const;
    virtual TColor CheckBoxFaceColor(TcxButtonState state) const;
    virtual TSize CheckBoxExtent() const;
    virtual void PaintCheckGlyph(TcxCanvas& canvas, const TRect& r, TColor markColor, bool marked,
                                 TcxButtonState state) const;
    virtual void PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintCheckBoxForValue(TcxCanvas& canvas, const TRect& r, bool checked, TcxButtonState state) const;
    virtual void PaintCheckBox(TcxCanvas& canvas, const TRect& r, int checkState, TcxButtonState state) const;
    virtual void PaintRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                                  TColor background, bool tracked = false) const;
    virtual TSize RadioButtonExtent() const;

    // Headers
    virtual void PaintHeader(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                             const TcxContentParams& params) const;
    virtual void PaintHeaderWithBorders(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                                        const TcxContentParams& params) const;
    virtual void PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state) const;
    virtual void PaintHeaderPressed(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintHeaderSection(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                    const TcxContentParams& params) const;
    virtual void PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintHeaderSectionFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                        const TcxContentParams& params) const;
    virtual void PaintHeaderSectionText(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                        const TcxContentParams& params) const;
    virtual void PaintHeaderSeparator(TcxCanvas& canvas, const TRect& r, TColor color, int edgeWidth) const;
    virtual void PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const;
    virtual unsigned HeaderBorderSides() const;
    virtual int HeaderBorderWidth() const;
    virtual TRect HeaderRectWithBorders(const TRect& r, unsigned borders) const;
    virtual TRect HeaderInnerRect(const TRect& r, unsigned borders) const;
    virtual bool HeaderBoolOption() const;
    virtual int HeaderHeightForText(int textHeight) const;
    virtual int HeaderSectionBorderWidth(TcxButtonState state) const;
    virtual TRect HeaderSectionTextRect(const TRect& r) const;
    virtual TRect HeaderSectionInnerRect(const TRect& r, TcxButtonState state) const;
    virtual int HeaderWidthForText(int textWidth) const;
    virtual bool HeaderAltOption() const;
    virtual TSize SortMarkAreaSize() const;
    virtual TSize SortMarkExtent() const;
    virtual void PaintHeaderAreaBackground(TcxCanvas& canvas, const TRect& r) const;

    // Footers
    virtual unsigned FooterBorderSides() const;
    virtual int FooterBorderWidth() const;
    virtual int FooterCellBorderWidth() const;
    virtual int FooterCellSpacing() const;
    virtual bool FooterCellsPaintFirst() const;
    virtual TColor FooterSeparatorColor() const;
    virtual int FooterSeparatorWidth() const;
    virtual void PaintFooterCell(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const;
    virtual void PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintFooterContent(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const;
    virtual void PaintFooterSeparator(TcxCanvas& canvas, const TRect& r) const;

    // Filter buttons
    virtual void PaintFilterActivateButton(TcxCanvas& canvas, const TRect& r, bool checked,
                                           TcxButtonState state) const;
    virtual void PaintFilterCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                           bool active) const;
    virtual void PaintFilterPanel(TcxCanvas& canvas, const TRect& r, TColor color) const;
    virtual TSize FilterActivateButtonExtent() const;
    virtual TSize FilterCloseButtonExtent() const;
    virtual TSize FilterDropDownButtonExtent() const;

    // Windows and popups
    virtual void PaintWindowContent(TcxCanvas& canvas, const TRect& r) const;
    virtual int PopupBorderKind() const;

    // Tabs
    virtual void PaintTab(TcxCanvas& canvas, const TRect& r, TcxButtonState state, const std::string& text) const;
    virtual void PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const;
    virtual void PaintTabStrip(TcxCanvas& canvas, const TRect& r) const;
    virtual bool PaintsTabs() const;
    virtual bool TabHotTracks() const;
    virtual int TabBorderWidth() const;

    // Indicator
    virtual void PaintIndicatorCustomizeMark(TcxCanvas& canvas, const TRect& r, TColor color) const;
    // Kind 1..6 draws indicator image kind - 1; 0 draws nothing.
    virtual void PaintIndicatorGlyph(TcxCanvas& canvas, const TRect& r, int kind) const;
    virtual void PaintIndicatorCell(TcxCanvas& canvas, const TRect& r, int kind, const TcxContentParams& params) const;
    virtual void PaintIndicatorCellWithGlyph(TcxCanvas& canvas, const TRect& r, int kind, unsigned borders,
                                             const TcxContentParams& params) const;
    virtual bool IndicatorCellsPaintFirst() const;

    // Scroll bar and size grip
    virtual int ScrollBarMinThumbLength() const;
    virtual void PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                                    const TRect& r) const;
    virtual TSize SizeGripExtent() const;
    virtual void PaintSizeGrip(TcxCanvas& canvas, const TRect& r, TColor background) const;

    // Navigation (calendar and scheduler parts)
    virtual int NavigationButtonLayout() const;
    virtual void PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                                  const TcxContentParams& params) const;
    virtual void PaintOuterBorder(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintEventProgress(TcxCanvas& canvas, const TRect& r, int percent) const;
    virtual void PaintNavigationButtonRotated(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintNavigationArrow(TcxCanvas& canvas, const TRect& r, int direction, TcxButtonState state) const;
    virtual void PaintNavigatorButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual void PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool horizontal) const;
    virtual TRect EventProgressMargins() const;
    virtual TSize NavigationButtonSizes() const;
    virtual int ToolBoxInfoBorderWidth() const;

    // Clock
    virtual void PaintClock(TcxCanvas& canvas, const TRect& r, TColor color, int hours, int minutes,
                            int seconds) const;

    // Editor buttons
    virtual void PaintEditButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual int EditButtonTextMargin() const;
    virtual TSize EditButtonExtent() const;
    virtual TColor EditButtonCaptionColor(TcxButtonState state) const;
    virtual TColor EditBorderColor(bool hot) const;

    // Navigator
    virtual void PaintNavigatorGlyph(TcxCanvas& canvas, const TRect& r, int index, TcxButtonState state) const;
    virtual TSize NavigatorGlyphExtent() const;

    // Progress bar
    virtual void PaintProgressBorder(TcxCanvas& canvas, const TRect& r, bool vertical) const;
    virtual void PaintProgressChunk(TcxCanvas& canvas, const TRect& r, bool vertical) const;
    virtual TRect ProgressBorderMargins() const;
    virtual TColor ProgressTextColor() const;

    // Group box
    virtual void PaintGroupBoxBackground(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintGroupBoxCaption(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintGroupBoxFrame(TcxCanvas& canvas, const TRect& r, unsigned borders) const;
    virtual TRect GroupBoxBorderMargins() const;
    virtual TColor GroupBoxCaptionColor() const;
    virtual bool GroupBoxIsTransparent() const;

    // Track bar
    virtual void PaintTrackBarTrack(TcxCanvas& canvas, const TRect& r) const;
    virtual void PaintTrackBarThumb(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual TSize TrackBarThumbExtent() const;
    virtual TColor TrackBarTickColor() const;
    virtual int TrackBarTrackWidth() const;

    // Splitter
    virtual void PaintSplitter(TcxCanvas& canvas, const TRect& r, bool horizontal, TcxButtonState state) const;
    virtual TSize SplitterExtent() const;

    // Palette entry 1..55 through its operation; other numbers clNone.
    TColor PaletteColor(int entry) const;

protected:
    ~TcxCustomLookAndFeelPainter() = default;
};

using TcxCustomLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

// Solid fills and frames through the shared brush cache: painting makes no
// GDI object of its own. clNone draws nothing.
void cxFillRectByColor(TcxCanvas& canvas, const TRect& r, TColor color);
void cxFillStrips(TcxCanvas& canvas, const std::vector<TRect>& strips, TColor color);
void cxFrameRectByColor(TcxCanvas& canvas, const TRect& r, TColor color, unsigned borders = cxBordersAll);
// A one-pixel ring: left and top in one colour, right and bottom in the other.
void cxDrawRing(TcxCanvas& canvas, const TRect& r, TColor leftTop, TColor rightBottom);

// The base cross of an expand button in clBtnText.
void cxPaintExpandCross(TcxCanvas& canvas, const TRect& r, bool expanded);
// A sort mark's outline of that size centred in r.
void cxPaintSortMarkOutline(TcxCanvas& canvas, const TRect& r, TSize size, bool ascending);
