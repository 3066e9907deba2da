// TBcd: a packed decimal of up to 64 digits, the record the FMTBcd variant
// kind holds (34 bytes, as the value types store it).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct TFormatSettings;

struct TBcd {
    static constexpr int MaxDigits = 64;
    static constexpr int MaxPlaces = 63;
    // Digits in Fraction, 1..64.
    std::uint8_t Precision = 1;
    // Bit 7: negative; bits 0-5: how many of the digits follow the decimal point.
    std::uint8_t SignSpecialPlaces = 0;
    // Two digits a byte, the first in the high nibble.
    std::uint8_t Fraction[32] = {};
};
static_assert(sizeof(TBcd) == 34);

// Plain decimal text: sign, digits, the settings' decimal separator; no
// exponent. A text that is no such number, or needs more than 64 digits
// before the point, fails (EConvertError); extra decimals are cut.
bool TryStrToBcd(std::string_view text, TBcd& value, const TFormatSettings& settings);
TBcd StrToBcd(std::string_view text, const TFormatSettings& settings);
// Every digit, trailing decimal zeros left out ("-12.5", "0").
std::string BcdToStr(const TBcd& value, const TFormatSettings& settings);

TBcd Int64ToBcd(std::int64_t value);
// The value's 15 significant digits; NaN and infinities raise EConvertError.
TBcd DoubleToBcd(double value);
double BcdToDouble(const TBcd& value);
// -1, 0 or 1; -0 equals 0.
int BcdCompare(const TBcd& a, const TBcd& b);
