// The web-page window with the real WebBrowser control. Under Wine the
// control navigates and raises its download events, but draws no page.
#include "windows/webbrowse.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>

#include "classlib/application.h"
#include "classlib/button.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/widetext.h"
#include "windows/tests/windows_fixture.h"
#include "windows/webbrowse_open.h"

namespace {

std::string TempPage(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + name;
    std::ofstream(path, std::ios::binary) << "<html><body>" << name << "</body></html>";
    return path;
}

std::string Location()
{
    return AnsiFromWide(f_webbrowse->WebBrowser1->LocationURL());
}

// True once the control reports a location that ends with the tail.
bool ArrivesAt(const std::string& tail)
{
    return PumpUntil([&] {
        std::string at = Location();
        return at.size() >= tail.size() && at.compare(at.size() - tail.size(), tail.size(), tail) == 0;
    });
}

std::string StatusText()
{
    return f_webbrowse->StatusBar1->PanelText(0);
}

void Click(const char* button)
{
    SendMessageA(f_webbrowse->Component<TButton>(button).Handle(), BM_CLICK, 0, 0);
}

bool Shows(const char* name)
{
    const TControl& control = f_webbrowse->Component<TControl>(name);
    if (control.Windowless())
        return control.Showing() && IsWindowVisible(control.Parent()->Handle());
    return IsWindowVisible(control.Handle()) != FALSE;
}

// Tests run in order: the first creates the window, the later ones reuse it.
class WebBrowse : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MainStandIn(); }
    static void OpenFromTools(const std::string& address)
    {
        OpenWebPage({.address = address, .hide = {"Edit1", "Label1"}});
    }
};

TEST_F(WebBrowse, NoWindowUntilTheFirstOpenerCreatesIt)
{
    ASSERT_EQ(f_webbrowse, nullptr);
    OpenFromTools(TempPage("first.html"));
    ASSERT_NE(f_webbrowse, nullptr);
    EXPECT_NE(f_webbrowse->WebBrowser1->DefaultInterface(), nullptr);
    EXPECT_NE(FindWindowExA(f_webbrowse->WebBrowser1->Handle(), nullptr, nullptr, nullptr), nullptr)
        << "the control's window sits inside its host";
    EXPECT_TRUE(ArrivesAt("first.html")) << Location();
    EXPECT_NE(Application.MainForm(), f_webbrowse);
}

TEST_F(WebBrowse, StaysOnTopOpensMaximizedWithItsDesignedParts)
{
    HWND window = f_webbrowse->Handle();
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsZoomed(window));
    RECT work, frame;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &frame);
    EXPECT_LE(frame.left, work.left);
    EXPECT_GE(frame.right, work.right);
    EXPECT_GE(frame.bottom, work.bottom);
    EXPECT_EQ(f_webbrowse->Text(), "网页浏览器");
    EXPECT_EQ(f_webbrowse->Edit1->Text(), kWebHome);
    EXPECT_EQ(f_webbrowse->Panel1->Height(), 38);
    const std::pair<const char*, const char*> buttons[] = {
        {"Button1", "停止"}, {"Button2", "后退"}, {"Button3", "向前"}, {"Button4", "主页"}};
    for (auto [name, caption] : buttons)
        EXPECT_EQ(f_webbrowse->Component<TButton>(name).Text(), caption) << name;
    EXPECT_EQ(f_webbrowse->Label1->Text(), "地址");

    HWND status = f_webbrowse->StatusBar1->Handle();
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 0, 0), 1);
    RECT part;
    SendMessageA(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    EXPECT_NEAR(part.right - part.left, 50, 2);
}

TEST_F(WebBrowse, ToolsOpenerHidesTheAddressOnly)
{
    EXPECT_TRUE(Shows("Panel1"));
    EXPECT_FALSE(Shows("Edit1"));
    EXPECT_FALSE(Shows("Label1"));
    EXPECT_TRUE(Shows("Button4"));
}

TEST_F(WebBrowse, BackWithNoEarlierPageDoesNothing)
{
    // A fresh history: the window's only page so far.
    std::string before = Location();
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    Click("Button2");
    Click("Button3");
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(watcher.Count(), 0) << "no message for a refused step";
    EXPECT_EQ(Location(), before);
}

