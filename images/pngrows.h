// One row between PNG sample order and the pixel store: colour types and
// depths into DIB rows with their alpha and low-byte planes and back, and the
// Adam7 passes that place a pass's pixels in their columns.
#pragma once

#include <cstddef>
#include <cstdint>

enum : std::uint8_t {
    kColorGrey = 0,
    kColorRGB = 2,
    kColorPalette = 3,
    kColorGreyAlpha = 4,
    kColorRGBAlpha = 6,
};

// Whether the PNG standard allows that colour type with that bit depth.
bool PngValidColorDepth(int colorType, int bitDepth);
// Bits per pixel of the store: palette DIBs of 1, 4 or 8 bits, or 24.
int PngDibBits(int colorType, int bitDepth);
// Bytes of one PNG row of width pixels, without its filter byte.
std::size_t PngRowBytes(int colorType, int bitDepth, std::uint64_t width);
// Bytes of one complete pixel, at least 1: the filters' step.
std::size_t PngPixelOffset(int colorType, int bitDepth);

// One row of the store: the DIB row and, where the image has them, its alpha and low bytes.
struct TPngStoreRow {
    std::uint8_t* row;
    std::uint8_t* alpha;
    std::uint8_t* low;
};

// PNG samples into the store; colour samples pass through gamma (256 entries).
void PngRowToStore(const std::uint8_t* source, int colorType, int bitDepth, int width, const std::uint8_t* gamma,
                   TPngStoreRow dest);
// The store back into PNG samples at bitDepth (never 2: such images are written at 4);
// colour samples pass through inverse.
void PngStoreToRow(TPngStoreRow source, int colorType, int bitDepth, int width, const std::uint8_t* inverse,
                   std::uint8_t* dest);

struct TAdam7Pass {
    int row0, col0, rowStep, colStep;
};
extern const TAdam7Pass kAdam7Passes[7];
// Pixels of a row (or rows of an image) in a pass; 0 when the pass misses the image.
int Adam7PassSize(int size, int start, int step);

// The pixel at column x of a store row of 1, 4 or 8 bits, and its setting.
int PngStoreIndex(const std::uint8_t* row, int bits, int x);
void PngSetStoreIndex(std::uint8_t* row, int bits, int x, int value);

// Pixel i of the packed row from goes to column start + i * step of to, for count pixels of bits each.
void PngScatterPixels(const std::uint8_t* from, std::uint8_t* to, int bits, int count, int start, int step);
// The reverse: column start + i * step of from becomes pixel i of to.
void PngGatherPixels(const std::uint8_t* from, std::uint8_t* to, int bits, int count, int start, int step);
