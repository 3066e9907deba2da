#include "editors/foundation/graphics/cxcanvasgeometry.h"

#include <algorithm>

namespace {

int FloorDiv(int a, int b)
{
    int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool IsEmpty(const TRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace

void cxForEachTile(const TRect& r, int w, int h, const std::function<void(const TRect& part, int sx, int sy)>& f)
{
    if (IsEmpty(r) || w <= 0 || h <= 0)
        return;
    for (long long row = FloorDiv(r.top, h); row <= FloorDiv(r.bottom - 1, h); ++row)
        for (long long col = FloorDiv(r.left, w); col <= FloorDiv(r.right - 1, w); ++col) {
            long long x = col * w, y = row * h;
            TRect part{static_cast<int>(std::max<long long>(x, r.left)), static_cast<int>(std::max<long long>(y, r.top)),
                       static_cast<int>(std::min<long long>(x + w, r.right)),
                       static_cast<int>(std::min<long long>(y + h, r.bottom))};
            f(part, static_cast<int>(part.left - x), static_cast<int>(part.top - y));
        }
}

void cxForEachFrameStrip(const TRect& r, int width, unsigned borders, const std::function<void(const TRect&)>& f)
{
    if (IsEmpty(r))
        return;
    auto inside = [](long long v, int lo, int hi) { return static_cast<int>(std::clamp<long long>(v, lo, hi)); };
    if (borders & bLeft)
        f(TRect{r.left, r.top, inside(static_cast<long long>(r.left) + width, r.left, r.right), r.bottom});
    if (borders & bRight)
        f(TRect{inside(static_cast<long long>(r.right) - width, r.left, r.right), r.top, r.right, r.bottom});
    if (borders & bTop)
        f(TRect{r.left, r.top, r.right, inside(static_cast<long long>(r.top) + width, r.top, r.bottom)});
    if (borders & bBottom)
        f(TRect{r.left, inside(static_cast<long long>(r.bottom) - width, r.top, r.bottom), r.right, r.bottom});
}

TRect cxRectInsideBorders(const TRect& r, int width, unsigned borders)
{
    auto w = [&](unsigned side) { return borders & side ? width : 0; };
    return cxRectInflatedBy(r, -w(bLeft), -w(bTop), -w(bRight), -w(bBottom));
}
