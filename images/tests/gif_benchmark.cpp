// Our GIF decoder and encoder against giflib on the same in-memory files.
#include <benchmark/benchmark.h>

#include <map>
#include <random>

#include "images/tests/gifbuilder.h"
#include "images/tests/giflibio.h"

namespace {
struct TCase {
    const char* name;
    int bits, width, height, frames;
    bool noise;
};
const TCase kCases[] = {
    {"8bit_noise_1Mpx", 8, 1024, 1024, 1, true}, {"8bit_gradient_1Mpx", 8, 1024, 1024, 1, false},
    {"8bit_50x320x240", 8, 320, 240, 50, false}, {"4bit_1Mpx", 4, 1024, 1024, 1, false},
    {"1bit_1Mpx", 1, 1024, 1024, 1, false},
};

TGiflibImage Picture(const TCase& c)
{
    std::mt19937 rng(7);
    TGiflibImage image;
    image.width = c.width, image.height = c.height, image.gif89 = true;
    for (int i = 0; i < 1 << c.bits; ++i)
        image.globalTable.push_back(rng() & 0xFFFFFF);
    for (int f = 0; f < c.frames; ++f) {
        TGiflibFrame frame;
        frame.width = c.width, frame.height = c.height;
        frame.indices.resize(static_cast<std::size_t>(c.width) * static_cast<std::size_t>(c.height));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                // Noise, or a gradient with a little dither.
                unsigned v = c.noise ? rng() : static_cast<unsigned>((x + y + f * 3) * (1 << c.bits) / (c.width + c.height)) + (rng() % 16 == 0);
                frame.indices[static_cast<std::size_t>(y * c.width + x)] = static_cast<std::uint8_t>(v % (1u << c.bits));
            }
        image.frames.push_back(std::move(frame));
    }
    return image;
}

const std::string& File(const TCase& c)
{
    static std::map<const TCase*, std::string> files;
    auto& f = files[&c];
    if (f.empty())
        f = GiflibWrite(Picture(c));
    return f;
}

void DecodeOurs(benchmark::State& state)
{
    const TCase& c = kCases[state.range(0)];
    const std::string& bytes = File(c);
    state.SetLabel(c.name);
    // Read from memory, as giflib reads the string.
    TMemoryStream source;
    source.WriteBuffer(bytes.data(), bytes.size());
    for (auto _ : state) {
        TGIF_ImageModel image;
        source.SetPosition(0);
        image.ParseStream(source.Size(), source, false);
        for (int i = 0; i < image.FrameCount(); ++i) {
            TMemoryStream dib;
            image.FrameByIndex(i).DecodeToDib(dib);
            benchmark::DoNotOptimize(dib.Memory());
        }
    }
}

void DecodeGiflib(benchmark::State& state)
{
    const TCase& c = kCases[state.range(0)];
    const std::string& bytes = File(c);
    state.SetLabel(c.name);
    for (auto _ : state) {
        TGiflibImage image;
        benchmark::DoNotOptimize(GiflibRead(bytes, image));
    }
}

void EncodeOurs(benchmark::State& state)
{
    const TCase& c = kCases[state.range(0)];
    TGiflibImage picture = Picture(c);
    state.SetLabel(c.name);
    // The frames as bitmap file images, as a bitmap hands them over.
    std::vector<std::unique_ptr<TMemoryStream>> dibs;
    for (const TGiflibFrame& f : picture.frames) {
        TTestGif scratch;
        EncodeFrame(scratch.Add(), f.indices, f.width, f.height, c.bits, picture.globalTable);
        dibs.push_back(std::make_unique<TMemoryStream>());
        scratch.FrameByIndex(0).DecodeToDib(*dibs.back());
    }
    std::size_t size = 0;
    for (auto _ : state) {
        TTestGif image;
        for (auto& dib : dibs) {
            dib->SetPosition(0);
            image.Add().EncodeDib(*dib);
        }
        size = WriteGif(image).size();
    }
    state.counters["bytes"] = static_cast<double>(size);
}

void EncodeGiflib(benchmark::State& state)
{
    const TCase& c = kCases[state.range(0)];
    TGiflibImage picture = Picture(c);
    state.SetLabel(c.name);
    std::size_t size = 0;
    for (auto _ : state)
        size = GiflibWrite(picture).size();
    state.counters["bytes"] = static_cast<double>(size);
}
} // namespace

BENCHMARK(DecodeOurs)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeGiflib)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeOurs)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeGiflib)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
