// The in-place WebBrowser control in a plain form, and the wide texts it takes.
#include "classlib/webbrowser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/webbrowserole.h"
#include "classlib/widetext.h"

namespace {

class BrowserForm : public TForm {
public:
    BrowserForm() { LoadFromText("BrowserForm: TForm\n  Browser: TWebBrowser\n    Align = alClient\n"); }
    TWebBrowser& Browser() { return Component<TWebBrowser>("Browser"); }
};

TEST(WideText, GbkTextsRoundTrip)
{
    EXPECT_EQ(WideFromAnsi("万年历"), L"\u4E07\u5E74\u5386");
    EXPECT_EQ(AnsiFromWide(L"\u4E07\u5E74\u5386 C:\\a.html"), "万年历 C:\\a.html");
    EXPECT_EQ(WideFromAnsi(""), L"");
    EXPECT_EQ(AnsiFromWide(L""), "");
}

TEST(WebBrowserOle, StringsKeepEveryCharacterAndTheirLength)
{
    const std::wstring texts[] = {L"", L"about:blank", L"\u4E07\u5E74\u5386 C:\\a.html", std::wstring(L"a\0b", 3)};
    for (const std::wstring& text : texts) {
        BSTR copy = webbrowserole::AllocString(text.data(), static_cast<UINT>(text.size()));
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(std::wstring(copy, webbrowserole::StringLength(copy)), text);
        webbrowserole::FreeString(copy);
    }
}

TEST(WebBrowserOle, InitializesOleAndCreatesOnlyRegisteredClasses)
{
    ASSERT_TRUE(SUCCEEDED(webbrowserole::Initialize()));
    IUnknown* object = nullptr;
    // A class id nobody registers.
    const CLSID unknown = {0x6f1c2a61, 0x0c3e, 0x4b5e, {0x9a, 0x11, 0x52, 0x7e, 0x00, 0x42, 0x13, 0x37}};
    EXPECT_EQ(webbrowserole::CreateInstance(unknown, IID_IUnknown, reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    webbrowserole::Uninitialize();
}

TEST(WebBrowser, FillsItsHostAndFollowsItsSize)
{
    Application.Initialize();
    BrowserForm form;
    HWND host = form.Browser().Handle();
    HWND shell = FindWindowExA(host, nullptr, nullptr, nullptr);
    ASSERT_NE(shell, nullptr);
    SetWindowPos(form.Handle(), nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE);
    RECT hostRect, shellRect;
    GetClientRect(host, &hostRect);
    GetWindowRect(shell, &shellRect);
    EXPECT_EQ(shellRect.right - shellRect.left, hostRect.right);
    EXPECT_EQ(shellRect.bottom - shellRect.top, hostRect.bottom);
}

TEST(WebBrowser, NoEventReachesAFreedForm)
{
    Application.Initialize();
    int events = 0;
    {
        BrowserForm form;
        form.Browser().OnDownloadBegin = [&](TComponent&) { ++events; };
        form.Browser().OnDownloadComplete = [&](TComponent&) { ++events; };
        // The reserved domain: the control starts a download that cannot end well.
        form.Browser().Navigate(L"https://olvane.example/");
    }
    int atFree = events;
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    PumpUntil([] { return false; }, 1000);
    EXPECT_EQ(events, atFree);
    EXPECT_EQ(watcher.Count(), 0);
}

TEST(WebBrowser, RefusedStepsAreOleErrors)
{
    Application.Initialize();
    BrowserForm form;
    EXPECT_TRUE(form.Browser().LocationURL().empty());
    EXPECT_THROW(form.Browser().GoBack(), Exception);
    EXPECT_THROW(form.Browser().GoForward(), Exception);
}

} // namespace
