#include "images/pngheader.h"

#include <cstring>

#include "images/pngexceptions.h"
#include "images/pngimage.h"
#include "images/pngrows.h"

namespace {

constexpr std::size_t kHeaderSize = 13;
constexpr std::uint32_t kMaxSide = 65535;

class THeapRows : public TPngRowBuffer {
public:
    explicit THeapRows(std::size_t size) : bits_(size) {}
    std::uint8_t* Bits() override { return bits_.data(); }

private:
    std::vector<std::uint8_t> bits_;
};

} // namespace

void TChunkIHDR::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    const auto& from = static_cast<const TChunkIHDR&>(source);
    Width = from.Width;
    Height = from.Height;
    BitDepth = from.BitDepth;
    ColorType = from.ColorType;
    CompressionMethod = from.CompressionMethod;
    FilterMethod = from.FilterMethod;
    InterlaceMethod = from.InterlaceMethod;
    if (!from.store_.bits)
        return;
    PrepareImageData();
    store_.palette = from.store_.palette;
    store_.paletteCount = from.store_.paletteCount;
    std::memcpy(store_.bits, from.store_.bits, store_.rowSize * static_cast<std::size_t>(store_.height));
    store_.alpha = from.store_.alpha;
    store_.low = from.store_.low;
    store_.buffer->PaletteChanged();
}

bool TChunkIHDR::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (Data().size() < kHeaderSize)
        throw EPngInvalidIHDR();
    const std::uint8_t* d = Data().data();
    Width = PngGet32(d);
    Height = PngGet32(d + 4);
    BitDepth = d[8];
    ColorType = d[9];
    CompressionMethod = d[10];
    FilterMethod = d[11];
    InterlaceMethod = d[12];
    if (Width > kMaxSide || Height > kMaxSide)
        throw EPNGSizeExceeds();
    if (CompressionMethod != 0)
        throw EPNGUnknownCompression();
    if (InterlaceMethod > 1)
        throw EPNGUnknownInterlace();
    // Anything else the PNG standard does not allow would make rows of the
    // wrong size for the store.
    if (Width == 0 || Height == 0 || FilterMethod != 0 || !PngValidColorDepth(ColorType, BitDepth))
        throw EPngInvalidIHDR();
    Owner().InterlaceMethod = InterlaceMethod;
    PrepareImageData();
    return true;
}

void TChunkIHDR::SaveToStream(TStream& stream)
{
    Data().resize(kHeaderSize);
    std::uint8_t* d = Data().data();
    PngPut32(d, Width);
    PngPut32(d + 4, Height);
    // The store holds 2-bit samples as 4-bit ones, and writes them so.
    d[8] = BitDepth == 2 ? 4 : BitDepth;
    d[9] = ColorType;
    d[10] = CompressionMethod;
    d[11] = FilterMethod;
    d[12] = Owner().InterlaceMethod;
    TChunk::SaveToStream(stream);
}

void TChunkIHDR::SetGreyPalette()
{
    const int entries = 1 << store_.dibBits;
    const auto& gamma = Owner().GammaTable;
    for (int i = 0; i < entries; ++i) {
        std::uint32_t v = gamma[static_cast<std::size_t>(i * 255 / (entries - 1))];
        store_.palette[static_cast<std::size_t>(i)] = v << 16 | v << 8 | v;
    }
    store_.paletteCount = entries;
}

void TChunkIHDR::PrepareImageData()
{
    store_ = TPngPixelStore{};
    const int dibBits = PngDibBits(ColorType, BitDepth);
    // 64 bits throughout: 43691 x 32769 RGB wraps 32 bits.
    const std::uint64_t rowSize = PngDibRowSize(Width, dibBits);
    const std::uint64_t pixels = std::uint64_t{Width} * Height;
    const bool hasAlpha = ColorType == kColorGreyAlpha || ColorType == kColorRGBAlpha;
    const std::uint64_t rowBytes = rowSize * Height;
    const std::uint64_t total = rowBytes + (hasAlpha ? pixels : 0) + (BitDepth == 16 ? rowBytes : 0);
    if (total > kPngMaxStoreBytes)
        throw EPNGOutMemory();

    store_.width = static_cast<int>(Width);
    store_.height = static_cast<int>(Height);
    store_.dibBits = dibBits;
    store_.rowSize = static_cast<std::size_t>(rowSize);
    store_.hasPalette = dibBits <= 8;
    if (hasAlpha)
        store_.alpha.assign(static_cast<std::size_t>(pixels), 0);
    if (BitDepth == 16)
        store_.low.assign(static_cast<std::size_t>(rowBytes), 0);
    if (store_.hasPalette && ColorType != kColorPalette)
        SetGreyPalette();
    else if (store_.hasPalette)
        store_.paletteCount = 1 << dibBits;
    auto& factory = Owner().RowBufferFactory;
    store_.buffer = factory ? factory(*this) : std::make_unique<THeapRows>(static_cast<std::size_t>(rowBytes));
    store_.bits = store_.buffer->Bits();
}
