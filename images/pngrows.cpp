#include "images/pngrows.h"

#include <cstring>

bool PngValidColorDepth(int colorType, int bitDepth)
{
    switch (colorType) {
    case kColorGrey:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case kColorPalette:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case kColorRGB:
    case kColorGreyAlpha:
    case kColorRGBAlpha:
        return bitDepth == 8 || bitDepth == 16;
    default:
        return false;
    }
}

int PngDibBits(int colorType, int bitDepth)
{
    if (colorType == kColorRGB || colorType == kColorRGBAlpha)
        return 24;
    if (bitDepth == 2)
        return 4;
    return bitDepth == 16 ? 8 : bitDepth;
}

namespace {
int Channels(int colorType)
{
    switch (colorType) {
    case kColorRGB:
        return 3;
    case kColorGreyAlpha:
        return 2;
    case kColorRGBAlpha:
        return 4;
    default:
        return 1;
    }
}
} // namespace

std::size_t PngRowBytes(int colorType, int bitDepth, std::uint64_t width)
{
    return static_cast<std::size_t>((width * Channels(colorType) * bitDepth + 7) / 8);
}

std::size_t PngPixelOffset(int colorType, int bitDepth)
{
    std::size_t bits = static_cast<std::size_t>(Channels(colorType) * bitDepth);
    return bits < 8 ? 1 : bits / 8;
}

void PngRowToStore(const std::uint8_t* source, int colorType, int bitDepth, int width, const std::uint8_t* gamma,
                   TPngStoreRow dest)
{
    std::uint8_t* row = dest.row;
    const auto n = static_cast<std::size_t>(width);
    switch (colorType << 8 | bitDepth) {
    case kColorGrey << 8 | 2:
    case kColorPalette << 8 | 2: {
        // A grey repeats its own two bits, so the four greys are 0, 85, 170
        // and 255 of the 16-level ramp; an index stays the same index.
        const int scale = colorType == kColorGrey ? 5 : 1;
        std::memset(row, 0, (n + 1) / 2);
        for (std::size_t x = 0; x < n; ++x) {
            int v = (source[x / 4] >> (6 - 2 * (x % 4)) & 3) * scale;
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 ? v : v << 4);
        }
        break;
    }
    case kColorGrey << 8 | 16:
        for (std::size_t x = 0; x < n; ++x) {
            row[x] = source[2 * x];
            dest.low[x] = source[2 * x + 1];
        }
        break;
    case kColorRGB << 8 | 8:
        for (std::size_t x = 0; x < n; ++x, source += 3, row += 3) {
            row[0] = gamma[source[2]];
            row[1] = gamma[source[1]];
            row[2] = gamma[source[0]];
        }
        break;
    case kColorRGB << 8 | 16:
        for (std::size_t x = 0; x < 3 * n; x += 3, source += 6) {
            for (std::size_t c = 0; c < 3; ++c) {
                row[x + 2 - c] = gamma[source[2 * c]];
                dest.low[x + 2 - c] = gamma[source[2 * c + 1]];
            }
        }
        break;
    case kColorGreyAlpha << 8 | 8:
        for (std::size_t x = 0; x < n; ++x) {
            row[x] = source[2 * x];
            dest.alpha[x] = source[2 * x + 1];
        }
        break;
    case kColorGreyAlpha << 8 | 16:
        for (std::size_t x = 0; x < n; ++x, source += 4) {
            row[x] = source[0];
            dest.low[x] = source[1];
            dest.alpha[x] = source[2];
        }
        break;
    case kColorRGBAlpha << 8 | 8:
        for (std::size_t x = 0; x < n; ++x, source += 4, row += 3) {
            row[0] = gamma[source[2]];
            row[1] = gamma[source[1]];
            row[2] = gamma[source[0]];
            dest.alpha[x] = source[3];
        }
        break;
    case kColorRGBAlpha << 8 | 16:
        for (std::size_t x = 0; x < n; ++x, source += 8) {
            for (std::size_t c = 0; c < 3; ++c) {
                row[3 * x + 2 - c] = gamma[source[2 * c]];
                dest.low[3 * x + 2 - c] = gamma[source[2 * c + 1]];
            }
            dest.alpha[x] = source[6];
        }
        break;
    default:
        // Grey and palette rows of 1, 4 and 8 bits are laid out as the DIB's.
        std::memcpy(row, source, PngRowBytes(colorType, bitDepth, n));
        break;
    }
}

