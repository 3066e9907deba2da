#include "editors/foundation/graphics/cxxdbm.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "classlib/exceptions.h"
#include "classlib/streams.h"

namespace {

constexpr std::uint8_t kLiteralBit = 0x80;
constexpr std::uint8_t kCountMask = 0x7F;
constexpr std::uint8_t kSignature[4] = {'X', 'D', 'B', 'M'};
constexpr std::uint16_t kVersion = 1;
// A bitmap file's headers and palette on top of its capped pixels.
constexpr std::size_t kMaxPlainSize = kMaxBitmapBytes + (64u << 10);

[[noreturn]] void ReadError()
{
    throw EReadError("Stream read error");
}

constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;

std::uint64_t Load64(const std::uint8_t* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Index of the first zero byte of x, 8 when none (little-endian order).
std::size_t FirstZeroByte(std::uint64_t x)
{
    std::uint64_t zeros = (x - kOnes) & ~x & kHighs;
    return zeros ? static_cast<std::size_t>(std::countr_zero(zeros)) / 8 : 8;
}

// Length of the literal run at data[i]: it stops before a pair of equal
// bytes, which the next run repeats. Eight bytes are compared at a time.
std::size_t LiteralLength(const std::uint8_t* data, std::size_t i, std::size_t size)
{
    std::size_t end = std::min(size, i + kcxXdbmMaxRun);
    std::size_t j = i + 1;
    for (; j + 9 <= size && j < end; j += 8) {
        std::size_t k = FirstZeroByte(Load64(data + j) ^ Load64(data + j + 1));
        if (k < 8)
            return std::min(j + k, end) - i;
    }
    while (j < end && !(j + 1 < size && data[j] == data[j + 1]))
        ++j;
    return std::min(j, end) - i;
}

std::size_t RepeatLength(const std::uint8_t* data, std::size_t i, std::size_t size)
{
    std::size_t end = std::min(size, i + kcxXdbmMaxRun);
    std::size_t j = i + 1;
    const std::uint64_t pattern = kOnes * data[i];
    for (; j + 8 <= end; j += 8) {
        std::uint64_t x = Load64(data + j) ^ pattern;
        if (x)
            return j + static_cast<std::size_t>(std::countr_zero(x)) / 8 - i;
    }
    while (j < end && data[j] == data[i])
        ++j;
    return j - i;
}

std::uint32_t Get32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

std::vector<std::uint8_t> cxXdbmEncode(const std::uint8_t* data, std::size_t size)
{
    // At worst a literal of one byte and a repeat of two alternate: five
    // coded bytes for three.
    auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(size + size * 2 / 3 + 2);
    std::uint8_t* o = buffer.get();
    for (std::size_t i = 0; i < size;) {
        if (i + 1 < size && data[i] == data[i + 1]) {
            std::size_t n = RepeatLength(data, i, size);
            *o++ = static_cast<std::uint8_t>(n);
            *o++ = data[i];
            i += n;
        } else {
            std::size_t n = LiteralLength(data, i, size);
            *o++ = static_cast<std::uint8_t>(kLiteralBit | n);
            std::memcpy(o, data + i, n);
            o += n;
            i += n;
        }
    }
    return std::vector<std::uint8_t>(buffer.get(), o);
}

std::vector<std::uint8_t> cxXdbmDecode(const std::uint8_t* data, std::size_t size)
{
    // First the runs are checked and counted, so the output is allocated once.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < size;) {
        std::uint8_t control = data[i++];
        std::size_t n = control & kCountMask;
        std::size_t coded = control & kLiteralBit ? n : 1;
        if (coded > size - i)
            ReadError();
        i += coded;
        plain += n;
        if (plain > kMaxPlainSize)
            ReadError();
    }
    std::vector<std::uint8_t> out(plain);
    // Runs of length zero are valid: with nothing to write, out has no buffer to copy to.
    if (plain == 0)
        return out;
    std::uint8_t* o = out.data();
    for (std::size_t i = 0; i < size;) {
        std::uint8_t control = data[i++];
        std::size_t n = control & kCountMask;
        if (control & kLiteralBit) {
            std::memcpy(o, data + i, n);
            i += n;
        } else {
            std::memset(o, data[i++], n);
        }
        o += n;
    }
    return out;
}

void cxWriteXdbmStream(TStream& dest, const std::uint8_t* plain, std::size_t size)
{
    std::vector<std::uint8_t> runs = cxXdbmEncode(plain, size);
    std::uint8_t header[kcxXdbmHeaderSize];
    auto length = static_cast<std::uint32_t>(runs.size());
    for (int i = 0; i < 4; ++i)
        header[i] = static_cast<std::uint8_t>(length >> (8 * i));
    std::memcpy(header + 4, kSignature, sizeof kSignature);
    header[8] = static_cast<std::uint8_t>(kVersion);
    header[9] = static_cast<std::uint8_t>(kVersion >> 8);
    dest.WriteBuffer(header, sizeof header);
    dest.WriteBuffer(runs.data(), runs.size());
}

bool cxReadXdbmStream(TStream& source, std::vector<std::uint8_t>& plain)
{
    std::int64_t start = source.Position();
    std::uint8_t header[kcxXdbmHeaderSize];
    if (source.Read(header, sizeof header) != sizeof header ||
        std::memcmp(header + 4, kSignature, sizeof kSignature) != 0) {
        source.SetPosition(start);
        return false;
    }
    // The version is not looked at; the length must lie inside the stream.
    std::uint32_t length = Get32(header);
    if (length > source.Size() - source.Position())
        ReadError();
    std::vector<std::uint8_t> runs(length);
    source.ReadBuffer(runs.data(), runs.size());
    plain = cxXdbmDecode(runs.data(), runs.size());
    return true;
}

TBitmapFileImage cxReadBitmapStream(TStream& source)
{
    std::vector<std::uint8_t> plain;
    if (!cxReadXdbmStream(source, plain))
        return ReadBitmapFile(source);
    TMemoryStream file;
    file.WriteBuffer(plain.data(), plain.size());
    file.SetPosition(0);
    return ReadBitmapFile(file);
}
