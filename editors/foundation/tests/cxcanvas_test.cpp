#include "editors/foundation/graphics/cxcanvas.h"

#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "classlib/exceptions.h"
#include "classlib/filestream.h"
#include "classlib/tests/testfiles.h"
#include "editors/foundation/graphics/cxbitmap.h"
#include "editors/foundation/graphics/cxeditpaintutils.h"
#include "editors/foundation/graphics/cxgraphics.h"

namespace {

constexpr TColor kSentinel = 0x123456;

TColor Sys(TColor color)
{
    return static_cast<TColor>(ColorToRGB(color));
}

// A 32-bit bitmap filled with the sentinel, and a TcxCanvas over it.
class CanvasPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(40, 30);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, 40, 30});
    }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    TBitmap bitmap;
    TcxCanvas canvas{bitmap.Canvas()};
};

TEST_F(CanvasPixels, FramesAndFillsCoverTheirBordersOnly)
{
    canvas.FramedFill(RECT{2, 2, 12, 10}, TcxFill{clRed}, false, 2, clBlue, bLeft | bTop);
    struct {
        int x, y;
        TColor color;
    } framed[] = {{2, 5, clBlue}, {3, 9, clBlue}, {8, 2, clBlue}, {11, 3, clBlue}, {4, 4, clRed},
                  {11, 9, clRed}, {12, 5, kSentinel}, {5, 10, kSentinel}, {1, 1, kSentinel}};
    for (const auto& p : framed)
        EXPECT_EQ(At(p.x, p.y), p.color) << p.x << "," << p.y;
    // clNone draws nothing; clDefault keeps the brush colour.
    canvas.FillRectColor(RECT{20, 0, 30, 10}, clNone);
    EXPECT_EQ(At(25, 5), kSentinel);
    canvas.SetBrushColor(clLime);
    canvas.FillRectColor(RECT{20, 0, 30, 10}, clDefault);
    EXPECT_EQ(At(25, 5), clLime);
}

TEST_F(CanvasPixels, EdgesTakeTheirSystemColours)
{
    struct {
        bool sunken, outer;
        TColor leftTop, rightBottom;
    } cases[] = {{true, true, clBtnShadow, clBtnHighlight}, {true, false, cl3DDkShadow, cl3DLight},
                 {false, true, cl3DLight, cl3DDkShadow}, {false, false, clBtnHighlight, clBtnShadow}};
    for (const auto& c : cases) {
        canvas.FillRectColor(RECT{0, 0, 40, 30}, kSentinel);
        canvas.DrawEdge3D(RECT{5, 5, 15, 15}, c.sunken, c.outer);
        EXPECT_EQ(At(5, 10), Sys(c.leftTop));
        EXPECT_EQ(At(10, 5), Sys(c.leftTop));
        EXPECT_EQ(At(14, 10), Sys(c.rightBottom));
        EXPECT_EQ(At(10, 14), Sys(c.rightBottom));
        EXPECT_EQ(At(10, 10), kSentinel);
    }
}

