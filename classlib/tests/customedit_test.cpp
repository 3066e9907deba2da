// Edit boxes over real EDIT windows: styles made at creation, the selection
// in GBK bytes, the clipboard, and re-making the window.
#include "classlib/customedit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "classlib/application.h"
#include "classlib/clipboard.h"
#include "classlib/form.h"

namespace {

const char* const kEditForm = R"(EditForm: TForm
  ClientWidth = 320
  ClientHeight = 240
  Edit: TEdit
    Left = 8
    Top = 8
    Width = 200
    Height = 24
  Secret: TEdit
    Left = 8
    Top = 40
    Width = 200
    Height = 24
    PasswordChar = *
  Memo: TMemo
    Left = 8
    Top = 72
    Width = 300
    Height = 100
    ScrollBars = ssVertical
)";

class EditForm : public TForm {
public:
    EditForm() { LoadFromText(kEditForm); }
};

// One form for the suite: hiding a window under Wine without a window
// manager waits for a state change that never comes.
class Edits : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        form = std::make_unique<EditForm>();
        form->Show();
        SetForegroundWindow(form->Handle());
    }
    static void TearDownTestSuite() { form.reset(); }
    void SetUp() override
    {
        edit().SetAlignment(TAlignment::taLeftJustify);
        edit().SetCharCase(TEditCharCase::ecNormal);
        edit().SetAutoSelect(true);
        edit().SetText("");
        edit().SetFocus();
    }
    static TEdit& edit() { return form->Component<TEdit>("Edit"); }
    static TEdit& secret() { return form->Component<TEdit>("Secret"); }
    static TMemo& memo() { return form->Component<TMemo>("Memo"); }
    static DWORD Style(const TControl& c) { return static_cast<DWORD>(GetWindowLongA(c.Handle(), GWL_STYLE)); }
    static void Type(const TControl& c, const std::string& keys)
    {
        for (char ch : keys)
            SendMessageA(c.Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
    }
    static std::unique_ptr<EditForm> form;
};

std::unique_ptr<EditForm> Edits::form;

TEST_F(Edits, CreationStylesReachTheWindowAndShapeTypedText)
{
    struct Case {
        const char* name;
        std::function<void()> set;
        DWORD bits;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"right", [] { edit().SetAlignment(TAlignment::taRightJustify); }, ES_RIGHT, "aB", "aB"},
        {"centre", [] { edit().SetAlignment(TAlignment::taCenter); }, ES_CENTER, "aB", "aB"},
        {"upper", [] { edit().SetCharCase(TEditCharCase::ecUpperCase); }, ES_UPPERCASE, "aB1c", "AB1C"},
        {"lower", [] { edit().SetCharCase(TEditCharCase::ecLowerCase); }, ES_LOWERCASE, "aB1C", "ab1c"},
        {"shown selection", [] { edit().SetHideSelection(false); }, ES_NOHIDESEL, "x", "x"},
        {"OEM", [] { edit().SetOEMConvert(true); }, ES_OEMCONVERT, "x", "x"},
    };
    for (const auto& c : cases) {
        SetUp();
        c.set();
        EXPECT_EQ(Style(edit()) & c.bits, c.bits) << c.name;
        Type(edit(), c.typed);
        EXPECT_EQ(edit().Text(), c.shown) << c.name;
    }
    edit().SetHideSelection(true);
    edit().SetOEMConvert(false);
    EXPECT_EQ(Style(edit()) & (ES_NOHIDESEL | ES_OEMCONVERT), 0u);
}

TEST_F(Edits, PasswordCharHidesTheTextNotItsValue)
{
    EXPECT_EQ(SendMessageA(secret().Handle(), EM_GETPASSWORDCHAR, 0, 0), '*') << "from the form text";
    secret().SetPasswordChar('#');
    EXPECT_EQ(SendMessageA(secret().Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
    Type(secret(), "k1");
    EXPECT_EQ(secret().Text(), "k1");
    secret().SetPasswordChar(0);
    EXPECT_EQ(SendMessageA(secret().Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(Edits, SelectionCountsBytesOfDoubleByteText)
{
    edit().SetText("ab中文cd");
    edit().SetSel(2, 6);
    EXPECT_EQ(edit().SelText(), "中文");
    edit().SetSelText("X");
    EXPECT_EQ(edit().Text(), "abXcd");
    edit().SelectAll();
    EXPECT_EQ(edit().SelText(), "abXcd");
    edit().SetSel(1, 3);
    edit().ClearSelection();
    EXPECT_EQ(edit().Text(), "acd");
}

TEST_F(Edits, CopyAndCutCarryDoubleByteText)
{
    edit().SetText("1中2文");
    edit().SetSel(1, 3);
    edit().CopyToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "中");
    EXPECT_EQ(edit().Text(), "1中2文");
    edit().SetSel(3, 6);
    edit().CutToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "2文");
    EXPECT_EQ(edit().Text(), "1中");
    edit().SetSelStart(0);
    edit().PasteFromClipboard();
    EXPECT_EQ(edit().Text(), "2文1中");
}

TEST_F(Edits, AutoSelectOnlyWhenTheFocusComesOtherThanByAClick)
{
    struct Case {
        bool autoSelect, byClick;
        const char* selected;
    } cases[] = {{true, false, "12中3"}, {true, true, ""}, {false, false, ""}};
    for (const auto& c : cases) {
        edit().SetText("12中3");
        edit().SetSelStart(0);
        edit().SetAutoSelect(c.autoSelect);
        secret().SetFocus();
        if (c.byClick) {
            SendMessageA(edit().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
            SendMessageA(edit().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
        } else {
            edit().SetFocus();
        }
        ASSERT_TRUE(edit().Focused());
        EXPECT_EQ(edit().SelText(), c.selected) << c.autoSelect << c.byClick;
    }
}

TEST_F(Edits, RemadeWindowKeepsTextSelectionFocusAndScrolling)
{
    std::string lines;
    for (int i = 0; i < 60; ++i)
        lines += "第" + std::to_string(i) + "行\r\n";
    struct Case {
        TCustomEdit& box;
        std::string text;
        int selStart, selEnd;
        std::function<void()> change;
        DWORD bits;
    } cases[] = {
        {memo(), lines, 200, 204, [] { memo().SetScrollBars(TScrollStyle::ssBoth); }, WS_HSCROLL | WS_VSCROLL},
        {edit(), "左中右", 2, 4, [] { edit().SetAlignment(TAlignment::taCenter); }, ES_CENTER},
    };
    for (auto& c : cases) {
        c.box.SetText(c.text);
        c.box.SetFocus();
        c.box.SetSel(c.selStart, c.selEnd);
        SendMessageA(c.box.Handle(), EM_LINESCROLL, 0, 30);
        auto firstLine = SendMessageA(c.box.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
        HWND old = c.box.Handle();
        HWND above = GetWindow(old, GW_HWNDPREV);
        c.change();
        ASSERT_NE(c.box.Handle(), old) << "made again";
        EXPECT_EQ(Style(c.box) & c.bits, c.bits);
        EXPECT_EQ(c.box.Text(), c.text);
        EXPECT_EQ(c.box.SelStart(), c.selStart);
        EXPECT_EQ(c.box.SelLength(), c.selEnd - c.selStart);
        EXPECT_EQ(GetFocus(), c.box.Handle());
        EXPECT_EQ(SendMessageA(c.box.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
        EXPECT_EQ(GetWindow(c.box.Handle(), GW_HWNDPREV), above) << "same place among its siblings";
    }
    memo().SetScrollBars(TScrollStyle::ssVertical);
}

} // namespace
