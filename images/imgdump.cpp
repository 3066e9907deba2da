// imgdump FILE OUTDIR: decodes a picture with our codecs and writes each
// frame as OUTDIR/N.pam (RGB with alpha), one line per frame on stdout.
// imgdump --bench N FILE: the median milliseconds of N decodes from memory.
// Frames are written as they are decoded, one at a time; a frame whose RGBA
// rows would pass the codecs' byte cap is refused before anything is decoded.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/bitmapfile.h"
#include "classlib/streams.h"
#include "images/gifdib.h"
#include "images/gifmodel.h"
#include "images/gifpixels.h"
#include "images/pngframe.h"
#include "images/pngstore.h"

namespace {
struct TFrameInfo {
    int width = 0, height = 0, left = 0, top = 0;
    std::uint32_t delay = 0;
    int disposal = 0;
};

// Fills count rows from row y on with RGBA, a word a pixel, red in the low byte.
using TRowFill = std::function<void(int y, int count, std::uint32_t* rgba)>;
// Takes each frame as it is decoded.
using TFrameSink = std::function<void(const TFrameInfo&, const TRowFill&)>;

constexpr std::size_t kBandBytes = 1u << 20;

// What decoding keeps from frame to frame: a frame's indices and a band of RGBA rows.
struct TBuffers {
    std::vector<std::uint8_t> indices;
    std::vector<std::uint32_t> band;
};

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open the file");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CheckFrameSize(int index, std::uint64_t width, std::uint64_t height, std::uint64_t cap)
{
    if (width * height > cap / 4)
        throw std::runtime_error("frame " + std::to_string(index) + " is too large: " + std::to_string(width) + " x " +
                                 std::to_string(height) + " RGBA rows would pass the " + std::to_string(cap >> 20) +
                                 " MiB cap");
}

// Every frame of a GIF, its transparent slot with alpha 0, colours by a table of RGBA words.
void DecodeGif(TMemoryStream& source, TBuffers& buffers, const TFrameSink& sink)
{
    source.SetPosition(0);
    TGIF_ImageModel image;
    image.ParseStream(source.Size(), source, false);
    for (int i = 0; i < image.FrameCount(); ++i)
        CheckFrameSize(i, static_cast<std::uint64_t>(image.FrameByIndex(i).Item().width),
                       static_cast<std::uint64_t>(image.FrameByIndex(i).Item().height), kMaxBitmapBytes);
    for (int i = 0; i < image.FrameCount(); ++i) {
        TGIF_FrameModel& f = image.FrameByIndex(i);
        GifFrameIndices(f, buffers.indices);
        std::vector<std::uint32_t> palette = GifDibPalette(f);
        std::array<std::uint32_t, 256> rgba{};
        for (std::size_t k = 0; k < palette.size(); ++k) {
            std::uint32_t c = palette[k];
            std::uint32_t alpha = static_cast<int>(k) == f.TransparentIndex() ? 0 : 255;
            rgba[k] = (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16 | alpha << 24;
        }
        const TGIF_Item& item = f.Item();
        auto width = static_cast<std::size_t>(item.width);
        sink({item.width, item.height, f.left, f.top, f.delay, f.disposal}, [&](int y, int count, std::uint32_t* out) {
            const std::uint8_t* index = buffers.indices.data() + static_cast<std::size_t>(y) * width;
            const std::uint32_t* lookup = rgba.data();
            for (std::size_t k = 0, n = width * static_cast<std::size_t>(count); k < n; ++k)
                out[k] = lookup[index[k]];
        });
    }
}

// A PNG is one frame; 16-bit samples come by their high byte.
void DecodePng(TMemoryStream& source, const TFrameSink& sink)
{
    std::string_view bytes(reinterpret_cast<const char*>(source.Memory()), static_cast<std::size_t>(source.Size()));
    // The header's size, read before the codec decodes anything.
    auto u32 = [&](std::size_t at) {
        auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + i])); };
        return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
    };
    if (bytes.size() >= 24 && bytes.compare(12, 4, "IHDR") == 0)
        CheckFrameSize(0, u32(16), u32(20), kPngMaxStoreBytes);
    TPngRgbaFrame png = PngDecodeRgba(source.Memory(), bytes.size());
    auto rowBytes = static_cast<std::size_t>(png.width) * 4;
    sink({png.width, png.height, 0, 0, 0, 0}, [&](int y, int count, std::uint32_t* out) {
        std::memcpy(out, png.rgba.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes * static_cast<std::size_t>(count));
    });
}

