#include "classlib/controlcanvas.h"

#include "classlib/control.h"

HDC TControlCanvas::CreateHandle()
{
    if (control_.Windowless()) {
        // The window it is drawn in, with the origin and clipping of the control's rectangle.
        POINT at{0, 0};
        window_ = control_.DrawingWindow(&at);
        HDC dc = window_ ? GetDCEx(window_, nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS) : nullptr;
        if (dc) {
            SetViewportOrgEx(dc, at.x, at.y, nullptr);
            IntersectClipRect(dc, 0, 0, control_.Width(), control_.Height());
        }
        return dc;
    }
    // The window the DC came from, for its release even if the window was remade since.
    window_ = control_.Handle();
    return window_ ? GetDC(window_) : nullptr;
}

void TControlCanvas::DeleteHandle(HDC dc)
{
    ReleaseDC(window_, dc);
    window_ = nullptr;
}
