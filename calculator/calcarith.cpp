#include "calculator/calcarith.h"

#include "calculator/calcerror.h"
#include "calculator/numbertext.h"

#include <climits>
#include <cmath>
#include <string>

namespace {

// 2^63: the 64-bit integer range and the processor's limit for reducing angles.
constexpr long double kTwoTo63 = 9223372036854775808.0L;
// 1754! is the largest factorial below the extended range.
constexpr std::int64_t kLargestFactorial = 1754;

[[noreturn]] void Fail(const std::string& what)
{
    throw ECalcError(what);
}

bool InInt64Range(long double whole)
{
    return whole >= -kTwoTo63 && whole < kTwoTo63;
}

// Square and multiply, as the processor's integer power does it.
long double IntPower(long double base, std::int64_t exponent)
{
    std::uint64_t n = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                   : static_cast<std::uint64_t>(exponent);
    long double result = 1;
    long double square = base;
    while (n != 0) {
        if (n & 1) {
            result *= square;
        }
        n >>= 1;
        if (n != 0) {
            square *= square;
        }
    }
    if (exponent >= 0) {
        return CheckedResult(result);
    }
    if (base == 0) {
        Fail("0 raised to a negative power");
    }
    if (result == 0) {
        Fail("power beyond the extended range");
    }
    if (std::isinf(result)) {
        // The true value is tiny, not a fault: go the other way round.
        return IntPower(1 / base, -exponent);
    }
    return 1 / result;
}

long double Radians(long double degrees)
{
    return degrees * kCalcPi / 180;
}

bool Reducible(long double radians)
{
    return std::fabs(radians) < kTwoTo63;
}

long double ToDegrees(long double radians)
{
    return radians * 180 / kCalcPi;
}

long double LogOperand(long double operand)
{
    if (operand <= 0) {
        Fail("logarithm of zero or of a negative number");
    }
    return operand;
}

// The operand of arcsin and arccos, with its partner sqrt(1 - x^2).
long double Complement(long double operand, const char* name)
{
    if (std::fabs(operand) > 1) {
        Fail(std::string(name).append(" of a value outside -1..1"));
    }
    return std::sqrt(1 - operand * operand);
}

}  // namespace

long double CheckedResult(long double value)
{
    if (std::isnan(value)) {
        Fail("invalid floating point operation");
    }
    if (std::isinf(value)) {
        Fail("result beyond the extended range");
    }
    return value;
}

std::int64_t Trunc64(long double value)
{
    const long double whole = std::trunc(value);
    if (!InInt64Range(whole)) {
        Fail(std::string("'").append(FloatToStr(value)).append("' cannot be truncated to a 64-bit integer"));
    }
    return static_cast<std::int64_t>(whole);
}

std::int64_t Round64(long double value)
{
    const long double whole = std::rint(value);
    if (!InInt64Range(whole)) {
        Fail(std::string("'").append(FloatToStr(value)).append("' cannot be rounded to a 64-bit integer"));
    }
    return static_cast<std::int64_t>(whole);
}

long double Factorial(long double operand)
{
    const std::int64_t n = Trunc64(operand);
    if (n > kLargestFactorial) {
        Fail(std::to_string(n) + "! is beyond the extended range");
    }
    long double product = 1;
    for (std::int64_t k = 2; k <= n; ++k) {
        product *= static_cast<long double>(k);
    }
    return product;
}

long double Power(long double base, long double exponent)
{
    if (exponent == 0) {
        return 1;
    }
    if (base == 0 && exponent > 0) {
        return 0;
    }
    const bool integral = std::trunc(exponent) == exponent;
    if (integral && std::fabs(exponent) <= INT_MAX) {
        return IntPower(base, static_cast<std::int64_t>(exponent));
    }
    if (base == 0) {
        Fail("0 raised to a negative power");
    }
    if (base < 0 && !integral) {
        Fail("non-integral power of a negative number");
    }
    // Integral exponents this large are odd only below 2^64.
    const bool negative = base < 0 && std::fabs(exponent) < 2 * kTwoTo63 &&
                          std::fmod(exponent, 2.0L) != 0;
    const long double magnitude = CheckedResult(std::exp(exponent * std::log(std::fabs(base))));
    return negative ? -magnitude : magnitude;
}

long double Modulo(long double left, long double right)
{
    const std::int64_t dividend = Trunc64(left);
    const std::int64_t divisor = Trunc64(right);
    if (divisor == 0) {
        Fail("remainder by zero");
    }
    // INT64_MIN % -1 traps on the processor; the remainder is 0.
    if (divisor == -1) {
        return 0;
    }
    return static_cast<long double>(dividend % divisor);
}

long double Multiply(long double left, long double right)
{
    return CheckedResult(left * right);
}

long double Divide(long double left, long double right)
{
    if (right == 0) {
        Fail(left == 0 ? "0/0 is undefined" : "division by zero");
    }
    return CheckedResult(left / right);
}

long double Add(long double left, long double right)
{
    return CheckedResult(left + right);
}

long double Subtract(long double left, long double right)
{
    return CheckedResult(left - right);
}

long double SquareRoot(long double operand)
{
    if (operand < 0) {
        Fail("square root of a negative number");
    }
    return std::sqrt(operand);
}

long double NaturalLog(long double operand)
{
    return std::log(LogOperand(operand));
}

long double Log2(long double operand)
{
    return std::log2(LogOperand(operand));
}

long double Log10(long double operand)
{
    return std::log10(LogOperand(operand));
}

long double SinDegrees(long double degrees)
{
    const long double radians = Radians(degrees);
    return Reducible(radians) ? std::sin(radians) : 0;
}

long double CosDegrees(long double degrees)
{
    const long double radians = Radians(degrees);
    return Reducible(radians) ? std::cos(radians) : 0;
}

long double TanDegrees(long double degrees)
{
    const long double radians = Radians(degrees);
    return Reducible(radians) ? CheckedResult(std::tan(radians)) : 0;
}

long double ArcTanDegrees(long double operand)
{
    return ToDegrees(std::atan(operand));
}

long double ArcSinDegrees(long double operand)
{
    return ToDegrees(std::atan2(operand, Complement(operand, "arcsin")));
}

long double ArcCosDegrees(long double operand)
{
    return ToDegrees(std::atan2(Complement(operand, "arccos"), operand));
}
