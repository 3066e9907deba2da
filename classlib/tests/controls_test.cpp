// A small form built from description text, driven through real windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/application.h"
#include "classlib/checkbox.h"
#include "classlib/clipboard.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/spinedit.h"
#include "classlib/tests/dialogwatcher.h"

namespace {

const char* const kTestForm = R"(TestForm: TForm
  Caption = 测试
  ClientWidth = 400
  ClientHeight = 300
  BorderStyle = bsSingle
  KeyPreview = true
  ShowHint = true
  OnKeyPress = FormKeyPress
  Top1: TPanel
    Align = alTop
    Height = 30
    Color = clMoneyGreen
    Clear: TSpeedButton
      Left = 2
      Top = 2
      Width = 40
      Height = 26
      Caption = &C
      Hint = 清空
      OnClick = ClearClick
    Pad: TSpeedButton
      Left = 50
      Top = 2
      Width = 40
      Height = 26
      GroupIndex = 1
      Down = true
      Caption = 键盘
      OnClick = GroupClick
    Opts: TSpeedButton
      Left = 92
      Top = 2
      Width = 40
      Height = 26
      GroupIndex = 1
      Caption = 选项
      OnClick = GroupClick
    Boom: TSpeedButton
      Left = 140
      Top = 2
      Width = 40
      Height = 26
      Caption = 错
      OnClick = BoomClick
  Bottom: TPanel
    Align = alBottom
    Height = 28
    Label1: TLabel
      Left = 4
      Top = 4
      Width = 100
      Height = 20
      Caption = "行1 列0 "
    Spin: TSpinEdit
      Left = 120
      Top = 2
      Width = 60
      Height = 22
      MinValue = 270
      MaxValue = 380
      Increment = 5
      Value = 280
    Check: TCheckBox
      Left = 200
      Top = 4
      Width = 80
      Height = 20
      Caption = 语音
      Checked = true
  Memo: TMemo
    Align = alClient
    Color = clTeal
    Font.Name = Arial
    Font.Size = 16
    Font.Color = clWhite
    BorderStyle = bsNone
    OnKeyPress = MemoKeyPress
)";

class TestForm : public TForm {
public:
    explicit TestForm(const std::string& text = kTestForm)
    {
        Bind("FormKeyPress", &TestForm::FormKeyPress);
        Bind("MemoKeyPress", &TestForm::MemoKeyPress);
        Bind("ClearClick", &TestForm::ClearClick);
        Bind("GroupClick", &TestForm::GroupClick);
        Bind("BoomClick", &TestForm::BoomClick);
        LoadFromText(text);
    }
    void FormKeyPress(TComponent&, char& key)
    {
        previewed += key;
        if (key == 'a')
            key = 'b';
        if (key == '#')
            key = 0;
    }
    void MemoKeyPress(TComponent&, char& key)
    {
        if (key == '=')
            key = '\r';
    }
    void ClearClick(TComponent&) { Component<TMemo>("Memo").Clear(); }
    void GroupClick(TComponent& sender) { groupClicks += sender.Name() + " "; }
    void BoomClick(TComponent&) { throw Exception("出错了"); }

    std::string previewed;
    std::string groupClicks;
};

// A mouse message of the parent's window at a point of the windowless control.
void SendToParentAt(const TControl& control, UINT msg, WPARAM wp, int x, int y)
{
    SendMessageA(control.Parent()->Handle(), msg, wp, MAKELPARAM(control.Left() + x, control.Top() + y));
}

void ClickThroughParent(const TControl& control)
{
    SendToParentAt(control, WM_LBUTTONDOWN, MK_LBUTTON, 20, 13);
    SendToParentAt(control, WM_LBUTTONUP, 0, 20, 13);
}

// One form for the whole suite: under Wine without a window manager, hiding
// a shown window waits for a state change that never comes (two seconds).
class Controls : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        form = std::make_unique<TestForm>();
        form->Show();
        SetForegroundWindow(form->Handle());
    }
    static void TearDownTestSuite() { form.reset(); }
    void SetUp() override
    {
        memo().Clear();
        memo().SetFocus();
        form->previewed.clear();
        form->groupClicks.clear();
    }
    TMemo& memo() { return form->Component<TMemo>("Memo"); }
    void Type(const std::string& keys)
    {
        for (char c : keys)
            SendMessageA(memo().Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    static std::unique_ptr<TestForm> form;
};

std::unique_ptr<TestForm> Controls::form;

} // namespace

TEST_F(Controls, KeysPassThePreviewAndTheControlBeforeTheWindow)
{
    Type("1a2#3=4");
    EXPECT_EQ(memo().Text(), "1b23\r\n4");
    EXPECT_EQ(form->previewed, "1a2#3=4");
}

