// The notification-area icon through the real Shell_NotifyIconA.
#include "classlib/trayicon.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "classlib/application.h"

namespace {

class TrayIcon : public testing::Test {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }
    // The shell knows an icon it can modify.
    static bool Present(HWND window)
    {
        NOTIFYICONDATAA record = TrayIconRecord(window, ApplicationIcon(), "x");
        return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
    }
};

} // namespace

TEST_F(TrayIcon, RecordIsTheFirstFormWithTheTipZeroFilled)
{
    HICON icon = ApplicationIcon();
    ASSERT_NE(icon, nullptr);
    NOTIFYICONDATAA r = TrayIconRecord(Application.Handle(), icon, "Olvane语音计算器");
    EXPECT_EQ(r.cbSize, sizeof(void*) == 4 ? 88u : 104u);
    EXPECT_EQ(r.hWnd, Application.Handle());
    EXPECT_EQ(r.uID, 100u);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0x401u);
    EXPECT_EQ(r.hIcon, icon);
    const char tip[] = "Olvane语音计算器";
    EXPECT_EQ(std::string(r.szTip, 64), std::string(tip) + std::string(64 - (sizeof tip - 1), '\0'));
}

TEST_F(TrayIcon, LongTipIsCutBetweenCharacters)
{
    std::string tip;
    for (int i = 0; i < 40; ++i)
        tip += "计";
    tip = "x" + tip;  // so a character would straddle the last byte
    NOTIFYICONDATAA r = TrayIconRecord(nullptr, nullptr, tip);
    std::string kept(r.szTip);
    EXPECT_EQ(kept, tip.substr(0, 63));
    EXPECT_EQ(std::string(r.szTip + kept.size(), 64 - kept.size()), std::string(64 - kept.size(), '\0'));

    tip = "xx" + tip.substr(1);
    r = TrayIconRecord(nullptr, nullptr, tip);
    EXPECT_EQ(std::string(r.szTip), tip.substr(0, 62));
}

TEST_F(TrayIcon, AddedThenRemovedOnce)
{
    // Wine's notification area lives in its explorer process, which a test
    // run may find gone with the display of an earlier run: ask the shell
    // directly, with an icon of another id, whether it takes icons at all.
    NOTIFYICONDATAA probe = TrayIconRecord(Application.Handle(), ApplicationIcon(), "probe");
    probe.uID = kTrayIconId + 1;
    DWORD start = GetTickCount();
    bool shell = false;
    while (!(shell = Shell_NotifyIconA(NIM_ADD, &probe) != FALSE) && GetTickCount() - start < 3000)
        Sleep(100);
    if (!shell)
        GTEST_SKIP() << "no notification area in this Wine session";
    Shell_NotifyIconA(NIM_DELETE, &probe);

    HWND window = Application.Handle();
    {
        TTrayIcon icon(window, ApplicationIcon(), "Olvane语音计算器");
        ASSERT_TRUE(icon.Added());
        EXPECT_TRUE(Present(window));
        EXPECT_TRUE(icon.Remove());
        EXPECT_FALSE(icon.Added());
        EXPECT_FALSE(Present(window));
        EXPECT_FALSE(icon.Remove());
    }
    {
        TTrayIcon icon(window, ApplicationIcon(), "Olvane语音计算器");
        ASSERT_TRUE(icon.Added());
    }
    // Gone with its owner.
    EXPECT_FALSE(Present(window));
}
