// A hidden window whose messages reach the object's virtual WndProc; the
// base answers through DefWindowProc.
#pragma once

#include "classlib/messagewindow.h"

class TcxMessageWindow {
public:
    TcxMessageWindow();
    virtual ~TcxMessageWindow() = default;
    TcxMessageWindow(const TcxMessageWindow&) = delete;
    TcxMessageWindow& operator=(const TcxMessageWindow&) = delete;

    HWND Handle() const { return window_.Handle(); }

protected:
    virtual void WndProc(TMessage& message);

private:
    TMessageWindow window_;
};
