// The built program starts and shows its window.
#include <windows.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "classlib/tests/testfiles.h"
#include "classlib/tests/testprocess.h"

namespace {

struct Search {
    DWORD pid;
    std::string caption;
    HWND found;
};

BOOL CALLBACK MatchForm(HWND hwnd, LPARAM lp)
{
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char cls[32] = {}, caption[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (owner == s->pid && std::string(cls) == "VostrelForm" && caption == s->caption) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A window of the program's with that caption, shown or not: other tests may show one too.
HWND FindFormWindow(DWORD pid, const std::string& caption)
{
    Search search{pid, caption, nullptr};
    EnumWindows(MatchForm, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindCalculatorWindow(DWORD pid)
{
    return FindFormWindow(pid, "Olvane语音计算器V2.38");
}

BOOL CALLBACK MatchTape(HWND hwnd, LPARAM lp)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) == "Edit" || std::string(cls) == "EDIT") {
        if (GetWindowLongA(hwnd, GWL_STYLE) & ES_MULTILINE) {
            *reinterpret_cast<HWND*>(lp) = hwnd;
            return FALSE;
        }
    }
    return TRUE;
}

// One run of the program: started, its window found, closed at the end.
class ProgramRun {
public:
    explicit ProgramRun(const std::string& exe) : process_(exe)
    {
        if (process_.Started())
            window = WaitForVisibleWindow([&] { return FindCalculatorWindow(process_.Id()); }, 1200);
        if (window)
            EnumChildWindows(window, MatchTape, reinterpret_cast<LPARAM>(&tape));
    }
    // Asks the window to close; the program's exit code, or -1 when it hangs.
    int Close()
    {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return process_.WaitForExit(20000);
    }

    HWND window = nullptr;
    HWND tape = nullptr;

private:
    TTestProcess process_;
};

} // namespace

TEST(VostrelStart, TapeAndSettingsSurviveARestart)
{
    // A copy in a folder of its own: the program keeps its files beside itself.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "vostrel_restart_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string exe = folder + "vostrel.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath(VOSTREL_EXE).c_str(), exe.c_str(), FALSE));
    {
        ProgramRun first(exe);
        ASSERT_NE(first.tape, nullptr);
        for (char c : std::string("1+2="))
            PostMessageA(first.tape, WM_CHAR, static_cast<unsigned char>(c), 1);
        for (int i = 0; i < 200 && WindowTextOf(first.tape) != "1+2=3\r\n"; ++i)
            Sleep(50);
        EXPECT_EQ(WindowTextOf(first.tape), "1+2=3\r\n");
        EXPECT_EQ(first.Close(), 0);
    }
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "1+2=3\r\n");
    EXPECT_NE(ReadBytes(folder + "setinfo.ini").find("[calcform]\r\niTop="), std::string::npos);
    {
        // The next expression starts on a line of its own and joins the total.
        ProgramRun second(exe);
        ASSERT_NE(second.tape, nullptr);
        EXPECT_EQ(WindowTextOf(second.tape), "1+2=3\r\n");
        for (char c : std::string("4*5="))
            PostMessageA(second.tape, WM_CHAR, static_cast<unsigned char>(c), 1);
        for (int i = 0; i < 200 && WindowTextOf(second.tape) != "1+2=3\r\n4*5=20\r\n"; ++i)
            Sleep(50);
        EXPECT_EQ(WindowTextOf(second.tape), "1+2=3\r\n4*5=20\r\n");
        EXPECT_EQ(second.Close(), 0);
    }
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "1+2=3\r\n4*5=20\r\n");
    for (const char* name : {"vostrel.exe", "temp.txt", "setinfo.ini"})
        DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(VostrelStart, TheCalculatorWindowAppearsAndCloses)
{
    TTestProcess program(BuiltProgramPath(VOSTREL_EXE));
    ASSERT_TRUE(program.Started()) << GetLastError();

    HWND window = WaitForVisibleWindow([&] { return FindCalculatorWindow(program.Id()); }, 400);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 752);
    EXPECT_EQ(client.bottom, 490);
    // The about and help windows are made at start, right after the
    // calculator is on screen, and stay hidden until asked for.
    for (const char* caption : {"Tessrow", "Help"}) {
        HWND made = nullptr;
        for (int i = 0; i < 100 && !(made = FindFormWindow(program.Id(), caption)); ++i)
            Sleep(50);
        EXPECT_NE(made, nullptr) << caption;
        EXPECT_FALSE(IsWindowVisible(made)) << caption;
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(20000), 0);
}
