// An exit handler that raises stops the focus change it belongs to: the
// control it leads to does not enter, the control left stays active with
// the focus, and the failure is reported once. Driven by real Tab keys and
// by SetFocus; freed objects lose their pages, so a later touch faults.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"

namespace {

const char* const kStopForm = R"(Stop: TForm
  ClientWidth = 300
  ClientHeight = 200
  Box: TPanel
    Width = 220
    Height = 60
    OnExit = Exit
    A: TEdit
      Top = 10
      OnEnter = Enter
      OnExit = Exit
  B: TEdit
    Top = 80
    OnEnter = Enter
    OnExit = Exit
  C: TEdit
    Top = 110
    OnEnter = Enter
    OnExit = Exit
)";

class TStopForm : public TForm {
public:
    TStopForm()
    {
        Bind("Enter", &TStopForm::Enter);
        Bind("Exit", &TStopForm::Exit);
        LoadFromText(kStopForm);
    }
    void Enter(TComponent& sender) { log += "enter " + sender.Name() + " "; }
    void Exit(TComponent& sender)
    {
        log += "exit " + sender.Name() + " ";
        if (onExit.second && onExit.first == sender.Name())
            std::exchange(onExit, {}).second();
    }
    TControl& Get(const std::string& name) { return Component<TControl>(name); }

    std::string log;
    // Run once, by the exit of the control of that name.
    std::pair<std::string, std::function<void()>> onExit;
};

// The name of the control with the focus, "none" without one of ours.
std::string FocusedName()
{
    TControl* control = TControl::FromHandle(GetFocus());
    return control ? control->Name() : "none";
}

enum class Drive { TabTyped, SetFocusB };

// Moves the focus from A towards B as a user or the program would.
void MoveToB(TStopForm& form, Drive drive)
{
    if (drive == Drive::TabTyped)
        TapKeyInput(VK_TAB);
    else
        form.Get("B").SetFocus();
}

// Shown in front with the focus in A, the log cleared; made when null.
TStopForm& StartAtA(TStopForm*& form)
{
    if (!form) {
        form = new TStopForm;
        form->Show();
        SetForegroundWindow(form->Handle());
        PumpInput([form] { return GetForegroundWindow() == form->Handle(); });
    }
    form->Get("A").SetFocus();
    SettleInput();
    form->log.clear();
    return *form;
}

} // namespace

TEST(ExitFailure, ARaisingExitStopsTheMoveAndIsReportedOnce)
{
    Application.Initialize();
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    enum class Act { Raise, Abort, FocusCThenRaise, FreeFormThenRaise, FreeForm };
    const struct {
        const char* name;
        const char* who; // whose exit acts
        Act act;
        const char* log;
        const char* focused; // also the active control; empty when the form went
        int boxes;
        const char* next; // the log of the next move to B
    } cases[] = {
        {"an exit raises", "A", Act::Raise, "exit A ", "A", 1, "exit A exit Box enter B "},
        {"an exit raises the silent abort", "A", Act::Abort, "exit A ", "A", 0, "exit A exit Box enter B "},
        // The control left has exited already: it enters again with its focus.
        {"the parent's exit raises", "Box", Act::Raise, "exit A exit Box enter A ", "A", 1,
         "exit A exit Box enter B "},
        // The handler put the focus where it wanted it: it stays there.
        {"an exit moves the focus, then raises", "A", Act::FocusCThenRaise, "exit A exit Box enter C ", "C", 1,
         "exit C enter B "},
        {"an exit frees the form, then raises", "A", Act::FreeFormThenRaise, "", "", 1, ""},
        {"an exit frees the form", "A", Act::FreeForm, "", "", 0, ""},
    };
    // One form serves every case that leaves it alive.
    TStopForm* kept = nullptr;
    for (Drive drive : {Drive::TabTyped, Drive::SetFocusB}) {
        for (const auto& c : cases) {
            const std::string name = std::string(c.name) + (drive == Drive::TabTyped ? ", Tab typed" : ", SetFocus");
            TStopForm* fresh = nullptr;
            TStopForm* form = &StartAtA(*c.focused ? kept : fresh);
            ASSERT_EQ(FocusedName(), "A") << name << "; " << DescribeInputTarget();
            const TLiveness formAlive = form->Liveness();
            const Act act = c.act;
            form->onExit = {c.who, [form, act] {
                                if (act == Act::FocusCThenRaise)
                                    form->Get("C").SetFocus();
                                if (act == Act::FreeForm || act == Act::FreeFormThenRaise)
                                    delete form;
                                if (act == Act::Abort)
                                    throw EAbort("abandoned");
                                if (act != Act::FreeForm)
                                    throw EInvalidOperation("exit failed");
                            }};
            const int boxes = watcher.Count();
            MoveToB(*form, drive);
            PumpInput([&] { return !formAlive || !form->onExit.second; });
            PumpInput([&] { return watcher.Count() - boxes >= c.boxes; });
            SettleInput();
            EXPECT_EQ(watcher.Count() - boxes, c.boxes) << name;
            if (!*c.focused) {
                EXPECT_FALSE(formAlive) << name;
                continue;
            }
            ASSERT_TRUE(formAlive) << name;
            EXPECT_EQ(form->log, c.log) << name;
            EXPECT_EQ(FocusedName(), c.focused) << name;
            EXPECT_EQ(form->ActiveControl(), &form->Get(c.focused)) << name;
            // Nothing is left stuck: the same move now goes through.
            form->log.clear();
            if (drive == Drive::TabTyped && FocusedName() != "A")
                form->Get("B").SetFocus();
            else
                MoveToB(*form, drive);
            PumpInput([&] { return FocusedName() == "B"; });
            SettleInput();
            EXPECT_EQ(form->log, c.next) << name;
            EXPECT_EQ(form->ActiveControl(), &form->Get("B")) << name;
        }
    }
    delete kept;
}

// The focused control goes (or hides) and nothing else can take the focus:
// the form itself takes it, and an exit that raises on the way is
// reported once there, since that change cannot be stopped.
TEST(ExitFailure, ARaisingExitWhileTheFocusedControlGoesIsReportedOnce)
{
    Application.Initialize();
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    for (bool removing : {true, false}) {
        TStopForm* form = nullptr;
        StartAtA(form);
        form->Get("B").SetEnabled(false);
        form->Get("C").SetEnabled(false);
        form->log.clear();
        form->onExit = {"Box", [] { throw EInvalidOperation("exit failed"); }};
        const int boxes = watcher.Count();
        TControl& a = form->Get("A");
        if (removing)
            delete &a;
        else
            a.SetVisible(false);
        PumpInput([&] { return watcher.Count() > boxes; });
        SettleInput();
        EXPECT_EQ(watcher.Count() - boxes, 1) << removing;
        EXPECT_EQ(form->log, removing ? "exit Box " : "exit A exit Box ") << removing;
        EXPECT_EQ(GetFocus(), form->Handle()) << removing;
        EXPECT_EQ(form->ActiveControl(), nullptr) << removing;
        delete form;
    }
}
