#include "calculator/numbertext.h"

#include "calculator/calcerror.h"
#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"

#include <cmath>
#include <string>

namespace {
constexpr int kSignificantDigits = 15;
}  // namespace

long double StrToFloat(std::string_view text)
{
    // The calculator reports its own error type for every failed step.
    try {
        return StrToFloat(text, FormatSettings());
    } catch (const EConvertError& e) {
        throw ECalcError(e.what());
    }
}

double RoundTo(double value, int digit)
{
    if (digit > 0 || digit < -kSignificantDigits) {
        throw ECalcError(std::string("RoundTo: digit ").append(std::to_string(digit)).append(" is outside -15..0"));
    }
    // A result beyond the double range arrives here as infinity.
    if (!std::isfinite(value)) {
        throw ECalcError("RoundTo: value beyond the double range");
    }
    long double power = 1;
    for (int n = 0; n < -digit; ++n) {
        power *= 10;
    }
    const double factor = static_cast<double>(1 / power);
    const long double quotient = static_cast<long double>(value) / factor;
    // rintl: the processor's rounding, ties to even. Quotients beyond 64 bits are
    // whole numbers already and stay as they are instead of failing.
    long double whole = std::rintl(quotient);
    if (whole == 0) {
        whole = 0;  // no "-0" on the tape
    }
    return static_cast<double>(whole * factor);
}
