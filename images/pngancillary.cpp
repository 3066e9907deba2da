#include "images/pngancillary.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/pngimage.h"
#include "images/pngrows.h"
#include "images/pngzlib.h"

// Palette: entries through the gamma table into the store.
void TChunkPLTE::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    Count = static_cast<const TChunkPLTE&>(source).Count;
}

bool TChunkPLTE::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (size % 3 != 0 || size / 3 > 256)
        throw EPNGInvalidPalette();
    Count = static_cast<int>(size / 3);
    TChunkIHDR& header = Owner().RequireHeader();
    TPngPixelStore& store = header.Store();
    // Grey and RGB images may suggest a palette; only palette images use it.
    if (header.ColorType != kColorPalette)
        return true;
    const auto& gamma = Owner().GammaTable;
    const std::uint8_t* d = Data().data();
    for (int i = 0; i < Count; ++i, d += 3)
        store.palette[static_cast<std::size_t>(i)] = std::uint32_t{gamma[d[0]]} << 16 | gamma[d[1]] << 8 | gamma[d[2]];
    store.buffer->PaletteChanged();
    return true;
}

void TChunkPLTE::SaveToStream(TStream& stream)
{
    const TPngPixelStore& store = Owner().RequireHeader().Store();
    const int count = Count ? Count : store.paletteCount;
    const auto& inverse = Owner().InverseGamma;
    Data().resize(static_cast<std::size_t>(count) * 3);
    std::uint8_t* d = Data().data();
    for (int i = 0; i < count; ++i, d += 3) {
        std::uint32_t entry = store.palette[static_cast<std::size_t>(i)];
        d[0] = inverse[entry >> 16 & 0xFF];
        d[1] = inverse[entry >> 8 & 0xFF];
        d[2] = inverse[entry & 0xFF];
    }
    TChunk::SaveToStream(stream);
}

// Transparency: a byte per palette entry, or one grey or RGB sample.
void TChunktRNS::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    const auto& from = static_cast<const TChunktRNS&>(source);
    Alpha = from.Alpha;
    BitTransparency = from.BitTransparency;
}

bool TChunktRNS::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (size > 256)
        throw EPNGInvalidPalette();
    SetData(Owner().RequireHeader().ColorType, Data().data(), Data().size());
    return true;
}

void TChunktRNS::SetData(int colorType, const std::uint8_t* bytes, std::size_t size)
{
    if (bytes != Data().data())
        Data().assign(bytes, bytes + size);
    Alpha.fill(255);
    std::memcpy(Alpha.data(), Data().data(), Data().size());
    if (colorType == kColorPalette) {
        int notOpaque = 0;
        for (std::uint8_t a : Alpha)
            notOpaque += a != 255;
        BitTransparency = notOpaque == 1;
    } else {
        std::uint8_t sample;
        BitTransparency = TransparentSample(0, sample);
    }
}

bool TChunktRNS::TransparentSample(int index, std::uint8_t& sample) const
{
    const TChunkIHDR* header = Owner().Header();
    const std::size_t at = static_cast<std::size_t>(2 * index);
    if (!header || Data().size() < at + 2)
        return false;
    const int depth = header->BitDepth;
    const std::uint16_t value = PngGet16(Data().data() + at);
    // A sample is cut to the image's depth, so it can index the grey palette
    // and the 256-entry gamma table; the store keeps the high byte of 16 bits.
    if (depth == 16)
        sample = static_cast<std::uint8_t>(value >> 8);
    else
        sample = static_cast<std::uint8_t>(value & ((1 << depth) - 1));
    if (depth == 2 && header->ColorType == kColorGrey)
        sample = static_cast<std::uint8_t>(sample * 5);
    return true;
}

int TChunktRNS::TransparentIndex() const
{
    int lone = -1;
    for (int i = 0; i < 256; ++i) {
        if (Alpha[static_cast<std::size_t>(i)] == 0)
            return i;
        if (Alpha[static_cast<std::size_t>(i)] != 255 && lone < 0)
            lone = i;
    }
    return lone;
}

// Gamma: the tables that every colour sample passes through.
TChunkgAMA::TChunkgAMA(TPNGImage& owner) : TNamedChunk(owner)
{
    SetGamma(1);
}

std::uint32_t TChunkgAMA::Gamma() const
{
    return Data().size() >= 4 ? PngGet32(Data().data()) : 0;
}

void TChunkgAMA::SetGamma(std::uint32_t value)
{
    Data().resize(4);
    PngPut32(Data().data(), value);
}

bool TChunkgAMA::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    const auto value = static_cast<std::int32_t>(Gamma());
    // A short chunk or a gamma of 0 or less says nothing usable.
    if (Data().size() < 4 || value <= 0)
        return true;
    TPNGImage& image = Owner();
    const double exponent = 1.0 / (value / 100000.0 * 2.2);
    for (int i = 0; i < 256; ++i) {
        auto v = static_cast<std::uint8_t>(std::lround(255.0 * std::pow(i / 255.0, exponent)));
        image.GammaTable[static_cast<std::size_t>(i)] = v;
        image.InverseGamma[v] = static_cast<std::uint8_t>(i);
    }
    return true;
}

// Physical pixel size: only a chunk of exactly nine bytes is read.
void TChunkpHYs::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    const auto& from = static_cast<const TChunkpHYs&>(source);
    PPUnitX = from.PPUnitX;
    PPUnitY = from.PPUnitY;
    UnitType = from.UnitType;
}

