// Where the canvas's tiled fills and frames go: platform-free rectangle
// arithmetic behind TcxCanvas.
#pragma once

#include <functional>

#include "editors/foundation/core/cxgeometry.h"

// The set TcxBorders.
enum : unsigned { bLeft = 1, bTop = 2, bRight = 4, bBottom = 8, cxBordersAll = 15 };

// For each tile of a w x h picture on the grid of multiples of w and h that
// meets r: the part inside r and where that part starts in the picture.
// The grid runs on below and left of 0 (floor division).
void cxForEachTile(const TRect& r, int w, int h, const std::function<void(const TRect& part, int sx, int sy)>& f);

// The strips of a frame of the given width inside r, left, right, top and
// bottom, each only when its border is in the set.
void cxForEachFrameStrip(const TRect& r, int width, unsigned borders, const std::function<void(const TRect&)>& f);
// r shrunk by width on each side in the set.
TRect cxRectInsideBorders(const TRect& r, int width, unsigned borders);
