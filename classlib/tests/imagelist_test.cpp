// Pictures added to an image list from bitmaps, drawn enabled and disabled.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/bitmap.h"
#include "classlib/imagelist.h"

namespace {

constexpr TColor kSentinel = 0x123456;
constexpr TColor kMask = clFuchsia;

TColor Sys(TColor color)
{
    return static_cast<TColor>(ColorToRGB(color));
}

// A picture from rows of letters: '.' see-through, 'k' black, 'w' white, 'r' red.
struct Picture {
    std::vector<std::string> rows;
    int Width() const { return static_cast<int>(rows[0].size()); }
    int Height() const { return static_cast<int>(rows.size()); }
    char At(int x, int y) const
    {
        return x < 0 || y < 0 || x >= Width() || y >= Height() ? '.' : rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    }
    TColor ColorAt(int x, int y) const
    {
        switch (At(x, y)) {
        case 'k': return clBlack;
        case 'w': return clWhite;
        case 'r': return clRed;
        default: return kMask;
        }
    }
    // Neither see-through nor white: what the disabled look draws.
    bool InShape(int x, int y) const { return At(x, y) == 'k' || At(x, y) == 'r'; }
    std::unique_ptr<TBitmap> Bitmap() const
    {
        auto b = std::make_unique<TBitmap>();
        TBitmap& bitmap = *b;
        bitmap.SetSize(Width(), Height());
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                bitmap.Canvas().SetPixels(x, y, ColorAt(x, y));
        return b;
    }
};

struct Surface {
    Surface(int w, int h)
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(w, h);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, w, h});
    }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    TBitmap bitmap;
};

const Picture kPictures[] = {
    {{"k....", "kk...", "k.k..", "kkkk.", "....."}},
    {{"wwwww", "wkkkw", "wkrkw", "wkkkw", "wwwww"}},
    {{".r.r.", "r.w.r", ".r.r.", "....w", "k...k"}},
};

TEST(ImageList, AnEnabledPictureLeavesItsMaskedPixelsUntouched)
{
    for (const Picture& picture : kPictures) {
        TImageList list;
        list.SetSize(picture.Width(), picture.Height());
        ASSERT_EQ(list.AddMasked(*picture.Bitmap(), kMask), 0);
        Surface s(12, 12);
        list.Draw(s.bitmap.Canvas(), 3, 2, 0, true);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const char c = picture.At(x - 3, y - 2);
                const TColor expected = c == '.' ? kSentinel : picture.ColorAt(x - 3, y - 2);
                ASSERT_EQ(s.At(x, y), expected) << picture.rows[0] << " at " << x << "," << y;
            }
    }
}

TEST(ImageList, ADisabledPictureIsItsShapeInShadowOverItsHighlightOnePixelRightAndDown)
{
    for (const Picture& picture : kPictures) {
        TImageList list;
        list.SetSize(picture.Width(), picture.Height());
        list.AddMasked(*picture.Bitmap(), kMask);
        Surface s(12, 12);
        list.Draw(s.bitmap.Canvas(), 3, 2, 0, false);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const int px = x - 3, py = y - 2;
                const TColor expected = picture.InShape(px, py)           ? Sys(clBtnShadow)
                                        : picture.InShape(px - 1, py - 1) ? Sys(clBtnHighlight)
                                                                          : kSentinel;
                ASSERT_EQ(s.At(x, y), expected) << picture.rows[0] << " at " << x << "," << y;
            }
    }
}

TEST(ImageList, AWideBitmapGivesOnePicturePerWidthAndIndexesOutOfRangeDrawNothing)
{
    Picture strip{{"kkkkr.", "k.k.r.", "kkkkrr"}};
    TImageList list;
    list.SetSize(2, 3);
    EXPECT_EQ(list.AddMasked(*strip.Bitmap(), kMask), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(TBitmap(), kMask), -1);
    Surface s(4, 4);
    list.Draw(s.bitmap.Canvas(), 0, 0, 2, true);
    EXPECT_EQ(s.At(0, 0), clRed);
    EXPECT_EQ(s.At(1, 0), kSentinel);
    EXPECT_EQ(s.At(1, 2), clRed);
    for (int index : {-1, 3}) {
        Surface untouched(4, 4);
        list.Draw(untouched.bitmap.Canvas(), 0, 0, index, false);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                ASSERT_EQ(untouched.At(x, y), kSentinel) << index;
    }
}

TEST(ImageList, AListWithoutSizeTakesNoPicture)
{
    TImageList list;
    EXPECT_EQ(list.AddMasked(*Picture{{"k"}}.Bitmap(), kMask), -1);
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