bool TChunkpHYs::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (size == 9) {
        PPUnitX = PngGet32(Data().data());
        PPUnitY = PngGet32(Data().data() + 4);
        UnitType = Data()[8];
    }
    return true;
}

void TChunkpHYs::SaveToStream(TStream& stream)
{
    Data().resize(9);
    PngPut32(Data().data(), PPUnitX);
    PngPut32(Data().data() + 4, PPUnitY);
    Data()[8] = UnitType;
    TChunk::SaveToStream(stream);
}

// Last change: only a chunk of exactly seven bytes is read.
void TChunktIME::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    const auto& from = static_cast<const TChunktIME&>(source);
    Year = from.Year;
    Month = from.Month, Day = from.Day, Hour = from.Hour, Minute = from.Minute, Second = from.Second;
}

bool TChunktIME::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (size == 7) {
        const std::uint8_t* d = Data().data();
        Year = PngGet16(d);
        Month = d[2], Day = d[3], Hour = d[4], Minute = d[5], Second = d[6];
    }
    return true;
}

void TChunktIME::SaveToStream(TStream& stream)
{
    Data().resize(7);
    std::uint8_t* d = Data().data();
    PngPut16(d, Year);
    d[2] = Month, d[3] = Day, d[4] = Hour, d[5] = Minute, d[6] = Second;
    TChunk::SaveToStream(stream);
}

namespace {
// The keyword up to the first zero byte; at is where the rest begins.
std::string SplitKeyword(const std::vector<std::uint8_t>& data, std::size_t& at)
{
    const auto* begin = reinterpret_cast<const char*>(data.data());
    const void* zero = std::memchr(begin, 0, data.size());
    std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - begin) : data.size();
    at = zero ? length + 1 : data.size();
    return std::string(begin, length);
}
} // namespace

// Text: keyword, zero byte, text.
void TChunktEXt::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    const auto& from = static_cast<const TChunktEXt&>(source);
    Keyword = from.Keyword;
    Text = from.Text;
}

bool TChunktEXt::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    std::size_t at;
    Keyword = SplitKeyword(Data(), at);
    Text.assign(Data().begin() + static_cast<std::ptrdiff_t>(at), Data().end());
    return true;
}

void TChunktEXt::SaveToStream(TStream& stream)
{
    Data().assign(Keyword.begin(), Keyword.end());
    Data().push_back(0);
    Data().insert(Data().end(), Text.begin(), Text.end());
    TChunk::SaveToStream(stream);
}

// Compressed text: keyword, zero byte, method byte, zlib data.
void TChunkzTXt::Assign(const TChunk& source)
{
    TChunk::Assign(source);
    const auto& from = static_cast<const TChunkzTXt&>(source);
    Keyword = from.Keyword;
    Text = from.Text;
    KeepsRawBytes = from.KeepsRawBytes;
}

bool TChunkzTXt::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    std::size_t at;
    Keyword = SplitKeyword(Data(), at);
    Text.clear();
    KeepsRawBytes = false;
    if (at + 1 >= Data().size())
        return true;
    // A megabyte of input can claim a gigabyte of text: inflate a bounded
    // amount only, into a buffer that grows with what comes out.
    TPngInflate& z = Owner().TextInflate();
    z->next_in = Data().data() + at + 1;
    z->avail_in = static_cast<uInt>(Data().size() - at - 1);
    constexpr std::size_t kFirstPiece = 1024;
    std::string text;
    std::size_t length = 0;
    while (length <= kPngMaxInflatedText) {
        if (length == text.size())
            text.resize(std::min(std::max(2 * text.size(), kFirstPiece), kPngMaxInflatedText + 1));
        z->next_out = reinterpret_cast<Bytef*>(text.data() + length);
        z->avail_out = static_cast<uInt>(text.size() - length);
        // Finishing at once spares zlib its 32 KiB window when the text fits.
        const int result = z.Inflate(Z_FINISH);
        length = text.size() - z->avail_out;
        // The end of the text, or of the data before it: what came out is the text.
        if (result == Z_STREAM_END || (z->avail_in == 0 && z->avail_out > 0))
            break;
    }
    // A copy of its own size: the buffer can be far larger than a short text.
    if (length > kPngMaxInflatedText)
        KeepsRawBytes = true;
    else
        Text.assign(text.data(), length);
    return true;
}

void TChunkzTXt::SaveToStream(TStream& stream)
{
    if (!KeepsRawBytes) {
        const std::string& text = Text.empty() ? std::string(" ") : Text;
        uLong bound = compressBound(static_cast<uLong>(text.size()));
        std::vector<std::uint8_t> packed(bound);
        TPngDeflate z(Owner().CompressionLevel);
        z->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
        z->avail_in = static_cast<uInt>(text.size());
        z->next_out = packed.data();
        z->avail_out = static_cast<uInt>(packed.size());
        z.Deflate(Z_FINISH);
        Data().assign(Keyword.begin(), Keyword.end());
        Data().push_back(0);
        Data().push_back(0);
        Data().insert(Data().end(), packed.begin(), packed.end() - static_cast<std::ptrdiff_t>(z->avail_out));
    }
    TChunk::SaveToStream(stream);
}
