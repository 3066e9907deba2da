#include "classlib/floattext.h"

#include "classlib/blanks.h"
#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 15;
// As many as an extended value holds.
constexpr int kMaxDigits = 18;
// More digits than an extended value can tell apart; the rest only decides
// rounding, so a sticky digit stands in for them (long texts stay fast).
constexpr std::size_t kKeptDigits = 40;
// Far beyond any exponent the extended range can reach, small enough to never overflow.
constexpr std::int64_t kExponentCap = 1000000;

// msvcrt's printf knows no 80-bit long double; MinGW's own one does.
int FormatLongDouble(char* buffer, std::size_t size, const char* format, int precision, long double value)
{
#ifdef __MINGW32__
    return __mingw_snprintf(buffer, size, format, precision, value);
#else
    return std::snprintf(buffer, size, format, precision, value);
#endif
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TFloatRec FloatToDecimal(long double value, int significantDigits)
{
    TFloatRec rec;
    rec.Negative = std::signbit(value);
    if (value == 0) {
        rec.Digits.push_back('0');
        return rec;
    }
    // "-d.dddddddddddddde+XXXX": printf does the rounding to the digits.
    if (significantDigits < 1 || significantDigits > kMaxDigits) {
        significantDigits = kMaxDigits;
    }
    char buffer[64];
    FormatLongDouble(buffer, sizeof buffer, "%.*Le", significantDigits - 1, value);
    const char* p = buffer;
    if (*p == '-') {
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            rec.Digits += *p;
        }
    }
    rec.Exponent = std::atoi(p + 1) + 1;
    while (rec.Digits.size() > 1 && rec.Digits.back() == '0') {
        rec.Digits.pop_back();
    }
    return rec;
}

std::string FloatToStrDigits(long double value, int significantDigits, const TFormatSettings& settings)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }
    if (significantDigits < 1 || significantDigits > kMaxDigits) {
        significantDigits = kMaxDigits;
    }
    const TFloatRec rec = FloatToDecimal(value, significantDigits);
    const bool negative = rec.Negative;
    const std::string& digits = rec.Digits;
    const int exponent = rec.Exponent - 1;
    const int count = static_cast<int>(digits.size());

    std::string text = negative ? "-" : "";
    const int decimalExponent = exponent + 1;  // value = 0.d1d2.. * 10^decimalExponent
    if (decimalExponent >= -3 && decimalExponent <= significantDigits) {
        if (exponent >= 0) {
            const int whole = exponent + 1;
            if (count <= whole) {
                text += digits;
                text.append(static_cast<std::size_t>(whole - count), '0');
            } else {
                text += digits.substr(0, static_cast<std::size_t>(whole));
                text += settings.DecimalSeparator;
                text += digits.substr(static_cast<std::size_t>(whole));
            }
        } else {
            text += '0';
            text += settings.DecimalSeparator;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        }
    } else {
        text += digits[0];
        if (count > 1) {
            text += settings.DecimalSeparator;
            text += digits.substr(1);
        }
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

bool TryStrToFloat(std::string_view text, long double& value, const TFormatSettings& settings)
{
    const char point = settings.DecimalSeparator;
    text = TrimBlanks(text);
    const std::size_t end = text.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Significant digits with leading zeros dropped; decimalShift counts how far
    // the decimal point sits left of their end.
    std::string digits;
    bool truncatedNonZero = false;
    std::int64_t decimalShift = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c == point) {
            if (seenPoint) {
                return false;
            }
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        anyDigit = true;
        if (digits.empty() && c == '0') {
            if (seenPoint) {
                ++decimalShift;
            }
            continue;
        }
        if (digits.size() < kKeptDigits) {
            digits += c;
            if (seenPoint) {
                ++decimalShift;
            }
        } else {
            truncatedNonZero |= c != '0';
            if (!seenPoint) {
                --decimalShift;
            }
        }
    }
    if (!anyDigit) {
        return false;
    }

    std::int64_t exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == end || !IsDigit(text[i])) {
            return false;
        }
        for (; i < end && IsDigit(text[i]); ++i) {
            if (exponent < kExponentCap) {
                exponent = exponent * 10 + (text[i] - '0');
            }
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != end) {
        return false;
    }

    if (digits.empty()) {
        value = negative ? -0.0L : 0.0L;
        return true;
    }
    if (truncatedNonZero) {
        digits += '1';
        ++decimalShift;
    }
    std::int64_t scale = exponent - decimalShift;
    if (scale > kExponentCap) {
        scale = kExponentCap;
    } else if (scale < -kExponentCap) {
        scale = -kExponentCap;
    }
    const std::string plain = (negative ? "-" : "") + digits + "E" + std::to_string(scale);
    const long double converted = std::strtold(plain.c_str(), nullptr);
    if (std::isinf(converted)) {
        return false;
    }
    value = converted;
    return true;
}

std::string FloatToStr(long double value, const TFormatSettings& settings)
{
    return FloatToStrDigits(value, kSignificantDigits, settings);
}

std::string FloatToStr(long double value)
{
    return FloatToStr(value, FormatSettings());
}

bool TryStrToFloat(std::string_view text, long double& value)
{
    return TryStrToFloat(text, value, FormatSettings());
}

long double StrToFloat(std::string_view text, const TFormatSettings& settings)
{
    long double value = 0;
    if (!TryStrToFloat(text, value, settings)) {
        constexpr std::size_t kShown = 40;
        std::string shown(text.substr(0, kShown));
        if (text.size() > kShown) {
            shown += "...";
        }
        throw EConvertError("'" + shown + "' is not a valid floating point value");
    }
    return value;
}
