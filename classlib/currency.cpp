#include "classlib/currency.h"

#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"

#include <cmath>

namespace {
// 2^63 as an extended: the first scaled value past the range.
constexpr long double kScaledLimit = 9223372036854775808.0L;
}  // namespace

bool TryDoubleToCurrency(long double value, Currency& result)
{
    // rintl rounds by the current mode, which is to nearest with ties to even.
    const long double scaled = std::rintl(value * Currency::Scale);
    if (!(scaled >= -kScaledLimit && scaled < kScaledLimit)) {
        return false;
    }
    result.Scaled = static_cast<std::int64_t>(scaled);
    return true;
}

Currency DoubleToCurrency(double value)
{
    Currency result;
    if (!TryDoubleToCurrency(value, result)) {
        throw EConvertError("Floating point value out of the currency range");
    }
    return result;
}

long double CurrencyToExtended(Currency value)
{
    return static_cast<long double>(value.Scaled) / Currency::Scale;
}

double CurrencyToDouble(Currency value)
{
    return static_cast<double>(CurrencyToExtended(value));
}

std::string CurrToStr(Currency value, const TFormatSettings& settings)
{
    const bool negative = value.Scaled < 0;
    // Unsigned, so the most negative value has its magnitude too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value.Scaled) : static_cast<std::uint64_t>(value.Scaled);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / Currency::Scale);
    std::string decimals = std::to_string(magnitude % Currency::Scale + Currency::Scale).substr(1);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (!decimals.empty()) {
        text += settings.DecimalSeparator;
        text += decimals;
    }
    return text;
}
