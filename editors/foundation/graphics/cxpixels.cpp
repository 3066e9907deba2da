#include "editors/foundation/graphics/cxpixels.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

int Channel(std::uint32_t pixel, int i)
{
    return static_cast<int>(pixel >> (8 * i) & 0xFF);
}

std::uint32_t Quad(int b, int g, int r, int a)
{
    auto c = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return c(b) | c(g) << 8 | c(r) << 16 | c(a) << 24;
}

// Rounds half to even, as the library does.
int Round(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

std::uint32_t Grey(std::uint32_t p, double wr, double wg, double wb)
{
    int grey = Round(wr * Channel(p, 2) + wg * Channel(p, 1) + wb * Channel(p, 0));
    return Quad(grey, grey, grey, Channel(p, 3));
}

bool IsTransparent(std::uint32_t p, const TcxFilterColors& colors)
{
    return p == colors.Transparent ||
           std::find(colors.TransparentRGBs.begin(), colors.TransparentRGBs.end(), p & 0xFFFFFF) !=
               colors.TransparentRGBs.end();
}

std::uint32_t Filter(std::uint32_t p, int x, int y, TcxFilterKind kind, const TcxFilterColors& colors)
{
    bool transparent = IsTransparent(p, colors);
    switch (kind) {
    case cxfkLighten:
        if (transparent)
            return p;
        if (Channel(p, 3) == 255) {
            auto lift = [&](int i) { return Channel(p, i) + (255 - Channel(p, i)) * 3 / 10; };
            return Quad(lift(0), lift(1), lift(2), 255);
        }
        return Quad(Channel(p, 0) * 200 / 255, Channel(p, 1) * 200 / 255, Channel(p, 2) * 200 / 255,
                    Channel(p, 3) * 200 / 255);
    case cxfkDisable:
        return transparent ? p : cxBlendPixel((colors.Shadow & 0xFFFFFF) | 0xC0000000, Grey(p, 0.299, 0.587, 0.114), 238);
    case cxfkAverageGrey: {
        if (transparent)
            return p;
        int grey = (Channel(p, 0) + Channel(p, 1) + Channel(p, 2)) / 3;
        return Quad(grey, grey, grey, Channel(p, 3));
    }
    case cxfkOpaque:
        return p | 0xFF000000;
    case cxfkMask:
        return transparent ? 0xFFFFFFFF : 0;
    case cxfkGrey:
        return transparent ? p : Grey(p, 0.299, 0.587, 0.114);
    case cxfkGreyBlue:
        return transparent ? p : Grey(p, 0.0729, 0.7146, 0.2125);
    case cxfkFixAlpha:
        return !transparent && Channel(p, 3) == 0 ? p | 0xFF000000 : p;
    case cxfkChecker: {
        int cell = std::max<int>(colors.CheckerSize, 1);
        int i = (x / cell + y / cell) % 2;
        return cxBlendPixel(colors.Checker[i], p, colors.CheckerOpacity[i]);
    }
    case cxfkFill:
        return colors.Transparent;
    }
    throw std::invalid_argument("filter kind");
}

} // namespace

std::uint32_t cxBlendPixel(std::uint32_t colorQuad, std::uint32_t pixel, std::uint8_t opacity)
{
    double c = opacity / 255.0;
    double d = c * Channel(colorQuad, 3);
    double e = 1 - d / 255;
    auto mix = [&](int i) { return Round(c * Channel(colorQuad, i) + e * Channel(pixel, i)); };
    return Quad(mix(0), mix(1), mix(2), Round(d + e * Channel(pixel, 3)));
}

std::uint32_t cxRGBToQuad(std::uint32_t rgb, std::uint8_t alpha)
{
    return Quad(Channel(rgb, 2), Channel(rgb, 1), Channel(rgb, 0), alpha);
}

void cxFilterPixels(TRGBColors& pixels, int width, int height, TcxFilterKind kind, const TcxFilterColors& colors)
{
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return;
    // Column by column, as the checker counts its cells.
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            std::uint32_t& p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            p = Filter(p, x, y, kind, colors);
        }
}

void cxRotatePixels(TRGBColors& pixels, int& width, int& height, int mode, bool flip)
{
    const int w = width, h = height;
    if (w <= 0 || h <= 0 || (mode == 0 && !flip))
        return;
    const bool turns = mode == 1 || mode == 2;
    const int outW = turns ? h : w, outH = turns ? w : h;
    TRGBColors out(pixels.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int col = x, row = y;
            if (mode == 1)
                col = y, row = w - 1 - x;
            else if (mode == 2)
                col = h - 1 - y, row = x;
            else if (mode == 3)
                col = w - 1 - x, row = h - 1 - y;
            if (flip)
                row = outH - 1 - row;
            out[static_cast<std::size_t>(row) * static_cast<std::size_t>(outW) + static_cast<std::size_t>(col)] =
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
        }
    pixels = std::move(out);
    width = outW, height = outH;
}
