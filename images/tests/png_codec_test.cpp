// Loading hand-made files: the codec's edge cases and the malformed files
// that once crashed, looped or failed falsely, each with its outcome.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <random>
#include <typeinfo>

#include "classlib/streams.h"
#include "images/pngancillary.h"
#include "images/pngblend.h"
#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/tests/libpngfiles.h"

namespace {

std::string Chunk(const std::string& name, const std::string& data = {})
{
    return PngChunkBytes(name, data);
}

// A grey 8-bit image's raw rows (filter byte 0), pixel value x + 16y.
std::string GreyRows(int width, int height)
{
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        for (int x = 0; x < width; ++x)
            raw += static_cast<char>(x + 16 * y);
    }
    return raw;
}

const std::string kIhdr = Chunk("IHDR", IhdrData(4, 2, 8, 0));
const std::string kIdat = Chunk("IDAT", ZlibBytes(GreyRows(4, 2)));
const std::string kIend = Chunk("IEND");

std::string Grey(const std::vector<std::string>& beforeData, const std::vector<std::string>& data = {kIdat})
{
    std::vector<std::string> chunks{kIhdr};
    chunks.insert(chunks.end(), beforeData.begin(), beforeData.end());
    chunks.insert(chunks.end(), data.begin(), data.end());
    chunks.push_back(kIend);
    return PngFileBytes(chunks);
}

// A chunk head claiming length bytes, and nothing after it.
std::string Claim(const std::string& name, std::uint32_t length)
{
    std::string head;
    for (int i = 0; i < 4; ++i)
        head += static_cast<char>(length >> (24 - 8 * i));
    head += name;
    return head;
}

std::string WithHeader(const std::string& ihdrData, const std::string& rest = kIdat + kIend)
{
    return PngFileBytes({Chunk("IHDR", ihdrData), rest});
}

// The IDAT data split into pieces of the given sizes, the last taking the rest.
std::vector<std::string> SplitIdat(const std::string& data, std::vector<std::size_t> sizes)
{
    std::vector<std::string> chunks;
    std::size_t at = 0;
    for (std::size_t size : sizes) {
        chunks.push_back(Chunk("IDAT", data.substr(at, size)));
        at += size;
    }
    chunks.push_back(Chunk("IDAT", data.substr(at)));
    return chunks;
}

// Remembers the largest read asked of it: a claimed length is checked before
// a buffer of that size is made and filled.
class TReadRecorder : public TMemoryStream {
public:
    std::size_t Read(void* buffer, std::size_t count) override
    {
        largest = std::max(largest, count);
        return TMemoryStream::Read(buffer, count);
    }
    std::size_t largest = 0;
};

const std::type_info* LoadError(TPNGImage& image, const std::string& file)
{
    TReadRecorder stream;
    stream.WriteBuffer(file.data(), file.size());
    stream.SetPosition(0);
    try {
        image.LoadFromStream(stream);
    } catch (const Exception& e) {
        EXPECT_LE(stream.largest, file.size());
        return &typeid(e);
    }
    return nullptr;
}

std::string ChunkNames(const TPNGImage& image)
{
    std::string names;
    for (std::size_t i = 0; i < image.Chunks().Count(); ++i)
        names.append(names.empty() ? "" : " ").append(image.Chunks().Get(i)->Name());
    return names;
}

std::string PixelsOf(const TPNGImage& image)
{
    std::string pixels;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            pixels += static_cast<char>(image.Pixel(x, y) & 0xFF);
    return pixels;
}

std::string Without(std::string file, std::size_t count)
{
    file.resize(file.size() - count);
    return file;
}

} // namespace

