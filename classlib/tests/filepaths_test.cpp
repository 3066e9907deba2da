#include "classlib/filepaths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/graphic.h"
#include "classlib/pictureformats.h"
#include "classlib/tests/testfiles.h"
#include "classlib/tests/testprocess.h"

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

// 0xB0 0x5C is one GBK character (its trail byte is a backslash).
TEST(FilePaths, NameAndExtensionOfAName)
{
    struct Case {
        std::string name, file, extension;
    } cases[] = {
        {"C:\\calc\\setinfo.ini", "setinfo.ini", "ini"},
        {"C:temp.txt", "temp.txt", "txt"},
        {"C:\\calc.d\\readme", "readme", ""},
        {"a/b.c/d.gif", "d.gif", "gif"},
        {"C:\\d\\\xB0\x5Cname.png", "\xB0\x5Cname.png", "png"},
        {"C:\\d.x\\\xB0\x5C", "\xB0\x5C", ""},
        {"C:\\d\\pic.\xB0\x5C", "pic.\xB0\x5C", "\xB0\x5C"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ExtractFileExtension(c.name), c.extension) << c.name;
    }
}

TEST(FilePaths, PictureFormatsAreFoundByTheExtensionOfTheNamePart)
{
    // An extension ending in a trail backslash, as a GBK name can.
    const std::string ext = "\xB0\x5C";
    RegisterFileFormat(ext, "test pictures", "TFilePathsPicture", [] { return std::unique_ptr<TGraphic>(); });
    EXPECT_NO_THROW(CreateGraphicForFile("C:\\pics\\a." + ext));
    EXPECT_THROW(CreateGraphicForFile("C:\\pics.gif\\a"), EInvalidGraphic);
    UnregisterGraphicClass("TFilePathsPicture");
}

// Run again as a copy whose name holds a trail backslash; the copy checks
// its own title against the name it was given.
TEST(FilePaths, TitleIsTheProgramFileNameWithoutFolderOrExtension)
{
    const char* expected = std::getenv("FILEPATHS_TITLE");
    EXPECT_EQ(Application.Title(), expected ? expected : "classlib_shell_test");
    if (expected)
        return;
    TTempFolder folder;
    const std::string title = "\xB0\x5C\xB0\x5C";
    std::string copy = folder.Path() + "\\" + title + ".exe";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "classlib_shell_test.exe").c_str(), copy.c_str(), FALSE));
    SetEnvironmentVariableA("FILEPATHS_TITLE", title.c_str());
    TTestProcess child(copy, "--gtest_filter=FilePaths.TitleIsTheProgramFileNameWithoutFolderOrExtension");
    SetEnvironmentVariableA("FILEPATHS_TITLE", nullptr);
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(child.WaitForExit(60000), 0);
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
