// Enter as Tab on a real form, typed through the input queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/checkbox.h"
#include "classlib/classregistry.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/tests/realinput.h"
#include "windows/accessoryclasses.h"
#include "windows/cctab.h"

namespace {

// An edit class that keeps its Enter, known to the form text by its listed name.
class TListedEdit : public TEdit {};

const char* const kCcForm = R"(CcForm: TForm
  ClientWidth = 260
  ClientHeight = 230
  KeyPreview = true
  OnKeyDown = FormKeyDown
  First: TEdit
    Left = 10
    Top = 10
  Second: TEdit
    Left = 10
    Top = 40
  Go: TButton
    Left = 10
    Top = 70
    Caption = Go
    OnClick = Clicked
  Check: TCheckBox
    Left = 10
    Top = 100
    Width = 100
    Caption = check
  Listed: TCcDateEdit
    Left = 10
    Top = 130
  Last: TEdit
    Left = 10
    Top = 160
  CcTab1: TCcTab
    Left = 200
    Top = 10
)";

class TCcForm : public TForm {
public:
    TCcForm()
    {
        Bind("Clicked", &TCcForm::Clicked);
        Bind("FormKeyDown", &TCcForm::FormKeyDown);
        LoadFromText(kCcForm);
    }
    void Clicked(TComponent& sender) { clicks.push_back(sender.Name()); }
    void FormKeyDown(TComponent&, WORD& key, TShiftState) { markerSeen |= key == kInputMarker; }

    std::vector<std::string> clicks;
    bool markerSeen = false;
};

std::string FocusedName(const TForm& form)
{
    TControl* focused = TControl::FindControl(GetFocus());
    return focused && focused != &form ? focused->Name() : "(none)";
}

class CcTab : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        RegisterAccessoryClasses();
        RegisterComponentClass<TListedEdit>("TCcDateEdit");
    }
};

TEST_F(CcTab, EnterMovesOnExceptWhereItHasAMeaning)
{
    TCcForm form;
    form.Show();
    SetForegroundWindow(form.Handle());
    auto& ccTab = form.Component<TCcTab>("CcTab1");
    const struct {
        const char* focused;
        bool enterAsTab;
        const char* then;
        std::vector<std::string> clicks;
    } cases[] = {
        {"First", true, "Second", {}},
        {"Second", true, "Go", {}},
        // A push button is clicked and keeps the focus.
        {"Go", true, "Go", {"Go"}},
        // A check box is a button, yet Enter moves on from it.
        {"Check", true, "Listed", {}},
        // A listed edit class keeps its Enter.
        {"Listed", true, "Listed", {}},
        {"Last", true, "First", {}},
        // Switched off, Enter does what it does on any form.
        {"First", false, "First", {}},
        {"Check", false, "Check", {}},
        {"Go", false, "Go", {"Go"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focused) + (c.enterAsTab ? "" : " with EnterAsTab off"));
        ccTab.SetEnterAsTab(c.enterAsTab);
        auto& focused = form.Component<TControl>(c.focused);
        focused.SetFocus();
        Application.ProcessMessages();
        ASSERT_EQ(GetFocus(), focused.Handle()) << DescribeInputTarget();
        const bool checked = form.Component<TCheckBox>("Check").Checked();
        form.clicks.clear();
        ASSERT_TRUE(TapKeyAndSettle(VK_RETURN, 0, form.markerSeen)) << DescribeInputTarget();
        EXPECT_EQ(FocusedName(form), c.then);
        EXPECT_EQ(form.clicks, c.clicks);
        EXPECT_EQ(form.Component<TCheckBox>("Check").Checked(), checked);
    }
}

TEST_F(CcTab, NeverSeenNorFocused)
{
    TCcForm form;
    form.Show();
    SetForegroundWindow(form.Handle());
    auto& ccTab = form.Component<TCcTab>("CcTab1");
    EXPECT_TRUE(ccTab.EnterAsTab());
    EXPECT_FALSE(ccTab.Visible());
    EXPECT_FALSE(ccTab.Enabled());
    EXPECT_FALSE(ccTab.HandleAllocated() && IsWindowVisible(ccTab.Handle()));
    form.Component<TControl>("First").SetFocus();
    Application.ProcessMessages();
    // Twice round the form by Tab: every tab stop, never the component.
    std::set<std::string> visited;
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(TapKeyAndSettle(VK_TAB, 0, form.markerSeen)) << DescribeInputTarget();
        visited.insert(FocusedName(form));
    }
    EXPECT_EQ(visited, (std::set<std::string>{"First", "Second", "Go", "Check", "Listed", "Last"}));
}

TEST(CcEditClassNames, AnyCaseOfTheSixNames)
{
    const struct {
        const char* name;
        bool listed;
    } cases[] = {
        {"TCcEdit", true},        {"tccdbedit", true},       {"TCCDATEEDIT", true},   {"TCcMaskEdit", true},
        {"TCcDBDateEdit", true},  {"TCcDBMaskEdit", true},   {"TEdit", false},        {"TCcEdit2", false},
        {"CcEdit", false},        {"", false},               {"TCcDBMemo", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCcEditClass(c.name), c.listed) << c.name;
}

} // namespace
