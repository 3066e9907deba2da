// A chunk of a PNG file (length, four-letter name, data, CRC), the registry
// that finds the class for a name, and the byte helpers every chunk shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPNGImage;
class TStream;

// CRC-32 of the PNG standard over the name and the data; start with crc 0.
std::uint32_t PngUpdateCrc(std::uint32_t crc, const void* data, std::size_t size);

std::uint32_t PngGet32(const std::uint8_t* p);
std::uint16_t PngGet16(const std::uint8_t* p);
void PngPut32(std::uint8_t* p, std::uint32_t value);
void PngPut16(std::uint8_t* p, std::uint16_t value);
// Exactly size bytes, or EPngUnexpectedEnd.
void PngReadExact(TStream& stream, void* buffer, std::size_t size);
std::uint32_t PngRead32(TStream& stream);
// Reads a chunk's CRC and compares it with crc: EPngInvalidCRC.
void PngCheckCrc(TStream& stream, std::uint32_t crc);

struct TPngChunkHead {
    std::uint32_t length;
    std::string name;
};
// A chunk's length and name; EPngUnexpectedEnd for a length above 2^31 - 1 or
// above the bytes left, before anything is allocated or skipped.
TPngChunkHead PngReadChunkHead(TStream& stream);
// Length, name, data and CRC.
void PngWriteChunk(TStream& stream, const std::string& name, const std::uint8_t* data, std::size_t size);

// An ancillary chunk without a class of its own keeps its bytes unchanged;
// the chunk classes parse those bytes after reading and refill them before writing.
class TChunk {
public:
    explicit TChunk(TPNGImage& owner) : owner_(owner) {}
    virtual ~TChunk() = default;
    TChunk(const TChunk&) = delete;
    TChunk& operator=(const TChunk&) = delete;

    // The name this class stands for; empty for the plain chunk.
    virtual std::string GetName() const { return {}; }
    // Copies name and data; a chunk of another class raises EPngError.
    virtual void Assign(const TChunk& source);
    // Reads size bytes of data and the CRC; false ends loading without an error.
    virtual bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size);
    // Writes length, name, data and CRC.
    virtual void SaveToStream(TStream& stream);

    TPNGImage& Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    std::vector<std::uint8_t>& Data() { return data_; }
    const std::vector<std::uint8_t>& Data() const { return data_; }

protected:
    // Raises EPngError unless source is of this chunk's class.
    void RequireSameClass(const TChunk& source) const;

private:
    TPNGImage& owner_;
    std::string name_;
    std::vector<std::uint8_t> data_;
};

// Each chunk class names its chunk: static constexpr const char* kName = "IHDR".
template <class Chunk>
class TNamedChunk : public TChunk {
public:
    explicit TNamedChunk(TPNGImage& owner) : TChunk(owner) { SetName(Chunk::kName); }
    std::string GetName() const override { return Chunk::kName; }
};

using TChunkFactory = std::function<std::unique_ptr<TChunk>(TPNGImage& owner)>;

// Adds a class under its name; the registry is made on first use.
void PngRegisterChunkClass(const std::string& name, TChunkFactory create);
template <class Chunk>
void PngRegisterChunkClass()
{
    PngRegisterChunkClass(Chunk::kName, [](TPNGImage& owner) { return std::make_unique<Chunk>(owner); });
}
// IEND, IHDR, IDAT, PLTE, gAMA, tRNS, pHYs, tIME, tEXt, zTXt, once.
void PngRegisterStandardChunks();
// Frees the registry.
void PngUnregisterChunkClasses();
// The first class registered under the name, else the plain chunk; the name is stored in it.
std::unique_ptr<TChunk> PngCreateChunk(TPNGImage& owner, const std::string& name);
// Whether the name came from a class of its own.
bool PngChunkClassKnown(const std::string& name);
