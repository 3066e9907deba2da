// Speed figures of the painters, printed by foundation-demo.exe --measure:
// gallery repaints per classic look against plain fills and frames of the
// same cells, the radio glyph build, and GDI objects made while painting.
#pragma once

#include <string>

std::string cxMeasureGallery(int repaints);
