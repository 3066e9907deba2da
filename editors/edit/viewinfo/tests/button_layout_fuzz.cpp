// Any bounds, 0 to 64 buttons of widths 0..2^31-1, either alignment, with
// and without stretching: buttons stay inside the bounds, neither overlap
// each other nor the space left, stretched widths sum to the bounds'
// width exactly, and no sum overflows (UBSan traps it).
#include <algorithm>
#include <cstdint>
#include <vector>

#include "editors/edit/viewinfo/cxbuttonlayout.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

bool Empty(const TRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TRect space{Take<std::int32_t>(data, size), Take<std::int32_t>(data, size), Take<std::int32_t>(data, size),
                      Take<std::int32_t>(data, size)};
    const std::uint8_t flags = Take<std::uint8_t>(data, size);
    const bool stretch = flags & 1;
    const std::size_t count = Take<std::uint8_t>(data, size) % 65;
    std::vector<TcxButtonRequest> requests(count);
    for (auto& r : requests) {
        r.Width = static_cast<int>(Take<std::uint32_t>(data, size) & 0x7FFFFFFF);
        const std::uint8_t bits = Take<std::uint8_t>(data, size);
        r.LeftAligned = bits & 1;
        r.Stretchable = bits & 2;
    }
    std::vector<TcxButtonSlot> slots(count);
    const TRect rest = cxLayoutButtons(space, requests, slots, stretch);

    std::int64_t total = cxSpanWidth(rest);
    for (std::size_t i = 0; i < count; ++i) {
        const TRect& b = slots[i].Bounds;
        Check(b.right >= b.left);
        if (Empty(space)) {
            Check(b.left == b.right);
            continue;
        }
        Check(b.left >= space.left && b.right <= space.right && b.top == space.top && b.bottom == space.bottom);
        Check(b.right <= rest.left || b.left >= rest.right || b.left == b.right);
        for (std::size_t j = 0; j < i; ++j) {
            const TRect& o = slots[j].Bounds;
            Check(b.right <= o.left || o.right <= b.left || b.left == b.right || o.left == o.right);
        }
        total += cxSpanWidth(b);
    }
    if (!Empty(space)) {
        Check(total <= cxSpanWidth(space));
        if (stretch && count > 0)
            Check(total == cxSpanWidth(space));
    }
    const TcxButtonsExtent extent = cxButtonsExtent(slots);
    Check(extent.Left >= 0 && extent.Right >= 0);
    const TSize arrow = cxCalcArrowSize(cxMakeSize(space.right, space.bottom), static_cast<TcxArrowDirection>(flags >> 6));
    Check(arrow.cx >= 0 && arrow.cy >= 0);
    return 0;
}
