// The toolbar buttons that open the about, help and calendar windows: the
// real windows, shown modally over the calculator and closed by a watcher.
#include "calculator/tests/calcform_fixture.h"

#include <utility>

#include "calculator/functionunit_win.h"
#include "classlib/application.h"
#include "classlib/resources.h"
#include "classlib/widetext.h"
#include "classlib/windowclasses.h"
#include "windows/aboutform.h"
#include "classlib/tests/realinput.h"
#include "windows/calchelp.h"
#include "windows/toolsform.h"
#include "windows/webbrowse.h"

namespace {

// What the watcher saw of a window shown over the calculator.
struct Shown {
    HWND window = nullptr;
    std::string caption;
    bool calculatorDisabled = false;
    bool navigationBarShown = false;
};

// The calendar page in the Windows folder: gone for the test, and whatever
// was there before put back afterwards.
class WindowsFolderPage {
public:
    WindowsFolderPage() : path(windowsdir() + "kestova.html"), before_(ReadBytes(path)) { Remove(); }
    ~WindowsFolderPage()
    {
        Remove();
        if (before_ != "(missing)")
            WriteBytes(path, before_);
    }
    WindowsFolderPage(const WindowsFolderPage&) = delete;
    WindowsFolderPage& operator=(const WindowsFolderPage&) = delete;

    const std::string path;

private:
    void Remove() const
    {
        DeleteFileA(path.c_str());
        RemoveDirectoryA(path.c_str());
    }
    const std::string before_;
};

// The calculator as the program's main form.
class CalcMainFormTest : public CalcFormTest {
protected:
    static void SetUpTestSuite()
    {
        CalcFormTest::SetUpTestSuite();
        // As in the program: closing an opened window must not end the run.
        Application.SetMainForm(form.get());
    }
    static void TearDownTestSuite()
    {
        Application.SetMainForm(nullptr);
        // The opened windows go before the units their editors use.
        Application.DestroyForms();
        f_about = nullptr;
        f_calchelp = nullptr;
        f_webbrowse = nullptr;
        CalcFormTest::TearDownTestSuite();
    }
};

class CalcOpenersTest : public CalcMainFormTest {
protected:
    void SetUp() override
    {
        CalcFormTest::SetUp();
        HWND calculator = form->Handle();
        forms = std::make_unique<DialogWatcher>(
            [this, calculator](HWND window) {
                Record(window, calculator);
                PostMessageA(window, WM_CLOSE, 0, 0);
            },
            [calculator](HWND window) {
                char cls[32] = {};
                GetClassNameA(window, cls, sizeof cls);
                return window != calculator && std::string(cls) == kFormClass;
            });
    }
    void TearDown() override
    {
        forms.reset();
        CalcFormTest::TearDown();
    }

    // The windows seen since the last call.
    std::vector<Shown> TakeSeen()
    {
        std::lock_guard<std::mutex> hold(seenLock);
        return std::exchange(seen, {});
    }

private:
    void Record(HWND window, HWND calculator)
    {
        Shown shown;
        shown.window = window;
        // The modal loop disables the calculator right after showing the window.
        for (int i = 0; i < 250 && IsWindowEnabled(calculator); ++i)
            Sleep(20);
        shown.calculatorDisabled = !IsWindowEnabled(calculator);
        char caption[64] = {};
        GetWindowTextA(window, caption, sizeof caption);
        shown.caption = caption;
        if (f_webbrowse && window == f_webbrowse->Handle())
            shown.navigationBarShown = IsWindowVisible(f_webbrowse->Panel1->Handle()) != FALSE;
        std::lock_guard<std::mutex> hold(seenLock);
        seen.push_back(shown);
    }

