#include "images/gifencode.h"

#include <algorithm>
#include <array>
#include <memory>
#include <type_traits>
#include <vector>

namespace {
constexpr std::uint32_t kEmptySlot = 0xFFFFFFFF;
// The dictionary starts over before a code would need 13 bits.
constexpr int kLastCode = 4094;

// Codes least significant bit first, cut into sub-blocks of 255 bytes, each
// written to the stream with its length byte as it fills.
class TLzwCodeWriter {
public:
    explicit TLzwCodeWriter(TStream& out) : out_(out) {}

    // LzwEmitCode: bytes go out four at a time, one at a time near a block's end.
    void Emit(int code, int width)
    {
        bits_ |= static_cast<std::uint64_t>(code) << count_;
        count_ += width;
        if (count_ < 32)
            return;
        if (blockSize_ > 255 - 4) {
            while (count_ >= 8)
                Put();
            return;
        }
        for (int i = 0; i < 4; ++i)
            block_[static_cast<std::size_t>(1 + blockSize_ + i)] = static_cast<std::uint8_t>(bits_ >> (8 * i));
        blockSize_ += 4;
        bits_ >>= 32;
        count_ -= 32;
        if (blockSize_ == 255)
            WriteBlock();
    }
    // LzwFlushCodes: the last bytes, the last partial one and block, then the terminator.
    void Flush()
    {
        while (count_ > 0)
            Put();
        bits_ = 0, count_ = 0;
        if (blockSize_ > 0)
            WriteBlock();
        const std::uint8_t terminator = 0;
        out_.WriteBuffer(&terminator, 1);
    }

private:
    void Put()
    {
        block_[static_cast<std::size_t>(1 + blockSize_++)] = static_cast<std::uint8_t>(bits_);
        bits_ >>= 8;
        count_ -= 8;
        if (blockSize_ == 255)
            WriteBlock();
    }
    void WriteBlock()
    {
        block_[0] = static_cast<std::uint8_t>(blockSize_);
        out_.WriteBuffer(block_.data(), static_cast<std::size_t>(1 + blockSize_));
        blockSize_ = 0;
    }

    TStream& out_;
    // The length byte, then the block.
    std::array<std::uint8_t, 256> block_{};
    int blockSize_ = 0;
    std::uint64_t bits_ = 0;
    int count_ = 0;
};

// The dictionary for 8-bit pixels: strings as (prefix code, pixel), found
// through a fixed hash table whose slots hold the string's key and code together.
class TLzwHashDictionary {
public:
    TLzwHashDictionary() { Clear(); }
    void Clear() { std::fill(slots_.begin(), slots_.end(), kEmptySlot); }

    // The code of prefix + pixel, or -1 with slot set to where it would go.
    int Find(int prefix, int pixel, int& slot) const
    {
        std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(pixel);
        // Multiplicative hash onto a power of two of slots, four for each code.
        auto h = static_cast<int>((key * 2654435761u) >> (32 - kHashBits));
        for (;; h = (h + 1) & (kHashSize - 1)) {
            std::uint32_t s = slots_[static_cast<std::size_t>(h)];
            if (s == kEmptySlot)
                return slot = h, -1;
            if (s >> kCodeBits == key)
                return static_cast<int>(s & kCodeMask);
        }
    }
    void Add(int slot, int code, int prefix, int pixel)
    {
        slots_[static_cast<std::size_t>(slot)] =
            (static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(pixel)) << kCodeBits |
            static_cast<std::uint32_t>(code);
    }

private:
    static constexpr int kHashBits = 14, kHashSize = 1 << kHashBits;
    static constexpr int kCodeBits = 12;
    static constexpr std::uint32_t kCodeMask = (1u << kCodeBits) - 1;
    std::array<std::uint32_t, kHashSize> slots_;
};

// The dictionary for 1- and 4-bit pixels: each code's extensions by pixel,
// looked up directly. 0 is no string: literals are never extensions.
template <int Bits>
class TLzwDirectDictionary {
public:
    TLzwDirectDictionary() { Clear(); }
    void Clear() { std::fill(codes_.begin(), codes_.end(), 0); }
    int Find(int prefix, int pixel, int& slot) const
    {
        slot = prefix << Bits | pixel;
        int code = codes_[static_cast<std::size_t>(slot)];
        return code ? code : -1;
    }
    void Add(int slot, int code, int, int) { codes_[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>(code); }

private:
    std::array<std::uint16_t, (kLastCode + 1) << Bits> codes_;
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
template <int Bits>
class TLzwEncoder {
    using TDictionary = std::conditional_t<Bits == 8, TLzwHashDictionary, TLzwDirectDictionary<Bits>>;

public:
    explicit TLzwEncoder(TStream& out)
        : initialWidth_(Bits == 1 ? 3 : Bits + 1), clear_(1 << (initialWidth_ - 1)), end_(clear_ + 1), codes_(out),
          dictionary_(std::make_unique<TDictionary>())
    {
        const auto minCodeSize = static_cast<std::uint8_t>(initialWidth_ - 1);
        out.WriteBuffer(&minCodeSize, 1);
        StartOver();
    }

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
    std::unique_ptr<TDictionary> dictionary_;
    int width_ = 0, limit_ = 0, last_ = 0;
    int prefix_ = 0;
    bool inString_ = false;
};

template <int Bits>
void EncodeRows(TStream& out, const TLzwPixelBuffer& pixels, bool interlaced,
                const TGifProgress& progress)
{
    TLzwEncoder<Bits> encoder(out);
    int lastPercent = -1;
    for (int y = 0, pass = 0, done = 0; y < pixels.height;
         y = interlaced ? GifNextInterlacedRow(y, pass, pixels.height) : y + 1) {
        encoder.Row(pixels.bits + static_cast<std::size_t>(pixels.height - 1 - y) * pixels.rowSize, pixels.width);
        int percent = (++done * 200 + pixels.height) / (2 * pixels.height);
        if (progress && percent != lastPercent)
            progress(TProgressStage::psRunning, lastPercent = percent, {});
    }
    encoder.Finish();
}

void Encode(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress)
{
    if (pixels.bitCount == 8)
        EncodeRows<8>(dest, pixels, interlaced, progress);
    else if (pixels.bitCount == 4)
        EncodeRows<4>(dest, pixels, interlaced, progress);
    else
        EncodeRows<1>(dest, pixels, interlaced, progress);
}
} // namespace

void LzwEncodeImage(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress)
{
    WithProgress(progress, [&] { Encode(dest, pixels, interlaced, progress); });
}
