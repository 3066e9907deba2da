#include "images/pngimage.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "classlib/streams.h"
#include "images/pngancillary.h"
#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/pngimagedata.h"
#include "images/pngrows.h"
#include "images/pngzlib.h"

namespace {
constexpr std::uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr std::uint8_t kCriticalBit = 0x20;  // clear in the first letter of a critical chunk
} // namespace

TPNGImage::TPNGImage()
{
    PngRegisterStandardChunks();
    ResetGamma();
}

TPNGImage::~TPNGImage() = default;

TPngInflate& TPNGImage::TextInflate()
{
    if (textInflate_)
        textInflate_->Reset();
    else
        textInflate_ = std::make_unique<TPngInflate>();
    return *textInflate_;
}

void TPNGImage::ResetGamma()
{
    for (std::size_t i = 0; i < 256; ++i)
        GammaTable[i] = InverseGamma[i] = static_cast<std::uint8_t>(i);
}

TChunkIHDR* TPNGImage::Header() const
{
    return chunks_.ItemFromClass<TChunkIHDR>();
}

TChunkIHDR& TPNGImage::RequireHeader() const
{
    TChunkIHDR* header = Header();
    if (!header)
        throw EPNGHeaderNotPresent();
    return *header;
}

int TPNGImage::Width() const
{
    const TChunkIHDR* header = Header();
    return header ? static_cast<int>(header->Width) : 0;
}

int TPNGImage::Height() const
{
    const TChunkIHDR* header = Header();
    return header ? static_cast<int>(header->Height) : 0;
}

void TPNGImage::LoadFromStream(TStream& stream)
{
    chunks_.Clear();
    ResetGamma();
    std::uint8_t signature[8];
    if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kSignature, 8) != 0)
        throw EPNGInvalidFileHeader();
    bool hasImageData = false;
    for (bool first = true;; first = false) {
        const TPngChunkHead head = PngReadChunkHead(stream);
        if (first && head.name != TChunkIHDR::kName)
            throw EPNGIHDRNotFirst();
        // Chromaticities are not used; image data once decoded is complete.
        if (head.name == "cHRM" || (head.name == TChunkIDAT::kName && hasImageData)) {
            stream.Seek(std::int64_t{head.length} + 4, TSeekOrigin::soCurrent);
            continue;
        }
        if (head.name == TChunkIHDR::kName && !first)
            throw EPngInvalidIHDR();
        std::unique_ptr<TChunk> chunk = PngCreateChunk(*this, head.name);
        const TChunk& created = *chunk;
        if (typeid(created) == typeid(TChunk) && !(head.name[0] & kCriticalBit))
            throw EPNGUnknownCriticalChunk();
        const bool loaded = chunk->LoadFromStream(stream, head.name, head.length);
        chunks_.Add(std::move(chunk));
        if (!loaded)
            break;
        hasImageData = hasImageData || head.name == TChunkIDAT::kName;
        if (head.name == TChunkIEND::kName)
            break;
    }
    if (!hasImageData)
        throw EPNGNoImageData();
}

void TPNGImage::SaveToStream(TStream& stream)
{
    stream.WriteBuffer(kSignature, sizeof kSignature);
    for (std::size_t i = 0; i < chunks_.Count(); ++i)
        chunks_.Get(i)->SaveToStream(stream);
}

void TPNGImage::Assign(const TPNGImage& source)
{
    if (&source == this)
        return;
    InterlaceMethod = source.InterlaceMethod;
    maxIdatSize_ = source.maxIdatSize_;
    CompressionLevel = source.CompressionLevel;
    Filters = source.Filters;
    GammaTable = source.GammaTable;
    InverseGamma = source.InverseGamma;
    chunks_.Clear();
    for (std::size_t i = 0; i < source.chunks_.Count(); ++i) {
        const TChunk& from = *source.chunks_.Get(i);
        std::unique_ptr<TChunk> chunk = PngCreateChunk(*this, from.Name());
        chunk->Assign(from);
        chunks_.Add(std::move(chunk));
    }
}

