#include "editors/foundation/painters/cxpaintergeometry.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace {

TRect Bounds(const std::vector<TRect>& strips)
{
    TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const TRect& s : strips)
        box = TRect{std::min(box.left, s.left), std::min(box.top, s.top), std::max(box.right, s.right),
                    std::max(box.bottom, s.bottom)};
    return box;
}

TEST(PainterGeometry, ArrowSizeFollowsTheRectangleAcrossItsDirection)
{
    struct {
        TRect r;
        int direction;
        int base, height;
    } cases[] = {
        {{0, 0, 4, 4}, adUp, 1, 1},     {{0, 0, 9, 9}, adUp, 5, 3},    {{0, 0, 9, 9}, adDown, 5, 3},
        {{10, 0, 19, 9}, adLeft, 5, 3}, {{0, 0, 13, 13}, adRight, 7, 4},
        // The square option shrinks the longer side first.
        {{0, 0, 17, 9}, adUp, 5, 3},
    };
    for (const auto& c : cases) {
        const auto strips = cxArrowStrips(c.r, c.direction, true);
        const TRect box = Bounds(strips);
        const bool vertical = c.direction == adUp || c.direction == adDown;
        EXPECT_EQ(vertical ? cxRectGetWidth(box) : cxRectGetHeight(box), c.base) << c.direction;
        EXPECT_EQ(vertical ? cxRectGetHeight(box) : cxRectGetWidth(box), c.height) << c.direction;
        EXPECT_EQ(static_cast<int>(strips.size()), c.height);
        // Centred: equal space on both sides across the direction, give or take one.
        const int before = vertical ? box.left - c.r.left : box.top - c.r.top;
        const int after = vertical ? c.r.right - box.right : c.r.bottom - box.bottom;
        EXPECT_LE(std::abs(before - after), 1);
    }
}

TEST(PainterGeometry, AnArrowPointsWithItsOnePixelTip)
{
    const TRect r{0, 0, 12, 12};
    for (int direction = adUp; direction <= adRight; ++direction) {
        const auto strips = cxArrowStrips(r, direction, true);
        const TRect tip = strips.front(), box = Bounds(strips);
        EXPECT_EQ(cxRectGetWidth(tip) * cxRectGetHeight(tip), 1) << direction;
        const int tipEdge[] = {tip.top - box.top, box.bottom - tip.bottom, tip.left - box.left, box.right - tip.right};
        EXPECT_EQ(tipEdge[direction], 0) << direction;
    }
}

TEST(PainterGeometry, BadInputDrawsNoArrowNorCross)
{
    for (TRect r : {TRect{5, 5, 5, 9}, TRect{9, 9, 2, 2}})
        EXPECT_TRUE(cxArrowStrips(r, adUp, true).empty());
    EXPECT_TRUE(cxArrowStrips(TRect{0, 0, 9, 9}, 4, true).empty());
    EXPECT_TRUE(cxArrowStrips(TRect{0, 0, 9, 9}, -1, true).empty());
    EXPECT_EQ(cxArrowStrips(TRect{0, 0, 1, 1}, adUp, false).size(), 1u);
    EXPECT_TRUE(cxExpandCrossStrips(TRect{0, 0, 2, 2}, false).empty());
    EXPECT_EQ(cxValidButtonState(7), cxbsNormal);
    EXPECT_EQ(cxValidButtonState(-1), cxbsNormal);
    EXPECT_EQ(cxValidButtonState(cxbsDisabled), cxbsDisabled);
}

TEST(PainterGeometry, ExpandCrossIsAPlusWhenCollapsedAndAMinusWhenExpanded)
{
    const TRect r{0, 0, 9, 9};
    const auto plus = cxExpandCrossStrips(r, false), minus = cxExpandCrossStrips(r, true);
    ASSERT_EQ(plus.size(), 2u);
    ASSERT_EQ(minus.size(), 1u);
    // Half length (9 - 4) / 2 = 2 about the midpoint 4.
    EXPECT_TRUE(cxRectSame(minus[0], TRect{2, 4, 7, 5}));
    EXPECT_TRUE(cxRectSame(plus[1], TRect{4, 2, 5, 7}));
}

