// Reading results aloud: words texts and number texts become a paced
// sequence of voice clips. The tape window derives from this class.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "calculator/clipplayer.h"
#include "calculator/delayms.h"

class TCalcSpeech {
public:
    // The speech pace before the window has told its own.
    static constexpr int kDefaultPace = 280;

    TCalcSpeech(std::unique_ptr<IClipPlayer> player, std::unique_ptr<IPauseClock> clock);
    virtual ~TCalcSpeech() = default;

    TCalcSpeech(const TCalcSpeech&) = delete;
    TCalcSpeech& operator=(const TCalcSpeech&) = delete;

    // Speaks a words text (numberwords, moneywords) two bytes at a time.
    // Both readers take their text by value: the pauses run message
    // handlers, which may change the text the caller passed in.
    void readstr(std::string words);
    // Speaks a number text character by character.
    void read1(std::string number);
    // Ends every reading under way after its current pause.
    void stopreading() { ++generation_; }

    // The player of every clip, the readers' and the window's own; tests
    // put one in that notes what plays.
    IClipPlayer& clipplayer() { return *player_; }
    void setclipplayer(std::unique_ptr<IClipPlayer> player) { player_ = std::move(player); }

protected:
    // Milliseconds of each pause; the window answers with its pace setting.
    virtual int speechPace() const { return kDefaultPace; }

private:
    // Pauses for the pace from start; false once the reading that started at
    // generation must stop.
    bool pause(std::uint32_t start, unsigned generation);
    // One pause, then per character of step bytes its clip (if any) and a pause.
    void read(std::string_view text, std::size_t step, const char* (*clipOf)(std::string_view));

    std::unique_ptr<IClipPlayer> player_;
    std::unique_ptr<IPauseClock> clock_;
    unsigned generation_ = 0;
};