// The file's bytes, held as the codecs read them: from memory.
struct TSource {
    explicit TSource(const std::string& file)
    {
        std::string bytes = ReadFile(file);
        stream.WriteBuffer(bytes.data(), bytes.size());
    }
    bool StartsWith(std::string_view magic)
    {
        return static_cast<std::size_t>(stream.Size()) >= magic.size() &&
               std::memcmp(magic.data(), stream.Memory(), magic.size()) == 0;
    }
    TMemoryStream stream;
};

void Decode(TSource& source, TBuffers& buffers, const TFrameSink& sink)
{
    if (source.StartsWith("GIF"))
        return DecodeGif(source.stream, buffers, sink);
    if (source.StartsWith("\x89PNG\r\n\x1a\n"))
        return DecodePng(source.stream, sink);
    throw std::runtime_error("not a picture format imgdump knows");
}

// The frame's rows in bands of about a megabyte, each handed to use.
template <class Use>
void ForEachBand(const TFrameInfo& f, const TRowFill& fill, std::vector<std::uint32_t>& band, Use use)
{
    auto width = static_cast<std::size_t>(f.width);
    if (width == 0)
        return;
    int rows = static_cast<int>(std::max<std::size_t>(1, kBandBytes / 4 / width));
    band.resize(width * static_cast<std::size_t>(std::min(rows, f.height)));
    for (int y = 0; y < f.height; y += rows) {
        int count = std::min(rows, f.height - y);
        fill(y, count, band.data());
        // The words in memory order are the bytes red, green, blue, alpha on this little-endian host.
        use(reinterpret_cast<const char*>(band.data()), width * 4 * static_cast<std::size_t>(count));
    }
}

int Dump(const std::string& file, const std::string& dir)
{
    TBuffers buffers;
    int index = 0;
    TSource source(file);
    Decode(source, buffers, [&](const TFrameInfo& f, const TRowFill& fill) {
        std::string name = dir + "/" + std::to_string(index) + ".pam";
        std::ofstream out(name, std::ios::binary);
        out << "P7\nWIDTH " << f.width << "\nHEIGHT " << f.height
            << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
        ForEachBand(f, fill, buffers.band, [&](const char* rgba, std::size_t size) {
            out.write(rgba, static_cast<std::streamsize>(size));
        });
        out.close();
        if (!out)
            throw std::runtime_error("cannot write " + name);
        std::printf("frame %d: %dx%d at %d,%d delay %u ms disposal %d\n", index++, f.width, f.height, f.left, f.top,
                    f.delay, f.disposal);
        std::fflush(stdout);
    });
    return 0;
}

int Bench(int runs, const std::string& file)
{
    TSource source(file);
    TBuffers buffers;
    std::vector<double> times;
    for (int i = 0; i < std::max(runs, 1); ++i) {
        auto start = std::chrono::steady_clock::now();
        Decode(source, buffers, [&](const TFrameInfo& f, const TRowFill& fill) {
            ForEachBand(f, fill, buffers.band, [](const char* rgba, std::size_t) {
                // Keeps the rows from being optimised away.
                asm volatile("" : : "g"(rgba) : "memory");
            });
        });
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.3f\n", times[times.size() / 2]);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    bool bench = args.size() == 3 && args[0] == "--bench";
    if (!bench && args.size() != 2) {
        std::fprintf(stderr, "usage: imgdump FILE OUTDIR | imgdump --bench N FILE\n");
        return 2;
    }
    const std::string& file = bench ? args[2] : args[0];
    try {
        return bench ? Bench(std::atoi(args[1].c_str()), file) : Dump(file, args[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "imgdump: %s: %s\n", file.c_str(), e.what());
        return 1;
    }
}
