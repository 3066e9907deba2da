// 32-bit pixels of the library's bitmaps (BGRA: byte 0 blue, 3 alpha, so a
// pixel read as a number is 0xAARRGGBB): blending, the ten filters and the
// rotations. Platform-free.
#pragma once

#include <cstdint>
#include <vector>

using TRGBColors = std::vector<std::uint32_t>;

// The colour blended over the pixel with the colour's alpha times opacity / 255.
std::uint32_t cxBlendPixel(std::uint32_t colorQuad, std::uint32_t pixel, std::uint8_t opacity);
// An RGB value (0x00BBGGRR) as a pixel with the given alpha.
std::uint32_t cxRGBToQuad(std::uint32_t rgb, std::uint8_t alpha);

enum TcxFilterKind {
    cxfkLighten, cxfkDisable, cxfkAverageGrey, cxfkOpaque, cxfkMask, cxfkGrey, cxfkGreyBlue, cxfkFixAlpha,
    cxfkChecker, cxfkFill
};

struct TcxFilterColors {
    // Compared as a whole; the list by RGB only (pixel layout 0x00RRGGBB).
    std::uint32_t Transparent = 0;
    std::vector<std::uint32_t> TransparentRGBs;
    // The shadow that greys a disabled picture, as a pixel.
    std::uint32_t Shadow = 0;
    std::uint32_t Checker[2] = {0xFFFFFFFF, 0xFFC0C0C0};
    std::uint8_t CheckerOpacity[2] = {255, 255};
    // 0 counts as 1.
    std::uint8_t CheckerSize = 8;
};

// Runs the filter over width x height top-down pixels.
void cxFilterPixels(TRGBColors& pixels, int width, int height, TcxFilterKind kind, const TcxFilterColors& colors);

// Rotates width x height top-down pixels: 0 none, 1 a quarter anticlockwise,
// 2 a quarter clockwise, 3 half a turn; flip then mirrors top to bottom.
// Modes 1 and 2 exchange width and height.
void cxRotatePixels(TRGBColors& pixels, int& width, int& height, int mode, bool flip);
