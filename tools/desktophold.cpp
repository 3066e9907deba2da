// Holds a Wine session's desktop for a whole test run. Asking for the desktop
// window makes Wine start its desktop process (and the first program of a
// server its services) from here, with this program's standard streams; a
// test program that started them would lend them its output pipe, and CTest
// would wait for that pipe long after the test had ended. The desktop process
// also ends whenever no program uses the desktop, to be started again by the
// next: this one keeps using it until the server is ended.
// It also keeps an icon in the notification area: on a display without a
// system tray Wine shows a tray window of its own while any icon exists, and a
// tray window shown anew, above a test's windows, took the activation when
// one of them closed. Shown once, before any test window, it stays below them.
// It is moved to the screen's bottom right corner: at the top left, where Wine
// puts it, it lay under the first controls of forms placed there, and a real
// click on them could reach the tray's X window and activate it.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int main()
{
    if (!GetDesktopWindow())
        return 1;
    HWND owner = CreateWindowExA(0, "STATIC", "desktop holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpyA(icon.szTip, "desktop holder");
    if (!owner || !Shell_NotifyIconA(NIM_ADD, &icon))
        return 1;
    // The tray window comes from the desktop process, once it has the icon.
    for (int i = 0; i < 200; ++i) {
        if (HWND tray = FindWindowA("__winex11_standalone_tray", nullptr)) {
            RECT r{};
            GetWindowRect(tray, &r);
            SetWindowPos(tray, HWND_BOTTOM, GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left),
                         GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        }
        Sleep(10);
    }
    std::puts("ready");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
}
