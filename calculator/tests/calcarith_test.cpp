#include "calculator/calcarith.h"
#include "calculator/calcerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(CalcArithTest, PiIsTheProcessorsExtendedConstant)
{
    EXPECT_EQ(kCalcPi, 0xC.90FDAA22168C235p-2L);
}

TEST(CalcArithTest, FactorialStopsAtTheExtendedRange)
{
    EXPECT_TRUE(std::isfinite(Factorial(1754)));
    EXPECT_GT(Factorial(1754), 1E4930L);
    EXPECT_THROW(Factorial(1755), ECalcError);
    // Beyond 32 bits the count must not wrap round to a small one (4294967299 -> 3).
    EXPECT_THROW(Factorial(4294967299.0L), ECalcError);
    EXPECT_EQ(Factorial(-4294967294.0L), 1);
    EXPECT_EQ(Factorial(5.9L), 120);
    EXPECT_THROW(Factorial(1E19L), ECalcError);
}

TEST(CalcArithTest, PowerRules)
{
    EXPECT_EQ(Power(2, 10), 1024);
    EXPECT_EQ(Power(-2, 3), -8);
    EXPECT_EQ(Power(-2, -2), 0.25L);
    EXPECT_EQ(Power(0, 5), 0);
    EXPECT_EQ(Power(0, 0), 1);
    EXPECT_EQ(Power(7, 0), 1);
    EXPECT_EQ(Power(1, 1E4000L), 1);
    EXPECT_NEAR(static_cast<double>(Power(2, 0.5L)), std::sqrt(2.0), 1E-15);
    // Integral exponents beyond 32 bits keep the sign their parity gives.
    EXPECT_EQ(Power(-1, 4294967297.0L), -1);
    EXPECT_EQ(Power(-1, 4294967296.0L), 1);
}

TEST(CalcArithTest, TinyPowersBecomeZeroInsteadOfFailing)
{
    // 10^5000 overflows on the way, but the value 10^-5000 is merely too small.
    EXPECT_EQ(Power(10, -5000), 0);
    EXPECT_EQ(Power(10, -5000.5L), 0);
    EXPECT_GT(Power(10, -4940), 0);
    EXPECT_THROW(Power(0.5L, -20000), ECalcError);
}

TEST(CalcArithTest, SixtyFourBitEdges)
{
    EXPECT_EQ(Trunc64(9223372036854775807.0L), INT64_MAX);
    EXPECT_EQ(Trunc64(-9223372036854775808.0L), INT64_MIN);
    EXPECT_EQ(Trunc64(-2.9L), -2);
    EXPECT_EQ(Round64(2.5L), 2);
    EXPECT_EQ(Round64(-3.5L), -4);
    // INT64_MIN % -1 traps the processor; the remainder is 0.
    EXPECT_EQ(Modulo(-9223372036854775808.0L, -1), 0);
    EXPECT_EQ(Modulo(-17, 5), -2);
    EXPECT_EQ(Modulo(17, -5), 2);
}

TEST(CalcArithTest, TrigonometryInDegrees)
{
    EXPECT_EQ(SinDegrees(1E30L), 0);  // beyond what the processor can reduce
    EXPECT_EQ(CosDegrees(-1E30L), 0);
    EXPECT_EQ(TanDegrees(1E4000L), 0);
    EXPECT_NEAR(static_cast<double>(ArcSinDegrees(1)), 90.0, 1E-15);
    EXPECT_NEAR(static_cast<double>(ArcCosDegrees(-1)), 180.0, 1E-13);
    EXPECT_NEAR(static_cast<double>(ArcTanDegrees(1)), 45.0, 1E-15);
}

}  // namespace
