// The format controller under Wine: its results from the prefix's locale,
// its hidden window, and which broadcasts reach its listeners.
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/formatsettings.h"
#include "classlib/tests/dialogwatcher.h"
#include "editors/edit/formats/cxdateutils.h"
#include "editors/edit/formats/cxformats.h"

namespace {

struct TCountingListener : IcxFormatListener {
    int Formats = 0;
    std::function<void()> OnFormat;
    void FormatChanged() override
    {
        ++Formats;
        if (OnFormat)
            OnFormat();
    }
};

struct TTimeListener : TCountingListener, IcxTimeChangeListener {
    int Times = 0;
    void TimeChanged() override { ++Times; }
};

// Listed for the test's length.
class TListed {
public:
    explicit TListed(IcxFormatListener& listener) : listener_(listener)
    {
        FormatControllerInstance().AddFormatListener(&listener_);
    }
    ~TListed() { FormatControllerInstance().RemoveFormatListener(&listener_); }

private:
    IcxFormatListener& listener_;
};

void BroadcastW(UINT msg, WPARAM wp, const wchar_t* section)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, msg, wp, reinterpret_cast<LPARAM>(section), SMTO_ABORTIFHUNG, 5000, &result);
}

void BroadcastA(UINT msg, WPARAM wp, const char* section)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, msg, wp, reinterpret_cast<LPARAM>(section), SMTO_ABORTIFHUNG, 5000, &result);
}

TEST(FormatController, ResultsFromTheLocale)
{
    const TcxFormatController& c = FormatControllerInstance();
    EXPECT_EQ(c.DateEditPattern(), "yyyy/MM/dd");
    EXPECT_EQ(c.DateMaskStandard(), "!9999/99/99;1; ");
    EXPECT_EQ(c.DateTimeMaskStandard(), R"(!9999/99/99\ 99:99:99;1; )");
    EXPECT_EQ(c.DateDisplayFormat(), "yyyy/mm/dd");
    EXPECT_EQ(c.DateTimeDisplayFormat(), "yyyy/mm/dd' 'hh:nn:ss");
    EXPECT_EQ(c.CurrencyPattern(), "￥,0.00;(￥,0.00)");
    EXPECT_EQ(c.FirstDayOfWeek(), 1);
    EXPECT_EQ(c.Results().TimeInfo.Items.front().Text, "24HH");
    EXPECT_TRUE(c.DateMaskRegExpr().starts_with(R"((\d\d\d\d\/((0?[1-9]|1[012])|('1月'|)")) << c.DateMaskRegExpr();
    EXPECT_TRUE(c.DateMaskRegExpr().ends_with(R"('bom'|'eom')((\+|-)\d(\d(\d\d?)?)?)?)")) << c.DateMaskRegExpr();
    EXPECT_TRUE(c.DateTimeMaskRegExpr().ends_with(R"('eom'|'now')((\+|-)\d(\d(\d\d?)?)?)?)"));
}

TEST(DateUtils, WordsFromTheResources)
{
    const std::vector<std::string> expected = {
        "today",    "yesterday", "tomorrow", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
        "first",    "second",    "third",    "fourth", "fifth",  "sixth",   "seventh",   "bom",      "eom",    "now"};
    EXPECT_EQ(cxRelativeDateWords(), expected);
    EXPECT_EQ(LocaleStartOfWeek(), 1);
}

