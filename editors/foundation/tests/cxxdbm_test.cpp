#include "editors/foundation/graphics/cxxdbm.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "classlib/exceptions.h"
#include "classlib/streams.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes Encode(const Bytes& b)
{
    return cxXdbmEncode(b.data(), b.size());
}

Bytes Repeated(std::size_t n, std::uint8_t v)
{
    return Bytes(n, v);
}

TBitmapFileImage Image(int width, int height)
{
    TBitmapFileImage image;
    image.width = width, image.height = height, image.bitCount = 32;
    image.masks = DefaultBitmapMasks(32);
    image.pixels.resize(BitmapRowSize(width, 32) * height);
    // Stretches of one colour between changing ones, as real pictures have.
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>(i / 64 % 3 == 0 ? 0x40 : i * 13);
    return image;
}

Bytes FileOf(const TBitmapFileImage& image)
{
    TMemoryStream s;
    WriteBitmapFile(s, image);
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

void Load(TMemoryStream& s, const Bytes& b)
{
    s.Clear();
    s.WriteBuffer(b.data(), b.size());
    s.SetPosition(0);
}

Bytes Header(std::uint32_t length)
{
    return {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
            static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24), 'X', 'D', 'B', 'M', 1, 0};
}

TEST(cxXdbm, RunsFollowTheCodersRules)
{
    const Bytes abcc{'A', 'B', 'C', 'C'};
    Bytes runs300{0x7D, 7, 0x7D, 7, 0x32, 7};
    struct {
        const char* what;
        Bytes plain, coded;
    } cases[] = {
        {"300 equal bytes", Repeated(300, 7), runs300},
        {"literal before a pair", abcc, {0x82, 'A', 'B', 0x02, 'C'}},
        {"trailing byte", {5, 5, 9}, {0x02, 5, 0x81, 9}},
        {"one byte after a full repeat", Repeated(126, 1), {0x7D, 1, 0x81, 1}},
        {"empty", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(c.plain), c.coded) << c.what;
        EXPECT_EQ(cxXdbmDecode(c.coded.data(), c.coded.size()), c.plain) << c.what;
    }
    // A literal run of distinct bytes stops at 125.
    Bytes ramp(300);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<std::uint8_t>(i);
    Bytes coded = Encode(ramp);
    EXPECT_EQ(coded[0], 0x80 | 125);
    EXPECT_EQ(coded[126], 0x80 | 125);
    EXPECT_EQ(coded[252], 0x80 | 50);
    // Runs of length zero, which no encoder writes, still decode to nothing.
    for (const Bytes& empty : {Bytes{0x80}, Bytes{0x00, 9}, Bytes{0x80, 0x00, 9, 0x80}})
        EXPECT_EQ(cxXdbmDecode(empty.data(), empty.size()), Bytes{});
}

TEST(cxXdbm, RandomBytesComeBackThroughTheRuns)
{
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        Bytes plain(random() % 2000);
        // Few values, so repeats and literals mix.
        for (auto& b : plain)
            b = static_cast<std::uint8_t>(random() % (round % 4 + 2));
        Bytes coded = Encode(plain);
        EXPECT_EQ(cxXdbmDecode(coded.data(), coded.size()), plain) << round;
    }
}

TEST(cxXdbm, ABitmapComesBackFromBothForms)
{
    const TBitmapFileImage image = Image(13, 7);
    const Bytes file = FileOf(image);
    TMemoryStream s;
    cxWriteXdbmStream(s, file.data(), file.size());
    EXPECT_LT(s.Size(), static_cast<std::int64_t>(file.size()));
    const std::uint8_t trailer = 0xEE;
    s.WriteBuffer(&trailer, 1);
    Bytes xdbm(s.Memory(), s.Memory() + s.Size());
    for (const Bytes& form : {xdbm, file}) {
        Load(s, form);
        TBitmapFileImage back = cxReadBitmapStream(s);
        EXPECT_EQ(back.width, 13);
        EXPECT_EQ(back.pixels, image.pixels);
    }
    // The stream stops right behind the coded data.
    Load(s, xdbm);
    cxReadBitmapStream(s);
    EXPECT_EQ(s.Position(), s.Size() - 1);
}

TEST(cxXdbm, BadStreamsFailWithoutReadingPastTheirData)
{
    const Bytes file = FileOf(Image(4, 4));
    TMemoryStream s;
    cxWriteXdbmStream(s, file.data(), file.size());
    const Bytes good(s.Memory(), s.Memory() + s.Size());
    const std::size_t length = good.size() - kcxXdbmHeaderSize;

    auto withLength = [&](std::uint32_t n) {
        Bytes b = Header(n);
        b.insert(b.end(), good.begin() + kcxXdbmHeaderSize, good.end());
        return b;
    };
    Bytes truncatedRun = Header(2);
    truncatedRun.insert(truncatedRun.end(), {0x85, 1, 2, 3});
    Bytes repeatWithoutByte = Header(1);
    repeatWithoutByte.push_back(0x05);
    struct {
        const char* what;
        Bytes bytes;
    } readErrors[] = {
        {"length past the stream", withLength(static_cast<std::uint32_t>(length + 1))},
        {"huge length", withLength(0xFFFFFFFF)},
        {"literal run crossing the length", truncatedRun},
        {"repeat run without its byte", repeatWithoutByte},
    };
    for (const auto& c : readErrors) {
        Load(s, c.bytes);
        EXPECT_THROW(cxReadBitmapStream(s), EReadError) << c.what;
    }
    // A shorter length cuts the bitmap file: the file reader refuses it.
    Load(s, withLength(static_cast<std::uint32_t>(length - 3)));
    EXPECT_THROW(cxReadBitmapStream(s), Exception);
    // Under ten bytes, or no signature: a plain stream, which is no bitmap here.
    for (const Bytes& plain : {Bytes{'X', 'D', 'B', 'M'}, Bytes(12, 0), Bytes{}}) {
        Load(s, plain);
        EXPECT_THROW(cxReadBitmapStream(s), EInvalidGraphic) << plain.size();
    }
}

TEST(cxXdbm, DecodingRefusesAnOutputBeyondABitmapsCap)
{
    // Each two coded bytes stand for 127: 4.3 million pairs exceed 256 MiB and more.
    Bytes runs(2 * 2200000, 0x7F);
    EXPECT_THROW(cxXdbmDecode(runs.data(), runs.size()), EReadError);
}

} // namespace
