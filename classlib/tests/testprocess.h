// A built program started from a test, ended at the latest when the test is.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TTestProcess {
public:
    // Starts the program by its quoted path, with the arguments after it;
    // Started() tells whether it ran.
    explicit TTestProcess(const std::string& exe, const std::string& arguments = "");
    ~TTestProcess();
    TTestProcess(const TTestProcess&) = delete;
    TTestProcess& operator=(const TTestProcess&) = delete;

    bool Started() const { return started_; }
    DWORD Id() const { return pi_.dwProcessId; }
    // The exit code once the program ends within ms, or -1 when it does not.
    int WaitForExit(DWORD ms);

private:
    bool started_ = false;
    PROCESS_INFORMATION pi_{};
};

// Asks find every 50 ms until it gives a visible window, at most tries times;
// the last window found (maybe hidden or null).
HWND WaitForVisibleWindow(const std::function<HWND()>& find, int tries);
