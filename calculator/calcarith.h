// Extended-precision arithmetic of the evaluation passes. Every fault the
// hardware would trap on is an ECalcError saying what went wrong.
#pragma once

#include <cstdint>

// π as the processor holds it in extended precision.
inline constexpr long double kCalcPi = 3.14159265358979323846264338327950288L;

// Fails on results beyond the extended range and on invalid operations.
long double CheckedResult(long double value);

// Toward zero through a 64-bit integer; fails outside the 64-bit range.
std::int64_t Trunc64(long double value);
// To the nearest integer, ties to even, through a 64-bit integer.
std::int64_t Round64(long double value);

long double Factorial(long double operand);
long double Power(long double base, long double exponent);
// Remainder of the truncated operands; takes the sign of the left one.
long double Modulo(long double left, long double right);
long double Multiply(long double left, long double right);
long double Divide(long double left, long double right);
long double Add(long double left, long double right);
long double Subtract(long double left, long double right);

long double SquareRoot(long double operand);
long double NaturalLog(long double operand);
long double Log2(long double operand);
long double Log10(long double operand);

// Trigonometry in degrees. Angles the processor cannot reduce give 0.
long double SinDegrees(long double degrees);
long double CosDegrees(long double degrees);
long double TanDegrees(long double degrees);
long double ArcTanDegrees(long double operand);
long double ArcSinDegrees(long double operand);
long double ArcCosDegrees(long double operand);
