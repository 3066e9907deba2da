#include "classlib/bitmapfile.h"

#include <algorithm>
#include <bit>
#include <string>

#include "classlib/exceptions.h"
#include "classlib/streams.h"

namespace {
constexpr std::uint16_t kBitmapMagic = 0x4D42; // "BM"
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV5HeaderSize = 124;
constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dots per inch

[[noreturn]] void Invalid(const std::string& why)
{
    throw EInvalidGraphic("Bitmap image is not valid (" + why + ")");
}

std::uint16_t U16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t U32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Reads exactly count bytes of what the headers promised.
void ReadExactly(TStream& stream, void* buffer, std::size_t count)
{
    if (stream.Read(buffer, count) != count)
        Invalid("file is truncated");
}

// What the headers say, before any pixel is read.
struct Layout {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::array<std::uint32_t, 3> masks{};
    bool masksInHeader = false;
};

bool IsKnownHeaderSize(std::uint32_t size)
{
    // Core, info, V2 and V3 (info plus masks), V4 and V5.
    for (std::uint32_t known : {kCoreHeaderSize, kInfoHeaderSize, 52u, 56u, 108u, kV5HeaderSize})
        if (size == known)
            return true;
    return false;
}

// The bitmap's own header: core (OS/2) or the info header's common part.
Layout ReadInfoHeader(TStream& stream)
{
    std::uint8_t h[kV5HeaderSize] = {};
    ReadExactly(stream, h, 4);
    Layout l;
    l.headerSize = U32(h);
    if (!IsKnownHeaderSize(l.headerSize))
        Invalid("unknown header size " + std::to_string(l.headerSize));
    ReadExactly(stream, h + 4, l.headerSize - 4);
    std::uint16_t planes = 0;
    if (l.headerSize == kCoreHeaderSize) {
        l.width = U16(h + 4);
        l.height = U16(h + 6);
        planes = U16(h + 8);
        l.bitCount = U16(h + 10);
        if (l.bitCount == 16 || l.bitCount == 32)
            Invalid("core header with " + std::to_string(l.bitCount) + " bits per pixel");
    } else {
        l.width = static_cast<std::int32_t>(U32(h + 4));
        l.height = static_cast<std::int32_t>(U32(h + 8));
        planes = U16(h + 12);
        l.bitCount = U16(h + 14);
        l.compression = U32(h + 16);
        l.colorsUsed = U32(h + 32);
        l.masksInHeader = l.headerSize >= 52;
        if (l.masksInHeader)
            l.masks = {U32(h + 40), U32(h + 44), U32(h + 48)};
    }
    if (l.height < 0)
        l.topDown = true, l.height = -l.height;
    if (planes != 1)
        Invalid("planes " + std::to_string(planes));
    if (l.width <= 0 || l.height <= 0)
        Invalid("size " + std::to_string(l.width) + " x " + std::to_string(l.height));
    switch (l.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        Invalid(std::to_string(l.bitCount) + " bits per pixel");
    }
    bool bitfields = l.compression == kBiBitfields && (l.bitCount == 16 || l.bitCount == 32);
    if (l.compression != kBiRgb && !bitfields)
        Invalid("compression " + std::to_string(l.compression) + " with " + std::to_string(l.bitCount) +
                " bits per pixel");
    return l;
}

// Each mask a non-empty run of bits inside the pixel, none sharing a bit.
void CheckMasks(const std::array<std::uint32_t, 3>& masks, int bitCount)
{
    std::uint32_t seen = 0;
    std::uint32_t inside = bitCount == 32 ? 0xFFFFFFFFu : (1u << bitCount) - 1;
    for (std::uint32_t m : masks) {
        std::uint32_t run = m >> std::countr_zero(m | 0x80000000u);
        if (m == 0 || (m & ~inside) != 0 || (m & seen) != 0 || (run & (run + 1)) != 0)
            Invalid("colour masks");
        seen |= m;
    }
}

std::vector<std::uint32_t> ReadPalette(TStream& stream, const Layout& l, std::int64_t room)
{
    if (l.bitCount > 8)
        return {};
    std::uint32_t most = 1u << l.bitCount;
    std::uint32_t count = l.colorsUsed == 0 ? most : l.colorsUsed;
    if (count > most)
        Invalid(std::to_string(count) + " palette entries for " + std::to_string(l.bitCount) + " bits");
    std::size_t entrySize = l.headerSize == kCoreHeaderSize ? 3 : 4;
    if (static_cast<std::int64_t>(count * entrySize) > room)
        Invalid("palette overlaps the pixels");
    std::vector<std::uint8_t> raw(count * entrySize);
    ReadExactly(stream, raw.data(), raw.size());
    std::vector<std::uint32_t> palette(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = raw.data() + i * entrySize;
        palette[i] = static_cast<std::uint32_t>(e[2]) << 16 | static_cast<std::uint32_t>(e[1]) << 8 | e[0];
    }
    return palette;
}
} // namespace

