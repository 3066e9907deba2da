#include "classlib/messagewindow.h"

#include "classlib/application.h"
#include "classlib/exceptions.h"

namespace {
constexpr char kMessageWindowClass[] = "VostrelMessageWindow";
}

TMessageWindow::TMessageWindow(THandler handler) : handler_(std::move(handler))
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
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!handle_)
        RaiseLastOSError("CreateWindow message window");
}

TMessageWindow::~TMessageWindow()
{
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

LRESULT CALLBACK TMessageWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<TMessageWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && self->handler_) {
        TMessage m{msg, wp, lp, 0};
        if (Guarded([&] { return self->handler_(m); }, true))
            return m.Result;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
