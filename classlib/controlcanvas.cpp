#include "classlib/controlcanvas.h"

#include "classlib/control.h"

HDC TControlCanvas::CreateHandle()
{
    // The window the DC came from, for its release even if the window was remade since.
    window_ = control_.Handle();
    return window_ ? GetDC(window_) : nullptr;
}

void TControlCanvas::DeleteHandle(HDC dc)
{
    ReleaseDC(window_, dc);
    window_ = nullptr;
}
