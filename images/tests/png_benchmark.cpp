// Decoding against libpng and against bare inflate of the same image data,
// and encoding at level 7 with Sub against libpng, on 2-megapixel files.
#include <benchmark/benchmark.h>

#include <png.h>
#include <zlib.h>

#include <map>

#include "images/pngchunk.h"
#include "images/tests/libpngfiles.h"

namespace {

constexpr int kWidth = 2048, kHeight = 1024;

struct TKind {
    const char* name;
    int colorType, bitDepth, interlace, filters;
};
const TKind kKinds[] = {
    {"RGB", 2, 8, 0, PNG_ALL_FILTERS},       {"RGBA", 6, 8, 0, PNG_ALL_FILTERS},
    {"Palette", 3, 8, 0, PNG_ALL_FILTERS},   {"Grey", 0, 8, 0, PNG_ALL_FILTERS},
    {"RGB16", 2, 16, 0, PNG_ALL_FILTERS},    {"RGBAdam7", 2, 8, 1, PNG_ALL_FILTERS},
    {"RGBNone", 2, 8, 0, PNG_FILTER_NONE},   {"RGBSub", 2, 8, 0, PNG_FILTER_SUB},
    {"RGBPaeth", 2, 8, 0, PNG_FILTER_PAETH},
};

TRawPng Picture(const TKind& kind)
{
    return SmoothRawPng(kind.colorType, kind.bitDepth, kWidth, kHeight, kind.interlace);
}

const std::string& FileOf(const TKind& kind)
{
    static std::map<std::string, std::string> files;
    auto& file = files[kind.name];
    if (file.empty())
        file = LibpngWrite(Picture(kind), {6, kind.filters, false});
    return file;
}

// The IDAT data of a file, end to end.
std::string ImageData(const std::string& file)
{
    std::string data;
    for (std::size_t at = 8; at + 8 <= file.size();) {
        const std::uint32_t length = PngGet32(reinterpret_cast<const std::uint8_t*>(file.data()) + at);
        if (file.compare(at + 4, 4, "IDAT") == 0)
            data += file.substr(at + 8, length);
        at += 12 + length;
    }
    return data;
}

void DecodeOurs(benchmark::State& state, const TKind& kind)
{
    const std::string& file = FileOf(kind);
    for (auto _ : state) {
        TPNGImage image;
        LoadPng(image, file);
        benchmark::DoNotOptimize(image.Width());
    }
}

void DecodeLibpng(benchmark::State& state, const TKind& kind)
{
    const std::string& file = FileOf(kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(LibpngRead(file).rows.data());
}

// The floor: inflating the same image data in one piece, nothing else.
void InflateFloor(benchmark::State& state, const TKind& kind)
{
    const std::string data = ImageData(FileOf(kind));
    std::vector<std::uint8_t> out(static_cast<std::size_t>(kHeight) * (kWidth * 8 + 1) + 64);
    for (auto _ : state) {
        uLongf size = out.size();
        uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()));
        benchmark::DoNotOptimize(out.data());
    }
}

void EncodeOurs(benchmark::State& state, const TKind& kind)
{
    TPNGImage image;
    LoadPng(image, FileOf(kind));
    image.CompressionLevel = 7;
    image.Filters = pfSub;
    image.InterlaceMethod = static_cast<std::uint8_t>(kind.interlace);
    std::size_t size = 0;
    for (auto _ : state)
        size = SavePng(image).size();
    state.counters["bytes"] = static_cast<double>(size);
}

void EncodeLibpng(benchmark::State& state, const TKind& kind)
{
    const TRawPng raw = Picture(kind);
    std::size_t size = 0;
    for (auto _ : state)
        size = LibpngWrite(raw, {7, PNG_FILTER_SUB, true}).size();
    state.counters["bytes"] = static_cast<double>(size);
}

// Many small texts: compressed ones should cost little more than plain ones.
void ManyTexts(benchmark::State& state, const char* name)
{
    const std::string file = PngManyTexts(name, 20000);
    for (auto _ : state) {
        TPNGImage image;
        LoadPng(image, file);
        benchmark::DoNotOptimize(image.Chunks().Count());
    }
}
BENCHMARK_CAPTURE(ManyTexts, zTXt, "zTXt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ManyTexts, tEXt, "tEXt")->Unit(benchmark::kMillisecond);

const int kRegistered = [] {
    for (const TKind& kind : kKinds) {
        const std::string name = kind.name;
        benchmark::RegisterBenchmark(("PngDecode/ours/" + name).c_str(), DecodeOurs, kind)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PngDecode/libpng/" + name).c_str(), DecodeLibpng, kind)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PngDecode/inflate/" + name).c_str(), InflateFloor, kind)->Unit(benchmark::kMillisecond);
        if (kind.filters == PNG_ALL_FILTERS) {
            benchmark::RegisterBenchmark(("PngEncode/ours/" + name).c_str(), EncodeOurs, kind)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("PngEncode/libpng/" + name).c_str(), EncodeLibpng, kind)->Unit(benchmark::kMillisecond);
        }
    }
    return 0;
}();

} // namespace