void PngStoreToRow(TPngStoreRow source, int colorType, int bitDepth, int width, const std::uint8_t* inverse,
                   std::uint8_t* dest)
{
    const std::uint8_t* row = source.row;
    const auto n = static_cast<std::size_t>(width);
    switch (colorType << 8 | bitDepth) {
    case kColorGrey << 8 | 16:
        for (std::size_t x = 0; x < n; ++x) {
            dest[2 * x] = row[x];
            dest[2 * x + 1] = source.low[x];
        }
        break;
    case kColorRGB << 8 | 8:
        for (std::size_t x = 0; x < n; ++x, dest += 3, row += 3) {
            dest[0] = inverse[row[2]];
            dest[1] = inverse[row[1]];
            dest[2] = inverse[row[0]];
        }
        break;
    case kColorRGB << 8 | 16:
        for (std::size_t x = 0; x < 3 * n; x += 3, dest += 6) {
            for (std::size_t c = 0; c < 3; ++c) {
                dest[2 * c] = inverse[row[x + 2 - c]];
                dest[2 * c + 1] = inverse[source.low[x + 2 - c]];
            }
        }
        break;
    case kColorGreyAlpha << 8 | 8:
        for (std::size_t x = 0; x < n; ++x) {
            dest[2 * x] = row[x];
            dest[2 * x + 1] = source.alpha[x];
        }
        break;
    case kColorGreyAlpha << 8 | 16:
        // The store keeps alpha's high byte only: repeating it keeps opaque opaque.
        for (std::size_t x = 0; x < n; ++x, dest += 4) {
            dest[0] = row[x];
            dest[1] = source.low[x];
            dest[2] = dest[3] = source.alpha[x];
        }
        break;
    case kColorRGBAlpha << 8 | 8:
        for (std::size_t x = 0; x < n; ++x, dest += 4, row += 3) {
            dest[0] = inverse[row[2]];
            dest[1] = inverse[row[1]];
            dest[2] = inverse[row[0]];
            dest[3] = source.alpha[x];
        }
        break;
    case kColorRGBAlpha << 8 | 16:
        for (std::size_t x = 0; x < n; ++x, dest += 8) {
            for (std::size_t c = 0; c < 3; ++c) {
                dest[2 * c] = inverse[row[3 * x + 2 - c]];
                dest[2 * c + 1] = inverse[source.low[3 * x + 2 - c]];
            }
            dest[6] = dest[7] = source.alpha[x];
        }
        break;
    default:
        std::memcpy(dest, row, PngRowBytes(colorType, bitDepth, n));
        break;
    }
}

const TAdam7Pass kAdam7Passes[7] = {
    {0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4}, {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1},
};

int Adam7PassSize(int size, int start, int step)
{
    return size > start ? (size - start + step - 1) / step : 0;
}

int PngStoreIndex(const std::uint8_t* row, int bits, int x)
{
    int perByte = 8 / bits;
    int shift = 8 - bits * (x % perByte + 1);
    return row[x / perByte] >> shift & ((1 << bits) - 1);
}

void PngSetStoreIndex(std::uint8_t* row, int bits, int x, int value)
{
    int perByte = 8 / bits;
    int shift = 8 - bits * (x % perByte + 1);
    std::uint8_t mask = static_cast<std::uint8_t>(((1 << bits) - 1) << shift);
    row[x / perByte] = static_cast<std::uint8_t>((row[x / perByte] & ~mask) | (value << shift & mask));
}

namespace {

// Moves whole-byte pixels of Bytes bytes each, a fixed-size copy apiece.
template <int Bytes>
void MoveBytePixels(const std::uint8_t* from, int fromStart, int fromStep, std::uint8_t* to, int toStart, int toStep,
                    int count)
{
    from += static_cast<std::size_t>(fromStart) * Bytes;
    to += static_cast<std::size_t>(toStart) * Bytes;
    const std::size_t fromStride = static_cast<std::size_t>(fromStep) * Bytes, toStride = static_cast<std::size_t>(toStep) * Bytes;
    for (int i = 0; i < count; ++i, from += fromStride, to += toStride)
        for (int b = 0; b < Bytes; ++b)
            to[b] = from[b];
}

// Moves pixel columns: fromStep and toStep are 1 on the packed side.
void MovePixels(const std::uint8_t* from, int fromStart, int fromStep, std::uint8_t* to, int toStart, int toStep,
                int bits, int count)
{
    if (bits == 8)
        return MoveBytePixels<1>(from, fromStart, fromStep, to, toStart, toStep, count);
    if (bits == 24)
        return MoveBytePixels<3>(from, fromStart, fromStep, to, toStart, toStep, count);
    for (int i = 0; i < count; ++i)
        PngSetStoreIndex(to, bits, toStart + i * toStep, PngStoreIndex(from, bits, fromStart + i * fromStep));
}

} // namespace

void PngScatterPixels(const std::uint8_t* from, std::uint8_t* to, int bits, int count, int start, int step)
{
    MovePixels(from, 0, 1, to, start, step, bits, count);
}

void PngGatherPixels(const std::uint8_t* from, std::uint8_t* to, int bits, int count, int start, int step)
{
    MovePixels(from, start, step, to, 0, 1, bits, count);
}
