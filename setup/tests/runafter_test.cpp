// Run-after: the installed program is started, with its path quoted so that a
// folder with blanks works. The setup here carries a probe that records the
// command line it was started with.
#include <windows.h>

#include <fstream>

#include <gtest/gtest.h>

#include "classlib/resources.h"

#include "setup/tests/setupfixture.h"

namespace {

using namespace setuptest;

struct RunCase {
    const char* what;
    bool run;
};

const RunCase kRunCases[] = {{"run-after checked", true}, {"run-after unchecked", false}};

TEST_F(SetupTest, RunAfterStartsTheInstalledProgramWhenChecked)
{
    for (const RunCase& c : kRunCases) {
        SCOPED_TRACE(c.what);
        OpenWindow();
        if (c.run)
            Click(*form->chbrun);
        ASSERT_EQ(runafter, c.run);
        TTempFolder root;
        std::string folder = root.Path() + "\\带 空格";
        std::string record = folder + "\\started.txt";
        // A program where an unquoted path would end at the blank.
        std::string decoy = root.Path() + "\\带.exe";
        std::ofstream(decoy, std::ios::binary) << LoadResourceText("calc_exe", "file");
        TypePath(folder);
        Click(*form->btnnext);
        EXPECT_TRUE(Dialogs().empty()) << DialogLog();
        // Given the time to start; when it is not meant to start, the wait is the check.
        bool started = PumpUntil([&] { return FileExists(record) && !ReadBytes(record).empty(); }, c.run ? 20000 : 3000);
        EXPECT_EQ(started, c.run);
        if (c.run) {
            EXPECT_EQ(ReadBytes(record), "\"" + folder + "\\vostrel.EXE\"");
        }
        EXPECT_FALSE(FileExists(root.Path() + "\\started.txt")) << "the program before the blank was started";
    }
}

} // namespace
