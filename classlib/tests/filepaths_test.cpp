#include "classlib/filepaths.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(FilePaths, FolderPartOfAName)
{
    struct Case {
        std::string name, folder;
    } cases[] = {
        {"C:\\calc\\setinfo.ini", "C:\\calc\\"},
        {"C:setinfo.ini", "C:"},
        {"setinfo.ini", ""},
        {"a/b/temp.txt", "a/b/"},
        {"C:\\calc\\", "C:\\calc\\"},
        // 0x81 0x5C is one GBK character, not a folder separator.
        {"C:\\d\x81\x5Ctemp.txt", "C:\\"},
        {"C:\\计算器\\temp.txt", "C:\\计算器\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractFilePath(c.name), c.folder) << c.name;
}

TEST(FilePaths, ProgramFolderHoldsThisProgram)
{
    std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(FileExists(folder + "classlib_shell_test.exe"));
    EXPECT_FALSE(FileExists(folder + "no_such_file.txt"));
    // A folder is not a file.
    EXPECT_FALSE(FileExists(folder.substr(0, folder.size() - 1)));
}
