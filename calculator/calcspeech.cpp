#include "calculator/calcspeech.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

struct CharacterClip {
    std::string_view character;
    const char* clip;
};

// Words characters that have a voice clip; any other is read as a silent pause.
constexpr std::array<CharacterClip, 21> kWordClips = {{
    {"零", "0_wav"}, {"壹", "1_wav"}, {"贰", "2_wav"}, {"叁", "3_wav"}, {"肆", "4_wav"},
    {"伍", "5_wav"}, {"陆", "6_wav"}, {"柒", "7_wav"}, {"捌", "8_wav"}, {"玖", "9_wav"},
    {"点", "point_wav"}, {"拾", "10_wav"}, {"佰", "bai_wav"}, {"百", "bai_wav"},
    {"仟", "qian_wav"}, {"负", "fu_wav"}, {"万", "wan_wav"}, {"亿", "yi_wav"},
    {"元", "yuan_wav"}, {"角", "jiao_wav"}, {"分", "fen_wav"},
}};

// Number text characters that have a voice clip.
constexpr std::array<CharacterClip, 12> kNumberClips = {{
    {"0", "0_wav"}, {"1", "1_wav"}, {"2", "2_wav"}, {"3", "3_wav"}, {"4", "4_wav"},
    {"5", "5_wav"}, {"6", "6_wav"}, {"7", "7_wav"}, {"8", "8_wav"}, {"9", "9_wav"},
    {".", "point_wav"}, {"-", "fu_wav"},
}};

// Words texts are GBK: every character is two bytes.
constexpr std::size_t kWordStep = 2;

template <std::size_t N>
const char* clipFor(const std::array<CharacterClip, N>& table, std::string_view character)
{
    for (const CharacterClip& entry : table) {
        if (entry.character == character) {
            return entry.clip;
        }
    }
    return nullptr;
}

const char* WordClip(std::string_view character)
{
    return clipFor(kWordClips, character);
}

const char* NumberClip(std::string_view character)
{
    return clipFor(kNumberClips, character);
}

} // namespace

TCalcSpeech::TCalcSpeech(std::unique_ptr<IClipPlayer> player, std::unique_ptr<IPauseClock> clock)
    : player_(std::move(player)), clock_(std::move(clock))
{
}

bool TCalcSpeech::pause(std::uint32_t start, unsigned generation)
{
    // Counted from the clip's start, so the time the player took to start it
    // and handlers that ran before the pause began do not add to the gap.
    pauseuntil(start, speechPace(), *clock_);
    return generation == generation_;
}

void TCalcSpeech::read(std::string_view text, std::size_t step, const char* (*clipOf)(std::string_view))
{
    const unsigned generation = generation_;
    if (!pause(clock_->tickCount(), generation))
        return;
    // A trailing part shorter than a step is no character and is not read.
    for (std::size_t at = 0; at + step <= text.size(); at += step) {
        const std::uint32_t start = clock_->tickCount();
        if (const char* clip = clipOf(text.substr(at, step)))
            player_->play(clip);
        if (!pause(start, generation))
            return;
    }
}

void TCalcSpeech::readstr(std::string words)
{
    read(words, kWordStep, WordClip);
}

void TCalcSpeech::read1(std::string number)
{
    read(number, 1, NumberClip);
}
