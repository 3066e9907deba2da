// A hidden window whose messages go to a handler run under the exception
// guard: a top-level one for the system's broadcasts (colours, settings,
// themes), which reach top-level windows but not message-only ones; a
// message-only one, cheaper to make, for what is sent or posted to it alone
// (timer ticks).
#pragma once

#include <windows.h>

#include <functional>

#include "classlib/messages.h"

class TMessageWindow {
public:
    // The handler answers true for a message it handled (its Result is
    // returned); the others go to DefWindowProc.
    using THandler = std::function<bool(TMessage&)>;

    enum class TReach { Broadcasts, OwnMessagesOnly };

    explicit TMessageWindow(THandler handler, TReach reach = TReach::Broadcasts);
    ~TMessageWindow();
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;

    HWND Handle() const { return handle_; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    THandler handler_;
    HWND handle_ = nullptr;
};
