// The about window built from its description, with the link target
// recorded instead of starting a browser or mail program.
#include "windows/aboutform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "classlib/application.h"
#include "classlib/linklabel.h"
#include "classlib/shellopen.h"
#include "classlib/showmodal.h"
#include "windows/tests/windows_fixture.h"

namespace {

class About : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        MainStandIn();
        if (!f_about)
            f_about = &Application.CreateForm<Tf_about>();
    }
    void SetUp() override
    {
        opened.clear();
        SetShellOpener([this](const std::string& target) { opened.push_back(target); });
    }
    void TearDown() override { SetShellOpener(nullptr); }

    static TControl& Control(const char* name) { return f_about->Component<TControl>(name); }
    // A press and release near the control's corner, through the window
    // that shows it (its parent's, for a windowless label).
    static void ClickWithMouse(const char* name)
    {
        TControl& c = Control(name);
        HWND window = c.Windowless() ? c.Parent()->Handle() : c.Handle();
        POINT at = c.Windowless() ? POINT{c.Left() + 2, c.Top() + 2} : POINT{2, 2};
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    std::vector<std::string> opened;
};

TEST_F(About, DialogFrameWithOnlyTheSystemMenuCentredOnTheDesktop)
{
    ExpectSystemMenuOnlyCentred(f_about->Handle(), 351, 242);
    EXPECT_EQ(f_about->Text(), "Tessrow");
    EXPECT_EQ(f_about->Component<TLabel>("Label1").Text(), "Tessrow V2.37");
    EXPECT_EQ(f_about->Component<TLabel>("Label7").Text(), "官方主页");
    EXPECT_EQ(f_about->Component<TLabel>("Label2").Text(), "联系方式：");
}

TEST_F(About, PhysicalMemoryInKilobytesWithTheLocaleSeparator)
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    // The same figure formatted by the system's own number formatter.
    char separator[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator);
    char decimal[] = ".";
    NUMBERFMTA format{0, 0, 3, decimal, separator, 1};
    std::string kilobytes = std::to_string((status.ullTotalPhys + 512) / 1024);
    char expected[64] = {};
    ASSERT_GT(GetNumberFormatA(LOCALE_USER_DEFAULT, 0, kilobytes.c_str(), &format, expected, sizeof expected), 0);
    EXPECT_EQ(f_about->PhysMem->Text(), std::string(expected) + " KB");
    EXPECT_STREQ(separator, ",") << "the runner's Chinese locale";
}

TEST_F(About, MemoryLoadInPercent)
{
    unsigned load = 999;
    char rest[8] = {};
    ASSERT_EQ(std::sscanf(f_about->FreeRes->Text().c_str(), "%u %7s", &load, rest), 2) << f_about->FreeRes->Text();
    EXPECT_LE(load, 100u);
    EXPECT_STREQ(rest, "%");
}

TEST_F(About, LinksOpenTheHomePageAndANewMail)
{
    ClickWithMouse("Label7");
    ClickWithMouse("Label6");
    ClickWithMouse("Label2");
    ASSERT_EQ(opened.size(), 2u) << "the caption before the address is no link";
    EXPECT_EQ(opened[0], "https://olvane.example/");
    EXPECT_EQ(opened[1], "mailto:" + f_about->Component<TLabel>("Label6").Text());
    EXPECT_EQ(opened[1], "mailto:support@olvane.example");
}

TEST_F(About, HandCursorOverTheLinksOnly)
{
    HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    for (const char* name : {"Label7", "Label6", "Label2"}) {
        SetCursor(nullptr);
        TControl& c = Control(name);
        const auto window = reinterpret_cast<WPARAM>(c.Windowless() ? c.Parent()->Handle() : c.Handle());
        if (c.Windowless())
            c.Perform(WM_SETCURSOR, window, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        else
            SendMessageA(c.Handle(), WM_SETCURSOR, window, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor() == hand, std::string(name) != "Label2") << name;
    }
}

TEST_F(About, FiguresAreReadOnceAtCreationNotOnShowing)
{
    f_about->PhysMem->SetText("read at creation");
    static bool mainDisabled = false;
    WhileModal(*f_about, [] { mainDisabled = !IsWindowEnabled(MainStandIn().Handle()); });
    ShowModal(*f_about);
    EXPECT_TRUE(mainDisabled) << "shown modally";
    EXPECT_TRUE(IsWindowEnabled(MainStandIn().Handle()));
    EXPECT_FALSE(IsWindowVisible(f_about->Handle()));
    EXPECT_EQ(f_about->PhysMem->Text(), "read at creation");
}

} // namespace