TEST(PngLoad, HandMadeFilesLoadOrFailAsTheyShould)
{
    const std::string idat = ZlibBytes(GreyRows(4, 2));
    const std::string goodPixels = GreyRows(4, 2);
    struct Case {
        const char* what;
        std::string file;
        const std::type_info* error;
        const char* chunks;  // after a successful load
    } cases[] = {
        {"plain", Grey({}), nullptr, "IHDR IDAT IEND"},
        {"cHRM second is left out", Grey({Chunk("cHRM", std::string(32, '\1'))}), nullptr, "IHDR IDAT IEND"},
        {"unknown ancillary kept", Grey({Chunk("prIv", "abc")}), nullptr, "IHDR prIv IDAT IEND"},
        {"unknown critical", Grey({Chunk("PRIV", "abc")}), &typeid(EPNGUnknownCriticalChunk), nullptr},
        {"IDAT in pieces", Grey({}, SplitIdat(idat, {1, 0, 3})), nullptr, "IHDR IDAT IEND"},
        {"zero-length IDAT first", Grey({}, SplitIdat(idat, {0})), nullptr, "IHDR IDAT IEND"},
        {"chunk between IDATs", Grey({}, {Chunk("IDAT", idat.substr(0, 5)), Chunk("tEXt", std::string("a\0b", 3)), Chunk("IDAT", idat.substr(5))}),
         &typeid(EPNGMissingMultipleIDAT), nullptr},
        // Reading stops where the rows end: the zlib check value is not needed.
        {"check value in a later IDAT", Grey({}, SplitIdat(idat, {idat.size() - 4})), nullptr, "IHDR IDAT IEND"},
        {"no check value", Grey({}, {Chunk("IDAT", idat.substr(0, idat.size() - 4))}), nullptr, "IHDR IDAT IEND"},
        {"chunk before the check value", Grey({}, {Chunk("IDAT", idat.substr(0, idat.size() - 4)), Chunk("tEXt", std::string("a\0b", 3)),
                                                   Chunk("IDAT", idat.substr(idat.size() - 4))}),
         nullptr, "IHDR IDAT tEXt IEND"},
        {"width 65536", WithHeader(IhdrData(65536, 1, 1, 0)), &typeid(EPNGSizeExceeds), nullptr},
        {"height 65536", WithHeader(IhdrData(1, 65536, 1, 0)), &typeid(EPNGSizeExceeds), nullptr},
        {"width 65535", WithHeader(IhdrData(65535, 1, 1, 0), Chunk("IDAT", ZlibBytes(std::string(8193, '\0'))) + kIend),
         nullptr, "IHDR IDAT IEND"},
        {"PLTE of 770 bytes", Grey({Chunk("PLTE", std::string(770, '\0'))}), &typeid(EPNGInvalidPalette), nullptr},
        {"PLTE of 257 entries", Grey({Chunk("PLTE", std::string(771, '\0'))}), &typeid(EPNGInvalidPalette), nullptr},
        {"tRNS of 257 bytes", Grey({Chunk("tRNS", std::string(257, '\0'))}), &typeid(EPNGInvalidPalette), nullptr},
        {"not a PNG", Grey({}).replace(0, 6, "GIF89a"), &typeid(EPNGInvalidFileHeader), nullptr},
        {"IHDR not first", PngFileBytes({Chunk("tEXt", std::string("a\0b", 3)), kIhdr, kIdat, kIend}), &typeid(EPNGIHDRNotFirst), nullptr},
        {"no image data", PngFileBytes({kIhdr, kIend}), &typeid(EPNGNoImageData), nullptr},
        {"CRC error", Grey({Chunk("tEXt", std::string("a\0b", 3)).replace(12, 1, "c")}), &typeid(EPngInvalidCRC), nullptr},
        {"cut in IEND", Without(Grey({}), 3), &typeid(EPngUnexpectedEnd), nullptr},
        {"no IEND", Without(Grey({}), kIend.size()), &typeid(EPngUnexpectedEnd), nullptr},
        {"zlib asks for a dictionary", Grey({}, {Chunk("IDAT", "\x08\x7a\x01\x02\x03\x04\x05\x06")}), &typeid(EPNGZLIBError), nullptr},
        {"broken zlib data", Grey({}, {Chunk("IDAT", "\x78\x9c\xff\xff\xff\xff")}), &typeid(EPNGZLIBError), nullptr},
        {"compression 1", WithHeader(IhdrData(4, 2, 8, 0, 0, 0, 1)), &typeid(EPNGUnknownCompression), nullptr},
        {"interlace 2", WithHeader(IhdrData(4, 2, 8, 0, 2)), &typeid(EPNGUnknownInterlace), nullptr},
        // The header's own checks: anything the PNG standard does not allow.
        {"IHDR of 12 bytes", WithHeader(IhdrData(4, 2, 8, 0).substr(0, 12)), &typeid(EPngInvalidIHDR), nullptr},
        {"width 0", WithHeader(IhdrData(0, 2, 8, 0)), &typeid(EPngInvalidIHDR), nullptr},
        {"filter method 1", WithHeader(IhdrData(4, 2, 8, 0, 0, 1)), &typeid(EPngInvalidIHDR), nullptr},
        {"palette at 16 bits", WithHeader(IhdrData(4, 2, 16, 3)), &typeid(EPngInvalidIHDR), nullptr},
        {"second IHDR", Grey({kIhdr}), &typeid(EPngInvalidIHDR), nullptr},
        // Sizes in 64 bits: 43691 x 32769 RGB wraps the low-byte plane in 32.
        {"store wraps 32 bits", WithHeader(IhdrData(43691, 32769, 16, 2)), &typeid(EPNGOutMemory), nullptr},
        {"store above 256 MiB", WithHeader(IhdrData(16384, 16385, 8, 0)), &typeid(EPNGOutMemory), nullptr},
        // Lengths: never negative, never past the end, never a skip backwards.
        {"cHRM of 0xFFFFFFF4", Grey({Claim("cHRM", 0xFFFFFFF4u)}), &typeid(EPngUnexpectedEnd), nullptr},
        {"length 2^31", Grey({Claim("tEXt", 0x80000000u)}), &typeid(EPngUnexpectedEnd), nullptr},
        {"tEXt of 2^31 - 1 bytes", Grey({Claim("tEXt", 0x7FFFFFFFu)}), &typeid(EPngUnexpectedEnd), nullptr},
        {"length past the end", PngFileBytes({kIhdr, Claim("tEXt", 1000), "short"}), &typeid(EPngUnexpectedEnd), nullptr},
        {"IDAT length past the end", Grey({}, {Chunk("IDAT", idat.substr(0, 5)), Claim("IDAT", 1000)}),
         &typeid(EPngUnexpectedEnd), nullptr},
    };
    for (const Case& c : cases) {
        TPNGImage image;
        const std::type_info* error = LoadError(image, c.file);
        EXPECT_EQ(error ? error->name() : "none", c.error ? c.error->name() : "none") << c.what;
        if (!c.error && !error) {
            EXPECT_EQ(ChunkNames(image), c.chunks) << c.what;
            if (image.Width() == 4) {
                EXPECT_EQ(PixelsOf(image), std::string(goodPixels).erase(0, 1).erase(4, 1)) << c.what;
            }
        }
    }
}

