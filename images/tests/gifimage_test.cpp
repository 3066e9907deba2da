// The GIF picture class with real bitmaps, canvases and the clipboard under Wine.
#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/pictureformats.h"
#include "images/gifimage.h"
#include "images/gifstrings.h"
#include "images/tests/gifbuilder.h"

namespace {
constexpr TColor kSentinel = 0x123456;

// Slots: red, black, black again (the see-through one), white.
const std::string kTable = std::string("\xFF\0\0\0\0\0\0\0\0\xFF\xFF\xFF", 12);

std::string TransparentGif(int frames)
{
    std::string bytes = TGifBuilder().Screen(4, 1).Bytes();
    bytes[10] = static_cast<char>(0x81);
    bytes += kTable;
    TGifBuilder gif(bytes);
    for (int i = 0; i < frames; ++i)
        gif.GraphicControl(10, 0, 2).Image(0, 0, 4, 1, EncodeIndices({0, 1, 2, 3}, 4, 1, 4));
    return gif.Trailer().Bytes();
}

void Load(TGIF_Image& image, const std::string& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SetPosition(0);
    image.LoadFromStream(s);
}

struct Surface {
    Surface(int w, int h)
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(w, h);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, w, h});
    }
    TBitmap bitmap;
};

// A picture of a few colours in the given format.
std::unique_ptr<TBitmap> Picture(TPixelFormat format)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(format);
    b->SetSize(12, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x)
            b->Canvas().SetPixels(x, y, (x + y) % 3 == 0 ? clWhite : x < 6 ? clBlack : clWhite);
    return b;
}
} // namespace

TEST(GifImage, TransparentFrameLeavesOnlyItsSlotSeeThrough)
{
    TGIF_Image image;
    Load(image, TransparentGif(1));
    image.SetTransparent(true);
    for (int scale : {1, 3}) {
        Surface s(4 * scale, scale);
        s.bitmap.Canvas().StretchDraw(RECT{0, 0, 4 * scale, scale}, image);
        // Slot 1 has the see-through slot's colour, yet stays opaque.
        const TColor expected[] = {clRed, clBlack, kSentinel, clWhite};
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(s.bitmap.Canvas().Pixels(x * scale + scale / 2, scale / 2), expected[x]) << scale << " " << x;
    }
}

TEST(GifImage, BitmapsBecomeFramesAndComeBackThroughStreams)
{
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf8bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        std::unique_ptr<TBitmap> picture = Picture(format);
        TGIF_Image image;
        image.Assign(picture.get());
        TMemoryStream stream;
        image.SaveToStream(stream);
        stream.SetPosition(0);
        TGIF_Image back;
        back.LoadFromStream(stream);
        ASSERT_EQ(back.FrameCount(), 1);
        EXPECT_EQ(back.Width(), 12);
        EXPECT_EQ(back.Height(), 7);
        TBitmap copy;
        back.AssignTo(copy);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(copy.Canvas().Pixels(x, y), picture->Canvas().Pixels(x, y)) << static_cast<int>(format) << " " << x << "," << y;
    }
}

TEST(GifImage, ClipboardRoundTrip)
{
    if (!Application.Initialized())
        Application.Initialize();
    TGIF_Image image;
    Load(image, TransparentGif(2));
    ASSERT_TRUE(OpenClipboard(Application.Handle()));
    EmptyClipboard();
    UINT format;
    HANDLE data;
    HPALETTE palette;
    image.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, static_cast<UINT>(CF_BITMAP));
    SetClipboardData(format, data);
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(Application.Handle()));
    TGIF_Image back;
    back.LoadFromClipboardFormat(CF_BITMAP, GetClipboardData(CF_BITMAP), nullptr);
    EmptyClipboard();
    CloseClipboard();
    ASSERT_EQ(back.FrameCount(), 2);
    EXPECT_EQ(back.FrameByIndex(1).delay, 100u);
    EXPECT_EQ(back.FrameByIndex(0).DecodedBitmap().Canvas().Pixels(0, 0), clRed);
    TMemoryStream a, b;
    image.SaveToStream(a);
    back.SaveToStream(b);
    EXPECT_EQ(std::vector<std::uint8_t>(a.Memory(), a.Memory() + a.Size()), std::vector<std::uint8_t>(b.Memory(), b.Memory() + b.Size()));
}

TEST(GifImage, RegistrationAndRefusals)
{
    RegisterGifImage();
    const TFileFormat* f = FindFileFormat("GIF");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->description, GifText(SGifDescription));
    EXPECT_NE(dynamic_cast<TGIF_Image*>(CreateGraphicForFile("banner.gif").get()), nullptr);
    ASSERT_NE(FindClipboardGraphic(GifClipboardFormat()), nullptr);
    UINT again = RegisterClipboardFormatA("GIF Image");
    EXPECT_EQ(GifClipboardFormat(), again);

    TGIF_Image image;
    EXPECT_TRUE(image.Empty());
    EXPECT_THROW(image.SetWidth(5), EInvalidGraphicOperation);
    TMemoryStream s;
    EXPECT_THROW(image.SaveToStream(s), EInvalidGraphicOperation);
    // The form property's count may not promise more than the stream holds.
    s.WriteBuffer("\xFF\xFF\0\0GIF89a", 10);
    s.SetPosition(0);
    EXPECT_THROW(image.ReadData(s), EReadError);
}

TEST(GifImage, FramesWiderThan32768Load)
{
    // Index 1 (white in a 2-colour table of black and white) across the whole frame.
    std::int64_t pixels = 0;
    std::string bytes = TGifBuilder().Screen(40000, 2).Bytes();
    bytes[10] = static_cast<char>(0x80);
    bytes += std::string("\0\0\0\xFF\xFF\xFF", 6);
    TGIF_Image image;
    Load(image, TGifBuilder(bytes).Image(0, 0, 40000, 2, ChainData(2, 1, 1, pixels)).Trailer().Bytes());
    ASSERT_EQ(image.FrameCount(), 1);
    EXPECT_EQ(image.Width(), 40000);
    EXPECT_EQ(image.Height(), 2);
    TBitmap& bitmap = image.FrameByIndex(0).DecodedBitmap();
    EXPECT_EQ(bitmap.Width(), 40000);
    EXPECT_EQ(bitmap.Canvas().Pixels(39999, 1), clWhite);
}
