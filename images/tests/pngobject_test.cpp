// The PNG picture under Wine: drawing in each transparency mode, bitmaps both
// ways, the clipboard and the picture-format registry.
#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/bitmap.h"
#include "classlib/pictureformats.h"
#include "classlib/streams.h"
#include "images/pngancillary.h"
#include "images/pngblend.h"
#include "images/pngheader.h"
#include "images/pngobject.h"
#include "images/pngrows.h"

namespace {

constexpr TColor kSentinel = 0x3C2A19;

// A picture of that kind whose pixels differ from their neighbours.
std::unique_ptr<TPNGObject> Picture(int colorType, int bitDepth, int width = 6, int height = 4)
{
    auto png = std::make_unique<TPNGObject>();
    png->Image().CreateBlank(colorType, bitDepth, width, height);
    TPngPixelStore& store = png->Image().RequireHeader().Store();
    if (colorType == kColorPalette) {
        for (int i = 0; i < 1 << store.dibBits; ++i)
            store.palette[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i * 0x3B2917 + 0x102030) & 0xFFFFFF;
        store.buffer->PaletteChanged();
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TColor c = RGB(40 * x + 20, 60 * y + 10, (x * 7 + y * 13) * 9 % 256);
            png->SetPixels(x, y, c);
            if (!store.alpha.empty())
                store.alpha[static_cast<std::size_t>(y * width + x)] = static_cast<std::uint8_t>((x + y) * 37 % 256);
        }
    return png;
}

void AddTransparency(TPNGObject& png, std::vector<std::uint8_t> data)
{
    auto trns = std::make_unique<TChunktRNS>(png.Image());
    trns->SetData(png.Image().RequireHeader().ColorType, data.data(), data.size());
    png.Image().InsertBeforeImageData(std::move(trns));
}

std::unique_ptr<TBitmap> Background(int width, int height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(TPixelFormat::pf24bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas().Brush().SetColor(kSentinel);
    bitmap->Canvas().FillRect(RECT{0, 0, width, height});
    return bitmap;
}

} // namespace

TEST(PNGObjectDraw, EachModeShowsThePixelsItShould)
{
    struct Case {
        const char* what;
        std::unique_ptr<TPNGObject> png;
        int scale;
    };
    std::vector<Case> cases;
    for (int scale : {1, 3}) {
        cases.push_back({"opaque RGB", Picture(kColorRGB, 8), scale});
        cases.push_back({"opaque palette", Picture(kColorPalette, 4), scale});
        auto grey = Picture(kColorGrey, 8);
        AddTransparency(*grey, {0, static_cast<std::uint8_t>(grey->Pixels(2, 1) & 0xFF)});
        cases.push_back({"single colour grey", std::move(grey), scale});
        auto palette = Picture(kColorPalette, 8);
        AddTransparency(*palette, {255, 255, 255, 255, 255, 255, 255, 0});
        cases.push_back({"single colour palette", std::move(palette), scale});
        cases.push_back({"alpha RGBA", Picture(kColorRGBAlpha, 8), scale});
        cases.push_back({"alpha grey", Picture(kColorGreyAlpha, 8), scale});
    }
    for (const Case& c : cases) {
        const int w = c.png->Width() * c.scale, h = c.png->Height() * c.scale;
        auto bitmap = Background(w + 2, h + 2);
        bitmap->Canvas().StretchDraw(RECT{1, 1, 1 + w, 1 + h}, *c.png);
        const std::string what = std::string(c.what) + " at " + std::to_string(c.scale) + "x";
        EXPECT_EQ(bitmap->Canvas().Pixels(0, 0), kSentinel) << what;
        EXPECT_EQ(bitmap->Canvas().Pixels(w + 1, h + 1), kSentinel) << what;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int sx = x / c.scale, sy = y / c.scale;
                const TColor source = c.png->Pixels(sx, sy);
                TColor expected = source;
                if (c.png->TransparencyMode() == TPNGTransparencyMode::ptmBit && c.png->Image().IsTransparentPixel(sx, sy))
                    expected = kSentinel;
                if (c.png->TransparencyMode() == TPNGTransparencyMode::ptmPartial) {
                    const int a = c.png->Image().PixelAlpha(PngSourceIndex(x, w, c.png->Width()), PngSourceIndex(y, h, c.png->Height()));
                    const TColor s = c.png->Pixels(PngSourceIndex(x, w, c.png->Width()), PngSourceIndex(y, h, c.png->Height()));
                    expected = RGB(PngBlendChannel(GetRValue(s), GetRValue(kSentinel), a), PngBlendChannel(GetGValue(s), GetGValue(kSentinel), a),
                                   PngBlendChannel(GetBValue(s), GetBValue(kSentinel), a));
                }
                ASSERT_EQ(bitmap->Canvas().Pixels(1 + x, 1 + y), expected) << what << " at " << x << "," << y;
            }
    }
}

