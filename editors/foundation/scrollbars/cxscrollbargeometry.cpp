#include "editors/foundation/scrollbars/cxscrollbargeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, as MulDiv, over 64-bit sums; c > 0.
long long MulDivRound(long long a, long long b, long long c)
{
    const bool negative = (a < 0) != (b < 0);
    const unsigned long long ua = static_cast<unsigned long long>(std::llabs(a));
    const unsigned long long ub = static_cast<unsigned long long>(std::llabs(b));
    long long q;
    if (ua < (1ULL << 31) && ub < (1ULL << 31))
        q = static_cast<long long>((ua * ub + static_cast<unsigned long long>(c) / 2) / static_cast<unsigned long long>(c));
    else
        q = std::llround(static_cast<long double>(ua) * static_cast<long double>(ub) / static_cast<long double>(c));
    return negative ? -q : q;
}

bool PtIn(const TRect& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

int Clamp(long long v, long long lo, long long hi)
{
    return static_cast<int>(std::clamp(v, lo, std::max(lo, hi)));
}

struct TThumb {
    long long Offset = 0, Length = 0;
};

TThumb ThumbAlongTrack(long long track, const TcxScrollBarRange& range, const TcxScrollBarMetrics& metrics)
{
    const long long min = range.Min, max = range.Max;
    const long long fromMin = std::max(0LL, static_cast<long long>(range.Position) - min);
    TThumb t;
    if (range.PageSize > 0) {
        const long long span = max - min + 1;
        if (span <= 0 || track < metrics.MinThumbSize || max == min)
            return {};
        t.Length = std::max<long long>(std::min(track, MulDivRound(range.PageSize, track, span)), metrics.MinThumbSize);
        // Zero when the page covers the whole range: the thumb then fills the track.
        const long long d = max - min - range.PageSize + 1;
        t.Offset = d <= 0 ? 0 : MulDivRound(track - t.Length, std::min(fromMin, d), d);
    } else {
        // An empty range shows no thumb either.
        t.Length = metrics.ThumbSize;
        if (track < t.Length || max <= min)
            return {};
        t.Offset = track - t.Length <= 0 ? 0 : MulDivRound(track - t.Length, fromMin, max - min);
    }
    if (t.Length <= 0 || t.Length > track)
        return {};
    t.Offset = std::clamp(t.Offset, 0LL, track - t.Length);
    return t;
}

} // namespace

bool cxScrollBarRangeValid(int min, int max, int pageSize)
{
    return max >= min && max >= pageSize;
}

int cxScrollBarClampPosition(const TcxScrollBarRange& range, long long position)
{
    return Clamp(position, range.Min, range.Max);
}

TcxScrollBarParts cxScrollBarLayout(const TRect& bounds, bool horizontal, bool enabled,
                                    const TcxScrollBarRange& range, const TcxScrollBarMetrics& metrics)
{
    // Along the bar as [start, end), across it as [lo, hi).
    const long long start = horizontal ? bounds.left : bounds.top;
    const long long end = std::max(start, static_cast<long long>(horizontal ? bounds.right : bounds.bottom));
    const int lo = horizontal ? bounds.top : bounds.left;
    const int hi = horizontal ? bounds.bottom : bounds.right;
    auto span = [&](long long from, long long to) {
        const int a = static_cast<int>(from), b = static_cast<int>(to);
        return horizontal ? TRect{a, lo, b, hi} : TRect{lo, a, hi, b};
    };

    const long long arrow = std::clamp(static_cast<long long>(metrics.ArrowSize), 0LL, (end - start) / 2);
    TcxScrollBarParts parts;
    parts.FirstArrow = span(start, start + arrow);
    parts.SecondArrow = span(end - arrow, end);
    const long long trackStart = start + arrow, trackEnd = end - arrow;
    if (!enabled)
        return parts;
    const TThumb thumb = ThumbAlongTrack(trackEnd - trackStart, range, metrics);
    if (thumb.Length == 0)
        return parts;
    const long long thumbStart = trackStart + thumb.Offset, thumbEnd = thumbStart + thumb.Length;
    parts.Thumb = span(thumbStart, thumbEnd);
    parts.PageUp = span(trackStart, thumbStart);
    parts.PageDown = span(thumbEnd, trackEnd);
    return parts;
}

TcxScrollBarPart cxScrollBarPartAt(const TcxScrollBarParts& parts, const TRect& bounds, int x, int y)
{
    if (!PtIn(bounds, x, y))
        return sbpNone;
    if (PtIn(parts.FirstArrow, x, y))
        return sbpLineUp;
    if (PtIn(parts.SecondArrow, x, y))
        return sbpLineDown;
    if (!parts.HasThumb())
        return sbpNone;
    if (PtIn(parts.Thumb, x, y))
        return sbpThumbnail;
    if (PtIn(parts.PageUp, x, y))
        return sbpPageUp;
    if (PtIn(parts.PageDown, x, y))
        return sbpPageDown;
    return sbpNone;
}

int cxScrollBarPositionFromThumb(const TcxScrollBarRange& range, long long thumbOffset, long long track,
                                 long long thumbLength)
{
    const long long denominator = track - thumbLength;
    if (denominator <= 0)
        return range.Min;
    const long long steps = static_cast<long long>(range.Max) - range.Min + (range.PageSize > 0 ? 1 - range.PageSize : 0);
    return cxScrollBarClampPosition(range, range.Min + MulDivRound(steps, thumbOffset, denominator));
}

int cxScrollBarPositionForCode(const TcxScrollBarRange& range, TScrollCode code, int smallChange, int largeChange)
{
    long long position = range.Position;
    switch (code) {
    case scLineUp: position -= smallChange; break;
    case scLineDown: position += smallChange; break;
    case scPageUp: position -= largeChange; break;
    case scPageDown: position += largeChange; break;
    case scTop: position = range.Min; break;
    case scBottom: position = range.Max; break;
    default: break;
    }
    return cxScrollBarClampPosition(range, position);
}

TRect cxScrollBarTrackingArea(const TRect& client, bool horizontal)
{
    constexpr int kAlong = 34, kAcross = 136;
    return horizontal ? cxRectInflated(client, kAlong, kAcross) : cxRectInflated(client, kAcross, kAlong);
}
