// A PNG image without a window system: its chunk list, the settings that
// writing uses, the gamma tables, and the pixels, transparency and size
// that drawing needs. The picture class of the program wraps one.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "images/pngfilters.h"
#include "images/pnglist.h"
#include "images/pngstore.h"

class TStream;
class TChunkIHDR;
class TPngInflate;

enum class TPNGTransparencyMode { ptmNone, ptmBit, ptmPartial };

// Colours as the system's COLORREF: red in the low byte.
constexpr std::uint32_t PngRGB(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | g << 8 | b << 16; }
// A palette entry (0x00RRGGBB) as such a colour.
constexpr std::uint32_t PngEntryColor(std::uint32_t entry)
{
    return PngRGB(entry >> 16 & 0xFF, entry >> 8 & 0xFF, entry & 0xFF);
}

// Makes the rows of a header's store; none gives heap rows.
using TPngRowBufferFactory = std::function<std::unique_ptr<TPngRowBuffer>(TChunkIHDR& header)>;

class TPNGImage {
public:
    TPNGImage();
    ~TPNGImage();
    TPNGImage(const TPNGImage&) = delete;
    TPNGImage& operator=(const TPNGImage&) = delete;

    TPNGFilters Filters = pfSub;
    std::uint8_t CompressionLevel = 7;
    // 0 none, 1 Adam7; set from the header on reading, used on writing.
    std::uint8_t InterlaceMethod = 0;
    std::uint32_t MaxIdatSize() const { return maxIdatSize_; }
    // Values below 65535 are raised to it.
    void SetMaxIdatSize(std::uint32_t size) { maxIdatSize_ = size < 65535 ? 65535 : size; }

    std::array<std::uint8_t, 256> GammaTable{};
    std::array<std::uint8_t, 256> InverseGamma{};
    void ResetGamma();

    TPNGList& Chunks() { return chunks_; }
    const TPNGList& Chunks() const { return chunks_; }
    TPngRowBufferFactory RowBufferFactory;

    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    // Settings and every chunk, recreated by its name.
    void Assign(const TPNGImage& source);
    void Clear() { chunks_.Clear(); }

    TChunkIHDR* Header() const;
    // The header, or EPNGHeaderNotPresent.
    TChunkIHDR& RequireHeader() const;
    bool Empty() const { return chunks_.Count() == 0; }
    int Width() const;
    int Height() const;

    // A new image of that kind with zeroed pixels: IHDR, PLTE for palettes, IDAT, IEND.
    void CreateBlank(int colorType, int bitDepth, int width, int height);
    // Puts the chunk before the first IDAT (at the end when there is none).
    void InsertBeforeImageData(std::unique_ptr<TChunk> chunk);
    // Below 1: EPNGInvalidNewSize. Keeps the top-left part.
    void Resize(int width, int height);

    TPNGTransparencyMode TransparencyMode() const;
    // The see-through colour of single-colour transparency.
    std::uint32_t TransparentColor() const;
    // Whether (x, y) holds the see-through sample of single-colour transparency.
    bool IsTransparentPixel(int x, int y) const;
    // The colour at (x, y), 0 outside.
    std::uint32_t Pixel(int x, int y) const;
    // Ignored outside.
    void SetPixel(int x, int y, std::uint32_t color);
    // The alpha of (x, y) for partial transparency, 255 when opaque.
    std::uint8_t PixelAlpha(int x, int y) const;

    // A zlib stream ready for a compressed text: one for all of them, so a
    // file of many texts does not build and free zlib's state for each.
    TPngInflate& TextInflate();

private:
    std::uint32_t maxIdatSize_ = 65535;
    std::unique_ptr<TPngInflate> textInflate_;
    TPNGList chunks_;
};
