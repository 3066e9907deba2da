#include "classlib/tests/testprocess.h"

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
