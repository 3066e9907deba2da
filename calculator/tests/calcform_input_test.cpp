// What goes through the whole system: the keypad's "=" sends a real key
// press to the foreground window, and copy and paste use the clipboard.
// These tests run alone, so no other test program takes either.
#include "calculator/tests/calcform_fixture.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "classlib/clipboard.h"
#include "classlib/tests/realinput.h"

namespace {

// Where clip is first played at or after from.
std::size_t IndexOf(const std::vector<std::string>& clips, const std::string& clip, std::size_t from = 0)
{
    return static_cast<std::size_t>(std::find(clips.begin() + static_cast<std::ptrdiff_t>(std::min(from, clips.size())),
                                              clips.end(), clip) -
                                    clips.begin());
}

} // namespace

TEST_F(CalcFormTest, KeysTypedWhileAResultIsReadLandOnTheNewLine)
{
    struct Case {
        bool digits;
        std::vector<std::string> secondReading;
    } cases[] = {{false, {"3_wav", "bai_wav", "5_wav", "10_wav", "point_wav"}}, {true, {"3_wav", "5_wav", "0_wav"}}};
    for (const auto& c : cases) {
        form->CheckBox2->SetChecked(true);
        form->CheckBox5->SetChecked(c.digits);
        SetTape("");
        NotingPlayer& noted = NoteClips(*form);
        // A quick typist goes on with the next line straight after the Enter.
        std::atomic<bool> typed{false};
        std::thread user([&] {
            TypeKeys(L"30+45/(2+3)+40*sin(60)+2^3\r100*3.5=", 30);
            typed = true;
        });
        EXPECT_TRUE(PumpUntil([&] { return typed && !form->speaking(); }, 20000));
        user.join();
        PumpUntil([&] { return !form->speaking(); }, 5000);
        EXPECT_EQ(Lines(), (std::vector<std::string>{"30+45/(2+3)+40*sin(60)+2^3=81.64", "100*3.5=350", ""}))
            << c.digits;
        EXPECT_EQ(form->Edit5->Text(), "431.64");
        // The second line came while 81.64 was being read (its last clip, 4, still to come) ...
        const auto& played = noted.played;
        std::size_t firstEnter = IndexOf(played, "eqr_wav");
        EXPECT_LT(IndexOf(played, "eqr_wav", firstEnter + 1), IndexOf(played, "4_wav", firstEnter)) << c.digits;
        // ... and its own reading follows whole.
        ASSERT_GE(played.size(), c.secondReading.size());
        EXPECT_EQ(std::vector<std::string>(played.end() - static_cast<std::ptrdiff_t>(c.secondReading.size()), played.end()),
                  c.secondReading)
            << c.digits;
    }
}

TEST_F(CalcFormTest, KeypadAloneComputesThroughItsEnterKey)
{
    for (const char* button : {"SpeedButton8", "SpeedButton22", "SpeedButton14"})
        Click(button);
    ASSERT_EQ(Tape(), "7*8");
    Click("SpeedButton19");
    // The Enter comes through the system's input queue.
    EXPECT_TRUE(PumpUntil([&] { return Lines().size() == 2; }));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"7*8=56", ""}));
    EXPECT_EQ(form->Edit5->Text(), "56");
}

TEST_F(CalcFormTest, CopyResultTakesTheCurrentLinesResult)
{
    Type("2+3=");
    Clipboard().SetAsText("before");
    Click("sb_copyresult");
    EXPECT_EQ(Clipboard().AsText(), "5");
    Type("7");
    Click("sb_copyresult");
    EXPECT_EQ(Clipboard().AsText(), "5") << "a line without = copies nothing";
}

TEST_F(CalcFormTest, PasteInsertsAtTheCaret)
{
    SetTape("1+=");
    SetCaret(2);
    Clipboard().SetAsText("2*3");
    Click("SpeedButton1");
    EXPECT_EQ(Tape(), "1+2*3=");
}

TEST_F(CalcFormTest, PastingAMegabyteTapeKeepsEveryByteAndTheTotal)
{
    std::string big;
    while (big.size() < (1u << 20))
        big += "1+1=2\r\n";
    Clipboard().SetAsText(big);
    Click("SpeedButton1");
    ASSERT_EQ(Tape(), big);
    Type("2*3=");
    EXPECT_EQ(Lines()[Lines().size() - 2], "2*3=6");
    EXPECT_EQ(form->Edit5->Text(), std::to_string(big.size() / 7 * 2 + 6));
}
