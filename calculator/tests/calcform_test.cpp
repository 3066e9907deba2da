// The tape: typing, Enter, results, totals and words.
#include "calculator/tests/calcform_fixture.h"

#include "classlib/application.h"

namespace {
const std::string kExpressionError = "表达式错误！";
}

TEST(CalcFormLayout, StartsWithTheDescribedWindow)
{
    Application.Initialize();
    TCalcForm form(FreshFolder("layout"));
    char caption[64] = {};
    GetWindowTextA(form.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Olvane语音计算器V2.38");
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 752);
    EXPECT_EQ(client.bottom, 490);
    EXPECT_EQ(form.Label1->Text(), "行1 列0 ");
    EXPECT_TRUE(form.CheckBox2->Checked());
    EXPECT_FALSE(form.CheckBox5->Enabled());
    EXPECT_EQ(form.SpinEdit1->Value(), 2);
    EXPECT_EQ(form.SpinEdit2->Value(), 16);
    EXPECT_EQ(form.SpinEdit3->Value(), 280);
    EXPECT_TRUE(form.Component<TGroupBox>("GroupBox1").Visible());
    EXPECT_FALSE(form.Component<TGroupBox>("GroupBox2").Visible());
    EXPECT_GE(SendMessageA(form.Memo1->Handle(), EM_GETLIMITTEXT, 0, 0), 16 * 1024 * 1024);

    // The tape fills what the toolbar, bottom bar, margin and panel leave.
    RECT memo;
    GetWindowRect(form.Memo1->Handle(), &memo);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&memo), 2);
    EXPECT_EQ(memo.left, 9);
    EXPECT_EQ(memo.top, 32);
    EXPECT_EQ(memo.right, 752 - 133);
    EXPECT_EQ(memo.bottom, 490 - 28);
}

TEST_F(CalcFormTest, TypedExpressionIsEvaluatedOnItsLine)
{
    Type("20+30*(2.3+3.8)/15+50");
    Enter();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"20+30*(2.3+3.8)/15+50=82.2", ""}));
    EXPECT_EQ(form->Edit5->Text(), "82.2");
    EXPECT_EQ(form->Edit4->Text(), "捌拾贰点贰");
    EXPECT_EQ(form->Edit2->Text(), "捌拾贰点贰");
    EXPECT_EQ(form->curline, 0);
    Type("1");
    EXPECT_EQ(form->Label1->Text(), "行:2 列:0");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalcFormTest, EqualsSignActsAsEnterAndNeverReachesTheTape)
{
    Type("2+3*4=");
    Type("8/2*4=");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"2+3*4=14", "8/2*4=16", ""}));
    EXPECT_EQ(form->Edit5->Text(), "30");
}

TEST_F(CalcFormTest, AnOperatorTypedAfterAnotherReplacesIt)
{
    struct Case {
        const char* keys;
        const char* tape;
    } cases[] = {
        {"5+*", "5*"}, {"5-+", "5+"}, {"5*/-", "5-"}, {"5(+", "5(+"}, {"5+.", "5+."}, {"+-", "-"},
    };
    for (const auto& c : cases) {
        SetTape("");
        Type(c.keys);
        EXPECT_EQ(Tape(), c.tape) << c.keys;
    }
}

TEST_F(CalcFormTest, EditingAFinishedLineEvaluatesItAgain)
{
    Type("2+3=");
    ASSERT_EQ(Lines()[0], "2+3=5");
    SetCaret(3);
    Key(VK_BACK, '\b');
    Type("4");
    ASSERT_EQ(Lines()[0], "2+4=5");
    Enter();
    EXPECT_EQ(Lines()[0], "2+4=6");
    EXPECT_EQ(form->Edit5->Text(), "6");
}

