#include <gtest/gtest.h>

#include "classlib/exceptions.h"
#include "images/gifstrings.h"
#include "images/tests/gifbuilder.h"

namespace {
const std::string kPixels = EncodeIndices({0, 1, 1, 0}, 2, 2, 1);

std::string OneFrame(const std::string& signature)
{
    return TGifBuilder(signature).Screen(2, 2, 1).Image(0, 0, 2, 2, kPixels).Trailer().Bytes();
}

std::string ErrorOf(const std::string& bytes)
{
    TGIF_ImageModel image;
    try {
        ReadGif(image, bytes);
    } catch (const EInvalidGraphicOperation& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(GifRead, SignatureAndVersionIgnoreCase)
{
    struct Case {
        const char* signature;
        int version;
    } cases[] = {{"GIF87a", 1}, {"GIF89a", 2}, {"GIF89A", 2}, {"gif87A", 1}, {"GIF88a", 0}, {"GIX89a", 0}, {"GIF8", 0}};
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        std::string bytes = OneFrame(c.signature);
        if (std::string(c.signature).size() < 6)
            bytes = c.signature;
        if (c.version == 0) {
            EXPECT_EQ(ErrorOf(bytes), GifText(SGifBadSignature)) << c.signature;
            continue;
        }
        ReadGif(image, bytes);
        EXPECT_EQ(image.version, c.version) << c.signature;
        EXPECT_EQ(image.FrameCount(), 1);
    }
}

TEST(GifRead, OnlyWholeLoopBlocksSetTheLoop)
{
    struct Case {
        const char* identifier;
        std::string block;
        int sizeByte;
        bool loop;
        int count;
    } cases[] = {
        {"NETSCAPE2.0", std::string("\1\xFF\xFF", 3), 11, true, 30000},
        {"NETSCAPE2.0", std::string("\1\5\0", 3), 11, true, 5},
        {"ANIMEXTS1.0", std::string("\1\0\1", 3), 11, true, 256},
        {"NETSCAPE2.0", std::string("\1\5", 2), 11, false, 1},
        {"NETSCAPE2.0", std::string("\2\5\0", 3), 11, false, 1},
        // A block-size byte of 0 compares nothing: no identifier matches it.
        {"NETSCAPE2.0", std::string("\1\5\0", 3), 0, false, 1},
        {"XMPDataXMP!", std::string("\1\5\0", 3), 0, false, 1},
    };
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        ReadGif(image, TGifBuilder().Screen(2, 2, 1).Application(c.identifier, {c.block}, c.sizeByte)
                           .Image(0, 0, 2, 2, kPixels).Trailer().Bytes());
        EXPECT_EQ(image.loopFlag, c.loop) << c.identifier << " " << c.sizeByte;
        EXPECT_EQ(image.loopCount, c.count) << c.identifier;
    }
}

TEST(GifRead, ControlBlocksBeforeAnImage)
{
    struct Case {
        std::string name, bytes;
        std::uint32_t delay;
        int disposal;
        TColor transparent;
    };
    TGifBuilder two = TGifBuilder().Screen(2, 2, 1).GraphicControl(30, 1, -1).GraphicControl(10, 2, 1);
    TGifBuilder plain = TGifBuilder().Screen(2, 2, 1).GraphicControl(30, 1, 1).PlainText();
    // 200 s: more than 16 bits of milliseconds.
    TGifBuilder slow = TGifBuilder().Screen(2, 2, 1).GraphicControl(20000);
    Case cases[] = {
        {"larger delay, last block's disposal and colour", two.Image(0, 0, 2, 2, kPixels).Bytes(), 300, 2, 0xFE01FF},
        {"plain text drops the control", plain.Image(0, 0, 2, 2, kPixels).Bytes(), 0, 0, clNone},
        {"long delay", slow.Image(0, 0, 2, 2, kPixels).Bytes(), 200000, 0, clNone},
    };
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        ReadGif(image, c.bytes + ";");
        TGIF_FrameModel& f = image.FrameByIndex(0);
        EXPECT_EQ(f.delay, c.delay) << c.name;
        EXPECT_EQ(f.disposal, c.disposal) << c.name;
        EXPECT_EQ(f.TransparentColor(), c.transparent) << c.name;
    }
}

