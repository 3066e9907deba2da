// The text editor on real windows: the texts it answers and takes by
// window messages, its inner EDIT's settings, double-byte characters
// reaching the EDIT whole, keys the EDIT must not see, the wheel, the
// selection helpers, the properties' rules, and form text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/classregistry.h"
#include "classlib/form.h"
#include "classlib/messages.h"
#include "classlib/units.h"
#include "editors/controls/cxcontrolsunits.h"
#include "editors/controls/text/cxtextedit.h"
#include "editors/edit/editor/cxfilteredithelper.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

namespace {

// The EDIT's own procedure, seen from the class library: what reached it.
class TRecordingInnerEdit : public TcxCustomInnerTextEdit {
public:
    using TcxCustomInnerTextEdit::TcxCustomInnerTextEdit;
    void DefaultHandler(TMessage& m) override
    {
        if (m.Msg == WM_CHAR)
            chars.push_back(static_cast<BYTE>(m.WParam));
        if (m.Msg == EM_REPLACESEL)
            replaced.emplace_back(reinterpret_cast<const char*>(m.LParam));
        TcxCustomInnerTextEdit::DefaultHandler(m);
    }
    std::vector<BYTE> chars;
    std::vector<std::string> replaced;
};

const TcxEditKind kRecordingKind = cxEditKindOf<TcxTextEditProperties>(
    [](TcxCustomEdit& edit) -> std::unique_ptr<TComponent> { return std::make_unique<TRecordingInnerEdit>(&edit); });

class TRecordingTextEdit : public TcxCustomTextEdit {
public:
    TRecordingTextEdit() : TcxCustomTextEdit(nullptr, false, kRecordingKind) {}
    TRecordingInnerEdit& Inner() const { return static_cast<TRecordingInnerEdit&>(*InnerTextEditControl()); }
    bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override
    {
        wheelDeltas.push_back(wheelDelta);
        return TcxCustomTextEdit::DoMouseWheel(shift, wheelDelta, mousePos);
    }
    std::vector<int> wheelDeltas;
};

class TextEditTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { units_ = new TUnitsStarted(cxControlsUnits()); }
    static void TearDownTestSuite()
    {
        delete units_;
        units_ = nullptr;
    }

    void SetUp() override
    {
        form_ = std::make_unique<TForm>();
        form_->SetBounds(100, 100, 300, 200);
        edit_ = &form_->Adopt(std::make_unique<TRecordingTextEdit>());
        edit_->SetParent(form_.get());
        edit_->SetBounds(10, 10, 200, 21);
        form_->Show();
        Application.ProcessMessages();
    }
    void TearDown() override { form_.reset(); }

