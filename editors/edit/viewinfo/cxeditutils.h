// The editors' drawing helpers: arrows, side lines, glyphs enabled and
// disabled, poly-lines, fills around a hole, the text-output flags as
// DrawText's, and the measures and colours the view data and the view
// information share (button widths, frame heights, selection and flat
// button colours).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/bitmap.h"
#include "editors/edit/styles/cxcontainerstyle.h"
#include "editors/edit/viewinfo/cxeditbuttonviewinfo.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

// Platform 1 with a minor version above 0 (98 and ME), or platform 2 with
// major version 5 (2000 and XP).
bool cxIsWin98MeOr2000XpVersion(DWORD platformId, DWORD major, DWORD minor);
// That test on the running system, made once at unit start.
bool cxIsWin98MeOr2000Xp();
void cxEditUtilsInitialize();

// count arrows of size (base x height for up and down, height x base for
// left and right) stacked tip after tip, centred in r, moved one pixel right
// and down when pressed, filled in color strip by strip.
void cxDrawArrowGlyph(TcxCanvas& canvas, const TRect& r, const TSize& size, TcxArrowDirection direction,
                      TColor color, bool pressed = false, int count = 1);
// One-pixel lines on the sides in the set (bLeft, bTop, bRight, bBottom);
// r loses each side drawn.
void cxDrawSideLines(TcxCanvas& canvas, TRect& r, unsigned sides, TColor color);
// The glyph with its top-left at (x, y), its transparent colour left out
// (filled with background unless that is clNone). Disabled, its shape in
// clBtnHighlight one pixel right and down, then in clBtnShadow. Only the
// part inside the canvas's clipping is copied, however large the glyph.
void cxDrawGlyph(TcxCanvas& canvas, const TBitmap& glyph, int x, int y, bool enabled = true,
                 TColor background = clNone);
// Axis-parallel segments through the points, the last point included, as
// one-pixel fills, or drawn with the canvas's pen in color when asked.
void cxDrawPolyLine(TcxCanvas& canvas, const std::vector<TcxPoint>& points, TColor color, bool withPen = false);
// A bitmap that is there and has pixels.
bool cxIsBitmapUsable(const TBitmap* bitmap);
void cxFillRectWithBrush(TcxCanvas& canvas, const TRect& r, HBRUSH brush);
// The library's text-output flags (cxto...) as DrawText flags.
UINT cxDrawTextFlagsFromTextOut(unsigned flags);
// The strips of outer around inner filled with color; nothing when outer is
// empty or equals inner.
void cxFillRectExcept(TcxCanvas& canvas, const TRect& outer, const TRect& inner, TColor color);

// The themed part over r, the window's parent background first (the
// background colour without a window) when the part lets it through.
void cxDrawThemePart(TcxCanvas& canvas, HWND window, int themeClass, int part, int state, const TRect& r,
                     TColor background);

class TcxCustomEditViewInfo;
// The view information's background step with the buttons' visible
// rectangles left out of the clipping (unless the first button is native).
void cxDrawEditBackground(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo);

// Left plus right: what a button's content keeps free across. 4 drawn
// plainly; with the native look the "Button" theme's content insets on a
// 100 x 100 probe.
int cxEditButtonContentMargins(bool nativeStyle);
// An editor border's top plus bottom: twice the style's width, or with the
// native look the "Edit" theme's insets on a 100 x 100 probe.
int cxEditFrameHeight(TcxContainerBorderStyle borderStyle, bool nativeStyle);
// The Office11 scheme's selection colour (palette entry 21) when asked, else clHighlight.
TColor cxSelectionColor(bool office11);
// The style asks for a shadow and its look and feel is not drawn natively
// (the native look asked for and the "Edit" theme there).
bool cxEditShadowVisible(const TcxContainerStyle& style);
// The painters' button state of an edit button's.
TcxButtonState cxEditButtonPainterState(TcxEditButtonState state);
// The UltraFlat (or Office11) painter's face for a hot or pressed button,
// its normal face for the other states.
TColor cxFlatButtonColor(TcxEditButtonState state, bool office11);
// The button's Width when set, but at least the content margins; else a
// usable glyph's width plus the margins, a caption's width in the canvas's
// font plus 3 and the margins but at least the system's scroll-arrow width
// (SM_CYHSCROLL), or that width for the other kinds.
int cxCalcEditButtonWidth(TcxCanvas& canvas, const TcxEditButtonViewInfo& button);
class TcxCustomEditProperties;
// 1 for an in-place editor whose properties have buttons, else 0.
int cxInnerEditHeightAdjust(const TcxCustomEditProperties& properties, bool inplace);
