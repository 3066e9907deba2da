// Focus and Tab on a form built from description text: Tab order, what Tab
// skips, wrapping, controls that keep their Tab, and the active control.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/showmodal.h"
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

// A form from text whose Enter and Exit handlers log, and whose Exit then
// runs onExit once.
class TLogForm : public TForm {
public:
    explicit TLogForm(const char* text)
    {
        Bind("Enter", &TLogForm::Enter);
        Bind("Exit", &TLogForm::Exit);
        LoadFromText(text);
    }
    void Enter(TComponent& sender) { log += "enter " + sender.Name() + " "; }
    void Exit(TComponent& sender)
    {
        log += "exit " + sender.Name() + " ";
        if (auto then = std::exchange(onExit, nullptr))
            then(sender);
    }
    std::string FocusedName() const
    {
        TControl* control = TControl::FromHandle(GetFocus());
        return control ? control->Name() : "none";
    }
    // Shown in front, with its messages handled.
    void ShowInFront()
    {
        Show();
        SetForegroundWindow(Handle());
        Application.ProcessMessages();
    }
    std::string log;
    std::function<void(TComponent&)> onExit;
};

class TTabForm : public TLogForm {
public:
    TTabForm() : TLogForm(kTabForm) {}
};

// Written against their Tab order, each with its enter and exit logged.
const char* const kReversedForm = R"(Reversed: TForm
  ClientWidth = 200
  ClientHeight = 130
  Note: TLabel
    Caption = note
  A: TEdit
    Top = 30
    TabOrder = 2
    OnEnter = Enter
    OnExit = Exit
  B: TEdit
    Top = 60
    TabOrder = 1
    OnEnter = Enter
    OnExit = Exit
  C: TEdit
    Top = 90
    TabOrder = 0
    OnEnter = Enter
    OnExit = Exit
)";

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
        {"Tape", 0, "Check"}, // a memo moves on unless it wants tabs
    };
    for (const auto& m : moves) {
        Get(m.from).SetFocus();
        ASSERT_EQ(Focused(), m.from);
        PressKey(VK_TAB, m.shift);
        EXPECT_EQ(Focused(), m.to) << "Tab from " << m.from << (m.shift ? " with Shift" : "");
    }
    auto& tape = form->Component<TMemo>("Tape");
    tape.SetWantTabs(true);
    tape.SetFocus();
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), "Tape");
    EXPECT_NE(tape.Text().find('\t'), std::string::npos);
    tape.SetWantTabs(false);
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

TEST(FocusOnShow, TabOrderFromTextHoldsAgainstTheOrderOfTheText)
{
    Application.Initialize();
    TLogForm form(kReversedForm);
    EXPECT_EQ(form.Component<TControl>("A").TabOrder(), 2);
    EXPECT_EQ(form.Component<TControl>("C").TabOrder(), 0);
    form.ShowInFront();
    std::vector<std::string> visited{form.FocusedName()};
    for (int i = 0; i < 3; ++i) {
        PressKey(VK_TAB);
        visited.push_back(form.FocusedName());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"C", "B", "A", "C"}));
}

TEST(FocusOnShow, AShownFormEntersItsActiveControlOrElseItsFirstTabStop)
{
    Application.Initialize();
    const struct {
        const char* text;
        const char* focused;
    } forms[] = {{kTabForm, "A"}, {kReversedForm, "C"}};
    for (const auto& f : forms) {
        TLogForm form(f.text);
        form.ShowInFront();
        EXPECT_EQ(form.FocusedName(), f.focused);
        EXPECT_EQ(form.ActiveControl(), &form.Component<TControl>(f.focused));
        EXPECT_EQ(form.log, "enter " + std::string(f.focused) + " ");
        // Back from another window, it has the same control, entered once.
        TLogForm other(kReversedForm);
        other.ShowInFront();
        form.ShowInFront();
        EXPECT_EQ(form.FocusedName(), f.focused);
        EXPECT_EQ(form.log, "enter " + std::string(f.focused) + " ");
    }
}

// Tab from C towards B while C's OnExit moves the focus: every exit follows
// an enter of its own, and only the control that ends up focused enters.
TEST(FocusOnShow, AnExitThatMovesTheFocusPairsEveryEnterWithOneExit)
{
    Application.Initialize();
    TLogForm form(kReversedForm);
    form.ShowInFront();
    const struct {
        const char* name;
        const char* then; // what C's OnExit focuses, if anything
        const char* log;
        const char* focused;
    } cases[] = {
        {"leaves the focus alone", nullptr, "exit C enter B ", "B"},
        {"takes the focus back", "C", "exit C enter C ", "C"},
        {"sends it past the next", "A", "exit C enter A ", "A"},
    };
    for (const auto& c : cases) {
        form.Component<TControl>("C").SetFocus();
        ASSERT_EQ(form.FocusedName(), "C");
        form.log.clear();
        if (c.then)
            form.onExit = [&form, name = c.then](TComponent&) { form.Component<TControl>(name).SetFocus(); };
        PressKey(VK_TAB);
        EXPECT_EQ(form.log, c.log) << c.name;
        EXPECT_EQ(form.FocusedName(), c.focused) << c.name;
        EXPECT_EQ(form.ActiveControl(), &form.Component<TControl>(c.focused)) << c.name;
    }
}

