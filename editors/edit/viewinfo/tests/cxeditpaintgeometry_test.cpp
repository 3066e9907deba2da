// The shapes of the button contents: arrows, ellipsis dots and poly-lines.
#include "editors/edit/viewinfo/cxeditpaintgeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <ostream>
#include <set>
#include <utility>

// Rectangles compared and printed field by field (found by lookup from std).
bool operator==(const TRect& a, const TRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& os, const TRect& r)
{
    return os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

// The pixels a set of strips covers, each counted once.
std::set<std::pair<int, int>> Pixels(const std::vector<TRect>& strips)
{
    std::set<std::pair<int, int>> pixels;
    for (const TRect& s : strips)
        for (int y = s.top; y < s.bottom; ++y)
            for (int x = s.left; x < s.right; ++x)
                pixels.insert({x, y});
    return pixels;
}

TRect Box(const std::vector<TRect>& strips)
{
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const TRect& s : strips)
        box = TRect{std::min(box.left, s.left), std::min(box.top, s.top), std::max(box.right, s.right),
                    std::max(box.bottom, s.bottom)};
    return box;
}

TEST(ArrowGlyph, EachKnownArrowHasItsBaseOnTheFarSideFromItsTip)
{
    const TRect r{0, 0, 17, 20};
    struct Case {
        TcxArrowDirection direction;
        TSize size;
        bool pressed;
        TRect base, tip;
    } cases[] = {
        {adDown, {7, 4}, false, {5, 8, 12, 9}, {8, 11, 9, 12}},
        {adUp, {7, 4}, false, {5, 11, 12, 12}, {8, 8, 9, 9}},
        {adDown, {7, 4}, true, {6, 9, 13, 10}, {9, 12, 10, 13}},
        {adRight, {4, 7}, false, {6, 6, 7, 13}, {9, 9, 10, 10}},
        {adLeft, {4, 7}, false, {9, 6, 10, 13}, {6, 9, 7, 10}},
    };
    for (const Case& c : cases) {
        const auto strips = cxArrowGlyphStrips(r, c.size, c.direction, c.pressed);
        ASSERT_EQ(strips.size(), 4u) << int(c.direction);
        EXPECT_EQ(strips.front(), c.base) << int(c.direction);
        EXPECT_EQ(strips.back(), c.tip) << int(c.direction);
    }
}

TEST(ArrowGlyph, StripsShrinkByTwoAndTheArrowsSitCentredWhateverTheSize)
{
    for (int direction = adUp; direction <= adRight; ++direction)
        for (int base = 1; base <= 12; ++base)
            for (int height = 1; height <= 8; ++height)
                for (int count = 1; count <= 3; ++count) {
                    const bool vertical = direction <= adDown;
                    const TSize size = vertical ? TSize{base, height} : TSize{height, base};
                    const TRect r{-3, 10, 30, 41};
                    const auto strips =
                        cxArrowGlyphStrips(r, size, static_cast<TcxArrowDirection>(direction), false, count);
                    const int rows = std::min(height, (base + 1) / 2);
                    ASSERT_EQ(strips.size(), static_cast<std::size_t>(rows * count));
                    for (std::size_t i = 0; i < strips.size(); ++i) {
                        const TRect& s = strips[i];
                        const int length = vertical ? s.right - s.left : s.bottom - s.top;
                        const int thickness = vertical ? s.bottom - s.top : s.right - s.left;
                        ASSERT_EQ(thickness, 1);
                        ASSERT_EQ(length, base - 2 * static_cast<int>(i % rows));
                    }
                    // Every pixel drawn once: the arrows do not overlap.
                    std::size_t area = 0;
                    for (const TRect& s : strips)
                        area += static_cast<std::size_t>((s.right - s.left) * (s.bottom - s.top));
                    ASSERT_EQ(Pixels(strips).size(), area);
                    // The box of base x (height x count), centred with floor halves.
                    const TRect box = Box(strips);
                    const int along = vertical ? box.bottom - box.top : box.right - box.left;
                    ASSERT_EQ(along, rows == height ? height * count : height * (count - 1) + rows);
                    const int spare = vertical ? (r.right - r.left) - base : (r.bottom - r.top) - base;
                    ASSERT_EQ(vertical ? box.left : box.top, (vertical ? r.left : r.top) + spare / 2);
                }
}

TEST(ArrowGlyph, NothingForAnEmptySizeOrCountAndNoOverflowOnTheUnboundedRectangle)
{
    const TRect r{0, 0, 20, 20};
    EXPECT_TRUE(cxArrowGlyphStrips(r, {0, 4}, adDown, false).empty());
    EXPECT_TRUE(cxArrowGlyphStrips(r, {7, 0}, adDown, false).empty());
    EXPECT_TRUE(cxArrowGlyphStrips(r, {7, 4}, adDown, false, 0).empty());
    EXPECT_TRUE(cxArrowGlyphStrips(r, {-7, 4}, adDown, true).empty());
    const TRect huge{0, 0, INT_MAX, INT_MAX};
    const auto strips = cxArrowGlyphStrips(huge, {9, 5}, adDown, true, 2);
    ASSERT_EQ(strips.size(), 10u);
    for (const TRect& s : strips) {
        EXPECT_LT(s.left, s.right);
        EXPECT_LT(s.top, s.bottom);
        EXPECT_GT(s.left, INT_MAX / 2 - 10);
    }
    const TRect whole{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    for (const TRect& s : cxArrowGlyphStrips(whole, {9, 5}, adRight, true, 3))
        EXPECT_LT(s.top, s.bottom);
}

TEST(EllipsisDots, ThreeSquaresTwoApartCentredAndSmallerInNarrowContent)
{
    struct Case {
        TRect content;
        int side;
    } cases[] = {{{0, 0, 17, 20}, 2}, {{0, 0, 12, 20}, 2}, {{0, 0, 11, 20}, 1}, {{5, 3, 9, 4}, 1},
                 {{0, 0, INT_MAX, INT_MAX}, 2}};
    for (const Case& c : cases) {
        const auto dots = cxEllipsisDots(c.content);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(dots[i].right - dots[i].left, c.side);
            EXPECT_EQ(dots[i].bottom - dots[i].top, c.side);
            if (i > 0) {
                EXPECT_EQ(dots[i].left - dots[i - 1].right, 2);
            }
        }
        const std::int64_t leftSpare = std::int64_t{dots[0].left} - c.content.left;
        const std::int64_t rightSpare = std::int64_t{c.content.right} - dots[2].right;
        EXPECT_LE(std::abs(leftSpare - rightSpare), 1) << c.content;
    }
}

TEST(PolyLine, SegmentsIncludeBothEndsAndSlantedOnesTurnAtTheCorner)
{
    struct Case {
        std::vector<TcxPoint> points;
        std::vector<TRect> strips;
    } cases[] = {
        {{}, {}},
        {{{3, 4}}, {{3, 4, 4, 5}}},
        {{{1, 1}, {5, 1}, {5, 3}}, {{1, 1, 6, 2}, {5, 1, 6, 4}}},
        {{{5, 3}, {1, 3}}, {{1, 3, 6, 4}}},
        {{{0, 0}, {2, 2}}, {{0, 0, 3, 1}, {2, 0, 3, 3}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cxPolyLineStrips(c.points), c.strips) << c.points.size();
}

} // namespace
