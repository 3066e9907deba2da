#include "editors/foundation/painters/cxpaintergeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

TRect Strip(int left, int top, int width, int height)
{
    return TRect{left, top, left + width, top + height};
}

TcxPoint PointAt(double x, double y)
{
    return TcxPoint{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

} // namespace

bool cxRectIsEmpty(const TRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

TRect cxRectShrunk(const TRect& r, int by)
{
    return cxRectInflated(r, -by, -by);
}

TcxButtonState cxValidButtonState(int state)
{
    return state >= cxbsDefault && state <= cxbsDisabled ? static_cast<TcxButtonState>(state) : cxbsNormal;
}

TcxLookAndFeelKind cxLookAndFeelKindOf(TcxLookAndFeelStyle style)
{
    static constexpr TcxLookAndFeelKind kinds[] = {lfFlat, lfStandard, lfUltraFlat, lfStandard, lfOffice11};
    return style <= lfsOffice11 ? kinds[style] : lfStandard;
}

TcxArrowDirection cxScrollArrowDirection(bool horizontal, TcxScrollBarPart part)
{
    static constexpr TcxArrowDirection table[2][2] = {{adUp, adDown}, {adLeft, adRight}};
    return table[horizontal][part == sbpLineDown];
}

std::vector<TRect> cxArrowStrips(const TRect& bounds, int direction, bool square)
{
    if (direction < adUp || direction > adRight || cxRectIsEmpty(bounds))
        return {};
    TRect r = bounds;
    if (square) {
        const int w = cxRectGetWidth(r), h = cxRectGetHeight(r);
        if (w > h)
            r = TRect{r.left + (w - h) / 2, r.top, r.left + (w - h) / 2 + h, r.bottom};
        else
            r = TRect{r.left, r.top + (h - w) / 2, r.right, r.top + (h - w) / 2 + w};
    }
    const bool vertical = direction == adUp || direction == adDown;
    const int across = vertical ? cxRectGetWidth(r) : cxRectGetHeight(r);
    const int along = vertical ? cxRectGetHeight(r) : cxRectGetWidth(r);
    const int size = (across - 1) / 4 + 1;
    const int base = 2 * size - 1;
    const int start = (vertical ? r.left : r.top) + (across - base) / 2;
    const int tipAt = (vertical ? r.top : r.left) + (along - size) / 2;
    const bool tipFirst = direction == adUp || direction == adLeft;
    std::vector<TRect> strips;
    for (int i = 0; i < size; ++i) {
        const int offset = tipFirst ? tipAt + i : tipAt + size - 1 - i;
        const int from = start + size - 1 - i, length = 2 * i + 1;
        strips.push_back(vertical ? Strip(from, offset, length, 1) : Strip(offset, from, 1, length));
    }
    return strips;
}

std::vector<TRect> cxExpandCrossStrips(const TRect& r, bool expanded)
{
    const int half = (cxRectGetWidth(r) - 4) / 2;
    if (cxRectIsEmpty(r) || half < 0)
        return {};
    const int cx = cxMidpoint(r.left, r.right), cy = cxMidpoint(r.top, r.bottom);
    std::vector<TRect> strips{TRect{cx - half, cy, cx + half + 1, cy + 1}};
    if (!expanded)
        strips.push_back(TRect{cx, cy - half, cx + 1, cy + half + 1});
    return strips;
}

std::vector<TRect> cxCheckMarkStrips(const TRect& r)
{
    // Columns of the mark from its left end: down for three, then up.
    static constexpr int tops[] = {2, 3, 4, 3, 2, 1, 0};
    constexpr int width = 7, height = 7, stroke = 3;
    if (cxRectIsEmpty(r))
        return {};
    const int left = r.left + (cxRectGetWidth(r) - width) / 2, top = r.top + (cxRectGetHeight(r) - height) / 2;
    std::vector<TRect> strips;
    for (int x = 0; x < width; ++x)
        strips.push_back(Strip(left + x, top + tops[x], 1, stroke));
    return strips;
}

std::vector<TRect> cxIndicatorCustomizeMarkStrips(const TRect& r)
{
    if (cxRectIsEmpty(r))
        return {};
    const int top = (r.top + r.bottom - 9) / 2;
    std::vector<TRect> strips;
    for (int i = 0; i < 5; ++i) {
        const int lead = i % 2 == 0 ? 1 : 0;
        if (r.right - 3 > r.left + 3 - lead)
            strips.push_back(TRect{r.left + 3 - lead, top + 2 * i, r.right - 3, top + 2 * i + 1});
    }
    return strips;
}

TRect cxButtonTextRect(const TRect& face, int pressedShift)
{
    constexpr int liftBelow = 18;
    TRect r = face;
    if (cxRectGetHeight(r) % 2 != 0)
        --r.bottom;
    if (cxRectGetHeight(r) < liftBelow)
        --r.top;
    return cxRectOffsetBy(r, pressedShift, pressedShift);
}

TcxSortMarkShape cxSortMarkShape(const TRect& r, int width, int height, bool ascending)
{
    TcxSortMarkShape shape;
    if (width < 2 || height < 2 || cxRectIsEmpty(r))
        return shape;
    const TRect box = cxRectCenteredWH(r, width, height);
    for (int i = 0; i < height; ++i) {
        // Row i from the tip: how far each side stands in from the box's edges.
        const int inset = (height - 1 - i) * (width - 1) / (2 * (height - 1));
        const int y = ascending ? box.top + i : box.bottom - 1 - i;
        shape.Shaded.push_back(Strip(box.left + inset, y, 1, 1));
        shape.Lit.push_back(Strip(box.right - 1 - inset, y, 1, 1));
    }
    // The base: lit below an upward mark, shaded above a downward one.
    const TRect base = ascending ? Strip(box.left, box.bottom - 1, width, 1) : Strip(box.left, box.top, width, 1);
    (ascending ? shape.Lit : shape.Shaded).push_back(base);
    return shape;
}

TcxClockShape cxClockShape(const TRect& r, int hours, int minutes, int seconds)
{
    constexpr double pi = std::numbers::pi;
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    const double rx = cxRectGetWidth(r) / 2.0 - 2, ry = cxRectGetHeight(r) / 2.0 - 2;
    TcxClockShape shape{};
    shape.Center = PointAt(cx, cy);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * pi * (i * 5) / 60;
        shape.Dots[i] = PointAt(cx + rx * std::cos(a), cy + ry * std::sin(a));
    }
    auto hand = [&](double angle, double width, double inner, double outer) {
        const double c = std::cos(angle), s = std::sin(angle), half = width / 2;
        return std::array<TcxPoint, 4>{
            PointAt(cx + outer * rx * c, cy + outer * ry * s),
            PointAt(cx - half * s, cy + half * c),
            PointAt(cx - inner * rx * c, cy - inner * ry * s),
            PointAt(cx + half * s, cy - half * c),
        };
    };
    const double hourAngle = ((hours % 12) * 3600 + minutes * 60 + seconds - 10800) * 2 * pi / 43200;
    const double minuteAngle = (minutes * 60 + seconds - 900) * 2 * pi / 3600;
    const double secondAngle = (seconds - 15) * 2 * pi / 60;
    shape.HourHand = hand(hourAngle, 9, 0.15, 0.75);
    shape.MinuteHand = hand(minuteAngle, 7, 0.2, 0.85);
    shape.SecondHandEnd = PointAt(cx + 0.9 * rx * std::cos(secondAngle), cy + 0.9 * ry * std::sin(secondAngle));
    return shape;
}

TRect cxMaskBounds(const std::vector<bool>& mask, int width, int height)
{
    TRect box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (mask[static_cast<std::size_t>(y) * width + x])
                box = TRect{std::min<int>(box.left, x), std::min<int>(box.top, y), std::max<int>(box.right, x + 1),
                            std::max<int>(box.bottom, y + 1)};
    return cxRectIsEmpty(box) ? TRect{0, 0, width, height} : box;
}

std::vector<std::uint8_t> cxRadioPattern(const std::vector<bool>& mask, int width, int height, const TRect& dot)
{
    std::vector<std::uint8_t> codes(static_cast<std::size_t>(width) * height, rpOutside);
    auto at = [&](int x, int y) -> std::uint8_t& { return codes[static_cast<std::size_t>(y) * width + x]; };
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && mask[static_cast<std::size_t>(y) * width + x];
    };
    // Below the anti-diagonal from the top-right to the bottom-left corner.
    auto below = [&](int i, int j) {
        return static_cast<long long>(height - 1) * (width - j - 1) < static_cast<long long>(i) * (width - 1);
    };
    auto onDiagonal = [&](int i, int j) {
        return static_cast<long long>(height - 1) * (width - j - 1) == static_cast<long long>(i) * (width - 1);
    };
    auto touches = [&](int x, int y, auto&& test) {
        return test(x - 1, y) || test(x + 1, y) || test(x, y - 1) || test(x, y + 1);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (inside(x, y))
                at(x, y) = touches(x, y, [&](int u, int v) { return !inside(u, v); })
                               ? (below(y, x) ? rpOuterDark : rpOuterLight)
                               : rpBody;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (at(x, y) == rpBody && touches(x, y, [&](int u, int v) {
                    return inside(u, v) && (at(u, v) == rpOuterLight || at(u, v) == rpOuterDark);
                }))
                at(x, y) = onDiagonal(y, x) ? (2 * x < width ? rpInnerLight : rpInnerDark)
                                            : (below(y, x) ? rpInnerDark : rpInnerLight);
    for (int y = std::max<int>(dot.top, 0); y < std::min<int>(dot.bottom, height); ++y)
        for (int x = std::max<int>(dot.left, 0); x < std::min<int>(dot.right, width); ++x)
            if (at(x, y) != rpOutside)
                at(x, y) = rpDot;
    return codes;
}

int cxRadioImageIndex(TcxLookAndFeelKind kind, TcxButtonState state, bool checked, bool focused, bool tracked)
{
    const int s = state == cxbsDefault ? cxbsNormal : cxValidButtonState(state);
    const int k = kind <= lfOffice11 ? kind : lfStandard;
    return s + k * 8 + checked * 4 + focused * 32 + tracked * 64 - 1;
}
