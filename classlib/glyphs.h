// Button pictures drawn in code, registered by name and handed out as image lists.
#pragma once

#include <string>
#include <vector>

#include "classlib/handles.h"

// Draws one picture size x size pixels onto a background of kGlyphTransparent.
using TGlyphPainter = void (*)(HDC dc, int size);
inline constexpr COLORREF kGlyphTransparent = RGB(255, 0, 255);

void RegisterGlyph(const std::string& name, TGlyphPainter painter);
// An image list with the named glyphs in that order; EComponentError for an unknown name.
UniqueImageList MakeGlyphImages(const std::vector<std::string>& names, int size);
