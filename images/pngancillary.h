// The chunks around the image data: palette, transparency, gamma, physical
// size, time, texts and the end.
#pragma once

#include <array>
#include <string>

#include "images/pngchunk.h"

class TChunkPLTE : public TNamedChunk<TChunkPLTE> {
public:
    static constexpr const char* kName = "PLTE";
    using TNamedChunk::TNamedChunk;
    int Count = 0;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    void SaveToStream(TStream& stream) override;
};

class TChunktRNS : public TNamedChunk<TChunktRNS> {
public:
    static constexpr const char* kName = "tRNS";
    explicit TChunktRNS(TPNGImage& owner) : TNamedChunk(owner) { Alpha.fill(255); }
    // Per palette entry, 255 opaque.
    std::array<std::uint8_t, 256> Alpha;
    bool BitTransparency = false;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    // The see-through sample of grey (index into the grey palette) and RGB
    // images, cut to the store's eight bits; false when the chunk has none.
    bool TransparentSample(int index, std::uint8_t& sample) const;
    // The palette index that is see-through with single-colour transparency.
    int TransparentIndex() const;
    // Rebuilds the data as the image's kind stores it.
    void SetData(int colorType, const std::uint8_t* bytes, std::size_t size);
};

class TChunkgAMA : public TNamedChunk<TChunkgAMA> {
public:
    static constexpr const char* kName = "gAMA";
    explicit TChunkgAMA(TPNGImage& owner);
    // Gamma times 100000.
    std::uint32_t Gamma() const;
    void SetGamma(std::uint32_t value);
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
};

class TChunkpHYs : public TNamedChunk<TChunkpHYs> {
public:
    static constexpr const char* kName = "pHYs";
    using TNamedChunk::TNamedChunk;
    std::uint32_t PPUnitX = 0, PPUnitY = 0;
    std::uint8_t UnitType = 0;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    void SaveToStream(TStream& stream) override;
};

class TChunktIME : public TNamedChunk<TChunktIME> {
public:
    static constexpr const char* kName = "tIME";
    using TNamedChunk::TNamedChunk;
    std::uint16_t Year = 0;
    std::uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    void SaveToStream(TStream& stream) override;
};

class TChunktEXt : public TNamedChunk<TChunktEXt> {
public:
    static constexpr const char* kName = "tEXt";
    using TNamedChunk::TNamedChunk;
    std::string Keyword, Text;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    void SaveToStream(TStream& stream) override;
};

// Text longer than this once inflated is not inflated: the chunk keeps its bytes.
constexpr std::size_t kPngMaxInflatedText = 1u << 20;

class TChunkzTXt : public TNamedChunk<TChunkzTXt> {
public:
    static constexpr const char* kName = "zTXt";
    using TNamedChunk::TNamedChunk;
    std::string Keyword, Text;
    // The text was too long to inflate; the chunk is written back as it came.
    bool KeepsRawBytes = false;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    void SaveToStream(TStream& stream) override;
};

class TChunkIEND : public TNamedChunk<TChunkIEND> {
public:
    static constexpr const char* kName = "IEND";
    using TNamedChunk::TNamedChunk;
};
