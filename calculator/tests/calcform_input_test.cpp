// What goes through the whole system: the keypad's "=" sends a real key
// press to the foreground window, and copy and paste use the clipboard.
// These tests run alone, so no other test program takes either.
#include "calculator/tests/calcform_fixture.h"

#include "classlib/clipboard.h"

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
