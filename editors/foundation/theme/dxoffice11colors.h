// The Office11 colour set as pure arithmetic over RGB values: the scheme
// rows, the formulas that mix the system colours when no scheme applies, and
// the shapes the Office11 look paints (gradient bands, dot cells, the
// recoloured submenu arrow). Windows supplies the system colours and the
// screen's nearest-colour step.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/colors.h"
#include "editors/foundation/core/cxgeometry.h"

using TRGB = std::uint32_t;

constexpr int dxOffice11PaletteCount = 49;

// Where the formulas get their colours from.
struct TdxColorSource {
    // A colour as RGB, system colours looked up.
    TRGB (*Resolve)(TColor color);
    // The nearest colour the screen shows.
    TRGB (*Nearest)(TRGB rgb);
};

struct TdxOffice11Palette {
    std::array<TRGB, dxOffice11PaletteCount> Entries{};
    std::array<TRGB, 3> TintA{}, TintB{};
    TRGB MixedBorder = 0, HighlightEdge = 0, ShadowEdge = 0;
    TRGB DarkText = 0, LightText = 0, FixedLight = 0, DarkFrame = 0;
    std::array<TRGB, 2> Tails{}, Darkened{};
    int Percentage = 0;
};

// a * b / c rounded half away from zero, as the system's MulDiv; -1 for c = 0.
int cxMulDiv(int a, int b, int c);
// Per channel share p percent of c1 and 100 - p of c2, kept inside 0..255.
TRGB dxMixRGB(TRGB c1, TRGB c2, int p);
// face * a + highlight * b + window * c percent per channel; the highlight
// itself when the face is black or white.
TRGB dxLightRGB(TRGB face, TRGB highlight, TRGB window, int a, int b, int c);
TRGB dxCaptionTone(TRGB face, bool light);

// scheme 1..3 takes its table row, 0 the formulas.
TdxOffice11Palette dxOffice11FillPalette(int scheme, const TdxColorSource& source);

// The software gradient: solid bands from the start to the end colour.
struct TdxGradientBand {
    int From, To;
    TRGB Color;
};
std::vector<TdxGradientBand> dxGradientBands(int start, int extent, TRGB c1, TRGB c2);

// The 2-by-2 squares of the light dots in r; each dark dot is its square
// moved one pixel up and left.
std::vector<TRect> dxDotSquares(const TRect& r, bool vertical);
// The strips of the size grip's 3, 2 and 1 dots in r's bottom-right corner.
std::array<TRect, 3> dxSizeGripStrips(const TRect& r);

// Recolours the submenu arrow's pixels (row-major, pixel 0 the background)
// between entries 0 and 1 by their share of red.
void dxRecolorSubmenuExpand(std::vector<TRGB>& pixels, TRGB entry0, TRGB entry1, TRGB (*nearest)(TRGB));

// The scheme of the current visual style: 1 NormalColor, 2 HomeStead,
// 3 Metallic, else 0. The colour name counts only for the standard style
// file, or on any style file from system version 6 on.
int dxOffice11SchemeOf(const std::u16string& styleFile, const std::u16string& colorName, int majorVersion);
