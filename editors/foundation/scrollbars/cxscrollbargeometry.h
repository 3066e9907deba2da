// Where the parts of a scroll bar lie for a range, page and position, which
// position a dragged thumb stands for, and where a scroll code leads: the
// scroll bar's arithmetic without a window, so tests and fuzzing reach it.
#pragma once

#include <cstdint>

#include "editors/foundation/core/cxgeometry.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

// The class library's scroll codes.
enum TScrollCode : std::uint8_t {
    scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll
};

struct TcxScrollBarRange {
    int Min = 0, Max = 100, PageSize = 0, Position = 0;
};

struct TcxScrollBarMetrics {
    int ArrowSize = 0;    // the system's arrow length along the bar
    int ThumbSize = 0;    // the system's thumb length, used without a page size
    int MinThumbSize = 0; // the painter's shortest thumb
};

struct TcxScrollBarParts {
    TRect FirstArrow{}, SecondArrow{}, Thumb{}, PageUp{}, PageDown{};
    bool HasThumb() const { return Thumb.right > Thumb.left && Thumb.bottom > Thumb.top; }
};

// Max below Min or below the page size is refused; the setters change one
// value at a time, so PageSize is held against Max, not against the range.
bool cxScrollBarRangeValid(int min, int max, int pageSize);
int cxScrollBarClampPosition(const TcxScrollBarRange& range, long long position);

TcxScrollBarParts cxScrollBarLayout(const TRect& bounds, bool horizontal, bool enabled,
                                    const TcxScrollBarRange& range, const TcxScrollBarMetrics& metrics);
// The part under a point of the bar's client rectangle.
TcxScrollBarPart cxScrollBarPartAt(const TcxScrollBarParts& parts, const TRect& bounds, int x, int y);
// The position a thumb at this offset from the first arrow's end stands for,
// always inside Min..Max.
int cxScrollBarPositionFromThumb(const TcxScrollBarRange& range, long long thumbOffset, long long track,
                                 long long thumbLength);
// The position a scroll code leads to before the OnScroll handler sees it.
int cxScrollBarPositionForCode(const TcxScrollBarRange& range, TScrollCode code, int smallChange, int largeChange);

// The thumb follows the mouse inside this rectangle; outside it snaps back.
TRect cxScrollBarTrackingArea(const TRect& client, bool horizontal);
