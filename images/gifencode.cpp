#include "images/gifencode.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {
constexpr int kHashSize = 17777;
constexpr std::uint32_t kEmptySlot = 0xFFFFFFFF;
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

// The dictionary: strings as (prefix code, pixel), found through a fixed
// hash table whose slots hold the string's key and code together.
class TLzwDictionary {
public:
    TLzwDictionary() { Clear(); }
    void Clear() { std::fill(slots_.begin(), slots_.end(), kEmptySlot); }

    // The code of prefix + pixel, or -1 with slot set to where it would go.
    int Find(int prefix, int pixel, int& slot) const
    {
        std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(pixel);
        // Multiplicative hash scaled onto the slots, without a division.
        int h = static_cast<int>(static_cast<std::uint64_t>(key * 2654435761u) * kHashSize >> 32);
        for (;; h = h + 1 == kHashSize ? 0 : h + 1) {
            std::uint32_t s = slots_[h];
            if (s == kEmptySlot)
                return slot = h, -1;
            if (s >> kCodeBits == key)
                return static_cast<int>(s & kCodeMask);
        }
    }
    void Add(int slot, int code, int prefix, int pixel)
    {
        slots_[slot] = (static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(pixel)) << kCodeBits |
                       static_cast<std::uint32_t>(code);
    }

private:
    static constexpr int kCodeBits = 12;
    static constexpr std::uint32_t kCodeMask = (1u << kCodeBits) - 1;
    std::array<std::uint32_t, kHashSize> slots_;
};

// A row's pixels in order, for one depth.
template <int Bits>
int PixelAt(const std::uint8_t* row, int x)
{
    if constexpr (Bits == 8)
        return row[x];
    else if constexpr (Bits == 4)
        return x & 1 ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    else
        return row[x >> 3] >> (7 - (x & 7)) & 1;
}

// The string being matched and the codes assigned since the last clear.
class TLzwEncoder {
public:
    TLzwEncoder(std::vector<std::uint8_t>& out, int bitCount)
        : initialWidth_(bitCount == 1 ? 3 : bitCount + 1), clear_(1 << (initialWidth_ - 1)), end_(clear_ + 1),
          codes_(out), dictionary_(std::make_unique<TLzwDictionary>())
    {
        out.push_back(static_cast<std::uint8_t>(initialWidth_ - 1));
        StartOver();
    }

    template <int Bits>
    void Row(const std::uint8_t* row, int width)
    {
        for (int x = 0; x < width; ++x) {
            int p = PixelAt<Bits>(row, x);
            if (!inString_) {
                prefix_ = p, inString_ = true;
                continue;
            }
            int slot;
            int code = dictionary_->Find(prefix_, p, slot);
            if (code >= 0) {
                prefix_ = code;
                continue;
            }
            codes_.Emit(prefix_, width_);
            dictionary_->Add(slot, ++last_, prefix_, p);
            prefix_ = p;
            if (last_ == limit_)
                limit_ <<= 1, ++width_;
            else if (last_ == kLastCode) {
                codes_.Emit(prefix_, width_);
                inString_ = false;
                StartOver();
            }
        }
    }

    void Finish()
    {
        // A string cut by the last start-over was emitted already.
        if (inString_)
            codes_.Emit(prefix_, width_);
        codes_.Emit(end_, width_);
        codes_.Flush();
    }

private:
    // The clear code, and the dictionary and code width as at the start.
    void StartOver()
    {
        codes_.Emit(clear_, width_ ? width_ : initialWidth_);
        last_ = end_, width_ = initialWidth_, limit_ = 1 << width_;
        dictionary_->Clear();
    }

    const int initialWidth_, clear_, end_;
    TLzwCodeWriter codes_;
    std::unique_ptr<TLzwDictionary> dictionary_;
    int width_ = 0, limit_ = 0, last_ = 0;
    int prefix_ = 0;
    bool inString_ = false;
};

void Encode(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress)
{
    std::vector<std::uint8_t> out;
    out.reserve(pixels.rowSize * static_cast<std::size_t>(std::max(pixels.height, 0)) / 2 + 16);
    TLzwEncoder encoder(out, pixels.bitCount);
    int lastPercent = -1;
    for (int y = 0, pass = 0, done = 0; y < pixels.height;
         y = interlaced ? GifNextInterlacedRow(y, pass, pixels.height) : y + 1) {
        const std::uint8_t* row = pixels.bits + static_cast<std::size_t>(pixels.height - 1 - y) * pixels.rowSize;
        if (pixels.bitCount == 8)
            encoder.Row<8>(row, pixels.width);
        else if (pixels.bitCount == 4)
            encoder.Row<4>(row, pixels.width);
        else
            encoder.Row<1>(row, pixels.width);
        int percent = (++done * 200 + pixels.height) / (2 * pixels.height);
        if (progress && percent != lastPercent)
            progress(TProgressStage::psRunning, lastPercent = percent, {});
    }
    encoder.Finish();
    dest.WriteBuffer(out.data(), out.size());
}
} // namespace

void LzwEncodeImage(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress)
{
    WithProgress(progress, [&] { Encode(dest, pixels, interlaced, progress); });
}
