// The 10-byte x87 extended number of the typed streams, converted by hand so
// that both builds read and write it alike whatever long double is.
#pragma once

#include <cstdint>

constexpr int cxExtendedSize = 10;

// Rounds to the nearest double (ties to even); beyond the double range gives
// +-Inf, below it +-0 or a subnormal; a NaN stays a NaN.
double cxExtendedToDouble(const std::uint8_t (&bytes)[cxExtendedSize]);
// Exact: every double is an extended.
void cxDoubleToExtended(double value, std::uint8_t (&bytes)[cxExtendedSize]);
