// A hidden top-level window whose messages go to a handler run under the
// exception guard: for timers and for the system's broadcasts (colours,
// settings, themes), which reach top-level windows but not message-only ones.
#pragma once

#include <windows.h>

#include <functional>

#include "classlib/messages.h"

class TMessageWindow {
public:
    // The handler answers true for a message it handled (its Result is
    // returned); the others go to DefWindowProc.
    using THandler = std::function<bool(TMessage&)>;

    explicit TMessageWindow(THandler handler);
    ~TMessageWindow();
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;

    HWND Handle() const { return handle_; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    THandler handler_;
    HWND handle_ = nullptr;
};
