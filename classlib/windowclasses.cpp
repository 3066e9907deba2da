#include "classlib/windowclasses.h"

#include "classlib/control.h"

void RegisterWindowClasses(HINSTANCE instance)
{
    struct ClassInfo {
        const char* name;
        UINT style;
    };
    const ClassInfo classes[] = {
        {kFormClass, CS_DBLCLKS},
        {kPanelClass, CS_HREDRAW | CS_VREDRAW},
        {kSpeedButtonClass, CS_HREDRAW | CS_VREDRAW},
    };
    for (const auto& c : classes) {
        WNDCLASSA wc{};
        wc.style = c.style;
        wc.lpfnWndProc = TControl::StdWndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hIcon = LoadIconA(instance, "MAINICON");
        wc.lpszClassName = c.name;
        RegisterClassA(&wc);
    }
}
