// A built program started from a test, ended at the latest when the test is.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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

// A built program's path as Windows names it: a Unix path from the build
// becomes the same file through Wine's Z: drive.
std::string BuiltProgramPath(const std::string& path);

// A window's text asked of the window itself: GetWindowTextA does not ask
// another process's controls.
std::string WindowTextOf(HWND window);

// Asks find every 50 ms until it gives a visible window, at most tries times;
// the last window found (maybe hidden or null).
HWND WaitForVisibleWindow(const std::function<HWND()>& find, int tries);

// The top-level window of process pid whose caption is caption, or null.
HWND FindProcessWindow(DWORD pid, const std::string& caption);
// The program's visible window with this caption, waited for and brought to
// the foreground as a user's click would; null when none shows.
HWND ShowProcessForm(const TTestProcess& process, const std::string& caption);
// Closes the form as its close box does; the program's exit code, or -1
// when it does not end within 20 s.
int CloseProcessForm(TTestProcess& process, HWND form);
// Every descendant window of parent, in the order the system lists them.
std::vector<HWND> ChildWindowsOf(HWND parent);
// The window's class name in capitals ("EDIT", "BUTTON").
std::string UpperClassNameOf(HWND window);
// The visible message boxes of process pid.
std::vector<HWND> MessageBoxesOf(DWORD pid);
