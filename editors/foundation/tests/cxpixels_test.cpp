#include "editors/foundation/graphics/cxpixels.h"

#include <gtest/gtest.h>

namespace {

TEST(cxPixels, RotationsMoveEachPixelWhereItsTurnTakesIt)
{
    // 3 x 2: row 0 is 0 1 2, row 1 is 3 4 5.
    struct {
        int mode;
        bool flip;
        int width, height;
        TRGBColors out;
    } cases[] = {
        {0, false, 3, 2, {0, 1, 2, 3, 4, 5}}, {0, true, 3, 2, {3, 4, 5, 0, 1, 2}},
        {1, false, 2, 3, {2, 5, 1, 4, 0, 3}}, {1, true, 2, 3, {0, 3, 1, 4, 2, 5}},
        {2, false, 2, 3, {3, 0, 4, 1, 5, 2}}, {3, false, 3, 2, {5, 4, 3, 2, 1, 0}},
        {3, true, 3, 2, {2, 1, 0, 5, 4, 3}},
    };
    for (const auto& c : cases) {
        TRGBColors px{0, 1, 2, 3, 4, 5};
        int w = 3, h = 2;
        cxRotatePixels(px, w, h, c.mode, c.flip);
        EXPECT_EQ(px, c.out) << c.mode << c.flip;
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
    }
}

TEST(cxPixels, EmptyAndThinBitmapsPassEveryFilterAndRotation)
{
    TcxFilterColors colors;
    colors.CheckerSize = 0;
    for (int w : {0, 1, 5})
        for (int h : {0, 1, 4}) {
            for (int kind = cxfkLighten; kind <= cxfkFill; ++kind) {
                TRGBColors px(static_cast<std::size_t>(w * h), 0x80402010);
                cxFilterPixels(px, w, h, static_cast<TcxFilterKind>(kind), colors);
                EXPECT_EQ(px.size(), static_cast<std::size_t>(w * h));
            }
            for (int mode = 0; mode < 4; ++mode) {
                TRGBColors px(static_cast<std::size_t>(w * h), 1);
                int ww = w, hh = h;
                cxRotatePixels(px, ww, hh, mode, true);
                EXPECT_EQ(static_cast<std::size_t>(ww * hh), px.size());
            }
        }
}

TEST(cxPixels, FiltersChangeOnlyWhatTheirKindSays)
{
    TcxFilterColors colors;
    colors.Transparent = 0xFF00FF00;
    colors.TransparentRGBs = {0x0000FF};
    colors.Shadow = 0xFF808080;
    // Red 200, green 100, blue 50, opaque; a half-transparent one; the two transparent ones.
    const std::uint32_t opaque = 0xFFC86432, half = 0x80C86432, keyed = 0xFF00FF00, listed = 0x400000FF;
    // 200 * 0.299 + 100 * 0.587 + 50 * 0.114 = 124.2.
    const std::uint32_t greyAq = 0xFF000000u | 124 * 0x010101u;
    // Kind 6: 200 * 0.0729 + 100 * 0.7146 + 50 * 0.2125 = 96.6.
    const std::uint32_t greyB = 0xFF000000u | 97 * 0x010101u;
    struct {
        TcxFilterKind kind;
        std::uint32_t opaque, half, keyed, listed;
    } cases[] = {
        {cxfkLighten, 0xFFD8926F, 0x649C4E27, keyed, listed},
        {cxfkAverageGrey, 0xFF747474, 0x80747474, keyed, listed},
        {cxfkOpaque, opaque, 0xFFC86432, keyed, 0xFF0000FF},
        {cxfkMask, 0, 0, 0xFFFFFFFF, 0xFFFFFFFF},
        {cxfkGrey, greyAq, (greyAq & 0xFFFFFF) | 0x80000000, keyed, listed},
        {cxfkGreyBlue, greyB, (greyB & 0xFFFFFF) | 0x80000000, keyed, listed},
        {cxfkFixAlpha, opaque, half, keyed, listed},
        {cxfkFill, keyed, keyed, keyed, keyed},
    };
    for (const auto& c : cases) {
        TRGBColors px{opaque, half, keyed, listed};
        cxFilterPixels(px, 4, 1, c.kind, colors);
        EXPECT_EQ(px, (TRGBColors{c.opaque, c.half, c.keyed, c.listed})) << c.kind;
    }
    TRGBColors zeroAlpha{0x00102030};
    cxFilterPixels(zeroAlpha, 1, 1, cxfkFixAlpha, colors);
    EXPECT_EQ(zeroAlpha[0], 0xFF102030u);
    // Disabled: the grey under the shadow at 0xC0 coverage and opacity 238.
    TRGBColors disabled{opaque};
    cxFilterPixels(disabled, 1, 1, cxfkDisable, colors);
    EXPECT_EQ(disabled[0], cxBlendPixel(0xC0808080, greyAq, 238));
}

TEST(cxPixels, BlendingWeighsTheColourByItsAlphaAndTheOpacity)
{
    EXPECT_EQ(cxBlendPixel(0xFFFFFFFF, 0xFF000000, 255), 0xFFFFFFFFu);
    EXPECT_EQ(cxBlendPixel(0xFFFFFFFF, 0xFF000000, 0), 0xFF000000u);
    // Opacity 128 of 255 gives 128 of the colour; alpha stays full.
    EXPECT_EQ(cxBlendPixel(0xFFFFFFFF, 0xFF000000, 128) & 0xFF, 128u);
    EXPECT_EQ(cxRGBToQuad(0x00332211, 0x7F), 0x7F112233u);
}

TEST(cxPixels, TheCheckerAlternatesCellsAndACellOfZeroIsOne)
{
    TcxFilterColors colors;
    colors.Checker[0] = 0xFF000000, colors.Checker[1] = 0xFFFFFFFF;
    for (std::uint8_t size : {2, 0}) {
        colors.CheckerSize = size;
        TRGBColors px(16, 0xFF808080);
        cxFilterPixels(px, 4, 4, cxfkChecker, colors);
        int cell = size == 0 ? 1 : size;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(px[y * 4 + x], (x / cell + y / cell) % 2 ? 0xFFFFFFFFu : 0xFF000000u) << x << y;
    }
}

} // namespace
