// The watcher that plays the user in the window tests: it answers every
// showing of a window, also of one closed and shown again at once (a fast
// Wine does that between two looks of a poll), and the boxes of other threads.
#include "classlib/tests/dialogwatcher.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/showmodal.h"

namespace {

class PlainForm : public TForm {
public:
    PlainForm() { LoadFromText("Again: TForm\n  Caption = Again\n"); }
};

HWND unansweredForm = nullptr;
int unanswered = 0;

// Closes a showing the watcher left alone, so that the test ends and says so.
void CALLBACK CloseUnanswered(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    ++unanswered;
    PostMessageA(unansweredForm, WM_CLOSE, 0, 0);
}

TEST(DialogWatcher, AnswersAFormShownAgainAtOnce)
{
    Application.Initialize();
    PlainForm form;
    DialogWatcher closer([](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); },
                         [&](HWND w) { return w == form.Handle(); });
    unansweredForm = form.Handle();
    unanswered = 0;
    for (int i = 0; i < 3; ++i) {
        UINT_PTR timer = SetTimer(nullptr, 0, 5000, CloseUnanswered);
        ShowModal(form);
        KillTimer(nullptr, timer);
    }
    EXPECT_EQ(unanswered, 0);
    EXPECT_EQ(closer.Count(), 3);
}

TEST(DialogWatcher, AnswersTheMessageBoxOfAnotherThread)
{
    DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
    std::atomic<bool> answered = false;
    std::thread worker([&] {
        MessageBoxA(nullptr, "from a worker", "worker", MB_OK);
        answered = true;
    });
    const bool done = PumpUntil([&] { return answered.load(); });
    if (!done)
        PostMessageA(FindWindowA("#32770", "worker"), WM_COMMAND, IDOK, 0);
    worker.join();
    EXPECT_TRUE(done);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"from a worker"});
}

} // namespace
