// See-through blits read back pixel by pixel from 32-bit DIB sections.
#include "images/transparentdraw.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "classlib/bitmap.h"
#include "classlib/handles.h"

namespace {
constexpr TColor kSentinel = 0x123456, kKey = clRed;

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

// A one-bit bitmap: colour table entry 0 in the left half, entry 1 in the right.
std::unique_ptr<TBitmap> TwoColours(TColor left, TColor right)
{
    auto bitmap = Filled(4, 2, TPixelFormat::pf1bit, clBlack);
    bitmap->Canvas().Brush().SetColor(clWhite);
    bitmap->Canvas().FillRect(RECT{2, 0, 4, 2});
    bitmap->SetColorTable({left, right});
    return bitmap;
}

// The slot of a newly made GDI object: it grows only while objects leak.
unsigned GdiSlot()
{
    UniqueDC dc(CreateCompatibleDC(nullptr));
    return LOWORD(reinterpret_cast<UINT_PTR>(dc.get()));
}
} // namespace

TEST(TransparentDraw, KeyPixelsShowTheDestinationAtEachScale)
{
    auto source = Blocks();
    for (auto [num, den] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{1, 2}}) {
        int size = 8 * num / den;
        auto dest = Filled(20, 20, TPixelFormat::pf32bit, kSentinel);
        DrawBitmapTransparent(dest->Canvas(), *source, kKey, 0, 0, 8, 8, 3, 2, size, size);
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 20; ++y) {
                int sx = x - 3, sy = y - 2;
                bool inside = sx >= 0 && sy >= 0 && sx < size && sy < size;
                TColor block = inside ? BlockColor(sx * den / num / 2, sy * den / num / 2) : kKey;
                ASSERT_EQ(dest->Canvas().Pixels(x, y), block == kKey ? kSentinel : block)
                    << num << "/" << den << " at " << x << "," << y;
            }
    }
}

TEST(TransparentDraw, SidesBelowOneTakeTheBitmapsOwnSize)
{
    auto source = Blocks();
    struct Case {
        int srcXY, srcW, srcH, dstW, dstH, scale;
    };
    for (const Case& c : {Case{0, 8, 8, 0, 0, 1}, Case{3, 0, 5, 16, 16, 2}, Case{3, 8, 0, -3, 8, 1}}) {
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
        TColor key, left, right; // what the destination shows on each side
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
    EXPECT_EQ(PaletteRGBColor(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE) | 0x02000000));
}

TEST(TransparentDraw, BadRectanglesAndEmptyBitmapsDrawNothingAndLeakNothing)
{
    auto source = Blocks();
    TBitmap empty;
    auto dest = Filled(8, 8, TPixelFormat::pf32bit, kSentinel);
    HDC from = source->Canvas().Handle();
    struct Case {
        const TBitmap* bitmap; // else MaskedStretchBlt straight from the source's DC
        int w, h;
    };
    const Case cases[] = {{&empty, 8, 8}, {source.get(), INT_MAX, INT_MAX}, {nullptr, 0, -5}, {nullptr, -8, 8},
                          {nullptr, 8, 8}};
    unsigned before = GdiSlot();
    for (int i = 0; i < 1000; ++i) {
        const Case& c = cases[i % std::size(cases)];
        if (c.bitmap)
            DrawBitmapTransparent(dest->Canvas(), *c.bitmap, kKey, 0, 0, INT_MAX, INT_MAX, 0, 0, c.w, c.h);
        else
            MaskedStretchBlt(dest->Canvas().Handle(), 0, 0, c.w, c.h, from, 0, 0, c.w, c.h, kKey, nullptr);
    }
    EXPECT_LT(GdiSlot(), before + 64) << "GDI objects were left behind";
    EXPECT_EQ(dest->Canvas().Pixels(0, 0), kSentinel) << "the key block at the top left";
    EXPECT_EQ(dest->Canvas().Pixels(2, 0), clBlue) << "the one valid case drew";
}
