#include "classlib/bitmapfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "classlib/exceptions.h"
#include "classlib/streams.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size = 4)
{
    for (int i = 0; i < size; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TBitmapFileImage Image(int width, int height, int bitCount)
{
    TBitmapFileImage image;
    image.width = width, image.height = height, image.bitCount = bitCount;
    if (bitCount <= 8)
        for (std::uint32_t i = 0; i < (1u << bitCount); ++i)
            image.palette.push_back(i * 0x010203u & 0xFFFFFF);
    image.masks = DefaultBitmapMasks(bitCount);
    image.pixels.resize(BitmapRowSize(width, bitCount) * height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return image;
}

Bytes Write(const TBitmapFileImage& image)
{
    TMemoryStream s;
    WriteBitmapFile(s, image);
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

TBitmapFileImage Read(const Bytes& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SetPosition(0);
    return ReadBitmapFile(s);
}

// A 3 x 2 file with a 12-byte core header, 24 bits, rows top-down in the picture order given.
Bytes CoreFile()
{
    Bytes b(14 + 12 + 2 * 12, 0);
    b[0] = 'B', b[1] = 'M';
    Put(b, 10, 26);
    Put(b, 14, 12), Put(b, 18, 3, 2), Put(b, 20, 2, 2), Put(b, 22, 1, 2), Put(b, 24, 24, 2);
    for (std::size_t i = 26; i < b.size(); ++i)
        b[i] = static_cast<std::uint8_t>(i);
    return b;
}
} // namespace

TEST(BitmapFile, EveryBitCountComesBackAsWritten)
{
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        TBitmapFileImage image = Image(5, 3, bits);
        TBitmapFileImage back = Read(Write(image));
        EXPECT_EQ(back.width, 5) << bits;
        EXPECT_EQ(back.height, 3) << bits;
        EXPECT_EQ(back.bitCount, bits);
        EXPECT_EQ(back.palette, image.palette) << bits;
        EXPECT_EQ(back.masks, image.masks) << bits;
        EXPECT_EQ(back.pixels, image.pixels) << bits;
    }
}

TEST(BitmapFile, OtherMasksTravelAsBitfields)
{
    TBitmapFileImage image = Image(2, 2, 16);
    image.masks = {0xF800, 0x07E0, 0x001F};
    Bytes bytes = Write(image);
    EXPECT_EQ(bytes[30], 3) << "BI_BITFIELDS";
    EXPECT_EQ(Read(bytes).masks, image.masks);
}

TEST(BitmapFile, TopDownRowsAreTurnedBottomUp)
{
    TBitmapFileImage image = Image(1, 3, 32);
    Bytes bytes = Write(image);
    Put(bytes, 22, static_cast<std::uint32_t>(-3));
    TBitmapFileImage back = Read(bytes);
    EXPECT_EQ(back.height, 3);
    Bytes reversed(image.pixels.rbegin(), image.pixels.rend());
    for (std::size_t row = 0; row < 3; ++row)
        std::reverse(reversed.begin() + row * 4, reversed.begin() + row * 4 + 4);
    EXPECT_EQ(back.pixels, reversed);
}

TEST(BitmapFile, CoreAndV5HeadersAreRead)
{
    TBitmapFileImage core = Read(CoreFile());
    EXPECT_EQ(core.width, 3);
    EXPECT_EQ(core.height, 2);
    EXPECT_EQ(core.pixels.front(), 26);

    // A V5 header: the info header's fields, masks and the rest left zero.
    TBitmapFileImage image = Image(2, 2, 32);
    Bytes info = Write(image);
    Bytes v5(info.begin(), info.begin() + 54);
    v5.resize(14 + 124, 0);
    Put(v5, 14, 124), Put(v5, 10, 14 + 124), Put(v5, 30, 3);
    Put(v5, 54, 0xFF0000), Put(v5, 58, 0xFF00), Put(v5, 62, 0xFF);
    v5.insert(v5.end(), info.begin() + 54, info.end());
    EXPECT_EQ(Read(v5).pixels, image.pixels);
}

TEST(BitmapFile, MalformedFilesFailCleanly)
{
    const Bytes good = Write(Image(4, 4, 8));
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"short file header", [](Bytes& b) { b.resize(10); }},
        {"no BM", [](Bytes& b) { b[1] = 'X'; }},
        {"short info header", [](Bytes& b) { b.resize(30); }},
        {"unknown header size", [](Bytes& b) { Put(b, 14, 41); }},
        {"zero width", [](Bytes& b) { Put(b, 18, 0); }},
        {"negative width", [](Bytes& b) { Put(b, 18, static_cast<std::uint32_t>(-4)); }},
        {"huge height", [](Bytes& b) { Put(b, 22, 0x7FFFFFFF); }},
        {"lowest height", [](Bytes& b) { Put(b, 22, 0x80000000); }},
        {"two planes", [](Bytes& b) { Put(b, 26, 2, 2); }},
        {"7 bits", [](Bytes& b) { Put(b, 28, 7, 2); }},
        {"run-length", [](Bytes& b) { Put(b, 30, 1); }},
        {"bitfields on 8 bits", [](Bytes& b) { Put(b, 30, 3); }},
        {"palette too long", [](Bytes& b) { Put(b, 46, 257); }},
        {"palette over the pixels", [](Bytes& b) { Put(b, 10, 54 + 16); }},
        {"pixel offset inside header", [](Bytes& b) { Put(b, 10, 20); }},
        {"pixel offset past the end", [](Bytes& b) { Put(b, 10, 0xFFFFFFF0); }},
        {"pixels cut short", [](Bytes& b) { b.pop_back(); }},
        {"wide rows overflow", [](Bytes& b) { Put(b, 18, 32768), Put(b, 22, 32768), Put(b, 28, 32, 2); }},
    };
    for (const auto& c : cases) {
        Bytes bytes = good;
        c.spoil(bytes);
        try {
            Read(bytes);
            ADD_FAILURE() << c.what << ": read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Bitmap image is not valid (", 0), 0u) << c.what << ": " << e.what();
        }
    }
}

