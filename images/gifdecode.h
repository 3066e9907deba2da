// LZW decoding of a GIF image's data into the rows of a device-independent bitmap.
#pragma once

#include <cstddef>
#include <cstdint>

#include "images/gifmodel.h"

// Rows bottom-up (top-down when asked), each rowSize bytes, 1, 4 or 8 bits a pixel.
struct TLzwPixelBuffer {
    std::uint8_t* bits = nullptr;
    std::int32_t width = 0, height = 0;
    int bitCount = 8;
    std::size_t rowSize = 0;
    // Pixels keep only their low indexBits bits; 0 for bitCount.
    int indexBits = 0;
    bool topDown = false;
};

// The row after row in the four-pass interlaced order; at or past height when the image is done.
int GifNextInterlacedRow(int row, int& pass, int height);

// Decodes the minimum code size byte and the data sub-blocks into the rows,
// which come zero-filled. Returns whether the data was found corrupted
// (decoding stops there, the rest stays index 0); running out of data before
// the end code and the last row raises the read error.
bool LzwDecodeImage(const std::uint8_t* data, std::size_t size, bool interlaced, const TLzwPixelBuffer& out,
                    const TGifProgress& progress = {});
