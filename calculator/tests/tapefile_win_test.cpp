// Tape files on a real disk, in a folder of their own.
#include "calculator/tapefile_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "calculator/tapefile.h"
#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/handles.h"
#include "classlib/tests/testfiles.h"

namespace {

using Lines = std::vector<std::string>;

class TapeFileWin : public testing::Test {
protected:
    // What a failed write left behind in the folder.
    Lines Files() const { return FolderEntries(temp_.Path()); }
    std::string Bytes(const std::string& name) const { return ReadBytes(folder_ + name); }
    void Put(const std::string& name, const std::string& bytes) const { WriteBytes(folder_ + name, bytes); }

    TTempFolder temp_;
    std::string folder_ = temp_.Path() + "\\";
};

} // namespace

TEST_F(TapeFileWin, TwoLinesAreWrittenWithCrLfAndReadBack)
{
    std::string path = folder_ + kTapeAutosaveName;
    WriteTapeFile(path, {"1+2=3", "4*5=20"});
    EXPECT_EQ(Bytes(kTapeAutosaveName), "1+2=3\r\n4*5=20\r\n");
    EXPECT_EQ(ReadTapeFile(path), (Lines{"1+2=3", "4*5=20"}));
    EXPECT_EQ(Files(), Lines{kTapeAutosaveName});
}

TEST_F(TapeFileWin, AnyLineEndReadsAndAnOldFileIsReplaced)
{
    Put("tape.txt", "甲\r乙\n丙\r\n丁");
    std::string path = folder_ + "tape.txt";
    EXPECT_EQ(ReadTapeFile(path), (Lines{"甲", "乙", "丙", "丁"}));
    WriteTapeFile(path, {"5-1=4"});
    EXPECT_EQ(Bytes("tape.txt"), "5-1=4\r\n");
    WriteTapeFile(path, {});
    EXPECT_EQ(Bytes("tape.txt"), "");
    EXPECT_EQ(Files(), Lines{"tape.txt"});
}

TEST_F(TapeFileWin, MegabyteTapeGoesThroughTheDiskWhole)
{
    Lines lines;
    for (int i = 0; lines.size() * 20 < (1u << 20); ++i)
        lines.push_back(std::to_string(i) + "+1=" + std::to_string(i + 1) + " 合计");
    std::string path = folder_ + kTapeAutosaveName;
    WriteTapeFile(path, lines);
    EXPECT_EQ(Bytes(kTapeAutosaveName), TapeFileText(lines));
    EXPECT_EQ(ReadTapeFile(path), lines);
}

TEST_F(TapeFileWin, LockedFileIsLeftAsItWasWithNoLeftovers)
{
    const std::string old = "1+2=3\r\n";
    std::string path = folder_ + kTapeAutosaveName;
    Put(kTapeAutosaveName, old);
    {
        UniqueFile held(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        try {
            WriteTapeFile(path, {"4*5=20"});
            ADD_FAILURE() << "no error";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u) << e.what();
        }
    }
    EXPECT_EQ(Bytes(kTapeAutosaveName), old);
    EXPECT_EQ(Files(), Lines{kTapeAutosaveName});
}

TEST_F(TapeFileWin, AFolderInTheWayOrNoFolderIsACreateError)
{
    ASSERT_TRUE(CreateDirectoryA((folder_ + kTapeAutosaveName).c_str(), nullptr));
    for (std::string path : {folder_ + kTapeAutosaveName, folder_ + "missing\\" + kTapeAutosaveName})
        EXPECT_THROW(WriteTapeFile(path, {"1"}), EFCreateError) << path;
    EXPECT_EQ(Files(), Lines{kTapeAutosaveName});
}

TEST_F(TapeFileWin, MissingFileIsAnOpenError)
{
    std::string path = folder_ + "none.txt";
    try {
        ReadTapeFile(path);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + path + "\". ", 0), 0u) << e.what();
    }
}

TEST_F(TapeFileWin, AutosaveSitsBesideTheProgram)
{
    std::string name = TapeAutosaveFileName();
    EXPECT_EQ(name, ProgramFolder() + "temp.txt");
    EXPECT_TRUE(FileExists(ProgramFolder() + "tapefile_win_test.exe"));
}
