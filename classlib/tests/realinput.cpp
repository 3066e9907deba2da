#include "classlib/tests/realinput.h"

#include "classlib/application.h"
#include "classlib/control.h"

namespace {

void SendKey(WORD vk, WORD scan, DWORD flags)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

} // namespace

void SendKeyInput(WORD vk, bool down)
{
    SendKey(vk, static_cast<WORD>(MapVirtualKeyA(vk, 0)), down ? 0 : KEYEVENTF_KEYUP);
}

void TapKeyInput(WORD vk, WORD held)
{
    if (held)
        SendKeyInput(held, true);
    SendKeyInput(vk, true);
    SendKeyInput(vk, false);
    if (held)
        SendKeyInput(held, false);
}

void TypeKeys(const std::wstring& keys, int msPerKey)
{
    for (wchar_t c : keys) {
        SHORT scan = c == L'\r' ? VK_RETURN : c < 0x80 ? VkKeyScanA(static_cast<char>(c)) : -1;
        if (scan == -1) {
            SendKey(0, static_cast<WORD>(c), KEYEVENTF_UNICODE);
            SendKey(0, static_cast<WORD>(c), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
        } else {
            TapKeyInput(LOBYTE(scan), (HIBYTE(scan) & 1) ? VK_SHIFT : 0);
        }
        if (msPerKey > 0)
            Sleep(static_cast<DWORD>(msPerKey));
    }
}

namespace {

INPUT MoveInput(POINT screen)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

} // namespace

void MoveCursorInput(POINT screen)
{
    INPUT in = MoveInput(screen);
    SendInput(1, &in, sizeof in);
}

void LeftButtonInput(bool down)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

namespace {
void ClickInputAt(POINT screen)
{
    INPUT in[3] = {MoveInput(screen)};
    for (auto& i : in)
        i.type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof in[0]);
}
} // namespace

void ClickInput(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    ClickInputAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void ClickInput(const TControl& control)
{
    POINT at = control.ClientOrigin();
    ClickInputAt(POINT{at.x + control.Width() / 2, at.y + control.Height() / 2});
}

bool FocusByClick(HWND window, int timeoutMs)
{
    ClickInput(window);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const DWORD start = GetTickCount();
    for (;;) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == window)
            return true;
        if (static_cast<int>(GetTickCount() - start) > timeoutMs)
            return false;
        Sleep(10);
    }
}

namespace {
std::string Describe(HWND window)
{
    if (!window)
        return "none";
    char cls[64] = {}, title[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, title, sizeof title);
    return std::string(cls) + " \"" + title + "\"";
}
} // namespace

std::string DescribeInputTarget()
{
    HWND foreground = GetForegroundWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info);
    // Where a lost click went: the window under the cursor, and a capture that took it.
    POINT cursor{};
    GetCursorPos(&cursor);
    return "foreground " + Describe(foreground) + ", focus " + Describe(info.hwndFocus) + ", capture " +
           Describe(info.hwndCapture) + ", cursor " + std::to_string(cursor.x) + "," + std::to_string(cursor.y) +
           " over " + Describe(WindowFromPoint(cursor));
}

bool PumpInput(const std::function<bool()>& done, int timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Application.ProcessMessages();
        if (done())
            return true;
        if (static_cast<int>(GetTickCount() - start) > timeoutMs)
            return false;
        Sleep(1);
    }
}

bool TapKeyAndSettle(WORD vk, WORD held, bool& markerSeen)
{
    markerSeen = false;
    TapKeyInput(vk, held);
    TapKeyInput(kInputMarker);
    return PumpInput([&] { return markerSeen; }, 5000);
}

void SettleInput()
{
    PumpInput([] { return false; }, 150);
}
