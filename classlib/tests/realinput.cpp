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
    // Each button event carries the point. Sent as a move and then the
    // buttons, the press could land where an earlier click was: Wine moves
    // the X pointer for an input move, and the program under it hands that
    // motion back as a move of its own once it reads its X events, maybe
    // only after the next click's move.
    INPUT in[2] = {MoveInput(screen), MoveInput(screen)};
    in[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
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
    // Where it is tells apart windows of one class and text.
    RECT r{};
    GetWindowRect(window, &r);
    return std::string(cls) + " \"" + title + "\" at " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
           std::to_string(r.right) + "," + std::to_string(r.bottom);
}

// A thread's active window, focus and capture: a click goes to the capture
// of the clicked window's thread, keys to the focus of the foreground's.
std::string DescribeThreadInput(DWORD thread)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return "active " + Describe(info.hwndActive) + ", focus " + Describe(info.hwndFocus) + ", capture " +
           Describe(info.hwndCapture);
}
} // namespace

std::string DescribeInputTarget()
{
    HWND foreground = GetForegroundWindow();
    const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    // Where a lost click went: the window under the cursor, and a capture that took it.
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND under = WindowFromPoint(cursor);
    const DWORD underThread = GetWindowThreadProcessId(under, nullptr);
    std::string text = "foreground " + Describe(foreground) + " (" + DescribeThreadInput(foregroundThread) +
                       "), cursor " + std::to_string(cursor.x) + "," + std::to_string(cursor.y) + " over " +
                       Describe(under);
    if (under && underThread != foregroundThread)
        text += " (" + DescribeThreadInput(underThread) + ")";
    return text;
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
