// The text editor on a shown form, focused and not: cut, copy and paste, a
// read-only editor, MaxLength over double-byte characters, a paste of a
// megabyte, a right-aligned editor's EDIT shown only while focused, and
// double-byte characters typed by real input.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/clipboard.h"
#include "classlib/form.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testform.h"
#include "editors/controls/text/cxtextedit.h"

namespace {

class TextEditClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = ShowTestForm(320, 200);
        edit_ = &form_->Adopt(std::make_unique<TcxTextEdit>());
        edit_->SetParent(form_.get());
        edit_->SetBounds(10, 10, 200, 21);
        other_ = &form_->Adopt(std::make_unique<TcxTextEdit>());
        other_->SetParent(form_.get());
        other_->SetBounds(10, 50, 200, 21);
        Application.ProcessMessages();
    }
    void TearDown() override { form_.reset(); }

    void Focus(TcxTextEdit& edit)
    {
        edit.InnerTextEditControl()->SetFocus();
        Application.ProcessMessages();
        ASSERT_TRUE(edit.Focused());
    }
    void SetText(const std::string& text)
    {
        SendMessageA(edit_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::string Shown() const { return edit_->InnerTextEditControl()->Text(); }

    std::unique_ptr<TForm> form_;
    TcxTextEdit* edit_ = nullptr;
    TcxTextEdit* other_ = nullptr;
};

TEST_F(TextEditClipboardTest, CutCopyPasteFocusedOrNot)
{
    enum Op { Cut, Copy, Paste };
    const struct {
        const char* name;
        Op op;
        bool focused;
        bool readOnly;
        std::string clipboardBefore;
        std::string text;
        std::string clipboardAfter;
    } cases[] = {
        {"cut focused", Cut, true, false, "-", "a\xCF\xC2", "bc"},
        {"cut unfocused", Cut, false, false, "-", "a\xCF\xC2", "bc"},
        {"cut read-only copies", Cut, true, true, "-", "abc\xCF\xC2", "bc"},
        {"copy focused", Copy, true, false, "-", "abc\xCF\xC2", "bc"},
        {"copy unfocused", Copy, false, false, "-", "abc\xCF\xC2", "bc"},
        {"paste focused", Paste, true, false, "x\xC9\xCF", "ax\xC9\xCF\xCF\xC2", "x\xC9\xCF"},
        {"paste unfocused", Paste, false, false, "x\xC9\xCF", "ax\xC9\xCF\xCF\xC2", "x\xC9\xCF"},
        {"paste read-only", Paste, true, true, "x", "abc\xCF\xC2", "x"},
        {"paste stops at a line break", Paste, true, false, "1\r\n2", "a1\xCF\xC2", "1\r\n2"},
    };
    for (const auto& c : cases) {
        edit_->TextEditProperties().SetReadOnly(false);
        SetText("abc\xCF\xC2");
        edit_->TextEditProperties().SetReadOnly(c.readOnly);
        Focus(c.focused ? *edit_ : *other_);
        edit_->SelectRange(1, 2);
        Clipboard().SetAsText(c.clipboardBefore);
        const UINT message = c.op == Cut ? WM_CUT : c.op == Copy ? WM_COPY : WM_PASTE;
        SendMessageA(edit_->InnerTextEditControl()->Handle(), message, 0, 0);
        Application.ProcessMessages();
        EXPECT_EQ(Shown(), c.text) << c.name;
        EXPECT_EQ(Clipboard().AsText(), c.clipboardAfter) << c.name;
    }
}

TEST_F(TextEditClipboardTest, PasteUnderMaxLengthKeepsWholeCharacters)
{
    const struct {
        const char* name;
        int maxLength;
        std::string text;
        int start, length;
        std::string pasted;
        std::string result;
    } cases[] = {
        {"full, caret at the end", 5, "abcde", 5, 0, "x", "abcde"},
        {"all selected, seven pasted", 5, "abcde", 0, 5, "1234567", "12345"},
        {"characters, not bytes", 3, "", 0, 0, "\xC9\xCF\xCE\xE7\xC9\xCF\xCE\xE7", "\xC9\xCF\xCE\xE7\xC9\xCF"},
        {"room for one more", 3, "\xC9\xCF\xCE\xE7", 4, 0, "\xCF\xC2z", "\xC9\xCF\xCE\xE7\xCF\xC2"},
    };
    Focus(*edit_);
    for (const auto& c : cases) {
        edit_->TextEditProperties().SetMaxLength(0);
        SetText(c.text);
        edit_->TextEditProperties().SetMaxLength(c.maxLength);
        edit_->SelectRange(c.start, c.length);
        Clipboard().SetAsText(c.pasted);
        SendMessageA(edit_->InnerTextEditControl()->Handle(), WM_PASTE, 0, 0);
        Application.ProcessMessages();
        EXPECT_EQ(Shown(), c.result) << c.name;
    }
}

TEST_F(TextEditClipboardTest, MegabytePaste)
{
    std::string megabyte;
    while (megabyte.size() < (1u << 20))
        megabyte += "0123456789\xCF\xC2";
    for (const int maxLength : {0, 10}) {
        edit_->TextEditProperties().SetMaxLength(maxLength);
        for (const bool focused : {true, false}) {
            SetText("");
            Focus(focused ? *edit_ : *other_);
            Clipboard().SetAsText(megabyte);
            SendMessageA(edit_->InnerTextEditControl()->Handle(), WM_PASTE, 0, 0);
            Application.ProcessMessages();
            const std::string shown = Shown();
            if (maxLength == 0 || !focused)
                EXPECT_EQ(shown.size(), megabyte.size()) << maxLength << " " << focused;
            else
                EXPECT_EQ(shown, "0123456789") << focused;
            const std::string value = VarToStr(edit_->EditValue());
            EXPECT_TRUE(value.empty() || value == shown) << "the value is what the EDIT shows, or not yet taken";
        }
    }
}

TEST_F(TextEditClipboardTest, RightAlignedEditorShowsItsEditOnlyFocused)
{
    edit_->TextEditProperties().SetUseLeftAlignmentOnEditing(false);
    edit_->TextEditProperties().Alignment().SetHorz(TAlignment::taRightJustify);
    Focus(*other_);
    EXPECT_FALSE(edit_->IsInnerEditVisible());
    EXPECT_FALSE(edit_->InnerTextEditControl()->Visible());
    Focus(*edit_);
    EXPECT_TRUE(edit_->IsInnerEditVisible());
    EXPECT_TRUE(edit_->InnerTextEditControl()->Visible());
    // Leaving it hides the EDIT again.
    Focus(*other_);
    EXPECT_FALSE(edit_->IsInnerEditVisible());
    EXPECT_FALSE(edit_->InnerTextEditControl()->Visible());
}

// The caret shows where it is only in the focused EDIT.
TEST_F(TextEditClipboardTest, CaretCharIndexIsTheByteIndexOfTheCaretsCharacter)
{
    SetText("ab\xC9\xCF\xCE\xE7" "c");
    Focus(*edit_);
    for (const int at : {0, 1, 2, 4, 6, 7}) {
        edit_->SelectRange(at, 0);
        Application.ProcessMessages();
        EXPECT_EQ(edit_->CaretCharIndex(), at) << at;
    }
}

// An input method's character comes as VK_PACKET and two posted bytes.
TEST_F(TextEditClipboardTest, TypedDoubleByteCharactersLandWhole)
{
    const struct {
        const wchar_t* typed;
        std::string shown;
    } cases[] = {{L"\u4E0B", "\xCF\xC2"}, {L"a\u4E0A\u5348b", "a\xC9\xCF\xCE\xE7" "b"}};
    for (const auto& c : cases) {
        SetText("");
        Focus(*edit_);
        TypeKeys(c.typed);
        EXPECT_TRUE(PumpInput([&] { return Shown() == c.shown; })) << Shown() << " " << DescribeInputTarget();
    }
}

} // namespace
