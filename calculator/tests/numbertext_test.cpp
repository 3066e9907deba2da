#include "calculator/calcerror.h"
#include "calculator/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    long double value;
    const char* text;
};

class FloatToStrTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatToStrTest, GeneralFormatWith15Digits)
{
    EXPECT_EQ(FloatToStr(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloatToStrTest,
    testing::Values(
        FormatCase{0.0L, "0"}, FormatCase{-0.0L, "0"}, FormatCase{1.0L, "1"}, FormatCase{-1.0L, "-1"},
        FormatCase{100.0L, "100"}, FormatCase{1234.5L, "1234.5"}, FormatCase{-0.75L, "-0.75"},
        // Fixed notation from 0.0001 up to 15 integer digits, scientific outside.
        FormatCase{1E15L, "1E15"}, FormatCase{1E14L, "100000000000000"}, FormatCase{1E-5L, "1E-5"},
        FormatCase{0.0001L, "0.0001"}, FormatCase{0.001L, "0.001"}, FormatCase{1.5E20L, "1.5E20"},
        FormatCase{-1.5E-7L, "-1.5E-7"}, FormatCase{-0.00012345L, "-0.00012345"},
        FormatCase{123456789012345.0L, "123456789012345"},
        FormatCase{-123456789012345.0L, "-123456789012345"},
        FormatCase{999999999999999.0L, "999999999999999"},
        FormatCase{12345678901234567890.0L, "1.23456789012346E19"},
        FormatCase{1E4000L, "1E4000"}, FormatCase{-2.5E-4000L, "-2.5E-4000"},
        // Rounding to 15 digits may carry into a new digit, and a new notation.
        FormatCase{9.999999999999999L, "10"}, FormatCase{9999999999999999.0L, "1E16"},
        FormatCase{0.00009999999999999999L, "0.0001"}, FormatCase{2.0L / 3.0L, "0.666666666666667"},
        FormatCase{0.1L + 0.2L, "0.3"},
        // An exact tie at the 15th digit goes to the even digit, in both builds alike.
        FormatCase{1234567890123425.0L, "1.23456789012342E15"},
        FormatCase{1234567890123435.0L, "1.23456789012344E15"}, FormatCase{3.14159265358979323846L, "3.14159265358979"},
        FormatCase{std::numeric_limits<long double>::infinity(), "INF"},
        FormatCase{-std::numeric_limits<long double>::infinity(), "-INF"}));

struct ParseCase {
    const char* text;
    long double value;
};

class StrToFloatTest : public testing::TestWithParam<ParseCase> {};

TEST_P(StrToFloatTest, Converts)
{
    EXPECT_EQ(StrToFloat(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, StrToFloatTest,
    testing::Values(ParseCase{"1", 1.0L}, ParseCase{"  12.5  ", 12.5L}, ParseCase{"1.", 1.0L},
                    ParseCase{".5", 0.5L}, ParseCase{"+3", 3.0L}, ParseCase{"-3", -3.0L},
                    ParseCase{"1E5", 1E5L}, ParseCase{"1e-5", 1E-5L}, ParseCase{"1.5E+20", 1.5E20L},
                    ParseCase{"0.1", 0.1L}, ParseCase{"007", 7.0L}, ParseCase{"0.000", 0.0L},
                    ParseCase{"3.14159265358979", 3.14159265358979L},
                    ParseCase{"1E-5000", 0.0L}, ParseCase{"1E4000", 1E4000L}));

class RejectedTextTest : public testing::TestWithParam<const char*> {};

TEST_P(RejectedTextTest, FailsInsteadOfGivingZero)
{
    long double value = 42;
    EXPECT_FALSE(TryStrToFloat(GetParam(), value));
    EXPECT_EQ(value, 42);
    EXPECT_THROW(StrToFloat(GetParam()), ECalcError);
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, RejectedTextTest,
    testing::Values("", " ", ".", "-", "1.2.3", "1E", "E5", "1E+", "abc", "12 apples", "1 2",
                    "0x10", "INF", "NAN", "1,5", "--1", "+-1", "1E5.5", "1E5000", "\t1", "\xA3\xB1"));

TEST(StrToFloatTest, VeryLongDigitRunsStayExact)
{
    EXPECT_EQ(StrToFloat(std::string("1.").append(100000, '0').append("1")), 1.0L);
    EXPECT_EQ(StrToFloat(std::string("0.").append(100000, '0').append("1")), 0.0L);
    EXPECT_EQ(StrToFloat(std::string(4000, '0').append("25000")), 25000.0L);
    const long double third = StrToFloat(std::string("0.").append(100000, '3'));
    EXPECT_EQ(third, 1.0L / 3.0L);
    long double value = 0;
    EXPECT_FALSE(TryStrToFloat(std::string(100000, '9'), value));
}

TEST(StrToFloatTest, ReadsBackWhatFloatToStrWrites)
{
    for (long double v : {1.0L / 7.0L, -123.456L, 6.02214076E23L, 1.6E-19L, 81.6410161513776L}) {
        const std::string text = FloatToStr(v);
        EXPECT_EQ(FloatToStr(StrToFloat(text)), text);
    }
}

struct RoundCase {
    double value;
    int digit;
    const char* text;
};

class RoundToTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToTest, FactorHeldAsDoubleTiesToEven)
{
    EXPECT_EQ(FloatToStr(RoundTo(GetParam().value, GetParam().digit)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToTest,
    testing::Values(RoundCase{2.675, -2, "2.67"}, RoundCase{0.125, -2, "0.12"},
                    RoundCase{0.375, -2, "0.37"}, RoundCase{0.75, -1, "0.7"}, RoundCase{2.5, 0, "2"},
                    RoundCase{3.5, 0, "4"}, RoundCase{-2.5, 0, "-2"}, RoundCase{5.5, 0, "6"},
                    RoundCase{1.005, -2, "1"}, RoundCase{1234.5678, -2, "1234.57"},
                    RoundCase{-1234.5678, -3, "-1234.568"}, RoundCase{81.6410161513776, -2, "81.64"},
                    RoundCase{0.1 + 0.2, -15, "0.3"}, RoundCase{0.123456789012345678, -15, "0.123456789012346"},
                    RoundCase{1E20, -2, "1E20"}, RoundCase{-1E300, -15, "-1E300"}));

TEST(RoundToTest, NeverGivesNegativeZero)
{
    EXPECT_FALSE(std::signbit(RoundTo(-0.4, 0)));
    EXPECT_FALSE(std::signbit(RoundTo(-0.001, -2)));
}

TEST(RoundToTest, NothingToRoundFails)
{
    EXPECT_THROW(RoundTo(static_cast<double>(1E4000L), -2), ECalcError);
    EXPECT_THROW(RoundTo(std::nan(""), 0), ECalcError);
}

TEST(RoundToTest, DigitOutsideTheRangeFails)
{
    EXPECT_THROW(RoundTo(1.0, 1), ECalcError);
    EXPECT_THROW(RoundTo(1.0, -16), ECalcError);
}

}  // namespace
