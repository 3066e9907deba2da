// Any bytes either fail with a codec exception or load; what loads saves and
// loads again into the same header and pixels, and its RGBA rows are the
// pixels the image's own accessors give.
#include <cstdlib>
#include <cstring>

#include "images/pngexceptions.h"
#include "images/pngframe.h"
#include "images/pngheader.h"
#include "images/tests/libpngfiles.h"

namespace {
bool SameStore(const TPNGImage& a, const TPNGImage& b)
{
    const TChunkIHDR& ha = a.RequireHeader();
    const TChunkIHDR& hb = b.RequireHeader();
    const TPngPixelStore& sa = ha.Store();
    const TPngPixelStore& sb = hb.Store();
    if (ha.Width != hb.Width || ha.Height != hb.Height || ha.ColorType != hb.ColorType || sa.dibBits != sb.dibBits)
        return false;
    return std::memcmp(sa.bits, sb.bits, sa.rowSize * static_cast<std::size_t>(sa.height)) == 0 && sa.alpha == sb.alpha
           && sa.low == sb.low;
}

bool RgbaAsAccessorsSay(const TPNGImage& image, const std::uint8_t* data, std::size_t size)
{
    const TPngRgbaFrame frame = PngDecodeRgba(data, size);
    const TPNGTransparencyMode mode = image.TransparencyMode();
    const std::uint8_t* p = frame.rgba.data();
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x, p += 4) {
            const std::uint32_t color = image.Pixel(x, y);
            const int alpha = mode == TPNGTransparencyMode::ptmPartial ? image.PixelAlpha(x, y)
                              : mode == TPNGTransparencyMode::ptmBit && image.IsTransparentPixel(x, y) ? 0
                                                                                                       : 255;
            if (p[0] != (color & 0xFF) || p[1] != (color >> 8 & 0xFF) || p[2] != (color >> 16 & 0xFF) || p[3] != alpha)
                return false;
        }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TPNGImage image;
    try {
        LoadPng(image, std::string(reinterpret_cast<const char*>(data), size));
    } catch (const Exception&) {
        return 0;
    }
    // Small pictures only: the accessors take a call a pixel.
    if (image.Width() * static_cast<std::size_t>(image.Height()) <= 1u << 16 && !RgbaAsAccessorsSay(image, data, size))
        std::abort();
    TPNGImage again;
    LoadPng(again, SavePng(image));
    if (!SameStore(image, again))
        std::abort();
    return 0;
}
