#include "calculator/calcarith.h"
#include "calculator/calcengine.h"
#include "calculator/calcerror.h"
#include "calculator/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The road of one calculation: tokens from the tape, then the value.
struct Calculation {
    TCalcEngine engine;
    std::vector<std::string> messages;

    Calculation()
    {
        engine.onLeftoverTokens = [this](const std::string& message) { messages.push_back(message); };
    }

    long double Evaluate(const std::string& tape)
    {
        engine.splitexpr(tape, tape.size());
        return engine.calcbracket();
    }
};

struct ValueCase {
    const char* tape;
    const char* value;  // the value handed back, as the number text it equals exactly
};

class EvaluateTest : public testing::TestWithParam<ValueCase> {};

TEST_P(EvaluateTest, Value)
{
    Calculation calculation;
    const long double value = calculation.Evaluate(GetParam().tape);
    EXPECT_EQ(value, StrToFloat(GetParam().value)) << GetParam().tape << " gave " << FloatToStr(value);
    ASSERT_EQ(calculation.engine.explist.size(), 1u);
    EXPECT_TRUE(calculation.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, EvaluateTest,
    testing::Values(
        ValueCase{"2+3*4", "14"}, ValueCase{"2^3^2", "64"}, ValueCase{"8/2*4", "16"},
        ValueCase{"20+30*(2.3+3.8)/15+50", "82.2"},
        ValueCase{"30+45/(2+3)+40*sin(60)+2^3", "81.6410161513776"},
        ValueCase{"sin(30)", "0.5"}, ValueCase{"sin(180)", "0"}, ValueCase{"cos(90)", "0"},
        ValueCase{"cos(180)", "-1"}, ValueCase{"tan(45)", "1"}, ValueCase{"tan(180)", "0"},
        ValueCase{"arctan(1)", "45"}, ValueCase{"3!", "6"}, ValueCase{"0!", "1"}, ValueCase{"(2-5)!", "1"},
        ValueCase{"17%5", "2"}, ValueCase{"(2-19)%5", "-2"}, ValueCase{"17%(2-7)", "2"},
        ValueCase{"round(2.5)", "2"}, ValueCase{"round(3.5)", "4"}, ValueCase{"frac(2-4.75)", "-0.75"},
        ValueCase{"int(1-3.7)", "-2"}, ValueCase{"2*Pi", "6.28318530717958"}, ValueCase{"2sin(30)", "30"},
        ValueCase{"1+2=3\r\n4+\r\n5", "9"}, ValueCase{"7*7=49\r\n1+1\xA1\xE0" "6/4", "1.5"}));

INSTANTIATE_TEST_SUITE_P(
    MorePasses, EvaluateTest,
    testing::Values(
        ValueCase{"3!!", "720"}, ValueCase{"2^10", "1024"}, ValueCase{"2^(0-2)", "0.25"},
        ValueCase{"4^0.5", "2"}, ValueCase{"0^3", "0"}, ValueCase{"(0-2)^3", "-8"},
        ValueCase{"sqr(3)+sqrt(16)", "13"}, ValueCase{"Sqr(2)^2", "16"}, ValueCase{"trunc(9.99)", "9"},
        ValueCase{"abs(3-10)", "7"}, ValueCase{"sin(0-30)", "-0.5"}, ValueCase{"cos(60)", "0.5"},
        ValueCase{"cos(270)", "0"}, ValueCase{"tan(0-45)", "-1"}, ValueCase{"arcsin(0.5)", "30"},
        ValueCase{"arcsin(1)", "90"}, ValueCase{"arccos(0.5)", "60"}, ValueCase{"arccos(0)", "90"},
        ValueCase{"ln(1)", "0"}, ValueCase{"log2(1024)", "10"}, ValueCase{"log10(1000)", "3"},
        ValueCase{"sqrt(2)", "1.4142135623731"}, ValueCase{"1/3", "0.333333333333333"},
        ValueCase{"1/3*3", "0.999999999999999"},  // every step is cut to 15 digits
        ValueCase{"10-2-3", "5"}, ValueCase{"2+3!*2^2", "26"}, ValueCase{"((((1+2))))*2", "6"},
        ValueCase{"(1+(2*(3+4)))*2", "30"}, ValueCase{"sin(sqrt(900))", "0.5"},
        ValueCase{"1E15+1", "1E15"}, ValueCase{"0.1+0.2", "0.3"}, ValueCase{"20!", "2.43290200817664E18"},
        ValueCase{"int(12345678901234.9)", "12345678901234"}, ValueCase{"42", "42"},
        ValueCase{"10^(0-5000)", "0"}, ValueCase{"round(0-0.4)", "0"}, ValueCase{"1E4000*10", "1E4001"}));

TEST(EvaluateTest, LonePiKeepsFullPrecision)
{
    Calculation calculation;
    EXPECT_EQ(calculation.Evaluate("Pi"), kCalcPi);
    EXPECT_EQ(calculation.Evaluate("pi"), kCalcPi);
    // In brackets it goes through a pass and is cut to 15 digits.
    EXPECT_EQ(calculation.Evaluate("(PI)"), StrToFloat("3.14159265358979"));
}

TEST(EvaluateTest, ExactZerosOfTheAngleTests)
{
    Calculation calculation;
    for (const char* tape : {"sin(180)", "sin(0-360)", "cos(90)", "cos(0-270)", "tan(180)"}) {
        const long double value = calculation.Evaluate(tape);
        EXPECT_EQ(value, 0) << tape;
        EXPECT_FALSE(std::signbit(value)) << tape;
    }
}

TEST(EvaluateTest, LeftoverTokensReportOncePerGroupAndTakeTheFirst)
{
    Calculation calculation;
    EXPECT_EQ(calculation.Evaluate("(2+3))"), 5);
    ASSERT_EQ(calculation.messages.size(), 1u);
    // The window shows it byte for byte in GBK.
    EXPECT_EQ(calculation.messages[0],
              "\xC4\xFA\xB5\xC4\xB1\xED\xB4\xEF\xCA\xBD\xD3\xD0\xCE\xCA\xCC\xE2\xBB\xF2\xCF\xB5\xCD\xB3"
              "\xB2\xBB\xD6\xA7\xB3\xD6\xD5\xE2\xD6\xD6\xB1\xED\xB4\xEF\xCA\xBD\xA3\xA1");

    calculation.messages.clear();
    EXPECT_EQ(calculation.Evaluate("(6)clear"), 6);
    EXPECT_EQ(calculation.messages.size(), 1u);
}

TEST(EvaluateTest, LeftoverInEveryGroupReportsEachTime)
{
    Calculation calculation;
    EXPECT_EQ(calculation.Evaluate("((7)quit)+((2)exit)"), 9);
    EXPECT_EQ(calculation.messages.size(), 2u);
}

TEST(EvaluateTest, WithoutCallbackLeftoversStillEvaluate)
{
    TCalcEngine engine;
    engine.splitexpr("8)", 2);
    EXPECT_EQ(engine.calcbracket(), 8);
    EXPECT_EQ(engine.explist, TTokenList{"8"});
}

TEST(EvaluateTest, ListHoldsTheResultTextAfterwards)
{
    Calculation calculation;
    calculation.Evaluate("1/3");
    EXPECT_EQ(calculation.engine.explist, TTokenList{"0.333333333333333"});
}

TEST(EvaluateTest, CalclistRewritesItsListInPlace)
{
    TCalcEngine engine;
    TTokenList list = {"2", "+", "3", "*", "4"};
    EXPECT_EQ(engine.calclist(list), 14);
    EXPECT_EQ(list, TTokenList{"14"});
}

TEST(EvaluateTest, TanOfNinetyLeavesItsTextAndFails)
{
    TCalcEngine engine;
    TTokenList list = {"TAN", "90"};
    EXPECT_THROW(engine.calclist(list), ECalcError);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0], "Tan()\xCA\xE4\xC8\xEB\xCE\xDE\xD0\xA7");
}

