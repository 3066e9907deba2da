#include <gtest/gtest.h>

#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"
#include "images/gifstrings.h"
#include "images/tests/gifbuilder.h"

namespace {
const std::string kPixels = EncodeIndices({0, 1, 1, 0}, 2, 2, 1);

std::uint8_t At(const std::string& bytes, std::size_t i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

// The graphic control block of the first frame as written.
std::string ControlBlockOf(const std::string& gif)
{
    std::size_t at = gif.find("\x21\xF9\x04");
    return at == std::string::npos ? "" : gif.substr(at + 3, 4);
}
} // namespace

TEST(GifWrite, ReadThenWriteGivesTheSameBytes)
{
    const std::string cases[] = {
        TGifBuilder("GIF87a").Screen(2, 2, 1).Image(0, 0, 2, 2, kPixels).Trailer().Bytes(),
        TGifBuilder().Screen(9, 4, 2).Application("NETSCAPE2.0", {std::string("\1\7\0", 3)})
            .GraphicControl(7, 2, 3).Image(0, 0, 2, 2, kPixels)
            .GraphicControl(12, 1).Comment({"frame"}).Image(3, 1, 6, 3, EncodeIndices(std::vector<std::uint8_t>(18, 3), 6, 3, 4), 3)
            .Comment({"end"}).Trailer().Bytes(),
    };
    for (const std::string& bytes : cases) {
        TGIF_ImageModel image;
        ReadGif(image, bytes);
        EXPECT_EQ(WriteGif(image), bytes);
    }
}

TEST(GifWrite, DelaysInHundredths)
{
    struct Case {
        std::uint32_t milliseconds, hundredths;
    } cases[] = {{75, 7}, {200000, 20000}, {655350, 65535}, {10000000, 65535}};
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        ReadGif(image, TGifBuilder().Screen(2, 2, 1).Image(0, 0, 2, 2, kPixels).Trailer().Bytes());
        image.FrameByIndex(0).delay = c.milliseconds;
        std::string block = ControlBlockOf(WriteGif(image));
        ASSERT_EQ(block.size(), 4u);
        EXPECT_EQ(At(block, 1) | At(block, 2) << 8, static_cast<int>(c.hundredths)) << c.milliseconds;
    }
}

TEST(GifWrite, LoopBlockOnlyWithSeveralFrames)
{
    for (int frames : {1, 2}) {
        TGifBuilder b;
        b.Screen(2, 2, 1).Application("NETSCAPE2.0", {std::string("\1\0\0", 3)});
        for (int i = 0; i < frames; ++i)
            b.Image(0, 0, 2, 2, kPixels);
        TGIF_ImageModel image;
        ReadGif(image, b.Trailer().Bytes());
        EXPECT_EQ(WriteGif(image).find("NETSCAPE2.0") != std::string::npos, frames > 1);
    }
}

TEST(GifWrite, LongCommentLineIsCut)
{
    TGIF_ImageModel image;
    ReadGif(image, TGifBuilder().Screen(2, 2, 1).Image(0, 0, 2, 2, kPixels).Trailer().Bytes());
    image.Data().comments = {std::string(300, 'c')};
    std::string gif = WriteGif(image);
    EXPECT_EQ(gif.substr(gif.size() - 260), "\x21\xFE\xFF" + std::string(255, 'c') + std::string(1, '\0') + ";");
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
}

TEST(GifWrite, EncodedFramesTakeTheSmallestCodeSize)
{
    struct Case {
        int bitCount, minCodeSize;
    } cases[] = {{1, 2}, {4, 4}, {8, 8}};
    for (const Case& c : cases) {
        TTestGif image;
        std::vector<std::uint32_t> palette(1u << c.bitCount, 0x102030);
        EncodeFrame(image.Add(), {1, 0, 1, 1, 0, 0}, 3, 2, c.bitCount, palette);
        std::string gif = WriteGif(image);
        std::size_t descriptor = gif.find(',', 13 + 3 * palette.size());
        EXPECT_EQ(At(gif, descriptor + 10), c.minCodeSize) << c.bitCount;
        EXPECT_EQ(gif.substr(0, 6), "GIF87a");
        EXPECT_EQ(At(gif, 10), 0x80 | (c.bitCount - 1) << 4 | (c.bitCount - 1));
    }
}

TEST(GifWrite, EmptyImagesAndFramesRefuse)
{
    TTestGif image;
    EXPECT_THROW(WriteGif(image), EInvalidGraphicOperation);
    image.Add();
    try {
        WriteGif(image);
        ADD_FAILURE();
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.what(), GifText(SGifNothingToWrite));
    }
    // Only 1-, 4- and 8-bit bitmap files make frames.
    TBitmapFileImage rgb;
    rgb.width = rgb.height = 1, rgb.bitCount = 24, rgb.pixels.resize(4);
    TMemoryStream dib;
    WriteBitmapFile(dib, rgb);
    dib.SetPosition(0);
    try {
        image.FrameByIndex(0).EncodeDib(dib);
        ADD_FAILURE();
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.what(), GifText(SGifBadBitmapFormat));
    }
}

TEST(GifWrite, TransparentSlotStaysWhereItWasRead)
{
    // Slots 1 and 3 are both black; slot 3 is the see-through one.
    std::string table = std::string("\xFF\xFF\xFF\0\0\0\x10\x20\x30\0\0\0", 12);
    std::string gif = TGifBuilder().Screen(2, 2).GraphicControl(0, 0, 3)
                          .Raw(std::string(",\0\0\0\0\2\0\2\0\x81", 10) + table)
                          .Raw(EncodeIndices({1, 3, 3, 1}, 2, 2, 4)).Trailer().Bytes();
    TGIF_ImageModel image;
    ReadGif(image, gif);
    TGIF_FrameModel& f = image.FrameByIndex(0);
    TGifFramePixels d = GifFramePixels(f);
    // The decoded slot has a colour of its own, and that is the frame's see-through colour.
    EXPECT_NE(d.palette[3], d.palette[1]);
    EXPECT_EQ(f.TransparentColor(), static_cast<TColor>((d.palette[3] & 0xFF) << 16 | (d.palette[3] & 0xFF00) | d.palette[3] >> 16));
    EXPECT_EQ(std::count(d.palette.begin(), d.palette.end(), d.palette[3]), 1);
    EXPECT_EQ(At(ControlBlockOf(WriteGif(image)), 3), 3);
    // A colour given anew is looked up: black is slot 1.
    f.SetTransparentColor(0);
    EXPECT_EQ(At(ControlBlockOf(WriteGif(image)), 3), 1);
}

TEST(GifWrite, StartOverOnTheLastPixelAddsNoPixel)
{
    // Every pixel pair new, so each pixel makes an entry and the dictionary
    // starts over exactly on the last of 3838 pixels.
    std::vector<std::uint8_t> pixels;
    for (int block = 0; block < 15; ++block)
        for (int r = 0; r < 256; ++r)
            pixels.push_back(static_cast<std::uint8_t>(r * (2 * block + 1)));
    pixels.resize(3838);
    std::string data = EncodeIndices(pixels, 3838, 1, 8);
    // Read as one pixel wider, the frame ends before that pixel.
    TGIF_ImageModel image;
    ReadGif(image, TGifBuilder().Screen(3839, 1, 8).Image(0, 0, 3839, 1, data).Trailer().Bytes());
    TGifFramePixels d = GifFramePixels(image.FrameByIndex(0));
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), d.indices.begin()));
    EXPECT_EQ(d.indices.back(), 0);
    EXPECT_NE(pixels.back(), 0);
}
