// Any text read as either value type, then stepped from with any settings:
// what is read is finite and, for whole numbers, what a checked 64-bit
// reading gives; a step lands inside the range, and with clamping or
// wrapping always lands when nothing is NaN. UBSan watches the arithmetic.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "classlib/blanks.h"
#include "editors/controls/spin/cxspinnumbertext.h"
#include "editors/controls/tests/numbersettings.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

// Plain decimal digits with an optional sign: the texts std::from_chars can judge.
void CheckWholeReading(std::string_view text, const std::optional<TcxSpinNumber>& number)
{
    text = TrimBlanks(text);
    std::string_view digits = text;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return;
    // from_chars takes a minus sign only.
    if (text[0] == '-')
        digits = text;
    std::int64_t expected = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), expected);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    Check(number.has_value() == whole);
    Check(!whole || std::get<std::int64_t>(*number) == expected);
}

bool Inside(const TcxSpinNumber& value, const TcxSpinRange& range)
{
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        return *whole >= std::get<std::int64_t>(range.Lower) && *whole <= std::get<std::int64_t>(range.Upper);
    const double v = std::get<double>(value);
    return v >= std::get<double>(range.Lower) && v <= std::get<double>(range.Upper);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto flags = Take<std::uint8_t>(data, size);
    TcxSpinSettings s;
    s.ValueType = flags & 1 ? vtInt : vtFloat;
    s.BoundsMode = static_cast<TcxSpinBoundsMode>((flags >> 1) % 3);
    s.Bounds.MinAssigned = flags & 8;
    s.Bounds.MaxAssigned = flags & 16;
    const auto kind = static_cast<TcxSpinButtonKind>((flags >> 5) & 3);
    s.Increment = Take<double>(data, size);
    s.LargeIncrement = Take<double>(data, size);
    s.Bounds.MinValue = Take<double>(data, size);
    s.Bounds.MaxValue = Take<double>(data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const TFormatSettings settings = flags & 128 ? GermanNumbers() : ChineseFormatSettings();

    const auto number = cxSpinTextToNumber(text, s.ValueType, settings);
    if (s.ValueType == vtInt)
        CheckWholeReading(text, number);
    else
        Check(!number || std::isfinite(std::get<double>(*number)));
    const TcxSpinNumber value = number ? *number : TcxSpinNumber(s.Bounds.MinValue + s.Increment);

    const auto stepped = cxSpinStep(s, value, kind);
    const auto range = cxSpinRange(s);
    Check(!stepped || (range && stepped->index() == (s.ValueType == vtInt ? 0 : 1) && Inside(*stepped, *range)));
    const double plain = cxSpinNumberAsDouble(value);
    const bool nothingNaN = !std::isnan(plain) && !std::isnan(s.Increment) && !std::isnan(s.LargeIncrement) &&
                            !std::isnan(s.Bounds.MinValue) && !std::isnan(s.Bounds.MaxValue);
    const bool nothingInfinite = std::isfinite(plain) && std::isfinite(s.Increment) &&
                                 std::isfinite(s.LargeIncrement) && std::isfinite(s.Bounds.MinValue) &&
                                 std::isfinite(s.Bounds.MaxValue);
    if (range && s.BoundsMode != sbmNone && nothingNaN && nothingInfinite)
        Check(stepped.has_value());
    return 0;
}
