#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/bitmap.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/tests/foundation_environment.h"

namespace {

constexpr TColor kSentinel = 0x123456;

// A 32-bit bitmap filled with the sentinel colour.
class Office11Paint : public ::testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(40, 20);
        FillRectWithColor(Dc(), RECT{0, 0, 40, 20}, kSentinel);
    }
    HDC Dc() { return bitmap.Canvas().Handle(); }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    TBitmap bitmap;
};

TEST_F(Office11Paint, GradientsRunFromTheFirstColourToTheSecond)
{
    using TFill = void (*)(HDC, const RECT&, TColor, TColor, bool);
    for (TFill fill : {TFill{FillRectGradient}, TFill{FillRectSoftGradient}}) {
        fill(Dc(), RECT{2, 2, 34, 12}, clBlack, clWhite, true);
        EXPECT_EQ(At(2, 5), clBlack);
        EXPECT_GE(At(33, 5) & 0xFF, 0xF0);
        EXPECT_LT(At(10, 5) & 0xFF, At(25, 5) & 0xFF);
        EXPECT_EQ(At(34, 5), kSentinel);
        EXPECT_EQ(At(2, 12), kSentinel);
    }
    // A system colour and its value are one colour: a solid fill.
    auto face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
    FillRectGradient(Dc(), RECT{0, 0, 40, 20}, clBtnFace, face, false);
    EXPECT_EQ(At(0, 0), face);
    EXPECT_EQ(At(39, 19), face);
}

TEST_F(Office11Paint, TheSizeGripIsAStaircaseOfThreeTwoAndOneDots)
{
    Office11PaintSizeGrip(Dc(), RECT{0, 0, 40, 20}, clRed, clBlue);
    // Shadow squares start on rows 18, 14 and 10 at 4-pixel steps ending at x 38;
    // each dot is its square one pixel up and left.
    struct {
        int row, dots;
    } rows[] = {{18, 3}, {14, 2}, {10, 1}};
    for (const auto& r : rows)
        for (int i = 0; i < 3; ++i) {
            int x = 37 - 4 * i;
            bool dot = i < r.dots;
            EXPECT_EQ(At(x - 1, r.row - 1), dot ? clRed : kSentinel) << r.row << " " << i;
            EXPECT_EQ(At(x + 1, r.row + 1), dot ? clBlue : kSentinel) << r.row << " " << i;
        }
    EXPECT_EQ(At(20, 17), kSentinel);
}

TEST(Office11Colors, FollowTheSystemColoursWhenNoSchemeApplies)
{
    Office11ColorsAcquire();
    EXPECT_EQ(Office11DetectScheme(), 0) << "Wine's style is not one of the three schemes";
    EXPECT_FALSE(Office11SchemeThemed());
    const auto& p = Office11Palette();
    EXPECT_EQ(p.Entries[2], GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(p.Entries[21], GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(p.Entries[30], GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(p.HighlightEdge, GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_NE(Office11Brush(12), nullptr);
    EXPECT_EQ(Office11Brush(0), nullptr);
    EXPECT_EQ(Office11ExpandButtonPlus().Width(), 11);
    EXPECT_EQ(Office11ExpandButtonMinus().Height(), 11);
    // The arrow's shades became mixes of entries 0 and 1; the background stayed.
    const TBitmap& arrow = Office11SubmenuExpandBitmap();
    ASSERT_FALSE(arrow.Empty());
    EXPECT_EQ(static_cast<TRGB>(arrow.Canvas().Pixels(0, 0)), 0xFF00FFu);
    EXPECT_EQ(static_cast<TRGB>(arrow.Canvas().Pixels(2, 3)), p.Entries[1]);
    Office11ColorsRelease();
    EXPECT_EQ(Office11Brush(12), nullptr);
    EXPECT_TRUE(Office11SubmenuExpandBitmap().Empty());
}

} // namespace
