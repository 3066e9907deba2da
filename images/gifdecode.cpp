#include "images/gifdecode.h"

#include <algorithm>
#include <array>

#include "images/gifstrings.h"

namespace {
constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;
// A chain descends from its code to a literal: at most one entry per code, and the first.
constexpr int kStackSize = kMaxCodes + 1;

// Codes least significant bit first across the data sub-blocks.
class TLzwCodeReader {
public:
    TLzwCodeReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // LzwFetchCode: false when the data ends before a whole code.
    bool Fetch(int width, int& code)
    {
        while (count_ < width) {
            if (blockLeft_ == 0 && !NextBlock())
                return false;
            bits_ |= static_cast<std::uint32_t>(data_[pos_++]) << count_;
            count_ += 8;
            --blockLeft_;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return true;
    }
    std::size_t Position() const { return pos_; }

private:
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
    std::uint32_t bits_ = 0;
    int count_ = 0;
    bool ended_ = false;
};

// LzwPutPixel: pixels left to right, rows top to bottom or interlaced, into bottom-up rows.
class TLzwPixelWriter {
public:
    TLzwPixelWriter(const TLzwPixelBuffer& out, bool interlaced)
        : out_(out), interlaced_(interlaced), mask_(static_cast<std::uint8_t>((1u << out.bitCount) - 1))
    {
        if (out.width <= 0 || out.height <= 0)
            y_ = out.height > 0 ? out.height : 0, done_ = true;
        else
            row_ = RowAddress();
    }

    bool Done() const { return done_; }

    void Put(int value)
    {
        auto v = static_cast<std::uint8_t>(value & mask_);
        switch (out_.bitCount) {
        case 8:
            row_[x_] = v;
            break;
        case 4:
            if (x_ & 1)
                row_[x_ >> 1] |= v;
            else
                row_[x_ >> 1] = static_cast<std::uint8_t>(v << 4);
            break;
        default:
            if (x_ & 7)
                row_[x_ >> 3] |= static_cast<std::uint8_t>(v << (7 - (x_ & 7)));
            else
                row_[x_ >> 3] = static_cast<std::uint8_t>(v << 7);
            break;
        }
        if (++x_ == out_.width)
            NextRow();
    }

private:
    std::uint8_t* RowAddress() const
    {
        return out_.bits + static_cast<std::size_t>(out_.height - y_ - 1) * out_.rowSize;
    }
    void NextRow()
    {
        x_ = 0;
        y_ = interlaced_ ? GifNextInterlacedRow(y_, pass_, out_.height) : y_ + 1;
        if (y_ >= out_.height)
            done_ = true;
        else
            row_ = RowAddress();
    }

    const TLzwPixelBuffer& out_;
    bool interlaced_;
    std::uint8_t mask_;
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

bool Decode(const std::uint8_t* data, std::size_t size, bool interlaced, const TLzwPixelBuffer& out,
            const TGifProgress& progress)
{
    TLzwPixelWriter writer(out, interlaced);
    if (writer.Done())
        return false;
    if (size == 0)
        RaiseGifReadError();
    int minCodeSize = data[0];
    if (minCodeSize < 2 || minCodeSize > 9)
        return true;

    const int clear = 1 << minCodeSize, end = clear + 1;
    int width = minCodeSize + 1, limit = 1 << width;
    int next = clear + 2;
    int previous = -1, first = 0;
    std::array<std::uint16_t, kMaxCodes> prefix, suffix;
    std::array<std::uint16_t, kStackSize> stack;
    TLzwCodeReader reader(data + 1, size - 1);
    TLzwProgress report(progress, size - 1);

    while (!writer.Done()) {
        int code;
        if (!reader.Fetch(width, code))
            RaiseGifReadError();
        report.Update(reader.Position());
        if (code == clear) {
            width = minCodeSize + 1, limit = 1 << width;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        if (code < clear) {
            first = code;
            writer.Put(code);
        } else {
            // A table code, or the one about to be made (its string is the
            // previous one and that string's first pixel); nothing else.
            if (previous < 0 || code > next)
                return true;
            int sp = 0, walk = code;
            if (code == next)
                stack[sp++] = static_cast<std::uint16_t>(first), walk = previous;
            while (walk >= clear) {
                if (sp >= kStackSize - 1)
                    return true;
                stack[sp++] = suffix[walk];
                walk = prefix[walk];
            }
            first = walk;
            stack[sp++] = static_cast<std::uint16_t>(walk);
            while (sp > 0 && !writer.Done())
                writer.Put(stack[--sp]);
        }
        if (previous >= 0 && next < kMaxCodes) {
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = static_cast<std::uint16_t>(first);
            if (++next == limit && width < kMaxCodeBits)
                ++width, limit <<= 1;
        }
        previous = code;
    }
    return false;
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
