// Clear, save and import; and tapes no one should type.
#include "calculator/tests/calcform_fixture.h"

TEST_F(CalcFormTest, ClearEmptiesTapeAndFields)
{
    Type("2+3=");
    Click("SpeedButton7");
    EXPECT_EQ(Tape(), "");
    EXPECT_EQ(form->Edit2->Text(), "");
    EXPECT_EQ(form->Edit4->Text(), "");
    EXPECT_EQ(form->Edit5->Text(), "");
    EXPECT_EQ(form->Label1->Text(), "行1 列0 ");
    EXPECT_EQ(GetFocus(), form->Memo1->Handle());
}

TEST_F(CalcFormTest, SaveAppendsTxtAndWritesEveryLine)
{
    std::string folder = TempFolder();
    std::string name = folder + "a.txt";
    DeleteFileA((name + ".txt").c_str());
    SetTape("1+2=3\r\n4*5=20");
    OnDialog([name](HWND dialog) { DialogWatcher::EnterFileName(dialog, name); });
    Click("SpeedButton6");
    EXPECT_EQ(ReadBytes(name + ".txt"), "1+2=3\r\n4*5=20\r\n");
    EXPECT_EQ(DialogCount(), 1);
}

TEST_F(CalcFormTest, SaveOfABlankTapeOpensNoDialog)
{
    SetTape(" \r\n  ");
    Click("SpeedButton6");
    EXPECT_EQ(DialogCount(), 0);
}

TEST_F(CalcFormTest, SaveIntoAMissingFolderReportsAndKeepsTheTape)
{
    SetTape("1+2=3");
    std::string name = TempFolder() + "no_such_folder\\b";
    OnDialog([name](HWND dialog) {
        char cls[16] = {};
        GetClassNameA(GetDlgItem(dialog, 0xFFFF), cls, sizeof cls);
        if (DialogWatcher::MessageText(dialog).empty())
            DialogWatcher::EnterFileName(dialog, name);
        else
            DialogWatcher::Press(dialog, IDOK);
    });
    Click("SpeedButton6");
    ASSERT_TRUE(PumpUntil([&] { return DialogCount() >= 1; }));
    auto messages = Messages();
    bool reported = false;
    for (const auto& m : messages)
        reported |= m.rfind("Cannot create file \"" + name + ".txt\"", 0) == 0;
    EXPECT_TRUE(reported);
    EXPECT_EQ(Tape(), "1+2=3");
}

TEST_F(CalcFormTest, ImportReplacesTheTape)
{
    std::string path = TempFolder() + "import.txt";
    WriteBytes(path, "1+2=3\r\n4*5=20\n6\r");
    SetTape("old=1");
    OnDialog([path](HWND dialog) { DialogWatcher::EnterFileName(dialog, path); });
    Click("SpeedButton47");
    EXPECT_EQ(Tape(), "1+2=3\r\n4*5=20\r\n6\r\n");
    EXPECT_EQ(Caret(), static_cast<int>(Tape().size())) << "a fresh line after the last";
    SetCaret(static_cast<int>(Tape().size()) - 2);
    Type("+1=");
    EXPECT_EQ(Lines()[2], "6+1=7");
    EXPECT_EQ(form->Edit5->Text(), "30");
}

TEST_F(CalcFormTest, ImportOfAMegabyteOfBinaryLinesKeepsWorking)
{
    // Every byte value but "=" and the line ends, in long lines, plus NULs.
    std::string bytes;
    int n = 0;
    while (bytes.size() < (1u << 20)) {
        char c = static_cast<char>(n++ % 256);
        if (c == '=' || c == '\r' || c == '\n')
            continue;
        bytes += c;
        if (n % 2000 == 0)
            bytes += "\r\n";
    }
    bytes += "\r\n1+2=3\r\n\r\n";
    std::string path = TempFolder() + "binary.txt";
    WriteBytes(path, bytes);
    OnDialog([path](HWND dialog) { DialogWatcher::EnterFileName(dialog, path); });
    Click("SpeedButton47");
    std::string tape = Tape();
    EXPECT_GT(tape.size(), 1000000u) << "nothing cut at the first NUL byte";
    EXPECT_EQ(tape.find('\0'), std::string::npos);
    // The expression starts after the last line that holds "=".
    SetCaret(static_cast<int>(tape.size()));
    Type("4*5=");
    EXPECT_EQ(Lines()[Lines().size() - 2], "4*5=20");
    EXPECT_EQ(form->Edit5->Text(), "23");
}

TEST_F(CalcFormTest, LongLinesAndTapesPastTheEditDefaultLimit)
{
    // A 100,000-character line without "=" and far more text than the
    // EDIT control holds by default (30,000 characters).
    std::string tape(100000, '9');
    tape += "\r\n";
    while (tape.size() < 200000)
        tape += "1+1=2\r\n";
    SetTape(tape);
    EXPECT_EQ(Tape(), tape);
    Type("2*3=");
    EXPECT_EQ(Tape(), tape + "2*3=6\r\n");
    EXPECT_EQ(form->Edit5->Text(), std::to_string((200000 - 100002 + 6) / 7 * 2 + 6));
}
