// The tools window's banner as the form will hold it: giflib and our reader
// see the same animation, with the shape the banner control expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "classlib/colors.h"
#include "images/tests/gifbuilder.h"
#include "images/tests/giflibio.h"

namespace {

constexpr int kSeeThrough = 49;
constexpr std::uint32_t kMoneyGreenRgb = 0xC0DCC0;

// The bytes of the hex block: a 32-bit byte count, then the GIF.
std::string BannerBlock()
{
    std::ifstream in(TOOLS_BANNER_HEX);
    std::string line, bytes;
    while (std::getline(in, line))
        for (std::size_t i = 0; i + 1 < line.size(); i += 2)
            bytes.push_back(static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string BannerGif()
{
    const std::string block = BannerBlock();
    if (block.size() < 4)
        return {};
    const auto* b = reinterpret_cast<const unsigned char*>(block.data());
    const std::size_t count = b[0] | b[1] << 8 | b[2] << 16 | std::size_t(b[3]) << 24;
    EXPECT_EQ(count, block.size() - 4) << "the byte count before the GIF";
    return block.substr(4);
}

TEST(ToolsBanner, GiflibAndOurReaderAgree)
{
    const std::string gif = BannerGif();
    ASSERT_FALSE(gif.empty()) << TOOLS_BANNER_HEX;
    TGiflibImage theirs;
    ASSERT_TRUE(GiflibRead(gif, theirs));
    TGIF_ImageModel ours;
    ReadGif(ours, gif);

    // The screen: 444 x 33, a 64-entry table at colour resolution 6, repeating without end.
    EXPECT_EQ(theirs.width, 444);
    EXPECT_EQ(theirs.height, 33);
    EXPECT_EQ(theirs.loopCount, 0);
    EXPECT_EQ(ours.screenWidth, 444);
    EXPECT_EQ(ours.screenHeight, 33);
    EXPECT_TRUE(ours.loopFlag);
    EXPECT_EQ(ours.Data().colorResolution, 6);
    ASSERT_EQ(theirs.globalTable.size(), 64u);
    EXPECT_EQ(theirs.globalTable[kSeeThrough], kMoneyGreenRgb);
    EXPECT_EQ(std::count(theirs.globalTable.begin(), theirs.globalTable.end(), kMoneyGreenRgb), 1)
        << "only the see-through entry may be money green";

    const struct {
        int left, top, width, height;
    } frames[] = {{0, 0, 444, 33}, {11, 8, 420, 19}, {11, 7, 417, 20}};
    ASSERT_EQ(theirs.frames.size(), std::size(frames));
    ASSERT_EQ(ours.FrameCount(), int(std::size(frames)));
    for (int i = 0; i < ours.FrameCount(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        const TGiflibFrame& t = theirs.frames[std::size_t(i)];
        TGIF_FrameModel& o = ours.FrameByIndex(i);
        EXPECT_EQ(t.left, frames[i].left);
        EXPECT_EQ(t.top, frames[i].top);
        EXPECT_EQ(t.width, frames[i].width);
        EXPECT_EQ(t.height, frames[i].height);
        EXPECT_TRUE(t.localTable.empty());
        EXPECT_EQ(t.delay, 400);
        EXPECT_EQ(t.disposal, 1);
        EXPECT_EQ(t.transparent, kSeeThrough);

        EXPECT_EQ(o.left, t.left);
        EXPECT_EQ(o.top, t.top);
        EXPECT_EQ(o.delay, 4000u);
        EXPECT_EQ(o.disposal, 1);
        EXPECT_EQ(o.TransparentIndex(), kSeeThrough);
        EXPECT_EQ(o.TransparentColor(), clMoneyGreen);
        ASSERT_TRUE(o.HasData());
        EXPECT_EQ(static_cast<const std::uint8_t*>(o.Item().data->Memory())[0], 6) << "minimum code size";

        TGifFramePixels pixels = GifFramePixels(o);
        EXPECT_EQ(pixels.width, t.width);
        EXPECT_EQ(pixels.height, t.height);
        EXPECT_EQ(pixels.indices, t.indices);
        EXPECT_FALSE(o.corrupted);
        // Index 49 is used, and those pixels show money green.
        const auto seeThrough = std::count(t.indices.begin(), t.indices.end(), kSeeThrough);
        EXPECT_GT(seeThrough, 0);
        ASSERT_GT(pixels.palette.size(), std::size_t(kSeeThrough));
        EXPECT_EQ(pixels.palette[kSeeThrough], kMoneyGreenRgb);
        // Something besides the see-through colour is drawn.
        EXPECT_LT(std::size_t(seeThrough), t.indices.size());
    }
}

} // namespace
