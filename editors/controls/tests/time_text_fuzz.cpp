// Any text, caret and key for each time format, hour mode and designator
// pair: reading never raises and gives a time of day, and as an edit value
// it shows without raising; a text the editor shows reads back as the
// seconds it was made from, steps to the seconds the step makes with its
// item selected, and keeps every item inside its range whatever key is
// typed where.
#include <cmath>
#include <cstdint>
#include <string>

#include "classlib/gbkchars.h"
#include "editors/controls/tests/numbersettings.h"
#include "editors/controls/time/cxtimestep.h"
#include "editors/controls/time/cxtimetext.h"
#include "editors/controls/time/cxtimetyping.h"
#include "editors/controls/time/cxtimevalue.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

constexpr int kDay = 86400;

int Digits(const std::string& text, std::size_t at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Every item two digits in its range, the designator one of the words.
bool ItemsInRange(const std::string& text, const std::string& shown, const TcxTimeEditFormat& format,
                  const TFormatSettings& settings)
{
    const auto digits = static_cast<std::size_t>(cxTimeDigitPartLength(format.TimeFormat));
    if (text.size() != shown.size())
        return false;
    for (std::size_t at = 0; at < digits; at += 3) {
        if (!IsDigit(text[at]) || !IsDigit(text[at + 1]))
            return false;
        const int v = Digits(text, at);
        if (at > 0 ? v > 59 : format.Use24HourFormat ? v > 23 : v < 1 || v > 12)
            return false;
    }
    if (format.Use24HourFormat)
        return true;
    const std::string word = text.substr(digits + 1);
    return word == settings.TimeAMString || word == settings.TimePMString;
}

// The seconds a step from seconds by increment gives.
int Stepped(int seconds, double increment, bool circular)
{
    const double target = seconds + increment;
    if (target < 0)
        return circular ? kDay - 1 : seconds;
    if (target > kDay - 1)
        return circular ? 0 : seconds;
    return static_cast<int>(target);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto flags = Take<std::uint8_t>(data, size);
    const TcxTimeEditFormat format{static_cast<TcxTimeEditTimeFormat>(flags % 3), (flags & 4) != 0};
    const TFormatSettings settings = flags & 8 ? EnglishDesignators() : ChineseFormatSettings();
    const bool circular = flags & 16;
    const auto kind = static_cast<TcxSpinButtonKind>((flags >> 5) & 3);
    const int caret = Take<std::int8_t>(data, size) % 16;
    const int datePart = Take<std::int16_t>(data, size);
    const int seed = static_cast<int>(Take<std::uint32_t>(data, size) % kDay);
    std::string key(1, static_cast<char>(Take<std::uint8_t>(data, size)));
    if (IsGbkLeadByte(key[0]))
        key += static_cast<char>(Take<std::uint8_t>(data, size));
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Any text.
    const double value = cxTimeTextToValue(text, format, datePart, settings);
    Check(std::isfinite(value) && std::fabs(value - datePart) < 1);
    const auto anySeconds = cxTimeTextToSeconds(text, format, settings);
    Check(!anySeconds || *anySeconds >= 0);
    if (const auto step = cxTimeStep(text, caret, kind, format, circular, settings); step && step->Changed) {
        const auto after = cxTimeTextToSeconds(step->Text, format, settings);
        Check(after && *after >= 0 && *after < kDay);
    }
    cxTimeCharValidAt(text, caret + 1, key, format, settings);

    // Any text as an edit value or a Text written: shown without raising;
    // one that reads shows two digits per item.
    for (const bool focused : {false, true}) {
        const auto asValue = cxTimeValueToText(Variant(text), {format, focused}, seed / double(kDay), settings);
        Check(asValue.has_value() && (!focused || cxTimeTextToSeconds(*asValue, format, settings)));
    }
    Check(std::isfinite(cxTimeDatePartOf(Variant(text), settings)));
    if (const auto checked = cxCheckTimeText(text, format, settings))
        Check(cxTimeTextToSeconds(*checked, format, settings).has_value());

    // A text the editor shows.
    const int unit = format.TimeFormat == tfHour ? 3600 : format.TimeFormat == tfHourMin ? 60 : 1;
    const int seconds = seed - seed % unit;
    const std::string shown = cxSecondsToTimeText(seconds, format, settings);
    Check(cxTimeTextToSeconds(shown, format, settings) == seconds);
    Check(std::lround(cxTimeTextToValue(shown, format, 0, settings) * kDay) == seconds);
    Check(ItemsInRange(shown, shown, format, settings));

    const auto step = cxTimeStep(shown, caret, kind, format, circular, settings);
    Check(step.has_value());
    const TcxTimeItemKind item = cxGetTimeItemAt(caret + 1, format, 0);
    // A wrap to the last second shows only what the format holds of it.
    int expected = Stepped(seconds, cxTimeIncrement(kind, item, seconds), circular);
    expected -= expected % unit;
    Check(cxTimeTextToSeconds(step->Text, format, settings) == expected);
    Check(step->Changed == (expected != seconds));
    Check(step->SelStart >= 0 && step->SelLength > 0 &&
          static_cast<std::size_t>(step->SelStart + step->SelLength) <= step->Text.size());

    const TcxTimeKeyCheck typed = cxTimeCharValidAt(shown, caret + 1, key, format, settings);
    if (!typed.Valid) {
        Check(typed.Text == shown);
        return 0;
    }
    std::string result = typed.Text;
    const auto at = static_cast<std::size_t>(typed.SelStart);
    if (!typed.Key.empty()) {
        // The mask writes the kept key over the character at the caret.
        Check(at < result.size());
        result.replace(at, GbkNextCharOffset(result, at) - at, typed.Key);
    }
    Check(ItemsInRange(result, shown, format, settings));
    return 0;
}
