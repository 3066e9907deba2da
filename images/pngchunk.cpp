#include "images/pngchunk.h"

#include <typeinfo>

#include <zlib.h>

#include "classlib/streams.h"
#include "images/pngexceptions.h"

std::uint32_t PngUpdateCrc(std::uint32_t crc, const void* data, std::size_t size)
{
    // zlib's crc32 is the PNG standard's CRC (reflected 0xEDB88320, inverted
    // before and after) with a faster table than one byte at a time.
    const auto* bytes = static_cast<const Bytef*>(data);
    while (size > 0) {
        auto piece = static_cast<uInt>(size > 0x40000000u ? 0x40000000u : size);
        crc = static_cast<std::uint32_t>(crc32(crc, bytes, piece));
        bytes += piece;
        size -= piece;
    }
    return crc;
}

std::uint32_t PngGet32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

std::uint16_t PngGet16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

void PngPut32(std::uint8_t* p, std::uint32_t value)
{
    p[0] = static_cast<std::uint8_t>(value >> 24);
    p[1] = static_cast<std::uint8_t>(value >> 16);
    p[2] = static_cast<std::uint8_t>(value >> 8);
    p[3] = static_cast<std::uint8_t>(value);
}

void PngPut16(std::uint8_t* p, std::uint16_t value)
{
    p[0] = static_cast<std::uint8_t>(value >> 8);
    p[1] = static_cast<std::uint8_t>(value);
}

void PngReadExact(TStream& stream, void* buffer, std::size_t size)
{
    if (size > 0 && stream.Read(buffer, size) != size)
        throw EPngUnexpectedEnd();
}

std::uint32_t PngRead32(TStream& stream)
{
    std::uint8_t bytes[4];
    PngReadExact(stream, bytes, 4);
    return PngGet32(bytes);
}

void PngCheckCrc(TStream& stream, std::uint32_t crc)
{
    if (PngRead32(stream) != crc)
        throw EPngInvalidCRC();
}

TPngChunkHead PngReadChunkHead(TStream& stream)
{
    std::uint8_t head[8];
    PngReadExact(stream, head, 8);
    TPngChunkHead result{PngGet32(head), std::string(reinterpret_cast<const char*>(head + 4), 4)};
    if (result.length > 0x7FFFFFFFu || result.length > stream.Size() - stream.Position())
        throw EPngUnexpectedEnd();
    return result;
}

void PngWriteChunk(TStream& stream, const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::uint8_t head[8];
    PngPut32(head, static_cast<std::uint32_t>(size));
    name.copy(reinterpret_cast<char*>(head + 4), 4);
    std::uint8_t tail[4];
    PngPut32(tail, PngUpdateCrc(PngUpdateCrc(0, head + 4, 4), data, size));
    stream.WriteBuffer(head, 8);
    stream.WriteBuffer(data, size);
    stream.WriteBuffer(tail, 4);
}

void TChunk::RequireSameClass(const TChunk& source) const
{
    if (typeid(source) != typeid(*this))
        throw EPngError(kPngIncompatibleChunks);
}

void TChunk::Assign(const TChunk& source)
{
    RequireSameClass(source);
    name_ = source.name_;
    data_ = source.data_;
}

bool TChunk::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    name_ = name;
    data_.resize(size);
    PngReadExact(stream, data_.data(), size);
    std::uint32_t crc = PngUpdateCrc(0, name.data(), 4);
    PngCheckCrc(stream, PngUpdateCrc(crc, data_.data(), size));
    return true;
}

void TChunk::SaveToStream(TStream& stream)
{
    PngWriteChunk(stream, name_, data_.data(), data_.size());
}