TEST(GifRead, StreamShapes)
{
    const std::string screen = TGifBuilder().Screen(5, 7, 1).Bytes();
    struct Case {
        std::string name, bytes;
        int frames;
        bool lastCorrupted;
        std::string error;
    } cases[] = {
        {"zero bytes and unknown byte after an image",
         TGifBuilder(screen).Image(0, 0, 2, 2, kPixels).Raw(std::string(3, '\0') + "x,").Bytes(), 1, false, ""},
        {"truncated second frame kept", TGifBuilder(screen).Image(0, 0, 2, 2, kPixels)
                                            .Image(0, 0, 2, 2, kPixels.substr(0, 3)).Bytes(), 2, true, ""},
        {"unknown label", screen + "!\x42\0;", 0, false, GifText(SGifUnknownExtension, 0x42)},
        {"unknown byte where a block starts", screen + "x;", 0, false, "Stream read error"},
        {"descriptor cut short", screen + std::string(",\0\0", 3), 0, false, "Stream read error"},
    };
    for (const Case& c : cases) {
        TGIF_ImageModel image;
        EXPECT_EQ(ErrorOf(c.bytes), c.error) << c.name;
        if (!c.error.empty())
            continue;
        ReadGif(image, c.bytes);
        ASSERT_EQ(image.FrameCount(), c.frames) << c.name;
        EXPECT_EQ(image.FrameByIndex(c.frames - 1).corrupted, c.lastCorrupted) << c.name;
    }
}

TEST(GifRead, EmptyDescriptorTakesTheScreenSize)
{
    TGIF_ImageModel image;
    ReadGif(image, TGifBuilder().Screen(3, 2, 1).Image(0, 0, 0, 0, EncodeIndices({1, 1, 1, 0, 0, 0}, 3, 2, 1)).Bytes());
    TGifFramePixels d = GifFramePixels(image.FrameByIndex(0));
    EXPECT_EQ(d.width, 3);
    EXPECT_EQ(d.height, 2);
    EXPECT_EQ(d.indices, (std::vector<std::uint8_t>{1, 1, 1, 0, 0, 0}));
}

TEST(GifRead, FrameZeroWithoutDataFailsTheReadAndIsRemoved)
{
    TGIF_ImageModel image;
    std::string bytes = TGifBuilder().Screen(2, 2, 1).Image(0, 0, 2, 2, "").Bytes();
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SetPosition(0);
    EXPECT_THROW(image.ParseStream(static_cast<std::int64_t>(bytes.size()), s, true), EInvalidGraphicOperation);
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.currentFrame, -1);
}

TEST(GifRead, CountsAndEmptyStreams)
{
    TGIF_ImageModel image;
    TMemoryStream s;
    s.WriteBuffer("GIF", 3);
    s.SetPosition(0);
    // A count beyond what the source holds fails before anything is copied.
    EXPECT_THROW(image.ParseStream(1 << 30, s, false), EReadError);
    // Nothing to read takes nothing from the source.
    image.ParseStream(0, s, true);
    EXPECT_EQ(s.Position(), 0);
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.version, 0);
}

TEST(GifRead, CommentsAfterTheLastImageJoinTheImage)
{
    TGIF_ImageModel image;
    ReadGif(image, TGifBuilder().Screen(2, 2, 1).Comment({"kept by frame"}).Image(0, 0, 2, 2, kPixels)
                       .Comment({"one", "two"}).Comment({"three"}).Trailer().Bytes());
    EXPECT_EQ(image.Data().comments, (std::vector<std::string>{"one", "two", "\r\n\r\n", "three"}));
    ASSERT_EQ(image.FrameByIndex(0).extensions.size(), 1u);
    EXPECT_EQ(image.FrameByIndex(0).extensions[0].data[0], "kept by frame");
}

TEST(GifRead, AChainCutShortIsClosedSoTheFramesAfterItSurviveWritingBack)
{
    // Frame 0's last sub-block claims more bytes than the file has; reading
    // goes on at that length byte, which starts a second image.
    const std::string file(
        "\x47\x49\x46\x38\x37\x61\x08\x00\x08\x00\x80\x00\x00\x00\x00\xFF\xFF\x01\xFE\x2C\x00\x00\x00\x00"
        "\x08\x00\x08\x00\x00\x02\x0F\x84\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x01\x01\x15\x15"
        "\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x15\x46\x38\x33\x61\x08\x00\x08\x00\x80\x00"
        "\x00\x00\x00\xFF\xFF\x01\xFE\x2C\x00\x00\x00\x00\x08\x00\x08\x00\x00\x02\x19\x84\x11\x18\x99\xB7"
        "\x3A\xF6\x9C\x62\x47\xC1\x06\x27\xAA\x2F\x15\x11\x18\x99\xB7\xF6\x9C\x62\x47\xC1\x06\x27\xAA\xF1"
        "\x15\x00\x3B",
        123);
    TGIF_ImageModel image;
    ReadGif(image, file);
    ASSERT_EQ(image.FrameCount(), 2);
    TGIF_ImageModel again;
    ReadGif(again, WriteGif(image));
    ASSERT_EQ(again.FrameCount(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(again.FrameByIndex(i).Item().data->Size(), image.FrameByIndex(i).Item().data->Size()) << i;
}
