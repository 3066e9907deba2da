#include "editors/controls/spin/cxspinvalue.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

// 2^63: the first value past the Int64 range.
constexpr long double kInt64Limit = 9223372036854775808.0L;

// A sum, or the side of the type's range it left.
template <class T>
struct TSum {
    T Value{};
    int Beyond = 0;
};

TSum<std::int64_t> Add(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return {0, b < 0 ? -1 : 1};
    return {sum, 0};
}

// Infinite sums compare beyond any finite bound.
TSum<double> Add(double a, double b)
{
    return {a + b, 0};
}

template <class T>
std::optional<TcxSpinNumber> StepWithin(T value, T step, T lower, T upper, TcxSpinBoundsMode mode)
{
    if (value < lower)
        value = mode == sbmWrap ? upper : lower;
    else if (value > upper)
        value = mode == sbmWrap ? lower : upper;
    const TSum<T> sum = Add(value, step);
    if (sum.Value != sum.Value)
        return std::nullopt;
    const bool below = sum.Beyond < 0 || (sum.Beyond == 0 && sum.Value < lower);
    const bool above = sum.Beyond > 0 || (sum.Beyond == 0 && sum.Value > upper);
    if (!below && !above)
        return sum.Value;
    switch (mode) {
    case sbmClamp:
        return below ? lower : upper;
    case sbmWrap:
        return below ? upper : lower;
    case sbmNone:
        break;
    }
    return std::nullopt;
}

} // namespace

TcxSpinBoundsMode cxSpinBoundsMode(bool circular, bool hasDefaultBounds)
{
    if (circular)
        return sbmWrap;
    return hasDefaultBounds ? sbmClamp : sbmNone;
}

std::optional<std::int64_t> cxSaturatedInt64(long double value)
{
    if (std::isnan(value))
        return std::nullopt;
    // Ties to even, as the processor rounds by default.
    const long double whole = std::rintl(value);
    if (whole >= kInt64Limit)
        return INT64_MAX;
    if (whole < -kInt64Limit)
        return INT64_MIN;
    return static_cast<std::int64_t>(whole);
}

double cxSpinNumberAsDouble(const TcxSpinNumber& value)
{
    return std::visit([](auto v) { return static_cast<double>(v); }, value);
}

std::optional<TcxSpinNumber> cxToSpinValueType(const TcxSpinNumber& value, TcxSpinEditValueType type)
{
    if (type == vtFloat)
        return cxSpinNumberAsDouble(value);
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        return *whole;
    const auto saturated = cxSaturatedInt64(std::get<double>(value));
    if (!saturated)
        return std::nullopt;
    return *saturated;
}

double cxSpinIncrement(const TcxSpinSettings& settings, TcxSpinButtonKind kind)
{
    const bool fast = kind == sbkFastBackward || kind == sbkFastForward;
    double step = fast ? settings.LargeIncrement : settings.Increment;
    if (settings.ValueType == vtInt)
        step = std::rint(step);
    const bool backward = kind == sbkBackward || kind == sbkFastBackward;
    return backward ? -step : step;
}

std::optional<TcxSpinRange> cxSpinRange(const TcxSpinSettings& settings)
{
    const bool minApplies = IsBoundApplied(settings.Bounds, 0);
    const bool maxApplies = IsBoundApplied(settings.Bounds, 1);
    if (settings.ValueType == vtFloat) {
        const double lower = minApplies ? settings.Bounds.MinValue : -DBL_MAX;
        const double upper = maxApplies ? settings.Bounds.MaxValue : DBL_MAX;
        if (!(lower <= upper))
            return std::nullopt;
        return TcxSpinRange{lower, upper};
    }
    const auto lower = minApplies ? cxSaturatedInt64(settings.Bounds.MinValue) : std::int64_t{INT32_MIN};
    const auto upper = maxApplies ? cxSaturatedInt64(settings.Bounds.MaxValue) : std::int64_t{INT32_MAX};
    if (!lower || !upper || *lower > *upper)
        return std::nullopt;
    return TcxSpinRange{*lower, *upper};
}

std::optional<TcxSpinNumber> cxSpinStepBy(const TcxSpinSettings& settings, const TcxSpinNumber& value, double step)
{
    const auto range = cxSpinRange(settings);
    const auto typed = cxToSpinValueType(value, settings.ValueType);
    const auto typedStep = cxToSpinValueType(step, settings.ValueType);
    if (!range || !typed || !typedStep)
        return std::nullopt;
    if (settings.ValueType == vtFloat) {
        const double v = std::get<double>(*typed);
        if (std::isnan(v) || std::isnan(step))
            return std::nullopt;
        return StepWithin(v, step, std::get<double>(range->Lower), std::get<double>(range->Upper),
                          settings.BoundsMode);
    }
    return StepWithin(std::get<std::int64_t>(*typed), std::get<std::int64_t>(*typedStep),
                      std::get<std::int64_t>(range->Lower), std::get<std::int64_t>(range->Upper),
                      settings.BoundsMode);
}

std::optional<TcxSpinNumber> cxSpinStep(const TcxSpinSettings& settings, const TcxSpinNumber& value,
                                        TcxSpinButtonKind kind)
{
    return cxSpinStepBy(settings, value, cxSpinIncrement(settings, kind));
}
