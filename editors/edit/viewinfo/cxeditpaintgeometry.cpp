#include "editors/edit/viewinfo/cxeditpaintgeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int Clamp32(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

// The rectangle x, y, x + w, y + h kept inside 32 bits.
TRect RectAt(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h)
{
    return TRect{Clamp32(x), Clamp32(y), Clamp32(x + w), Clamp32(y + h)};
}

bool Vertical(TcxArrowDirection direction)
{
    return direction == adUp || direction == adDown;
}

} // namespace

TRect cxCenteredIn(const TRect& r, int width, int height)
{
    const std::int64_t spareX = std::int64_t{r.right} - r.left - width;
    const std::int64_t spareY = std::int64_t{r.bottom} - r.top - height;
    // Floor halves, so a glyph larger than r overhangs it evenly.
    auto half = [](std::int64_t v) { return v >= 0 ? v / 2 : (v - 1) / 2; };
    return RectAt(r.left + half(spareX), r.top + half(spareY), width, height);
}

std::vector<TRect> cxArrowGlyphStrips(const TRect& r, const TSize& size, TcxArrowDirection direction, bool pressed,
                                      int count)
{
    std::vector<TRect> strips;
    if (size.cx <= 0 || size.cy <= 0 || count <= 0 || direction > adRight)
        return strips;
    const bool vertical = Vertical(direction);
    // base runs across the direction, height along it.
    const int base = vertical ? size.cx : size.cy;
    const int height = vertical ? size.cy : size.cx;
    const std::int64_t total = std::int64_t{height} * count;
    const int alongExtent = Clamp32(total);
    const TRect box = vertical ? cxCenteredIn(r, base, alongExtent) : cxCenteredIn(r, alongExtent, base);
    const int shift = pressed ? 1 : 0;
    const std::int64_t across0 = (vertical ? box.left : box.top) + std::int64_t{shift};
    const std::int64_t along0 = (vertical ? box.top : box.left) + std::int64_t{shift};
    // Up and left arrows have their tip first along the axis.
    const bool tipFirst = direction == adUp || direction == adLeft;
    for (int arrow = 0; arrow < count; ++arrow)
        for (int step = 0; step < height; ++step) {
            const int length = base - 2 * step;
            if (length <= 0)
                break;
            const std::int64_t row = tipFirst ? std::int64_t{arrow} * height + (height - 1 - step)
                                              : std::int64_t{arrow} * height + step;
            const std::int64_t across = across0 + step;
            strips.push_back(vertical ? RectAt(across, along0 + row, length, 1)
                                      : RectAt(along0 + row, across, 1, length));
        }
    return strips;
}

std::array<TRect, 3> cxEllipsisDots(const TRect& content)
{
    const int side = std::int64_t{content.right} - content.left <= 11 ? 1 : 2;
    constexpr int gap = 2;
    const TRect row = cxCenteredIn(content, 3 * side + 2 * gap, side);
    std::array<TRect, 3> dots;
    for (int i = 0; i < 3; ++i)
        dots[static_cast<std::size_t>(i)] = RectAt(std::int64_t{row.left} + i * (side + gap), row.top, side, side);
    return dots;
}

std::vector<TRect> cxPolyLineStrips(const std::vector<TcxPoint>& points)
{
    std::vector<TRect> strips;
    auto span = [&](std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
        strips.push_back(RectAt(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) - std::min(x1, x2) + 1,
                                std::max(y1, y2) - std::min(y1, y2) + 1));
    };
    if (points.size() == 1)
        span(points[0].X, points[0].Y, points[0].X, points[0].Y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const TcxPoint a = points[i - 1], b = points[i];
        if (a.X == b.X || a.Y == b.Y)
            span(a.X, a.Y, b.X, b.Y);
        else {
            span(a.X, a.Y, b.X, a.Y);
            span(b.X, a.Y, b.X, b.Y);
        }
    }
    return strips;
}