    std::unique_ptr<DialogWatcher> forms;
    std::mutex seenLock;
    std::vector<Shown> seen;
};

bool CalendarArrived()
{
    return PumpUntil([] { return AnsiFromWide(f_webbrowse->WebBrowser1->LocationURL()).ends_with("kestova.html"); });
}

TEST_F(CalcOpenersTest, AboutAndHelpButtonsShowTheirWindowsModally)
{
    struct Case {
        const char* button;
        TForm* (*window)();
        const char* caption;
    };
    const Case cases[] = {
        {"SpeedButton42", []() -> TForm* { return f_about; }, "Tessrow"},
        {"SpeedButton46", []() -> TForm* { return f_calchelp; }, "Help"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.window(), nullptr) << c.button << ": the first click has to create the window";
        Click(c.button);
        TForm* created = c.window();
        ASSERT_NE(created, nullptr) << c.button;
        Click(c.button);
        EXPECT_EQ(c.window(), created) << c.button << ": the second click reuses the window";

        std::vector<Shown> seen = TakeSeen();
        ASSERT_EQ(seen.size(), 2u) << c.button;
        for (const Shown& shown : seen) {
            EXPECT_EQ(shown.window, created->Handle()) << c.button;
            EXPECT_EQ(shown.caption, c.caption) << c.button;
            EXPECT_TRUE(shown.calculatorDisabled) << c.button << " shows its window modally";
        }
        EXPECT_FALSE(IsWindowVisible(created->Handle())) << c.button;
        EXPECT_TRUE(IsWindowEnabled(form->Handle())) << c.button;
        EXPECT_NE(Application.MainForm(), created);
        EXPECT_TRUE(Messages().empty()) << c.button;
    }
}

TEST_F(CalcOpenersTest, CalendarWritesTheMissingPageAndShowsItWithoutTheNavigationBar)
{
    WindowsFolderPage page;
    std::string resource = LoadResourceText("kestova_html", "file");
    ASSERT_GT(resource.size(), 1000u);

    Click("SpeedButton43");
    std::string written = ReadBytes(page.path);
    EXPECT_TRUE(written == resource) << written.size() << " bytes written of the resource's " << resource.size();
    ASSERT_NE(f_webbrowse, nullptr);
    std::vector<Shown> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].window, f_webbrowse->Handle());
    EXPECT_EQ(seen[0].caption, "万年历");
    EXPECT_FALSE(seen[0].navigationBarShown);
    EXPECT_TRUE(seen[0].calculatorDisabled) << "the calendar is modal";
    EXPECT_FALSE(IsWindowVisible(f_webbrowse->Handle()));
    EXPECT_TRUE(CalendarArrived()) << AnsiFromWide(f_webbrowse->WebBrowser1->LocationURL());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalcOpenersTest, CalendarReusesThePageAlreadyThere)
{
    WindowsFolderPage page;
    Click("SpeedButton43");
    ASSERT_NE(ReadBytes(page.path), "(missing)");
    Tf_webbrowse* window = f_webbrowse;
    // A page that is there is never written again, whatever it holds.
    const std::string marker = "<html><body>left as it was</body></html>";
    WriteBytes(page.path, marker);
    Click("SpeedButton43");
    EXPECT_TRUE(ReadBytes(page.path) == marker) << "the page was written again";
    EXPECT_EQ(f_webbrowse, window);

    std::vector<Shown> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].caption, "万年历");
    EXPECT_FALSE(seen[1].navigationBarShown) << "the bar stays hidden";
    EXPECT_TRUE(CalendarArrived());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalcOpenersTest, UnwritablePageShowsTheFileErrorAndOpensNoWindow)
{
    // A folder of the page's name: nothing can be written there under that name.
    WindowsFolderPage page;
    ASSERT_TRUE(CreateDirectoryA(page.path.c_str(), nullptr));

    Click("SpeedButton43");
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    const std::string expected = "Cannot create file \"" + page.path + "\". ";
    EXPECT_EQ(messages[0].substr(0, expected.size()), expected) << messages[0];
    EXPECT_GT(messages[0].size(), expected.size()) << "with the system's reason";
    EXPECT_TRUE(TakeSeen().empty()) << "no calendar window";
    EXPECT_TRUE(f_webbrowse == nullptr || !IsWindowVisible(f_webbrowse->Handle()));
    EXPECT_NE(GetFileAttributesA(page.path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

// The tools window, shown without blocking: nothing closes it for the test.
class CalcToolsOpenerTest : public CalcMainFormTest {};

TEST_F(CalcToolsOpenerTest, ToolbarAndTrayShowOneToolsWindowWithoutBlocking)
{
    const TControl& button = form->Component<TControl>("SpeedButton44");
    // Missing at first: the first click creates it.
    ASSERT_EQ(f_tools, nullptr);
    // A real click on the toolbar button.
    ClickInput(button);
    ASSERT_TRUE(PumpInput([] { return f_tools && IsWindowVisible(f_tools->Handle()); }));
    Tf_tools* created = f_tools;
    EXPECT_EQ(created->Text(), "小工具");
    f_tools->Hide();
    ClickInput(button);
    ASSERT_TRUE(PumpInput([&] { return IsWindowVisible(created->Handle()); }));
    EXPECT_EQ(f_tools, created) << "the second click reuses the window";
    f_tools->Hide();
    form->N4Click(*form->N4);
    EXPECT_TRUE(IsWindowVisible(created->Handle()));
    EXPECT_EQ(f_tools, created);

    // Not modal: the tape takes typed keys meanwhile. The window stays on
    // top, so it goes to a corner away from the tape first.
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    RECT tape, tools;
    GetWindowRect(form->Memo1->Handle(), &tape);
    GetWindowRect(created->Handle(), &tools);
    const POINT middle{(tape.left + tape.right) / 2, (tape.top + tape.bottom) / 2};
    const int x = middle.x > GetSystemMetrics(SM_CXSCREEN) / 2 ? 0 : GetSystemMetrics(SM_CXSCREEN) - (tools.right - tools.left);
    SetWindowPos(created->Handle(), nullptr, x, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(created->Handle(), &tools);
    ASSERT_FALSE(PtInRect(&tools, middle)) << tools.left << "," << tools.top << " over " << middle.x << "," << middle.y;
    // The user comes back to the calculator, as a click on its caption would.
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(PumpInput([&] { return GetForegroundWindow() == form->Handle(); })) << DescribeInputTarget();
    ASSERT_TRUE(FocusByClick(form->Memo1->Handle())) << DescribeInputTarget();
    TypeKeys(L"1+2=");
    EXPECT_TRUE(PumpInput([&] { return Tape().starts_with("1+2=3"); })) << Tape();
    EXPECT_TRUE(IsWindowVisible(created->Handle()));
    EXPECT_TRUE(Messages().empty());
}

} // namespace
