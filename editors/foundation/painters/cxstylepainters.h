// The five looks: each painter is the list of what it draws differently
// from its parent. Standard, Flat and UltraFlat derive from the neutral base,
// Office11 from UltraFlat, and the native WinXP painter from Standard,
// falling back to it wherever its theme class does not open.
#pragma once

#include "editors/foundation/painters/cxlookandfeelpainters.h"

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    constexpr TcxStandardLookAndFeelPainter() = default;
    static const TcxStandardLookAndFeelPainter Instance;

    TcxLookAndFeelStyle StyleKind() const override;
    TColor PaletteColor33() const override;
    int BorderWidth() const override;
    void PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const override;
    int ButtonBorderWidth(TcxButtonState state = cxbsNormal) const override;
    int ButtonTextMargin() const override;
    int ButtonPressedShift() const override;
    void PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    void PaintGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const override;
    int ExpandButtonExtent() const override;
    bool ButtonHotTracks() const override;
    void PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state) const override;
    void PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const override;
    int HeaderBorderWidth() const override;
    int HeaderSectionBorderWidth(TcxButtonState state) const override;
    TSize SortMarkExtent() const override;
    int FooterBorderWidth() const override;
    int FooterCellBorderWidth() const override;
    int FooterCellSpacing() const override;
    void PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                   bool active) const override;
    void PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const override;
    void PaintTabStrip(TcxCanvas& canvas, const TRect& r) const override;
    int TabBorderWidth() const override;
    void PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                            const TRect& r) const override;
    void PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                          const TcxContentParams& params) const override;
    void PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool horizontal) const override;