TEST(PngLoad, OnlyTheStandardsColourTypesAndDepthsLoad)
{
    // libpng's verdict on each header is the reference.
    for (int colorType = 0; colorType <= 7; ++colorType)
        for (int depth : {0, 1, 2, 3, 4, 5, 8, 12, 16, 32}) {
            const std::string file = WithHeader(IhdrData(1, 1, depth, colorType),
                                                Chunk("PLTE", std::string(3, '\0')) + Chunk("IDAT", ZlibBytes(std::string(9, '\0'))) + kIend);
            bool libpngReads = true;
            try {
                LibpngRead(file);
            } catch (const std::runtime_error&) {
                libpngReads = false;
            }
            TPNGImage image;
            const std::type_info* error = LoadError(image, file);
            EXPECT_EQ(error == nullptr, libpngReads) << "type " << colorType << " depth " << depth;
            if (error) {
                EXPECT_EQ(error->name(), typeid(EPngInvalidIHDR).name()) << "type " << colorType << " depth " << depth;
            }
        }
}

TEST(PngLoad, AnIdatOf65535TimesKPlus2BytesChecksItsOwnCrc)
{
    std::mt19937 random(7);
    for (int k : {1, 17}) {
        const int width = 1024, height = 65535 * k / (width + 1) - 1;
        std::string raw;
        for (int y = 0; y < height; ++y) {
            raw += '\0';
            for (int x = 0; x < width; ++x)
                raw += static_cast<char>(random());
        }
        // Noise does not compress: the zlib data fills all but the padding after it.
        std::string data = ZlibBytes(raw, 1);
        ASSERT_LE(data.size(), 65535u * k + 2);
        data.resize(65535u * k + 2, '\0');
        TPNGImage image;
        const std::type_info* error =
            LoadError(image, PngFileBytes({Chunk("IHDR", IhdrData(width, height, 8, 0)), Chunk("IDAT", data), kIend}));
        EXPECT_EQ(error ? error->name() : "none", std::string("none")) << k;
        if (!error) {
            EXPECT_EQ(image.Pixel(width - 1, height - 1) & 0xFF, static_cast<std::uint8_t>(raw.back())) << k;
        }
    }
}

