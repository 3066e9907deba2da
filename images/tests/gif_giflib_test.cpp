// Our reader against files giflib writes, and giflib against files our writer makes.
#include <gtest/gtest.h>

#include <random>

#include "classlib/bitmapfile.h"
#include "images/gifreduce.h"
#include "images/tests/gifbuilder.h"
#include "images/tests/giflibio.h"

namespace {
std::vector<std::uint32_t> RandomTable(std::mt19937& rng, int bits)
{
    std::vector<std::uint32_t> t;
    for (int i = 0; i < 1 << bits; ++i)
        t.push_back(rng() & 0xFFFFFF);
    return t;
}

TGiflibFrame RandomFrame(std::mt19937& rng, int bits, int width, int height)
{
    TGiflibFrame f;
    f.width = width, f.height = height;
    // Runs and noise, so the dictionary both grows and starts over.
    for (int i = 0; i < width * height; ++i)
        f.indices.push_back(static_cast<std::uint8_t>(i % 7 < 4 ? (i / 97) % (1 << bits) : rng() % (1u << bits)));
    return f;
}

std::vector<TGiflibImage> GiflibFiles()
{
    std::mt19937 rng(17);
    std::vector<TGiflibImage> files;
    for (int bits = 1; bits <= 8; ++bits) {
        TGiflibImage image;
        image.width = 61, image.height = 47;
        image.globalTable = RandomTable(rng, bits);
        image.frames.push_back(RandomFrame(rng, bits, 61, 47));
        files.push_back(image);
    }
    TGiflibImage interlaced = files[7];
    for (int height : {1, 2, 3, 5, 13}) {
        interlaced.frames.push_back(RandomFrame(rng, 8, 9, height));
        interlaced.frames.back().interlaced = true;
    }
    interlaced.gif89 = true;
    files.push_back(interlaced);

    TGiflibImage animated;
    animated.width = 40, animated.height = 30, animated.gif89 = true, animated.loopCount = 3;
    animated.globalTable = RandomTable(rng, 4);
    for (int i = 0; i < 12; ++i) {
        TGiflibFrame f = RandomFrame(rng, i % 2 ? 4 : 6, 10 + i, 5 + i);
        f.left = i, f.top = 30 - f.height;
        if (i % 2 == 0)
            f.localTable = RandomTable(rng, 6);
        f.delay = i * 13, f.disposal = i % 4, f.transparent = i % 3 ? i : -1;
        if (i % 5 == 0)
            f.comments = {"frame " + std::to_string(i)};
        animated.frames.push_back(f);
    }
    files.push_back(animated);
    return files;
}

TColor ColorOf(std::uint32_t rgb)
{
    return static_cast<TColor>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16);
}

void ExpectSame(const TGiflibImage& expected, TGIF_ImageModel& ours, const std::string& name)
{
    ASSERT_EQ(ours.FrameCount(), static_cast<int>(expected.frames.size())) << name;
    EXPECT_EQ(ours.loopFlag, expected.loopCount >= 0) << name;
    EXPECT_EQ(ours.loopCount, std::max(expected.loopCount, 1)) << name;
    for (int i = 0; i < ours.FrameCount(); ++i) {
        const TGiflibFrame& e = expected.frames[static_cast<std::size_t>(i)];
        TGIF_FrameModel& f = ours.FrameByIndex(i);
        std::string where = name + " frame " + std::to_string(i);
        EXPECT_EQ(f.left, e.left) << where;
        EXPECT_EQ(f.top, e.top) << where;
        EXPECT_EQ(f.interlaced, e.interlaced) << where;
        EXPECT_EQ(f.localTable, !e.localTable.empty()) << where;
        EXPECT_EQ(f.delay, static_cast<std::uint32_t>(std::max(e.delay, 0) * 10)) << where;
        EXPECT_EQ(f.disposal, e.delay >= 0 ? e.disposal : 0) << where;
        EXPECT_EQ(f.TransparentIndex(), e.delay >= 0 ? e.transparent : -1) << where;
        const auto& table = e.localTable.empty() ? expected.globalTable : e.localTable;
        EXPECT_EQ(f.TransparentColor(), f.TransparentIndex() < 0 ? clNone : ColorOf(table[static_cast<std::size_t>(f.TransparentIndex())]))
            << where;
        TGifFramePixels d = GifFramePixels(f);
        EXPECT_EQ(d.width, e.width) << where;
        EXPECT_EQ(d.height, e.height) << where;
        EXPECT_EQ(d.indices, e.indices) << where;
        EXPECT_FALSE(f.corrupted) << where;
    }
}

std::string FrameData(const TGIF_FrameModel& f)
{
    const TMemoryStream& s = *f.Item().data;
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(const_cast<TMemoryStream&>(s).Size())};
}
} // namespace