protected:
    // The style's own edge around an element, on the sides given.
    virtual void PaintElementEdge(TcxCanvas& canvas, const TRect& r, unsigned borders) const;
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    constexpr TcxFlatLookAndFeelPainter() = default;
    static const TcxFlatLookAndFeelPainter Instance;

    TcxLookAndFeelStyle StyleKind() const override;
    int BorderWidth() const override;
    void PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const override;
    int ButtonBorderWidth(TcxButtonState state = cxbsNormal) const override;
    int ButtonTextMargin() const override;
    int ButtonPressedShift() const override;
    void PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    int ExpandButtonExtent() const override;
    bool ButtonHotTracks() const override;
    void PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state) const override;
    void PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const override;
    int HeaderBorderWidth() const override;
    TSize SortMarkExtent() const override;
    int FooterBorderWidth() const override;
    int FooterCellBorderWidth() const override;
    int FooterCellSpacing() const override;
    void PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                   bool active) const override;
    void PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const override;
    void PaintTabStrip(TcxCanvas& canvas, const TRect& r) const override;
    int TabBorderWidth() const override;
    void PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                            const TRect& r) const override;
    void PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool horizontal) const override;
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    constexpr TcxUltraFlatLookAndFeelPainter() = default;
    static const TcxUltraFlatLookAndFeelPainter Instance;

    void PaintNavigationButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    TcxLookAndFeelStyle StyleKind() const override;
    TColor PaletteColor30() const override;
    int BorderWidth() const override;
    void PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const override;
    int ButtonBorderWidth(TcxButtonState state = cxbsNormal) const override;
    TColor ButtonFaceColor(TcxButtonState state) const override;
    bool ButtonFocusBounds(const TRect& r, TRect& bounds) const override;
    TRect ButtonGroupBorderWidths(int index, int count) const override;
    int ButtonTextMargin() const override;
    int ButtonPressedShift() const override;
    TColor ButtonGlyphColor(TcxButtonState state, TColor color = clDefault) const override;
    TcxButtonState ButtonGlyphState(TcxButtonState state) const override;
    void PaintGroupButton(TcxCanvas& canvas, const TRect& r, TColor frameColor, int index, int count,
                          TcxButtonState state) const override;
    void PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintButtonFrame(TcxCanvas& canvas, const TRect& r, bool hot, bool dark) const override;
    void PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    int ExpandButtonExtent() const override;
    bool ButtonHotTracks() const override;
    void PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintHeaderWithBorders(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                                const TcxContentParams& params) const override;
    void PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state) const override;
    void PaintHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintHeaderSectionFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                const TcxContentParams& params) const override;
    void PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const override;
    unsigned HeaderBorderSides() const override;
    int HeaderBorderWidth() const override;
    TSize SortMarkExtent() const override;
    unsigned FooterBorderSides() const override;
    int FooterBorderWidth() const override;
    int FooterCellBorderWidth() const override;
    int FooterCellSpacing() const override;
    void PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFooterCellBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                   bool active) const override;
    TSize FilterCloseButtonExtent() const override;
    void PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const override;
    void PaintTabStrip(TcxCanvas& canvas, const TRect& r) const override;
    int TabBorderWidth() const override;
    void PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                            const TRect& r) const override;
    void PaintNavigatorButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool horizontal) const override;

    // Added after the base slots.
    virtual TColor FrameColorForState(TcxButtonState state) const;
    virtual TColor FrameColor() const;
    virtual TColor FlatSymbolColor() const;
    virtual TColor HighlightFrameColor() const;
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
public:
    constexpr TcxOffice11LookAndFeelPainter() = default;
    static const TcxOffice11LookAndFeelPainter Instance;

    void PaintContent(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const override;
    TcxLookAndFeelStyle StyleKind() const override;
    TColor PaletteColor01() const override;
    TColor PaletteColor02() const override;
    TColor PaletteColor04() const override;
    TColor PaletteColor05() const override;
    TColor PaletteColor07() const override;
    TColor PaletteColor08() const override;
    TColor PaletteColor09() const override;
    TColor PaletteColor11() const override;
    TColor PaletteColor13() const override;
    TColor PaletteColor25() const override;
    TColor PaletteColor26() const override;
    TColor PaletteColor27() const override;
    TColor PaletteColor30() const override;
    TColor PaletteColor31() const override;
    TColor PaletteColor38() const override;
    TColor PaletteColor40() const override;
    TColor PaletteColor43() const override;
    TColor PaletteColor45() const override;
    void PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const override;
    TColor ButtonFaceColor(TcxButtonState state) const override;
    TColor ButtonGlyphColor(TcxButtonState state, TColor color = clDefault) const override;
    void PaintButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    bool ExpandButtonPaintsFirst() const override;
    void PaintSmallExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    int SmallExpandButtonExtent() const override;
    TColor CheckBoxFaceColor(TcxButtonState state) const override;
    void PaintHeader(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                     const TcxContentParams& params) const override;
    void PaintHeaderBorder(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state) const override;
    void PaintHeaderSection(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                            const TcxContentParams& params) const override;
    bool HeaderAltOption() const override;
    TColor FooterSeparatorColor() const override;
    void PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                            const TRect& r) const override;
    void PaintSizeGrip(TcxCanvas& canvas, const TRect& r, TColor background) const override;
    void PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                          const TcxContentParams& params) const override;
    void PaintOuterBorder(TcxCanvas& canvas, const TRect& r) const override;
    TColor FrameColorForState(TcxButtonState state) const override;
    TColor FrameColor() const override;
    TColor FlatSymbolColor() const override;
    TColor HighlightFrameColor() const override;

    // Added after UltraFlat's.
    virtual TColor SchemeDarkColor() const;
    virtual TColor SchemeFrameColor() const;
    virtual TColor SchemeLightFrameColor() const;
    virtual TColor SchemeMiddleColor() const;
};

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
public:
    constexpr TcxWinXPLookAndFeelPainter() = default;
    static const TcxWinXPLookAndFeelPainter Instance;

    TcxLookAndFeelStyle StyleKind() const override;
    TColor PaletteColor30() const override;
    TColor PaletteColor33() const override;
    void PaintArrowButton(TcxCanvas& canvas, const TRect& r, bool withFace, TcxButtonState state,
                          int direction) const override;
    void PaintButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    int BorderWidth() const override;
    void PaintBorderFrame(TcxCanvas& canvas, const TRect& r) const override;
    int ButtonBorderWidth(TcxButtonState state = cxbsNormal) const override;
    TColor ButtonFaceColor(TcxButtonState state) const override;
    bool ButtonFocusBounds(const TRect& r, TRect& bounds) const override;
    int ButtonTextMargin() const override;
    int ButtonPressedShift() const override;
    void PaintButton(TcxCanvas& canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                     bool withBorder = true, TColor faceColor = clDefault, TColor textColor = clDefault,
                     bool showPrefix = false) const override;
    void PaintExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    bool ExpandButtonPaintsFirst() const override;
    int ExpandButtonExtent() const override;
    bool ButtonHotTracks() const override;
    TSize CheckBoxExtent() const override;
    void PaintCheckBox(TcxCanvas& canvas, const TRect& r, int checkState, TcxButtonState state) const override;
    void PaintRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                          TColor background, bool tracked = false) const override;
    TSize RadioButtonExtent() const override;
    void PaintHeader(TcxCanvas& canvas, const TRect& r, unsigned borders, TcxButtonState state,
                     const TcxContentParams& params) const override;
    void PaintHeaderPressed(TcxCanvas& canvas, const TRect& r) const override;
    void PaintHeaderSection(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                            const TcxContentParams& params) const override;
    bool HeaderAltOption() const override;
    bool FooterCellsPaintFirst() const override;
    int ScrollBarMinThumbLength() const override;
    void PaintScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                            const TRect& r) const override;
    void PaintSizeGrip(TcxCanvas& canvas, const TRect& r, TColor background) const override;

    // The families nothing in this system calls yet, through their theme classes.
    void PaintNavigationButtonFace(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintArrow(TcxCanvas& canvas, const TRect& r, TColor color, int direction) const override;
    TRect GroupButtonContentRect(const TRect& r) const override;
    TRect ButtonGroupBorderWidths(int index, int count) const override;
    TColor ButtonGlyphColor(TcxButtonState state, TColor color = clDefault) const override;
    void PaintGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const override;
    void PaintSmallExpandButton(TcxCanvas& canvas, const TRect& r, TColor color, bool expanded) const override;
    int GroupExpandButtonExtent() const override;
    bool HitsGroupExpandButton(const TcxPoint& p, const TRect& r) const override;
    int SmallExpandButtonExtent() const override;
    int CheckBorderWidth() const override;
    void PaintCheckGlyph(TcxCanvas& canvas, const TRect& r, TColor markColor, bool marked,
                         TcxButtonState state) const override;
    void PaintCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintSortMark(TcxCanvas& canvas, const TRect& r, bool ascending) const override;
    int HeaderBorderWidth() const override;
    int HeaderSectionBorderWidth(TcxButtonState state) const override;
    TRect HeaderSectionInnerRect(const TRect& r, TcxButtonState state) const override;
    TSize SortMarkExtent() const override;
    int FooterBorderWidth() const override;
    int FooterCellBorderWidth() const override;
    int FooterCellSpacing() const override;
    void PaintFooterCell(TcxCanvas& canvas, const TRect& r, const TcxContentParams& params) const override;
    void PaintFooterBorder(TcxCanvas& canvas, const TRect& r) const override;
    void PaintFilterCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintFilterDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                                   bool active) const override;
    TSize FilterActivateButtonExtent() const override;
    TSize FilterCloseButtonExtent() const override;
    void PaintTab(TcxCanvas& canvas, const TRect& r, TcxButtonState state, const std::string& text) const override;
    void PaintTabBorder(TcxCanvas& canvas, const TRect& r, unsigned borders) const override;
    void PaintTabStrip(TcxCanvas& canvas, const TRect& r) const override;
    bool PaintsTabs() const override;
    bool TabHotTracks() const override;
    int TabBorderWidth() const override;
    void PaintIndicatorCell(TcxCanvas& canvas, const TRect& r, int kind, const TcxContentParams& params) const override;
    void PaintMonthHeader(TcxCanvas& canvas, const TRect& r, const std::string& text,
                          const TcxContentParams& params) const override;
    void PaintEventProgress(TcxCanvas& canvas, const TRect& r, int percent) const override;
    void PaintNavigatorButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    void PaintSplitterBorder(TcxCanvas& canvas, const TRect& r, bool horizontal) const override;

    // Added after the base slots: content text through the theme.
    virtual void PaintThemedContent(TcxCanvas& canvas, const TRect& r, int themeClass, int part, int state,
                                    const std::string& text, unsigned flags) const;
};

// The painter of a look-and-feel kind, and the native one.
TcxCustomLookAndFeelPainterClass cxPainterOfKind(TcxLookAndFeelKind kind);
TcxCustomLookAndFeelPainterClass cxNativePainter();

// Shared by the classic scroll bars: the page area tiled with its pattern.
void cxPaintScrollBarPage(TcxCanvas& canvas, const TRect& r, bool pressed);
// Standard's scroll-bar parts, which WinXP and Office11 fall back to.
void cxPaintStandardScrollBarPart(TcxCanvas& canvas, bool horizontal, TcxButtonState state, int part,
                                  const TRect& r);
// Flat and UltraFlat scroll-bar parts: buttons and thumb are the style's buttons.
void cxPaintFlatScrollBarPart(const TcxCustomLookAndFeelPainter& painter, TcxCanvas& canvas, bool horizontal,
                              TcxButtonState state, int part, const TRect& r, bool shrinkBeforeArrow);
