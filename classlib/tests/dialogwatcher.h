// Test helper: waits on a thread of its own for a dialog window of this
// process (message box, file dialog) and hands it to a callback, which
// reads it and dismisses or fills it like a user would.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class DialogWatcher {
public:
    using Action = std::function<void(HWND dialog)>;
    using Match = std::function<bool(HWND window)>;

    // Answers each showing of a top-level window of this process that
    // matches (by default a dialog) with the action, until destroyed: those
    // of the constructing thread each time they are shown, those of other
    // threads once while they stay shown.
    explicit DialogWatcher(Action action, Match match = IsDialog);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Texts of the message boxes seen so far (their static text).
    std::vector<std::string> Messages() const;
    int Count() const { return count_; }

    static bool IsDialog(HWND window);
    // The text of the message-box dialog.
    static std::string MessageText(HWND dialog);
    // Presses a dialog's button by id (IDOK, IDCANCEL ...).
    static void Press(HWND dialog, int id);
    // Types a file name into a file dialog and confirms it.
    static void EnterFileName(HWND dialog, const std::string& path);

private:
    friend class ShowHooks;
    void Shown(HWND window);
    void Loop();

    Action action_;
    Match match_;
    const DWORD ownerThread_;
    mutable std::mutex lock_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::deque<HWND> shown_;
    std::vector<std::string> messages_;
    std::atomic<int> count_{0};
    std::thread thread_;
};

// The popup menu window of this process while a menu is open, else null.
HWND FindMenuWindow();

// Handles this thread's messages until done() or the timeout in ms.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
