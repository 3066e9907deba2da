#include "images/gifencode.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <vector>

namespace {
constexpr int kHashSize = 17777;
constexpr std::uint16_t kEmptySlot = 0xFFFF;
// The dictionary starts over before a code would need 13 bits.
constexpr int kLastCode = 4094;

// Codes least significant bit first, cut into sub-blocks of 255 bytes.
class TLzwCodeWriter {
public:
    explicit TLzwCodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    // LzwEmitCode.
    void Emit(int code, int width)
    {
        bits_ |= static_cast<std::uint64_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            block_[blockSize_++] = static_cast<std::uint8_t>(bits_);
            bits_ >>= 8;
            count_ -= 8;
            if (blockSize_ == 255)
                WriteBlock();
        }
    }
    // LzwFlushCodes: the last partial byte and block, then the terminator.
    void Flush()
    {
        if (count_ > 0)
            block_[blockSize_++] = static_cast<std::uint8_t>(bits_), bits_ = 0, count_ = 0;
        if (blockSize_ > 0)
            WriteBlock();
        out_.push_back(0);
    }

private:
    void WriteBlock()
    {
        out_.push_back(static_cast<std::uint8_t>(blockSize_));
        out_.insert(out_.end(), block_.begin(), block_.begin() + blockSize_);
        blockSize_ = 0;
    }

    std::vector<std::uint8_t>& out_;
    std::array<std::uint8_t, 255> block_{};
    int blockSize_ = 0;
    std::uint64_t bits_ = 0;
    int count_ = 0;
};

// The dictionary: strings as (prefix code, pixel), found through a fixed hash table.
class TLzwDictionary {
public:
    TLzwDictionary() { Clear(); }
    void Clear() { std::fill(slots_.begin(), slots_.end(), kEmptySlot); }

    // The code of prefix + pixel, or -1 with slot set to where it would go.
    int Find(int prefix, int pixel, int& slot) const
    {
        int h = static_cast<int>((static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(pixel)) *
                                 2654435761u % kHashSize);
        for (;; h = h + 1 == kHashSize ? 0 : h + 1) {
            std::uint16_t code = slots_[h];
            if (code == kEmptySlot)
                return slot = h, -1;
            if (prefixes_[code] == prefix && pixels_[code] == pixel)
                return code;
        }
    }
    void Add(int slot, int code, int prefix, int pixel)
    {
        slots_[slot] = static_cast<std::uint16_t>(code);
        prefixes_[code] = static_cast<std::uint16_t>(prefix);
        pixels_[code] = static_cast<std::uint8_t>(pixel);
    }

private:
    std::array<std::uint16_t, kHashSize> slots_;
    std::array<std::uint16_t, 4096> prefixes_{};
    std::array<std::uint8_t, 4096> pixels_{};
};

int PixelAt(const std::uint8_t* row, int x, int bitCount)
{
    switch (bitCount) {
    case 8:
        return row[x];
    case 4:
        return x & 1 ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    default:
        return row[x >> 3] >> (7 - (x & 7)) & 1;
    }
}

void Encode(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress)
{
    const int initialWidth = pixels.bitCount == 1 ? 3 : pixels.bitCount + 1;
    const int clear = 1 << (initialWidth - 1), end = clear + 1;
    int width = initialWidth, limit = 1 << width, last = end;

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(pixels.rowSize) * static_cast<std::size_t>(std::max(pixels.height, 0)) / 2 + 16);
    out.push_back(static_cast<std::uint8_t>(initialWidth - 1));
    TLzwCodeWriter codes(out);
    auto dictionary = std::make_unique<TLzwDictionary>();
    codes.Emit(clear, width);

    int prefix = 0;
    bool inString = false;
    int lastPercent = -1;
    for (int y = 0, pass = 0, done = 0; y < pixels.height;
         y = interlaced ? GifNextInterlacedRow(y, pass, pixels.height) : y + 1) {
        const std::uint8_t* row = pixels.bits + static_cast<std::size_t>(pixels.height - 1 - y) * pixels.rowSize;
        for (int x = 0; x < pixels.width; ++x) {
            int p = PixelAt(row, x, pixels.bitCount);
            if (!inString) {
                prefix = p, inString = true;
                continue;
            }
            int slot;
            int code = dictionary->Find(prefix, p, slot);
            if (code >= 0) {
                prefix = code;
                continue;
            }
            codes.Emit(prefix, width);
            dictionary->Add(slot, ++last, prefix, p);
            prefix = p;
            if (last == limit)
                limit <<= 1, ++width;
            else if (last == kLastCode) {
                codes.Emit(prefix, width);
                codes.Emit(clear, width);
                inString = false;
                last = end, width = initialWidth, limit = 1 << width;
                dictionary->Clear();
            }
        }
        int percent = (++done * 200 + pixels.height) / (2 * pixels.height);
        if (progress && percent != lastPercent)
            progress(TProgressStage::psRunning, lastPercent = percent, {});
    }
    // A string cut by the last start-over was emitted already.
    if (inString)
        codes.Emit(prefix, width);
    codes.Emit(end, width);
    codes.Flush();
    dest.WriteBuffer(out.data(), out.size());
}
} // namespace

void LzwEncodeImage(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress)
{
    if (progress)
        progress(TProgressStage::psStarting, 0, {});
    try {
        Encode(dest, pixels, interlaced, progress);
    } catch (const std::exception& e) {
        if (progress)
            progress(TProgressStage::psEnding, 0, e.what());
        throw;
    }
    if (progress)
        progress(TProgressStage::psEnding, 100, {});
}
