#include "classlib/showmodal.h"

#include <windows.h>

#include <utility>
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
    ~DisabledWindows() { Enable(); }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

    // Gives the windows back, once.
    void Enable() noexcept
    {
        for (HWND w : windows_)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
        windows_.clear();
    }

private:
    std::vector<HWND> windows_;
};

} // namespace

TModalResult ShowModal(TForm& form)
{
    // Activation goes back there afterwards, which gives it its focus again.
    HWND previous = GetActiveWindow();
    TFlagScope modal(form.Liveness(), form.modal_);
    form.SetModalResult(mrNone);
    form.Show();
    DisabledWindows disabled(form.Handle());
    // The modal form being hidden (closed, not hidden along with its owner):
    // the other windows are enabled before it goes, so that one of them, not
    // another program's window or none, becomes active in its place.
    struct Restore {
        TForm& form;
        TWndMethod proc;
        ~Restore() { form.WindowProc = std::move(proc); }
    } restore{form, form.WindowProc};
    TWndMethod& formProc = restore.proc;
    form.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGING && (reinterpret_cast<WINDOWPOS*>(m.LParam)->flags & SWP_HIDEWINDOW) &&
            !form.Visible())
            disabled.Enable();
        const TLiveness alive = form.Liveness();
        formProc(m);
        // Esc that no control took cancels, as in a dialog.
        if (alive && m.Msg == CM_DIALOGKEY && LOWORD(m.WParam) == VK_ESCAPE && m.Result == 0) {
            form.SetModalResult(mrCancel);
            m.Result = 1;
        }
    };
    SetActiveWindow(form.Handle());
    MSG msg;
    while (form.Visible()) {
        if (form.ModalResult() != mrNone) {
            // A result closes the form, unless it refuses to close.
            if (form.CloseQuery()) {
                form.Hide();
                break;
            }
            form.SetModalResult(mrNone);
        }
        TApplication::TTaken taken = Application.HandleMessage(msg, true);
        if (taken != TApplication::TTaken::Handled) {
            // The quit request belongs to the main loop.
            PostQuitMessage(taken == TApplication::TTaken::Quit ? static_cast<int>(msg.wParam) : 0);
            break;
        }
    }
    disabled.Enable();
    if (previous && previous != form.Handle() && IsWindowVisible(previous) && IsWindowEnabled(previous))
        SetActiveWindow(previous);
    if (form.ModalResult() == mrNone)
        form.SetModalResult(mrCancel);
    return form.ModalResult();
}