// Under Wine the page never finishes loading without its HTML engine, so the
// history stays empty and only the refusals can be seen here.
TEST_F(WebBrowse, StopKeepsThePageAndAsksNothing)
{
    f_webbrowse->WebBrowser1->Navigate(WideFromAnsi(TempPage("second.html")));
    ASSERT_TRUE(ArrivesAt("second.html"));
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    Click("Button1");
    Click("Button2");
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(watcher.Count(), 0);
    EXPECT_TRUE(Location().ends_with("second.html")) << Location();
}

TEST_F(WebBrowse, EnterInTheAddressNavigatesAndBecomesTheCaption)
{
    std::string page = TempPage("typed.html");
    f_webbrowse->Edit1->SetText(page);
    WORD key = 'A';
    f_webbrowse->Edit1KeyDown(*f_webbrowse->Edit1, key, 0);
    EXPECT_EQ(f_webbrowse->Text(), "网页浏览器") << "other keys are left to the box";

    SendMessageA(f_webbrowse->Edit1->Handle(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(f_webbrowse->Text(), page);
    EXPECT_TRUE(ArrivesAt("typed.html")) << Location();
}

TEST_F(WebBrowse, StatusFollowsTheDownloadEvents)
{
    std::vector<std::string> seen;
    auto& browser = *f_webbrowse->WebBrowser1;
    TNotifyEvent begin = browser.OnDownloadBegin, complete = browser.OnDownloadComplete;
    browser.OnDownloadBegin = [&](TComponent& sender) {
        begin(sender);
        seen.push_back("begin:" + StatusText());
    };
    browser.OnDownloadComplete = [&](TComponent& sender) {
        complete(sender);
        seen.push_back("complete:" + StatusText());
    };
    // "主页": the home address, which the reserved domain never answers.
    Click("Button4");
    bool arrived = ArrivesAt(kWebHome);
    bool completed = PumpUntil([&] { return !seen.empty() && seen.back().starts_with("complete:"); });
    browser.OnDownloadBegin = begin;
    browser.OnDownloadComplete = complete;
    EXPECT_TRUE(arrived) << Location();
    ASSERT_TRUE(completed);
    EXPECT_EQ(seen.front(), "begin:Finding Site...");
    EXPECT_EQ(seen.back(), "complete:Done.");
    EXPECT_EQ(StatusText(), "Done.");
}

TEST_F(WebBrowse, CalendarOpenerHidesTheBarForEveryLaterOpener)
{
    Tf_webbrowse* window = f_webbrowse;
    TForm& main = MainStandIn();
    static bool mainDisabled = false;
    WhileModal(*f_webbrowse, [] { mainDisabled = !IsWindowEnabled(MainStandIn().Handle()); });
    OpenWebPage({.address = TempPage("kestova.html"), .hide = {"Panel1"}, .caption = "万年历", .modal = true});
    EXPECT_TRUE(mainDisabled) << "the calendar is modal";
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_TRUE(ArrivesAt("kestova.html"));

    OpenFromTools(TempPage("tools.html"));
    EXPECT_EQ(f_webbrowse, window) << "one window for every opener";
    EXPECT_TRUE(ArrivesAt("tools.html"));
    EXPECT_FALSE(Shows("Panel1"));
    EXPECT_EQ(f_webbrowse->Text(), "万年历");
    RECT page;
    GetWindowRect(f_webbrowse->WebBrowser1->Handle(), &page);
    MapWindowPoints(nullptr, f_webbrowse->Handle(), reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(page.top, 0) << "the page takes the bar's place";
}

TEST_F(WebBrowse, ClosingOnlyHides)
{
    Tf_webbrowse* window = f_webbrowse;
    SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_TRUE(IsWindow(window->Handle()));
    EXPECT_FALSE(Application.Terminated());
    OpenFromTools(TempPage("again.html"));
    EXPECT_EQ(f_webbrowse, window);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_TRUE(ArrivesAt("again.html"));
}

} // namespace
