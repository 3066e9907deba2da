// The 42 voice clips the program carries, with the format each must have.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "calculator/tests/wavinfo.h"

struct ClipFormat {
    const char* name;
    std::uint16_t channels;
    std::uint32_t sampleRate;
    std::uint16_t bitsPerSample;
};


constexpr ClipFormat mono(const char* name) { return {name, 1, 44100, 16}; }
constexpr ClipFormat stereo(const char* name) { return {name, 2, 44100, 16}; }

inline constexpr std::array<ClipFormat, 42> kClipCatalog = {{
    mono("0_wav"), mono("1_wav"), mono("2_wav"), mono("3_wav"), mono("4_wav"),
    mono("5_wav"), mono("6_wav"), mono("7_wav"), mono("8_wav"), mono("9_wav"),
    mono("10_wav"), mono("bai_wav"), mono("qian_wav"), mono("wan_wav"), mono("yi_wav"),
    {"yuan_wav", 1, 16000, 8}, stereo("jiao_wav"), stereo("fen_wav"),
    mono("fu_wav"), mono("point_wav"),
    stereo("add_wav"), stereo("sub_wav"), stereo("mul_wav"), stereo("div_wav"),
    stereo("zuo_wav"), stereo("you_wav"),
    mono("bs_wav"), mono("c_wav"), mono("eqr_wav"), mono("ncf_wav"), mono("leicheng_wav"),
    mono("kaifang_wav"), mono("pingfang_wav"), mono("mod_wav"), mono("pi_wav"),
    mono("sin_wav"), mono("cos_wav"), mono("tan_wav"),
    mono("asin_wav"), mono("acos_wav"), mono("atan_wav"), mono("log_wav"),
}};

// A clip image has its format, lasts 0.1 to 1.1 s and is not silent.
inline void expectClip(const ClipFormat& expected, std::string_view bytes)
{
    SCOPED_TRACE(expected.name);
    WavInfo info;
    ASSERT_NO_THROW(info = readWavInfo(bytes));
    EXPECT_EQ(info.channels, expected.channels);
    EXPECT_EQ(info.sampleRate, expected.sampleRate);
    EXPECT_EQ(info.bitsPerSample, expected.bitsPerSample);
    EXPECT_GE(info.seconds, 0.1);
    EXPECT_LE(info.seconds, 1.1);
    EXPECT_GT(info.peak, 0.5);
}
