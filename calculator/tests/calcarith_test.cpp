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

struct FailCase {
    const char* name;
    long double (*call)();
};

class CalcArithFailureTest : public testing::TestWithParam<FailCase> {};

TEST_P(CalcArithFailureTest, Fails)
{
    EXPECT_THROW(GetParam().call(), ECalcError) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CalcArithFailureTest,
    testing::Values(
        FailCase{"0 to a negative power", [] { return Power(0, -1); }},
        FailCase{"0 to a negative fraction", [] { return Power(0, -0.5L); }},
        FailCase{"fraction of a negative base", [] { return Power(-8, 1.0L / 3); }},
        FailCase{"power overflow", [] { return Power(10, 5000); }},
        FailCase{"exp overflow", [] { return Power(10, 5000.5L); }},
        FailCase{"division by zero", [] { return Divide(1, 0); }},
        FailCase{"0/0", [] { return Divide(0, 0); }},
        FailCase{"remainder by zero", [] { return Modulo(5, 0.9L); }},
        FailCase{"remainder beyond 64 bits", [] { return Modulo(1E19L, 3); }},
        FailCase{"product overflow", [] { return Multiply(1E4000L, 1E4000L); }},
        FailCase{"sum overflow", [] { return Add(std::numeric_limits<long double>::max(),
                                                std::numeric_limits<long double>::max()); }},
        FailCase{"square root of a negative", [] { return SquareRoot(-4); }},
        FailCase{"ln 0", [] { return NaturalLog(0); }},
        FailCase{"log2 of a negative", [] { return Log2(-1); }},
        FailCase{"log10 0", [] { return Log10(0); }},
        FailCase{"arcsin above 1", [] { return ArcSinDegrees(1.0000001L); }},
        FailCase{"arccos below -1", [] { return ArcCosDegrees(-2); }},
        FailCase{"trunc above 64 bits", [] { return static_cast<long double>(Trunc64(9223372036854775808.0L)); }},
        FailCase{"round below 64 bits", [] { return static_cast<long double>(Round64(-1E19L)); }}),
    [](const testing::TestParamInfo<FailCase>& info) { return std::string("Case").append(std::to_string(info.index)); });

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
