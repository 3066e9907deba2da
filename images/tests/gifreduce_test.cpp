#include <gtest/gtest.h>

#include <set>

#include "images/gifreduce.h"

namespace {
TBitmapFileImage Rgb(const std::vector<std::uint32_t>& colors, int width)
{
    TBitmapFileImage b;
    b.width = width, b.height = static_cast<int>(colors.size()) / width, b.bitCount = 24;
    std::size_t rowSize = static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(width), 24));
    b.pixels.assign(rowSize * static_cast<std::size_t>(b.height), 0);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        std::uint8_t* p = b.pixels.data() + i / static_cast<std::size_t>(width) * rowSize + i % static_cast<std::size_t>(width) * 3;
        p[0] = static_cast<std::uint8_t>(colors[i]), p[1] = static_cast<std::uint8_t>(colors[i] >> 8),
        p[2] = static_cast<std::uint8_t>(colors[i] >> 16);
    }
    return b;
}
} // namespace

TEST(GifReduce, UpTo256ColoursStayExact)
{
    std::vector<std::uint32_t> colors;
    for (std::uint32_t i = 0; i < 37 * 13; ++i)
        colors.push_back((i % 256) * 0x010307u * 97 & 0xFFFFFF);
    TBitmapFileImage out = ReduceBitmapColors(Rgb(colors, 37));
    ASSERT_EQ(out.bitCount, 8);
    ASSERT_EQ(out.palette.size(), 256u);
    std::size_t rowSize = static_cast<std::size_t>(BitmapRowSize(37, 8));
    for (std::size_t i = 0; i < colors.size(); ++i)
        ASSERT_EQ(out.palette[out.pixels[i / 37 * rowSize + i % 37]], colors[i]) << i;
}

TEST(GifReduce, ManyColoursNarrowBlueRedGreenInTurn)
{
    // 4096 colours each; which channel must lose its low bit to get under 2050.
    struct Case {
        const char* name;
        std::uint32_t (*color)(std::uint32_t i);
        bool oddRed, oddGreen, oddBlue;
    } cases[] = {
        {"blue first", [](std::uint32_t i) { return (i & 31) << 16 | (i >> 5 & 31) << 8 | i >> 10; }, true, true, false},
        {"then red", [](std::uint32_t i) { return (i & 63) << 16 | (i >> 6) << 8; }, false, true, false},
        {"then green", [](std::uint32_t i) { return (i & 63) << 17 | (i >> 6) << 8; }, false, false, false},
    };
    for (const Case& c : cases) {
        std::vector<std::uint32_t> colors;
        for (std::uint32_t i = 0; i < 4096; ++i)
            colors.push_back(c.color(i));
        TBitmapFileImage out = ReduceBitmapColors(Rgb(colors, 64));
        ASSERT_EQ(out.palette.size(), 256u);
        bool odd[3] = {};
        for (std::uint32_t p : out.palette)
            for (int ch = 0; ch < 3; ++ch)
                odd[ch] |= (p >> (16 - 8 * ch) & 1) != 0;
        EXPECT_EQ(odd[0], c.oddRed) << c.name;
        EXPECT_EQ(odd[1], c.oddGreen) << c.name;
        EXPECT_EQ(odd[2], c.oddBlue) << c.name;
    }
}
