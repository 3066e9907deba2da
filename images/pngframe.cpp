#include "images/pngframe.h"

#include "classlib/streams.h"
#include "images/pngimage.h"

TPngFrame PngDecodeFrame(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, size);
    stream.SetPosition(0);
    TPNGImage image;
    image.LoadFromStream(stream);
    TPngFrame frame{image.Width(), image.Height(), {}};
    frame.pixels.reserve(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height));
    const TPNGTransparencyMode mode = image.TransparencyMode();
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const std::uint32_t color = image.Pixel(x, y);
            std::uint32_t alpha = mode == TPNGTransparencyMode::ptmPartial ? image.PixelAlpha(x, y)
                                  : mode == TPNGTransparencyMode::ptmBit && image.IsTransparentPixel(x, y) ? 0
                                                                                                           : 255;
            frame.pixels.push_back(alpha << 24 | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF));
        }
    return frame;
}
