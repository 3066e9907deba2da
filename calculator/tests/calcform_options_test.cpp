// The options panel and the toolbar switches, clicked as a user would.
#include "calculator/tests/calcform_fixture.h"


namespace {

const char* const kColoured[] = {"Panel3", "Panel7", "Panel4", "Panel1", "GroupBox1", "GroupBox2",
                                 "Label1", "Label2", "Label3"};

// Types a colour into the dialog's red, green and blue boxes, then confirms.
void ChooseRgb(HWND dialog, int r, int g, int b)
{
    constexpr int kRed = 706, kGreen = 707, kBlue = 708;
    SetDlgItemInt(dialog, kRed, r, FALSE);
    SetDlgItemInt(dialog, kGreen, g, FALSE);
    SetDlgItemInt(dialog, kBlue, b, FALSE);
    DialogWatcher::Press(dialog, IDOK);
}

bool HasStyle(HWND window, int index, LONG bits)
{
    return (GetWindowLongA(window, index) & bits) == bits;
}

} // namespace

TEST_F(CalcFormTest, KeypadAndOptionsTakeTurnsInTheirPlace)
{
    auto& keypad = form->Component<TGroupBox>("GroupBox1");
    auto& options = form->Component<TGroupBox>("GroupBox2");
    Click("SpeedButton4");
    EXPECT_FALSE(keypad.Visible());
    EXPECT_TRUE(options.Visible());
    Click("SpeedButton4");
    EXPECT_TRUE(options.Visible()) << "a down button stays down";
    Click("SpeedButton2");
    EXPECT_TRUE(keypad.Visible());
    EXPECT_FALSE(options.Visible());
}

TEST_F(CalcFormTest, PanelColourAppliesAfterConfirmAndThePresetAfterCancel)
{
    form->Panel3->SetColor(clBlue);
    form->Panel7->SetColor(clRed);
    OnDialog([](HWND dialog) { DialogWatcher::Press(dialog, IDCANCEL); });
    Click("SpeedButton35");
    for (const char* name : kColoured)
        EXPECT_EQ(form->Component<TControl>(name).Color(), clBlue) << name;

    OnDialog([](HWND dialog) { ChooseRgb(dialog, 10, 20, 30); });
    Click("SpeedButton35");
    for (const char* name : kColoured)
        EXPECT_EQ(form->Component<TControl>(name).Color(), RGB(10, 20, 30)) << name;
    EXPECT_EQ(DialogCount(), 2);
    form->Component<TControl>("Panel3").SetColor(clMoneyGreen);
}

TEST_F(CalcFormTest, TapeAndTextColoursComeFromTheSameDialog)
{
    TColor paper = form->Memo1->Color(), ink = form->Memo1->Font().Color();
    OnDialog([](HWND dialog) { ChooseRgb(dialog, 1, 2, 3); });
    Click("SpeedButton37");
    EXPECT_EQ(form->Memo1->Color(), RGB(1, 2, 3));
    EXPECT_EQ(form->Memo1->Font().Color(), ink);
    OnDialog([](HWND dialog) { ChooseRgb(dialog, 200, 100, 0); });
    Click("SpeedButton36");
    EXPECT_EQ(form->Memo1->Font().Color(), RGB(200, 100, 0));
    EXPECT_EQ(form->Memo1->Color(), RGB(1, 2, 3));
    OnDialog([](HWND dialog) { DialogWatcher::Press(dialog, IDCANCEL); });
    Click("SpeedButton36");
    EXPECT_EQ(form->Memo1->Font().Color(), RGB(200, 100, 0));
    form->Memo1->SetColor(paper);
    form->Memo1->Font().SetColor(ink);
}

TEST_F(CalcFormTest, FontSizeFollowsItsSpinBox)
{
    for (const char* typed : {"30", "100", "5"}) {
        form->SpinEdit2->SetText(typed);
        EXPECT_EQ(form->Memo1->Font().Size(), form->SpinEdit2->Value()) << typed;
    }
    EXPECT_EQ(form->Memo1->Font().Size(), 8);
    form->SpinEdit2->SetValue(16);
    EXPECT_EQ(form->Memo1->Font().Size(), 16);
}

TEST_F(CalcFormTest, SwitchesOnTheOptionsPanel)
{
    HWND window = form->Handle();
    struct Case {
        const char* box;
        std::function<bool()> on;
    } cases[] = {
        {"CheckBox1", [&] { return HasStyle(window, GWL_EXSTYLE, WS_EX_TOPMOST); }},
        {"CheckBox2",
         [&] { return form->CheckBox5->Enabled() && form->ToolButton6->ImageIndex() == 0; }},
        {"CheckBox3", [&] { return HasStyle(form->Memo1->Handle(), GWL_STYLE, WS_HSCROLL | WS_VSCROLL); }},
        {"CheckBox6", [&] { return form->Timer2->Enabled() && form->Label4->Visible(); }},
    };
    for (const auto& c : cases) {
        auto& box = form->Component<TCheckBox>(c.box);
        for (int click = 0; click < 2; ++click) {
            Click(c.box);
            EXPECT_EQ(c.on(), box.Checked()) << c.box << " click " << click;
        }
    }
    // No scroll bar is left half on.
    EXPECT_FALSE(HasStyle(form->Memo1->Handle(), GWL_STYLE, WS_HSCROLL));
    EXPECT_FALSE(HasStyle(form->Memo1->Handle(), GWL_STYLE, WS_VSCROLL));
}

TEST_F(CalcFormTest, NewScrollBarsKeepTheTapeAndItsCaret)
{
    SetTape("1+2=3\r\n4*5");
    SetCaret(3);
    Click("CheckBox3");
    EXPECT_TRUE(HasStyle(form->Memo1->Handle(), GWL_STYLE, WS_VSCROLL));
    EXPECT_EQ(Tape(), "1+2=3\r\n4*5");
    EXPECT_EQ(Caret(), 3);
    SetCaret(static_cast<int>(Tape().size()));
    Type("=");
    EXPECT_EQ(Lines()[1], "4*5=20") << "the new tape window still evaluates";
    Click("CheckBox3");
}

TEST_F(CalcFormTest, SoundButtonTogglesTheVoiceBox)
{
    Click("ToolButton6");
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_TRUE(form->CheckBox5->Enabled());
    EXPECT_EQ(form->ToolButton6->ImageIndex(), 0);
    Click("ToolButton6");
    EXPECT_FALSE(form->CheckBox2->Checked());
    EXPECT_FALSE(form->CheckBox5->Enabled());
    EXPECT_EQ(form->ToolButton6->ImageIndex(), 1);
}

TEST_F(CalcFormTest, RightHandPanelHidesAndTheTapeTakesItsRoom)
{
    auto tapeRight = [&] {
        RECT r;
        GetWindowRect(form->Memo1->Handle(), &r);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r.right;
    };
    Click("SpeedButton48");
    EXPECT_FALSE(form->Panel1->Visible());
    EXPECT_EQ(tapeRight(), 752);
    Click("SpeedButton48");
    EXPECT_TRUE(form->Panel1->Visible());
    EXPECT_EQ(tapeRight(), 752 - 133);
}
