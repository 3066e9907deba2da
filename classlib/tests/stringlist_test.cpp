#include "classlib/stringlist.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/exceptions.h"

namespace {
std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}
} // namespace

TEST(StringList, EveryLineEndReadsAsOne)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc\r\n\r\nd", {"a", "b", "c", "", "d"}},
        {"\n\n", {"", ""}},
        {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(list.Lines, c.lines) << c.text;
    }
}

TEST(StringList, FileRoundTripEndsEveryLineWithCrLf)
{
    std::string path = TempPath("vostrel_stringlist.txt");
    TStringList out;
    out.Lines = {"1+2=3", "4*5=20", "中文"};
    out.SaveToFile(path);
    TStringList in;
    in.LoadFromFile(path);
    EXPECT_EQ(in.Lines, out.Lines);
    EXPECT_EQ(in.Text(), "1+2=3\r\n4*5=20\r\n中文\r\n");
    DeleteFileA(path.c_str());
}

TEST(StringList, FileErrorsCarryTheLibraryTexts)
{
    TStringList list;
    try {
        list.SaveToFile("Z:\\no\\such\\folder\\x.txt");
        FAIL() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"Z:\\no\\such\\folder\\x.txt\". ", 0), 0u) << e.what();
    }
    EXPECT_THROW(list.LoadFromFile(TempPath("vostrel_missing_file.txt")), EFOpenError);
}
