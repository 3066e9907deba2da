#include "calculator/tests/wavinfo.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::string_view kRiffId = "RIFF";
constexpr std::string_view kWaveId = "WAVE";
constexpr std::string_view kFormatChunk = "fmt ";
constexpr std::string_view kDataChunk = "data";
constexpr std::uint16_t kPcm = 1;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kPcmFormatSize = 16;

std::uint32_t le(std::string_view bytes, std::size_t at, std::size_t width)
{
    if (at + width > bytes.size()) {
        throw std::runtime_error("WAVE image is cut short");
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

// The format chunk: PCM layout of every sample frame.
void readFormat(std::string_view chunk, WavInfo& info)
{
    if (chunk.size() < kPcmFormatSize) {
        throw std::runtime_error("format chunk too short");
    }
    info.formatTag = static_cast<std::uint16_t>(le(chunk, 0, 2));
    info.channels = static_cast<std::uint16_t>(le(chunk, 2, 2));
    info.sampleRate = le(chunk, 4, 4);
    info.bitsPerSample = static_cast<std::uint16_t>(le(chunk, 14, 2));
    if (info.formatTag != kPcm || info.channels == 0 || info.sampleRate == 0 ||
        (info.bitsPerSample != 8 && info.bitsPerSample != 16)) {
        throw std::runtime_error("not 8- or 16-bit PCM");
    }
}

// The data chunk: length and loudest sample (8-bit samples are unsigned).
void readData(std::string_view chunk, WavInfo& info)
{
    const std::size_t sampleBytes = info.bitsPerSample / 8;
    const std::size_t frameBytes = sampleBytes * info.channels;
    info.dataBytes = static_cast<std::uint32_t>(chunk.size());
    info.seconds = static_cast<double>(chunk.size() / frameBytes) / info.sampleRate;
    long loudest = 0;
    for (std::size_t at = 0; at + sampleBytes <= chunk.size(); at += sampleBytes) {
        const long sample = sampleBytes == 1 ? static_cast<long>(le(chunk, at, 1)) - 128
                                             : static_cast<std::int16_t>(le(chunk, at, 2));
        loudest = std::max(loudest, std::labs(sample));
    }
    info.peak = static_cast<double>(loudest) / (sampleBytes == 1 ? 128.0 : 32768.0);
}

} // namespace

WavInfo readWavInfo(std::string_view bytes)
{
    if (bytes.substr(0, 4) != kRiffId || bytes.substr(8, 4) != kWaveId) {
        throw std::runtime_error("no RIFF WAVE header");
    }
    const std::size_t riffEnd = std::min<std::size_t>(bytes.size(), kChunkHeader + le(bytes, 4, 4));
    WavInfo info;
    bool haveFormat = false;
    bool haveData = false;
    for (std::size_t at = 12; at + kChunkHeader <= riffEnd;) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = le(bytes, at + 4, 4);
        if (size > riffEnd - at - kChunkHeader) {
            throw std::runtime_error("chunk runs past the end");
        }
        const std::string_view chunk = bytes.substr(at + kChunkHeader, size);
        if (id == kFormatChunk) {
            readFormat(chunk, info);
            haveFormat = true;
        } else if (id == kDataChunk) {
            if (!haveFormat) {
                throw std::runtime_error("data before format");
            }
            readData(chunk, info);
            haveData = true;
        }
        // Chunks are padded to an even length.
        at += kChunkHeader + size + (size & 1);
    }
    if (!haveData) {
        throw std::runtime_error("no data chunk");
    }
    return info;
}
