// Random pixels and palette: encoded and decoded again, every index and
// table entry comes back.
#include <cstdlib>

#include "images/tests/gifbuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    static const int kDepths[] = {1, 4, 8};
    int bitCount = kDepths[data[0] % 3];
    int width = data[1] % 200 + 1, height = data[2] % 200 + 1;
    std::size_t at = 3;
    auto next = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < 1 << bitCount; ++i)
        palette.push_back(static_cast<std::uint32_t>(next()) << 16 | next() << 8 | next());
    std::vector<std::uint8_t> indices;
    for (int i = 0; i < width * height; ++i)
        indices.push_back(static_cast<std::uint8_t>(at < size ? data[at + static_cast<std::size_t>(i) % (size - at)] % (1 << bitCount) : 0));

    TTestGif image;
    EncodeFrame(image.Add(), indices, width, height, bitCount, palette);
    TGIF_ImageModel back;
    ReadGif(back, WriteGif(image));
    TGifFramePixels p = GifFramePixels(back.FrameByIndex(0));
    if (p.indices != indices || back.FrameByIndex(0).corrupted ||
        !std::equal(palette.begin(), palette.end(), p.palette.begin()))
        std::abort();
    return 0;
}
