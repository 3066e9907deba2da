#include "editors/edit/viewinfo/cxbuttonlayout.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kSpanMax = kIntMax - kIntMin;

int Clamp32(std::int64_t v)
{
    return static_cast<int>(std::clamp(v, kIntMin, kIntMax));
}

bool IsEmpty(const TRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

// Buttons are placed from the last to the first, each group from its own
// edge inwards: a widened button pushes the buttons of its group placed
// after it, those before it in the collection.
void Widen(std::span<TcxButtonSlot> buttons, std::size_t index, std::int64_t share)
{
    // Shares never exceed the width left inside the laid-out rectangle, so
    // the moved edges stay in 32 bits; the clamp only guards odd input.
    TcxButtonSlot& button = buttons[index];
    const std::int64_t shift = button.LeftAligned ? share : -share;
    for (std::size_t i = 0; i < index; ++i)
        if (buttons[i].LeftAligned == button.LeftAligned) {
            buttons[i].Bounds.left = Clamp32(buttons[i].Bounds.left + shift);
            buttons[i].Bounds.right = Clamp32(buttons[i].Bounds.right + shift);
        }
    if (button.LeftAligned)
        button.Bounds.right = Clamp32(button.Bounds.right + share);
    else
        button.Bounds.left = Clamp32(button.Bounds.left - share);
}

} // namespace

std::int64_t cxSpanWidth(const TRect& r)
{
    return std::max<std::int64_t>(0, std::int64_t{r.right} - r.left);
}

TRect cxPlaceButton(TRect& space, int width, bool leftAligned)
{
    if (IsEmpty(space)) {
        const int x = leftAligned ? space.left : space.right;
        return TRect{x, space.top, x, std::max(space.top, space.bottom)};
    }
    const int w = static_cast<int>(std::clamp<std::int64_t>(width, 0, std::min(cxSpanWidth(space), kIntMax)));
    TRect r = space;
    if (leftAligned) {
        r.right = Clamp32(std::int64_t{r.left} + w);
        space.left = r.right;
    } else {
        r.left = Clamp32(std::int64_t{r.right} - w);
        space.right = r.left;
    }
    return r;
}

void cxStretchButtons(std::span<TcxButtonSlot> buttons, std::int64_t extra)
{
    if (extra <= 0 || buttons.empty())
        return;
    // No rectangle is wider than 2^32 - 1: then width x extra fits 64 unsigned bits.
    extra = std::min<std::int64_t>(extra, kSpanMax);
    const bool anyStretchable =
        std::any_of(buttons.begin(), buttons.end(), [](const TcxButtonSlot& b) { return b.Stretchable; });
    auto shares = [&](const TcxButtonSlot& b) { return !anyStretchable || b.Stretchable; };
    std::int64_t sum = 0, count = 0;
    for (const auto& b : buttons)
        if (shares(b))
            sum += cxSpanWidth(b.Bounds), ++count;
    // The walk runs from the last button to the first; the last one it
    // meets takes the rest.
    std::int64_t left = extra, seen = 0;
    for (std::size_t i = buttons.size(); i-- > 0;) {
        if (!shares(buttons[i]))
            continue;
        ++seen;
        std::int64_t share = left;
        if (seen < count)
            share = sum > 0 ? static_cast<std::int64_t>(static_cast<std::uint64_t>(cxSpanWidth(buttons[i].Bounds)) *
                                                        static_cast<std::uint64_t>(extra) /
                                                        static_cast<std::uint64_t>(sum))
                            : extra / count;
        left -= share;
        Widen(buttons, i, share);
    }
}

TRect cxLayoutButtons(const TRect& space, std::span<const TcxButtonRequest> requests, std::span<TcxButtonSlot> slots,
                      bool stretch)
{
    TRect rest = space;
    const std::size_t n = std::min(requests.size(), slots.size());
    for (std::size_t i = n; i-- > 0;) {
        const bool left = requests[i].LeftAligned && !stretch;
        slots[i] = {cxPlaceButton(rest, requests[i].Width, left), left, requests[i].Stretchable};
    }
    if (stretch && !IsEmpty(rest)) {
        const std::int64_t extra = cxSpanWidth(rest);
        cxStretchButtons(slots.first(n), extra);
        rest.right = rest.left;
    }
    return rest;
}

TcxButtonsExtent cxButtonsExtent(std::span<const TcxButtonSlot> buttons)
{
    std::int64_t left = 0, right = 0;
    for (const auto& b : buttons)
        (b.LeftAligned ? left : right) += cxSpanWidth(b.Bounds);
    return {static_cast<int>(std::min(left, kIntMax)), static_cast<int>(std::min(right, kIntMax))};
}

int cxEditButtonWidth(const TcxButtonWidthParts& p)
{
    const std::int64_t margins = std::max(0, p.Margins);
    std::int64_t w;
    if (p.Width > 0)
        w = std::max<std::int64_t>(p.Width, margins);
    else if (p.GlyphWidth >= 0)
        w = p.GlyphWidth + margins;
    else if (p.TextWidth >= 0)
        w = std::max<std::int64_t>(std::int64_t{p.TextWidth} + 3 + margins, p.SystemWidth);
    else
        w = p.SystemWidth;
    return static_cast<int>(std::clamp<std::int64_t>(w, 0, kIntMax));
}

TSize cxCalcArrowSize(const TSize& size, TcxArrowDirection direction)
{
    std::int64_t base = (std::int64_t{std::min(size.cx, size.cy)} - 1) / 2;
    if (base <= 0)
        return cxMakeSize(0, 0);
    if (base % 2 == 0)
        --base;
    const int b = static_cast<int>(base), h = b / 2 + 1;
    return direction == adLeft || direction == adRight ? cxMakeSize(h, b) : cxMakeSize(b, h);
}

TSize cxEditSize(const TcxEditSizeParts& p)
{
    std::int64_t w = std::int64_t{p.Content.cx} + p.Border.Left + p.Border.Right + p.Buttons.Left + p.Buttons.Right;
    std::int64_t h = std::int64_t{p.Content.cy} + p.Border.Top + p.Border.Bottom;
    h += std::max<std::int64_t>(0, std::int64_t{p.ButtonsHeight} - p.Content.cy);
    if (p.ApplyLimits) {
        const auto& l = p.Limits;
        if (l.MaxWidth != 0)
            w = std::min<std::int64_t>(w, l.MaxWidth);
        if (l.MinWidth != 0)
            w = std::max<std::int64_t>(w, l.MinWidth);
        if (l.MaxHeight != 0)
            h = std::min<std::int64_t>(h, l.MaxHeight);
        if (l.MinHeight != 0)
            h = std::max<std::int64_t>(h, l.MinHeight);
    }
    return cxMakeSize(Clamp32(w), Clamp32(h));
}
