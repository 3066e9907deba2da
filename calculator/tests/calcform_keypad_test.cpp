// The keypad: insertions at the caret, own insertions, backspace and "=".
#include "calculator/tests/calcform_fixture.h"

TEST_F(CalcFormTest, KeypadInsertsItsTextAtTheCaret)
{
    struct Case {
        const char* button;
        const char* text;
        int caret;  // after inserting into "1|2"
    } cases[] = {
        {"SpeedButton8", "7", 2},       {"SpeedButton14", "8", 2},     {"SpeedButton9", "9", 2},
        {"SpeedButton10", "4", 2},      {"SpeedButton11", "5", 2},     {"SpeedButton12", "6", 2},
        {"SpeedButton13", "1", 2},      {"SpeedButton15", "2", 2},     {"SpeedButton16", "3", 2},
        {"SpeedButton17", "0", 2},      {"SpeedButton18", ".", 2},     {"SpeedButton20", "+", 2},
        {"SpeedButton21", "-", 2},      {"SpeedButton22", "*", 2},     {"SpeedButton23", "/", 2},
        {"SpeedButton24", "(", 2},      {"SpeedButton25", ")", 2},     {"SpeedButton5", "()^()", 2},
        {"SpeedButton26", "()!", 2},    {"SpeedButton30", "Sqrt()", 6}, {"SpeedButton31", "Sqr()", 5},
        {"SpeedButton32", "()%()", 2},  {"SpeedButton27", "Sin()", 5}, {"SpeedButton28", "Cos()", 5},
        {"SpeedButton29", "Tan()", 5},  {"SpeedButton33", "Arcsin()", 8}, {"SpeedButton39", "ArcCos()", 8},
        {"SpeedButton3", "ArcTan()", 8}, {"SpeedButton38", "Ln()", 4}, {"SpeedButton40", "Log10()", 7},
        {"SpeedButton41", "Pi", 3},
    };
    for (const auto& c : cases) {
        SetTape("12");
        SetCaret(1);
        Click(c.button);
        EXPECT_EQ(Tape(), std::string("1") + c.text + "2") << c.button;
        EXPECT_EQ(Caret(), c.caret) << c.button;
        EXPECT_EQ(GetFocus(), form->Memo1->Handle()) << c.button;
    }
}

TEST_F(CalcFormTest, KeypadOperatorReplacesTheOperatorBeforeTheCaret)
{
    SetTape("12+34");
    SetCaret(3);
    Click("SpeedButton21");
    EXPECT_EQ(Tape(), "12-34");
    EXPECT_EQ(Caret(), 3);
    EXPECT_EQ(form->inspos, 3);
    // Only the operator buttons replace; a bracket goes in beside it.
    Click("SpeedButton24");
    EXPECT_EQ(Tape(), "12-(34");
}

TEST_F(CalcFormTest, BackspaceButtonRemovesOneCharacterBeforeTheCaret)
{
    SetTape("");
    Click("SpeedButton34");
    EXPECT_EQ(Tape(), "");

    SetTape("1+2\r\n中3");
    Click("SpeedButton34");
    EXPECT_EQ(Tape(), "1+2\r\n中");
    Click("SpeedButton34");
    EXPECT_EQ(Tape(), "1+2\r\n") << "a double-byte character goes whole";
    Click("SpeedButton34");
    Click("SpeedButton34");
    EXPECT_EQ(Tape(), "1+2") << "a line break takes two presses";
    SetCaret(0);
    Click("SpeedButton34");
    EXPECT_EQ(Tape(), "1+2");
    EXPECT_EQ(Caret(), 0);
}

TEST_F(CalcFormTest, FunctionTemplatesFilledByTyping)
{
    Click("SpeedButton27");
    Type("30");
    SetCaret(static_cast<int>(Tape().size()));
    Click("SpeedButton20");
    Click("SpeedButton5");
    Type("2");
    SetCaret(static_cast<int>(Tape().size()) - 1);
    Type("3");
    EXPECT_EQ(Tape(), "Sin(30)+(2)^(3)");
    Enter();
    EXPECT_EQ(Lines()[0], "Sin(30)+(2)^(3)=8.5");
}
