// Drawing into bitmaps and reading the pixels back; bitmaps through streams and files.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "classlib/bitmap.h"
#include "classlib/exceptions.h"
#include "classlib/filestream.h"
#include "classlib/glyphs.h"
#include "classlib/streams.h"
#include "classlib/tests/testfiles.h"

namespace {
constexpr TColor kSentinel = 0x123456;

// A 32-bit bitmap filled with the sentinel colour.
struct Surface {
    explicit Surface(int w = 20, int h = 20, TPixelFormat format = TPixelFormat::pf32bit)
    {
        bitmap.SetPixelFormat(format);
        bitmap.SetSize(w, h);
        Fill(RECT{0, 0, w, h}, kSentinel);
    }
    void Fill(const RECT& r, TColor color)
    {
        bitmap.Canvas().Brush().SetColor(color);
        bitmap.Canvas().FillRect(r);
    }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    TBitmap bitmap;
};
} // namespace

TEST(Canvas, FillsFramesAndRectanglesCoverExactlyTheirPixels)
{
    Surface s;
    TCanvas& c = s.bitmap.Canvas();
    s.Fill(RECT{2, 2, 6, 6}, clRed);
    c.Brush().SetColor(clBlue);
    c.FrameRect(RECT{10, 2, 16, 8});
    c.Pen().SetColor(clLime);
    c.Brush().SetColor(clYellow);
    c.Rectangle(2, 10, 8, 16);
    struct Case {
        int x, y;
        TColor expected;
    };
    const Case cases[] = {{2, 2, clRed},   {5, 5, clRed},      {6, 6, kSentinel},  {1, 2, kSentinel},
                          {10, 2, clBlue}, {15, 7, clBlue},    {12, 4, kSentinel}, {16, 2, kSentinel},
                          {2, 10, clLime}, {7, 15, clLime},    {4, 12, clYellow},  {8, 10, kSentinel}};
    for (const auto& p : cases)
        EXPECT_EQ(s.At(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST(Canvas, LinesFollowThePenPositionAndStopBeforeTheirEnd)
{
    Surface s;
    TCanvas& c = s.bitmap.Canvas();
    c.Pen().SetColor(clRed);
    c.MoveTo(1, 1);
    c.LineTo(10, 1);
    c.LineTo(10, 10);
    EXPECT_EQ(c.PenPos().x, 10);
    c.Pen().SetColor(clBlue);
    c.Polyline({{1, 15}, {5, 15}, {5, 19}});
    EXPECT_EQ(s.At(1, 1), clRed);
    EXPECT_EQ(s.At(9, 1), clRed);
    EXPECT_EQ(s.At(10, 5), clRed);
    EXPECT_EQ(s.At(10, 10), kSentinel);
    EXPECT_EQ(s.At(3, 15), clBlue);
    EXPECT_EQ(s.At(5, 18), clBlue);
    EXPECT_EQ(s.At(2, 2), kSentinel);
}

TEST(Canvas, PolygonsAndEllipsesAreFilledAndArcsOnlyOutlined)
{
    Surface s(30, 30);
    TCanvas& c = s.bitmap.Canvas();
    c.Pen().SetColor(clRed);
    c.Brush().SetColor(clYellow);
    c.Polygon({{1, 1}, {11, 1}, {1, 11}});
    c.Pen().SetColor(clBlue);
    c.Brush().SetColor(clLime);
    c.Ellipse(14, 1, 28, 15);
    c.Pen().SetColor(clFuchsia);
    c.Brush().SetColor(clAqua);
    // The upper half, anticlockwise from the right end to the left.
    c.Arc(1, 16, 13, 28, 13, 22, 1, 22);
    struct Case {
        int x, y;
        TColor expected;
    };
    const Case cases[] = {{1, 1, clRed},       {3, 3, clYellow},    {9, 9, kSentinel},     {14, 8, clBlue},
                          {21, 8, clLime},     {14, 1, kSentinel},  {7, 16, clFuchsia},    {7, 22, kSentinel},
                          {7, 27, kSentinel}};
    for (const auto& p : cases)
        EXPECT_EQ(s.At(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST(Glyphs, AnUnknownNameIsAComponentError)
{
    EXPECT_THROW(MakeGlyphImages({"no-such-glyph"}, 20), EComponentError);
}

TEST(Canvas, TextIsMeasuredWithTheCanvasFontAndDrawnInItsColour)
{
    Surface s(200, 40);
    TCanvas& c = s.bitmap.Canvas();
    SIZE small = c.TextExtent("WWWW");
    c.Font().SetSize(18);
    SIZE big = c.TextExtent("WWWW");
    EXPECT_GT(small.cx, 0);
    EXPECT_GT(big.cx, small.cx);
    EXPECT_GT(big.cy, small.cy);
    EXPECT_EQ(c.TextWidth("WWWWWWWW"), 2 * big.cx);
    EXPECT_EQ(c.TextWidth(""), 0);

    // Text in the font colour; the brush decides whether the cell behind it is filled.
    auto cell = [&](TBrushStyle style) {
        s.Fill(RECT{0, 0, 200, 40}, kSentinel);
        c.Font().SetColor(clRed);
        c.Brush().SetColor(clWhite);
        c.Brush().SetStyle(style);
        c.TextOut(0, 0, "WWWW");
        int red = 0, untouched = 0;
        for (int y = 0; y < big.cy; ++y)
            for (int x = 0; x < big.cx; ++x)
                red += s.At(x, y) == clRed, untouched += s.At(x, y) == kSentinel;
        EXPECT_EQ(s.At(big.cx + 2, 2), kSentinel);
        return std::pair{red, untouched};
    };
    auto [clearRed, clearUntouched] = cell(TBrushStyle::bsClear);
    auto [solidRed, solidUntouched] = cell(TBrushStyle::bsSolid);
    EXPECT_GT(clearRed, 0);
    EXPECT_GT(clearUntouched, 0);
    EXPECT_EQ(solidRed, clearRed);
    EXPECT_EQ(solidUntouched, 0);
}

TEST(Canvas, TextRectClipsAndFillsWithAnOpaqueBrush)
{
    Surface s(100, 30);
    TCanvas& c = s.bitmap.Canvas();
    c.Brush().SetColor(clWhite);
    c.Font().SetColor(clBlack);
    c.TextRect(RECT{10, 5, 20, 25}, 10, 5, "WWWWWWWW");
    EXPECT_EQ(s.At(9, 10), kSentinel);
    EXPECT_EQ(s.At(30, 10), kSentinel) << "clipped at the right";
    int black = 0, white = 0;
    for (int x = 10; x < 20; ++x)
        for (int y = 5; y < 25; ++y)
            (s.At(x, y) == clBlack ? black : white)++;
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
}

TEST(Canvas, DrawStretchDrawAndCopyRectCarryPixels)
{
    Surface picture(2, 2);
    picture.bitmap.Canvas().SetPixels(0, 0, clRed);
    picture.bitmap.Canvas().SetPixels(1, 0, clLime);
    picture.bitmap.Canvas().SetPixels(0, 1, clBlue);
    picture.bitmap.Canvas().SetPixels(1, 1, clWhite);

    Surface s(20, 20);
    TCanvas& c = s.bitmap.Canvas();
    c.Draw(3, 3, picture.bitmap);
    c.StretchDraw(RECT{10, 10, 18, 18}, picture.bitmap);
    struct Case {
        int x, y;
        TColor expected;
    };
    const Case cases[] = {{3, 3, clRed},    {4, 3, clLime},    {3, 4, clBlue},   {4, 4, clWhite},
                          {5, 5, kSentinel}, {10, 10, clRed},  {13, 13, clRed},  {14, 10, clLime},
                          {17, 17, clWhite}, {10, 17, clBlue}, {18, 18, kSentinel}};
    for (const auto& p : cases)
        EXPECT_EQ(s.At(p.x, p.y), p.expected) << p.x << "," << p.y;

    Surface copy(4, 4);
    copy.bitmap.Canvas().CopyRect(RECT{0, 0, 2, 2}, c, RECT{3, 3, 5, 5});
    EXPECT_EQ(copy.At(1, 0), clLime);
    EXPECT_EQ(copy.At(2, 2), kSentinel);
}

TEST(Canvas, TransparentBitmapLeavesItsBottomLeftColourOut)
{
    Surface picture(2, 2);
    picture.bitmap.Canvas().SetPixels(1, 0, clRed);
    picture.bitmap.SetTransparent(true);
    Surface s(4, 4);
    s.bitmap.Canvas().Draw(0, 0, picture.bitmap);
    EXPECT_EQ(s.At(1, 0), clRed);
    EXPECT_EQ(s.At(0, 0), kSentinel);
    EXPECT_EQ(s.At(0, 1), kSentinel);
}

TEST(Canvas, WithoutADeviceContextDrawingIsAnError)
{
    TCanvas c;
    EXPECT_THROW(c.FillRect(RECT{0, 0, 1, 1}), EInvalidOperation);
}

TEST(Bitmap, EachPixelFormatKeepsItsPixelsThroughAStream)
{
    // Colours every format holds exactly.
    const TColor colors[] = {clBlack, clWhite, clRed, clBlue};
    const TPixelFormat formats[] = {TPixelFormat::pf1bit,  TPixelFormat::pf4bit,  TPixelFormat::pf8bit,
                                    TPixelFormat::pf15bit, TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                    TPixelFormat::pf32bit};
    for (TPixelFormat format : formats) {
        int count = format == TPixelFormat::pf1bit ? 2 : 4;
        Surface s(7, 3, format);
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 3; ++y)
                s.bitmap.Canvas().SetPixels(x, y, colors[(x + y) % count]);
        TMemoryStream stream;
        s.bitmap.SaveToStream(stream);
        stream.SetPosition(0);
        TBitmap back;
        back.LoadFromStream(stream);
        EXPECT_EQ(back.PixelFormat(), format) << static_cast<int>(format);
        ASSERT_EQ(back.Width(), 7);
        ASSERT_EQ(back.Height(), 3);
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 3; ++y)
                EXPECT_EQ(back.Canvas().Pixels(x, y), colors[(x + y) % count])
                    << static_cast<int>(format) << " at " << x << "," << y;
    }
}

TEST(Bitmap, ScanLineZeroIsTheTopRow)
{
    Surface s(3, 2, TPixelFormat::pf24bit);
    s.bitmap.Canvas().SetPixels(0, 0, clRed);
    s.bitmap.Canvas().SetPixels(0, 1, clBlue);
    EXPECT_EQ(s.bitmap.ScanLine(0)[2], 0xFF) << "red byte of the top-left pixel";
    EXPECT_EQ(s.bitmap.ScanLine(1)[0], 0xFF) << "blue byte below it";
    s.bitmap.ScanLine(1)[1] = 0xFF;
    EXPECT_EQ(s.At(0, 1), clAqua);
    EXPECT_THROW(s.bitmap.ScanLine(2), EInvalidGraphicOperation);
}

TEST(Bitmap, SetSizeKeepsThePictureThatStays)
{
    Surface s(4, 4);
    s.bitmap.Canvas().SetPixels(1, 1, clRed);
    s.bitmap.SetSize(8, 2);
    EXPECT_EQ(s.At(1, 1), clRed);
    EXPECT_EQ(s.At(0, 0), kSentinel);
}

TEST(Bitmap, FilesRoundTripAndMissingOrCorruptFilesFailCleanly)
{
    TTempFolder folder;
    std::string path = folder.Path() + "\\picture.bmp";
    Surface s(5, 5);
    s.bitmap.Canvas().SetPixels(4, 4, clRed);
    s.bitmap.SaveToFile(path);
    TBitmap back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.Canvas().Pixels(4, 4), clRed);

    std::string missing = folder.Path() + "\\none.bmp";
    try {
        back.LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.what();
    }
    WriteBytes(path, ReadBytes(path).substr(0, 60));
    EXPECT_THROW(back.LoadFromFile(path), EInvalidGraphic);
    EXPECT_EQ(back.Canvas().Pixels(4, 4), clRed) << "a failed load keeps the picture";
    EXPECT_THROW(TFileStream(folder.Path() + "\\no folder\\x.bmp", fmCreate), EFCreateError);
}

TEST(Bitmap, EachChangeFiresOnChangeOnceAndAssigningFromAnotherKindIsRefused)
{
    Surface s(4, 4);
    TBitmap copy;
    int changes = 0;
    s.bitmap.OnChange = [&](TGraphic& sender) {
        EXPECT_EQ(&sender, &s.bitmap);
        ++changes;
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"size", [&] { s.bitmap.SetSize(5, 4); }},
        {"format", [&] { s.bitmap.SetPixelFormat(TPixelFormat::pf24bit); }},
        {"monochrome", [&] { s.bitmap.SetMonochrome(true); }},
        {"transparent", [&] { s.bitmap.SetTransparent(true); }},
        {"key", [&] { s.bitmap.SetTransparentColor(clRed); }},
        {"assign", [&] { s.bitmap.Assign(copy); }},
    };
    for (const auto& [name, step] : steps) {
        int before = changes;
        step();
        EXPECT_EQ(changes, before + 1) << name;
    }
    s.bitmap.SetTransparent(false);
    int before = changes;
    s.bitmap.SetTransparent(false);
    s.bitmap.SetSize(0, 0);
    EXPECT_EQ(changes, before) << "unchanged values fire nothing";
    EXPECT_THROW(s.bitmap.Assign(s.bitmap.Canvas().Font()), EConvertError);
}

TEST(Bitmap, AssignCopiesPixelsFormatAndTransparency)
{
    Surface s(3, 2, TPixelFormat::pf8bit);
    s.bitmap.Canvas().SetPixels(2, 1, clRed);
    s.bitmap.SetTransparent(true);
    s.bitmap.SetTransparentColor(clBlue);
    TBitmap copy;
    copy.Assign(s.bitmap);
    s.bitmap.Canvas().SetPixels(2, 1, clLime);
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(copy.Canvas().Pixels(2, 1), clRed) << "a copy, not a share";
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clBlue);
    copy.SetTransparentColor(clDefault);
    EXPECT_EQ(copy.TransparentColor(), copy.Canvas().Pixels(0, 1)) << "the bottom-left pixel again";
    EXPECT_NE(copy.TransparentColor(), clBlue);
}

TEST(Bitmap, AColourTableKeepsThePixelIndicesAndMonochromeMeansOneBit)
{
    Surface s(2, 1, TPixelFormat::pf1bit);
    s.bitmap.Canvas().SetPixels(0, 0, clBlack);
    s.bitmap.Canvas().SetPixels(1, 0, clWhite);
    EXPECT_TRUE(s.bitmap.Monochrome());
    EXPECT_EQ(s.bitmap.ColorTable(), (std::vector<TColor>{clBlack, clWhite}));
    s.bitmap.SetColorTable({clRed, clBlue});
    EXPECT_TRUE(s.bitmap.Monochrome()) << "one bit with any two colours";
    EXPECT_EQ(s.At(0, 0), clRed);
    EXPECT_EQ(s.At(1, 0), clBlue);
    EXPECT_THROW(s.bitmap.SetColorTable({clRed, clBlue, clLime}), EInvalidGraphicOperation);
    s.bitmap.SetMonochrome(false);
    EXPECT_EQ(s.bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_TRUE(s.bitmap.ColorTable().empty());
    EXPECT_EQ(s.At(1, 0), clBlue);
}

TEST(Bitmap, ANewPictureGdiCannotMakeLeavesTheOldOneWholeAndSaysSo)
{
    Surface s(5, 3);
    s.Fill(RECT{1, 1, 3, 2}, clRed);
    TBitmap larger;
    larger.SetSize(9, 7);
    TMemoryStream stream;
    larger.SaveToStream(stream);
    stream.SetPosition(0);
    // Someone draws from the section through a DC of their own, so GDI keeps
    // its slot until it is deselected; with the canvas gone the bitmap holds
    // no other GDI object that a replacement could give back. Then GDI's
    // object table is filled, and no new section can be made.
    s.bitmap.Canvas().FreeHandle();
    HDC drawing = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(drawing, s.bitmap.Handle());
    std::vector<HGDIOBJ> filler;
    while (HGDIOBJ brush = CreateSolidBrush(0))
        filler.push_back(brush);
    bool refused = false;
    try {
        s.bitmap.LoadFromStream(stream);
    } catch (const EOutOfResources&) {
        refused = true;
    }
    for (HGDIOBJ object : filler)
        DeleteObject(object);
    SelectObject(drawing, before);
    DeleteDC(drawing);
    ASSERT_GT(filler.size(), 1000u) << "the GDI object table was already full";
    EXPECT_TRUE(refused) << "a section that could not be made is reported";
    EXPECT_EQ(s.bitmap.Width(), 5);
    EXPECT_EQ(s.bitmap.Height(), 3);
    EXPECT_NE(s.bitmap.Handle(), nullptr);
    // A section freed meanwhile would fault here or show other bytes.
    EXPECT_EQ(s.bitmap.ScanLine(1)[1 * 4 + 2], 0xFF) << "the red byte of a red pixel";
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(s.At(x, y), x >= 1 && x < 3 && y == 1 ? clRed : kSentinel) << x << "," << y;
    // Nothing is left stuck: the same picture loads once there is room.
    stream.SetPosition(0);
    s.bitmap.LoadFromStream(stream);
    EXPECT_EQ(s.bitmap.Width(), 9);
    EXPECT_EQ(s.bitmap.Height(), 7);
}
