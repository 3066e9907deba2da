#include "images/gifpixels.h"

#include "classlib/bitmapfile.h"

TGifFramePixels GifFramePixels(TGIF_FrameModel& frame)
{
    TMemoryStream dib;
    frame.DecodeToDib(dib);
    dib.SetPosition(0);
    TBitmapFileImage b = ReadBitmapFile(dib);
    TGifFramePixels p{b.width, b.height, {}, b.palette};
    std::size_t rowSize = static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(b.width), b.bitCount));
    const int mask = (1 << b.bitCount) - 1;
    p.indices.reserve(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height));
    for (int y = 0; y < b.height; ++y) {
        const std::uint8_t* row = b.pixels.data() + static_cast<std::size_t>(b.height - 1 - y) * rowSize;
        for (int x = 0; x < b.width; ++x) {
            int bit = x * b.bitCount;
            p.indices.push_back(static_cast<std::uint8_t>(row[bit / 8] >> (8 - b.bitCount - bit % 8) & mask));
        }
    }
    return p;
}
