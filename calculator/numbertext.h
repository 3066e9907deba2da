// Numbers as the tape writes them: the text-to-float conversion the
// calculator's steps use, and rounding to n decimals.
#pragma once

// FloatToStr and TryStrToFloat are the class library's.
#include "classlib/floattext.h"

#include <string>
#include <string_view>

// StrToFloat with the process-wide settings, raising ECalcError.
long double StrToFloat(std::string_view text);

// RoundTo(x, -n), n = 0..15: factor 10^-n held as a double, x/factor rounded
// to an integer with ties to even, times the factor, as a double. Infinity
// (an extended result too large for a double) and NaN raise ECalcError.
double RoundTo(double value, int digit);
