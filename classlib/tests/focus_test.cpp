// Focus and Tab on a form built from description text: Tab order, what Tab
// skips, wrapping, controls that keep their Tab, and the active control.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/tests/keyboard.h"

namespace {

const char* const kTabForm = R"(TabForm: TForm
  ClientWidth = 300
  ClientHeight = 300
  ActiveControl = A
  A: TEdit
    Top = 10
    OnEnter = Enter
    OnExit = Exit
  B: TEdit
    Top = 40
    TabOrder = 0
  Off: TEdit
    Top = 70
    Enabled = false
  Hidden: TEdit
    Top = 100
    Visible = false
  NoStop: TEdit
    Top = 130
    TabStop = false
  Tape: TMemo
    Top = 160
    Height = 40
  Box: TPanel
    Top = 210
    Height = 60
    Width = 200
    Check: TCheckBox
      Top = 10
      Width = 100
      Caption = check
)";

class TTabForm : public TForm {
public:
    TTabForm()
    {
        Bind("Enter", &TTabForm::Enter);
        Bind("Exit", &TTabForm::Exit);
        LoadFromText(kTabForm);
    }
    void Enter(TComponent& sender) { log += "enter " + sender.Name() + " "; }
    void Exit(TComponent& sender) { log += "exit " + sender.Name() + " "; }
    std::string log;
};

class Focus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        form = std::make_unique<TTabForm>();
        form->Show();
        SetForegroundWindow(form->Handle());
        Application.ProcessMessages();
    }
    static void TearDownTestSuite() { form.reset(); }

    static std::string Focused()
    {
        TControl* control = TControl::FromHandle(GetFocus());
        return control ? control->Name() : "none";
    }
    static TControl& Get(const std::string& name) { return form->Component<TControl>(name); }

    static std::unique_ptr<TTabForm> form;
};

std::unique_ptr<TTabForm> Focus::form;

} // namespace

TEST_F(Focus, TabFollowsTabOrderSkipsWhatCannotTakeItAndWraps)
{
    const struct {
        const char* from;
        TShiftState shift;
        const char* to;
    } moves[] = {
        {"B", 0, "A"},           // TabOrder put B first
        {"A", 0, "Tape"},        // past the disabled, hidden and non-tab-stop edits
        {"Check", 0, "B"},       // out of the panel, around to the first
        {"B", ssShift, "Check"}, // and back around
        {"Check", ssShift, "Tape"},
        {"A", ssShift, "B"},
        {"Tape", 0, "Tape"}, // a multi-line edit keeps its Tab
    };
    for (const auto& m : moves) {
        Get(m.from).SetFocus();
        ASSERT_EQ(Focused(), m.from);
        PressKey(VK_TAB, m.shift);
        EXPECT_EQ(Focused(), m.to) << "Tab from " << m.from << (m.shift ? " with Shift" : "");
    }
}

TEST_F(Focus, TheActiveControlFollowsTheFocusWithEnterAndExit)
{
    Get("B").SetFocus();
    form->log.clear();
    PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), &Get("A"));
    PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), &Get("Tape"));
    EXPECT_EQ(form->log, "enter A exit A ");
}
