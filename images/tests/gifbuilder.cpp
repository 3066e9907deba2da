#include "images/tests/gifbuilder.h"

#include "classlib/bitmapfile.h"
#include "classlib/streams.h"
#include "images/gifencode.h"

TGifBuilder& TGifBuilder::Screen(int width, int height, int tableBits, int background)
{
    Word(width), Word(height);
    Byte(tableBits ? 0x80 | (tableBits - 1) << 4 | (tableBits - 1) : 0);
    Byte(background), Byte(0);
    if (tableBits)
        Table(tableBits);
    return *this;
}

void TGifBuilder::Table(int bits)
{
    int count = 1 << bits;
    for (int i = 0; i < count; ++i)
        Byte(i * 255 / (count - 1)), Byte(i), Byte(255 - i);
}

void TGifBuilder::SubBlocks(const std::vector<std::string>& blocks)
{
    for (const std::string& b : blocks)
        Byte(static_cast<int>(b.size())), bytes_ += b;
    Byte(0);
}

TGifBuilder& TGifBuilder::GraphicControl(int delayHundredths, int disposal, int transparentIndex)
{
    Byte(0x21), Byte(0xF9), Byte(4);
    Byte(disposal << 2 | (transparentIndex >= 0 ? 1 : 0));
    Word(delayHundredths);
    Byte(transparentIndex >= 0 ? transparentIndex : 0), Byte(0);
    return *this;
}

TGifBuilder& TGifBuilder::Comment(const std::vector<std::string>& blocks)
{
    Byte(0x21), Byte(0xFE);
    SubBlocks(blocks);
    return *this;
}

TGifBuilder& TGifBuilder::Application(const std::string& identifier, const std::vector<std::string>& blocks, int sizeByte)
{
    Byte(0x21), Byte(0xFF), Byte(sizeByte);
    bytes_ += identifier;
    SubBlocks(blocks);
    return *this;
}

TGifBuilder& TGifBuilder::PlainText()
{
    Byte(0x21), Byte(0x01);
    bytes_ += std::string("\x0C") + std::string(12, '\1');
    SubBlocks({"text"});
    return *this;
}

TGifBuilder& TGifBuilder::Image(int left, int top, int width, int height, const std::string& data, int tableBits,
                                bool interlaced)
{
    Byte(','), Word(left), Word(top), Word(width), Word(height);
    Byte((tableBits ? 0x80 | (tableBits - 1) : 0) | (interlaced ? 0x40 : 0));
    if (tableBits)
        Table(tableBits);
    bytes_ += data;
    return *this;
}

TGifBuilder& TGifBuilder::Raw(const std::string& bytes)
{
    bytes_ += bytes;
    return *this;
}

std::string PackCodes(int minCodeSize, const std::vector<std::pair<int, int>>& codes)
{
    std::string packed;
    std::uint32_t bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= static_cast<std::uint32_t>(code) << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8)
            packed.push_back(static_cast<char>(bits));
    }
    if (count)
        packed.push_back(static_cast<char>(bits));
    std::string data(1, static_cast<char>(minCodeSize));
    for (std::size_t i = 0; i < packed.size(); i += 255) {
        std::string block = packed.substr(i, 255);
        data += static_cast<char>(block.size()) + block;
    }
    return data + '\0';
}

std::string ChainData(int minCodeSize, int index, int cycles, std::int64_t& pixels)
{
    const int clear = 1 << minCodeSize;
    std::vector<std::pair<int, int>> codes;
    int width = minCodeSize + 1;
    pixels = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        codes.push_back({clear, width});
        width = minCodeSize + 1;
        codes.push_back({index, width});
        pixels += 1;
        for (int next = clear + 2; next < 4096; ++next) {
            codes.push_back({next, width});
            pixels += next - clear;
            if (next + 1 == 1 << width && width < 12)
                ++width;
        }
    }
    codes.push_back({clear + 1, width});
    return PackCodes(minCodeSize, codes);
}

namespace {
TBitmapFileImage IndexBitmap(const std::vector<std::uint8_t>& indices, int width, int height, int bitCount)
{
    TBitmapFileImage b;
    b.width = width, b.height = height, b.bitCount = bitCount;
    std::size_t rowSize = static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(width), bitCount));
    b.pixels.assign(rowSize * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t v = indices[static_cast<std::size_t>(y * width + x)];
            std::uint8_t* row = b.pixels.data() + static_cast<std::size_t>(height - 1 - y) * rowSize;
            int bit = x * bitCount;
            row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bitCount - bit % 8));
        }
    return b;
}
} // namespace

std::string EncodeIndices(const std::vector<std::uint8_t>& indices, int width, int height, int bitCount)
{
    TBitmapFileImage b = IndexBitmap(indices, width, height, bitCount);
    TMemoryStream out;
    LzwEncodeImage(out, {b.pixels.data(), width, height, bitCount,
                         static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(width), bitCount))},
                   false);
    return {reinterpret_cast<const char*>(out.Memory()), static_cast<std::size_t>(out.Size())};
}

void ReadGif(TGIF_ImageModel& image, const std::string& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SetPosition(0);
    image.ParseStream(static_cast<std::int64_t>(bytes.size()), s, false);
}

std::string WriteGif(TGIF_ImageModel& image)
{
    TMemoryStream s;
    image.StoreGif(s, false);
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size())};
}

void EncodeFrame(TGIF_FrameModel& frame, const std::vector<std::uint8_t>& indices, int width, int height, int bitCount,
                 const std::vector<std::uint32_t>& palette)
{
    TBitmapFileImage b = IndexBitmap(indices, width, height, bitCount);
    b.palette = palette;
    TMemoryStream dib;
    WriteBitmapFile(dib, b);
    dib.SetPosition(0);
    frame.EncodeDib(dib);
}
