// Any size, insets, edges, border style and shadow: the strips and the hole
// cover the rectangle exactly and never overlap, nothing comes out inverted,
// draw bounds never have their bottom above the top, and no sum overflows
// (UBSan traps it).
#include <algorithm>
#include <cstdint>

#include "editors/edit/container/cxcontainergeometry.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

bool Empty(const TRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

// Two 33-bit sides multiply past 64 bits.
__int128 Area(const TRect& r)
{
    return Empty(r) ? 0 : static_cast<__int128>(std::int64_t{r.right} - r.left) * (std::int64_t{r.bottom} - r.top);
}

TRect Intersection(const TRect& a, const TRect& b)
{
    return TRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
}

bool Inverted(const TRect& r)
{
    return r.right < r.left || r.bottom < r.top;
}

bool Inside(const TRect& part, const TRect& r)
{
    return part.left >= r.left && part.top >= r.top && part.right <= r.right && part.bottom <= r.bottom;
}

// The strips lie inside rect, are none of them empty or inverted, overlap
// neither each other nor the hole, and with the hole fill rect.
void CheckStrips(const TRect& rect, const TRect& hole)
{
    const auto strips = cxRectStripsExcept(rect, hole);
    Check(strips.Count >= 0 && strips.Count <= 4);
    const TRect cut = Intersection(rect, hole);
    __int128 covered = Area(cut);
    for (int i = 0; i < strips.Count; ++i) {
        const TRect& s = strips.Items[i];
        Check(!Empty(s) && Inside(s, rect));
        Check(Empty(Intersection(s, cut)));
        for (int j = 0; j < i; ++j)
            Check(Empty(Intersection(s, strips.Items[j])));
        covered += Area(s);
    }
    if (Empty(rect))
        Check(strips.Count == 0);
    else
        Check(covered == Area(rect));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int width = Take<std::int32_t>(data, size), height = Take<std::int32_t>(data, size);
    const auto flags = Take<std::uint16_t>(data, size);
    TcxContainerFrame frame;
    frame.FrameStyle = static_cast<TcxContainerBorderStyle>(Take<std::uint8_t>(data, size) % 8);
    frame.NormalBorderStyle = static_cast<TcxContainerBorderStyle>(Take<std::uint8_t>(data, size) % 8);
    frame.FrameWidth = flags & 0x100 ? 1 : GetContainerBorderWidth(frame.FrameStyle);
    frame.Edges = flags & cxBordersAll;
    frame.ActiveBorderShown = flags & 0x10;
    frame.NormalBorderShown = flags & 0x20;
    frame.TransparentBorder = flags & 0x40;
    frame.Themed = flags & 0x80;
    frame.Skinned = flags & 0x100;
    frame.Shadow = flags & 0x200;
    frame.Inplace = flags & 0x400;

    const TRect outer{0, 0, width, height};
    TcxContainerInsets insets = cxContainerContentInsets(frame);
    Check(insets.Left >= 0 && insets.Top >= 0 && insets.Right >= 0 && insets.Bottom >= 0);
    // Insets of any size, also beyond the control.
    if (flags & 0x800)
        insets = {Take<std::int32_t>(data, size), Take<std::int32_t>(data, size), Take<std::int32_t>(data, size),
                  Take<std::int32_t>(data, size)};
    const TRect inner = cxRectDeflatedByInsets(outer, insets);
    Check(!Inverted(inner));
    CheckStrips(outer, inner);
    Check(!Inverted(cxContainerControlRect(outer, insets, frame.FrameStyle, frame.Edges)));

    const TRect bounds = cxContainerDrawBounds(width, height, frame);
    Check(bounds.bottom >= bounds.top);

    // Any hole, any rectangle.
    const TRect rect{Take<std::int32_t>(data, size), Take<std::int32_t>(data, size), Take<std::int32_t>(data, size),
                     Take<std::int32_t>(data, size)};
    const TRect hole{Take<std::int32_t>(data, size), Take<std::int32_t>(data, size), Take<std::int32_t>(data, size),
                     Take<std::int32_t>(data, size)};
    CheckStrips(rect, hole);

    const auto part = cxInnerControlVisiblePart(rect, hole);
    Check(part.Rect.right >= part.Rect.left && part.Rect.bottom >= part.Rect.top);
    Check(part.Rect.left >= 0 && part.Rect.top >= 0);

    const auto frameRects = cxContainerFrameRects(inner, frame.FrameWidth, frame.Edges);
    Check(!Inverted(frameRects.ShadowFrom) && !Inverted(frameRects.Border));
    for (const TRect& s : cxContainerShadowRects(frameRects.ShadowFrom))
        Check(!Inverted(s));
    return 0;
}
