#include "editors/foundation/graphics/cxcanvasgeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TTile {
    TRect part;
    int sx, sy;
};

std::vector<TTile> Tiles(const TRect& r, int w, int h)
{
    std::vector<TTile> tiles;
    cxForEachTile(r, w, h, [&](const TRect& p, int sx, int sy) { tiles.push_back({p, sx, sy}); });
    return tiles;
}

TEST(cxCanvasGeometry, TilesLieOnOneGridOnBothSidesOfZero)
{
    for (TRect r : {TRect{-7, -5, 8, 4}, TRect{1, 2, 9, 3}, TRect{-3, -3, -1, -1}}) {
        // Every covered pixel comes from the picture's pixel at its position modulo the size.
        int covered = 0;
        for (const TTile& t : Tiles(r, 3, 3)) {
            EXPECT_GE(t.part.left, r.left);
            EXPECT_LE(t.part.right, r.right);
            EXPECT_EQ(((t.part.left % 3) + 3) % 3, t.sx);
            EXPECT_EQ(((t.part.top % 3) + 3) % 3, t.sy);
            EXPECT_LE(t.sx + cxRectGetWidth(t.part), 3);
            covered += cxRectGetWidth(t.part) * cxRectGetHeight(t.part);
        }
        EXPECT_EQ(covered, cxRectGetWidth(r) * cxRectGetHeight(r));
    }
    EXPECT_TRUE(Tiles(TRect{5, 5, 5, 9}, 3, 3).empty());
}

TEST(cxCanvasGeometry, FrameStripsGoLeftRightTopBottomAndStayInside)
{
    std::vector<TRect> strips;
    cxForEachFrameStrip(TRect{0, 0, 10, 4}, 3, cxBordersAll, [&](const TRect& s) { strips.push_back(s); });
    const TRect expected[] = {{0, 0, 3, 4}, {7, 0, 10, 4}, {0, 0, 10, 3}, {0, 1, 10, 4}};
    ASSERT_EQ(strips.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(cxRectSame(strips[i], expected[i])) << i;
    strips.clear();
    cxForEachFrameStrip(TRect{0, 0, 2, 2}, 5, bRight | bBottom, [&](const TRect& s) { strips.push_back(s); });
    ASSERT_EQ(strips.size(), 2u);
    EXPECT_TRUE(cxRectSame(strips[0], TRect{0, 0, 2, 2}));
    EXPECT_TRUE(cxRectSame(cxRectInsideBorders(TRect{0, 0, 10, 10}, 2, bLeft | bBottom), TRect{2, 0, 10, 8}));
}

} // namespace
