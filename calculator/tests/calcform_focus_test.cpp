// The keyboard focus when the calculator window is active again. Real key
// presses go to the foreground window, so these tests run alone.
#include "calculator/tests/calcform_fixture.h"

#include "classlib/application.h"
#include "classlib/tests/keyboard.h"
#include "classlib/tests/realinput.h"
#include "classlib/windowclasses.h"

TEST_F(CalcFormTest, TheControlThatHadTheFocusHasItAgain)
{
    const std::pair<const char*, void (*)(TCalcForm&)> ways[] = {
        {"about closed", [](TCalcForm& f) { ClickButton(f, "SpeedButton42"); }},
        {"help closed", [](TCalcForm& f) { ClickButton(f, "SpeedButton46"); }},
        {"tray", [](TCalcForm& f) { ChooseTrayItem(f.Handle(), 'h'), ChooseTrayItem(f.Handle(), 's'); }},
        {"minimised", [](TCalcForm& f) { ShowWindow(f.Handle(), SW_MINIMIZE), ShowWindow(f.Handle(), SW_RESTORE); }},
        {"switched", [](TCalcForm& f) {
             HWND other = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 99, 99, nullptr,
                                          nullptr, nullptr, nullptr);
             SetForegroundWindow(other), SetForegroundWindow(f.Handle()), DestroyWindow(other);
         }},
    };
    // As in the program: a closed window does not end the run. A user closes each.
    Application.SetMainForm(form.get());
    DialogWatcher closer([](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); },
                         [calculator = form->Handle()](HWND w) {
                             char cls[32] = {};
                             GetClassNameA(w, cls, sizeof cls);
                             return w != calculator && std::string(cls) == kFormClass;
                         });
    ClickButton(*form, "SpeedButton4");  // the options page, with the spin box
    for (const auto& [name, way] : ways) {
        // The tape last, so that the typed key goes there.
        for (TControl* had : std::initializer_list<TControl*>{form->SpinEdit1, form->Memo1}) {
            had->SetFocus();
            way(*form);
            EXPECT_TRUE(PumpUntil([had] { return had->Focused(); }, 2000)) << name << ", " << had->Name();
        }
        SetTape("");
        keybd_event('7', 0, 0, 0);
        keybd_event('7', 0, KEYEVENTF_KEYUP, 0);
        EXPECT_TRUE(PumpUntil([this] { return Tape() == "7"; }, 2000))
            << name << ": the key went elsewhere, " << DescribeInputTarget();
    }
    Application.SetMainForm(nullptr);
}

// Tab moves through the options panel's boxes, past the disabled one, and
// out of the tape: a Tab typed into the tape would be lost in its expression.
TEST_F(CalcFormTest, TabMovesThroughTheOptionsAndOutOfTheTape)
{
    Click("SpeedButton4");
    auto focused = [] {
        TControl* control = TControl::FromHandle(GetFocus());
        return control ? control->Name() : std::string("none");
    };
    const std::pair<const char*, const char*> moves[] = {
        {"SpinEdit1", "Edit7"}, {"Edit7", "SpinEdit3"}, {"SpinEdit3", "CheckBox1"}, {"CheckBox2", "CheckBox4"},
        {"Memo1", "Edit4"},
    };
    for (const auto& [from, to] : moves) {
        form->Component<TControl>(from).SetFocus();
        PressKey(VK_TAB);
        EXPECT_EQ(focused(), to) << "Tab from " << from;
    }
    form->Component<TControl>("CheckBox4").SetFocus();
    PressKey(VK_TAB, ssShift);
    EXPECT_EQ(focused(), "CheckBox2");
    EXPECT_EQ(form->Memo1->Text().find('\t'), std::string::npos);
    Click("SpeedButton2");
}
