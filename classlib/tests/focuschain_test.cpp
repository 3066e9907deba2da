// Enter and exit along the parent chain: when the focus moves, the controls
// it leaves exit innermost first up to the nearest control holding both
// ends, and those it reaches enter outermost first; handlers that move the
// focus, free a control or raise leave every exit paired with one enter.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/panel.h"
#include "classlib/tests/dialogwatcher.h"

namespace {

// Panels within panels; every control logs its enter and exit.
const char* const kChainForm = R"(Chain: TForm
  ClientWidth = 300
  ClientHeight = 260
  A: TEdit
    Top = 10
    OnEnter = Enter
    OnExit = Exit
  Outer: TPanel
    Top = 40
    Width = 280
    Height = 200
    OnEnter = Enter
    OnExit = Exit
    P: TEdit
      Top = 5
      OnEnter = Enter
      OnExit = Exit
    Inner: TPanel
      Top = 40
      Width = 240
      Height = 120
      OnEnter = Enter
      OnExit = Exit
      Q: TEdit
        Top = 5
        OnEnter = Enter
        OnExit = Exit
      R: TEdit
        Top = 40
        OnEnter = Enter
        OnExit = Exit
)";

class TChainForm : public TForm {
public:
    TChainForm()
    {
        Bind("Enter", &TChainForm::Enter);
        Bind("Exit", &TChainForm::Exit);
        LoadFromText(kChainForm);
    }
    void Enter(TComponent& sender) { Log("enter", sender, onEnter); }
    void Exit(TComponent& sender)
    {
        activeAtExit += (ActiveControl() ? ActiveControl()->Name() : "none") + " ";
        Log("exit", sender, onExit);
    }
    TControl& Get(const std::string& name) { return Component<TControl>(name); }
    std::string FocusedName() const
    {
        TControl* control = TControl::FromHandle(GetFocus());
        return control ? control->Name() : "none";
    }
    void ShowInFront()
    {
        Show();
        SetForegroundWindow(Handle());
        Application.ProcessMessages();
    }
    // Focuses name and clears the log.
    void StartAt(const std::string& name)
    {
        Get(name).SetFocus();
        Application.ProcessMessages();
        log.clear();
        activeAtExit.clear();
    }

    std::string log;
    // The active control as each exit saw it.
    std::string activeAtExit;
    // Run once, for the control of that name, after its line is logged.
    std::pair<std::string, std::function<void()>> onEnter, onExit;

private:
    void Log(const char* what, TComponent& sender, std::pair<std::string, std::function<void()>>& hook)
    {
        log += std::string(what) + " " + sender.Name() + " ";
        if (hook.second && hook.first == sender.Name())
            std::exchange(hook, {}).second();
    }
};

} // namespace

TEST(FocusChain, EnterAndExitRunAlongTheParentsBelowTheCommonOne)
{
    Application.Initialize();
    TChainForm form;
    form.ShowInFront();
    const struct {
        const char* from;
        const char* to;
        const char* log;
    } moves[] = {
        {"A", "Q", "exit A enter Outer enter Inner enter Q "},
        {"Q", "R", "exit Q enter R "},
        {"R", "P", "exit R exit Inner enter P "},
        {"P", "A", "exit P exit Outer enter A "},
        {"R", "A", "exit R exit Inner exit Outer enter A "},
        {"A", "Outer", "exit A enter Outer "},
        // Between a control and one inside it the outer one hears nothing.
        {"Outer", "P", "enter P "},
        {"P", "Outer", "exit P "},
        {"Outer", "R", "enter Inner enter R "},
        {"R", "Inner", "exit R "},
        {"Inner", "Outer", "exit Inner "},
        {"Q", "Q", ""},
    };
    for (const auto& m : moves) {
        form.StartAt(m.from);
        ASSERT_EQ(form.FocusedName(), m.from);
        form.Get(m.to).SetFocus();
        Application.ProcessMessages();
        EXPECT_EQ(form.log, m.log) << m.from << " to " << m.to;
        EXPECT_EQ(form.ActiveControl(), &form.Get(m.to)) << m.from << " to " << m.to;
        // What leaves sees already where the focus went.
        std::string expected;
        for (auto at = form.log.find("exit "); at != std::string::npos; at = form.log.find("exit ", at + 1))
            expected += std::string(m.to) + " ";
        EXPECT_EQ(form.activeAtExit, expected) << m.from << " to " << m.to;
    }
}

