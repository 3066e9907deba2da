// Edit boxes over real EDIT windows: styles made with the window, the
// selection in GBK bytes, the clipboard, and re-making the window.
#include "classlib/customedit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/clipboard.h"
#include "classlib/form.h"

namespace {

class EditForm : public TForm {
public:
    EditForm()
    {
        LoadFromText("EditForm: TForm\n  Edit: TEdit\n    Width = 200\n    Height = 24\n  Secret: TEdit\n"
                     "    Top = 30\n    PasswordChar = *\n  Memo: TMemo\n    Top = 60\n    Width = 300\n"
                     "    Height = 100\n    ScrollBars = ssVertical\n");
    }
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
    static TEdit& edit() { return form->Component<TEdit>("Edit"); }
    static TEdit& secret() { return form->Component<TEdit>("Secret"); }
    static TMemo& memo() { return form->Component<TMemo>("Memo"); }
    static DWORD Style(const TControl& c) { return static_cast<DWORD>(GetWindowLongA(c.Handle(), GWL_STYLE)); }
    static inline std::unique_ptr<EditForm> form;
};

TEST_F(Edits, StylesReachTheWindowAndShapeTypedText)
{
    EXPECT_EQ(SendMessageA(secret().Handle(), EM_GETPASSWORDCHAR, 0, 0), '*') << "from the form text";
    struct Case {
        std::function<void()> set;
        DWORD bits;
        const char* shown; // after typing aB1
    } cases[] = {
        {[] { edit().SetAlignment(TAlignment::taRightJustify); }, ES_RIGHT, "aB1"},
        {[] { edit().SetAlignment(TAlignment::taCenter); }, ES_CENTER, "aB1"},
        {[] { edit().SetPasswordChar('#'); }, ES_PASSWORD, "aB1"},
        {[] { edit().SetCharCase(TEditCharCase::ecUpperCase); }, ES_UPPERCASE, "AB1"},
        {[] { edit().SetCharCase(TEditCharCase::ecLowerCase); }, ES_LOWERCASE, "ab1"},
    };
    for (const auto& c : cases) {
        edit().SetText("");
        c.set();
        EXPECT_EQ(Style(edit()) & c.bits, c.bits) << c.shown;
        for (char ch : std::string("aB1"))
            SendMessageA(edit().Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
        EXPECT_EQ(edit().Text(), c.shown);
    }
    EXPECT_EQ(SendMessageA(edit().Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
    edit().SetPasswordChar(0);
    edit().SetCharCase(TEditCharCase::ecNormal);
    edit().SetAlignment(TAlignment::taLeftJustify);
    EXPECT_EQ(SendMessageA(edit().Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(Edits, SelectionAndClipboardCountBytesOfDoubleByteText)
{
    edit().SetText("ab中文cd");
    edit().SetSel(2, 6);
    EXPECT_EQ(edit().SelText(), "中文");
    edit().CopyToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "中文");
    edit().SetSelText("X");
    edit().SelectAll();
    EXPECT_EQ(edit().SelText(), "abXcd");
    edit().SetSel(1, 3);
    edit().ClearSelection();
    EXPECT_EQ(edit().Text(), "acd");
    edit().SetText("1中2");
    edit().SetSel(1, 3);
    edit().CutToClipboard();
    EXPECT_EQ(edit().Text(), "12");
    EXPECT_EQ(Clipboard().AsText(), "中");
}

TEST_F(Edits, AutoSelectUnlessTheFocusCameByAClick)
{
    for (bool click : {false, true}) {
        edit().SetText("12中3");
        edit().SetSelStart(0);
        secret().SetFocus();
        if (click)
            SendMessageA(edit().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
        else
            edit().SetFocus();
        SendMessageA(edit().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
        EXPECT_EQ(edit().SelText(), click ? "" : "12中3");
    }
}

TEST_F(Edits, RemadeWindowKeepsTextSelectionFocusScrollingAndPlace)
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
        HWND old = c.box.Handle(), above = GetWindow(old, GW_HWNDPREV);
        int enters = 0, exits = 0;
        c.box.OnEnter = [&](TComponent&) { ++enters; };
        c.box.OnExit = [&](TComponent&) { ++exits; };
        c.change();
        c.box.OnEnter = nullptr;
        c.box.OnExit = nullptr;
        EXPECT_EQ(form->ActiveControl(), &c.box);
        EXPECT_EQ(enters + exits, 0) << "the focus stayed with the same control";
        ASSERT_NE(c.box.Handle(), old) << "made again";
        EXPECT_EQ(Style(c.box) & c.bits, c.bits);
        EXPECT_EQ(c.box.Text(), c.text);
        EXPECT_EQ(c.box.SelText(), c.text.substr(static_cast<size_t>(c.selStart), static_cast<size_t>(c.selEnd - c.selStart)));
        EXPECT_EQ(GetFocus(), c.box.Handle());
        EXPECT_EQ(SendMessageA(c.box.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
        EXPECT_EQ(GetWindow(c.box.Handle(), GW_HWNDPREV), above) << "same place among its siblings";
    }
}

TEST_F(Edits, CharacterPositionsFollowBytesAndMargins)
{
    edit().SetAlignment(TAlignment::taLeftJustify);
    edit().SetText("ab上午cd");
    edit().SetMargins(0, 0);
    struct Row {
        int pos, samePlaceAs;
    } rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 4}, {4, 4}, {6, 6}, {7, 7}};
    int lastX = -1;
    for (const auto& r : rows) {
        auto at = edit().PosFromChar(r.pos), same = edit().PosFromChar(r.samePlaceAs);
        ASSERT_TRUE(at && same) << r.pos;
        EXPECT_EQ(at->x, same->x) << "a byte inside a character stands for the next one: " << r.pos;
        EXPECT_GE(at->x, lastX) << r.pos;
        lastX = at->x;
    }
    EXPECT_GT(edit().PosFromChar(4)->x, edit().PosFromChar(2)->x) << "上 has a width";
    EXPECT_FALSE(edit().PosFromChar(8)) << "past the last character";

    const int plainX = edit().PosFromChar(0)->x;
    edit().SetMargins(9, 4);
    EXPECT_EQ(edit().LeftMargin(), 9);
    EXPECT_EQ(edit().RightMargin(), 4);
    EXPECT_EQ(edit().PosFromChar(0)->x, plainX + 9);
    HWND old = edit().Handle();
    edit().SetAlignment(TAlignment::taCenter);
    edit().SetAlignment(TAlignment::taLeftJustify);
    ASSERT_NE(edit().Handle(), old);
    EXPECT_EQ(edit().LeftMargin(), 9) << "kept through the new window";
    EXPECT_EQ(edit().PosFromChar(0)->x, plainX + 9);
    edit().SetMargins(0, 0);
}

TEST_F(Edits, ClipboardTellsWhichFormatsItHolds)
{
    Clipboard().SetAsText("x");
    const UINT own = RegisterClipboardFormatA("Vostrel.Test.Nothing");
    struct Row {
        UINT format;
        bool held;
    } rows[] = {{CF_TEXT, true}, {CF_BITMAP, false}, {own, false}};
    for (const auto& r : rows)
        EXPECT_EQ(Clipboard().HasFormat(r.format), r.held) << r.format;
    ASSERT_TRUE(OpenClipboard(form->Handle()));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT)) << "emptied";
}

} // namespace

// Byte positions of the text against the control's own units, on single-byte
// text (which needs no look at how the control counts) and on mixed text,
// with both ends of a selection on different lines of a memo.
TEST_F(Edits, BytePositionsRoundTripThroughTheControlsUnits)
{
    struct Row {
        const char* text;
        std::vector<int> boundaries; // byte positions between characters
    } rows[] = {
        {"", {0}},
        {"12+3=15", {0, 1, 4, 7}},
        {"中文", {0, 2, 4}},
        {"a中b文c", {0, 1, 3, 4, 6, 7}},
    };
    for (const auto& r : rows) {
        const std::string_view text = r.text;
        for (int b : r.boundaries)
            EXPECT_EQ(TCustomEdit::BytesFromUnits(text, TCustomEdit::UnitsFromBytes(text, b)), b) << r.text << " " << b;
        EXPECT_EQ(TCustomEdit::BytesFromUnits(text, -2), 0) << r.text;
    }
    for (int b : {0, 3, 7})
        EXPECT_EQ(TCustomEdit::UnitsFromBytes("12+3=15", b), b) << "single-byte text counts bytes";

    const std::string tape = "12+3=15\r\n中文+1\r\nab";
    memo().SetText(tape);
    struct Sel {
        int start, end;
        const char* selected;
    } sels[] = {{9, 13, "中文"}, {4, 13, "=15\r\n中文"}, {13, 21, "+1\r\nab"}, {0, 2, "12"}};
    for (const auto& s : sels) {
        memo().SetSel(tape, s.start, s.end);
        EXPECT_EQ(memo().SelText(), s.selected) << s.start << ".." << s.end;
        EXPECT_EQ(memo().SelStart(tape), s.start) << s.start << ".." << s.end;
    }
}
