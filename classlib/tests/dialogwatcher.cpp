#include "classlib/tests/dialogwatcher.h"

#include <vector>

namespace {

constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileNameCombo = 0x47c;  // cmb13

struct FindData {
    DWORD pid;
    const DialogWatcher::Match& match;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp)
{
    auto* data = reinterpret_cast<FindData*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == data->pid && IsWindowVisible(hwnd) && data->match(hwnd)) {
        data->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of this process that matches.
HWND FindOwnWindow(const DialogWatcher::Match& match)
{
    FindData data{GetCurrentProcessId(), match, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

bool HasClass(HWND window, const char* className)
{
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    return std::string(cls) == className;
}

} // namespace

HWND FindMenuWindow()
{
    return FindOwnWindow([](HWND window) { return HasClass(window, "#32768"); });
}

DialogWatcher::DialogWatcher(Action action, Match match)
    : action_(std::move(action)), match_(std::move(match)), thread_([this] { Loop(); })
{
}

bool DialogWatcher::IsDialog(HWND window)
{
    return HasClass(window, "#32770");
}

DialogWatcher::~DialogWatcher()
{
    stop_ = true;
    thread_.join();
}

void DialogWatcher::Loop()
{
    HWND last = nullptr;
    while (!stop_) {
        HWND found = FindOwnWindow(match_);
        if (found && found != last) {
            last = found;
            // Let the dialog finish setting itself up.
            Sleep(100);
            std::string text = MessageText(found);
            while (busy_.test_and_set()) {
            }
            messages_.push_back(text);
            busy_.clear();
            action_(found);
            ++count_;
        } else if (!found) {
            last = nullptr;
        }
        Sleep(20);
    }
}

std::vector<std::string> DialogWatcher::Messages() const
{
    while (busy_.test_and_set()) {
    }
    std::vector<std::string> copy = messages_;
    busy_.clear();
    return copy;
}

std::string DialogWatcher::MessageText(HWND dialog)
{
    char text[1024] = {};
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
    return text;
}

void DialogWatcher::Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void DialogWatcher::EnterFileName(HWND dialog, const std::string& path)
{
    HWND box = GetDlgItem(dialog, kFileNameCombo);
    if (!box)
        box = GetDlgItem(dialog, kFileNameEdit);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    Press(dialog, IDOK);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    }
    return true;
}
