#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editors/edit/viewinfo/cxbuttonlayout.h"

namespace {

using Span = std::vector<int>; // left, right of each button

struct Laid {
    std::vector<TcxButtonSlot> Slots;
    TRect Rest{};
};

Laid Layout(const TRect& space, const std::vector<TcxButtonRequest>& requests, bool stretch)
{
    Laid laid;
    laid.Slots.resize(requests.size());
    laid.Rest = cxLayoutButtons(space, requests, laid.Slots, stretch);
    return laid;
}

Span Spans(const std::vector<TcxButtonSlot>& slots)
{
    Span s;
    for (const auto& b : slots)
        s.insert(s.end(), {b.Bounds.left, b.Bounds.right});
    return s;
}

std::vector<int> Sides(const TRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

TcxButtonRequest Right(int width, bool stretchable = true)
{
    return {width, false, stretchable};
}

TcxButtonRequest Left(int width)
{
    return {width, true, true};
}

TEST(ButtonLayout, Placement)
{
    const struct {
        const char* name;
        TRect space;
        std::vector<TcxButtonRequest> requests;
        bool stretch;
        Span spans;
        std::vector<int> rest;
    } cases[] = {
        // Placed from the last button to the first, each group from its edge inwards.
        {"left and right", {100, 0, 200, 20}, {Left(10), Right(20), Left(5), Right(7)}, false,
         {105, 115, 173, 193, 100, 105, 193, 200}, {115, 0, 173, 20}},
        {"width limited by the space left", {0, 0, 25, 20}, {Right(20), Right(20)}, false, {0, 5, 5, 25},
         {0, 0, 0, 20}},
        {"10/20/30 share 7: 3 to the last, 2 to the middle, the rest to the first", {0, 0, 67, 20},
         {Right(10), Right(20), Right(30)}, true, {0, 12, 12, 34, 34, 67}, {0, 0, 0, 20}},
        {"stretching lays left-aligned buttons out at the right", {0, 0, 67, 20}, {Left(10), Right(20), Left(30)},
         true, {0, 12, 12, 34, 34, 67}, {0, 0, 0, 20}},
        {"only the stretchable one grows", {0, 0, 67, 20}, {Right(10, false), Right(20), Right(30, false)}, true,
         {0, 10, 10, 37, 37, 67}, {0, 0, 0, 20}},
        {"none stretchable: all grow", {0, 0, 67, 20}, {Right(10, false), Right(20, false), Right(30, false)}, true,
         {0, 12, 12, 34, 34, 67}, {0, 0, 0, 20}},
        {"zero widths share equally, the first takes the rest", {0, 0, 7, 20}, {Right(0), Right(0), Right(0)}, true,
         {0, 3, 3, 5, 5, 7}, {0, 0, 0, 20}},
        {"negative width is none", {0, 0, 50, 20}, {Right(-5)}, false, {50, 50}, {0, 0, 50, 20}},
        {"empty rectangle: empty bounds", {10, 10, 10, 30}, {Right(10), Left(5)}, true, {10, 10, 10, 10},
         {10, 10, 10, 30}},
        {"inverted rectangle: empty bounds", {50, 0, 10, 20}, {Right(10), Left(3)}, false, {10, 10, 50, 50},
         {50, 0, 10, 20}},
        {"no height: empty bounds", {0, 20, 50, 20}, {Right(10)}, false, {50, 50}, {0, 20, 50, 20}},
        {"no space left: empty bounds at the edge", {0, 0, 30, 9}, {Left(4), Right(40), Left(4)}, false,
         {4, 4, 4, 30, 0, 4}, {4, 0, 4, 9}},
        {"unbounded rectangle, stretched", {0, 0, INT_MAX, INT_MAX}, {Right(10), Right(INT_MAX / 2)}, true,
         {0, 20, 20, INT_MAX}, {0, 0, 0, INT_MAX}},
        {"widest rectangle, stretched", {INT_MIN, 0, INT_MAX, 10}, {Right(INT_MAX), Right(1)}, true,
         {INT_MIN, INT_MAX - 1, INT_MAX - 1, INT_MAX}, {INT_MIN, 0, INT_MIN, 10}},
    };
    for (const auto& c : cases) {
        const Laid laid = Layout(c.space, c.requests, c.stretch);
        EXPECT_EQ(Spans(laid.Slots), c.spans) << c.name;
        EXPECT_EQ(Sides(laid.Rest), c.rest) << c.name;
        // Every placed button takes the full height.
        for (const auto& b : laid.Slots) {
            if (b.Bounds.right > b.Bounds.left) {
                EXPECT_EQ(b.Bounds.top, c.space.top) << c.name;
                EXPECT_EQ(b.Bounds.bottom, c.space.bottom) << c.name;
            }
        }
    }
}

TEST(ButtonLayout, WideningPushesItsGroup)
{
    // Two left-aligned buttons (the second placed first, at the edge) and a
    // right-aligned pair: each widened button pushes the ones placed after it.
    std::vector<TcxButtonSlot> slots = {{{10, 0, 30, 9}, true, true},
                                        {{0, 0, 10, 9}, true, true},
                                        {{60, 0, 70, 9}, false, false},
                                        {{70, 0, 80, 9}, false, true}};
    cxStretchButtons(slots, 6);
    // Stretchable widths 20, 10, 10 (sum 40): the last gets 10 * 6 / 40 = 1,
    // the second 10 * 6 / 40 = 1, the first the remaining 4.
    EXPECT_EQ(Spans(slots), (Span{11, 35, 0, 11, 59, 69, 69, 80}));
}

TEST(ButtonLayout, NothingToShare)
{
    std::vector<TcxButtonSlot> slots = {{{0, 0, 10, 9}, false, true}};
    for (std::int64_t extra : {std::int64_t{0}, std::int64_t{-5}, std::int64_t{INT_MIN}}) {
        cxStretchButtons(slots, extra);
        EXPECT_EQ(Spans(slots), (Span{0, 10})) << extra;
    }
    cxStretchButtons({}, 10);
}

TEST(ButtonLayout, Extents)
{
    const std::vector<TcxButtonSlot> slots = {{{0, 0, 10, 9}, true, true},
                                              {{10, 0, 15, 9}, true, true},
                                              {{80, 0, 100, 9}, false, true},
                                              {{0, 0, 0, 0}, false, true},
                                              {{INT_MIN, 0, INT_MAX, 9}, false, true}};
    const TcxButtonsExtent e = cxButtonsExtent(slots);
    EXPECT_EQ(e.Left, 15);
    EXPECT_EQ(e.Right, INT_MAX);
    EXPECT_EQ(cxButtonsExtent(std::span(slots).first(3)).Right, 20);
}

TEST(ButtonLayout, ButtonWidths)
{
    const struct {
        const char* name;
        TcxButtonWidthParts parts;
        int width;
    } cases[] = {
        {"own width", {30, 16, 40, 4, 17}, 30},
        {"own width below the margins", {2, -1, -1, 4, 17}, 4},
        {"negative width is automatic", {-3, -1, -1, 4, 17}, 17},
        {"glyph plus margins, even below the system width", {0, 8, -1, 4, 17}, 12},
        {"empty glyph", {0, 0, -1, 4, 17}, 4},
        {"caption plus 3 and margins", {0, -1, 20, 4, 17}, 27},
        {"short caption: the system width", {0, -1, 5, 4, 17}, 17},
        {"arrow: the system width", {0, -1, -1, 4, 17}, 17},
        {"huge caption saturates", {0, -1, INT_MAX, 4, 17}, INT_MAX},
        {"negative margins count as none", {0, 10, -1, -7, 17}, 10},
        {"negative system width", {0, -1, -1, 4, -17}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cxEditButtonWidth(c.parts), c.width) << c.name;
}

TEST(ButtonLayout, ArrowSizes)
{
    const struct {
        int w, h;
        TcxArrowDirection dir;
        int cx, cy;
    } cases[] = {
        {17, 17, adDown, 7, 4},  {17, 17, adUp, 7, 4},   {17, 17, adLeft, 4, 7},  {17, 17, adRight, 4, 7},
        {40, 16, adDown, 7, 4},  {16, 40, adRight, 4, 7}, {19, 19, adDown, 9, 5}, {9, 9, adDown, 3, 2},
        {3, 3, adDown, 1, 1},    {2, 2, adDown, 0, 0},   {0, 0, adDown, 0, 0},    {-5, 10, adDown, 0, 0},
        {INT_MIN, INT_MIN, adUp, 0, 0}, {INT_MAX, INT_MAX, adDown, 1073741823, 536870912},
    };
    for (const auto& c : cases) {
        const TSize s = cxCalcArrowSize(cxMakeSize(c.w, c.h), c.dir);
        EXPECT_EQ((std::vector<int>{s.cx, s.cy}), (std::vector<int>{c.cx, c.cy})) << c.w << "x" << c.h << " " << int(c.dir);
    }
}

TEST(ButtonLayout, EditSize)
{
    auto parts = [](TSize content, int buttonsHeight) {
        TcxEditSizeParts p;
        p.Content = content;
        p.Border = {2, 2, 2, 2};
        p.Buttons = {5, 17};
        p.ButtonsHeight = buttonsHeight;
        return p;
    };
    auto limited = [&](TcxEditSizeLimits limits) {
        TcxEditSizeParts p = parts(cxMakeSize(50, 13), 17);
        p.Limits = limits;
        p.ApplyLimits = true;
        return p;
    };
    TcxEditSizeParts unapplied = limited({200, 10, 0, 0});
    unapplied.ApplyLimits = false;
    const struct {
        const char* name;
        TcxEditSizeParts parts;
        int cx, cy;
    } cases[] = {
        {"buttons taller than the content", parts(cxMakeSize(50, 13), 17), 76, 21},
        {"content taller than the buttons", parts(cxMakeSize(50, 20), 17), 76, 24},
        {"limits of 0 do not apply", limited({}), 76, 21},
        {"maximal height and minimal width", limited({100, 0, 0, 18}), 100, 18},
        {"maximal width and minimal height", limited({0, 30, 40, 0}), 30, 40},
        {"limits only when applied", unapplied, 76, 21},
        {"unbounded content saturates", parts(cxMakeSize(INT_MAX, INT_MAX), INT_MAX), INT_MAX, INT_MAX},
        {"negative content: the buttons make up the height", parts(cxMakeSize(INT_MIN, INT_MIN), 0), INT_MIN + 26, 4},
    };
    for (const auto& c : cases) {
        const TSize s = cxEditSize(c.parts);
        EXPECT_EQ((std::vector<int>{s.cx, s.cy}), (std::vector<int>{c.cx, c.cy})) << c.name;
    }
}

} // namespace
