#include "editors/foundation/controls/cxcontrolutils.h"

#include "classlib/application.h"
#include "classlib/control.h"
#include "classlib/form.h"
#include "classlib/screen.h"

bool cxControlCanGetHandle(const TControl* control)
{
    for (const TControl* c = control; c; c = c->Parent()) {
        if (c->HandleAllocated())
            return true;
        if (dynamic_cast<const TForm*>(c))
            return Application.Handle() != nullptr;
    }
    return false;
}

UINT cxDoubleClickTime()
{
    return GetDoubleClickTime();
}

POINT cxReadMouseCursorPos()
{
    POINT p;
    if (!GetCursorPos(&p))
        return {-1, -1};
    return p;
}

bool cxIsChildStyleWindow(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
}

bool cxIsSelfOrChild(HWND parent, HWND window)
{
    return parent && (window == parent || IsChild(parent, window));
}

bool cxIsCtrlDown()
{
    return GetAsyncKeyState(VK_CONTROL) < 0;
}

bool cxIsNumericChar(char c, int mode)
{
    char separator[4] = ".";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    return cxIsNumericChar(c, mode, separator[0]);
}

POINT cxMapWindowPoint(HWND from, HWND to, POINT p)
{
    MapWindowPoints(from, to, &p, 1);
    return p;
}

RECT cxMapWindowRect(HWND from, HWND to, RECT r)
{
    MapWindowPoints(from, to, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

WPARAM ShiftStateToMouseKeys(TShiftState shift)
{
    static constexpr std::pair<TShiftState, WPARAM> kKeys[] = {
        {ssShift, MK_SHIFT}, {ssCtrl, MK_CONTROL}, {ssLeft, MK_LBUTTON}, {ssRight, MK_RBUTTON}, {ssMiddle, MK_MBUTTON},
    };
    WPARAM keys = 0;
    for (auto [state, key] : kKeys)
        if (shift & state)
            keys |= key;
    return keys;
}

WORD cxMapKey(WORD key)
{
    return key;
}

bool IsInsideDragSquare(POINT origin, int x, int y)
{
    return IsInsideDragSquare(origin.x, origin.y, x, y, Mouse.DragThreshold());
}

bool cxHandleModalLoopMessage(const std::function<bool(MSG& msg)>& filter)
{
    MSG msg;
    const TApplication::TTaken taken = Application.HandleMessage(msg, true, filter);
    if (taken == TApplication::TTaken::Quit)
        PostQuitMessage(static_cast<int>(msg.wParam));
    return taken == TApplication::TTaken::Handled;
}