TEST_F(CalcFormTest, LineCleaningAndRounding)
{
    struct Case {
        int decimals;
        const char* keys;
        const char* line;
    } cases[] = {
        {2, "-5+3", "5+3=8"},      {2, "10/3", "10/3=3.33"}, {0, "2.5", "2.5=2"},
        {0, "3.5", "3.5=4"},       {2, "7*", "7=7"},         {2, "2^3^2", "2^3^2=64"},
        {2, "sin(30)", "sin(30)=0.5"}, {15, "1/3", "1/3=0.333333333333333"}, {2, "3!", "3!=6"},
    };
    for (const auto& c : cases) {
        SetTape("");
        form->SpinEdit1->SetValue(c.decimals);
        Type(c.keys);
        Enter();
        EXPECT_EQ(Lines()[0], c.line) << c.keys;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalcFormTest, GrandTotalAndALineThatBreaksIt)
{
    Type("1+2=4*5=");
    EXPECT_EQ(form->Edit5->Text(), "23");
    EXPECT_EQ(form->Edit2->Text(), "贰拾叁点");

    SetTape("1+2=3\r\nabc=x\r\n");
    Type("1+1=");
    EXPECT_EQ(Messages(), std::vector<std::string>{kExpressionError});
    EXPECT_EQ(form->Edit5->Text(), "23") << "the fields keep the last good values";
    // The Enter still takes effect: the line got its result, then the break.
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1+2=3", "abc=x", "1+1=2", ""}));
}

TEST_F(CalcFormTest, FailingExpressionsReportAndStillBreakTheLine)
{
    const char* bad[] = {"1/0", "(0-2)^0.5", "12 apples+3", "sqrt(0-4)", "5+", "(2+3"};
    for (const char* keys : bad) {
        SetTape("");
        Type(keys);
        Enter();
        EXPECT_EQ(Lines().size(), 2u) << keys;
    }
    // "5+" loses its trailing "+" to the line cleaning and evaluates.
    EXPECT_EQ(Messages().size(), 5u);
    for (const auto& m : Messages())
        EXPECT_EQ(m, kExpressionError);
}

TEST_F(CalcFormTest, LeftoverTokensAreReportedAndTheFirstValueTaken)
{
    Type("(2+3))");
    Enter();
    EXPECT_EQ(Messages(), std::vector<std::string>{"您的表达式有问题或系统不支持这种表达式！"});
    EXPECT_EQ(Lines()[0], "(2+3))=5");
}

TEST_F(CalcFormTest, WordsInNumberAndMoneyMode)
{
    struct Case {
        bool money;
        const char* keys;
        const char* words;
        const char* total;
        const char* totalWords;
    } cases[] = {
        {false, "0-12.5", "负壹拾贰点伍", "-12.5", "负壹拾贰点伍"},
        {true, "0-12.5", "负壹拾贰元伍角", "-12.5", "负壹拾贰元伍角"},
        {true, "1234.567", "壹仟贰佰叁拾肆元伍角柒分", "1234.57", "壹仟贰佰叁拾肆元伍角柒分"},
        {false, "100000123", "壹亿零壹佰贰拾叁点", "100000123", "壹亿零壹佰贰拾叁点"},
    };
    for (const auto& c : cases) {
        SetTape("");
        form->CheckBox4->SetChecked(c.money);
        Type(c.keys);
        Enter();
        EXPECT_EQ(form->Edit4->Text(), c.words) << c.keys;
        EXPECT_EQ(form->Edit5->Text(), c.total) << c.keys;
        EXPECT_EQ(form->Edit2->Text(), c.totalWords) << c.keys;
    }
}

TEST_F(CalcFormTest, EnterOnAnEmptyLineShowsTheTotalOnly)
{
    for (bool money : {false, true}) {
        form->CheckBox4->SetChecked(money);
        SetTape("1+2=3\r\n");
        Enter();
        EXPECT_EQ(Lines(), (std::vector<std::string>{"1+2=3", "", ""}));
        EXPECT_EQ(form->Edit5->Text(), "3");
        EXPECT_EQ(form->Edit4->Text(), money ? "元" : "点");
        EXPECT_EQ(form->Edit2->Text(), money ? "叁元" : "叁点");
    }
}

TEST_F(CalcFormTest, UnfinishedLinesJoinIntoOneExpression)
{
    SetTape("1+2=3\r\n4+\r\n5");
    Enter();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1+2=3", "4+", "5=9", ""}));
}

TEST_F(CalcFormTest, LineAndColumnFollowTheCaret)
{
    SetTape("12\r\n345\r\n中文x");
    struct Case {
        int pos;
        const char* label;
        int line;
    } cases[] = {{0, "行:1 列:0", 0}, {2, "行:1 列:2", 0}, {6, "行:2 列:2", 1}, {11, "行:3 列:2", 2}, {14, "行:3 列:5", 2}};
    for (const auto& c : cases) {
        SetCaret(c.pos);
        EXPECT_EQ(form->Label1->Text(), c.label) << c.pos;
        EXPECT_EQ(form->curline, c.line) << c.pos;
    }
    // A click in the tape moves the caret there first, then updates the label.
    POINT at{};
    LRESULT where = SendMessageA(form->Memo1->Handle(), EM_POSFROMCHAR, TCustomEdit::UnitsFromBytes(Tape(), 5), 0);
    at.x = static_cast<short>(LOWORD(where)) + 1;
    at.y = static_cast<short>(HIWORD(where)) + 2;
    SendMessageA(form->Memo1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(form->Memo1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(form->Label1->Text(), "行:2 列:1");
    EXPECT_EQ(form->curline, 1);
}
