#include "images/gifpixels.h"

#include <algorithm>

#include "classlib/bitmapfile.h"
#include "images/gifdib.h"

void GifFrameIndices(TGIF_FrameModel& frame, std::vector<std::uint8_t>& indices)
{
    const TGIF_Item& item = frame.Item();
    int bits = GifDibBits(item.colorBits);
    auto width = static_cast<std::uint64_t>(std::max(item.width, 0));
    auto height = static_cast<std::uint64_t>(std::max(item.height, 0));
    // Refused as the decoded bitmap is, and as a byte a pixel.
    GifCheckFrameBytes(item, std::max(width, BitmapRowSize(width, bits)) * height);
    indices.assign(static_cast<std::size_t>(width * height), 0);
    GifDecodeFrame(frame, {indices.data(), item.width, item.height, 8, static_cast<std::size_t>(width), bits, true});
}

TGifFramePixels GifFramePixels(TGIF_FrameModel& frame)
{
    TGifFramePixels p{frame.Item().width, frame.Item().height, {}, GifDibPalette(frame)};
    GifFrameIndices(frame, p.indices);
    return p;
}