TEST(BitmapFile, BadMasksFailCleanly)
{
    TBitmapFileImage image = Image(2, 2, 16);
    image.masks = {0xF800, 0x07E0, 0x001F};
    const Bytes good = Write(image);
    const std::array<std::uint32_t, 3> bad[] = {
        {0, 0x07E0, 0x001F}, {0xF800, 0x0FE0, 0x001F}, {0x1F0000, 0x07E0, 0x001F}, {0xA800, 0x07E0, 0x001F}};
    for (const auto& masks : bad) {
        Bytes bytes = good;
        Put(bytes, 54, masks[0]), Put(bytes, 58, masks[1]), Put(bytes, 62, masks[2]);
        EXPECT_THROW(Read(bytes), EInvalidGraphic) << std::hex << masks[0] << " " << masks[1];
    }
}

TEST(BitmapFile, SidesAreBoundedByTheByteCapAlone)
{
    // Past 32768 on a side is read while the rows fit the cap.
    struct Case {
        int width, height, bitCount;
    } wide[] = {{65535, 2, 8}, {2, 65535, 1}, {40000, 3, 24}, {70000, 1, 4}};
    for (const Case& c : wide) {
        TBitmapFileImage image = Image(c.width, c.height, c.bitCount);
        TBitmapFileImage back = Read(Write(image));
        EXPECT_EQ(back.width, c.width);
        EXPECT_EQ(back.height, c.height);
        EXPECT_EQ(back.pixels, image.pixels) << c.width << " x " << c.height;
    }
    // One byte past the cap, and a row alone past it, are too large.
    Bytes file = Write(Image(4, 4, 8));
    for (auto [width, height] : {std::pair<std::uint32_t, std::uint32_t>{65536, 4097}, {0x7FFFFFFF, 1}}) {
        Put(file, 18, width), Put(file, 22, height);
        try {
            Read(file);
            ADD_FAILURE() << width << " x " << height << ": read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid (pixel data too large)");
        }
    }
}
