// Settings files through the real profile functions, in a folder of their own.
#include "classlib/inifile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "classlib/handles.h"

namespace {

class IniFile : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "vostrel_ini_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        // A file name of its own per test: the profile functions may cache a file.
        name_ = folder_ + testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
    }
    void TearDown() override
    {
        DeleteFileA(name_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void Put(const std::string& text) const { std::ofstream(name_, std::ios::binary) << text; }
    std::string Text() const
    {
        std::ifstream in(name_, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::string folder_, name_;
};

} // namespace

TEST_F(IniFile, EveryEncodingRoundTrips)
{
    TIniFile ini(name_);
    ini.WriteInteger("calcform", "iTop", 120);
    ini.WriteInteger("calcform", "iLeft", -8);
    ini.WriteBool("calcform", "ontop", true);
    ini.WriteBool("calcform", "voice", false);
    ini.WriteColor("calcform", "backcolor", clRed);
    ini.WriteColor("calcform", "memocolor", 0x00FF8000);
    ini.WriteString("gaokao", "name", "高考");

    EXPECT_EQ(ini.ReadInteger("calcform", "iTop", 0), 120);
    EXPECT_EQ(ini.ReadInteger("calcform", "iLeft", 0), -8);
    EXPECT_TRUE(ini.ReadBool("calcform", "ontop", false));
    EXPECT_FALSE(ini.ReadBool("calcform", "voice", true));
    EXPECT_EQ(ini.ReadColor("calcform", "backcolor", clBlack), clRed);
    EXPECT_EQ(ini.ReadColor("calcform", "memocolor", clBlack), 0x00FF8000);
    EXPECT_EQ(ini.ReadString("gaokao", "name", ""), "高考");

    // What another program sees in the file: Booleans as 1 and 0, colours as library texts.
    std::string text = Text();
    for (const char* line : {"iTop=120", "iLeft=-8", "ontop=1", "voice=0", "backcolor=clRed",
                             "memocolor=$00FF8000", "[gaokao]", "name=高考"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(IniFile, MissingFileOrKeyGivesTheDefault)
{
    TIniFile ini(name_);
    EXPECT_EQ(ini.ReadInteger("calcform", "iTop", 0), 0);
    EXPECT_EQ(ini.ReadInteger("calcform", "rate", 280), 280);
    EXPECT_TRUE(ini.ReadBool("calcform", "ontop", true));
    EXPECT_EQ(ini.ReadString("gaokao", "time", "08:00:00"), "08:00:00");
    EXPECT_EQ(ini.ReadColor("calcform", "backcolor", clMoneyGreen), clMoneyGreen);

    Put("[calcform]\r\niTop=5\r\n");
    EXPECT_EQ(ini.ReadInteger("calcform", "iTop", 0), 5);
    EXPECT_EQ(ini.ReadInteger("calcform", "number", 2), 2);
    EXPECT_FALSE(ini.ReadBool("calcform", "voice", false));
    EXPECT_EQ(ini.ReadInteger("other", "iTop", 7), 7);
}

TEST_F(IniFile, KeyExistsEvenWhenEmpty)
{
    TIniFile ini(name_);
    EXPECT_FALSE(ini.ValueExists("gaokao", "date"));
    Put("[gaokao]\r\nname=高考\r\ndate=\r\n[calcform]\r\ntime=1\r\n");
    EXPECT_TRUE(ini.ValueExists("gaokao", "date"));
    EXPECT_TRUE(ini.ValueExists("gaokao", "DATE"));
    EXPECT_FALSE(ini.ValueExists("gaokao", "time"));
    EXPECT_FALSE(ini.ValueExists("gaokao", "dat"));
}

TEST_F(IniFile, NumbersAndBooleansFromHandWrittenText)
{
    Put("[s]\r\nn1=99\r\nn2=$1F\r\nn3=abc\r\nn4=12abc\r\nn5=\r\nn6=-0\r\nn7=99999999999\r\n"
        "b1=abc\r\nb2=2\r\nb3=-1\r\nb4=0\r\nb5=\r\nb6=true\r\n");
    TIniFile ini(name_);
    struct IntCase {
        const char* key;
        int value;
    } ints[] = {{"n1", 99}, {"n2", 31}, {"n3", -5}, {"n4", -5}, {"n5", -5}, {"n6", 0}, {"n7", -5}};
    for (const auto& c : ints)
        EXPECT_EQ(ini.ReadInteger("s", c.key, -5), c.value) << c.key;
    struct BoolCase {
        const char* key;
        bool whenTrue, whenFalse;  // read with default true, with default false
    } bools[] = {{"b1", true, false}, {"b2", true, true},   {"b3", true, true},
                 {"b4", false, false}, {"b5", true, false}, {"b6", true, false}};
    for (const auto& c : bools) {
        EXPECT_EQ(ini.ReadBool("s", c.key, true), c.whenTrue) << c.key;
        EXPECT_EQ(ini.ReadBool("s", c.key, false), c.whenFalse) << c.key;
    }
}

TEST_F(IniFile, ColourTexts)
{
    Put("[c]\r\nname=clRed\r\nhex=$00FF8000\r\nempty=\r\nbad=clNoSuch\r\nshort=$\r\n");
    TIniFile ini(name_);
    EXPECT_EQ(ini.ReadColor("c", "name", clWhite), clRed);
    EXPECT_EQ(ini.ReadColor("c", "hex", clWhite), 0x00FF8000);
    EXPECT_EQ(ini.ReadColor("c", "empty", clTeal), clTeal);
    EXPECT_THROW(ini.ReadColor("c", "bad", clTeal), EConvertError);
    EXPECT_THROW(ini.ReadColor("c", "short", clTeal), EConvertError);
}

TEST_F(IniFile, RefusedWriteNamesTheFile)
{
    // A folder where the file should be, a folder that is not there, and a
    // file another program holds: each refuses the write, even under Wine
    // as root, which ignores read-only attributes.
    std::string folderInTheWay = folder_ + "setinfo_dir.ini";
    ASSERT_TRUE(CreateDirectoryA(folderInTheWay.c_str(), nullptr));
    Put("[calcform]\r\niTop=7\r\n");
    UniqueFile held(CreateFileA(name_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    for (const std::string& file : {folderInTheWay, folder_ + "missing\\setinfo.ini", name_}) {
        TIniFile ini(file);
        try {
            ini.WriteInteger("calcform", "iTop", 1);
            ADD_FAILURE() << file << ": no error";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
        }
        EXPECT_THROW(ini.WriteBool("calcform", "ontop", true), EIniFileException) << file;
        EXPECT_THROW(ini.WriteColor("calcform", "backcolor", clRed), EIniFileException) << file;
    }
    RemoveDirectoryA(folderInTheWay.c_str());
    held = UniqueFile(INVALID_HANDLE_VALUE);
    EXPECT_EQ(TIniFile(name_).ReadInteger("calcform", "iTop", 0), 7);
}

TEST_F(IniFile, SectionReadWholeFindsWhatKeyByKeyReadsFind)
{
    // Hand-written lines: spaces, quotes, repeats, case, a line without "=",
    // the same keys in another section.
    Put("[other]\r\na=wrong\r\n[s]\r\n  a = 1 \r\nb=\"quoted\"\r\nc='single'\r\nd=\"half\r\ne=\r\n"
        "F=Upper\r\na=second\r\nnovalue\r\ng==x=\r\nh=\"\"\r\n[later]\r\nb=wrong\r\n");
    TIniFile ini(name_);
    TIniSection section(ini, "s");
    for (const char* key : {"a", "A", "b", "c", "d", "e", "f", "novalue", "g", "h", "missing", "other"})
        EXPECT_EQ(section.ReadString(key, "def"), ini.ReadString("s", key, "def")) << key;
    EXPECT_EQ(section.ReadInteger("a", 0), 1);
    EXPECT_TRUE(section.ReadBool("a", false));
    EXPECT_EQ(section.ReadInteger("b", 7), 7);

    TIniSection missing(ini, "nosuch");
    EXPECT_EQ(missing.ReadString("a", "def"), "def");
    EXPECT_EQ(TIniSection(TIniFile(folder_ + "absent.ini"), "s").ReadInteger("a", 3), 3);
}

TEST_F(IniFile, LongSectionIsReadWhole)
{
    std::string text = "[s]\r\n";
    for (int i = 0; i < 800; ++i)
        text += "key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    Put(text);
    TIniSection section(TIniFile(name_), "s");
    EXPECT_EQ(section.ReadInteger("key0", -1), 0);
    EXPECT_EQ(section.ReadInteger("key799", -1), 799 * 7);
}
