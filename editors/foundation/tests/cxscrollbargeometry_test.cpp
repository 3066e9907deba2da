#include "editors/foundation/scrollbars/cxscrollbargeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr TcxScrollBarMetrics kMetrics{17, 17, 8};

int Width(const TRect& r)
{
    return r.right - r.left;
}

TEST(cxScrollBarGeometry, PartsAlongAHorizontalBar)
{
    struct Case {
        int width, min, max, page, position;
        int firstArrowRight, secondArrowLeft, thumbLeft, thumbRight;
    };
    const Case cases[] = {
        // The system thumb at the middle of 0..100.
        {121, 0, 100, 0, 50, 17, 104, 52, 69},
        {121, 0, 100, 0, 0, 17, 104, 17, 34},
        {121, 0, 100, 0, 100, 17, 104, 87, 104},
        // A page of 100 over 1..100 covers the range: the thumb fills the track at offset 0.
        {121, 1, 100, 100, 100, 17, 104, 17, 104},
        // A half page.
        {121, 0, 99, 50, 0, 17, 104, 17, 61},
        // Shorter than two arrows: half each, no track, no thumb.
        {20, 0, 100, 0, 50, 10, 10, 0, 0},
        // Max = Min: no thumb, with and without a page.
        {121, 5, 5, 0, 5, 17, 104, 0, 0},
        {121, 5, 5, 1, 5, 17, 104, 0, 0},
    };
    for (const Case& c : cases) {
        const TRect bounds{0, 0, c.width, 17};
        const auto parts = cxScrollBarLayout(bounds, true, true, {c.min, c.max, c.page, c.position}, kMetrics);
        SCOPED_TRACE(testing::Message() << c.width << " " << c.min << ".." << c.max << " page " << c.page);
        EXPECT_EQ(parts.FirstArrow.right, c.firstArrowRight);
        EXPECT_EQ(parts.SecondArrow.left, c.secondArrowLeft);
        EXPECT_EQ(parts.Thumb.left, c.thumbLeft);
        EXPECT_EQ(parts.Thumb.right, c.thumbRight);
        if (parts.HasThumb()) {
            EXPECT_EQ(parts.PageUp.right, parts.Thumb.left);
            EXPECT_EQ(parts.PageDown.left, parts.Thumb.right);
        } else {
            EXPECT_EQ(Width(parts.PageUp) + Width(parts.PageDown), 0);
        }
    }
}

TEST(cxScrollBarGeometry, VerticalAndDisabledBars)
{
    const TRect bounds{0, 0, 17, 121};
    const auto vertical = cxScrollBarLayout(bounds, false, true, {0, 100, 0, 50}, kMetrics);
    EXPECT_EQ(vertical.Thumb.top, 52);
    EXPECT_EQ(vertical.Thumb.left, 0);
    EXPECT_EQ(vertical.Thumb.right, 17);
    const auto disabled = cxScrollBarLayout(bounds, false, false, {0, 100, 0, 50}, kMetrics);
    EXPECT_FALSE(disabled.HasThumb());
    EXPECT_EQ(cxScrollBarPartAt(disabled, bounds, 8, 60), sbpNone);
    EXPECT_EQ(cxScrollBarPartAt(disabled, bounds, 8, 5), sbpLineUp);
}

TEST(cxScrollBarGeometry, PartAtEveryRegion)
{
    const TRect bounds{0, 0, 121, 17};
    const auto parts = cxScrollBarLayout(bounds, true, true, {0, 100, 0, 50}, kMetrics);
    const std::pair<int, TcxScrollBarPart> cases[] = {
        {-1, sbpNone}, {0, sbpLineUp}, {16, sbpLineUp}, {17, sbpPageUp}, {51, sbpPageUp}, {52, sbpThumbnail},
        {68, sbpThumbnail}, {69, sbpPageDown}, {103, sbpPageDown}, {104, sbpLineDown}, {120, sbpLineDown},
        {121, sbpNone},
    };
    for (auto [x, part] : cases)
        EXPECT_EQ(cxScrollBarPartAt(parts, bounds, x, 8), part) << x;
}

TEST(cxScrollBarGeometry, RangeRule)
{
    EXPECT_TRUE(cxScrollBarRangeValid(0, 100, 100));
    EXPECT_FALSE(cxScrollBarRangeValid(0, 100, 101));
    EXPECT_FALSE(cxScrollBarRangeValid(10, 9, 0));
    // Held against Max, not the range: 1..100 takes a page of 100.
    EXPECT_TRUE(cxScrollBarRangeValid(1, 100, 100));
}

TEST(cxScrollBarGeometry, PositionFromThumbStaysInRange)
{
    struct Case {
        TcxScrollBarRange range;
        long long offset, track, length;
        int expected;
    };
    const Case cases[] = {
        {{0, 100, 0, 0}, 35, 87, 17, 50},
        {{0, 100, 0, 0}, 70, 87, 17, 100},
        // A thumb filling the track, or one longer than the track: no division, Min.
        {{1, 100, 100, 0}, 0, 87, 87, 1},
        {{0, 100, 0, 0}, 0, 10, 17, 0},
        // Beyond the track's end: clamped to Max.
        {{0, 100, 0, 0}, 500, 87, 17, 100},
        {{-5, 5, 0, 0}, -40, 87, 17, -5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cxScrollBarPositionFromThumb(c.range, c.offset, c.track, c.length), c.expected) << c.offset;
}

TEST(cxScrollBarGeometry, PositionForCodeIsClamped)
{
    const TcxScrollBarRange range{0, 100, 0, 95};
    const std::pair<TScrollCode, int> cases[] = {
        {scLineUp, 93}, {scLineDown, 97}, {scPageUp, 85}, {scPageDown, 100}, {scTop, 0}, {scBottom, 100},
        {scTrack, 95}, {scEndScroll, 95},
    };
    for (auto [code, expected] : cases)
        EXPECT_EQ(cxScrollBarPositionForCode(range, code, 2, 10), expected) << int(code);
    EXPECT_EQ(cxScrollBarClampPosition(range, -7), 0);
    EXPECT_EQ(cxScrollBarPositionForCode({INT32_MIN, INT32_MAX, 0, INT32_MAX}, scLineDown, 1, 1), INT32_MAX);
}

TEST(cxScrollBarGeometry, TrackingAreaReachesFurtherAcross)
{
    const TRect area = cxScrollBarTrackingArea({0, 0, 100, 17}, true);
    EXPECT_EQ(area.left, -34);
    EXPECT_EQ(area.bottom, 17 + 136);
    EXPECT_EQ(cxScrollBarTrackingArea({0, 0, 17, 100}, false).left, -136);
}

} // namespace
