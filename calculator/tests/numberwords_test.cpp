#include "calculator/numberwords.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calculator/calcerror.h"

namespace {

struct MoneyCase {
    double amount;
    const char* words;
};

class MoneywordsTest : public testing::TestWithParam<MoneyCase> {};

TEST_P(MoneywordsTest, Words)
{
    EXPECT_EQ(moneywords(GetParam().amount), GetParam().words) << GetParam().amount;
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, MoneywordsTest,
    testing::Values(
        MoneyCase{1234.56, "壹仟贰佰叁拾肆元伍角陆分"},
        MoneyCase{100, "壹佰元"},
        MoneyCase{5.05, "伍元零伍分"},
        MoneyCase{5.5, "伍元伍角"},
        MoneyCase{0.5, "元伍角"},
        MoneyCase{0.05, "元零伍分"},
        MoneyCase{0, "元"},
        MoneyCase{10.1, "壹拾元壹角"},
        MoneyCase{15, "壹拾伍元"},
        // The sign is the caller's.
        MoneyCase{-12.5, "壹拾贰元伍角"},
        // Cents are rounded with the tape's rounding: this tie goes down.
        MoneyCase{0.125, "元壹角贰分"},
        MoneyCase{10000, "壹万元"},
        MoneyCase{1200000, "壹佰贰拾万元"},
        // 壹 before 拾 is dropped at the hundred-thousands place only.
        MoneyCase{150000, "拾伍万元"},
        MoneyCase{2150000, "贰佰拾伍万元"},
        MoneyCase{100000000, "壹亿元"},
        MoneyCase{100010000, "壹亿零壹万元"},
        MoneyCase{100000123, "壹亿零壹佰贰拾叁元"},
        MoneyCase{1000000000, "壹拾亿元"},
        MoneyCase{1000000000000, "壹万亿元"},
        // Fourteen digits and more: the leading digits get no unit.
        MoneyCase{12345678901234, "壹贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元"},
        MoneyCase{10000000000000, "壹亿元"}));

struct NumberCase {
    const char* text;
    const char* words;
};

class NumberwordsTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberwordsTest, Words)
{
    EXPECT_EQ(numberwords(GetParam().text), GetParam().words) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberwordsTest,
    testing::Values(
        NumberCase{"12", "壹拾贰点"},
        NumberCase{"12.5", "壹拾贰点伍"},
        NumberCase{"1.05", "壹点零伍"},
        // Decimals get no units, and a run of zeros is one 零.
        NumberCase{"1.005", "壹点零伍"},
        NumberCase{"100.05", "壹佰点零伍"},
        NumberCase{"10.50", "壹拾点伍零"},
        NumberCase{"0.5", "点伍"},
        NumberCase{"0", "点"},
        NumberCase{"150000", "拾伍万点"},
        NumberCase{"2150000", "贰佰拾伍万点"},
        NumberCase{"100000123", "壹亿零壹佰贰拾叁点"},
        NumberCase{"1000000000", "壹拾亿点"},
        NumberCase{"9876543210", "玖拾捌亿柒仟陆佰伍拾肆万叁仟贰佰壹拾点"},
        // The general format's exponent form of a whole number reads by its value.
        NumberCase{"1E15", "壹亿点"},
        // Without a point there are no decimals to read, whatever the value.
        NumberCase{"2E-5", "点"},
        NumberCase{"1E-15", "点"},
        NumberCase{"3E2", "叁佰点"}));

TEST(Numberwords, FitsUpToSixtyFourBits)
{
    EXPECT_NO_THROW(numberwords("9200000000000000000"));
    EXPECT_NO_THROW(moneywords(9.2e18));
}

TEST(Numberwords, WhatCannotBecomeWordsIsAnError)
{
    const char* const texts[] = {
        "1.5E20",              // exponent after a point, and beyond 64 bits
        "1.5E3",               // exponent after a point
        "1.5E-5",              // exponent after a point
        "1E19",                // integer part beyond 64 bits
        "9223372036854775808", // 2^63
        "abc", "", "1.5x", "1.2.3"};
    for (const char* text : texts) {
        EXPECT_THROW(numberwords(text), ECalcError) << text;
    }
}

TEST(Moneywords, WhatCannotBecomeWordsIsAnError)
{
    const double amounts[] = {1e19, -1e19, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (const double amount : amounts) {
        EXPECT_THROW(moneywords(amount), ECalcError) << amount;
    }
}

} // namespace
