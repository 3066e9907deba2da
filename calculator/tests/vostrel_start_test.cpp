// The built program starts and shows its window.
#include <windows.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchCalculator(HWND hwnd, LPARAM lp)
{
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char cls[32] = {}, caption[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (owner == s->pid && std::string(cls) == "VostrelForm" && std::string(caption) == "Olvane语音计算器V2.38") {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The calculator window of that process: other tests may show one too.
HWND FindCalculatorWindow(DWORD pid)
{
    Search search{pid, nullptr};
    EnumWindows(MatchCalculator, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

TEST(VostrelStart, TheCalculatorWindowAppearsAndCloses)
{
    std::string exe = VOSTREL_EXE;
    if (exe.size() > 1 && exe[0] == '/') {
        // A Unix path from the build: the same file through Wine's Z: drive.
        exe = "Z:" + exe;
        std::replace(exe.begin(), exe.end(), '/', '\\');
    }
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << GetLastError();

    HWND window = nullptr;
    for (int i = 0; i < 400 && !(window && IsWindowVisible(window)); ++i) {
        window = FindCalculatorWindow(pi.dwProcessId);
        Sleep(50);
    }
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 752);
    EXPECT_EQ(client.bottom, 490);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
