#include "editors/foundation/system/cxdragdetect.h"

#include "classlib/screen.h"
#include "editors/foundation/controls/cxcontrolutils.h"

namespace {

bool IsEscape(const MSG& msg)
{
    return (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE;
}

} // namespace

TcxDragDetect DetectDragStart(HWND window)
{
    TcxDragDetect result = ddCancel;
    const POINT origin = cxReadMouseCursorPos();
    SetCapture(window);
    bool done = false;
    // Every message goes on to be handled; some end the loop.
    const auto watch = [&](MSG& msg) {
        if (IsEscape(msg)) {
            done = true;
        } else if (msg.message == WM_MOUSEMOVE && msg.hwnd == window) {
            // Signed: coordinates at 0x8000 and beyond are left of or above the window.
            POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
            ClientToScreen(window, &p);
            if (!IsInsideDragSquare(origin, p.x, p.y)) {
                result = ddDrag;
                done = true;
            }
        } else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_MBUTTONUP) {
            result = ddNone;
            done = true;
        }
        return false;
    };
    while (!done && GetCapture() == window)
        if (!cxHandleModalLoopMessage(watch))
            break;
    if (GetCapture() == window)
        ReleaseCapture();
    return result;
}