TEST(PainterGeometry, ButtonTextAreaIsLiftedOnlyBelowEighteenRows)
{
    struct {
        int height, shift;
        TRect expected;
    } cases[] = {
        {17, 0, {0, -1, 20, 16}}, {18, 0, {0, 0, 20, 18}}, {19, 0, {0, 0, 20, 18}}, {18, 1, {1, 1, 21, 19}},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(cxRectSame(cxButtonTextRect(TRect{0, 0, 20, c.height}, c.shift), c.expected)) << c.height;
}

TEST(PainterGeometry, CheckMarkIsThreePixelsThickAndStaysInsideItsBox)
{
    const TRect r{0, 0, 9, 9};
    const auto strips = cxCheckMarkStrips(r);
    ASSERT_FALSE(strips.empty());
    const TRect box = Bounds(strips);
    EXPECT_GE(box.left, r.left);
    EXPECT_LE(box.right, r.right);
    EXPECT_GE(box.top, r.top);
    EXPECT_LE(box.bottom, r.bottom);
    for (const TRect& s : strips)
        EXPECT_EQ(cxRectGetHeight(s), 3);
    // Down first, then up: the lowest column is not at either end.
    auto lowest = std::max_element(strips.begin(), strips.end(), [](auto& a, auto& b) { return a.top < b.top; });
    EXPECT_NE(lowest, strips.begin());
    EXPECT_NE(lowest, strips.end() - 1);
}

TEST(PainterGeometry, ClockHandsPointAtTheTime)
{
    const TRect r{0, 0, 104, 104};
    // At 3:00:00 the hour hand points right and the minute hand up.
    const TcxClockShape shape = cxClockShape(r, 3, 0, 0);
    EXPECT_EQ(shape.Center, (TcxPoint{52, 52}));
    EXPECT_EQ(shape.HourHand[0], (TcxPoint{52 + 38, 52}));
    EXPECT_EQ(shape.MinuteHand[0], (TcxPoint{52, 52 - 42}));
    EXPECT_EQ(cxClockShape(r, 3, 0, 45).SecondHandEnd, (TcxPoint{52 - 45, 52}));
    // The twelve dots on the face's radius, the first at three o'clock.
    EXPECT_EQ(shape.Dots[0], (TcxPoint{52 + 50, 52}));
    EXPECT_EQ(shape.Dots[3], (TcxPoint{52, 52 + 50}));
}

TEST(PainterGeometry, RadioPatternRingsFollowTheAntiDiagonal)
{
    // A 5 x 5 glyph with its corners cut.
    const int w = 5, h = 5;
    std::vector<bool> mask(w * h, true);
    for (int i : {0, 4, 20, 24})
        mask[i] = false;
    const auto codes = cxRadioPattern(mask, w, h, TRect{2, 2, 3, 3});
    auto at = [&](int x, int y) { return codes[y * w + x]; };
    EXPECT_EQ(at(0, 0), rpOutside);
    EXPECT_EQ(at(1, 0), rpOuterLight);
    EXPECT_EQ(at(4, 3), rpOuterDark);
    EXPECT_EQ(at(1, 1), rpInnerLight);
    EXPECT_EQ(at(3, 3), rpInnerDark);
    EXPECT_EQ(at(2, 2), rpDot);
    // On the diagonal the inner ring splits by halves.
    EXPECT_EQ(at(3, 1), rpInnerDark);
    EXPECT_EQ(at(1, 3), rpInnerLight);
}

TEST(PainterGeometry, MaskBoundsFallBackToTheWholeCell)
{
    std::vector<bool> none(6 * 4, false);
    EXPECT_TRUE(cxRectSame(cxMaskBounds(none, 6, 4), TRect{0, 0, 6, 4}));
    std::vector<bool> some(6 * 4, false);
    some[1 * 6 + 2] = some[2 * 6 + 4] = true;
    EXPECT_TRUE(cxRectSame(cxMaskBounds(some, 6, 4), TRect{2, 1, 5, 3}));
}

TEST(PainterGeometry, RadioImagesCoverAllHundredTwentyEightOnceAndDefaultDrawsAsNormal)
{
    std::set<int> seen;
    for (int kind = lfFlat; kind <= lfOffice11; ++kind)
        for (int state = cxbsNormal; state <= cxbsDisabled; ++state)
            for (int bits = 0; bits < 8; ++bits)
                seen.insert(cxRadioImageIndex(static_cast<TcxLookAndFeelKind>(kind), static_cast<TcxButtonState>(state),
                                              bits & 1, bits & 2, bits & 4));
    EXPECT_EQ(seen.size(), 128u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 127);
    for (int kind = lfFlat; kind <= lfOffice11; ++kind) {
        const auto k = static_cast<TcxLookAndFeelKind>(kind);
        EXPECT_EQ(cxRadioImageIndex(k, cxbsDefault, true, false, false), cxRadioImageIndex(k, cxbsNormal, true, false, false));
    }
    // Office11's painter style 4 maps to kind 3, clear of the focused images.
    EXPECT_EQ(cxLookAndFeelKindOf(lfsOffice11), lfOffice11);
    EXPECT_EQ(cxLookAndFeelKindOf(lfsNative), lfStandard);
    EXPECT_LT(cxRadioImageIndex(cxLookAndFeelKindOf(lfsOffice11), cxbsDisabled, true, false, false), 32);
}

TEST(PainterGeometry, ScrollButtonsPointAwayFromTheBar)
{
    EXPECT_EQ(cxScrollArrowDirection(false, sbpLineUp), adUp);
    EXPECT_EQ(cxScrollArrowDirection(false, sbpLineDown), adDown);
    EXPECT_EQ(cxScrollArrowDirection(true, sbpLineUp), adLeft);
    EXPECT_EQ(cxScrollArrowDirection(true, sbpLineDown), adRight);
}

} // namespace
