#include "calculator/tapefile.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(TapeFile, EveryLineEndsInCrLfWhenWritten)
{
    EXPECT_EQ(TapeFileText({"1+2=3", "4*5=20"}), "1+2=3\r\n4*5=20\r\n");
    EXPECT_EQ(TapeFileText({""}), "\r\n");
    EXPECT_EQ(TapeFileText({}), "");
}

TEST(TapeFile, CrLfAndCrLfEachEndALine)
{
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"1+2=3\r\n4*5=20\r\n", {"1+2=3", "4*5=20"}},
        {"1+2=3\r\n4*5=20", {"1+2=3", "4*5=20"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        // LF CR is two endings, CR CR LF too.
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"\r", {""}},
        {"x\r\n\n", {"x", ""}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
        {"合计=100\r\n", {"合计=100"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TapeFileLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(TapeFile, EveryByteButTheLineEndsComesBack)
{
    std::string line;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            line += static_cast<char>(b);
    Lines lines{line, "", line};
    EXPECT_EQ(TapeFileLines(TapeFileText(lines)), lines);
}

TEST(TapeFile, LargeTapeComesBackWhole)
{
    Lines lines;
    std::size_t size = 0;
    for (int i = 0; size < (1u << 20); ++i) {
        lines.push_back(std::to_string(i) + "*3=" + std::to_string(i * 3) + " 元");
        size += lines.back().size() + 2;
    }
    std::string text = TapeFileText(lines);
    EXPECT_EQ(text.size(), size);
    EXPECT_EQ(TapeFileLines(text), lines);
}
