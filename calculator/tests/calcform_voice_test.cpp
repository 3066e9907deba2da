// Which clips the window plays: keys, keypad, "=", clear, the two readers,
// and silence with the voice off.
#include "calculator/tests/calcform_fixture.h"

using Clips = std::vector<std::string>;
class CalcVoiceTest;

struct ClipCase {
    const char* name;
    bool voice, digits;
    void (*act)(CalcVoiceTest& test);
    Clips expected;
};

class CalcVoiceTest : public CalcFormTest {
protected:
    void SetUp() override
    {
        CalcFormTest::SetUp();
        form->SpinEdit3->SetValue(270);
    }
    // Runs the case's action, then lets the queued readings finish.
    Clips Played(const ClipCase& c)
    {
        form->CheckBox2->SetChecked(c.voice);
        form->CheckBox5->SetChecked(c.digits);
        SetTape("");
        NotingPlayer& noted = NoteClips(*form);
        c.act(*this);
        EXPECT_TRUE(PumpUntil([&] { return !form->speaking(); })) << c.name;
        return noted.played;
    }

public:
    using CalcFormTest::Click;
    using CalcFormTest::Type;
};

TEST_F(CalcVoiceTest, EachActionPlaysItsClipsAndTheReadingMatchesItsMode)
{
    const ClipCase cases[] = {
        {"digits and point", true, false, [](CalcVoiceTest& t) { t.Type("09."); },
         {"0_wav", "9_wav", "point_wav"}},
        {"operators and brackets", true, false, [](CalcVoiceTest& t) { t.Type("(+-*/)"); },
         {"zuo_wav", "add_wav", "sub_wav", "mul_wav", "div_wav", "you_wav"}},
        {"backspace key", true, false, [](CalcVoiceTest& t) { t.Type("\b"); }, {"bs_wav"}},
        {"letters are silent", true, false, [](CalcVoiceTest& t) { t.Type("Sin^!%"); }, {}},
        {"keypad", true, false,
         [](CalcVoiceTest& t) {
             for (const char* button : {"SpeedButton8", "SpeedButton25", "SpeedButton34", "SpeedButton5",
                                        "SpeedButton38", "SpeedButton41", "SpeedButton33", "SpeedButton26"})
                 t.Click(button);
         },
         {"7_wav", "you_wav", "bs_wav", "ncf_wav", "pi_wav", "asin_wav", "leicheng_wav"}},
        {"clear", true, false, [](CalcVoiceTest& t) { t.Click("SpeedButton7"); },
         {"c_wav"}},
        // 42 read as words, then digit by digit.
        {"words reading", true, false, [](CalcVoiceTest& t) { t.Type("6*7="); },
         {"6_wav", "mul_wav", "7_wav", "eqr_wav", "4_wav", "10_wav", "2_wav", "point_wav"}},
        {"quick reading", true, true, [](CalcVoiceTest& t) { t.Type("6*7="); },
         {"6_wav", "mul_wav", "7_wav", "eqr_wav", "4_wav", "2_wav"}},
        {"negative words", true, false, [](CalcVoiceTest& t) { t.Type("1-3.5="); },
         {"1_wav", "sub_wav", "3_wav", "point_wav", "5_wav", "eqr_wav", "fu_wav", "2_wav", "point_wav", "5_wav"}},
        {"voice off", false, true,
         [](CalcVoiceTest& t) {
             t.Type("1+2=");
             t.Click("SpeedButton8");
             t.Click("SpeedButton7");
         },
         {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Played(c), c.expected) << c.name;
}

TEST_F(CalcVoiceTest, ReadingIsPacedAndStartsOnlyAfterTheLineBreak)
{
    form->CheckBox2->SetChecked(true);
    form->CheckBox5->SetChecked(true);
    Type("6*7=");
    // The Enter has put its break in place; the reading waits for the loop.
    EXPECT_EQ(Lines(), (std::vector<std::string>{"6*7=42", ""}));
    EXPECT_TRUE(form->speaking());
    DWORD start = GetTickCount();
    EXPECT_TRUE(PumpUntil([&] { return !form->speaking(); }));
    // read1 of "42": a pause before, one after each of the two characters.
    EXPECT_GE(GetTickCount() - start, 3u * 270u - 50u);
    EXPECT_EQ(form->Edit4->Text(), "肆拾贰点");
}