namespace {
// Three edits, the middle one on a panel, and a form whose only tab stop is one edit.
const char* const kLeaveForm = R"(Leave: TForm
  ClientWidth = 200
  ClientHeight = 160
  A: TEdit
    Top = 10
    OnEnter = Enter
    OnExit = Exit
  Box: TPanel
    Top = 40
    Width = 180
    Height = 50
    B: TEdit
      Top = 10
      OnEnter = Enter
      OnExit = Exit
  C: TEdit
    Top = 100
    OnEnter = Enter
    OnExit = Exit
)";
const char* const kLoneForm = R"(Lone: TForm
  ClientWidth = 200
  ClientHeight = 60
  Note: TLabel
    Caption = note
  A: TEdit
    Top = 20
    OnEnter = Enter
    OnExit = Exit
)";
} // namespace

// The focused control (or the panel around it) hides, is disabled or is
// freed: the focus goes on to the next tab stop outside it, or to the form.
TEST(FocusHandedOn, WhenTheFocusedControlHidesIsDisabledOrGoes)
{
    Application.Initialize();
    enum class Act { Hide, Disable, Free };
    const struct {
        const char* name;
        const char* text;
        const char* focused; // before
        const char* acted;   // what hides, is disabled or goes
        const char* next;    // focused after; the form's own name for the form
    } cases[] = {
        {"with a next tab stop", kLeaveForm, "A", "A", "B"},
        {"on a panel, not to the panel", kLeaveForm, "B", "B", "C"},
        {"the panel around it", kLeaveForm, "B", "Box", "C"},
        {"the last, around to the first", kLeaveForm, "C", "C", "A"},
        {"the only one, to the form", kLoneForm, "A", "A", "Lone"},
    };
    for (Act act : {Act::Hide, Act::Disable, Act::Free})
        for (const auto& c : cases) {
            const std::string what = std::string(c.name) + " / act " + std::to_string(static_cast<int>(act));
            TLogForm form(c.text);
            form.ShowInFront();
            form.Component<TControl>(c.focused).SetFocus();
            ASSERT_EQ(form.FocusedName(), c.focused) << what;
            form.log.clear();
            auto& acted = form.Component<TControl>(c.acted);
            if (act == Act::Hide)
                acted.SetVisible(false);
            else if (act == Act::Disable)
                acted.SetEnabled(false);
            else
                delete &acted;
            Application.ProcessMessages();
            EXPECT_EQ(form.FocusedName(), c.next) << what;
            auto* next = dynamic_cast<TControl*>(form.FindComponent(c.next));
            EXPECT_EQ(form.ActiveControl(), next) << what;
            // A freed control, and what lay inside it, runs no more handlers;
            // the others exit once.
            std::string log = act == Act::Free ? "" : "exit " + std::string(c.focused) + " ";
            if (next)
                log += "enter " + std::string(c.next) + " ";
            EXPECT_EQ(form.log, log) << what;
            // Tab goes on from there as from any focused control.
            form.log.clear();
            PressKey(VK_TAB);
            if (next) {
                EXPECT_EQ(form.log.rfind("exit " + std::string(c.next) + " ", 0), 0u) << what;
            }
        }
}

namespace {
const char* const kNoStopForm = R"(NoStop: TForm
  ClientWidth = 200
  ClientHeight = 60
  Note: TLabel
    Caption = no control takes the focus
)";
const char* const kReadMemoForm = R"(ReadMemo: TForm
  ClientWidth = 200
  ClientHeight = 100
  Memo: TMemo
    Align = alClient
    ReadOnly = true
    WantReturns = false
)";

// Presses keys as the keyboard does, from the first tick of a thread timer
// (inside the modal loop); ends the form after a few seconds if they did not.
struct TModalKeys {
    static inline std::vector<WORD> keys;
    static inline TForm* form = nullptr;
    static inline int ticks = 0;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        if (++ticks == 1) {
            for (WORD key : keys)
                keybd_event(static_cast<BYTE>(key), 0, 0, 0);
            for (auto key = keys.rbegin(); key != keys.rend(); ++key)
                keybd_event(static_cast<BYTE>(*key), 0, KEYEVENTF_KEYUP, 0);
        } else if (ticks > 60 && form->Visible()) {
            KillTimer(nullptr, id);
            form->SetModalResult(mrAbort);
        }
    }
};
} // namespace

// Esc that no control takes, and Alt+F4, end a modal form as its close box
// does, whatever has its focus; the owner's control then has the focus
// again, without leaving or entering.
TEST(FocusOnShow, EscOrAltF4EndsAModalFormAndTheFocusGoesBack)
{
    Application.Initialize();
    TLogForm owner(kReversedForm);
    owner.ShowInFront();
    owner.Component<TControl>("B").SetFocus();
    const struct {
        const char* name;
        const char* text;
        std::vector<WORD> keys;
    } cases[] = {
        {"Esc, the form itself focused", kNoStopForm, {VK_ESCAPE}},
        {"Esc, an edit focused", kReversedForm, {VK_ESCAPE}},
        {"Esc, a read-only memo focused", kReadMemoForm, {VK_ESCAPE}},
        {"Alt+F4, the form itself focused", kNoStopForm, {VK_MENU, VK_F4}},
        {"Alt+F4, an edit focused", kReversedForm, {VK_MENU, VK_F4}},
    };
    for (const auto& c : cases) {
        TLogForm dialog(c.text);
        owner.log.clear();
        TModalKeys::keys = c.keys;
        TModalKeys::form = &dialog;
        TModalKeys::ticks = 0;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, TModalKeys::Tick);
        EXPECT_EQ(ShowModal(dialog), mrCancel) << c.name;
        KillTimer(nullptr, timer);
        Application.ProcessMessages();
        EXPECT_EQ(owner.FocusedName(), "B") << c.name;
        EXPECT_EQ(owner.log, "") << c.name;
    }
}