TEST(PngText, CompressedTextIsInflatedUpToAMegabyteAndBeyondKeptAsItCame)
{
    // Lengths about the steps the inflated text's buffer grows by, and about the cap.
    for (std::size_t length : {std::size_t{1}, std::size_t{1000}, std::size_t{1024}, std::size_t{1025}, std::size_t{4097},
                               kPngMaxInflatedText - 1, kPngMaxInflatedText, kPngMaxInflatedText + 1, std::size_t{2} << 20}) {
        std::string text(length, 'a');
        for (std::size_t i = 0; i < length; i += 7)
            text[i] = static_cast<char>('0' + i % 10);
        const std::string ztxt = Chunk("zTXt", std::string("Comment\0\0", 9) + ZlibBytes(text));
        TPNGImage image;
        LoadPng(image, Grey({ztxt}));
        auto* chunk = image.Chunks().ItemFromClass<TChunkzTXt>();
        ASSERT_NE(chunk, nullptr);
        const bool kept = length > kPngMaxInflatedText;
        EXPECT_EQ(chunk->KeepsRawBytes, kept) << length;
        EXPECT_EQ(chunk->Keyword, "Comment");
        EXPECT_TRUE(chunk->Text == (kept ? std::string() : text)) << length;
        const std::string saved = SavePng(image);
        if (kept) {
            EXPECT_NE(saved.find(ztxt), std::string::npos) << length;
        }
        TPNGImage again;
        LoadPng(again, saved);
        EXPECT_EQ(again.Chunks().ItemFromClass<TChunkzTXt>()->Text, chunk->Text) << length;
    }
}

TEST(PngText, ManySmallCompressedTextsEachKeepTheirOwnText)
{
    std::vector<std::string> chunks;
    constexpr int kCount = 300;
    for (int i = 0; i < kCount; ++i)
        chunks.push_back(Chunk("zTXt", "K" + std::to_string(i) + std::string("\0\0", 2) + ZlibBytes("text " + std::to_string(i))));
    TPNGImage image;
    LoadPng(image, Grey(chunks));
    int seen = 0;
    for (std::size_t i = 0; i < image.Chunks().Count(); ++i)
        if (const auto* z = dynamic_cast<const TChunkzTXt*>(image.Chunks().Get(i))) {
            EXPECT_EQ(z->Keyword, "K" + std::to_string(seen));
            EXPECT_EQ(z->Text, "text " + std::to_string(seen));
            ++seen;
        }
    EXPECT_EQ(seen, kCount);
}

TEST(PngGamma, AShortOrNonPositiveGammaIsIgnored)
{
    struct Case {
        std::string data;
        bool used;
    } cases[] = {{std::string("\0\1\x86\xa0", 4), true}, {std::string("\0\1\x86", 3), false}, {std::string(4, '\0'), false},
                 {std::string("\x80\0\0\1", 4), false}, {"\xff\xff\xff\xff", false}};
    for (const Case& c : cases) {
        TPNGImage image;
        LoadPng(image, Grey({Chunk("gAMA", c.data)}));
        int changed = 0;
        for (int i = 0; i < 256; ++i)
            changed += image.GammaTable[static_cast<std::size_t>(i)] != i;
        EXPECT_EQ(changed > 0, c.used) << c.data.size();
    }
}

