// What the look-and-feel painters draw, as platform-free shapes: the kinds
// and states painters take, arrows, crosses, check marks and the clock as
// rectangles and points, the text area of a button, and the codes and image
// numbers of the radio glyph cache.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "editors/foundation/core/cxgeometry.h"

enum TcxButtonState : std::uint8_t { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
enum TcxArrowDirection : std::uint8_t { adUp, adDown, adLeft, adRight };
enum TcxCheckBoxState : std::uint8_t { cbsUnchecked, cbsChecked, cbsGrayed };
// What a painter's StyleKind answers.
enum TcxLookAndFeelStyle : std::uint8_t { lfsFlat, lfsStandard, lfsUltraFlat, lfsNative, lfsOffice11 };
enum TcxLookAndFeelKind : std::uint8_t { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
// Scroll-bar parts: the two buttons, the thumb, the page areas before and after it.
enum TcxScrollBarPart : std::uint8_t { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };

constexpr int cxButtonStateCount = 5;
constexpr int cxArrowDirectionCount = 4;

// States out of range are normal.
TcxButtonState cxValidButtonState(int state);
TcxLookAndFeelKind cxLookAndFeelKindOf(TcxLookAndFeelStyle style);
// The arrow a scroll-bar button shows: up/down vertically, left/right horizontally.
TcxArrowDirection cxScrollArrowDirection(bool horizontal, TcxScrollBarPart part);

// No area: empty or inverted.
bool cxRectIsEmpty(const TRect& r);
// r shrunk by the same amount on every side.
TRect cxRectShrunk(const TRect& r, int by = 1);

struct TcxPoint {
    int X, Y;
    bool operator==(const TcxPoint&) const = default;
};

// The filled triangle of an arrow as rows (up, down) or columns (left,
// right), tip first; none for a direction out of range or an empty r.
std::vector<TRect> cxArrowStrips(const TRect& r, int direction, bool square);
// The bar, and unless expanded the column, of an expand button's cross.
std::vector<TRect> cxExpandCrossStrips(const TRect& r, bool expanded);
// Three strokes one pixel apart, each short down then long up, as columns.
std::vector<TRect> cxCheckMarkStrips(const TRect& r);
// Five lines two pixels apart, the first, third and fifth one pixel longer.
std::vector<TRect> cxIndicatorCustomizeMarkStrips(const TRect& r);
// Where a button's caption goes inside its face: an odd last row dropped, a
// low area lifted by one pixel, then moved by the pressed shift.
TRect cxButtonTextRect(const TRect& face, int pressedShift);
// A sort mark's outline, its lit and shaded sides.
struct TcxSortMarkShape {
    std::vector<TRect> Lit, Shaded;
};
TcxSortMarkShape cxSortMarkShape(const TRect& r, int width, int height, bool ascending);

// Hand and dot positions of the clock face in r for that time of day.
struct TcxClockShape {
    TcxPoint Center;
    std::array<TcxPoint, 12> Dots;
    std::array<TcxPoint, 4> HourHand, MinuteHand;
    TcxPoint SecondHandEnd;
};
TcxClockShape cxClockShape(const TRect& r, int hours, int minutes, int seconds);

// Radio glyph codes: 0 outside, 1 and 2 the outer ring above and below the
// anti-diagonal, 3 and 4 the inner ring, 5 the body, 6 the dot.
enum : std::uint8_t { rpOutside, rpOuterLight, rpOuterDark, rpInnerLight, rpInnerDark, rpBody, rpDot };
constexpr int cxRadioCodeCount = 7;
constexpr int cxRadioImageCount = 128;

// Codes for the glyph's mask (row-major, width x height) and its dot rectangle.
std::vector<std::uint8_t> cxRadioPattern(const std::vector<bool>& mask, int width, int height, const TRect& dot);
// The bounding box of the set pixels of a cell, or the whole cell when none is set.
TRect cxMaskBounds(const std::vector<bool>& mask, int width, int height);
// The image of a glyph: a default state is drawn as normal.
int cxRadioImageIndex(TcxLookAndFeelKind kind, TcxButtonState state, bool checked, bool focused, bool tracked);