TEST_F(CanvasPixels, ABitmapTilesOnItsGridOnBothSidesOfZero)
{
    TBitmap tile;
    tile.SetPixelFormat(TPixelFormat::pf32bit);
    tile.SetSize(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            tile.Canvas().SetPixels(x, y, static_cast<TColor>(0x10 * (y * 3 + x + 1)));
    // Canvas coordinates -10.. on the bitmap's left edge.
    canvas.SetWindowOrg(POINT{-10, -10});
    canvas.FillRect(RECT{-7, -5, 8, 4}, &tile);
    canvas.SetWindowOrg(POINT{0, 0});
    for (int y = -5; y < 4; ++y)
        for (int x = -7; x < 8; ++x) {
            int tx = ((x % 3) + 3) % 3, ty = ((y % 3) + 3) % 3;
            EXPECT_EQ(At(x + 10, y + 10), static_cast<TColor>(0x10 * (ty * 3 + tx + 1))) << x << "," << y;
        }
    EXPECT_EQ(At(2, 10), kSentinel);
}

TEST_F(CanvasPixels, ClipRegionsStackAndAnEmptyStackPopsNothing)
{
    EXPECT_EQ(canvas.ClipRegionOf(), nullptr);
    canvas.PopClipRegion();
    canvas.PushClipRegion();
    canvas.IntersectClipRect(RECT{0, 0, 10, 10});
    canvas.PushClipRegion();
    canvas.ExcludeClipRect(RECT{0, 0, 5, 5});
    canvas.FillRectColor(RECT{0, 0, 40, 30}, clRed);
    EXPECT_EQ(At(2, 2), kSentinel);
    EXPECT_EQ(At(7, 7), clRed);
    EXPECT_EQ(At(12, 12), kSentinel);
    canvas.PopClipRegion();
    canvas.FillRectColor(RECT{0, 0, 40, 30}, clBlue);
    EXPECT_EQ(At(2, 2), clBlue);
    EXPECT_EQ(At(12, 12), kSentinel);
    canvas.PopClipRegion();
    canvas.PopClipRegion();
    canvas.FillRectColor(RECT{0, 0, 40, 30}, clLime);
    EXPECT_EQ(At(12, 12), clLime);
    // Exclude takes a filled rectangle out of the clip.
    canvas.FillRect(RECT{0, 0, 5, 5}, nullptr, true);
    canvas.FillRectColor(RECT{0, 0, 40, 30}, clRed);
    EXPECT_EQ(At(2, 2), clLime);
    EXPECT_EQ(At(20, 20), clRed);
}

// No clip stays no clip under a moved origin: nothing is cut at some
// stand-in extent, on either side of the device's own origin.
TEST_F(CanvasPixels, NoClipSurvivesAPushPopAndAnExcludeUnderAMovedOrigin)
{
    HDC dc = canvas.Handle();
    SetViewportOrgEx(dc, 10, 10, nullptr);
    canvas.PushClipRegion();
    canvas.PopClipRegion();
    canvas.FillRect(RECT{0, 0, 4, 4}, nullptr, true);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    canvas.FillRectColor(RECT{0, 0, 40, 30}, clRed);
    EXPECT_EQ(At(2, 2), clRed);
    EXPECT_EQ(At(12, 12), kSentinel) << "the excluded square";
    EXPECT_EQ(At(30, 20), clRed);

    SelectClipRgn(dc, nullptr);
    canvas.SetWindowOrg(POINT{40000, 0});
    canvas.PushClipRegion();
    canvas.FillRect(RECT{40000, 0, 4 + 40000, 4}, nullptr, true);
    canvas.PopClipRegion();
    canvas.FillRectColor(RECT{40000, 0, 40040, 30}, clBlue);
    canvas.SetWindowOrg(POINT{0, 0});
    EXPECT_EQ(At(2, 2), clBlue);
    EXPECT_EQ(At(20, 20), clBlue);
}

TEST_F(CanvasPixels, DisabledTextHasItsHighlightCopyOneDownAndRight)
{
    canvas.Font().SetSize(14);
    canvas.Brush().SetColor(kSentinel);
    canvas.DrawStateText("I", RECT{0, 0, 40, 30}, cxSingleLine, false);
    // The stem's first shadow column has its highlight copy one pixel right.
    int shadowX = -1, shadowY = -1;
    for (int y = 0; y < 30 && shadowX < 0; ++y)
        for (int x = 0; x < 40 && shadowX < 0; ++x)
            if (At(x, y) == Sys(clBtnShadow))
                shadowX = x, shadowY = y;
    ASSERT_GE(shadowX, 0);
    bool highlightBelowRight = false;
    for (int y = shadowY; y < 30; ++y)
        highlightBelowRight |= At(shadowX + 1, y) == Sys(clBtnHighlight);
    EXPECT_TRUE(highlightBelowRight);
    EXPECT_NE(At(shadowX - 1, shadowY), Sys(clBtnHighlight));
}

TEST(cxBitmap, XdbmAndPlainStreamsRoundTripThroughFilesAndABadOneChangesNothing)
{
    TTempFolder dir;
    TcxBitmap bitmap(5, 3);
    for (int x = 0; x < 5; ++x)
        bitmap.Canvas().SetPixels(x, 1, static_cast<TColor>(0x102030 * (x + 1)));
    for (bool compressed : {true, false}) {
        bitmap.SetCompressData(compressed);
        std::string file = dir.Path() + "\\b.bmp";
        bitmap.SaveToFile(file);
        TcxBitmap back;
        back.LoadFromFile(file);
        EXPECT_EQ(back.GetBits(), bitmap.GetBits()) << compressed;
    }
    TcxBitmap kept(2, 2);
    TMemoryStream bad;
    const std::uint8_t header[] = {200, 0, 0, 0, 'X', 'D', 'B', 'M', 1, 0, 0x85, 1};
    bad.WriteBuffer(header, sizeof header);
    bad.SetPosition(0);
    EXPECT_THROW(kept.LoadFromStream(bad), EReadError);
    EXPECT_EQ(kept.Width(), 2);
}

TEST(cxBitmap, RotationTurnsTheRealBitmap)
{
    TcxBitmap bitmap(3, 2);
    TRGBColors px{1, 2, 3, 4, 5, 6};
    bitmap.SetBits(px);
    int changes = 0;
    bitmap.OnChange = [&] { ++changes; };
    bitmap.Rotate(2);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.GetBits(), (TRGBColors{4, 1, 5, 2, 6, 3}));
    EXPECT_EQ(changes, 1);
}

TEST(cxSolidBrushFor, ColoursShareOneBrushAndSystemColoursUseTheSystemsBrush)
{
    HBRUSH red = cxSolidBrushFor(clRed);
    EXPECT_EQ(cxSolidBrushFor(clRed), red);
    EXPECT_EQ(cxSolidBrushFor(clBtnFace), GetSysColorBrush(COLOR_BTNFACE));
    LOGBRUSH lb{};
    GetObjectA(red, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, ColorToRGB(clRed));
    EXPECT_FALSE(cxIsComplexCharsetText(DEFAULT_CHARSET, ""));
    EXPECT_TRUE(cxIsComplexCharsetText(DEFAULT_CHARSET, "\xC4\xE3"));
}

} // namespace

TEST(TextApi, LengthMinusOneMeansTheWholeTextInEveryCall)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const char* text = "合计 12.5";
    int bytes = static_cast<int>(std::strlen(text));
    SIZE whole{}, given{};
    ASSERT_TRUE(cxTextExtentApi(dc, text, -1, whole));
    ASSERT_TRUE(cxTextExtentApi(dc, text, bytes, given));
    EXPECT_EQ(whole.cx, given.cx);
    SIZE part{};
    cxTextExtentApi(dc, text, 2, part);
    EXPECT_LT(part.cx, whole.cx);
    RECT r{0, 0, 0, 0};
    cxDrawTextApi(dc, text, -1, r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.right, whole.cx);
    EXPECT_TRUE(cxExtTextOutApi(dc, 0, 0, 0, nullptr, text, -1, nullptr));
    DeleteDC(dc);
}
