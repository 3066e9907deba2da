// The currency type: a 64-bit integer holding the value times 10000, so four
// decimals are exact.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

struct Currency {
    static constexpr std::int64_t Scale = 10000;
    std::int64_t Scaled = 0;

    friend constexpr auto operator<=>(Currency, Currency) = default;
};

// value × 10000 rounded with ties to even; a value outside the range (or NaN)
// raises EConvertError.
Currency DoubleToCurrency(double value);
bool TryDoubleToCurrency(long double value, Currency& result);
// The nearest extended and the nearest double.
long double CurrencyToExtended(Currency value);
double CurrencyToDouble(Currency value);

struct TFormatSettings;

// Plain text with up to four decimals, trailing decimal zeros left out
// ("-12.5", "0"), with the settings' decimal separator.
std::string CurrToStr(Currency value, const TFormatSettings& settings);
