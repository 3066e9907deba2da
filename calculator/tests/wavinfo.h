// Reads what the clip tests need from a RIFF WAVE image: its PCM format,
// length and loudest sample.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

struct WavInfo {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    double seconds = 0;
    // Loudest sample as a fraction of full scale, 0..1.
    double peak = 0;
};

// Raises std::runtime_error for anything that is not well-formed PCM WAVE.
WavInfo readWavInfo(std::string_view bytes);
