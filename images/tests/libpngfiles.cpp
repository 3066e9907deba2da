#include "images/tests/libpngfiles.h"

#include <png.h>
#include <zlib.h>

#include <cmath>
#include <cstring>
#include <random>
#include <stdexcept>

#include "classlib/exceptions.h"
#include "classlib/streams.h"
#include "images/pngheader.h"

namespace {

int Channels(int colorType)
{
    return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
}

std::size_t RawRowBytes(const TRawPng& raw)
{
    return (static_cast<std::size_t>(raw.width) * Channels(raw.colorType) * raw.bitDepth + 7) / 8;
}

[[noreturn]] void Fail(png_structp, png_const_charp message)
{
    throw std::runtime_error(message);
}

void Quiet(png_structp, png_const_charp) {}

struct TWriteSink {
    std::string bytes;
};

void WriteData(png_structp png, png_bytep data, png_size_t size)
{
    static_cast<TWriteSink*>(png_get_io_ptr(png))->bytes.append(reinterpret_cast<const char*>(data), size);
}

void FlushData(png_structp) {}

struct TReadSource {
    const std::string& bytes;
    std::size_t at;
};

void ReadData(png_structp png, png_bytep data, png_size_t size)
{
    auto* source = static_cast<TReadSource*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->at < size)
        png_error(png, "read past the end");
    std::memcpy(data, source->bytes.data() + source->at, size);
    source->at += size;
}

// A sample of the raw row: packed below 8 bits, big-endian at 16.
int Sample(const std::vector<std::uint8_t>& row, int bitDepth, std::size_t index)
{
    if (bitDepth == 16)
        return row[2 * index] << 8 | row[2 * index + 1];
    if (bitDepth == 8)
        return row[index];
    const std::size_t bit = index * static_cast<std::size_t>(bitDepth);
    return row[bit / 8] >> (8 - bitDepth - bit % 8) & ((1 << bitDepth) - 1);
}

void PutIndex(std::vector<std::uint8_t>& row, int bits, int x, int value)
{
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | value << (8 - bits - bit % 8));
}

} // namespace

TRawPng RandomRawPng(int colorType, int bitDepth, int width, int height, int interlace, unsigned seed)
{
    std::mt19937 random(seed);
    TRawPng raw{width, height, colorType, bitDepth, interlace, {}, {}, {}};
    const std::size_t bytes = RawRowBytes(raw);
    // Runs of repeated bytes among the noise, so filters and compression have something to find.
    for (int y = 0; y < height; ++y) {
        std::vector<std::uint8_t> row(bytes);
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = random() % 3 == 0 && i > 0 ? row[i - 1] : static_cast<std::uint8_t>(random());
        raw.rows.push_back(std::move(row));
    }
    const int maxSample = (1 << (bitDepth == 16 ? 16 : bitDepth)) - 1;
    if (colorType == 3) {
        const int entries = 1 << bitDepth;
        for (int i = 0; i < 3 * entries; ++i)
            raw.palette.push_back(static_cast<std::uint8_t>(random()));
        raw.trns.resize(static_cast<std::size_t>(random() % entries + 1));
        for (auto& a : raw.trns)
            a = static_cast<std::uint8_t>(random() % 2 ? 255 : random());
    } else if (colorType == 0 || colorType == 2) {
        for (int c = 0; c < Channels(colorType); ++c) {
            int v = static_cast<int>(random() % (maxSample + 1u));
            raw.trns.push_back(static_cast<std::uint8_t>(v >> 8));
            raw.trns.push_back(static_cast<std::uint8_t>(v));
        }
    }
    return raw;
}

TRawPng SmoothRawPng(int colorType, int bitDepth, int width, int height, int interlace)
{
    TRawPng raw = RandomRawPng(colorType, bitDepth, width, height, interlace, 1);
    std::mt19937 random(2);
    for (int y = 0; y < height; ++y) {
        auto& row = raw.rows[static_cast<std::size_t>(y)];
        for (std::size_t i = 0; i < row.size(); ++i) {
            const double wave = 127 + 60 * std::sin(i * 0.013 + y * 0.021) + 50 * std::cos(y * 0.007 - i * 0.002);
            row[i] = static_cast<std::uint8_t>(static_cast<int>(wave) + static_cast<int>(random() % 5));
        }
    }
    raw.trns.clear();
    return raw;
}

