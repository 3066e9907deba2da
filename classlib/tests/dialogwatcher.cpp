#include "classlib/tests/dialogwatcher.h"

#include <algorithm>
#include <chrono>
#include <map>
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

// One hook per thread, shared by the watchers made on it: it reports each
// top-level window the thread shows. Watching for shows, not polling for
// visible windows, also answers a window closed and shown again between
// two looks, which a fast Wine does within milliseconds.
class ShowHooks {
public:
    static void Add(DialogWatcher* watcher)
    {
        std::lock_guard hold(lock_);
        Hook& hook = hooks_[watcher->ownerThread_];
        if (hook.watchers.empty())
            hook.handle = SetWindowsHookExA(WH_CALLWNDPROCRET, OnMessageDone, nullptr, watcher->ownerThread_);
        hook.watchers.push_back(watcher);
    }

    static void Remove(DialogWatcher* watcher)
    {
        std::lock_guard hold(lock_);
        Hook& hook = hooks_[watcher->ownerThread_];
        std::erase(hook.watchers, watcher);
        if (hook.watchers.empty()) {
            UnhookWindowsHookEx(hook.handle);
            hooks_.erase(watcher->ownerThread_);
        }
    }

private:
    struct Hook {
        HHOOK handle = nullptr;
        std::vector<DialogWatcher*> watchers;
    };

    static LRESULT CALLBACK OnMessageDone(int code, WPARAM wp, LPARAM lp)
    {
        const auto* done = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (code == HC_ACTION && done->message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(done->lParam)->flags & SWP_SHOWWINDOW) &&
            GetAncestor(done->hwnd, GA_PARENT) == GetDesktopWindow()) {
            std::lock_guard hold(lock_);
            if (auto hook = hooks_.find(GetCurrentThreadId()); hook != hooks_.end())
                for (DialogWatcher* watcher : hook->second.watchers)
                    watcher->Shown(done->hwnd);
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    static inline std::mutex lock_;
    static inline std::map<DWORD, Hook> hooks_;
};

namespace {

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM lp)
{
    if (IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

} // namespace

DialogWatcher::DialogWatcher(Action action, Match match)
    : action_(std::move(action)), match_(std::move(match)), ownerThread_(GetCurrentThreadId())
{
    std::vector<HWND> visible;
    EnumThreadWindows(ownerThread_, CollectVisible, reinterpret_cast<LPARAM>(&visible));
    shown_.assign(visible.begin(), visible.end());
    ShowHooks::Add(this);
    thread_ = std::thread([this] { Loop(); });
}

bool DialogWatcher::IsDialog(HWND window)
{
    return HasClass(window, "#32770");
}

DialogWatcher::~DialogWatcher()
{
    ShowHooks::Remove(this);
    {
        std::lock_guard hold(lock_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void DialogWatcher::Shown(HWND window)
{
    {
        std::lock_guard hold(lock_);
        shown_.push_back(window);
    }
    wake_.notify_one();
}

void DialogWatcher::Loop()
{
    HWND lastOther = nullptr;
    for (;;) {
        HWND window = nullptr;
        {
            std::unique_lock hold(lock_);
            wake_.wait_for(hold, std::chrono::milliseconds(20), [this] { return stop_ || !shown_.empty(); });
            if (stop_)
                return;
            if (!shown_.empty()) {
                window = shown_.front();
                shown_.pop_front();
            }
        }
        if (!window) {
            // The windows of other threads (a worker's message box) carry no
            // hook: looked for instead, each answered while it stays shown.
            HWND found = FindOwnWindow(
                [this](HWND w) { return GetWindowThreadProcessId(w, nullptr) != ownerThread_ && match_(w); });
            if (found == lastOther)
                continue;
            lastOther = window = found;
            if (!found)
                continue;
        }
        // Gone again before its turn: nothing left to answer.
        if (!IsWindowVisible(window) || !match_(window))
            continue;
        std::string text = MessageText(window);
        {
            std::lock_guard hold(lock_);
            messages_.push_back(text);
        }
        action_(window);
        ++count_;
    }
}

std::vector<std::string> DialogWatcher::Messages() const
{
    std::lock_guard hold(lock_);
    return messages_;
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
