#include "editors/foundation/controls/cxcontrolutils.h"

#include <gtest/gtest.h>

namespace {

TEST(cxControlUtils, StripAccelChar)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a&&b&", "a&b_"}, {"&File", "File"}, {"", ""}, {"&", "_"}, {"x&&&y", "x&y"}, {"\xB2\xE2&\xCA\xD4", "\xB2\xE2\xCA\xD4"},
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ(cxStripAccelChar(text), expected) << text;
}

TEST(cxControlUtils, NumericCharPerMode)
{
    struct Case {
        char c;
        bool mode0, mode1, mode2;
    };
    const Case cases[] = {
        {'7', true, true, true}, {'-', true, true, true}, {',', false, true, true},
        {'e', false, false, true}, {'E', false, false, true}, {'.', false, false, false}, {'x', false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cxIsNumericChar(c.c, 0, ','), c.mode0) << c.c;
        EXPECT_EQ(cxIsNumericChar(c.c, 1, ','), c.mode1) << c.c;
        EXPECT_EQ(cxIsNumericChar(c.c, 2, ','), c.mode2) << c.c;
        EXPECT_EQ(cxIsNumericChar(c.c, 7, ','), c.mode0) << c.c;
    }
    EXPECT_FALSE(cxIsPrintableChar('\x1F'));
    EXPECT_TRUE(cxIsPrintableChar('\xB2'));
}

TEST(cxControlUtils, DragSquareIsOpen)
{
    EXPECT_TRUE(IsInsideDragSquare(100, 100, 104, 96, 5));
    EXPECT_FALSE(IsInsideDragSquare(100, 100, 105, 100, 5));
    EXPECT_FALSE(IsInsideDragSquare(100, 100, 100, 95, 5));
    EXPECT_FALSE(IsInsideDragSquare(INT32_MIN, 0, INT32_MAX, 0, 5));
}

TEST(cxControlUtils, MouseScrollDirectionAndSpeed)
{
    struct Case {
        int x, y;
        bool hBar, vBar;
        TcxScrollDirection direction;
        int speed;
    };
    // Anchor (500, 500), zone side 32.
    const Case cases[] = {
        {500, 500, true, true, sdNone, 0},
        {515, 484, true, true, sdNone, 0},
        {500, 500 + 16 + 12, true, true, sdDown, 3},
        {500 - 16 - 12, 500, true, true, sdLeft, 3},
        {500, 100, true, true, sdUp, 12},
        // The larger offset wins; a tie goes vertical.
        {540, 530, true, true, sdRight, 5},
        {540, 460, true, true, sdUp, 5},
        // A hidden bar stretches the zone over its axis.
        {900, 500, false, true, sdNone, 0},
        {900, 520, false, true, sdDown, 1},
        {520, 900, true, false, sdRight, 1},
    };
    for (const Case& c : cases) {
        const auto s = cxMouseScrollAt(500, 500, c.x, c.y, 32, c.hBar, c.vBar);
        EXPECT_EQ(s.Direction, c.direction) << c.x << "," << c.y;
        EXPECT_EQ(s.Speed, c.speed) << c.x << "," << c.y;
    }
    int due3 = 0, due12 = 0;
    for (int tick = 1; tick <= 40; ++tick) {
        due3 += cxMouseScrollTickDue(tick, 3);
        due12 += cxMouseScrollTickDue(tick, 12);
    }
    EXPECT_EQ(due3, 4);
    EXPECT_EQ(due12, 40);
    EXPECT_TRUE(cxMouseScrollTickDue(10, 3));
}

TEST(cxControlUtils, WheelLinesOrOnePage)
{
    struct Case {
        int kind, delta, lines;
        TcxScrollDirection direction;
        bool byPage;
        int times;
    };
    const Case cases[] = {
        {2, 120, 3, sdUp, false, 3}, {2, -120, 3, sdDown, false, 3}, {1, 120, 3, sdLeft, false, 3},
        {1, -240, 5, sdRight, false, 5},
        // WHEEL_PAGESCROLL read as a signed count.
        {2, -120, -1, sdDown, true, 1},
        {0, 120, 3, sdNone, false, 0},
    };
    for (const Case& c : cases) {
        const auto w = cxWheelScroll(c.kind, c.delta, c.lines);
        EXPECT_EQ(w.Direction, c.direction);
        EXPECT_EQ(w.ByPage, c.byPage);
        EXPECT_EQ(w.Times, c.times);
    }
}

} // namespace
