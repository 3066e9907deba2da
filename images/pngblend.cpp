#include "images/pngblend.h"

#include <vector>

#include "images/pngimage.h"

int PngSourceIndex(int at, int span, int size)
{
    if (span <= 0 || size <= 0)
        return 0;
    std::int64_t index = (2 * std::int64_t{at} * size + span) / (2 * std::int64_t{span});
    return static_cast<int>(index < size ? index : size - 1);
}

void PngBlendPartial(const TPNGImage& image, std::uint8_t* bits, int width, int height, std::size_t stride)
{
    const int imageWidth = image.Width(), imageHeight = image.Height();
    if (imageWidth == 0 || imageHeight == 0)
        return;
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] = PngSourceIndex(x, width, imageWidth);
    for (int y = 0; y < height; ++y) {
        const int sy = PngSourceIndex(y, height, imageHeight);
        std::uint8_t* pixel = bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x, pixel += 4) {
            const int sx = columns[static_cast<std::size_t>(x)];
            const int alpha = image.PixelAlpha(sx, sy);
            if (alpha == 0)
                continue;
            const std::uint32_t color = image.Pixel(sx, sy);
            pixel[0] = PngBlendChannel(static_cast<int>(color >> 16 & 0xFF), pixel[0], alpha);
            pixel[1] = PngBlendChannel(static_cast<int>(color >> 8 & 0xFF), pixel[1], alpha);
            pixel[2] = PngBlendChannel(static_cast<int>(color & 0xFF), pixel[2], alpha);
        }
    }
}
