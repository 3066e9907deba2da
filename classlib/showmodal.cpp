#include "classlib/showmodal.h"

#include <windows.h>

#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {
BOOL CALLBACK CollectEnabled(HWND hwnd, LPARAM lp)
{
    auto& windows = *reinterpret_cast<std::vector<HWND>*>(lp);
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        windows.push_back(hwnd);
    return TRUE;
}

// Disables the thread's visible windows for one scope, as a modal form must.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND except)
    {
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&windows_));
        std::erase(windows_, except);
        for (HWND w : windows_)
            EnableWindow(w, FALSE);
    }
    ~DisabledWindows()
    {
        for (HWND w : windows_)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    std::vector<HWND> windows_;
};
} // namespace

void ShowModal(TForm& form)
{
    form.Show();
    DisabledWindows disabled(form.Handle());
    SetActiveWindow(form.Handle());
    MSG msg;
    while (form.Visible()) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // The quit request belongs to the main loop.
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
