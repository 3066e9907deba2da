// The built setup program: started, driven through its window from outside,
// it installs the calculator with its shortcuts and ends without a question.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "classlib/tests/testprocess.h"
#include "setup/tests/setupfixture.h"

namespace {

using namespace setuptest;

struct ChildSearch {
    const char* cls;
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lp)
{
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    char cls[32] = {}, text[256] = {};
    GetClassNameA(child, cls, sizeof cls);
    GetWindowTextA(child, text, sizeof text);
    if (lstrcmpiA(cls, s->cls) == 0 && (!s->text || std::string(text) == s->text)) {
        s->found = child;
        return FALSE;
    }
    return TRUE;
}

// The first child window of that class (and text, when given).
HWND FindChild(HWND parent, const char* cls, const char* text = nullptr)
{
    ChildSearch search{cls, text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(BrellocStart, InstallsWithShortcutsAndEndsWithoutAsking)
{
    TComInitializer com;
    DeleteSetupLinks();
    TTempFolder temp;
    std::string folder = temp.Path() + "\\Olvane 计算器";

    TTestProcess setup(WinePath(BRELLOC_EXE));
    ASSERT_TRUE(setup.Started()) << GetLastError();

    HWND window = WaitForVisibleWindow([] { return FindWindowA("VostrelForm", "语音计算器安装程序"); }, 400);
    ASSERT_NE(window, nullptr);
    HWND path = FindChild(window, "Edit");
    HWND run = FindChild(window, "Button", "安装完成,自动运行软件");
    HWND install = FindChild(window, "Button", "安装");
    HWND leave = FindChild(window, "Button", "退出");
    ASSERT_TRUE(path && run && install && leave);

    SendMessageA(path, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    SendMessageA(run, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(run, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(install, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &ignored);

    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "语音计算器安装程序..安装完成");
    EXPECT_FALSE(IsWindowVisible(install));
    EXPECT_TRUE(ReadBytes(folder + "\\vostrel.exe") == ReadBytes(WinePath(VOSTREL_EXE)));
    for (int csidl : {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS}) {
        std::string link = LinkFile(csidl);
        ASSERT_TRUE(FileExists(link)) << link;
        EXPECT_EQ(lstrcmpiA(ReadLink(link).target.c_str(), (folder + "\\vostrel.exe").c_str()), 0);
    }

    // After an install, 退出 ends the program at once.
    PostMessageA(leave, BM_CLICK, 0, 0);
    EXPECT_EQ(setup.WaitForExit(20000), 0);
    DeleteSetupLinks();
}

} // namespace
