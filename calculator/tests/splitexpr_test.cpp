#include "calculator/calcengine.h"
#include "calculator/calckeywords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::size_t kAtEnd = static_cast<std::size_t>(-1);

struct SplitCase {
    const char* name;
    std::string tape;
    std::size_t caret;  // kAtEnd: after the last byte
    const char* tokens;  // joined by "|"
};

std::string Joined(const TTokenList& list)
{
    std::string text;
    for (const std::string& token : list) {
        text += (text.empty() ? "" : "|") + token;
    }
    return text;
}

class SplitExprTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitExprTest, Tokens)
{
    const SplitCase& c = GetParam();
    TCalcEngine engine;
    engine.explist = {"stale"};
    engine.splitexpr(c.tape, c.caret == kAtEnd ? c.tape.size() : c.caret);
    EXPECT_EQ(Joined(engine.explist), c.tokens) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Tape, SplitExprTest,
    testing::Values(
        SplitCase{"operators split", "2+3*4", kAtEnd, "2|+|3|*|4"},
        SplitCase{"all nine split chars", "1+2-3*4/5^6!%(7)", kAtEnd, "1|+|2|-|3|*|4|/|5|^|6|!|%|(|7|)"},
        SplitCase{"unfinished lines join", "1+2=3\r\n4+\r\n5", kAtEnd, "4|+|5"},
        SplitCase{"last result line starts", "1+1=2\r\n2*3=6\r\n7-1", kAtEnd, "7|-|1"},
        SplitCase{"= on the caret line is no start", "5+5=10", kAtEnd, "5|+"},
        SplitCase{"caret mid-line runs to line end", "1+2\r\n3+4", 1, "1|+|2"},
        SplitCase{"caret at line start", "1=1\r\n2+2\r\n3", 5, "2|+|2"},
        SplitCase{"caret at 0", "8*9\r\n1", 0, "8|*|9"},
        SplitCase{"caret beyond the text", "8*9", 100, "8|*|9"},
        SplitCase{"caret mid-line below a result", "1=1\r\n2+2\r\n3", 8, "2|+|2"},
        SplitCase{"therefore starts", "1+1\xA1\xE0" "2+3", kAtEnd, "2|+|3"},
        SplitCase{"therefore at the very start", "\xA1\xE0" "5*2", kAtEnd, "5|*|2"},
        SplitCase{"caret inside the therefore", "\xA1\xE0" "5*2", 1, "*|2"},
        SplitCase{"therefore beats an earlier result", "1=1\r\n\xA1\xE0" "3\r\n+4", kAtEnd, "3|+|4"},
        SplitCase{"blanks and controls trimmed", " 12 +\t3 \x01", kAtEnd, "12|+|3"},
        SplitCase{"spaces do not split", "sin 30+1", kAtEnd, "+|1"},
        SplitCase{"number glued to a name dropped", "2sin(30)", kAtEnd, "(|30|)"},
        SplitCase{"words dropped", "12 apples+3", kAtEnd, "+|3"},
        SplitCase{"keywords keep their case", "Sqrt(4)+pI", kAtEnd, "Sqrt|(|4|)|+|pI"},
        SplitCase{"commands stay", "clear+Quit", kAtEnd, "clear|+|Quit"},
        SplitCase{"window commands removed", "SETFONT+bkcolor+BackColor+FullScreen+fullscr+Revert+rev",
                  kAtEnd, "+|+|+|+|+|+"},
        SplitCase{"only a window command", "SETFONT", kAtEnd, ""},
        SplitCase{"exponent split by its sign", "1E-5", kAtEnd, "-|5"},
        SplitCase{"exponent without sign stays", "1.5E3*2", kAtEnd, "1.5E3|*|2"},
        SplitCase{"second byte of a GBK character is no operator", "2+\x81\x5E" "3", kAtEnd, "2|+"},
        SplitCase{"half GBK character at the end", "2+\x81", kAtEnd, "2|+"},
        SplitCase{"empty tape", "", 0, ""},
        SplitCase{"empty lines", "\r\n\r\n", kAtEnd, ""}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string("Case").append(std::to_string(info.index)); });

TEST(CalcKeywordsTest, ThirtySevenEntriesInTheirOrder)
{
    ASSERT_EQ(calckeywords.size(), 37u);
    EXPECT_EQ(calckeywords[0], "+");
    EXPECT_EQ(calckeywords[16], "PI");
    EXPECT_EQ(calckeywords[22], "SETFONT");
    EXPECT_EQ(calckeywords[31], "(");
    EXPECT_EQ(calckeywords[36], "REV");
    EXPECT_TRUE(TCalcEngine::iskeyword("LOG10"));
    EXPECT_FALSE(TCalcEngine::iskeyword("log10"));  // callers upper-case first
    EXPECT_FALSE(TCalcEngine::iskeyword("LOG"));
    EXPECT_FALSE(TCalcEngine::iskeyword("="));
}

TEST(CalcKeywordsTest, IsNumberIsTheConversion)
{
    EXPECT_TRUE(TCalcEngine::isnumber("12.5"));
    EXPECT_TRUE(TCalcEngine::isnumber("-3E2"));
    EXPECT_FALSE(TCalcEngine::isnumber("2sin"));
    EXPECT_FALSE(TCalcEngine::isnumber(""));
}

struct AngleCase {
    const char* text;
    bool multipleOf90;
    bool multipleOf180;
};

class AngleTest : public testing::TestWithParam<AngleCase> {};

TEST_P(AngleTest, Multiples)
{
    EXPECT_EQ(TCalcEngine::is90multiple(GetParam().text), GetParam().multipleOf90) << GetParam().text;
    EXPECT_EQ(TCalcEngine::is180multiple(GetParam().text), GetParam().multipleOf180) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Angles, AngleTest,
    testing::Values(AngleCase{"0", false, true}, AngleCase{"90", true, false}, AngleCase{"-90", true, false},
                    AngleCase{"180", false, true}, AngleCase{"-180", false, true},
                    AngleCase{"270", true, false}, AngleCase{"360", false, true},
                    AngleCase{"450", true, false}, AngleCase{"45", false, false},
                    AngleCase{"90.5", false, false},
                    // Read as a double: the fraction below its precision is gone.
                    AngleCase{"180.00000000000001", false, true},
                    // Far beyond 64 bits the test still answers (10^20 is no multiple of 9).
                    AngleCase{"1E20", false, false}, AngleCase{"1.8E20", false, true},
                    AngleCase{"1E400", false, false}));

}  // namespace