TEST(GifGiflib, GiflibFilesReadTheSameAndWriteBackFrameForFrame)
{
    int n = 0;
    for (const TGiflibImage& expected : GiflibFiles()) {
        std::string name = "file " + std::to_string(n++);
        std::string bytes = GiflibWrite(expected);
        TGIF_ImageModel ours;
        ReadGif(ours, bytes);
        EXPECT_EQ(ours.version, bytes[4] == '9' ? 2 : 1) << name;
        ExpectSame(expected, ours, name);

        TGIF_ImageModel again;
        std::string written = WriteGif(ours);
        ReadGif(again, written);
        ASSERT_EQ(again.FrameCount(), ours.FrameCount()) << name;
        for (int i = 0; i < ours.FrameCount(); ++i)
            EXPECT_EQ(FrameData(again.FrameByIndex(i)), FrameData(ours.FrameByIndex(i))) << name << " frame " << i;
        // One frame and no extensions: "87a" stays.
        EXPECT_EQ(written.substr(0, 6), expected.gif89 ? "GIF89a" : "GIF87a") << name;
        TGiflibImage back;
        ASSERT_TRUE(GiflibRead(written, back)) << name;
        EXPECT_EQ(back.loopCount, expected.frames.size() > 1 ? expected.loopCount : -1) << name;
    }
}

TEST(GifGiflib, OurFilesReadTheSameInGiflib)
{
    std::mt19937 rng(5);
    TTestGif ours;
    TGiflibImage expected;
    expected.loopCount = 9;
    ours.loopFlag = true, ours.loopCount = 9;
    int bitsOf[] = {8, 1, 4, 8};
    for (int i = 0; i < 4; ++i) {
        TGiflibFrame f = RandomFrame(rng, bitsOf[i], 300 + i, 200 - i);
        std::vector<std::uint32_t> table = RandomTable(rng, bitsOf[i]);
        TGIF_FrameModel& frame = ours.Add();
        frame.left = i * 3;
        EncodeFrame(frame, f.indices, f.width, f.height, bitsOf[i], table);
        frame.delay = 75 * i;
        frame.disposal = static_cast<std::uint8_t>(i);
        frame.SetTransparentColor(i == 2 ? ColorOf(table[5]) : clNone);
        f.left = i * 3;
        f.delay = i ? 75 * i / 10 : -1;
        f.disposal = i, f.transparent = i == 2 ? 5 : -1;
        if (i == 0)
            expected.globalTable = table;
        else
            f.localTable = table;
        expected.frames.push_back(f);
    }
    // A 24-bit picture of few colours reduces exactly.
    TBitmapFileImage rgb;
    rgb.width = 50, rgb.height = 20, rgb.bitCount = 24;
    rgb.pixels.resize(BitmapRowSize(50, 24) * 20);
    for (std::size_t i = 0; i < rgb.pixels.size(); ++i)
        rgb.pixels[i] = static_cast<std::uint8_t>(i % 150 / 3 * 5);
    TBitmapFileImage reduced = ReduceBitmapColors(rgb);
    TMemoryStream dib;
    WriteBitmapFile(dib, reduced);
    dib.SetPosition(0);
    ours.Add().EncodeDib(dib);
    TGiflibFrame r;
    r.width = 50, r.height = 20, r.localTable = reduced.palette;
    std::size_t rowSize = BitmapRowSize(50, 8);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 50; ++x)
            r.indices.push_back(reduced.pixels[(19 - static_cast<std::size_t>(y)) * rowSize + static_cast<std::size_t>(x)]);
    expected.frames.push_back(r);

    std::string bytes = WriteGif(ours);
    TGiflibImage back;
    ASSERT_TRUE(GiflibRead(bytes, back));
    ASSERT_EQ(back.frames.size(), expected.frames.size());
    EXPECT_EQ(back.globalTable, expected.globalTable);
    EXPECT_EQ(back.loopCount, 9);
    for (std::size_t i = 0; i < back.frames.size(); ++i) {
        const TGiflibFrame &e = expected.frames[i], &g = back.frames[i];
        EXPECT_EQ(g.left, e.left) << i;
        EXPECT_EQ(g.width, e.width) << i;
        EXPECT_EQ(g.height, e.height) << i;
        EXPECT_EQ(g.localTable, e.localTable) << i;
        EXPECT_EQ(g.delay, e.delay) << i;
        EXPECT_EQ(g.disposal, e.delay >= 0 ? e.disposal : 0) << i;
        EXPECT_EQ(g.transparent, e.transparent) << i;
        EXPECT_EQ(g.indices, e.indices) << i;
    }
}