TEST_F(Controls, AlignedChildrenFillTheClientArea)
{
    auto rectOf = [](TControl& c) {
        RECT r;
        GetWindowRect(c.Handle(), &r);
        MapWindowPoints(nullptr, GetParent(c.Handle()), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    RECT top = rectOf(form->Component<TPanel>("Top1"));
    RECT bottom = rectOf(form->Component<TPanel>("Bottom"));
    RECT memoRect = rectOf(memo());
    EXPECT_EQ(top.bottom - top.top, 30);
    EXPECT_EQ(top.right - top.left, 400);
    EXPECT_EQ(bottom.top, 272);
    EXPECT_EQ(memoRect.top, 30);
    EXPECT_EQ(memoRect.bottom, 272);
    EXPECT_EQ(memoRect.right - memoRect.left, 400);
}

TEST_F(Controls, MemoHoldsFarMoreThanTheEditDefault)
{
    // Many lines rather than one long one: Wine's EDIT lays out a long line slowly.
    std::string big;
    while (big.size() < 100000)
        big += "1234567890+1234567890=2469135780\r\n";
    memo().SetText(big);
    EXPECT_EQ(memo().Text(), big);
    memo().SetSelStart(static_cast<int>(big.size()));
    Type("+1");
    EXPECT_EQ(memo().Text(), big + "+1");
    EXPECT_EQ(memo().SelStart(), static_cast<int>(big.size()) + 2);
}

TEST_F(Controls, PositionsCountBytesOfDoubleByteText)
{
    memo().SetText("中a\r\n∴b");
    memo().SetSelStart(2);
    EXPECT_EQ(memo().SelStart(), 2);
    memo().SetSelText("X");
    EXPECT_EQ(memo().Text(), "中Xa\r\n∴b");
    memo().SetSelStart(9);
    EXPECT_EQ(memo().SelStart(), 9);
    memo().SetSel(0, 2);
    EXPECT_EQ(memo().SelLength(), 2);
}

TEST_F(Controls, PositionsOnEveryLineOfDoubleByteText)
{
    // Positions are converted from a line's start, found by counting line
    // breaks from either end of the text; each line here has double-byte
    // text before it, so a miscounted line shows as a wrong byte offset.
    const std::string text = "中a\r\n文文b\r\n\r\n∴c\r\nd中\r\n";
    const int lineStarts[] = {0, 5, 12, 14, 19, 24};
    for (int line = 0; line < 6; ++line) {
        int start = lineStarts[line];
        memo().SetText(text);
        EXPECT_EQ(memo().LineStart(text, line), start) << line;
        memo().SetSelStart(start);
        EXPECT_EQ(memo().CaretLine(), line);
        EXPECT_EQ(memo().SelStart(), start) << line;
        memo().Replace(text, start, start, "X");
        EXPECT_EQ(memo().Text(), text.substr(0, static_cast<size_t>(start)) + "X" + text.substr(static_cast<size_t>(start)))
            << line;
        EXPECT_EQ(memo().SelStart(), start + 1) << line;
    }
}

TEST_F(Controls, SpeedButtonsClickWithoutTakingTheFocus)
{
    auto& pad = form->Component<TSpeedButton>("Pad");
    auto& opts = form->Component<TSpeedButton>("Opts");
    pad.SetDown(true);
    EXPECT_FALSE(opts.Down());
    ClickThroughParent(opts);
    EXPECT_TRUE(opts.Down());
    EXPECT_FALSE(pad.Down());
    ClickThroughParent(opts);
    EXPECT_TRUE(opts.Down()) << "a group without AllowAllUp keeps one button down";
    EXPECT_EQ(form->groupClicks, "Opts Opts ");

    Type("12");
    ClickThroughParent(form->Component<TSpeedButton>("Clear"));
    EXPECT_EQ(memo().Text(), "");
    EXPECT_EQ(GetFocus(), memo().Handle());
}

TEST_F(Controls, AltLetterClicksTheButtonWithThatAccelerator)
{
    Type("99");
    SendMessageA(memo().Handle(), WM_SYSCHAR, 'c', 1 << 29);
    EXPECT_EQ(memo().Text(), "");
}

TEST_F(Controls, SpinEditClampsAndSteps)
{
    auto& spin = form->Component<TSpinEdit>("Spin");
    spin.SetValue(280);
    // Each read comes after a change of the box's text, which a kept value must follow.
    EXPECT_EQ(spin.Value(), 280);
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin.Value(), 285);
    SendMessageA(spin.Handle(), EM_SETSEL, 0, -1);
    SendMessageA(spin.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("300"));
    EXPECT_EQ(spin.Value(), 300);
    spin.SetValue(999);
    EXPECT_EQ(spin.Text(), "380");
    spin.SetValue(5);
    EXPECT_EQ(spin.Value(), 270);
    spin.SetText("abc");
    EXPECT_EQ(spin.Value(), 270);
}

TEST_F(Controls, CheckBoxFollowsClicks)
{
    auto& check = form->Component<TCheckBox>("Check");
    bool before = check.Checked();
    SendMessageA(check.Handle(), BM_CLICK, 0, 0);
    EXPECT_NE(check.Checked(), before);
    SendMessageA(check.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(check.Checked(), before);
}

TEST_F(Controls, ExceptionInAHandlerIsShownNotCrashing)
{
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    ClickThroughParent(form->Component<TSpeedButton>("Boom"));
    ASSERT_EQ(watcher.Messages().size(), 1u);
    EXPECT_EQ(watcher.Messages()[0], "出错了");
    Type("5");
    EXPECT_EQ(memo().Text(), "5");
}

TEST_F(Controls, ClipboardCarriesText)
{
    Clipboard().SetAsText("12.5 元");
    EXPECT_EQ(Clipboard().AsText(), "12.5 元");
    memo().SetText("ab");
    memo().SetSelStart(1);
    memo().PasteFromClipboard();
    EXPECT_EQ(memo().Text(), "a12.5 元b");
}

TEST(FormLoading, BrokenDescriptionsNameTheirFault)
{
    Application.Initialize();
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"F: TForm\n  X: TNoSuchClass\n", "Form description line 2: Class TNoSuchClass not found"},
        {"F: TForm\n  B: TSpeedButton\n    OnClick = Missing\n", "Form description line 3: Event handler 'Missing' not found"},
        {"F: TForm\n  B: TSpeedButton\n    OnKeyPress = ClearClick\n",
         "Form description line 3: Event handler 'ClearClick' does not fit its event"},
        {"F: TForm\n  B: TSpeedButton\n    Colour = clRed\n", "Form description line 3: B: unknown property Colour"},
        {"F: TForm\n  L: TLabel\n    E: TEdit\n", "Form description line 2: L cannot hold other components"},
        {"F: TForm\n  L: TLabel\n    Width = wide\n", "Form description line 3: Invalid property value Width = wide"},
    };
    for (const auto& c : cases) {
        try {
            TestForm form(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EComponentError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST_F(Controls, ControlsOfOneFontShareOneGdiFontUntilOneChangesItsOwn)
{
    auto& check = form->Component<TCheckBox>("Check");
    HWND spin = form->Component<TSpinEdit>("Spin").Handle();
    auto fontOf = [](HWND hwnd) { return reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)); };
    ASSERT_NE(fontOf(spin), nullptr);
    EXPECT_EQ(fontOf(check.Handle()), fontOf(spin));

    int size = check.Font().Size();
    check.Font().SetSize(size + 3);
    EXPECT_NE(fontOf(check.Handle()), fontOf(spin));
    // The font the others still use was not deleted with the change.
    LOGFONTA described{};
    EXPECT_EQ(GetObjectA(fontOf(spin), sizeof described, &described), static_cast<int>(sizeof described));
    check.Font().SetSize(size);
    EXPECT_EQ(fontOf(check.Handle()), fontOf(spin));
}

TEST(FormHints, TheHintWindowIsMadeWhenTheMouseFirstComesWithEveryHint)
{
    Application.Initialize();
    TestForm fresh;
    EXPECT_EQ(fresh.TooltipHandle(), nullptr);
    auto& clear = fresh.Component<TSpeedButton>("Clear");
    SendToParentAt(clear, WM_MOUSEMOVE, 0, 3, 3);
    HWND tips = fresh.TooltipHandle();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    // The windowless button's tool is its rectangle of the panel's window,
    // kept in step as it moves and hides.
    auto tool = [&](std::string& text, RECT& rect) {
        char buffer[80] = {};
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = clear.Parent()->Handle();
        ti.uId = reinterpret_cast<UINT_PTR>(&clear);
        ti.lpszText = buffer;
        bool found = SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
        text = buffer, rect = ti.rect;
        return found;
    };
    std::string text;
    RECT rect{};
    ASSERT_TRUE(tool(text, rect));
    EXPECT_STREQ(text.c_str(), "清空");
    RECT bounds = clear.BoundsRect();
    EXPECT_TRUE(EqualRect(&rect, &bounds));
    clear.SetBounds(clear.Left() + 5, clear.Top(), clear.Width(), clear.Height());
    ASSERT_TRUE(tool(text, rect));
    EXPECT_EQ(rect.left, clear.Left()) << "moved with the button";
    clear.SetVisible(false);
    EXPECT_FALSE(tool(text, rect)) << "a hidden button shows no hint";
    clear.SetVisible(true);
    EXPECT_TRUE(tool(text, rect));
    delete &clear;
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0) << "a freed button leaves no tool";
}
