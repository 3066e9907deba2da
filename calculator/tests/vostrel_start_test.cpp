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

// A copy of the program in a folder of its own: it keeps its files beside itself.
class ProgramCopy {
public:
    explicit ProgramCopy(const std::string& name)
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + name + "_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        copied = CopyFileA(BuiltProgramPath(VOSTREL_EXE).c_str(), exe().c_str(), FALSE) != FALSE;
    }
    ~ProgramCopy() { DeleteTree(folder.substr(0, folder.size() - 1)); }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    std::string exe() const { return folder + "vostrel.exe"; }

    std::string folder;
    bool copied = false;
};

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
    ProgramCopy copy("vostrel_restart");
    ASSERT_TRUE(copy.copied);
    const std::string& folder = copy.folder;
    const std::string exe = copy.exe();
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
    // The about, help and tools windows are made at start, once the
    // calculator is on screen and idle, and stay hidden until asked for.
    for (const char* caption : {"Tessrow", "Help", "小工具"}) {
        HWND made = nullptr;
        for (int i = 0; i < 100 && !(made = FindFormWindow(program.Id(), caption)); ++i)
            Sleep(50);
        EXPECT_NE(made, nullptr) << caption;
        EXPECT_FALSE(IsWindowVisible(made)) << caption;
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(20000), 0);
}

TEST(VostrelStart, ACountdownTimeThatDoesNotConvertStartsAt8)
{
    ProgramCopy copy("vostrel_countdown");
    ASSERT_TRUE(copy.copied);
    WriteBytes(copy.folder + "setinfo.ini", "[gaokao]\r\ndate=2026/6/7\r\ntime=25:99\r\n");
    ProgramRun run(copy.exe());
    ASSERT_NE(run.window, nullptr);
    // The status line is the label whose text starts with today's date and
    // goes on to the countdown.
    std::string line;
    for (int i = 0; i < 200 && !line.ends_with("小时 "); ++i) {
        for (const std::string& text : LabelTextsOf(run.window))
            if (text.find("距高考:") != std::string::npos)
                line = text;
        Sleep(50);
    }
    EXPECT_TRUE(line.ends_with("小时 ")) << line;
    EXPECT_EQ(run.Close(), 0);
}