void TPNGImage::CreateBlank(int colorType, int bitDepth, int width, int height)
{
    if (!PngValidColorDepth(colorType, bitDepth))
        throw EPngInvalidIHDR();
    if (width < 1 || height < 1)
        throw EPNGInvalidNewSize();
    if (width > 65535 || height > 65535)
        throw EPNGSizeExceeds();
    chunks_.Clear();
    ResetGamma();
    InterlaceMethod = 0;
    auto header = std::make_unique<TChunkIHDR>(*this);
    header->Width = static_cast<std::uint32_t>(width);
    header->Height = static_cast<std::uint32_t>(height);
    header->BitDepth = static_cast<std::uint8_t>(bitDepth);
    header->ColorType = static_cast<std::uint8_t>(colorType);
    chunks_.Add(std::move(header));
    Header()->PrepareImageData();
    if (colorType == kColorPalette)
        chunks_.Add(std::make_unique<TChunkPLTE>(*this));
    chunks_.Add(std::make_unique<TChunkIDAT>(*this));
    chunks_.Add(std::make_unique<TChunkIEND>(*this));
}

void TPNGImage::InsertBeforeImageData(std::unique_ptr<TChunk> chunk)
{
    std::size_t at = 0;
    while (at < chunks_.Count() && chunks_.Get(at)->Name() != TChunkIDAT::kName)
        ++at;
    // The list has no insert: the chunks from there on move behind the new one.
    const std::size_t moving = chunks_.Count() - at;
    chunks_.Add(std::move(chunk));
    for (std::size_t i = 0; i < moving; ++i)
        chunks_.Add(chunks_.Remove(chunks_.Get(at)));
}

void TPNGImage::Resize(int width, int height)
{
    if (width < 1 || height < 1)
        throw EPNGInvalidNewSize();
    TChunkIHDR& header = RequireHeader();
    if (width > 65535 || height > 65535)
        throw EPNGSizeExceeds();
    TPngPixelStore old = std::move(header.Store());
    const std::uint32_t oldWidth = header.Width, oldHeight = header.Height;
    header.Width = static_cast<std::uint32_t>(width);
    header.Height = static_cast<std::uint32_t>(height);
    try {
        header.PrepareImageData();
    } catch (...) {
        header.Width = oldWidth, header.Height = oldHeight;
        header.Store() = std::move(old);
        throw;
    }
    TPngPixelStore& store = header.Store();
    store.palette = old.palette;
    store.paletteCount = old.paletteCount;
    store.buffer->PaletteChanged();
    std::fill(store.alpha.begin(), store.alpha.end(), 255);
    const int columns = std::min(width, old.width);
    for (int y = 0; y < std::min(height, old.height); ++y) {
        PngGatherPixels(old.Row(y), store.Row(y), store.dibBits, columns, 0, 1);
        if (!store.alpha.empty())
            std::memcpy(store.AlphaRow(y), old.AlphaRow(y), static_cast<std::size_t>(columns));
        if (!store.low.empty())
            PngGatherPixels(old.LowRow(y), store.LowRow(y), store.dibBits, columns, 0, 1);
    }
}

TPNGTransparencyMode TPNGImage::TransparencyMode() const
{
    const TChunkIHDR* header = Header();
    if (!header)
        return TPNGTransparencyMode::ptmNone;
    const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    switch (header->ColorType) {
    case kColorGreyAlpha:
    case kColorRGBAlpha:
        return TPNGTransparencyMode::ptmPartial;
    case kColorPalette:
        if (!trns)
            return TPNGTransparencyMode::ptmNone;
        return trns->BitTransparency ? TPNGTransparencyMode::ptmBit : TPNGTransparencyMode::ptmPartial;
    default:
        return trns && trns->BitTransparency ? TPNGTransparencyMode::ptmBit : TPNGTransparencyMode::ptmNone;
    }
}

