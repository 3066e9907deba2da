// The codec against libpng: files libpng writes load into the store libpng's
// rows describe; files the codec writes read back in libpng, strictly, with
// the same pixels; and the codec reads its own files back unchanged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "images/pngframe.h"
#include "images/pngheader.h"
#include "images/pngrows.h"
#include "images/tests/libpngfiles.h"

namespace {

struct TKind {
    int colorType, bitDepth;
};
const TKind kKinds[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1}, {3, 2},
                        {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

std::string KindName(const TKind& kind, int interlace)
{
    return "type " + std::to_string(kind.colorType) + " depth " + std::to_string(kind.bitDepth)
           + (interlace ? " Adam7" : "");
}

TExpectedStore ExpectedFor(const TPNGImage& image, const TRawPng& raw)
{
    const TPngPixelStore& store = image.RequireHeader().Store();
    return ExpectedStore(raw, store.dibBits, store.rowSize);
}

// Odd sizes, so partial bytes, short Adam7 passes and row padding all occur.
TRawPng Sample(const TKind& kind, int interlace, unsigned seed)
{
    return RandomRawPng(kind.colorType, kind.bitDepth, 13 + static_cast<int>(seed % 7), 11, interlace, seed);
}

// VOSTREL_PNG_SEEDS names a folder for the fuzzers' seed files.
void KeepSeed(const std::string& name, const std::string& file)
{
    if (const char* folder = std::getenv("VOSTREL_PNG_SEEDS"))
        std::ofstream(std::string(folder) + "/" + name + ".png", std::ios::binary) << file;
}

} // namespace

TEST(PngLibpng, EveryKindLibpngWritesLoadsIntoTheStoreItsRowsDescribe)
{
    unsigned seed = 1;
    for (const TKind& kind : kKinds)
        for (int interlace : {0, 1}) {
            const TRawPng raw = Sample(kind, interlace, seed++);
            const std::string file = LibpngWrite(raw);
            KeepSeed("libpng-" + std::to_string(kind.colorType) + "-" + std::to_string(kind.bitDepth) + "-"
                         + std::to_string(interlace), file);
            TPNGImage image;
            ASSERT_NO_THROW(LoadPng(image, file)) << KindName(kind, interlace);
            EXPECT_EQ(CompareStore(image, ExpectedFor(image, LibpngRead(file))), "") << KindName(kind, interlace);
            // Grey and RGB with a tRNS chunk have one see-through colour; palettes one or many.
            const bool bit = !raw.trns.empty() && kind.colorType != 3;
            if (bit) {
                EXPECT_EQ(image.TransparencyMode(), TPNGTransparencyMode::ptmBit) << KindName(kind, interlace);
            }
        }
}

TEST(PngLibpng, RgbaRowsAreLibpngsExpansion)
{
    unsigned seed = 40;
    for (const TKind& kind : kKinds)
        for (int interlace : {0, 1}) {
            TRawPng raw = Sample(kind, interlace, seed++);
            // The store keeps 16-bit samples by their high byte, so a 16-bit
            // see-through colour matches more than libpng's; and one palette
            // entry alone below opaque is single-colour transparency to us.
            if (kind.bitDepth == 16)
                raw.trns.clear();
            if (kind.colorType == 3)
                raw.trns = {0, 128};
            const std::string file = LibpngWrite(raw);
            const TPngRgbaFrame ours = PngDecodeRgba(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
            const TLibpngRgba reference = LibpngReadRgba(file);
            EXPECT_EQ(ours.width, reference.width) << KindName(kind, interlace);
            EXPECT_EQ(ours.height, reference.height) << KindName(kind, interlace);
            EXPECT_TRUE(ours.rgba == reference.rgba) << KindName(kind, interlace);
        }
}

TEST(PngLibpng, FilesWeWriteReadBackInLibpngWithTheSamePixels)
{
    const TPNGFilters filterSets[] = {pfNone, pfSub, pfUp, pfAverage, pfPaeth,
                                      pfNone | pfSub | pfUp | pfAverage | pfPaeth, pfUp | pfPaeth};
    unsigned seed = 100;
    for (const TKind& kind : kKinds)
        for (int interlace : {0, 1})
            for (TPNGFilters filters : filterSets) {
                const int level = static_cast<int>(seed % 10);
                TPNGImage image;
                LoadPng(image, LibpngWrite(Sample(kind, 0, seed++)));
                image.Filters = filters;
                image.CompressionLevel = static_cast<std::uint8_t>(level);
                image.InterlaceMethod = static_cast<std::uint8_t>(interlace);
                const std::string ours = SavePng(image);
                const std::string what = KindName(kind, interlace) + " filters " + std::to_string(filters)
                                         + " level " + std::to_string(level);
                TRawPng back;
                ASSERT_NO_THROW(back = LibpngRead(ours)) << what;
                EXPECT_EQ(back.interlace, interlace) << what;
                EXPECT_EQ(CompareStore(image, ExpectedFor(image, back)), "") << what;
            }
}

TEST(PngLibpng, OurOwnFilesReadBackUnchanged)
{
    unsigned seed = 500;
    for (const TKind& kind : kKinds)
        for (int interlace : {0, 1}) {
            TPNGImage image;
            LoadPng(image, LibpngWrite(Sample(kind, interlace, seed++)));
            const std::string ours = SavePng(image);
            TPNGImage again;
            ASSERT_NO_THROW(LoadPng(again, ours)) << KindName(kind, interlace);
            const TPngPixelStore& a = image.RequireHeader().Store();
            const TPngPixelStore& b = again.RequireHeader().Store();
            EXPECT_EQ(std::string(a.bits, a.bits + a.rowSize * a.height), std::string(b.bits, b.bits + b.rowSize * b.height))
                << KindName(kind, interlace);
            EXPECT_EQ(a.alpha, b.alpha) << KindName(kind, interlace);
            EXPECT_EQ(a.low, b.low) << KindName(kind, interlace);
            EXPECT_EQ(a.palette, b.palette) << KindName(kind, interlace);
            EXPECT_EQ(image.TransparencyMode(), again.TransparencyMode()) << KindName(kind, interlace);
            EXPECT_EQ(image.TransparentColor(), again.TransparentColor()) << KindName(kind, interlace);
        }
}
