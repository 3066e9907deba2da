// Reading results aloud: words texts and number texts become a paced
// sequence of voice clips. The tape window derives from this class.
#pragma once

#include <memory>
#include <string>

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

protected:
    // Milliseconds of each pause; the window answers with its pace setting.
    virtual int speechPace() const { return kDefaultPace; }

private:
    void pause();

    std::unique_ptr<IClipPlayer> player_;
    std::unique_ptr<IPauseClock> clock_;
};
