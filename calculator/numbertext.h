// Numbers as the tape writes them: the general format with 15 significant
// digits, the text-to-float conversion, and rounding to n decimals.
#pragma once

#include <string>
#include <string_view>

// General format, 15 significant digits: fixed notation for decimal exponents
// -3..15 of 0.d1d2..*10^D, otherwise scientific with a capital E ("1E15", "1E-5", "1.5E20").
// Zero (also -0) is "0"; infinities and NaN come out as "INF", "-INF" and "NAN".
std::string FloatToStr(long double value);

// Optional sign, digits, at most one decimal point, optional exponent, blanks
// around allowed. Anything else, or a value beyond the extended range, raises
// ECalcError, never a silent 0. A value too small to represent becomes 0.
long double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, long double& value);

// RoundTo(x, -n), n = 0..15: factor 10^-n held as a double, x/factor rounded
// to an integer with ties to even, times the factor, as a double. Infinity
// (an extended result too large for a double) and NaN raise ECalcError.
double RoundTo(double value, int digit);