std::uint32_t TPNGImage::TransparentColor() const
{
    const TChunkIHDR* header = Header();
    const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    if (!header || !trns)
        return 0;
    const TPngPixelStore& store = header->Store();
    std::uint8_t r, g, b;
    switch (header->ColorType) {
    case kColorGrey:
        return trns->TransparentSample(0, r) ? PngEntryColor(store.palette[r]) : 0;
    case kColorRGB:
        if (!trns->TransparentSample(0, r) || !trns->TransparentSample(1, g) || !trns->TransparentSample(2, b))
            return 0;
        return PngRGB(GammaTable[r], GammaTable[g], GammaTable[b]);
    case kColorPalette: {
        int index = trns->TransparentIndex();
        return index < 0 ? 0 : PngEntryColor(store.palette[static_cast<std::size_t>(index)]);
    }
    default:
        return 0;
    }
}

bool TPNGImage::IsTransparentPixel(int x, int y) const
{
    const TChunkIHDR* header = Header();
    const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    if (!header || !trns || x < 0 || y < 0 || x >= Width() || y >= Height())
        return false;
    const TPngPixelStore& store = header->Store();
    const std::uint8_t* row = store.Row(y);
    std::uint8_t sample;
    switch (header->ColorType) {
    case kColorGrey:
        return trns->TransparentSample(0, sample) && PngStoreIndex(row, store.dibBits, x) == sample;
    case kColorRGB:
        return Pixel(x, y) == TransparentColor();
    case kColorPalette:
        return PngStoreIndex(row, store.dibBits, x) == trns->TransparentIndex();
    default:
        return false;
    }
}

std::uint32_t TPNGImage::Pixel(int x, int y) const
{
    const TChunkIHDR* header = Header();
    if (!header || x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    const TPngPixelStore& store = header->Store();
    const std::uint8_t* row = store.Row(y);
    switch (header->ColorType) {
    case kColorPalette:
        return PngEntryColor(store.palette[static_cast<std::size_t>(PngStoreIndex(row, store.dibBits, x))]);
    case kColorGrey: {
        int v = PngStoreIndex(row, store.dibBits, x);
        // 1 bit as 0 or 255, 4 bits (2-bit greys included) times 17.
        v = store.dibBits == 1 ? v * 255 : store.dibBits == 4 ? v * 17 : v;
        v = GammaTable[static_cast<std::size_t>(v)];
        return PngRGB(v, v, v);
    }
    case kColorGreyAlpha:
        return PngRGB(row[x], row[x], row[x]);
    default:
        row += 3 * x;
        return PngRGB(row[2], row[1], row[0]);
    }
}

void TPNGImage::SetPixel(int x, int y, std::uint32_t color)
{
    TChunkIHDR* header = Header();
    if (!header || x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    TPngPixelStore& store = header->Store();
    std::uint8_t* row = store.Row(y);
    const int r = color & 0xFF, g = color >> 8 & 0xFF, b = color >> 16 & 0xFF;
    switch (header->ColorType) {
    case kColorGreyAlpha:
        row[x] = static_cast<std::uint8_t>(r);
        return;
    case kColorRGB:
    case kColorRGBAlpha:
        row += 3 * x;
        row[0] = static_cast<std::uint8_t>(b), row[1] = static_cast<std::uint8_t>(g), row[2] = static_cast<std::uint8_t>(r);
        return;
    default:
        break;
    }
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < store.paletteCount && i < 1 << store.dibBits; ++i) {
        std::uint32_t e = store.palette[static_cast<std::size_t>(i)];
        int dr = static_cast<int>(e >> 16 & 0xFF) - r, dg = static_cast<int>(e >> 8 & 0xFF) - g, db = static_cast<int>(e & 0xFF) - b;
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance)
            best = i, bestDistance = distance;
    }
    PngSetStoreIndex(row, store.dibBits, x, best);
}

std::uint8_t TPNGImage::PixelAlpha(int x, int y) const
{
    const TChunkIHDR* header = Header();
    if (!header || x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    const TPngPixelStore& store = header->Store();
    if (!store.alpha.empty())
        return store.alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(store.width) + static_cast<std::size_t>(x)];
    const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    if (header->ColorType == kColorPalette && trns)
        return trns->Alpha[static_cast<std::size_t>(PngStoreIndex(store.Row(y), store.dibBits, x))];
    return 255;
}
