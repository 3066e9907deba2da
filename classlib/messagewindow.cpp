#include "classlib/messagewindow.h"

#include "classlib/application.h"
#include "classlib/exceptions.h"

namespace {
constexpr char kMessageWindowClass[] = "VostrelMessageWindow";
}

TMessageWindow::TMessageWindow(THandler handler, TReach reach) : handler_(std::move(handler))
{
    static const ATOM registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kMessageWindowClass;
        return RegisterClassA(&wc);
    }();
    (void)registered;
    // WS_POPUP without WS_VISIBLE: top-level, never shown, not in the task bar.
    HWND parent = reach == TReach::OwnMessagesOnly ? HWND_MESSAGE : nullptr;
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, "", WS_POPUP, 0, 0, 0, 0, parent, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!handle_)
        RaiseLastOSError("CreateWindow message window");
}

TMessageWindow::~TMessageWindow()
{
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    // Only the window's own thread can destroy it; from another (a timer's
    // worker freeing its timer) it is asked to close, which ends the same way.
    if (GetWindowThreadProcessId(handle_, nullptr) == GetCurrentThreadId())
        DestroyWindow(handle_);
    else
        PostMessageA(handle_, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK TMessageWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<TMessageWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && self->handler_) {
        TMessage m{msg, wp, lp, 0};
        // A copy runs: the handler may free this window, and itself with it.
        THandler handler = self->handler_;
        if (Guarded([&] { return handler(m); }, true))
            return m.Result;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