std::string LibpngWrite(const TRawPng& raw, const TLibpngWriteOptions& options)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png_create_info_struct(png);
    TWriteSink sink;
    try {
        png_set_write_fn(png, &sink, WriteData, FlushData);
        png_set_IHDR(png, info, static_cast<png_uint_32>(raw.width), static_cast<png_uint_32>(raw.height), raw.bitDepth,
                     raw.colorType, raw.interlace, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        if (!raw.palette.empty())
            png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(raw.palette.data()),
                         static_cast<int>(raw.palette.size() / 3));
        if (!raw.trns.empty()) {
            png_color_16 colour{};
            const auto* t = raw.trns.data();
            if (raw.colorType == 0)
                colour.gray = static_cast<png_uint_16>(t[0] << 8 | t[1]);
            if (raw.colorType == 2) {
                colour.red = static_cast<png_uint_16>(t[0] << 8 | t[1]);
                colour.green = static_cast<png_uint_16>(t[2] << 8 | t[3]);
                colour.blue = static_cast<png_uint_16>(t[4] << 8 | t[5]);
            }
            png_set_tRNS(png, info, raw.colorType == 3 ? t : nullptr, static_cast<int>(raw.trns.size()), &colour);
        }
        png_set_compression_level(png, options.level);
        if (options.filters >= 0)
            png_set_filter(png, PNG_FILTER_TYPE_BASE, options.filters);
        if (options.defaultStrategy)
            png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
        png_write_info(png, info);
        std::vector<png_bytep> rows;
        for (const auto& row : raw.rows)
            rows.push_back(const_cast<png_bytep>(row.data()));
        png_write_image(png, rows.data());
        png_write_end(png, info);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
    return sink.bytes;
}

namespace {
// libpng reading the file's bytes, freed however reading ends.
struct TLibpngReader {
    explicit TLibpngReader(const std::string& file)
        : png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet)), info(png_create_info_struct(png)),
          source{file, 0}
    {
        png_set_read_fn(png, &source, ReadData);
    }
    ~TLibpngReader() { png_destroy_read_struct(&png, &info, nullptr); }
    TLibpngReader(const TLibpngReader&) = delete;
    TLibpngReader& operator=(const TLibpngReader&) = delete;

    // The rest of the file, after png_read_update_info.
    void ReadRows(std::vector<png_bytep>& rows)
    {
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
    }

    png_structp png;
    png_infop info;
    TReadSource source;
};
} // namespace

TRawPng LibpngRead(const std::string& file)
{
    TLibpngReader reader(file);
    png_structp png = reader.png;
    png_infop info = reader.info;
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);
    TRawPng raw;
    raw.width = static_cast<int>(png_get_image_width(png, info));
    raw.height = static_cast<int>(png_get_image_height(png, info));
    raw.colorType = png_get_color_type(png, info);
    raw.bitDepth = png_get_bit_depth(png, info);
    raw.interlace = png_get_interlace_type(png, info);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    raw.rows.assign(static_cast<std::size_t>(raw.height), std::vector<std::uint8_t>(png_get_rowbytes(png, info)));
    std::vector<png_bytep> rows;
    for (auto& row : raw.rows)
        rows.push_back(row.data());
    reader.ReadRows(rows);
    return raw;
}

TLibpngRgba LibpngReadRgba(const std::string& file)
{
    TLibpngReader reader(file);
    png_structp png = reader.png;
    // Every text chunk is read, however many.
    png_set_chunk_cache_max(png, 0);
    png_read_info(png, reader.info);
    TLibpngRgba out;
    out.width = static_cast<int>(png_get_image_width(png, reader.info));
    out.height = static_cast<int>(png_get_image_height(png, reader.info));
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, reader.info);
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(out.width);
    out.rgba.resize(rowBytes * static_cast<std::size_t>(out.height));
    std::vector<png_bytep> rows(static_cast<std::size_t>(out.height));
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = out.rgba.data() + y * rowBytes;
    reader.ReadRows(rows);
    return out;
}

