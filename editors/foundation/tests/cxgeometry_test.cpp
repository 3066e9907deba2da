#include <climits>

#include <gtest/gtest.h>

#include "editors/foundation/core/cxgeometry.h"

namespace {

bool Same(const TRect& a, const TRect& b)
{
    return cxRectSame(a, b);
}

TEST(cxGeometry, MidpointRoundsTowardMinusInfinityAndSignOfZeroIsOne)
{
    struct {
        int a, b, mid;
    } cases[] = {{-1, 0, -1}, {1, 2, 1}, {0, 0, 0}, {-3, 0, -2}, {-1, -1, -1}, {INT_MAX, INT_MAX, INT_MAX},
                 {INT_MIN, INT_MIN, INT_MIN}, {INT_MIN, INT_MAX, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(cxMidpoint(c.a, c.b), c.mid) << c.a << " " << c.b;
    EXPECT_EQ(cxSignOf(0), 1);
    EXPECT_EQ(cxSignOf(-0.5), -1);
}

TEST(cxGeometry, RectanglesAtTheEndsOfTheRangeStayInside)
{
    const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(cxRectGetWidth(huge), INT_MAX);
    EXPECT_TRUE(Same(cxRectInflated(huge, 5, 5), huge));
    EXPECT_TRUE(Same(cxRectCenteredWH(huge, 10, 10), TRect{-5, -5, 5, 5}));
    EXPECT_TRUE(Same(cxRectCenteredWH(TRect{0, 0, 5, 5}, 2, 2), TRect{1, 1, 3, 3}));
    EXPECT_TRUE(Same(cxRectCenteredWH(TRect{-5, -5, 0, 0}, 2, 2), TRect{-3, -3, -1, -1}));
    EXPECT_TRUE(Same(cxRectContentOf(TRect{0, 0, 10, 10}, TRect{1, 2, 3, 4}), TRect{1, 2, 7, 6}));
    EXPECT_TRUE(Same(cxRectMovedToRight(TRect{0, 0, 10, 10}, 50, 20), TRect{30, 0, 50, 10}));
    EXPECT_TRUE(Same(cxRectMovedToLeft(TRect{0, 0, 10, 10}, 5), TRect{5, 0, 15, 10}));
}

TEST(TcxRect, OneChangeFiresOnceAndAnEqualValueNever)
{
    TcxRect r;
    int fired = 0;
    r.OnChange = [&](TcxRect&) { ++fired; };
    r.SetLeft(r.Left());
    EXPECT_EQ(fired, 0);
    r.SetRight(7);
    EXPECT_EQ(fired, 1);
    TcxRect source;
    source.ChangeRect(TRect{1, 2, 3, 4});
    r.Assign(source);
    r.Assign(source);
    EXPECT_EQ(fired, 2);
    EXPECT_TRUE(r.Matches(TRect{1, 2, 3, 4}));
    EXPECT_EQ(r.SideValue(9), 4);
    EXPECT_TRUE(r.SetProperty("Top", "9"));
    EXPECT_EQ(r.Top(), 9);
    EXPECT_EQ(fired, 3);
}

} // namespace
