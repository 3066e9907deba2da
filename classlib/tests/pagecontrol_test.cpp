// Pages behind tabs on a real form: the tabs, the page shown, and Tab,
// Ctrl+Tab and the arrow keys through the input queue.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/pagecontrol.h"
#include "classlib/tests/realinput.h"

namespace {

const char* const kPagesForm = R"(PagesForm: TForm
  ClientWidth = 320
  ClientHeight = 240
  KeyPreview = true
  OnKeyDown = FormKeyDown
  Before: TEdit
    Left = 10
    Top = 4
  Pages: TPageControl
    Left = 0
    Top = 30
    Width = 320
    Height = 170
    ActivePageIndex = 1
    OnChange = PageChanged
    Sheet0: TTabSheet
      Caption = 日期时间计算
      A0: TEdit
        Left = 10
        Top = 10
      B0: TEdit
        Left = 10
        Top = 40
    Sheet1: TTabSheet
      Caption = 倒计时
      A1: TEdit
        Left = 10
        Top = 10
    Sheet2: TTabSheet
      Caption = 网络小工具
      A2: TButton
        Left = 10
        Top = 10
        Caption = Go
  After: TEdit
    Left = 10
    Top = 210
)";

class TPagesForm : public TForm {
public:
    TPagesForm()
    {
        Bind("FormKeyDown", &TPagesForm::FormKeyDown);
        Bind("PageChanged", &TPagesForm::PageChanged);
        LoadFromText(kPagesForm);
    }
    void FormKeyDown(TComponent&, WORD& key, TShiftState) { markerSeen |= key == kInputMarker; }
    void PageChanged(TComponent&) { ++changes; }

    TPageControl& Pages() { return Component<TPageControl>("Pages"); }
    bool markerSeen = false;
    int changes = 0;
};

std::string FocusedName(const TForm& form)
{
    TControl* focused = TControl::FindControl(GetFocus());
    return focused && focused != &form ? focused->Name() : "(none)";
}

// The page whose window shows, by name; several or none are a fault.
std::string ShownPage(TPageControl& pages)
{
    std::string shown;
    for (TTabSheet* page : pages.Pages())
        if (IsWindowVisible(page->Handle()))
            shown += (shown.empty() ? "" : "+") + page->Name();
    return shown;
}

class PageControl : public testing::Test {
protected:
    void SetUp() override
    {
        Application.Initialize();
        form_ = std::make_unique<TPagesForm>();
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Application.ProcessMessages();
    }
    std::unique_ptr<TPagesForm> form_;
};

TEST_F(PageControl, TabsArePagesAndOnlyTheActiveOneShows)
{
    TPageControl& pages = form_->Pages();
    HWND tabs = pages.Handle();
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    const char* captions[] = {"日期时间计算", "倒计时", "网络小工具"};
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, captions[i]);
        EXPECT_EQ(pages.Pages()[static_cast<size_t>(i)]->PageIndex(), i);
    }
    // The form text's page is in front.
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ShownPage(pages), "Sheet1");

    // Every page fills the area under the tabs.
    RECT display;
    GetClientRect(tabs, &display);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (TTabSheet* page : pages.Pages()) {
        RECT r;
        GetWindowRect(page->Handle(), &r);
        MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(EqualRect(&r, &display)) << page->Name() << " at " << r.left << "," << r.top << " " << r.right
                                             << "," << r.bottom;
    }

    const struct {
        int set;
        int active;
        const char* shown;
    } cases[] = {{2, 2, "Sheet2"}, {0, 0, "Sheet0"}, {3, 0, "Sheet0"}, {-1, 0, "Sheet0"}, {1, 1, "Sheet1"}};
    for (const auto& c : cases) {
        pages.SetActivePageIndex(c.set);
        EXPECT_EQ(pages.ActivePageIndex(), c.active) << c.set;
        EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), c.active) << c.set;
        EXPECT_EQ(ShownPage(pages), c.shown) << c.set;
    }
}

TEST_F(PageControl, KeysWalkTheShownPageAndStepThePages)
{
    TPageControl& pages = form_->Pages();
    pages.SetActivePageIndex(0);
    form_->Component<TControl>("Before").SetFocus();
    Application.ProcessMessages();
    // One row a key: the key, Shift and Ctrl held, where the focus goes and the page then in front.
    const struct {
        WORD key;
        bool shift, ctrl;
        const char* focus;
        int page;
    } steps[] = {
        {VK_TAB, false, false, "Pages", 0},
        {VK_TAB, false, false, "A0", 0},
        {VK_TAB, false, false, "B0", 0},
        // The hidden pages' controls are passed by.
        {VK_TAB, false, false, "After", 0},
        {VK_TAB, true, false, "B0", 0},
        // Ctrl+Tab from a control on a page: the next page, its first control.
        {VK_TAB, false, true, "A1", 1},
        {VK_TAB, false, true, "A2", 2},
        // Round from the last page to the first, and back.
        {VK_TAB, false, true, "A0", 0},
        {VK_TAB, true, true, "A2", 2},
        {VK_TAB, true, false, "Pages", 2},
        // The arrows on the focused tabs.
        {VK_LEFT, false, false, "Pages", 1},
        {VK_RIGHT, false, false, "Pages", 2},
        {VK_TAB, false, true, "Pages", 0},
        {VK_TAB, false, false, "A0", 0},
    };
    int changes = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "key " << s.key << (s.shift ? " Shift" : "") << (s.ctrl ? " Ctrl" : "")
                                        << " to " << s.focus);
        const int before = pages.ActivePageIndex();
        if (s.shift)
            SendKeyInput(VK_SHIFT, true);
        const bool typed = TapKeyAndSettle(s.key, s.ctrl ? VK_CONTROL : 0, form_->markerSeen);
        if (s.shift)
            SendKeyInput(VK_SHIFT, false);
        ASSERT_TRUE(typed) << DescribeInputTarget();
        EXPECT_EQ(FocusedName(*form_), s.focus);
        EXPECT_EQ(pages.ActivePageIndex(), s.page);
        EXPECT_EQ(ShownPage(pages), "Sheet" + std::to_string(s.page));
        changes += pages.ActivePageIndex() != before;
        EXPECT_EQ(form_->changes, changes) << "OnChange once a change";
    }
}

TEST_F(PageControl, AFocusOnAPageThatGoesMovesToTheNewPage)
{
    TPageControl& pages = form_->Pages();
    pages.SetActivePageIndex(0);
    form_->Component<TControl>("B0").SetFocus();
    Application.ProcessMessages();
    pages.SetActivePageIndex(2);
    EXPECT_EQ(FocusedName(*form_), "A2");
    // A focus outside the pages stays where it is.
    form_->Component<TControl>("After").SetFocus();
    pages.SetActivePageIndex(1);
    EXPECT_EQ(FocusedName(*form_), "After");
}

} // namespace
