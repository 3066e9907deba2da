#include "editors/edit/container/cxcontainerutils.h"

#include "classlib/control.h"
#include "editors/edit/container/cxcontainergeometry.h"

namespace {

std::string LocaleUpperCase(const std::string& text)
{
    if (text.empty())
        return text;
    const int size = static_cast<int>(text.size());
    const int needed = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, text.data(), size, nullptr, 0);
    if (needed <= 0)
        return text;
    std::string upper(static_cast<std::size_t>(needed), '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, text.data(), size, upper.data(), needed);
    return upper;
}

} // namespace

bool StringsEqual(const std::string& a, const std::string& b, bool caseSensitive)
{
    if (!caseSensitive)
        return LocaleUpperCase(a) == LocaleUpperCase(b);
    return CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

void FillRectExcept(TcxCanvas& canvas, const TRect& rect, const TRect& hole, TColor color)
{
    for (const TRect& strip : cxRectStripsExcept(rect, hole))
        canvas.FillRectColor(strip, color);
}

void InvalidateRectExcept(HWND window, const TRect& rect, const TRect& hole)
{
    for (const TRect& strip : cxRectStripsExcept(rect, hole))
        InvalidateRect(window, &strip, TRUE);
}

bool IsControlWindow(const TWinControl* control, HWND window, bool withChildren)
{
    if (!control || !control->HandleAllocated())
        return false;
    return window == control->Handle() || (withChildren && cxIsSelfOrChild(control->Handle(), window));
}

HWND TopLevelAncestorWindow(HWND window)
{
    while (window && cxIsChildStyleWindow(window)) {
        HWND parent = GetParent(window);
        if (!parent)
            break;
        window = parent;
    }
    return window;
}

TShiftState GetMouseShiftState()
{
    return KeyboardShiftState();
}

bool IsWindowShown(const TWinControl* control)
{
    return control && control->HandleAllocated() && IsWindowVisible(control->Handle());
}

int MouseButtonCode(TMouseButton button)
{
    switch (button) {
    case TMouseButton::mbLeft:
        return 1;
    case TMouseButton::mbRight:
        return 2;
    case TMouseButton::mbMiddle:
        return 3;
    }
    return 0;
}

void ProcessPendingMessages(HWND window, UINT first, UINT last, bool all)
{
    MSG msg;
    while (PeekMessageA(&msg, window, first, last, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!all)
            return;
    }
}
