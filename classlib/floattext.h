// Floating-point numbers as text: the general format with 15 significant
// digits, and the text-to-float conversion.
#pragma once

#include <string>
#include <string_view>

struct TFormatSettings;

// General format, 15 significant digits: fixed notation for decimal exponents
// -3..15 of 0.d1d2..*10^D, otherwise scientific with a capital E ("1E15", "1E-5", "1.5E20").
// Zero (also -0) is "0"; infinities and NaN come out as "INF", "-INF" and "NAN".
// The decimal point is the settings' DecimalSeparator (the process-wide one
// when none are passed).
std::string FloatToStr(long double value);
std::string FloatToStr(long double value, const TFormatSettings& settings);
// The same with fewer significant digits (7 for a Single), 1..18.
std::string FloatToStrDigits(long double value, int digits, const TFormatSettings& settings);

// A finite value as decimal digits: value = 0.Digits * 10^Exponent, the
// digits rounded to at most significantDigits (1..18) without trailing
// zeros; zero is "0" with exponent 0.
struct TFloatRec {
    int Exponent = 0;
    bool Negative = false;
    std::string Digits;
};
TFloatRec FloatToDecimal(long double value, int significantDigits);

// Optional sign, digits, at most one decimal separator, optional exponent,
// blanks around allowed. Anything else, or a value beyond the extended range,
// fails, never a silent 0 (StrToFloat raises EConvertError). A value too small
// to represent becomes 0.
bool TryStrToFloat(std::string_view text, long double& value);
bool TryStrToFloat(std::string_view text, long double& value, const TFormatSettings& settings);
long double StrToFloat(std::string_view text, const TFormatSettings& settings);