TExpectedStore ExpectedStore(const TRawPng& raw, int dibBits, std::size_t rowSize)
{
    TExpectedStore store;
    const bool alpha = raw.colorType == 4 || raw.colorType == 6;
    const int channels = Channels(raw.colorType);
    for (const auto& source : raw.rows) {
        std::vector<std::uint8_t> row(rowSize), low(rowSize);
        for (int x = 0; x < raw.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(x) * channels;
            auto high = [&](int c) { return raw.bitDepth == 16 ? Sample(source, 16, at + c) >> 8 : Sample(source, raw.bitDepth, at + c); };
            auto lowByte = [&](int c) { return raw.bitDepth == 16 ? Sample(source, 16, at + c) & 0xFF : 0; };
            if (dibBits == 24) {
                for (int c = 0; c < 3; ++c) {
                    row[3 * x + 2 - c] = static_cast<std::uint8_t>(high(c));
                    low[3 * x + 2 - c] = static_cast<std::uint8_t>(lowByte(c));
                }
            } else {
                int value = high(0);
                if (raw.bitDepth == 2 && raw.colorType == 0)
                    value *= 5;
                if (dibBits == 8) {
                    row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(value);
                    low[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(lowByte(0));
                } else {
                    PutIndex(row, dibBits, x, value);
                }
            }
            if (alpha)
                store.alpha.push_back(static_cast<std::uint8_t>(high(channels - 1)));
        }
        store.rows.push_back(std::move(row));
        if (raw.bitDepth == 16)
            store.low.push_back(std::move(low));
    }
    return store;
}

std::string CompareStore(const TPNGImage& image, const TExpectedStore& expected)
{
    const TPngPixelStore& store = image.RequireHeader().Store();
    // Whole bytes of the pixels; a last partial byte compares only its pixels' bits.
    const std::size_t bits = static_cast<std::size_t>(store.width) * static_cast<std::size_t>(store.dibBits);
    const std::size_t whole = bits / 8;
    const int restMask = bits % 8 ? 0xFF00 >> bits % 8 & 0xFF : 0;
    auto rowDiffers = [&](const std::uint8_t* actual, const std::vector<std::uint8_t>& wanted) {
        return std::memcmp(actual, wanted.data(), whole) != 0 || (restMask && ((actual[whole] ^ wanted[whole]) & restMask));
    };
    for (int y = 0; y < store.height; ++y) {
        if (rowDiffers(store.Row(y), expected.rows[static_cast<std::size_t>(y)]))
            return "row " + std::to_string(y);
        if (!expected.low.empty()
            && rowDiffers(store.low.data() + static_cast<std::size_t>(store.height - 1 - y) * store.rowSize, expected.low[static_cast<std::size_t>(y)]))
            return "low bytes of row " + std::to_string(y);
    }
    if (store.alpha != expected.alpha)
        return "alpha plane";
    return {};
}

std::string PngChunkBytes(const std::string& name, const std::string& data)
{
    std::string bytes(4, '\0');
    const auto size = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(size >> (24 - 8 * i));
    bytes += name + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(name.data()), 4);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(crc >> (24 - 8 * i));
    return bytes;
}

std::string PngFileBytes(const std::vector<std::string>& chunks)
{
    std::string file = "\x89PNG\r\n\x1a\n";
    for (const auto& chunk : chunks)
        file += chunk;
    return file;
}

std::string IhdrData(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType, int interlace, int filter,
                     int compression)
{
    std::string data;
    for (std::uint32_t v : {width, height})
        for (int i = 0; i < 4; ++i)
            data += static_cast<char>(v >> (24 - 8 * i));
    for (int v : {bitDepth, colorType, compression, filter, interlace})
        data += static_cast<char>(v);
    return data;
}

std::string ZlibBytes(const std::string& raw, int level)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), level);
    packed.resize(size);
    return packed;
}

std::string PngManyTexts(const std::string& name, int count)
{
    const std::string text = "A short remark on the picture";
    // zTXt: a method byte of 0, then the zlib data.
    std::string data = text;
    if (name == "zTXt")
        data.assign(1, '\0').append(ZlibBytes(text));
    std::vector<std::string> chunks{PngChunkBytes("IHDR", IhdrData(1, 1, 8, 0))};
    chunks.insert(chunks.end(), static_cast<std::size_t>(count), PngChunkBytes(name, std::string("Comment\0", 8) + data));
    chunks.push_back(PngChunkBytes("IDAT", ZlibBytes(std::string(2, '\0'))));
    chunks.push_back(PngChunkBytes("IEND", ""));
    return PngFileBytes(chunks);
}

void LoadPng(TPNGImage& image, const std::string& file)
{
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), file.size());
    stream.SetPosition(0);
    image.LoadFromStream(stream);
}

std::string SavePng(TPNGImage& image)
{
    TMemoryStream stream;
    image.SaveToStream(stream);
    return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

bool StoreAgreesWithLibpng(const std::string& file)
{
    TPNGImage image;
    try {
        LoadPng(image, file);
    } catch (const Exception&) {
        return true;
    }
    TRawPng reference;
    try {
        reference = LibpngRead(file);
    } catch (const std::runtime_error&) {
        return true;
    }
    for (int i = 0; i < 256; ++i)
        if (image.GammaTable[static_cast<std::size_t>(i)] != i)
            return true;
    const TPngPixelStore& store = image.RequireHeader().Store();
    return CompareStore(image, ExpectedStore(reference, store.dibBits, store.rowSize)).empty();
}
