// A PNG file's picture as one frame of plain pixels, for tools that list or
// compare pictures of any kind without drawing them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TPngFrame {
    int width = 0;
    int height = 0;
    // 0xAARRGGBB, top row first: see-through pixels of single-colour
    // transparency have alpha 0, opaque images 255.
    std::vector<std::uint32_t> pixels;
};

// Reads the bytes of a PNG file; the codec's exceptions when they are not one.
TPngFrame PngDecodeFrame(const std::uint8_t* data, std::size_t size);

// The same picture as 8-bit red, green, blue and alpha bytes, top row first.
struct TPngRgbaFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};
TPngRgbaFrame PngDecodeRgba(const std::uint8_t* data, std::size_t size);
