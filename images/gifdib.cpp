// TGIF_Frame.DecodeToDib: a frame's data as a bitmap file image.
#include "images/gifdib.h"

#include <algorithm>

#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"
#include "images/gifdecode.h"
#include "images/gifstrings.h"
#include "images/gifunit.h"

namespace {
constexpr TColor kUnusedSlot = 0x808080;

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

std::vector<std::uint32_t> GifDibPalette(const TGIF_FrameModel& frame)
{
    const TGIF_Item& item = frame.Item();
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < 1 << GifDibBits(item.colorBits); ++i) {
        TColor c = i == frame.TransparentIndex() ? frame.TransparentColor() : GifDibSlotColor(*item.table, i);
        palette.push_back(static_cast<std::uint32_t>(c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
    }
    return palette;
}

void GifCheckFrameBytes(const TGIF_Item& item, std::uint64_t bytes)
{
    if (bytes > kMaxBitmapBytes)
        throw EOutOfMemory("Out of memory (" + std::to_string(item.width) + " x " + std::to_string(item.height) +
                           " GIF frame)");
}

void GifDecodeFrame(TGIF_FrameModel& frame, const TLzwPixelBuffer& out)
{
    TMemoryStream* data = frame.Item().data.get();
    TGIF_ImageModel* image = frame.Image();
    frame.corrupted |= LzwDecodeImage(data ? data->Memory() : nullptr, data ? static_cast<std::size_t>(data->Size()) : 0,
                                      frame.interlaced, out, image ? image->onProgress : TGifProgress{});
}

void TGIF_FrameModel::DecodeToDib(TStream& dest)
{
    const TGIF_Item& item = *item_;
    int bits = GifDibBits(item.colorBits);
    std::uint64_t rowSize = BitmapRowSize(static_cast<std::uint64_t>(item.width), bits);
    std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(item.height);
    GifCheckFrameBytes(item, imageSize);
    // Colour table: the item's entries, the see-through slot's own colour, grey past the entries.
    TBitmapFileImage header;
    header.width = item.width, header.height = item.height, header.bitCount = bits;
    header.palette = GifDibPalette(*this);
    WriteBitmapFileHeader(dest, header, imageSize);

    // A memory stream takes the rows where they go; any other through a block.
    if (auto* memory = dynamic_cast<TMemoryStream*>(&dest)) {
        std::int64_t start = memory->Position(), end = start + static_cast<std::int64_t>(imageSize);
        memory->SetSize(std::max(memory->Size(), end));
        std::uint8_t* rows = memory->Memory() + start;
        std::fill(rows, rows + imageSize, std::uint8_t{0});
        memory->SetPosition(end);
        GifDecodeFrame(*this, {rows, item.width, item.height, bits, static_cast<std::size_t>(rowSize)});
        return;
    }
    TMemBlock pixels{AllocMemBlock(static_cast<std::int64_t>(imageSize))};
    TLzwPixelBuffer out{static_cast<std::uint8_t*>(pixels.block), item.width, item.height, bits,
                        static_cast<std::size_t>(rowSize)};
    try {
        GifDecodeFrame(*this, out);
    } catch (...) {
        dest.WriteBuffer(pixels.block, static_cast<std::size_t>(imageSize));
        throw;
    }
    dest.WriteBuffer(pixels.block, static_cast<std::size_t>(imageSize));
}