    TRecordingTextEdit& Edit() const { return *edit_; }
    HWND EditWindow() const { return edit_->Handle(); }
    HWND InnerWindow() const { return edit_->Inner().Handle(); }
    std::string InnerText() const
    {
        char buffer[256] = {};
        GetWindowTextA(InnerWindow(), buffer, sizeof buffer);
        return buffer;
    }
    void SetText(const std::string& text) { SendMessageA(EditWindow(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void SendChars(std::initializer_list<BYTE> bytes)
    {
        for (BYTE b : bytes)
            SendMessageA(InnerWindow(), WM_CHAR, b, 0);
    }
    void PostChars(std::initializer_list<BYTE> bytes)
    {
        for (BYTE b : bytes)
            PostMessageA(InnerWindow(), WM_CHAR, b, 0);
        Application.ProcessMessages();
    }

    static TUnitsStarted* units_;
    std::unique_ptr<TForm> form_;
    TRecordingTextEdit* edit_ = nullptr;
};

TUnitsStarted* TextEditTest::units_ = nullptr;

// "ab上午": 2 + 2 + 2 bytes.
const std::string kMixed = "ab\xC9\xCF\xCE\xE7";

TEST_F(TextEditTest, GetTextCopiesWholeCharactersWithinTheBuffer)
{
    SetText(kMixed);
    const struct {
        WPARAM size;
        LRESULT copied;
        std::string text;
    } cases[] = {
        {1, 0, ""}, {2, 1, "a"}, {3, 2, "ab"}, {4, 2, "ab"}, {5, 4, "ab\xC9\xCF"}, {6, 4, "ab\xC9\xCF"}, {7, 6, kMixed},
        {64, 6, kMixed},
    };
    for (const auto& c : cases) {
        char buffer[80];
        std::memset(buffer, 'Z', sizeof buffer);
        const LRESULT copied = SendMessageA(EditWindow(), WM_GETTEXT, c.size, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(copied, c.copied) << "size " << c.size;
        EXPECT_EQ(std::string(buffer), c.text) << "size " << c.size;
        EXPECT_EQ(buffer[c.size], 'Z') << "written past the buffer of " << c.size;
    }
    char untouched[4] = {'Z', 'Z', 'Z', 'Z'};
    EXPECT_EQ(SendMessageA(EditWindow(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(untouched)), 0);
    EXPECT_EQ(std::string(untouched, 4), "ZZZZ");
    EXPECT_EQ(SendMessageA(EditWindow(), WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST_F(TextEditTest, SetTextAppliesCheckedText)
{
    const struct {
        const char* name;
        TEditCharCase charCase;
        const char* text;
        // None: the EDIT's own reading (it shows a lone lead byte as '?').
        std::optional<std::string> value;
    } cases[] = {
        {"null pointer", TEditCharCase::ecNormal, nullptr, ""},
        {"plain", TEditCharCase::ecNormal, "abc", "abc"},
        {"upper case", TEditCharCase::ecUpperCase, "abc\xC9\xCF", "ABC\xC9\xCF"},
        {"lower case", TEditCharCase::ecLowerCase, "AbC", "abc"},
        {"lone lead byte at the end", TEditCharCase::ecNormal, "x\xC9", std::nullopt},
    };
    for (const auto& c : cases) {
        SetText("old");
        Edit().TextProperties().SetCharCase(c.charCase);
        EXPECT_EQ(SendMessageA(EditWindow(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text)), 1) << c.name;
        if (c.value) {
            EXPECT_EQ(VarToStr(Edit().EditValue()), *c.value) << c.name;
        }
        char buffer[32] = {};
        SendMessageA(EditWindow(), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(std::string(buffer), VarToStr(Edit().EditValue())) << c.name;
        Edit().TextProperties().SetCharCase(TEditCharCase::ecNormal);
    }
}

TEST_F(TextEditTest, InnerEditTakesTheProperties)
{
    TcxTextEditProperties& p = static_cast<TcxTextEditProperties&>(Edit().TextProperties());
    const struct {
        const char* name;
        int maxLength;
        TcxEditEchoMode echo;
        char passwordChar;
        UINT limit;
        char shown;
    } cases[] = {
        {"no limit", 0, eemNormal, 0, 0x7FFFFFFE, 0},
        {"five", 5, eemNormal, '#', 5, 0},
        {"negative", -3, eemNormal, 0, 0x7FFFFFFE, 0},
        {"password, no character", 0, eemPassword, 0, 0x7FFFFFFE, '*'},
        {"password with #", 7, eemPassword, '#', 7, '#'},
    };
    for (const auto& c : cases) {
        p.SetMaxLength(c.maxLength);
        p.SetPasswordChar(c.passwordChar);
        p.SetEchoMode(c.echo);
        Application.ProcessMessages();
        EXPECT_EQ(static_cast<UINT>(SendMessageA(InnerWindow(), EM_GETLIMITTEXT, 0, 0)), c.limit) << c.name;
        EXPECT_EQ(static_cast<char>(SendMessageA(InnerWindow(), EM_GETPASSWORDCHAR, 0, 0)), c.shown) << c.name;
    }
    EXPECT_EQ(p.MaxLength(), 7);
}

// The EDIT would show each byte of a pair as '?', or beep at Enter.
TEST_F(TextEditTest, DoubleByteCharactersReachTheEditWhole)
{
    const struct {
        const char* name;
        bool post;
        std::vector<BYTE> bytes;
        std::string text;
    } cases[] = {
        {"posted pair", true, {0xCF, 0xC2}, "\xCF\xC2"},
        {"sent one by one", false, {0xCF, 0xC2}, "\xCF\xC2"},
        // Wine's own posting already joins a lead byte with what follows.
        {"lead byte then no trail byte", false, {0xCF, '1'}, "1"},
        {"lead byte then a letter as its trail byte", true, {0xCF, 'a'}, "\xCF" "a"},
        {"letters around a pair", true, {'x', 0xC9, 0xCF, 'y'}, "x\xC9\xCFy"},
        {"two pairs", false, {0xC9, 0xCF, 0xCE, 0xE7}, "\xC9\xCF\xCE\xE7"},
    };
    for (const auto& c : cases) {
        SetText("");
        Edit().Inner().chars.clear();
        for (BYTE b : c.bytes)
            c.post ? (void)PostMessageA(InnerWindow(), WM_CHAR, b, 0) : (void)SendMessageA(InnerWindow(), WM_CHAR, b, 0);
        Application.ProcessMessages();
        EXPECT_EQ(InnerText(), c.text) << c.name;
        for (BYTE b : Edit().Inner().chars)
            EXPECT_LT(b, 0x80) << c.name << ": the EDIT got a byte of a pair as a character";
    }
}

TEST_F(TextEditTest, ImeCharacterArrivesWholeAndKeepsTheSelectionSetMeanwhile)
{
    // Incremental search would judge the character and set the find selection itself.
    Edit().TextProperties().SetIncrementalSearch(false);
    for (const bool findSelection : {false, true}) {
        SetText("abc");
        SendMessageA(InnerWindow(), EM_SETSEL, 3, 3);
        SendMessageA(InnerWindow(), WM_IME_CHAR, 0xCFC2, 0);
        IcxInnerTextEdit& inner = *Edit().InnerTextEdit();
        EXPECT_EQ(inner.GetImeLastChar(), '\xC2');
        inner.SetSelStart(1);
        EXPECT_EQ(inner.GetSelStart(), 1) << "the selection set while the characters are due is kept";
        Edit().SetFindSelection(findSelection);
        Application.ProcessMessages();
        EXPECT_EQ(InnerText(), "abc\xCF\xC2");
        EXPECT_EQ(inner.GetImeLastChar(), '\0');
        EXPECT_EQ(Edit().InnerTextEditControl()->SelStart(), findSelection ? 1 : 5) << findSelection;
    }
}

TEST_F(TextEditTest, ReadOnlyEditTakesNoPair)
{
    Edit().TextProperties().SetReadOnly(true);
    SetText("r");
    PostChars({0xCF, 0xC2});
    EXPECT_EQ(InnerText(), "r");
    EXPECT_TRUE(Edit().Inner().replaced.empty());
}

TEST_F(TextEditTest, EnterReachesTheEditOnlyWhenItMayBeep)
{
    for (const bool beep : {true, false}) {
        Edit().SetBeepOnEnter(beep);
        Edit().Inner().chars.clear();
        SendChars({'\r'});
        const bool reached = !Edit().Inner().chars.empty() && Edit().Inner().chars.back() == '\r';
        EXPECT_EQ(reached, beep) << "BeepOnEnter " << beep;
    }
}

// Left alignment while editing keeps the EDIT's window as it is.
TEST_F(TextEditTest, AlignmentReachesTheEditUnlessLeftWhileEditing)
{
    const struct {
        bool leftWhileEditing;
        TAlignment asked, shown;
        bool remade;
    } cases[] = {
        {true, TAlignment::taRightJustify, TAlignment::taLeftJustify, false},
        {true, TAlignment::taCenter, TAlignment::taLeftJustify, false},
        {false, TAlignment::taRightJustify, TAlignment::taRightJustify, true},
        {false, TAlignment::taLeftJustify, TAlignment::taLeftJustify, true},
    };
    for (const auto& c : cases) {
        Edit().TextProperties().SetUseLeftAlignmentOnEditing(c.leftWhileEditing);
        const HWND before = InnerWindow();
        Edit().TextProperties().Alignment().SetHorz(c.asked);
        Application.ProcessMessages();
        EXPECT_EQ(Edit().InnerTextEdit()->GetAlignment(), c.shown);
        EXPECT_EQ(InnerWindow() != before, c.remade);
        const LONG style = GetWindowLongA(InnerWindow(), GWL_STYLE);
        EXPECT_EQ((style & ES_RIGHT) != 0, c.shown == TAlignment::taRightJustify);
    }
}

TEST_F(TextEditTest, InnerEditSitsByVerticalAlignmentInsideItsMargins)
{
    Edit().SetAutoSize(false);
    Edit().SetBounds(10, 10, 200, 60);
    Edit().RefreshAtCursor();
    Application.ProcessMessages();
    const TRect client = Edit().ViewInfo().ContentRect;
    const int h = Edit().InnerTextHeight();
    ASSERT_GT(h, 0);
    ASSERT_GT(client.bottom - client.top, h + 10) << "room to place the EDIT in";
    const struct {
        TcxEditVertAlignment vert;
        int topMargin, bottomMargin;
        int top;
    } cases[] = {
        {taTopJustify, 0, 0, client.top},
        {taTopJustify, 3, 0, client.top + 3},
        {taBottomJustify, 0, 2, client.bottom - h - 2},
        {taVCenter, 0, 0, client.top + (client.bottom - client.top - h) / 2},
        {taVCenter, 4, 6, client.top + 4 + (client.bottom - client.top - h - 10) / 2},
    };
    for (const auto& c : cases) {
        Edit().InnerEditTopMargin = c.topMargin;
        Edit().InnerEditBottomMargin = c.bottomMargin;
        Edit().InnerEditLeftMargin = 2;
        Edit().InnerEditRightMargin = 1;
        Edit().TextProperties().Alignment().SetVert(c.vert);
        Edit().AdjustInnerEditPosition();
        const TcxCustomInnerTextEdit& inner = *Edit().InnerTextEditControl();
        EXPECT_EQ(inner.Top(), c.top) << c.vert << " " << c.topMargin << " " << c.bottomMargin;
        EXPECT_EQ(inner.Height(), h);
        EXPECT_EQ(inner.Left(), client.left + 2);
        EXPECT_EQ(inner.Width(), client.right - client.left + 1 - 3);
    }
}

TEST_F(TextEditTest, InnerEditVisibility)
{
    const struct {
        const char* name;
        bool shown, hidden, caretHidden;
        TAlignment horz;
        bool visible;
    } cases[] = {
        {"left aligned", false, false, false, TAlignment::taLeftJustify, true},
        {"no caret", false, false, true, TAlignment::taLeftJustify, false},
        {"hidden beats shown", true, true, false, TAlignment::taLeftJustify, false},
        {"shown without a caret", true, false, true, TAlignment::taLeftJustify, true},
    };
    for (const auto& c : cases) {
        Edit().ShowInnerEdit(c.shown);
        Edit().HideInnerEdit(c.hidden);
        Edit().TextProperties().SetCaretHidden(c.caretHidden);
        Edit().TextProperties().Alignment().SetHorz(c.horz);
        Application.ProcessMessages();
        EXPECT_EQ(Edit().IsInnerEditVisible(), c.visible) << c.name;
        EXPECT_EQ(Edit().InnerTextEditControl()->Visible(), c.visible) << c.name;
    }
}

TEST_F(TextEditTest, UnusedWheelReachesTheEditor)
{
    for (const int delta : {WHEEL_DELTA, -WHEEL_DELTA}) {
        Edit().wheelDeltas.clear();
        SendMessageA(InnerWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(20, 20));
        ASSERT_EQ(Edit().wheelDeltas.size(), 1u);
        EXPECT_EQ(Edit().wheelDeltas.front(), delta);
    }
}

TEST_F(TextEditTest, SelectionHelpersCountBytes)
{
    SetText(kMixed);
    const struct {
        int start, length;
        std::string selected;
    } cases[] = {{0, 2, "ab"}, {2, 2, "\xC9\xCF"}, {2, 4, "\xC9\xCF\xCE\xE7"}, {4, 100, "\xCE\xE7"}, {6, 0, ""}};
    for (const auto& c : cases) {
        Edit().SelectRange(c.start, c.length);
        EXPECT_EQ(Edit().SelectedText(), c.selected) << c.start << "," << c.length;
        EXPECT_EQ(Edit().SelectionStart(), c.start);
        EXPECT_EQ(Edit().SelectionLength(), static_cast<int>(c.selected.size()));
    }
    // No caret: nothing is selected or read.
    Edit().TextProperties().SetCaretHidden(true);
    Edit().SelectRange(0, 2);
    EXPECT_EQ(Edit().SelectionStart(), 0);
    EXPECT_EQ(Edit().SelectionLength(), 0);
    EXPECT_EQ(Edit().SelectedText(), "");
}

TEST_F(TextEditTest, InsertTextKeepsWholeCharactersAndTheCaret)
{
    const struct {
        const char* name;
        std::string text;
        int start, length;
        std::string inserted;
        std::string result;
        int caret;
    } cases[] = {
        {"at the end", "ab", 2, 0, "\xCF\xC2", "ab\xCF\xC2", 4},
        {"over a selection", kMixed, 2, 2, "xy", "abxy\xCE\xE7", 4},
        {"at the start", "\xCF\xC2", 0, 0, "z", "z\xCF\xC2", 1},
    };
    for (const auto& c : cases) {
        SetText(c.text);
        Edit().SelectRange(c.start, c.length);
        Edit().InsertText(c.inserted);
        EXPECT_EQ(InnerText(), c.result) << c.name;
        EXPECT_EQ(Edit().SelectionStart(), c.caret) << c.name;
        // Focused, the text is the user's until it is validated.
        Edit().ValidateNow();
        EXPECT_EQ(VarToStr(Edit().EditValue()), c.result) << c.name;
    }
}

TEST_F(TextEditTest, DeleteSelectionTextKeepsTheRest)
{
    SetText(kMixed);
    Edit().SelectRange(1, 3);
    Edit().DeleteSelectionText();
    EXPECT_EQ(InnerText(), "a\xCE\xE7");
    EXPECT_EQ(Edit().SelectionStart(), 1);
    Edit().ValidateNow();
    EXPECT_EQ(VarToStr(Edit().EditValue()), "a\xCE\xE7");
}

TEST(TextEditPropertiesTest, BoundsApplyAsAssigned)
{
    const struct {
        const char* name;
        bool min, max;
        double minValue, maxValue;
        bool minApplied, maxApplied;
    } cases[] = {
        {"neither", false, false, 0, 0, false, false},
        {"only MinValue", true, false, 5, 0, true, false},
        {"only MaxValue", false, true, 0, -5, false, true},
        {"both, Max above Min", true, true, 1, 2, true, true},
        {"both, Max not above Min", true, true, 2, 2, false, false},
    };
    for (const auto& c : cases) {
        TcxTextEditProperties p(nullptr);
        if (c.min)
            p.SetMinValue(c.minValue);
        if (c.max)
            p.SetMaxValue(c.maxValue);
        EXPECT_EQ(p.IsBoundApplied(0), c.minApplied) << c.name;
        EXPECT_EQ(p.IsBoundApplied(1), c.maxApplied) << c.name;
    }
}

TEST(TextEditPropertiesTest, TextViewStyleJoinsCaretAndButtonsKind)
{
    const struct {
        int style;
        std::uint8_t buttonsKind;
        bool caretHidden;
    } cases[] = {{0, 0, false}, {1, 0, true}, {2, 1, true}, {3, 2, true}};
    for (const auto& c : cases) {
        TcxTextEditProperties p(nullptr);
        p.SetTextViewStyle(c.style);
        EXPECT_EQ(p.ButtonsStyleKind(), c.buttonsKind) << c.style;
        EXPECT_EQ(p.CaretHidden(), c.caretHidden) << c.style;
        EXPECT_EQ(p.TextViewStyle(), c.style);
        EXPECT_EQ(p.GetEditingMode(), c.caretHidden ? temNoEdit : temEdit);
    }
}

TEST(TextEditPropertiesTest, AssignCopiesAssignedValuesOnly)
{
    TcxTextEditProperties source(nullptr);
    source.SetCharCase(TEditCharCase::ecUpperCase);
    source.SetEchoMode(eemPassword);
    source.SetMaxLength(9);
    source.LookupItems().Add("b");
    source.LookupItems().Add("a");
    source.SetLookupItemsSorted(true);
    TcxTextEditProperties target(nullptr);
    target.SetDisplayFormat("0.00");
    target.Assign(source);
    EXPECT_EQ(target.CharCase(), TEditCharCase::ecUpperCase);
    EXPECT_EQ(target.EchoMode(), eemPassword);
    EXPECT_EQ(target.MaxLength(), 9);
    EXPECT_FALSE(target.AssignedValues().DisplayFormat()) << "not assigned in the source";
    EXPECT_EQ(target.DisplayFormat(), "");
    ASSERT_EQ(target.LookupItems().Count(), 2);
    EXPECT_EQ(target.LookupItems()[0], "a");
    EXPECT_TRUE(target.LookupItemsSorted());
}

TEST_F(TextEditTest, UnitRegistersTheEditorForFormsAndFilters)
{
    TcxRegisteredClasses& registry = EditPropertiesRegistry();
    const int index = registry.IndexOfClass(&cxTextEditPropertiesClass);
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.Descriptions(index), "TextEdit");
    EXPECT_NE(FilterEditsControllerInstance().FindHelper(&cxTextEditPropertiesClass), nullptr);
    std::unique_ptr<TComponent> made = CreateComponent("TcxTextEdit");
    auto* edit = dynamic_cast<TcxTextEdit*>(made.get());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->SetProperty("Properties.IsDisplayFormatAssigned", "true"));
    EXPECT_TRUE(edit->TextEditProperties().AssignedValues().DisplayFormat());
    EXPECT_TRUE(edit->SetProperty("Properties.MaxLength", "4"));
    EXPECT_EQ(edit->TextEditProperties().MaxLength(), 4);
}

} // namespace