TEST(PngTransparency, SamplesAreCutToTheDepthBeforeUse)
{
    auto sample16 = [](std::vector<int> values) {
        std::string data;
        for (int v : values)
            data += std::string{static_cast<char>(v >> 8), static_cast<char>(v)};
        return data;
    };
    struct Case {
        int colorType, depth;
        std::vector<int> samples;
        std::uint32_t color;  // the see-through colour they mean
    } cases[] = {
        {2, 16, {0xABCD, 0x1234, 0xFFFF}, 0xFF12AB},
        {2, 8, {0x1280, 0x0040, 0x0020}, 0x204080},
        {0, 16, {0x12FF}, 0x121212},
        {0, 4, {0x00FF}, 0xFFFFFF},
        {0, 2, {0x0002}, 0xAAAAAA},
    };
    for (const Case& c : cases) {
        const TRawPng raw = RandomRawPng(c.colorType, c.depth, 5, 3, 0, 3);
        const std::string rows = std::string(raw.rows[0].size() + 1, '\0');
        std::string file = PngFileBytes({Chunk("IHDR", IhdrData(5, 3, c.depth, c.colorType)), Chunk("tRNS", sample16(c.samples)),
                                         Chunk("IDAT", ZlibBytes(rows + rows + rows)), kIend});
        TPNGImage image;
        LoadPng(image, file);
        EXPECT_EQ(image.TransparencyMode(), TPNGTransparencyMode::ptmBit) << c.colorType << "/" << c.depth;
        EXPECT_EQ(image.TransparentColor(), c.color) << c.colorType << "/" << c.depth;
    }
}

TEST(PngBlend, StretchingMoreThanTwiceNeverReadsPastTheLastPixel)
{
    // Two RGBA pixels: opaque red, then half-transparent blue, drawn over white at three times their size.
    std::string raw = std::string("\0", 1) + std::string("\xff\0\0\xff\0\0\xff\x80", 8);
    TPNGImage image;
    LoadPng(image, PngFileBytes({Chunk("IHDR", IhdrData(2, 1, 8, 6)), Chunk("IDAT", ZlibBytes(raw)), kIend}));
    for (int span : {2, 5, 6, 7, 13}) {
        std::vector<std::uint8_t> work(static_cast<std::size_t>(span) * 4 * 3, 0xFF);
        PngBlendPartial(image, work.data(), span, 3, static_cast<std::size_t>(span) * 4);
        const std::uint8_t* last = work.data() + work.size() - 4;
        // The last column always shows the second pixel, blended by its own alpha.
        const int over = (255 * 127 + 255) >> 8;
        EXPECT_EQ(last[0], 255) << span;
        EXPECT_EQ(last[1], over) << span;
        EXPECT_EQ(last[2], over) << span;
        EXPECT_EQ(work[2], 255) << span;
        EXPECT_EQ(work[0], 0) << span;
        EXPECT_EQ(PngSourceIndex(span - 1, span, 2), 1) << span;
    }
}

TEST(PngWrite, ANewImageWithTheDefaultFiltersWritesEveryRowWithSub)
{
    TPNGImage image;
    image.CreateBlank(2, 8, 7, 5);
    // Inflate the image data ourselves to see the filter bytes.
    const std::string file = SavePng(image);
    const std::size_t at = file.find("IDAT") + 4;
    const std::uint32_t length = PngGet32(reinterpret_cast<const std::uint8_t*>(file.data()) + at - 8);
    std::string rows(5 * (1 + 21), '\x7f');
    uLongf size = rows.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &size, reinterpret_cast<const Bytef*>(file.data() + at), length), Z_OK);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(rows[static_cast<std::size_t>(y) * 22], 1) << y;
}
