#include "calculator/functionunit_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/daynumber.h"
#include "calculator/functionunit.h"

namespace {

TEST(Windowsdir, IsTheSystemFolderWithOneBackslash)
{
    char expected[MAX_PATH];
    UINT length = GetSystemWindowsDirectoryA(expected, MAX_PATH);
    ASSERT_GT(length, 0u);
    std::string dir = windowsdir();
    EXPECT_EQ(dir, addbackslash(std::string(expected, length)));
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_NE(dir.substr(0, dir.size() - 1).back(), '\\');
    EXPECT_NE(GetFileAttributesA(dir.c_str()), INVALID_FILE_ATTRIBUTES);
}

// The system's own short date text of today must read back as today.
TEST(Todaydatetext, ReadsBackAsToday)
{
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    std::string text = todaydatetext();
    GetLocalTime(&after);
    ASSERT_FALSE(text.empty());
    double date = texttodate(text);
    EXPECT_TRUE(date == EncodeDayNumber(before.wYear, before.wMonth, before.wDay)
                || date == EncodeDayNumber(after.wYear, after.wMonth, after.wDay))
        << text;
}

} // namespace