class FailureTest : public testing::TestWithParam<const char*> {};

TEST_P(FailureTest, FailsTheEvaluation)
{
    Calculation calculation;
    EXPECT_THROW(calculation.Evaluate(GetParam()), ECalcError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, FailureTest,
    testing::Values("1/0", "0/0", "5%0", "5%0.5", "sqrt(0-4)", "ln(0)", "ln(0-1)", "log2(0)",
                    "log10(0-5)", "arcsin(2)", "arccos(0-1.5)", "(0-8)^0.5", "0^(0-1)", "0^(0-0.5)",
                    "1755!", "4294967299!", "int(9223372036854775807)", "1E4932+1E4932", "0-1E4932-1E4932", "10^5000", "1E4932*10", "int(1E19)", "trunc(0-1E19)",
                    "round(1E19)", "1E19%3", "3%1E19", "1E19!", "tan(90)", "tan(0-270)"));

INSTANTIATE_TEST_SUITE_P(
    Malformed, FailureTest,
    testing::Values("frac(-2.75)", "(-2)", "12 apples+3", "+", "2+", "*3", "!", "CLEAR", "2+CLEAR",
                    "sin", "sin()", "(", ")", "()", "2+()", "(2+3", ")2+3(", "(1)+(2", "((2)",
                    "sqrt(sqrt)", "2^^3", "(1/0)+(2)exit"));

TEST(EvaluateTest, EmptyListIsAnError)
{
    TCalcEngine engine;
    engine.splitexpr("SETFONT", 7);
    EXPECT_TRUE(engine.explist.empty());
    EXPECT_THROW(engine.calcbracket(), ECalcError);
    TTokenList empty;
    EXPECT_THROW(engine.calclist(empty), ECalcError);
}

TEST(EvaluateTest, FailuresSayWhatWentWrong)
{
    Calculation calculation;
    const auto message = [&calculation](const char* tape) {
        try {
            calculation.Evaluate(tape);
        } catch (const ECalcError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("1/0"), "division by zero");
    EXPECT_EQ(message("0/0"), "0/0 is undefined");
    EXPECT_EQ(message("(2+3"), "'(' without a matching ')'");
    EXPECT_EQ(message("2*()"), "empty brackets '()'");
    EXPECT_EQ(message("2+"), "'+' has no right operand");
    EXPECT_EQ(message("(-2)"), "'-' has no left operand");
    EXPECT_EQ(message("2+clear"), "'clear' is not a valid floating point value");
}

}  // namespace
