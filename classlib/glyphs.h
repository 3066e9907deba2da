// Button pictures drawn in code, registered by name and handed out as image lists.
#pragma once

#include <string>
#include <vector>

#include "classlib/colors.h"
#include "classlib/handles.h"

class TCanvas;

// Draws one picture size x size pixels onto a background of kGlyphTransparent.
using TGlyphPainter = void (*)(TCanvas& canvas, int size);
inline constexpr TColor kGlyphTransparent = clFuchsia;

void RegisterGlyph(const std::string& name, TGlyphPainter painter);
// An image list with the named glyphs in that order; EComponentError for an unknown name.
UniqueImageList MakeGlyphImages(const std::vector<std::string>& names, int size);
