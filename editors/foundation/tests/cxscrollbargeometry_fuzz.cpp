// Any range, page, position, bar size and thumb sizes: every part lies inside
// the bar, positions stay within Min..Max, and a thumb placed for a position
// reads back within one step of it.
#include <cstdint>

#include "editors/foundation/scrollbars/cxscrollbargeometry.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

void CheckInside(const TRect& part, const TRect& bar)
{
    if (part.right <= part.left || part.bottom <= part.top)
        return;
    Check(part.left >= bar.left && part.right <= bar.right && part.top >= bar.top && part.bottom <= bar.bottom);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TcxScrollBarRange range{Take<std::int32_t>(data, size), Take<std::int32_t>(data, size),
                            Take<std::int32_t>(data, size), Take<std::int32_t>(data, size)};
    const TcxScrollBarMetrics metrics{Take<std::int16_t>(data, size), Take<std::int16_t>(data, size),
                                      Take<std::int16_t>(data, size)};
    const auto flags = Take<std::uint8_t>(data, size);
    // A bar on a screen: its far end must fit an int as well.
    const int left = Take<std::int16_t>(data, size), length = Take<std::uint16_t>(data, size);
    const bool horizontal = flags & 1;
    const TRect bar = horizontal ? TRect{left, 0, left + length, 17} : TRect{0, left, 17, left + length};
    if (!cxScrollBarRangeValid(range.Min, range.Max, range.PageSize))
        return 0;
    range.Position = cxScrollBarClampPosition(range, range.Position);

    const auto parts = cxScrollBarLayout(bar, horizontal, true, range, metrics);
    for (const TRect& part : {parts.FirstArrow, parts.SecondArrow, parts.Thumb, parts.PageUp, parts.PageDown})
        CheckInside(part, bar);
    if (!parts.HasThumb())
        return 0;
    const long long start = horizontal ? parts.FirstArrow.right : parts.FirstArrow.bottom;
    const long long end = horizontal ? parts.SecondArrow.left : parts.SecondArrow.top;
    const long long thumbStart = horizontal ? parts.Thumb.left : parts.Thumb.top;
    const long long thumbLength = horizontal ? parts.Thumb.right - parts.Thumb.left : parts.Thumb.bottom - parts.Thumb.top;
    Check(thumbStart >= start && thumbStart + thumbLength <= end);

    const long long track = end - start;
    const int back = cxScrollBarPositionFromThumb(range, thumbStart - start, track, thumbLength);
    Check(back >= range.Min && back <= range.Max);
    if (track > thumbLength) {
        // One pixel of thumb stands for this many positions.
        const long long steps = static_cast<long long>(range.Max) - range.Min + (range.PageSize > 0 ? 1 - range.PageSize : 0);
        const long long step = std::llabs(steps) / (track - thumbLength) + 1;
        const long long expected = std::min<long long>(range.Position, range.Max - (range.PageSize > 0 ? range.PageSize - 1 : 0));
        Check(std::llabs(back - std::max<long long>(expected, range.Min)) <= step);
    }
    // A thumb dragged anywhere along or beyond the track stays in range.
    const long long dragged = static_cast<long long>(Take<std::int32_t>(data, size));
    const int position = cxScrollBarPositionFromThumb(range, dragged, track, thumbLength);
    Check(position >= range.Min && position <= range.Max);
    return 0;
}
