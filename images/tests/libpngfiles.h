// PNG files made and read by libpng, the reference the codec is checked
// against, and hand-made files for the cases libpng would not write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "images/pngimage.h"

// Raw PNG rows as the file holds them after de-interlacing: packed samples,
// 16-bit samples big-endian.
struct TRawPng {
    int width = 0, height = 0, colorType = 0, bitDepth = 0, interlace = 0;
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<std::uint8_t> palette;  // R, G, B triples
    std::vector<std::uint8_t> trns;     // the chunk's bytes; empty: none
};

// Random samples, palette and transparency for that kind of image.
TRawPng RandomRawPng(int colorType, int bitDepth, int width, int height, int interlace, unsigned seed);
// Smooth shading with a little noise, as photographs compress; no transparency.
TRawPng SmoothRawPng(int colorType, int bitDepth, int width, int height, int interlace);

struct TLibpngWriteOptions {
    int level = 7;
    int filters = -1;  // libpng's PNG_FILTER_* mask; -1 leaves libpng's default
    bool defaultStrategy = false;
};
std::string LibpngWrite(const TRawPng& image, const TLibpngWriteOptions& options = {});
// Reads with CRC errors fatal in every chunk; std::runtime_error on any error.
TRawPng LibpngRead(const std::string& file);
// The picture as 8-bit red, green, blue and alpha bytes, top row first, as
// libpng's transformations expand it (16-bit samples by their high byte).
struct TLibpngRgba {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
};
TLibpngRgba LibpngReadRgba(const std::string& file);

// The store libpng's rows should give: BGR, 2-bit samples as 4-bit, 16 bits
// split into high and low bytes. Rows top-down, each the store's row size.
struct TExpectedStore {
    std::vector<std::vector<std::uint8_t>> rows, low;
    std::vector<std::uint8_t> alpha;
};
TExpectedStore ExpectedStore(const TRawPng& raw, int dibBits, std::size_t rowSize);
// Empty when the image's store holds those pixels, else where it first differs.
std::string CompareStore(const TPNGImage& image, const TExpectedStore& expected);

// Hand-made files: one chunk with its CRC, and a whole file of chunks.
std::string PngChunkBytes(const std::string& name, const std::string& data);
std::string PngFileBytes(const std::vector<std::string>& chunks);
std::string IhdrData(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType, int interlace = 0,
                     int filter = 0, int compression = 0);
std::string ZlibBytes(const std::string& raw, int level = 6);
// A 1x1 grey picture behind count copies of a short text chunk, name tEXt or zTXt.
std::string PngManyTexts(const std::string& name, int count);

// Loads bytes into a fresh image; what it raised goes to the caller.
void LoadPng(TPNGImage& image, const std::string& file);
// For a file both libpng and the codec read, whether the codec's store holds
// libpng's rows; true when either refuses the file, or a gamma chunk changes
// the codec's samples (libpng's rows are the file's own).
bool StoreAgreesWithLibpng(const std::string& file);
std::string SavePng(TPNGImage& image);
