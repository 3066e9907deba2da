// Incremental search in a real text editor on a shown form: characters
// handed to its EDIT as WM_CHAR, a double-byte one as WM_IME_CHAR, and the
// keys that clear the find selection.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testform.h"
#include "editors/controls/text/cxtextedit.h"

namespace {

struct SearchScene {
    SearchScene() : form(ShowTestForm(300, 120))
    {
        edit = &form->Adopt(std::make_unique<TcxTextEdit>());
        edit->SetBounds(10, 10, 200, 21);
        edit->SetParent(form.get());
        for (const char* item : {"apple", "apricot", "banana", "上午", "下午"})
            edit->TextEditProperties().LookupItems().Add(item);
        edit->SetFocus();
        Application.ProcessMessages();
    }
    HWND Inner() const { return edit->InnerTextEditControl()->Handle(); }
    void Char(char c) const
    {
        SendMessageA(Inner(), WM_CHAR, static_cast<unsigned char>(c), 1);
        Application.ProcessMessages();
    }
    void ImeChar(unsigned code) const
    {
        SendMessageA(Inner(), WM_IME_CHAR, code, 1);
        Application.ProcessMessages();
    }
    // Typed through the input queue, handled once the find selection went.
    bool Key(WORD vk) const
    {
        TapKeyInput(vk);
        return PumpInput([this] { return !edit->FindSelection(); });
    }
    std::string Shown() const { return edit->Text(); }

    std::unique_ptr<TForm> form;
    TcxTextEdit* edit;
};

TEST(TextEditSearch, TypedCharactersCompleteFromTheItems)
{
    struct Row {
        const char* why;
        std::string chars;
        unsigned ime;
        std::string text;
        int start, length;
        bool find;
    };
    const Row rows[] = {
        {"a completes to apple", "a", 0, "apple", 1, 4, true},
        {"p, r then give apricot", "apr", 0, "apricot", 3, 4, true},
        {"a capital takes the item's own case", "A", 0, "apple", 1, 4, true},
        {"nothing starts with it", "ax", 0, "ax", 2, 0, false},
        {"下 by WM_IME_CHAR against 上午 and 下午", "", 0xCFC2, "下午", 2, 2, true},
        {"上 by WM_IME_CHAR", "", 0xC9CF, "上午", 2, 2, true},
        {"午 starts no item and goes in whole", "", 0xCEE7, "午", 2, 0, false},
    };
    for (const Row& r : rows) {
        SearchScene s;
        for (char c : r.chars)
            s.Char(c);
        if (r.ime)
            s.ImeChar(r.ime);
        EXPECT_EQ(s.Shown(), r.text) << r.why;
        EXPECT_EQ(s.edit->SelectionStart(), r.start) << r.why;
        EXPECT_EQ(s.edit->SelectionLength(), r.length) << r.why;
        EXPECT_EQ(s.edit->FindSelection(), r.find) << r.why;
    }
}

TEST(TextEditSearch, LeftRightAndEndClearTheFindSelection)
{
    struct Row {
        WORD key;
        // Typed first: Left and Right collapse the completion's selection,
        // End needs a whole item typed, which leaves nothing selected.
        std::string typed;
        int start;
    };
    for (const Row& r : {Row{VK_LEFT, "b", 1}, Row{VK_RIGHT, "b", 6}, Row{VK_END, "banana", 6}}) {
        SearchScene s;
        // The click ends (the EDIT lets the mouse go) before the completion selects.
        ASSERT_TRUE(FocusByClick(s.Inner())) << DescribeInputTarget();
        ASSERT_TRUE(PumpInput([] { return GetCapture() == nullptr; }));
        for (char c : r.typed)
            s.Char(c);
        ASSERT_TRUE(s.edit->FindSelection()) << r.key;
        EXPECT_TRUE(s.Key(r.key)) << r.key << " " << DescribeInputTarget();
        EXPECT_EQ(s.edit->SelectionStart(), r.start) << r.key;
        EXPECT_EQ(s.edit->SelectionLength(), 0) << r.key;
        EXPECT_EQ(s.Shown(), "banana") << r.key;
    }
}

} // namespace
