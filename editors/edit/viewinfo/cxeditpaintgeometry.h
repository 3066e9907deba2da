// What an editor's buttons draw, as platform-free shapes: stacked arrow
// glyphs, the ellipsis dots, poly-lines as one-pixel strips, and where a
// button's content goes. Every sum stays inside 32 bits, so the unbounded
// rectangle (0, 0, 2147483647, 2147483647) is drawn like any other.
#pragma once

#include <array>
#include <vector>

#include "editors/foundation/painters/cxpaintergeometry.h"

// count arrows of size (base x height for up and down, height x base for
// left and right) stacked along the direction, tip after tip, centred in r
// and moved one pixel right and down when pressed. Each arrow is one-pixel
// strips from its base to its tip, every strip two pixels shorter than the
// one before; none for an empty size or count.
std::vector<TRect> cxArrowGlyphStrips(const TRect& r, const TSize& size, TcxArrowDirection direction, bool pressed,
                                      int count = 1);

// The three dots of an ellipsis button, centred in the content: squares of
// side 2, or 1 when the content is 11 pixels wide or less, 2 pixels apart.
std::array<TRect, 3> cxEllipsisDots(const TRect& content);

// Axis-parallel segments from point to point as one-pixel strips, each
// strip from its start to its end point inclusive. A slanted segment is
// drawn as its horizontal then its vertical leg.
std::vector<TRect> cxPolyLineStrips(const std::vector<TcxPoint>& points);

// A size centred in r (floor halves), whatever their sizes.
TRect cxCenteredIn(const TRect& r, int width, int height);