TEST(FormatController, WindowExistsExactlyWhileListened)
{
    TcxFormatController& c = FormatControllerInstance();
    ASSERT_EQ(c.WindowHandle(), nullptr);
    TCountingListener a, b;
    c.AddFormatListener(&a);
    const HWND window = c.WindowHandle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr);
    c.AddFormatListener(&b);
    c.AddFormatListener(&a);
    c.AddFormatListener(nullptr);
    EXPECT_EQ(c.ListenerCount(), 2);
    EXPECT_EQ(c.WindowHandle(), window);
    c.RemoveFormatListener(&a);
    c.RemoveFormatListener(&a);
    EXPECT_EQ(c.WindowHandle(), window);
    c.RemoveFormatListener(&b);
    EXPECT_EQ(c.WindowHandle(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(FormatController, OneNotificationPerLocaleChange)
{
    TCountingListener listener;
    TListed listed(listener);
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_EQ(listener.Formats, 1);
    // Sent straight to the ANSI window, the text arrives as it is.
    SendMessageA(FormatControllerInstance().WindowHandle(), WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl"));
    EXPECT_EQ(listener.Formats, 2);
}

TEST(FormatController, OtherSettingsChangesPassBy)
{
    TTimeListener listener;
    TListed listed(listener);
    const HWND window = FormatControllerInstance().WindowHandle();
    BroadcastW(WM_SETTINGCHANGE, 0, nullptr);
    BroadcastW(WM_SETTINGCHANGE, 1, L"intl");
    BroadcastW(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, nullptr);
    for (const wchar_t* section : {L"Intl", L"INTL", L"intl ", L"int", L"Windows", L"Policy", L""})
        BroadcastW(WM_SETTINGCHANGE, 0, section);
    // The ANSI broadcast hands ANSI windows a text it mangled.
    BroadcastA(WM_SETTINGCHANGE, 0, "intl");
    SendMessageA(window, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl\x81"));
    SendMessageA(window, WM_WININICHANGE, 0, 0);
    EXPECT_EQ(listener.Formats, 0);
    EXPECT_EQ(listener.Times, 0);
    // DefWindowProc's answer to another message.
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST(FormatController, LocaleChangeRereadsTheFormatSettings)
{
    TCountingListener listener;
    TListed listed(listener);
    FormatSettings().ShortDateFormat = "d.M.yy";
    Application.UpdateFormatSettings = false;
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    Application.UpdateFormatSettings = true;
    EXPECT_EQ(listener.Formats, 0);
    EXPECT_EQ(FormatSettings().ShortDateFormat, "d.M.yy");

    std::string patternSeen;
    listener.OnFormat = [&] { patternSeen = FormatControllerInstance().DateEditPattern(); };
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_EQ(FormatSettings().ShortDateFormat, "yyyy/M/d");
    EXPECT_EQ(patternSeen, "yyyy/MM/dd");
}

TEST(FormatController, TimeChangesReachTimeListenersOnly)
{
    TCountingListener formats;
    TTimeListener times;
    TListed a(formats), b(times);
    BroadcastW(WM_TIMECHANGE, 0, nullptr);
    EXPECT_EQ(times.Times, 1);
    EXPECT_EQ(times.Formats + formats.Formats, 0);
}

TEST(FormatController, ListenersAddedOrRemovedDuringTheNotification)
{
    TcxFormatController& c = FormatControllerInstance();
    TCountingListener first, removed, added;
    first.OnFormat = [&] {
        c.RemoveFormatListener(&removed);
        c.AddFormatListener(&added);
    };
    TListed a(first), b(removed), d(added);
    c.RemoveFormatListener(&added);
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_EQ(first.Formats, 1);
    EXPECT_EQ(removed.Formats, 0);
    EXPECT_EQ(added.Formats, 0);
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_EQ(added.Formats, 1);
}

TEST(FormatController, LastListenerLeavingInsideTheMessage)
{
    TcxFormatController& c = FormatControllerInstance();
    TCountingListener leaving, after;
    c.AddFormatListener(&leaving);
    c.AddFormatListener(&after);
    const HWND window = c.WindowHandle();
    bool windowDuringDispatch = false;
    leaving.OnFormat = [&] {
        c.RemoveFormatListener(&leaving);
        c.RemoveFormatListener(&after);
        windowDuringDispatch = IsWindow(window) && c.WindowHandle() == window;
    };
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_TRUE(windowDuringDispatch);
    EXPECT_EQ(after.Formats, 0);
    EXPECT_EQ(c.WindowHandle(), nullptr);
    EXPECT_FALSE(IsWindow(window));

    // One that comes back inside the message keeps the window.
    leaving.OnFormat = [&] {
        c.RemoveFormatListener(&leaving);
        c.AddFormatListener(&leaving);
    };
    c.AddFormatListener(&leaving);
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_TRUE(IsWindow(c.WindowHandle()));
    c.RemoveFormatListener(&leaving);
}

TEST(FormatController, ExceptionGoesToTheApplication)
{
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    TCountingListener throwing, next;
    throwing.OnFormat = [] { throw std::runtime_error("format listener failed"); };
    TListed a(throwing), b(next);
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    ASSERT_TRUE(PumpUntil([&] { return watcher.Count() > 0; }));
    EXPECT_EQ(watcher.Messages().at(0), "format listener failed");
    EXPECT_EQ(throwing.Formats, 1);
    // The window goes on answering.
    BroadcastW(WM_SETTINGCHANGE, 0, L"intl");
    EXPECT_EQ(throwing.Formats, 2);
}

} // namespace
