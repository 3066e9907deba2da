// Speed figures of the painters, printed by foundation-demo.exe --measure:
// gallery repaints per classic look against plain fills and frames of the
// same cells, the radio glyph build, GDI objects made while painting, and
// the scroll bar's thumb drag.
#pragma once

#include <string>

std::string cxMeasureGallery(int repaints);
// Thumb-drag moves on a 400-pixel bar against plain repaints of it.
std::string cxMeasureThumbDrag(int moves);
