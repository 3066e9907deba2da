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
// A control without a window of its own, as its parent window tells of it.
struct TWindowlessControl {
    HWND parent;
    int index; // its place in the parent's list, bottom first
    RECT bounds; // in the parent's client area
    bool visible;
    std::string className, text;
    RECT ScreenBounds() const;
};
// The windowless controls of window and of every window inside it, each
// window's bottom first, windows in the order ChildWindowsOf gives.
std::vector<TWindowlessControl> WindowlessControlsOf(HWND window);
// The labels (TLabel, TLinkLabel) among them, hidden ones too.
std::vector<TWindowlessControl> LabelsOf(HWND window);
// The texts of the visible labels among them.
std::vector<std::string> LabelTextsOf(HWND window);
// A windowless control kept by a test as a window's handle would be: named
// by its parent window and place there, each read asks the parent again,
// so it follows the text the program gives the control.
class TLabelRef {
public:
    TLabelRef() = default;
    explicit TLabelRef(const TWindowlessControl& found)
        : parent_(found.parent), index_(found.index), className_(found.className)
    {
    }
    explicit operator bool() const { return parent_ != nullptr; }
    // The control as its parent tells of it now; false when the parent
    // tells of no such control there (closed, or its controls changed).
    bool Read(TWindowlessControl& now) const;
    // Its text now; empty when it cannot be read.
    std::string Text() const;

private:
    HWND parent_ = nullptr;
    int index_ = -1;
    std::string className_;
};
// The window's class name in capitals ("EDIT", "BUTTON").
std::string UpperClassNameOf(HWND window);
// The visible message boxes of process pid.
std::vector<HWND> MessageBoxesOf(DWORD pid);
