#include <climits>
#include <vector>

#include <gtest/gtest.h>

#include "editors/edit/container/cxcontainergeometry.h"

namespace {

std::vector<int> Sides(const TRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

std::vector<int> Sides(const TcxContainerInsets& i)
{
    return {i.Left, i.Top, i.Right, i.Bottom};
}

TcxContainerFrame Plain(TcxContainerBorderStyle style, unsigned edges = cxBordersAll)
{
    TcxContainerFrame f;
    f.FrameStyle = f.NormalBorderStyle = style;
    f.FrameWidth = GetContainerBorderWidth(style);
    f.Edges = edges;
    f.ActiveBorderShown = f.NormalBorderShown = style != cbsNone;
    f.TransparentBorder = false;
    return f;
}

TEST(ContainerGeometry, BorderWidths)
{
    const struct {
        int style, width;
    } cases[] = {{cbsNone, 0}, {cbsSingle, 1}, {cbsThick, 2}, {cbsFlat, 2}, {cbs3D, 2},
                 {cbsUltraFlat, 1}, {cbsOffice11, 1}, {7, 0}, {255, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(GetContainerBorderWidth(static_cast<TcxContainerBorderStyle>(c.style)), c.width) << c.style;
}

TEST(ContainerGeometry, ContentInsets)
{
    auto with = [](TcxContainerFrame f, auto change) { change(f); return f; };
    const struct {
        const char* name;
        TcxContainerFrame frame;
        std::vector<int> insets;
    } cases[] = {
        {"none", Plain(cbsNone), {0, 0, 0, 0}},
        {"single", Plain(cbsSingle), {1, 1, 1, 1}},
        {"thick, left and bottom", Plain(cbsThick, bLeft | bBottom), {2, 0, 0, 2}},
        {"3D, no edges", Plain(cbs3D, 0), {0, 0, 0, 0}},
        {"flat with shadow", with(Plain(cbsFlat), [](auto& f) { f.Shadow = true; }), {2, 2, 5, 5}},
        {"transparent beats the style", with(Plain(cbsSingle, bTop), [](auto& f) { f.TransparentBorder = true; }),
         {2, 2, 2, 2}},
        {"transparent with a skin uses the style",
         with(Plain(cbsSingle, bTop), [](auto& f) { f.TransparentBorder = f.Skinned = true; }), {0, 1, 0, 0}},
        {"themed", with(Plain(cbsSingle, bTop), [](auto& f) { f.Themed = true; }), {2, 2, 2, 2}},
        {"themed, normal style without border",
         with(Plain(cbsSingle), [](auto& f) { f.Themed = true, f.NormalBorderStyle = cbsNone; }), {0, 0, 0, 0}},
        {"active style without border", with(Plain(cbsThick), [](auto& f) { f.ActiveBorderShown = false; }),
         {0, 0, 0, 0}},
        {"no border with shadow", with(Plain(cbsNone), [](auto& f) { f.Shadow = true; }), {0, 0, 3, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sides(cxContainerContentInsets(c.frame)), c.insets) << c.name;
}

TEST(ContainerGeometry, DrawBounds)
{
    auto with = [](TcxContainerFrame f, auto change) { change(f); return f; };
    auto transparent = [](TcxContainerFrame f) { f.TransparentBorder = true; return f; };
    const struct {
        const char* name;
        int width, height;
        TcxContainerFrame frame;
        std::vector<int> bounds;
    } cases[] = {
        {"plain border", 100, 20, Plain(cbsSingle), {0, 0, 100, 20}},
        {"shadow", 100, 20, with(Plain(cbsSingle), [](auto& f) { f.Shadow = true; }), {0, 0, 97, 17}},
        {"transparent single", 100, 20, transparent(Plain(cbsSingle)), {1, 1, 99, 19}},
        {"transparent thick, top edge only", 100, 20, transparent(Plain(cbsThick, bTop)), {2, 0, 98, 18}},
        {"transparent without border", 100, 20, transparent(Plain(cbsNone)), {2, 2, 98, 18}},
        {"themed transparent, normal style none", 100, 20,
         with(transparent(Plain(cbsSingle)), [](auto& f) { f.Themed = true, f.NormalBorderStyle = cbsNone; }),
         {2, 2, 98, 18}},
        {"themed transparent single", 100, 20, with(transparent(Plain(cbsSingle)), [](auto& f) { f.Themed = true; }),
         {0, 0, 100, 20}},
        {"in place ignores shadow and border", 100, 20,
         with(transparent(Plain(cbsNone)), [](auto& f) { f.Shadow = f.Inplace = true; }), {0, 0, 100, 20}},
        {"bottom above the top", 100, 3, with(transparent(Plain(cbsNone)), [](auto& f) { f.Shadow = true; }),
         {2, 0, 95, 0}},
        {"0x0", 0, 0, transparent(Plain(cbsNone)), {2, 0, -2, 0}},
        {"32767 wide", 32767, 20, with(Plain(cbs3D), [](auto& f) { f.Shadow = true; }), {0, 0, 32764, 17}},
        {"extreme size stays in range", INT_MAX, INT_MAX,
         with(transparent(Plain(cbsSingle)), [](auto& f) { f.Shadow = true; }), {1, 1, INT_MAX - 4, INT_MAX - 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sides(cxContainerDrawBounds(c.width, c.height, c.frame)), c.bounds) << c.name;
}

TEST(ContainerGeometry, ControlRect)
{
    const TRect outer{0, 0, 100, 20};
    const struct {
        const char* name;
        TcxContainerInsets insets;
        TcxContainerBorderStyle style;
        unsigned edges;
        std::vector<int> rect;
    } cases[] = {
        {"single, all edges", {1, 1, 1, 1}, cbsSingle, cxBordersAll, {0, 0, 100, 20}},
        {"transparent insets around a single frame", {2, 2, 2, 2}, cbsSingle, cxBordersAll, {1, 1, 99, 19}},
        {"shadow left outside", {2, 2, 5, 5}, cbsFlat, cxBordersAll, {0, 0, 97, 17}},
        {"missing sides pulled in", {0, 2, 2, 0}, cbsThick, bTop | bRight, {0, 0, 100, 20}},
        {"no border", {0, 0, 0, 0}, cbsNone, cxBordersAll, {0, 0, 100, 20}},
        {"insets beyond the control", {80, 15, 80, 15}, cbsSingle, cxBordersAll, {79, 14, 81, 16}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sides(cxContainerControlRect(outer, c.insets, c.style, c.edges)), c.rect) << c.name;
}

TEST(ContainerGeometry, InsetsNeverInvert)
{
    const struct {
        TRect rect;
        TcxContainerInsets insets;
        std::vector<int> inner;
    } cases[] = {{{0, 0, 100, 20}, {2, 2, 5, 5}, {2, 2, 95, 15}},
                 {{0, 0, 4, 4}, {2, 2, 5, 5}, {2, 2, 2, 2}},
                 {{0, 0, 0, 0}, {2, 2, 2, 2}, {2, 2, 2, 2}},
                 {{0, 0, INT_MAX, 10}, {INT_MIN, 0, INT_MIN, 0}, {INT_MIN, 0, INT_MAX, 10}}};
    for (const auto& c : cases)
        EXPECT_EQ(Sides(cxRectDeflatedByInsets(c.rect, c.insets)), c.inner);
}

TEST(ContainerGeometry, DeflateMissingSides)
{
    const TRect r{10, 10, 50, 30};
    const struct {
        unsigned sides;
        std::vector<int> rect;
    } cases[] = {{cxBordersAll, {10, 10, 50, 30}},
                 {0, {12, 12, 48, 28}},
                 {bLeft | bRight, {10, 12, 50, 28}},
                 {bTop, {12, 10, 48, 28}}};
    for (const auto& c : cases)
        EXPECT_EQ(Sides(DeflateMissingSides(r, 2, c.sides)), c.rect) << c.sides;
}

TEST(ContainerGeometry, InnerControlVisiblePart)
{
    const TRect align{2, 2, 98, 18};
    const struct {
        const char* name;
        TRect bounds;
        std::vector<int> rect;
        bool whole;
    } cases[] = {
        {"inside", {2, 2, 98, 18}, {0, 0, 96, 16}, true},
        {"sticks out right and down", {2, 2, 110, 30}, {0, 0, 96, 16}, false},
        {"sticks out left and up", {0, 0, 50, 10}, {2, 2, 50, 10}, false},
        {"larger on every side", {-10, -10, 110, 30}, {12, 12, 108, 28}, false},
        {"wholly outside is empty", {200, 2, 220, 18}, {0, 0, 0, 16}, false},
        {"zero sized", {5, 5, 5, 5}, {0, 0, 0, 0}, true},
    };
    for (const auto& c : cases) {
        const auto part = cxInnerControlVisiblePart(c.bounds, align);
        EXPECT_EQ(Sides(part.Rect), c.rect) << c.name;
        EXPECT_EQ(part.Whole, c.whole) << c.name;
    }
}

TEST(ContainerGeometry, StripsExcept)
{
    const TRect r{0, 0, 100, 20};
    const struct {
        const char* name;
        TRect rect, hole;
        std::vector<std::vector<int>> strips;
    } cases[] = {
        {"frame around a hole", r, {2, 2, 98, 18},
         {{0, 0, 100, 2}, {0, 18, 100, 20}, {0, 2, 2, 18}, {98, 2, 100, 18}}},
        {"hole at the top left", r, {0, 0, 50, 10}, {{0, 10, 100, 20}, {50, 0, 100, 10}}},
        {"hole equals rect", r, r, {}},
        {"empty rect", {5, 5, 5, 20}, {0, 0, 1, 1}, {}},
        {"empty hole", r, {10, 10, 10, 15}, {{0, 0, 100, 20}}},
        {"inverted hole (insets beyond the control)", r, {80, 15, 20, 5}, {{0, 0, 100, 20}}},
        {"hole outside", r, {200, 0, 300, 20}, {{0, 0, 100, 20}}},
        {"hole larger than rect", r, {-5, -5, 105, 25}, {}},
        {"hole sticking out right", r, {90, 5, 150, 15}, {{0, 0, 100, 5}, {0, 15, 100, 20}, {0, 5, 90, 15}}},
    };
    for (const auto& c : cases) {
        std::vector<std::vector<int>> strips;
        for (const TRect& s : cxRectStripsExcept(c.rect, c.hole))
            strips.push_back(Sides(s));
        EXPECT_EQ(strips, c.strips) << c.name;
    }
}

TEST(ContainerGeometry, ShadowAndFrame)
{
    const auto shadow = cxContainerShadowRects(TRect{0, 0, 97, 17});
    EXPECT_EQ(Sides(shadow[0]), (std::vector<int>{3, 17, 97, 20}));
    EXPECT_EQ(Sides(shadow[1]), (std::vector<int>{97, 3, 100, 20}));
    // Narrower or lower than the shadow: empty, not inverted.
    const auto tiny = cxContainerShadowRects(TRect{0, 0, 2, 1});
    EXPECT_EQ(Sides(tiny[0]), (std::vector<int>{3, 1, 3, 4}));
    EXPECT_EQ(Sides(tiny[1]), (std::vector<int>{2, 3, 5, 4}));

    const TRect inner{2, 2, 95, 15};
    const struct {
        unsigned sides;
        std::vector<int> shadowFrom, border;
    } cases[] = {{cxBordersAll, {0, 0, 97, 17}, {0, 0, 97, 17}},
                 {bLeft | bTop, {0, 0, 95, 15}, {0, 0, 97, 17}},
                 {bRight, {0, 0, 97, 15}, {0, 0, 97, 17}}};
    for (const auto& c : cases) {
        const auto rects = cxContainerFrameRects(inner, 2, c.sides);
        EXPECT_EQ(Sides(rects.ShadowFrom), c.shadowFrom) << c.sides;
        EXPECT_EQ(Sides(rects.Border), c.border) << c.sides;
    }
}

} // namespace