std::uint64_t BitmapRowSize(std::uint64_t width, int bitCount)
{
    return (width * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

std::array<std::uint32_t, 3> DefaultBitmapMasks(int bitCount)
{
    if (bitCount == 16)
        return {0x7C00, 0x03E0, 0x001F};
    if (bitCount == 32)
        return {0xFF0000, 0x00FF00, 0x0000FF};
    return {};
}

TBitmapFileImage ReadBitmapFile(TStream& stream)
{
    std::int64_t start = stream.Position();
    std::int64_t available = stream.Size() - start;

    // File header: magic, file size, two reserved words, offset of the pixels.
    std::uint8_t fileHeader[kFileHeaderSize];
    ReadExactly(stream, fileHeader, sizeof fileHeader);
    if (U16(fileHeader) != kBitmapMagic)
        Invalid("no BM signature");
    std::uint32_t pixelOffset = U32(fileHeader + 10);
    if (pixelOffset > available)
        Invalid("pixel offset past the end of the file");

    Layout l = ReadInfoHeader(stream);
    std::int64_t afterHeader = static_cast<std::int64_t>(kFileHeaderSize) + l.headerSize;

    // Masks of an info header follow it, where V2 and later headers hold them.
    if (l.compression == kBiBitfields && !l.masksInHeader) {
        std::uint8_t raw[12];
        if (afterHeader + 12 > pixelOffset)
            Invalid("colour masks overlap the pixels");
        ReadExactly(stream, raw, sizeof raw);
        l.masks = {U32(raw), U32(raw + 4), U32(raw + 8)};
        afterHeader += 12;
    }
    if (l.bitCount == 16 || l.bitCount == 32) {
        if (l.compression != kBiBitfields)
            l.masks = DefaultBitmapMasks(l.bitCount);
        CheckMasks(l.masks, l.bitCount);
    }
    if (afterHeader > pixelOffset)
        Invalid("pixel offset inside the headers");

    TBitmapFileImage image;
    image.palette = ReadPalette(stream, l, pixelOffset - afterHeader);
    image.width = static_cast<int>(l.width);
    image.height = static_cast<int>(l.height);
    image.bitCount = l.bitCount;
    if (l.bitCount == 16 || l.bitCount == 32)
        image.masks = l.masks;

    // Pixel rows, bottom-up in the file unless the height was negative.
    // The sides are bounded by the byte cap alone; one row is checked first so the product cannot overflow.
    std::uint64_t rowSize = BitmapRowSize(static_cast<std::uint64_t>(l.width), l.bitCount);
    if (rowSize > kMaxBitmapBytes || rowSize * static_cast<std::uint64_t>(l.height) > kMaxBitmapBytes)
        Invalid("pixel data too large");
    std::uint64_t bytes = rowSize * static_cast<std::uint64_t>(l.height);
    if (static_cast<std::uint64_t>(available - pixelOffset) < bytes)
        Invalid("file is truncated");
    stream.SetPosition(start + pixelOffset);
    image.pixels.resize(static_cast<std::size_t>(bytes));
    ReadExactly(stream, image.pixels.data(), image.pixels.size());
    if (l.topDown) {
        for (std::size_t top = 0, bottom = image.pixels.size() - rowSize; top < bottom; top += rowSize, bottom -= rowSize)
            std::swap_ranges(image.pixels.begin() + static_cast<std::ptrdiff_t>(top),
                             image.pixels.begin() + static_cast<std::ptrdiff_t>(top + rowSize),
                             image.pixels.begin() + static_cast<std::ptrdiff_t>(bottom));
    }
    return image;
}

void WriteBitmapFile(TStream& stream, const TBitmapFileImage& image)
{
    std::uint64_t rowSize = BitmapRowSize(static_cast<std::uint64_t>(std::max(image.width, 0)), image.bitCount);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != rowSize * static_cast<std::uint64_t>(image.height) ||
        (image.bitCount <= 8 && image.palette.size() > (1u << image.bitCount)))
        throw EInvalidGraphicOperation("Bitmap image is not valid (nothing to write)");
    WriteBitmapFileHeader(stream, image, image.pixels.size());
    stream.WriteBuffer(image.pixels.data(), image.pixels.size());
}

void WriteBitmapFileHeader(TStream& stream, const TBitmapFileImage& image, std::uint64_t pixelBytes)
{
    bool bitfields = (image.bitCount == 16 || image.bitCount == 32) && image.masks != DefaultBitmapMasks(image.bitCount);
    std::uint32_t tableSize = bitfields ? 12 : static_cast<std::uint32_t>(image.palette.size() * 4);
    std::uint32_t pixelOffset = static_cast<std::uint32_t>(kFileHeaderSize) + kInfoHeaderSize + tableSize;

    std::vector<std::uint8_t> head;
    // File header.
    Put16(head, kBitmapMagic);
    Put32(head, pixelOffset + static_cast<std::uint32_t>(pixelBytes));
    Put32(head, 0);
    Put32(head, pixelOffset);
    // Info header, rows bottom-up.
    Put32(head, kInfoHeaderSize);
    Put32(head, static_cast<std::uint32_t>(image.width));
    Put32(head, static_cast<std::uint32_t>(image.height));
    Put16(head, 1);
    Put16(head, static_cast<std::uint32_t>(image.bitCount));
    Put32(head, bitfields ? kBiBitfields : kBiRgb);
    Put32(head, static_cast<std::uint32_t>(pixelBytes));
    Put32(head, kPixelsPerMetre);
    Put32(head, kPixelsPerMetre);
    Put32(head, image.bitCount <= 8 ? static_cast<std::uint32_t>(image.palette.size()) : 0);
    Put32(head, 0);
    // Colour masks or colour table.
    if (bitfields)
        for (std::uint32_t m : image.masks)
            Put32(head, m);
    else if (image.bitCount <= 8)
        for (std::uint32_t c : image.palette)
            Put32(head, c & 0xFFFFFF);
    stream.WriteBuffer(head.data(), head.size());
}
