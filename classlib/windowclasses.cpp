#include "classlib/windowclasses.h"

#include "classlib/control.h"

void RegisterWindowClasses(HINSTANCE instance)
{
    struct ClassInfo {
        const char* name;
        UINT style;
        bool topLevel;
    };
    const ClassInfo classes[] = {
        {kFormClass, CS_DBLCLKS, true},
        {kPanelClass, CS_HREDRAW | CS_VREDRAW, false},
        {kSpeedButtonClass, CS_HREDRAW | CS_VREDRAW, false},
    };
    // Loaded once: each load of the icon builds its bitmaps anew, and only a
    // top-level window ever shows one.
    HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HICON icon = LoadIconA(instance, "MAINICON");
    for (const auto& c : classes) {
        WNDCLASSA wc{};
        wc.style = c.style;
        wc.lpfnWndProc = TControl::StdWndProc;
        wc.hInstance = instance;
        wc.hCursor = arrow;
        wc.hIcon = c.topLevel ? icon : nullptr;
        wc.lpszClassName = c.name;
        RegisterClassA(&wc);
    }
}
