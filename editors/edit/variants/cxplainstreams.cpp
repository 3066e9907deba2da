#include "editors/edit/variants/cxplainstreams.h"

#include <bit>
#include <limits>

#include "classlib/exceptions.h"
#include "editors/edit/variants/cxextended.h"

namespace {

template <class T>
T ReadLittle(TStream& stream)
{
    std::uint8_t bytes[sizeof(T)];
    stream.ReadBuffer(bytes, sizeof bytes);
    std::make_unsigned_t<T> value = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        value = static_cast<std::make_unsigned_t<T>>(value << 8 | bytes[i]);
    return static_cast<T>(value);
}

template <class T>
void WriteLittle(TStream& stream, T value)
{
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    std::uint8_t bytes[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    stream.WriteBuffer(bytes, sizeof bytes);
}

std::uint32_t LengthToWrite(std::size_t length)
{
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("Stream write error");
    return static_cast<std::uint32_t>(length);
}

} // namespace

std::int64_t cxStreamBytesLeft(TStream& stream)
{
    std::int64_t position = stream.Position();
    std::int64_t size = stream.Size();
    return size > position ? size - position : 0;
}

void cxCheckStreamHolds(TStream& stream, std::uint64_t count, std::uint64_t unitSize)
{
    auto left = static_cast<std::uint64_t>(cxStreamBytesLeft(stream));
    if (count > left / unitSize)
        throw EReadError("Stream read error");
}

std::string cxReadStreamBytes(TStream& stream, std::uint64_t count)
{
    cxCheckStreamHolds(stream, count, 1);
    std::string text(static_cast<std::size_t>(count), '\0');
    stream.ReadBuffer(text.data(), text.size());
    return text;
}

std::u16string cxReadStreamChars(TStream& stream, std::uint64_t count)
{
    cxCheckStreamHolds(stream, count, 2);
    std::u16string text(static_cast<std::size_t>(count), u'\0');
    stream.ReadBuffer(text.data(), text.size() * 2);
    if constexpr (std::endian::native == std::endian::big)
        for (auto& c : text)
            c = static_cast<char16_t>(c << 8 | c >> 8);
    return text;
}

std::string ReadAnsiString(TStream& stream)
{
    return cxReadStreamBytes(stream, ReadLittle<std::uint32_t>(stream));
}

std::u16string ReadWideString(TStream& stream)
{
    return cxReadStreamChars(stream, ReadLittle<std::uint32_t>(stream));
}

std::int16_t ReadSmallint(TStream& stream) { return ReadLittle<std::int16_t>(stream); }
std::uint16_t ReadWord(TStream& stream) { return ReadLittle<std::uint16_t>(stream); }
std::int32_t ReadInteger(TStream& stream) { return ReadLittle<std::int32_t>(stream); }
bool ReadBoolean(TStream& stream) { return ReadLittle<std::uint8_t>(stream) != 0; }
std::int64_t ReadCurrency(TStream& stream) { return ReadLittle<std::int64_t>(stream); }
double ReadDateTime(TStream& stream) { return std::bit_cast<double>(ReadLittle<std::uint64_t>(stream)); }
std::int64_t ReadLargeInt(TStream& stream) { return ReadLittle<std::int64_t>(stream); }

double ReadFloat(TStream& stream)
{
    std::uint8_t bytes[cxExtendedSize];
    stream.ReadBuffer(bytes, sizeof bytes);
    return cxExtendedToDouble(bytes);
}

void WriteAnsiString(TStream& stream, const std::string& value)
{
    WriteLittle(stream, LengthToWrite(value.size()));
    stream.WriteBuffer(value.data(), value.size());
}

void WriteWideString(TStream& stream, const std::u16string& value)
{
    WriteLittle(stream, LengthToWrite(value.size()));
    std::string bytes(value.size() * 2, '\0');
    for (std::size_t i = 0; i < value.size(); ++i) {
        bytes[2 * i] = static_cast<char>(value[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(value[i] >> 8);
    }
    stream.WriteBuffer(bytes.data(), bytes.size());
}

void WriteSmallint(TStream& stream, std::int16_t value) { WriteLittle(stream, value); }
void WriteWord(TStream& stream, std::uint16_t value) { WriteLittle(stream, value); }
void WriteInteger(TStream& stream, std::int32_t value) { WriteLittle(stream, value); }
void WriteBoolean(TStream& stream, bool value) { WriteLittle(stream, static_cast<std::uint8_t>(value ? 1 : 0)); }
void WriteCurrency(TStream& stream, std::int64_t value) { WriteLittle(stream, value); }
void WriteDateTime(TStream& stream, double value) { WriteLittle(stream, std::bit_cast<std::uint64_t>(value)); }
void WriteLargeInt(TStream& stream, std::int64_t value) { WriteLittle(stream, value); }

void WriteFloat(TStream& stream, double value)
{
    std::uint8_t bytes[cxExtendedSize];
    cxDoubleToExtended(value, bytes);
    stream.WriteBuffer(bytes, sizeof bytes);
}
