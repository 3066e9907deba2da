#include "classlib/bcd.h"

#include "classlib/blanks.h"
#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::uint8_t kNegative = 0x80;
constexpr std::uint8_t kPlacesMask = 0x3F;

// A decimal as digit characters, the last `places` of them after the point.
struct Decimal {
    bool negative = false;
    std::string whole;     // no leading zeros
    std::string fraction;  // no trailing zeros
};

void Normalize(Decimal& d)
{
    d.whole.erase(0, std::min(d.whole.find_first_not_of('0'), d.whole.size()));
    d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
    if (d.whole.empty() && d.fraction.empty()) {
        d.negative = false;
    }
}

// Records from elsewhere may hold anything: digits beyond 9 read as 0 and
// the counts are kept within the record.
Decimal Unpack(const TBcd& value)
{
    const int precision = std::clamp<int>(value.Precision, 1, TBcd::MaxDigits);
    const int places = std::min<int>(value.SignSpecialPlaces & kPlacesMask, precision);
    std::string digits;
    for (int i = 0; i < precision; ++i) {
        const int byte = value.Fraction[i / 2];
        const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        digits += static_cast<char>('0' + (nibble > 9 ? 0 : nibble));
    }
    Decimal d;
    d.negative = (value.SignSpecialPlaces & kNegative) != 0;
    d.whole = digits.substr(0, static_cast<std::size_t>(precision - places));
    d.fraction = digits.substr(static_cast<std::size_t>(precision - places));
    Normalize(d);
    return d;
}

// Extra decimals are cut; false when the whole part needs more than 64 digits.
bool Pack(Decimal d, TBcd& result)
{
    Normalize(d);
    if (d.whole.size() > static_cast<std::size_t>(TBcd::MaxDigits)) {
        return false;
    }
    const std::size_t room = std::min<std::size_t>(TBcd::MaxDigits - d.whole.size(), TBcd::MaxPlaces);
    if (d.fraction.size() > room) {
        d.fraction.resize(room);
    }
    Normalize(d);
    std::string digits = d.whole;
    digits += d.fraction;
    if (digits.empty()) {
        digits.push_back('0');
    }
    TBcd packed;
    packed.Precision = static_cast<std::uint8_t>(digits.size());
    packed.SignSpecialPlaces = static_cast<std::uint8_t>((d.negative ? kNegative : 0) | d.fraction.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digits[i] - '0';
        packed.Fraction[i / 2] |= static_cast<std::uint8_t>(i % 2 == 0 ? digit << 4 : digit);
    }
    result = packed;
    return true;
}

int CompareMagnitude(const Decimal& a, const Decimal& b)
{
    if (a.whole.size() != b.whole.size()) {
        return a.whole.size() < b.whole.size() ? -1 : 1;
    }
    if (const int c = a.whole.compare(b.whole); c != 0) {
        return c < 0 ? -1 : 1;
    }
    const std::size_t n = std::max(a.fraction.size(), b.fraction.size());
    std::string fa = a.fraction;
    std::string fb = b.fraction;
    fa.resize(n, '0');
    fb.resize(n, '0');
    const int c = fa.compare(fb);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}
}  // namespace

bool TryStrToBcd(std::string_view text, TBcd& value, const TFormatSettings& settings)
{
    text = TrimBlanks(text);
    if (text.empty()) {
        return false;
    }
    Decimal d;
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-') {
        d.negative = text[0] == '-';
        ++i;
    }
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == settings.DecimalSeparator && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            (point ? d.fraction : d.whole) += c;
        } else {
            return false;
        }
    }
    return anyDigit && Pack(std::move(d), value);
}

TBcd StrToBcd(std::string_view text, const TFormatSettings& settings)
{
    TBcd value;
    if (!TryStrToBcd(text, value, settings)) {
        throw EConvertError("'" + std::string(text.substr(0, 40)) + "' is not a valid BCD value");
    }
    return value;
}

std::string BcdToStr(const TBcd& value, const TFormatSettings& settings)
{
    const Decimal d = Unpack(value);
    std::string text = d.negative ? "-" : "";
    text += d.whole.empty() ? "0" : d.whole;
    if (!d.fraction.empty()) {
        text += settings.DecimalSeparator;
        text += d.fraction;
    }
    return text;
}

TBcd Int64ToBcd(std::int64_t value)
{
    Decimal d;
    d.negative = value < 0;
    const std::uint64_t magnitude = d.negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    d.whole = std::to_string(magnitude);
    TBcd result;
    Pack(std::move(d), result);
    return result;
}

TBcd DoubleToBcd(double value)
{
    if (!std::isfinite(value)) {
        throw EConvertError("Floating point value has no decimal digits");
    }
    // "-d.dddddddddddddde+XXX": 15 significant digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    Decimal d;
    const char* p = buffer;
    d.negative = *p == '-';
    p += d.negative ? 1 : 0;
    std::string digits;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits += *p;
        }
    }
    const int exponent = std::atoi(p + 1);
    // value = 0.digits × 10^(exponent + 1)
    const int wholeCount = exponent + 1;
    if (wholeCount >= static_cast<int>(digits.size())) {
        d.whole = digits;
        d.whole.resize(static_cast<std::size_t>(wholeCount), '0');
    } else if (wholeCount > 0) {
        d.whole = digits.substr(0, static_cast<std::size_t>(wholeCount));
        d.fraction = digits.substr(static_cast<std::size_t>(wholeCount));
    } else {
        d.fraction.assign(static_cast<std::size_t>(-wholeCount), '0');
        d.fraction += digits;
    }
    TBcd result;
    if (!Pack(std::move(d), result)) {
        throw EConvertError("Floating point value too large for a BCD");
    }
    return result;
}

double BcdToDouble(const TBcd& value)
{
    const Decimal d = Unpack(value);
    std::string text = d.negative ? "-" : "";
    text.append(d.whole.empty() ? "0" : d.whole).append(".").append(d.fraction).append("0");
    // At most 64 digits before the point: always within the double range.
    return std::strtod(text.c_str(), nullptr);
}

int BcdCompare(const TBcd& a, const TBcd& b)
{
    const Decimal x = Unpack(a);
    const Decimal y = Unpack(b);
    if (x.negative != y.negative) {
        return x.negative ? -1 : 1;
    }
    const int c = CompareMagnitude(x, y);
    return x.negative ? -c : c;
}