TEST(PNGObjectBitmaps, AssignToGivesTheFormatOfTheKindAndTheSamePixels)
{
    struct Case {
        int colorType, bitDepth;
        TPixelFormat format;
    } cases[] = {
        {kColorGrey, 1, TPixelFormat::pf1bit},   {kColorGrey, 2, TPixelFormat::pf4bit},    {kColorPalette, 4, TPixelFormat::pf4bit},
        {kColorGrey, 8, TPixelFormat::pf24bit},  {kColorGrey, 16, TPixelFormat::pf24bit},  {kColorPalette, 8, TPixelFormat::pf8bit},
        {kColorRGB, 8, TPixelFormat::pf24bit},   {kColorRGBAlpha, 8, TPixelFormat::pf32bit},
    };
    for (const Case& c : cases) {
        auto png = Picture(c.colorType, c.bitDepth);
        TBitmap bitmap;
        png->AssignTo(bitmap);
        const std::string what = std::to_string(c.colorType) + "/" + std::to_string(c.bitDepth);
        EXPECT_EQ(bitmap.PixelFormat(), c.format) << what;
        EXPECT_EQ(bitmap.Width(), png->Width()) << what;
        // Palette formats take the nearest colours of their own palette: compare where the kind is exact.
        if (c.format == TPixelFormat::pf24bit) {
            for (int y = 0; y < png->Height(); ++y)
                for (int x = 0; x < png->Width(); ++x)
                    ASSERT_EQ(bitmap.Canvas().Pixels(x, y), png->Pixels(x, y)) << what;
        }
    }
}

TEST(PNGObjectBitmaps, ABitmapBecomesAnImageOfItsPixelsAndTransparentColour)
{
    auto source = Background(5, 3);
    source->Canvas().SetPixels(1, 1, RGB(200, 10, 30));
    source->Canvas().SetPixels(4, 2, RGB(1, 2, 3));
    source->SetTransparentColor(RGB(200, 10, 30));
    source->SetTransparent(true);
    TPNGObject png;
    png.Assign(*source);
    EXPECT_EQ(png.Image().RequireHeader().ColorType, kColorRGB);
    EXPECT_EQ(png.TransparencyMode(), TPNGTransparencyMode::ptmBit);
    EXPECT_EQ(png.Image().TransparentColor(), RGB(200, 10, 30));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(png.Pixels(x, y), source->Canvas().Pixels(x, y)) << x << "," << y;
    // And it saves and loads as a PNG file.
    TMemoryStream stream;
    png.SaveToStream(stream);
    stream.SetPosition(0);
    TPNGObject again;
    again.LoadFromStream(stream);
    EXPECT_EQ(again.Pixels(4, 2), RGB(1, 2, 3));
    EXPECT_EQ(again.TransparencyMode(), TPNGTransparencyMode::ptmBit);
}

TEST(PNGObjectClipboard, ThePictureGoesToTheClipboardAndComesBack)
{
    auto png = Picture(kColorRGB, 8);
    UINT format = 0;
    HANDLE data = nullptr;
    png->SaveToClipboardFormat(format, data);
    ASSERT_EQ(format, static_cast<UINT>(CF_BITMAP));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(format, data), nullptr);
    CloseClipboard();
    ASSERT_TRUE(OpenClipboard(nullptr));
    TPNGObject back;
    back.LoadFromClipboardFormat(CF_BITMAP, GetClipboardData(CF_BITMAP));
    CloseClipboard();
    ASSERT_EQ(back.Width(), png->Width());
    for (int y = 0; y < png->Height(); ++y)
        for (int x = 0; x < png->Width(); ++x)
            EXPECT_EQ(back.Pixels(x, y), png->Pixels(x, y)) << x << "," << y;
}

TEST(PNGObjectRegistry, PngFilesCreateTheObjectUnlessTheExtensionIsTaken)
{
    RegisterPNGObject();
    const TFileFormat* format = FindFileFormat(".PNG");
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->description, "Portable Network Graphics");
    EXPECT_NE(dynamic_cast<TPNGObject*>(CreateGraphicForFile("c:\\pictures\\a.png").get()), nullptr);
    UnregisterPNGObject();
    EXPECT_EQ(FindFileFormat("png"), nullptr);

    RegisterFileFormat("png", "Someone else's", "TOther", [] { return std::make_unique<TBitmap>(); });
    RegisterPNGObject();
    EXPECT_EQ(FindFileFormat("png")->className, "TOther");
    UnregisterGraphicClass("TOther");
    UnregisterPNGObject();
}

TEST(PNGObjectScreenshot, EachTransparencyModeOverACheckerboard)
{
    // Opaque, single colour and alpha side by side at twice their size.
    std::unique_ptr<TPNGObject> pictures[] = {Picture(kColorRGB, 8, 16, 16), Picture(kColorGrey, 8, 16, 16), Picture(kColorRGBAlpha, 8, 16, 16)};
    // See-through diagonal bands in black, and alpha fading from left to right.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if ((x + y) % 6 < 2)
                pictures[1]->SetPixels(x, y, RGB(0, 0, 0));
            pictures[2]->Image().RequireHeader().Store().alpha[static_cast<std::size_t>(y * 16 + x)] = static_cast<std::uint8_t>(x * 17);
        }
    AddTransparency(*pictures[1], {0, 0});
    auto board = Background(3 * 40 + 8, 44);
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < board->Width(); ++x)
            board->Canvas().SetPixels(x, y, (x / 4 + y / 4) % 2 ? RGB(255, 255, 255) : RGB(150, 150, 150));
    for (int i = 0; i < 3; ++i)
        board->Canvas().StretchDraw(RECT{2 + 42 * i, 2, 2 + 42 * i + 32, 34}, *pictures[i]);
    TPNGObject shot;
    shot.Assign(*board);
    shot.SaveToFile("png_transparency_modes.png");
    TPNGObject back;
    back.LoadFromFile("png_transparency_modes.png");
    EXPECT_EQ(back.Width(), board->Width());
    EXPECT_EQ(back.Pixels(0, 0), board->Canvas().Pixels(0, 0));
}
