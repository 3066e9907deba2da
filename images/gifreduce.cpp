#include "images/gifreduce.h"

#include <array>
#include <memory>

#include "classlib/exceptions.h"

namespace {
constexpr int kMaxEntries = 2049;
constexpr int kHashSize = 5191;
constexpr std::uint16_t kEmptySlot = 0xFFFF;
constexpr int kWantedColors = 256;
constexpr std::uint8_t kUnusedGrey = 128;

struct TColorEntry {
    std::uint8_t blue, green, red;
    std::uint32_t count;
    std::uint8_t index;
};

class THistogram {
public:
    // Counts the masked colours; false when a 2050th one turned up.
    bool Count(const TBitmapFileImage& rgb, std::size_t rowSize)
    {
        size_ = 0;
        slots_.fill(kEmptySlot);
        for (int y = 0; y < rgb.height; ++y) {
            const std::uint8_t* p = rgb.pixels.data() + static_cast<std::size_t>(y) * rowSize;
            for (int x = 0; x < rgb.width; ++x, p += 3) {
                int slot = Slot(p[0] & blueMask, p[1] & greenMask, p[2] & redMask);
                if (slots_[slot] != kEmptySlot) {
                    ++entries_[slots_[slot]].count;
                    continue;
                }
                if (size_ == kMaxEntries)
                    return false;
                entries_[size_] = {static_cast<std::uint8_t>(p[0] & blueMask), static_cast<std::uint8_t>(p[1] & greenMask),
                                   static_cast<std::uint8_t>(p[2] & redMask), 1, 0};
                slots_[slot] = static_cast<std::uint16_t>(size_++);
            }
        }
        return true;
    }

    // Narrows one mask by a bit: blue, red, green in turn.
    void Narrow()
    {
        auto shift = [](std::uint8_t& m) { m = static_cast<std::uint8_t>(m << 1); };
        if (redMask < greenMask)
            shift(greenMask);
        else if (blueMask < redMask)
            shift(redMask);
        else
            shift(blueMask);
    }

    // The commonest colours become the palette; the others take their nearest.
    std::vector<std::uint32_t> MakePalette()
    {
        std::vector<std::uint32_t> palette(kWantedColors, kUnusedGrey << 16 | kUnusedGrey << 8 | kUnusedGrey);
        for (int i = 0; i < kWantedColors && i < size_; ++i) {
            int best = 0;
            for (int e = 1; e < size_; ++e)
                if (entries_[e].count > entries_[best].count)
                    best = e;
            TColorEntry& entry = entries_[best];
            entry.index = static_cast<std::uint8_t>(i);
            entry.count = 0;
            palette[i] = static_cast<std::uint32_t>(entry.red) << 16 | entry.green << 8 | entry.blue;
        }
        for (int e = 0; e < size_; ++e) {
            TColorEntry& entry = entries_[e];
            if (entry.count == 0)
                continue;
            int bestDistance = 196608;
            for (int i = 0; i < kWantedColors; ++i) {
                int dr = static_cast<int>(palette[i] >> 16 & 0xFF) - entry.red;
                int dg = static_cast<int>(palette[i] >> 8 & 0xFF) - entry.green;
                int db = static_cast<int>(palette[i] & 0xFF) - entry.blue;
                int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance)
                    bestDistance = distance, entry.index = static_cast<std::uint8_t>(i);
            }
        }
        return palette;
    }

    std::uint8_t IndexOf(const std::uint8_t* bgr)
    {
        return entries_[slots_[Slot(bgr[0] & blueMask, bgr[1] & greenMask, bgr[2] & redMask)]].index;
    }

    std::uint8_t redMask = 255, greenMask = 255, blueMask = 255;

private:
    // The slot of a colour: its own, or the empty one where it would go.
    int Slot(int b, int g, int r) const
    {
        int h = static_cast<int>(static_cast<std::uint32_t>((r + g) * (b + g) * (r + b)) % kHashSize);
        for (;; h = h + 1 == kHashSize ? 0 : h + 1) {
            std::uint16_t e = slots_[h];
            if (e == kEmptySlot || (entries_[e].blue == b && entries_[e].green == g && entries_[e].red == r))
                return h;
        }
    }

    std::array<TColorEntry, kMaxEntries> entries_{};
    std::array<std::uint16_t, kHashSize> slots_{};
    int size_ = 0;
};
} // namespace

TBitmapFileImage ReduceBitmapColors(const TBitmapFileImage& rgb)
{
    if (rgb.bitCount != 24 || rgb.width <= 0 || rgb.height <= 0)
        throw EInvalidGraphic("Bitmap image is not valid");
    std::size_t inRow = static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(rgb.width), 24));
    if (rgb.pixels.size() < inRow * static_cast<std::size_t>(rgb.height))
        throw EInvalidGraphic("Bitmap image is not valid");

    auto histogram = std::make_unique<THistogram>();
    while (!histogram->Count(rgb, inRow))
        histogram->Narrow();

    TBitmapFileImage out;
    out.width = rgb.width, out.height = rgb.height, out.bitCount = 8;
    out.palette = histogram->MakePalette();
    std::size_t outRow = static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(rgb.width), 8));
    out.pixels.assign(outRow * static_cast<std::size_t>(rgb.height), 0);
    for (int y = 0; y < rgb.height; ++y) {
        const std::uint8_t* p = rgb.pixels.data() + static_cast<std::size_t>(y) * inRow;
        std::uint8_t* q = out.pixels.data() + static_cast<std::size_t>(y) * outRow;
        for (int x = 0; x < rgb.width; ++x, p += 3)
            q[x] = histogram->IndexOf(p);
    }
    return out;
}
