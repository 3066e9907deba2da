// Text into numbers, dates, times, integers and Booleans under arbitrary format settings: each
// either converts or fails with the conversion's own error, and whatever
// converts lies in its kind's range and writes out again.
#include "classlib/booltext.h"
#include "classlib/datetimetext.h"
#include "classlib/exceptions.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/inttext.h"
#include "classlib/variant.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
// Formats longer than this add nothing but time: they nest two levels deep.
constexpr std::size_t kFormatCap = 24;
constexpr char kFieldEnd = '\x01';

std::string_view NextField(std::string_view& input, std::size_t cap)
{
    const std::size_t end = input.find(kFieldEnd);
    std::string_view field = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return field.substr(0, cap);
}

char Byte(std::string_view control, std::size_t i, char fallback)
{
    return i < control.size() ? control[i] : fallback;
}

TFormatSettings SettingsFrom(std::string_view& input)
{
    TFormatSettings s = ChineseFormatSettings();
    const std::string_view control = NextField(input, 8);
    s.DecimalSeparator = Byte(control, 0, '.');
    s.DateSeparator = Byte(control, 1, '/');
    s.TimeSeparator = Byte(control, 2, ':');
    s.TwoDigitYearCenturyWindow = static_cast<unsigned char>(Byte(control, 3, 50));
    s.ShortDateFormat = NextField(input, kFormatCap);
    s.LongDateFormat = NextField(input, kFormatCap);
    s.ShortTimeFormat = NextField(input, kFormatCap);
    s.LongTimeFormat = NextField(input, kFormatCap);
    s.TimeAMString = NextField(input, kFormatCap);
    s.TimePMString = NextField(input, kFormatCap);
    return s;
}

// A separator that cannot be mistaken for part of a number.
bool PlainSeparator(char c)
{
    return std::string_view("0123456789+-eE ").find(c) == std::string_view::npos && c != '\0';
}

void CheckFloat(std::string_view text, const TFormatSettings& s)
{
    long double value = 0;
    if (!TryStrToFloat(text, value, s) || !PlainSeparator(s.DecimalSeparator)) {
        return;
    }
    const std::string shown = FloatToStr(value, s);
    long double again = 0;
    if (!TryStrToFloat(shown, again, s) || FloatToStr(again, s) != shown) {
        std::abort();
    }
}

void CheckDate(std::string_view text, std::string_view format, const TFormatSettings& s)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, s)) {
        return;
    }
    if (!(value >= MinDateTime && value <= MaxDateTime)) {
        std::abort();
    }
    // In range, so writing it out must not fail.
    FormatDateTime(format, value, s);
    DateTimeToStr(value, s);
}

// A time alone lies within one day.
void CheckTime(std::string_view text, const TFormatSettings& s)
{
    TDateTime value = 0;
    if (TryStrToTime(text, value, s) && !(value >= 0 && value < 1)) {
        std::abort();
    }
}

void CheckInt(std::string_view text)
{
    int value = 0;
    int again = 0;
    if (TryStrToInt(text, value) && (!TryStrToInt(std::to_string(value), again) || again != value)) {
        std::abort();
    }
}

void CheckVariant(const std::string& text)
{
    const Variant v(text);
    static constexpr TVarType kKinds[] = {varSmallint, varInteger, varSingle, varDouble, varCurrency, varDate,
                                          varOleStr,   varBoolean, varShortInt, varByte, varWord, varLongWord,
                                          varInt64,    varString,  varSQLTimeStamp, varFMTBcd};
    for (const TVarType kind : kKinds) {
        try {
            const Variant converted = v.AsType(kind);
            if (VarType(converted) != kind) {
                std::abort();
            }
            // Writing it out either works or fails as a variant error.
            converted.ToString();
        } catch (const EVariantError&) {
        }
    }
    for (const Variant& other : {Variant(1), Variant(true), Variant::FromDateTime(1.5), Variant(Currency{5})}) {
        try {
            VarCompareValue(v, other);
        } catch (const EVariantError&) {
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const TFormatSettings settings = SettingsFrom(input);
    const std::string_view format = NextField(input, kFormatCap);
    const std::string text(input);

    CheckFloat(text, settings);
    CheckDate(text, format, settings);
    CheckTime(text, settings);
    CheckInt(text);
    bool flag = false;
    TryStrToBool(text, flag);

    FormatSettings() = settings;
    CheckVariant(text);
    return 0;
}
