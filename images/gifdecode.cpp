#include "images/gifdecode.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "images/gifstrings.h"

namespace {
constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;

// Codes least significant bit first across the data sub-blocks, eight
// bytes at a time while the block holds them.
class TLzwCodeReader {
public:
    TLzwCodeReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // LzwFetchCode: false when the data ends before a whole code.
    bool Fetch(int width, int& code)
    {
        if (count_ < width) {
            Refill();
            if (count_ < width)
                return false;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return true;
    }
    std::size_t Position() const { return pos_; }

private:
    void Refill()
    {
        while (count_ <= 56) {
            if (blockLeft_ == 0 && !NextBlock())
                return;
            if (blockLeft_ >= 8) {
                // The bytes loaded past those taken are the block's next ones,
                // the same that a later refill puts there.
                std::uint64_t word;
                std::memcpy(&word, data_ + pos_, sizeof word);
                bits_ |= word << count_;
                std::size_t taken = static_cast<std::size_t>(63 - count_) >> 3;
                pos_ += taken, blockLeft_ -= taken;
                count_ += static_cast<int>(taken) * 8;
                return;
            }
            bits_ |= static_cast<std::uint64_t>(data_[pos_++]) << count_;
            count_ += 8;
            --blockLeft_;
        }
    }
    // The next sub-block's length byte; a 0 length ends the data.
    bool NextBlock()
    {
        if (ended_ || pos_ >= size_ || data_[pos_] == 0)
            return ended_ = true, false;
        std::size_t length = data_[pos_++];
        blockLeft_ = std::min(length, size_ - pos_);
        if (blockLeft_ == 0)
            return ended_ = true, false;
        return true;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::size_t blockLeft_ = 0;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    bool ended_ = false;
};

// LzwPutPixel: runs of pixels left to right, rows top to bottom or
// interlaced. Rows of 1 and 4 bits are gathered a byte a pixel and packed
// when they are full, or when decoding stops inside one.
class TLzwRows {
public:
    TLzwRows(const TLzwPixelBuffer& out, bool interlaced) : out_(out), interlaced_(interlaced)
    {
        if (out.width <= 0 || out.height <= 0) {
            done_ = true;
            return;
        }
        if (out.bitCount != 8)
            scratch_.resize(static_cast<std::size_t>(out.width));
        Start();
    }
    TLzwRows(const TLzwRows&) = delete;
    TLzwRows& operator=(const TLzwRows&) = delete;
    ~TLzwRows()
    {
        if (!done_ && x_ > 0 && out_.bitCount != 8)
            Pack(x_);
    }

    bool Done() const { return done_; }
    // Pixels left in the row.
    int Room() const { return out_.width - x_; }
    std::uint8_t* Here() const { return row_ + x_; }
    void Advance(int count)
    {
        x_ += count;
        if (x_ == out_.width)
            NextRow();
    }

private:
    std::uint8_t* Target() const
    {
        int row = out_.topDown ? y_ : out_.height - y_ - 1;
        return out_.bits + static_cast<std::size_t>(row) * out_.rowSize;
    }
    void Start() { row_ = out_.bitCount == 8 ? Target() : scratch_.data(); }
    void NextRow()
    {
        if (out_.bitCount != 8)
            Pack(out_.width);
        x_ = 0;
        y_ = interlaced_ ? GifNextInterlacedRow(y_, pass_, out_.height) : y_ + 1;
        if (y_ >= out_.height)
            done_ = true;
        else
            Start();
    }
    // The first count pixels of the gathered row into the target row.
    void Pack(int count)
    {
        std::uint8_t* target = Target();
        const std::uint8_t* p = scratch_.data();
        if (out_.bitCount == 4) {
            for (int i = 0; i + 1 < count; i += 2)
                target[i >> 1] = static_cast<std::uint8_t>(p[i] << 4 | p[i + 1]);
            if (count & 1)
                target[count >> 1] = static_cast<std::uint8_t>(p[count - 1] << 4);
            return;
        }
        for (int i = 0; i < count; i += 8) {
            unsigned byte = 0;
            for (int k = 0; k < 8; ++k)
                byte = byte << 1 | (i + k < count ? p[i + k] : 0u);
            target[i >> 3] = static_cast<std::uint8_t>(byte);
        }
    }

    const TLzwPixelBuffer& out_;
    bool interlaced_;
    std::vector<std::uint8_t> scratch_;
    std::uint8_t* row_ = nullptr;
    int x_ = 0, y_ = 0, pass_ = 0;
    bool done_ = false;
};

// Reports the share of the data read, only when the percentage changes.
class TLzwProgress {
public:
    TLzwProgress(const TGifProgress& progress, std::size_t size) : progress_(progress), size_(size) {}
    void Update(std::size_t position)
    {
        if (!progress_ || position < next_)
            return;
        int percent = static_cast<int>((position * 100 + size_ / 2) / size_);
        if (percent != last_)
            progress_(TProgressStage::psRunning, last_ = percent, {});
        next_ = position + std::max<std::size_t>(1, size_ / 200);
    }

private:
    const TGifProgress& progress_;
    std::size_t size_;
    std::size_t next_ = 0;
    int last_ = -1;
};

// The string table, flat: each code's last pixel, the code before it, its
// first pixel and its length, so a string is written back to front where it goes.
struct TLzwTable {
    // Plain arrays: the loop below is the decoder's hot path in every build.
    std::uint16_t prefix[kMaxCodes];
    std::uint16_t length[kMaxCodes];
    std::uint8_t suffix[kMaxCodes];
    std::uint8_t first[kMaxCodes];

    // Writes the string of code, length[code] pixels, from dest on.
    void Write(int code, std::uint8_t* dest) const
    {
        for (int i = length[code] - 1; i > 0; --i) {
            dest[i] = suffix[code];
            code = prefix[code];
        }
        dest[0] = suffix[code];
    }
};

enum class TLzwEnd { Done, Corrupted, Truncated };

TLzwEnd DecodeCodes(TLzwCodeReader& reader, std::size_t size, int minCodeSize, int mask, TLzwRows& rows, const TGifProgress& progress)
{
    const int clear = 1 << minCodeSize, end = clear + 1;
    int width = minCodeSize + 1, limit = 1 << width;
    int next = clear + 2;
    int previous = -1;
    TLzwTable table;
    for (int c = 0; c < clear; ++c) {
        table.suffix[c] = table.first[c] = static_cast<std::uint8_t>(c & mask);
        table.length[c] = 1;
    }
    // A string running past its row goes through here.
    std::uint8_t spill[kMaxCodes + 1];
    TLzwProgress report(progress, size);

    while (!rows.Done()) {
        int code;
        if (!reader.Fetch(width, code))
            return TLzwEnd::Truncated;
        report.Update(reader.Position());
        if (code == clear) {
            width = minCodeSize + 1, limit = 1 << width;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        // A table code, or the one about to be made (its string is the
        // previous one and that string's first pixel); nothing else.
        if (code >= clear && (previous < 0 || code > next))
            return TLzwEnd::Corrupted;
        bool adding = previous >= 0 && next < kMaxCodes;
        if (adding) {
            // Made before writing, so that the code about to be made can be.
            table.prefix[next] = static_cast<std::uint16_t>(previous);
            table.first[next] = table.first[previous];
            table.length[next] = static_cast<std::uint16_t>(table.length[previous] + 1);
            table.suffix[next] = table.first[code];
        }
        int length = table.length[code];
        if (length <= rows.Room()) {
            table.Write(code, rows.Here());
            rows.Advance(length);
        } else {
            table.Write(code, spill);
            for (int done = 0; done < length && !rows.Done();) {
                int count = std::min(length - done, rows.Room());
                std::memcpy(rows.Here(), spill + done, static_cast<std::size_t>(count));
                done += count;
                rows.Advance(count);
            }
        }
        if (adding && ++next == limit && width < kMaxCodeBits)
            ++width, limit <<= 1;
        previous = code;
    }
    return TLzwEnd::Done;
}

bool Decode(const std::uint8_t* data, std::size_t size, bool interlaced, const TLzwPixelBuffer& out,
            const TGifProgress& progress)
{
    TLzwEnd end;
    {
        TLzwRows rows(out, interlaced);
        if (rows.Done())
            return false;
        if (size == 0)
            RaiseGifReadError();
        int minCodeSize = data[0];
        if (minCodeSize < 2 || minCodeSize > 9)
            return true;
        int bits = out.indexBits > 0 ? std::min(out.indexBits, out.bitCount) : out.bitCount;
        TLzwCodeReader reader(data + 1, size - 1);
        end = DecodeCodes(reader, size - 1, minCodeSize, (1 << bits) - 1, rows, progress);
    }
    if (end == TLzwEnd::Truncated)
        RaiseGifReadError();
    return end == TLzwEnd::Corrupted;
}
} // namespace

int GifNextInterlacedRow(int row, int& pass, int height)
{
    static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    row += kStep[pass];
    while (row >= height && pass < 3)
        row = kStart[++pass];
    return row;
}

bool LzwDecodeImage(const std::uint8_t* data, std::size_t size, bool interlaced, const TLzwPixelBuffer& out,
                    const TGifProgress& progress)
{
    return WithProgress(progress, [&] { return Decode(data, size, interlaced, out, progress); });
}
