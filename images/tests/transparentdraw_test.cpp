// See-through blits read back pixel by pixel from 32-bit DIB sections.
#include "images/transparentdraw.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "classlib/bitmap.h"

namespace {
constexpr TColor kSentinel = 0x123456;
constexpr TColor kKey = clRed;

std::unique_ptr<TBitmap> Filled(int w, int h, TPixelFormat format, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(w, h);
    bitmap->Canvas().Brush().SetColor(color);
    bitmap->Canvas().FillRect(RECT{0, 0, w, h});
    return bitmap;
}

// 8 x 8 in 2 x 2 blocks: the key on the even diagonals, blue and lime between.
TColor BlockColor(int bx, int by)
{
    return (bx + by) % 2 == 0 ? kKey : bx % 2 ? clBlue : clLime;
}

std::unique_ptr<TBitmap> Blocks()
{
    auto bitmap = Filled(8, 8, TPixelFormat::pf32bit, clBlack);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            bitmap->Canvas().SetPixels(x, y, BlockColor(x / 2, y / 2));
    return bitmap;
}

// A two-colour one-bit bitmap: the first colour left, the second right.
std::unique_ptr<TBitmap> TwoColours(TColor left, TColor right)
{
    auto bitmap = Filled(4, 2, TPixelFormat::pf1bit, clBlack);
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x)
            bitmap->Canvas().SetPixels(x, y, clWhite);
    bitmap->SetColorTable({left, right});
    return bitmap;
}

// The slot of a newly made GDI object: it grows only while objects leak.
unsigned GdiSlot()
{
    HDC dc = CreateCompatibleDC(nullptr);
    unsigned slot = LOWORD(reinterpret_cast<UINT_PTR>(dc));
    DeleteDC(dc);
    return slot;
}
} // namespace

TEST(TransparentDraw, KeyPixelsShowTheDestinationAtEachScale)
{
    auto source = Blocks();
    struct Case {
        int num, den;
    };
    for (Case scale : {Case{1, 1}, Case{2, 1}, Case{1, 2}}) {
        int size = 8 * scale.num / scale.den;
        auto dest = Filled(20, 20, TPixelFormat::pf32bit, kSentinel);
        DrawBitmapTransparent(dest->Canvas(), *source, kKey, 0, 0, 8, 8, 3, 2, size, size);
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 20; ++y) {
                int sx = x - 3, sy = y - 2;
                bool inside = sx >= 0 && sy >= 0 && sx < size && sy < size;
                TColor block = inside ? BlockColor(sx * scale.den / scale.num / 2, sy * scale.den / scale.num / 2) : kKey;
                ASSERT_EQ(dest->Canvas().Pixels(x, y), block == kKey ? kSentinel : block)
                    << scale.num << "/" << scale.den << " at " << x << "," << y;
            }
    }
}

TEST(TransparentDraw, SidesBelowOneTakeTheBitmapsOwnSize)
{
    auto source = Blocks();
    struct Case {
        int srcXY, srcW, srcH, dstW, dstH;
        int scale;  // of the bitmap as drawn
    };
    const Case cases[] = {{0, 8, 8, 0, 0, 1}, {3, 0, 5, 16, 16, 2}, {3, 8, 0, -3, 8, 1}};
    for (const auto& c : cases) {
        auto dest = Filled(20, 20, TPixelFormat::pf32bit, kSentinel);
        DrawBitmapTransparent(dest->Canvas(), *source, kKey, c.srcXY, c.srcXY, c.srcW, c.srcH, 0, 0, c.dstW, c.dstH);
        std::string label = std::to_string(c.srcW) + "," + std::to_string(c.srcH) + " to " + std::to_string(c.dstW);
        int k = c.scale;
        EXPECT_EQ(dest->Canvas().Pixels(8 * k - 1, 6 * k - 1), clBlue) << label << ": the last column";
        EXPECT_EQ(dest->Canvas().Pixels(8 * k, 6 * k - 1), kSentinel) << label << ": nothing beyond";
        EXPECT_EQ(dest->Canvas().Pixels(2 * k, 0), clBlue) << label << ": the bitmap from 0, 0";
    }
}

TEST(TransparentDraw, TheKeyOfEachKindOfBitmap)
{
    struct Case {
        const char* what;
        std::unique_ptr<TBitmap> bitmap;
        TColor key;
        TColor left, right;  // what the destination shows
    };
    Case cases[] = {
        {"black and white: white whatever the key", TwoColours(clBlack, clWhite), clLime, clBlack, kSentinel},
        {"white and black", TwoColours(clWhite, clBlack), clBlack, kSentinel, clBlack},
        {"red and blue keyed red", TwoColours(clRed, clBlue), clRed, kSentinel, clBlue},
        {"red and blue keyed blue", TwoColours(clRed, clBlue), clBlue, clRed, kSentinel},
        {"clNone copies", TwoColours(clRed, clBlue), clNone, clRed, clBlue},
        {"clNone copies a 32-bit one", Filled(4, 2, TPixelFormat::pf32bit, kKey), clNone, kKey, kKey},
    };
    for (auto& c : cases) {
        auto dest = Filled(4, 2, TPixelFormat::pf32bit, kSentinel);
        DrawBitmapRectTransparent(dest->Canvas(), 0, 0, 4, 2, RECT{0, 0, 4, 2}, *c.bitmap, c.key);
        EXPECT_EQ(dest->Canvas().Pixels(0, 1), c.left) << c.what;
        EXPECT_EQ(dest->Canvas().Pixels(3, 0), c.right) << c.what;
    }
}

TEST(TransparentDraw, BadRectanglesAndEmptyBitmapsDrawNothingAndLeakNothing)
{
    auto source = Blocks();
    TBitmap empty;
    auto dest = Filled(8, 8, TPixelFormat::pf32bit, kSentinel);
    struct Case {
        const TBitmap* bitmap;
        int dstW, dstH;
        HDC from;  // MaskedStretchBlt straight from this DC
    };
    HDC sourceDC = source->Canvas().Handle();
    const Case cases[] = {{&empty, 8, 8, nullptr},        {source.get(), INT_MAX, INT_MAX, nullptr},
                          {source.get(), 0, -5, sourceDC}, {source.get(), -8, 8, sourceDC},
                          {source.get(), 8, 8, sourceDC}};
    unsigned before = GdiSlot();
    for (int i = 0; i < 1000; ++i) {
        const Case& c = cases[i % std::size(cases)];
        if (c.from)
            MaskedStretchBlt(dest->Canvas().Handle(), 0, 0, c.dstW, c.dstH, c.from, 0, 0, c.dstW, c.dstH, kKey,
                             nullptr);
        else
            DrawBitmapTransparent(dest->Canvas(), *c.bitmap, kKey, 0, 0, INT_MAX, INT_MAX, 0, 0, c.dstW, c.dstH);
    }
    EXPECT_LT(GdiSlot(), before + 64) << "GDI objects were left behind";
    EXPECT_EQ(dest->Canvas().Pixels(0, 0), kSentinel) << "the key block at the top left";
    EXPECT_EQ(dest->Canvas().Pixels(2, 0), clBlue) << "the one valid case drew";
}

TEST(TransparentDraw, PaletteRGBColorFlagsThePlainRGBValue)
{
    EXPECT_EQ(PaletteRGBColor(clRed), 0x020000FF);
    EXPECT_EQ(PaletteRGBColor(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE) | 0x02000000));
}