// A handler moves the focus, frees a parent on the way or raises: the walk
// stops or goes on as the focus now stands, and a later move exits only
// what entered.
TEST(FocusChain, HandlersThatMoveTheFocusFreeOrRaiseLeaveEveryExitPaired)
{
    Application.Initialize();
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    const struct {
        const char* name;
        const char* from;
        const char* to;
        bool onEnter;     // else on exit
        const char* who;  // whose handler acts
        const char* then; // focus this, "free" who, or "raise"
        const char* log;
        const char* focused;
        const char* back; // the log of a move back to A (none when A is focused)
    } cases[] = {
        {"an enter on the way sends the focus back", "A", "Q", true, "Outer", "A",
         "exit A enter Outer exit Outer enter A ", "A", ""},
        {"an enter on the way sends it elsewhere inside", "A", "Q", true, "Inner", "P",
         "exit A enter Outer enter Inner exit Inner enter P ", "P", "exit P exit Outer enter A "},
        {"an exit on the way takes the focus", "R", "A", false, "Inner", "Q",
         "exit R exit Inner enter Inner enter Q ", "Q", "exit Q exit Inner exit Outer enter A "},
        {"an exit on the way frees its panel", "R", "A", false, "Inner", "free",
         "exit R exit Inner exit Outer enter A ", "A", ""},
        // The failure's message box takes the focus; when it closes the
        // focus comes back, and the walk runs again from what entered.
        {"a raising enter", "A", "Q", true, "Outer", "raise", "exit A enter Outer enter Inner enter Q ", "Q",
         "exit Q exit Inner exit Outer enter A "},
        // A raising exit stops the move: the control left keeps the focus.
        {"a raising exit", "Q", "A", false, "Q", "raise", "exit Q ", "Q", "exit Q exit Inner exit Outer enter A "},
        {"a raising exit on the way", "R", "A", false, "Inner", "raise", "exit R exit Inner enter R ", "R",
         "exit R exit Inner exit Outer enter A "},
    };
    for (const auto& c : cases) {
        TChainForm form;
        form.ShowInFront();
        form.StartAt(c.from);
        const std::string who = c.who, then = c.then;
        std::function<void()> act = [&form, who, then] {
            if (then == "free")
                delete &form.Get(who);
            else if (then == "raise")
                throw EInvalidOperation("handler failed");
            else
                form.Get(then).SetFocus();
        };
        (c.onEnter ? form.onEnter : form.onExit) = {c.who, act};
        const int boxes = watcher.Count();
        form.Get(c.to).SetFocus();
        Application.ProcessMessages();
        EXPECT_EQ(form.log, c.log) << c.name;
        EXPECT_EQ(form.FocusedName(), c.focused) << c.name;
        EXPECT_EQ(watcher.Count() - boxes, then == "raise" ? 1 : 0) << c.name;
        if (form.FocusedName() == "A")
            continue;
        form.log.clear();
        form.Get("A").SetFocus();
        Application.ProcessMessages();
        EXPECT_EQ(form.log, c.back) << c.name;
    }
}

namespace {

// A panel whose children Tab does not visit one by one: it stands for them.
class TOnePanel : public TPanel {
public:
    void GetTabOrderList(std::vector<TControl*>&) const override {}
};

} // namespace

// FocusControl on a form behind another: the form comes to the front and
// the control enters with its parents. A panel that lists its children
// its own way hides them from Tab.
TEST(FocusChain, FocusControlActivatesTheFormAndATabListCanStandForItsChildren)
{
    Application.Initialize();
    TChainForm form, other;
    form.ShowInFront();
    form.StartAt("A");
    other.ShowInFront();
    ASSERT_NE(GetActiveWindow(), form.Handle());
    form.log.clear();
    form.FocusControl(&form.Component<TWinControl>("Q"));
    Application.ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), form.Handle());
    EXPECT_EQ(form.FocusedName(), "Q");
    EXPECT_EQ(form.log, "exit A enter Outer enter Inner enter Q ");

    auto* one = new TOnePanel;
    one->SetParent(&form);
    one->SetBounds(10, 200, 100, 40);
    auto* hidden = new TEdit;
    hidden->SetParent(one);
    form.StartAt("R");
    for (int i = 0; i < 6; ++i) {
        form.SelectNext(form.ActiveControl(), true, true);
        EXPECT_NE(form.ActiveControl(), hidden);
    }
    delete one;
    delete hidden;
}

// ParentFont: a font of its own clears it; set again, the parent's font returns.
TEST(FocusChain, ParentFontFollowsTheParentAgainOnceSet)
{
    Application.Initialize();
    TChainForm form;
    auto& edit = form.Get("P");
    auto& panel = form.Get("Outer");
    EXPECT_TRUE(edit.ParentFont());
    edit.Font().SetSize(panel.Font().Size() + 5);
    EXPECT_FALSE(edit.ParentFont());
    edit.SetParentFont(true);
    EXPECT_TRUE(edit.ParentFont());
    EXPECT_EQ(edit.Font().Size(), panel.Font().Size());
}
