// TGIF_Frame.DecodeToDib: a frame's data as a bitmap file image.
#include "images/gifdib.h"

#include <vector>

#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"
#include "images/gifdecode.h"
#include "images/gifstrings.h"
#include "images/gifunit.h"

namespace {
constexpr TColor kUnusedSlot = 0x808080;
constexpr std::uint32_t kFileHeaderSize = 14, kInfoHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Frees the decoder's pixel block on every way out.
struct TMemBlock {
    void* block;
    ~TMemBlock() { FreeMemBlock(block); }
};
} // namespace

int GifDibBits(int colorBits)
{
    if (colorBits == 1)
        return 1;
    if (colorBits >= 2 && colorBits <= 4)
        return 4;
    if (colorBits >= 5 && colorBits <= 8)
        return 8;
    RaiseGifError(SGifBadColorCount);
}

TColor GifDibSlotColor(const TGifColorTable& table, int slot)
{
    return static_cast<std::uint32_t>(slot) < table.count ? GifEntryColor(table.entries[slot]) : kUnusedSlot;
}

TColor GifTransparentSlotColor(const TGifColorTable& table, int colorBits, int slot)
{
    int slots = 1 << GifDibBits(colorBits);
    auto taken = [&](TColor color, bool countSlot) {
        for (int i = 0; i < slots; ++i)
            if ((i != slot || countSlot) && GifDibSlotColor(table, i) == color)
                return true;
        return false;
    };
    TColor color = GifDibSlotColor(table, slot);
    if (!taken(color, false))
        return color;
    // At most 256 slots: one of 257 neighbours of the colour is free.
    for (TColor k = 1;; ++k)
        if (!taken(color ^ k, true))
            return color ^ k;
}

void TGIF_FrameModel::DecodeToDib(TStream& dest)
{
    const TGIF_Item& item = *item_;
    int bits = GifDibBits(item.colorBits);
    std::uint64_t rowSize = BitmapRowSize(static_cast<std::uint64_t>(item.width), bits);
    std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(item.height);
    if (imageSize > kMaxBitmapBytes)
        throw EOutOfMemory("Out of memory (" + std::to_string(item.width) + " x " + std::to_string(item.height) +
                           " GIF frame)");
    std::uint32_t slots = 1u << bits;
    std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * slots;

    std::vector<std::uint8_t> head;
    // File header.
    Put16(head, 0x4D42);
    Put32(head, static_cast<std::uint32_t>(imageSize) + pixelOffset);
    Put32(head, 0);
    Put32(head, pixelOffset);
    // Info header, rows bottom-up.
    Put32(head, kInfoHeaderSize);
    Put32(head, static_cast<std::uint32_t>(item.width));
    Put32(head, static_cast<std::uint32_t>(item.height));
    Put16(head, 1);
    Put16(head, static_cast<std::uint32_t>(bits));
    Put32(head, 0);
    Put32(head, static_cast<std::uint32_t>(imageSize));
    for (int i = 0; i < 4; ++i)
        Put32(head, 0);
    // Colour table: blue, green, red, 0.
    for (std::uint32_t i = 0; i < slots; ++i) {
        TColor c = static_cast<int>(i) == transparentIndex_ ? transparentColor_ : GifDibSlotColor(*item.table, static_cast<int>(i));
        head.push_back(static_cast<std::uint8_t>(c >> 16));
        head.push_back(static_cast<std::uint8_t>(c >> 8));
        head.push_back(static_cast<std::uint8_t>(c));
        head.push_back(0);
    }
    dest.WriteBuffer(head.data(), head.size());

    TMemBlock pixels{AllocMemBlock(static_cast<std::int64_t>(imageSize))};
    TLzwPixelBuffer out{static_cast<std::uint8_t*>(pixels.block), item.width, item.height, bits,
                        static_cast<std::size_t>(rowSize)};
    TMemoryStream* data = item.data.get();
    try {
        corrupted |= LzwDecodeImage(data ? data->Memory() : nullptr, data ? static_cast<std::size_t>(data->Size()) : 0,
                                    interlaced, out, image_ ? image_->onProgress : TGifProgress{});
    } catch (...) {
        dest.WriteBuffer(pixels.block, static_cast<std::size_t>(imageSize));
        throw;
    }
    dest.WriteBuffer(pixels.block, static_cast<std::size_t>(imageSize));
}
