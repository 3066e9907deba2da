// The bitmap file format ("BM" file header, then a core, info, V4 or V5
// header, the colour table or masks, and the pixel rows). Every header field
// is checked before anything is allocated or copied; a bad or short file is
// EInvalidGraphic. Platform-free: the codec, its tests and its fuzzer share it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

// A decoded bitmap: its rows bottom-up, each BitmapRowSize bytes, in the
// file's own bit layout.
struct TBitmapFileImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    // 0x00RRGGBB entries, for 1, 4 and 8 bits per pixel.
    std::vector<std::uint32_t> palette;
    // Red, green and blue masks for 16 and 32 bits per pixel.
    std::array<std::uint32_t, 3> masks{};
    std::vector<std::uint8_t> pixels;
};

// Largest width or height of a bitmap made by size, and largest pixel data in
// bytes; a bitmap file's sides are bounded by the bytes alone.
constexpr int kMaxBitmapSide = 32768;
constexpr std::uint64_t kMaxBitmapBytes = 256u << 20;

// Bytes of one row, padded to four bytes.
std::uint64_t BitmapRowSize(std::uint64_t width, int bitCount);
// The masks a plain (BI_RGB) file means for 16 and 32 bits per pixel.
std::array<std::uint32_t, 3> DefaultBitmapMasks(int bitCount);

// Reads one bitmap file from the stream's position.
TBitmapFileImage ReadBitmapFile(TStream& stream);
// Writes an info-header file: BI_RGB, or BI_BITFIELDS for masks other than the plain ones.
void WriteBitmapFile(TStream& stream, const TBitmapFileImage& image);
// The headers and colour table or masks of such a file, for pixelBytes of
// rows that the caller writes after them (the image's own pixels are not used).
void WriteBitmapFileHeader(TStream& stream, const TBitmapFileImage& image, std::uint64_t pixelBytes);
