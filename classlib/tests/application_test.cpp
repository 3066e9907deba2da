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

