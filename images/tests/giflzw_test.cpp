#include <gtest/gtest.h>

#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"
#include "images/gifdecode.h"
#include "images/tests/gifbuilder.h"

namespace {
// One frame over a global table of 2^tableBits entries.
TGIF_ImageModel& Frame(TGIF_ImageModel& image, int width, int height, const std::string& data, int tableBits = 8,
                       bool interlaced = false)
{
    ReadGif(image, TGifBuilder().Screen(width, height, tableBits).Image(0, 0, width, height, data, 0, interlaced)
                       .Trailer().Bytes());
    return image;
}

std::vector<std::uint8_t> Ramp(int count, int modulo)
{
    std::vector<std::uint8_t> v;
    for (int i = 0; i < count; ++i)
        v.push_back(static_cast<std::uint8_t>(i * 7 % modulo));
    return v;
}
} // namespace

TEST(GifLzw, InterlacedRowsAreFilledOnce)
{
    for (int height : {1, 2, 3, 5, 8, 9, 17}) {
        // The data holds the rows in the interlaced order, each row its own number.
        std::vector<std::uint8_t> rows;
        for (int y = 0, pass = 0; y < height; y = GifNextInterlacedRow(y, pass, height))
            rows.push_back(static_cast<std::uint8_t>(y + 1));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(height));
        TGIF_ImageModel image;
        TGifFramePixels d = GifFramePixels(Frame(image, 1, height, EncodeIndices(rows, 1, height, 8), 8, true).FrameByIndex(0));
        for (int y = 0; y < height; ++y)
            EXPECT_EQ(d.indices[static_cast<std::size_t>(y)], y + 1) << height;
    }
}

TEST(GifLzw, DibDepthFollowsTheColourBitsAndUnusedSlotsAreGrey)
{
    struct Case {
        int tableBits, dibBits;
    } cases[] = {{1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}};
    for (const Case& c : cases) {
        int colors = 1 << c.tableBits;
        std::vector<std::uint8_t> pixels = Ramp(40, colors);
        TGIF_ImageModel image;
        TGifFramePixels d = GifFramePixels(Frame(image, 8, 5, EncodeIndices(pixels, 8, 5, c.dibBits), c.tableBits).FrameByIndex(0));
        EXPECT_EQ(d.indices, pixels) << c.tableBits;
        ASSERT_EQ(d.palette.size(), 1u << c.dibBits) << c.tableBits;
        for (std::size_t i = 0; i < d.palette.size(); ++i) {
            const TGifRGB& e = image.Data().globalTable->entries[i];
            std::uint32_t table = static_cast<std::uint32_t>(e.red) << 16 | e.green << 8 | e.blue;
            EXPECT_EQ(d.palette[i], i < static_cast<std::size_t>(colors) ? table : 0x808080u) << c.tableBits << " " << i;
        }
    }
}

TEST(GifLzw, CodeSizeSmallerThanTheTable)
{
    // 4-bit codes under a 256-entry table: codes from 18 on are table codes.
    std::vector<std::uint8_t> pixels = Ramp(1024, 16);
    TGIF_ImageModel image;
    TGIF_FrameModel& f = Frame(image, 32, 32, EncodeIndices(pixels, 32, 32, 4), 8).FrameByIndex(0);
    EXPECT_EQ(GifFramePixels(f).indices, pixels);
    EXPECT_FALSE(f.corrupted);
}

TEST(GifLzw, CodeSequences)
{
    // Minimum code size 2: clear 4, end 5, first table code 6.
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> codes;
        std::vector<std::uint8_t> pixels;
        bool corrupted;
    } cases[] = {
        {"clear after clear", {{4, 3}, {4, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 4}, {5, 4}}, {1, 2, 3, 0}, false},
        {"the code about to be made", {{4, 3}, {1, 3}, {6, 3}, {5, 3}}, {1, 1, 1, 0}, false},
        {"table code", {{4, 3}, {2, 3}, {3, 3}, {6, 3}, {5, 3}}, {2, 3, 2, 3}, false},
        {"code above the next", {{4, 3}, {1, 3}, {7, 3}, {2, 3}, {5, 3}}, {1, 0, 0, 0}, true},
        {"table code without a previous one", {{4, 3}, {6, 3}, {5, 3}}, {0, 0, 0, 0}, true},
        {"rows full before the end code", {{4, 3}, {1, 3}, {2, 3}, {3, 3}, {1, 4}}, {1, 2, 3, 1}, false},
    };
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        TGIF_FrameModel& f = Frame(image, 4, 1, PackCodes(2, c.codes), 2).FrameByIndex(0);
        EXPECT_EQ(GifFramePixels(f).indices, c.pixels) << c.name;
        EXPECT_EQ(f.corrupted, c.corrupted) << c.name;
    }
    // Literals past a 2-colour table are stored masked to the 1-bit DIB.
    TGIF_ImageModel image;
    EXPECT_EQ(GifFramePixels(Frame(image, 2, 1, PackCodes(3, {{8, 4}, {7, 4}, {6, 4}, {9, 4}}), 1).FrameByIndex(0)).indices,
              (std::vector<std::uint8_t>{1, 0}));
}

