// What the painters' unit keeps for the whole run: the two scroll-bar page
// patterns, the system check-box size, the indicator images and the named
// extra painters. The radio glyphs' palette notifier lives with the glyphs,
// so no palette listener runs before a radio button is painted.
#pragma once

#include "classlib/bitmap.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/core/cxgeometry.h"

// The 8 x 8 page pattern, normal or pressed.
const TBitmap& cxScrollBarPattern(bool pressed);
// Redraws both patterns in the current system colours.
void cxRedrawScrollBarPatterns();
// A quarter of the width and a third of the height of the system check-box bitmap.
TSize cxCheckBoxSize();
// Indicator image index (0..5) centred in r; other indexes draw nothing.
void cxDrawIndicatorImage(TcxCanvas& canvas, const TRect& r, int index);
int cxIndicatorImageCount();

// Unit start and end, in their fixed order.
void cxLookAndFeelPaintersInitialize();
void cxLookAndFeelPaintersFinalize();
