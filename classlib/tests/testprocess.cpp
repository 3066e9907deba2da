#include "classlib/tests/testprocess.h"

#include <algorithm>

TTestProcess::TTestProcess(const std::string& exe, const std::string& arguments)
{
    std::string command = "\"" + exe + "\"";
    if (!arguments.empty())
        command += " " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
}

TTestProcess::~TTestProcess()
{
    if (!started_)
        return;
    if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

int TTestProcess::WaitForExit(DWORD ms)
{
    if (!started_ || WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 1;
    GetExitCodeProcess(pi_.hProcess, &code);
    return static_cast<int>(code);
}

HWND WaitForVisibleWindow(const std::function<HWND()>& find, int tries)
{
    HWND window = nullptr;
    for (int i = 0; i < tries && !(window && IsWindowVisible(window)); ++i) {
        window = find();
        if (!(window && IsWindowVisible(window)))
            Sleep(50);
    }
    return window;
}

std::string BuiltProgramPath(const std::string& path)
{
    if (path.size() < 2 || path[0] != '/')
        return path;
    std::string windowsPath = "Z:" + path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return windowsPath;
}

std::string WindowTextOf(HWND window)
{
    auto length = static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    auto got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}