TEST(GifLzw, BadDataEitherMarksTheFrameOrFails)
{
    struct Case {
        const char* name;
        std::string data;
        int tableBits;
        bool throws;
    } cases[] = {
        {"code size 1", PackCodes(1, {{2, 2}, {1, 2}, {3, 2}}), 2, false},
        {"code size 10", PackCodes(10, {{1024, 11}, {1, 11}, {1025, 11}}), 2, false},
        {"data ends before the rows", PackCodes(2, {{4, 3}, {1, 3}}), 2, true},
        {"no colour table at all", PackCodes(2, {{4, 3}, {1, 3}, {5, 3}}), 0, true},
    };
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        TGIF_FrameModel& f = Frame(image, 4, 1, c.data, c.tableBits).FrameByIndex(0);
        if (c.throws) {
            EXPECT_THROW(GifFramePixels(f), EInvalidGraphicOperation) << c.name;
            continue;
        }
        EXPECT_EQ(GifFramePixels(f).indices, std::vector<std::uint8_t>(4, 0)) << c.name;
        EXPECT_TRUE(f.corrupted) << c.name;
    }
}

TEST(GifLzw, LongestChainsDecode)
{
    // One colour, each code the one about to be made: strings of 1, 2, 3 ...
    // pixels until the table is full, the last chains thousands of codes deep.
    std::int64_t pixels = 0;
    std::string data = ChainData(8, 0, 1, pixels);
    TGIF_ImageModel image;
    TGIF_FrameModel& f = Frame(image, 4096, static_cast<int>(pixels / 4096), data).FrameByIndex(0);
    TGifFramePixels d = GifFramePixels(f);
    EXPECT_FALSE(f.corrupted);
    EXPECT_EQ(std::count(d.indices.begin(), d.indices.end(), 0), static_cast<std::ptrdiff_t>(d.indices.size()));
}

TEST(GifLzw, WideFramesDecodeOrAreTooLarge)
{
    // Sides past 32768 decode while the bitmap fits the byte cap, through
    // the bitmap file a picture loads too; past it, "out of memory" before allocating.
    struct Case {
        int width, height, tableBits;
        bool fits;
    } cases[] = {{65535, 3, 8, true}, {3, 65535, 1, true}, {40000, 2, 4, true},
                 {65535, 65535, 8, false}, {65535, 32769, 1, false}};
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        std::int64_t pixels = 0;
        std::string data = ChainData(2, 1, 1, pixels);
        TGIF_FrameModel& f = Frame(image, c.width, c.height, data, c.tableBits).FrameByIndex(0);
        TMemoryStream dib;
        if (!c.fits) {
            EXPECT_THROW(f.DecodeToDib(dib), EOutOfMemory) << c.width << " x " << c.height;
            EXPECT_EQ(dib.Size(), 0) << c.width << " x " << c.height;
            EXPECT_THROW(GifFramePixels(f), EOutOfMemory) << c.width << " x " << c.height;
            continue;
        }
        f.DecodeToDib(dib);
        dib.SetPosition(0);
        TBitmapFileImage bitmap = ReadBitmapFile(dib);
        EXPECT_EQ(bitmap.width, c.width);
        EXPECT_EQ(bitmap.height, c.height);
        TGifFramePixels d = GifFramePixels(f);
        EXPECT_EQ(std::count(d.indices.begin(), d.indices.end(), 1), static_cast<std::ptrdiff_t>(d.indices.size()));
        EXPECT_FALSE(f.corrupted);
    }
}

TEST(GifLzw, ProgressIsReportedOnlyWhenThePercentageChanges)
{
    std::vector<std::uint8_t> pixels = Ramp(300 * 200, 251);
    TGIF_ImageModel image;
    Frame(image, 300, 200, EncodeIndices(pixels, 300, 200, 8));
    std::vector<int> running;
    int ends = 0;
    image.onProgress = [&](TProgressStage stage, int percent, const std::string&) {
        if (stage == TProgressStage::psRunning)
            running.push_back(percent);
        ends += stage == TProgressStage::psEnding && percent == 100;
    };
    GifFramePixels(image.FrameByIndex(0));
    ASSERT_FALSE(running.empty());
    for (std::size_t i = 1; i < running.size(); ++i)
        EXPECT_GT(running[i], running[i - 1]);
    EXPECT_EQ(ends, 1);
}
