#include "calculator/calcform_tape.h"
#include "calculator/tapefile.h"

#include <gtest/gtest.h>

#include "calculator/calcerror.h"

TEST(TapeText, LinesEndAtCrLfOnly)
{
    const std::string text = "1+2=3\r\n4\r5\n6\r\n\r\nlast";
    struct Case {
        std::size_t pos, line;
    } cases[] = {{0, 0}, {5, 0}, {7, 1}, {11, 1}, {12, 1}, {14, 2}, {16, 3}, {text.size(), 3}, {999, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(TapeLineOf(text, c.pos), c.line) << c.pos;

    TapeLine line;
    ASSERT_TRUE(TapeLineBounds(text, 1, line));
    EXPECT_EQ(text.substr(line.start, line.length), "4\r5\n6");
    ASSERT_TRUE(TapeLineBounds(text, 2, line));
    EXPECT_EQ(line.length, 0u);
    ASSERT_TRUE(TapeLineBounds(text, 3, line));
    EXPECT_EQ(text.substr(line.start, line.length), "last");
    EXPECT_FALSE(TapeLineBounds(text, 4, line));
    ASSERT_TRUE(TapeLineBounds("", 0, line));
    EXPECT_EQ(line.length, 0u);
}

TEST(TapeText, CleaningDropsOneLeadingAndOneTrailingOperatorThenTheOldResult)
{
    struct Case {
        const char* line;
        const char* cleaned;
    } cases[] = {
        {"-5+3", "5+3"}, {"2+4=5", "2+4"}, {"5+", "5"},     {"*5/", "5"},     {"--5", "-5"},
        {"5+=8", "5+"},  {"=3", ""},       {"+", ""},       {"", ""},         {"1+2=3=4", "1+2"},
        {"+1=2-", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanTapeLine(c.line), c.cleaned) << c.line;
}

TEST(TapeText, TotalAddsTheResultOfEveryFinishedLine)
{
    struct Case {
        const char* text;
        double total;
    } cases[] = {
        {"", 0},
        {"1+2=3\r\n4*5=20", 23},
        {"1+2=3\r\n4*5=20\r\n7+", 23},
        {"0-12.5=-12.5\r\n1=1", -11.5},
        {"x=3\r", 3},
        {"a=1E15\r\nb= 2 ", 1e15 + 2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TapeTotal(c.text), c.total) << c.text;
}

TEST(TapeText, ATotalLineThatIsNotANumberFails)
{
    for (const char* text : {"abc=x", "1+2=3\r\n5=", "1=2=3", "1=\x01\x02"})
        EXPECT_THROW(TapeTotal(text), ECalcError) << text;
}

TEST(TapeText, ResultOfALine)
{
    std::string result;
    EXPECT_TRUE(TapeLineResult("2+3= 5 ", result));
    EXPECT_EQ(result, "5");
    EXPECT_FALSE(TapeLineResult("2+3", result));
}

TEST(TapeText, BackspaceTakesAWholeDoubleByteCharacter)
{
    const std::string text = "a\xD6\xD0" "b\r\n\xA1\xE0\xD6";
    struct Case {
        std::size_t pos, length;
    } cases[] = {{0, 0}, {1, 1}, {3, 2}, {4, 1}, {5, 1}, {6, 1}, {8, 2}, {9, 1}, {10, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TapeBackspaceLength(text, c.pos), c.length) << c.pos;
}

TEST(TapeText, RememberedTotalEqualsAFreshOneAfterAnyEdit)
{
    std::string tape;
    for (int i = 0; i < 50; ++i)
        tape += "0.1+" + std::to_string(i) + "=" + std::to_string(i) + ".1\r\n";
    const std::string steps[] = {
        tape + "7",
        tape + "7=7",
        tape + "7=7\r\n",
        "0.3=0.3\r\n" + tape.substr(9) + "7=7\r\n",  // an early line changed
        tape.substr(0, tape.size() - 9) + "x",      // lines removed
        "",
        tape,
    };
    TTapeTotal remembered;
    for (const auto& text : steps)
        EXPECT_EQ(remembered(text), TapeTotal(text)) << text.substr(0, 20);

    // A failing line fails every time until it is mended.
    TTapeTotal failing;
    EXPECT_THROW(failing(tape + "abc=x\r\n"), ECalcError);
    EXPECT_THROW(failing(tape + "abc=x\r\n1=1"), ECalcError);
    EXPECT_EQ(failing(tape + "abc=1\r\n1=1"), TapeTotal(tape + "abc=1\r\n1=1"));
    // So does a line changed before what was remembered; the sum restarts
    // from the tape's start once it is mended.
    EXPECT_THROW(failing("x=y\r\n" + tape), ECalcError);
    EXPECT_EQ(failing("x=1\r\n" + tape), TapeTotal("x=1\r\n" + tape));
}

TEST(TapeText, FileLinesLoadBackWithEveryLineEnded)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
        const char* loaded;
    } cases[] = {
        {"", {}, ""},
        // After every Enter the tape ends in a break: no empty line is written for it.
        {"1+2=3\r\n4*5=20\r\n", {"1+2=3", "4*5=20"}, "1+2=3\r\n4*5=20\r\n"},
        {"\r\n", {""}, "\r\n"},
        {"1+2=3\r\n\r\n", {"1+2=3", ""}, "1+2=3\r\n\r\n"},
        // An unfinished last line is ended on loading, so nothing typed joins it.
        {"1+2=3\r\n4*5", {"1+2=3", "4*5"}, "1+2=3\r\n4*5\r\n"},
        // A lone CR or LF is inside its line, as the tape shows it.
        {"a\rb\nc\r\n", {"a\rb\nc"}, "a\rb\nc\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitTapeText(c.text), c.lines) << c.text;
        EXPECT_EQ(TapeFileText(c.lines), c.loaded) << c.text;
    }
}
