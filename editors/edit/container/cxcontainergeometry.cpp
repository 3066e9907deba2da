#include "editors/edit/container/cxcontainergeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int Clamp32(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

bool IsEmpty(const TRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

// Insets beyond the control leave an empty rectangle, never an inverted one:
// a region or clip made from one would cover the wrong part.
TRect Collapsed(const TRect& r)
{
    return TRect{r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

TcxContainerInsets Uniform(int v)
{
    return {v, v, v, v};
}

} // namespace

TcxContainerInsets cxContainerContentInsets(const TcxContainerFrame& frame)
{
    TcxContainerInsets insets;
    if (frame.TransparentBorder && !frame.Skinned)
        insets = Uniform(cxContainerThinInset);
    else if (!frame.ActiveBorderShown || (frame.Themed && frame.NormalBorderStyle == cbsNone))
        insets = Uniform(0);
    else if (frame.Themed)
        insets = Uniform(cxContainerThinInset);
    else {
        const int width = GetContainerBorderWidth(frame.FrameStyle);
        auto side = [&](unsigned edge) { return frame.Edges & edge ? width : 0; };
        insets = {side(bLeft), side(bTop), side(bRight), side(bBottom)};
    }
    if (frame.Shadow) {
        insets.Right += cxContainerShadowSize;
        insets.Bottom += cxContainerShadowSize;
    }
    return insets;
}

TRect cxRectDeflatedByInsets(const TRect& r, const TcxContainerInsets& insets)
{
    return Collapsed(TRect{Clamp32(std::int64_t{r.left} + insets.Left), Clamp32(std::int64_t{r.top} + insets.Top),
                           Clamp32(std::int64_t{r.right} - insets.Right),
                           Clamp32(std::int64_t{r.bottom} - insets.Bottom)});
}

TRect cxContainerDrawBounds(int width, int height, const TcxContainerFrame& frame)
{
    TRect r{0, 0, width, height};
    if (!frame.Inplace) {
        if (frame.Shadow)
            r = cxRectInflatedBy(r, 0, 0, -cxContainerShadowSize, -cxContainerShadowSize);
        if (frame.NormalBorderShown) {
            if (frame.Themed && frame.TransparentBorder && frame.NormalBorderStyle == cbsNone)
                r = cxRectInflated(r, -cxContainerThinInset, -cxContainerThinInset);
            else if (!frame.Themed && frame.TransparentBorder) {
                const int grow = Clamp32(std::int64_t{frame.FrameWidth} - cxContainerThinInset);
                r = DeflateMissingSides(cxRectInflated(r, grow, grow), frame.FrameWidth, frame.Edges);
            }
        } else if (frame.TransparentBorder)
            r = cxRectInflated(r, -cxContainerThinInset, -cxContainerThinInset);
    }
    if (r.bottom < r.top)
        r = TRect{r.left, 0, r.right, 0};
    return r;
}

TRect cxContainerControlRect(const TRect& outer, const TcxContainerInsets& insets, TcxContainerBorderStyle frameStyle,
                             unsigned edges)
{
    const int width = GetContainerBorderWidth(frameStyle);
    return Collapsed(
        DeflateMissingSides(cxRectInflated(cxRectDeflatedByInsets(outer, insets), width, width), width, edges));
}

TRect DeflateMissingSides(const TRect& r, int width, unsigned sides)
{
    return cxRectInsideBorders(r, width, ~sides & cxBordersAll);
}

TcxVisiblePart cxInnerControlVisiblePart(const TRect& controlBounds, const TRect& alignRect)
{
    const std::int64_t w = std::int64_t{controlBounds.right} - controlBounds.left;
    const std::int64_t h = std::int64_t{controlBounds.bottom} - controlBounds.top;
    auto out = [](std::int64_t by) { return std::max<std::int64_t>(by, 0); };
    const std::int64_t left = out(std::int64_t{alignRect.left} - controlBounds.left);
    const std::int64_t top = out(std::int64_t{alignRect.top} - controlBounds.top);
    // A control wholly outside keeps an empty, never an inverted, rectangle:
    // a region made from an inverted one would show the wrong part.
    const std::int64_t right = std::max(left, w - out(std::int64_t{controlBounds.right} - alignRect.right));
    const std::int64_t bottom = std::max(top, h - out(std::int64_t{controlBounds.bottom} - alignRect.bottom));
    TcxVisiblePart part;
    part.Rect = TRect{Clamp32(left), Clamp32(top), Clamp32(right), Clamp32(bottom)};
    part.Whole = left == 0 && top == 0 && right == w && bottom == h;
    return part;
}

TcxRectStrips cxRectStripsExcept(const TRect& rect, const TRect& hole)
{
    TcxRectStrips strips;
    if (IsEmpty(rect) || cxRectSame(rect, hole))
        return strips;
    const TRect cut{std::max(hole.left, rect.left), std::max(hole.top, rect.top), std::min(hole.right, rect.right),
                    std::min(hole.bottom, rect.bottom)};
    auto add = [&](const TRect& r) {
        if (!IsEmpty(r))
            strips.Items[strips.Count++] = r;
    };
    if (IsEmpty(cut)) {
        add(rect);
        return strips;
    }
    add(TRect{rect.left, rect.top, rect.right, cut.top});
    add(TRect{rect.left, cut.bottom, rect.right, rect.bottom});
    add(TRect{rect.left, cut.top, cut.left, cut.bottom});
    add(TRect{cut.right, cut.top, rect.right, cut.bottom});
    return strips;
}

std::array<TRect, 2> cxContainerShadowRects(const TRect& r)
{
    const int s = cxContainerShadowSize;
    const int left = Clamp32(std::int64_t{r.left} + s), top = Clamp32(std::int64_t{r.top} + s);
    const int right = Clamp32(std::int64_t{r.right} + s), bottom = Clamp32(std::int64_t{r.bottom} + s);
    return {Collapsed(TRect{left, r.bottom, r.right, bottom}), Collapsed(TRect{r.right, top, right, bottom})};
}

TcxContainerFrameRects cxContainerFrameRects(const TRect& inner, int frameWidth, unsigned sides)
{
    auto grow = [&](unsigned side) { return sides & side ? frameWidth : 0; };
    TcxContainerFrameRects rects;
    rects.ShadowFrom = Collapsed(cxRectInflatedBy(inner, frameWidth, frameWidth, grow(bRight), grow(bBottom)));
    rects.Border =
        Collapsed(cxRectInflatedBy(rects.ShadowFrom, 0, 0, frameWidth - grow(bRight), frameWidth - grow(bBottom)));
    return rects;
}
