// Partial transparency drawn without a window system: the image, stretched to
// a rectangle, blended over rows that hold what lies beneath.
#pragma once

#include <cstddef>
#include <cstdint>

class TPNGImage;

// The source pixel of destination pixel at when size pixels span span: the
// position divided by the scale, rounded, and never past the last pixel.
int PngSourceIndex(int at, int span, int size);

// One channel: (source x alpha + beneath x (255 - alpha) + 255) div 256.
constexpr std::uint8_t PngBlendChannel(int source, int beneath, int alpha)
{
    return static_cast<std::uint8_t>((source * alpha + beneath * (255 - alpha) + 255) >> 8);
}

// Blends the image stretched to width x height over 32-bit top-down rows
// (blue, green, red, unused), stride bytes apart.
void PngBlendPartial(const TPNGImage& image, std::uint8_t* bits, int width, int height, std::size_t stride);
