// imgdump FILE OUTDIR: decodes a picture with our codecs and writes each
// frame as OUTDIR/N.pam (RGB with alpha), one line per frame on stdout.
// imgdump --bench N FILE: the median milliseconds of N decodes from memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/streams.h"
#include "images/gifmodel.h"
#include "images/gifpixels.h"
#include "images/pngframe.h"

namespace {
struct TRgbaFrame {
    int width = 0, height = 0, left = 0, top = 0;
    std::uint32_t delay = 0;
    int disposal = 0;
    std::vector<std::uint8_t> rgba;
};

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open the file");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every frame of a GIF, its transparent slot with alpha 0.
std::vector<TRgbaFrame> DecodeGif(const std::string& bytes)
{
    TMemoryStream source;
    source.WriteBuffer(bytes.data(), bytes.size());
    source.SetPosition(0);
    TGIF_ImageModel image;
    image.ParseStream(source.Size(), source, false);
    std::vector<TRgbaFrame> frames;
    for (int i = 0; i < image.FrameCount(); ++i) {
        TGIF_FrameModel& f = image.FrameByIndex(i);
        TGifFramePixels p = GifFramePixels(f);
        TRgbaFrame out{p.width, p.height, f.left, f.top, f.delay, f.disposal, {}};
        out.rgba.reserve(p.indices.size() * 4);
        for (std::uint8_t index : p.indices) {
            std::uint32_t c = p.palette[index];
            out.rgba.insert(out.rgba.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                             static_cast<std::uint8_t>(c),
                                             static_cast<std::uint8_t>(index == f.TransparentIndex() ? 0 : 255)});
        }
        frames.push_back(std::move(out));
    }
    return frames;
}

// A PNG is one frame; 16-bit samples come by their high byte.
std::vector<TRgbaFrame> DecodePng(const std::string& bytes)
{
    TPngFrame png = PngDecodeFrame(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    TRgbaFrame out{png.width, png.height, 0, 0, 0, 0, {}};
    out.rgba.reserve(png.pixels.size() * 4);
    for (std::uint32_t c : png.pixels)
        out.rgba.insert(out.rgba.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                         static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 24)});
    return {std::move(out)};
}

std::vector<TRgbaFrame> Decode(const std::string& bytes)
{
    if (bytes.compare(0, 3, "GIF") == 0)
        return DecodeGif(bytes);
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
        return DecodePng(bytes);
    throw std::runtime_error("not a picture format imgdump knows");
}

void WritePam(const std::string& name, const TRgbaFrame& f)
{
    std::ofstream out(name, std::ios::binary);
    out << "P7\nWIDTH " << f.width << "\nHEIGHT " << f.height << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    out.write(reinterpret_cast<const char*>(f.rgba.data()), static_cast<std::streamsize>(f.rgba.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

int Dump(const std::string& file, const std::string& dir)
{
    std::vector<TRgbaFrame> frames = Decode(ReadFile(file));
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const TRgbaFrame& f = frames[i];
        WritePam(dir + "/" + std::to_string(i) + ".pam", f);
        std::printf("frame %zu: %dx%d at %d,%d delay %u ms disposal %d\n", i, f.width, f.height, f.left, f.top, f.delay,
                    f.disposal);
    }
    return 0;
}

int Bench(int runs, const std::string& file)
{
    std::string bytes = ReadFile(file);
    std::vector<double> times;
    for (int i = 0; i < std::max(runs, 1); ++i) {
        auto start = std::chrono::steady_clock::now();
        Decode(bytes);
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
