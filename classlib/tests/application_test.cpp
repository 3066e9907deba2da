// The application's main form: shown and painted before the loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/tests/dialogwatcher.h"

namespace {

class PaintedForm : public TForm {
public:
    PaintedForm()
    {
        LoadFromText("PaintedForm: TForm\n"
                     "  Caption = 主窗口\n"
                     "  Bar: TPanel\n"
                     "    Align = alTop\n"
                     "    Height = 30\n"
                     "    Note: TLabel\n"
                     "      Caption = 标签\n"
                     "  Tape: TMemo\n"
                     "    Align = alClient\n");
    }
};

// Windows still waiting for their WM_PAINT, the form's own first.
std::vector<std::string> Unpainted(TForm& form)
{
    std::vector<std::string> waiting;
    if (GetUpdateRect(form.Handle(), nullptr, FALSE))
        waiting.push_back(form.Name());
    for (const char* name : {"Bar", "Note", "Tape"})
        if (GetUpdateRect(form.Component<TControl>(name).Handle(), nullptr, FALSE))
            waiting.push_back(name);
    return waiting;
}

TEST(Application, ShowMainFormPaintsTheFormAndItsControlsAtOnce)
{
    Application.Initialize();
    TForm* before = Application.MainForm();
    {
        PaintedForm form;
        Application.SetMainForm(&form);
        // No message is handled here: only the call itself can have painted.
        Application.ShowMainForm();
        EXPECT_TRUE(IsWindowVisible(form.Handle()));
        EXPECT_EQ(Unpainted(form), std::vector<std::string>{});
        Application.SetMainForm(before);
    }
}

// Every failure is shown but the silent abort.
TEST(Application, HandleExceptionKeepsTheSilentAbortSilent)
{
    Application.Initialize();
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    for (bool silent : {true, false}) {
        try {
            if (silent)
                throw EAbort("Operation aborted");
            throw EInvalidOperation("failed");
        } catch (...) {
            Application.HandleException();
        }
    }
    EXPECT_EQ(watcher.Messages(), std::vector<std::string>{"failed"});
}

// Idle tasks run from the loop only once the form is painted and nothing
// waits, one at a time: a message a task posts is served before the next
// task, and one that raises is reported without stopping the rest.
TEST(Application, IdleTasksRunBetweenMessagesInOrder)
{
    Application.Initialize();
    TForm* before = Application.MainForm();
    PaintedForm form;
    Application.SetMainForm(&form);
    std::vector<std::string> log;
    constexpr UINT kNote = WM_APP + 7;
    form.WindowProc = [&, passOn = form.WindowProc](TMessage& m) {
        if (m.Msg == kNote)
            log.push_back("message " + std::to_string(m.WParam));
        passOn(m);
    };
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    PostMessageA(form.Handle(), kNote, 1, 0);
    Application.RunWhenIdle([&] {
        log.push_back(GetUpdateRect(form.Handle(), nullptr, FALSE) ? "task before paint" : "task");
        PostMessageA(form.Handle(), kNote, 2, 0);
    });
    Application.RunWhenIdle([] { throw EInvalidOperation("idle failed"); });
    Application.RunWhenIdle([&] {
        log.push_back("last task");
        Application.Terminate();
    });
    Application.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"message 1", "task", "message 2", "last task"}));
    EXPECT_EQ(watcher.Messages(), std::vector<std::string>{"idle failed"});
    Application.SetMainForm(before);
}

// A window of another thread in front makes the application inactive, its
// own form in front active again.
TEST(Application, ActiveFollowsWhetherOneOfItsWindowsIsInFront)
{
    Application.Initialize();
    PaintedForm form;
    form.Show();
    std::atomic<HWND> other = nullptr;
    std::atomic<bool> done = false;
    std::thread thread([&] {
        other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
        for (MSG msg; !done; Sleep(1))
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        DestroyWindow(other);
    });
    PumpUntil([&] { return other != nullptr; });
    for (bool ours : {true, false, true}) {
        SetForegroundWindow(ours ? form.Handle() : other.load());
        PumpUntil([&] { return Application.Active() == ours; });
        EXPECT_EQ(Application.Active(), ours);
    }
    done = true;
    thread.join();
}

} // namespace

