// Numbers as the tape writes them: the general format with 15 significant
// digits, the text-to-float conversion, and rounding to n decimals.
#pragma once

#include <string>

// General format, 15 significant digits: fixed notation for decimal exponents
// -3..15 of 0.d1d2..*10^D, otherwise scientific with a capital E ("1E15", "1E-5", "1.5E20").
std::string FloatToStr(long double value);

// Digits, at most one decimal point, optional exponent, blanks around allowed.
// Anything else raises ECalcError, never a silent 0.
long double StrToFloat(const std::string& text);
bool TryStrToFloat(const std::string& text, long double& value);

// RoundTo(x, -n), n = 0..15: factor 10^-n held as a double, x/factor rounded
// to an integer with ties to even, times the factor, as a double.
double RoundTo(double value, int digit);
