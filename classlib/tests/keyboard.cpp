#include "classlib/tests/keyboard.h"

#include "classlib/application.h"

void PressKey(WORD key, TShiftState shift)
{
    BYTE saved[256], keys[256];
    GetKeyboardState(saved);
    GetKeyboardState(keys);
    keys[VK_SHIFT] = (shift & ssShift) ? 0x80 : 0;
    keys[VK_CONTROL] = (shift & ssCtrl) ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
    PostMessageA(focus, WM_KEYDOWN, key, scan | 1);
    PostMessageA(focus, WM_KEYUP, key, scan | 1 | (1u << 30) | (1u << 31));
    Application.ProcessMessages();
    SetKeyboardState(saved);
}
