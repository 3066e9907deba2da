// The text editors demonstration as a user meets it: keys typed through the
// system's input queue into each editor, the texts read back by WM_GETTEXT
// and the lines beside them.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/tests/demoeditors.h"

namespace {

const char* const kNames[] = {"Plain", "Limited", "Password", "Upper", "Right", "Lookup"};

std::string GetText(HWND window)
{
    char buffer[256] = {};
    const auto n = SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<std::size_t>(n));
}

class TextDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = ShowProcessForm(process_, "Text editors");
        ASSERT_NE(form_, nullptr);
        TDemoEditors found = FindDemoEditors(form_, kNames, ": value=");
        ASSERT_EQ(found.editors.size(), std::size(kNames));
        ASSERT_NE(found.plain, nullptr);
        for (const char* name : kNames)
            ASSERT_TRUE(found.editors[name].line) << name;
        ASSERT_TRUE(found.lines["Edit"]);
        editors_ = found.editors;
        lines_ = found.lines;
        plain_ = found.plain;
    }
    void TearDown() override { EXPECT_EQ(CloseProcessForm(process_, form_), 0); }

    // Typed into the named editor's EDIT once it has the focus.
    void Type(const char* name, const std::wstring& keys)
    {
        ASSERT_TRUE(FocusByClick(editors_[name].edit)) << name << " " << DescribeInputTarget();
        TypeKeys(keys);
    }
    // The window's text once it reads as expected, waited for in steps:
    // typed keys arrive through the input queue.
    static std::string Once(HWND window, const std::string& expected)
    {
        for (int i = 0; i < 200 && GetText(window) != expected; ++i)
            Sleep(50);
        return GetText(window);
    }
    // The line's text once it starts as expected.
    static std::string Starting(const TLabelRef& line, const std::string& prefix)
    {
        for (int i = 0; i < 200 && line.Text().rfind(prefix, 0) != 0; ++i)
            Sleep(50);
        return line.Text().substr(0, prefix.size());
    }
    // The line without its value, once it ends as expected.
    static std::string Tail(const TLabelRef& line, const std::string& expected)
    {
        auto tail = [&line] {
            const std::string text = line.Text();
            const auto sel = text.find(" sel=");
            return sel == std::string::npos ? text : text.substr(sel + 1);
        };
        for (int i = 0; i < 200 && tail() != expected; ++i)
            Sleep(50);
        return tail();
    }

    TTestProcess process_{BuiltProgramPath(TEXTDEMO_EXE)};
    HWND form_ = nullptr, plain_ = nullptr;
    std::map<std::string, TLabelRef> lines_;
    std::map<std::string, TDemoEditor> editors_;
};

} // namespace

TEST_F(TextDemo, EachEditorTakesTypedTextAsItsSettingsSay)
{
    struct Row {
        const char* name;
        std::wstring keys;
        std::string text;
    };
    const Row rows[] = {
        {"Plain", L"hello", "hello"},
        {"Limited", L"abcdefg", "abcde"},
        {"Password", L"abc", "abc"},
        {"Upper", L"abc", "ABC"},
        {"Right", L"xy", "xy"},
    };
    for (const Row& r : rows) {
        Type(r.name, r.keys);
        EXPECT_EQ(Once(editors_[r.name].box, r.text), r.text) << r.name;
        EXPECT_EQ(GetText(editors_[r.name].edit), r.text) << r.name << ": the EDIT holds what the editor answers";
    }
    EXPECT_EQ(SendMessageA(editors_["Password"].edit, EM_GETPASSWORDCHAR, 0, 0), '*');
    ASSERT_TRUE(FocusByClick(plain_));
    TypeKeys(L"hi");
    EXPECT_EQ(Once(plain_, "hi"), "hi");
    // Leaving an editor stores what was typed as its value.
    EXPECT_EQ(Starting(editors_["Plain"].line, "Plain: value=hello "), "Plain: value=hello ");
}

TEST_F(TextDemo, ARightAlignedEditorShowsItsEditOnlyFocused)
{
    const TDemoEditor& right = editors_["Right"];
    // Shown or hidden once the focus change has been handled.
    auto shown = [&](bool expected) {
        for (int i = 0; i < 100 && (IsWindowVisible(right.edit) != FALSE) != expected; ++i)
            Sleep(50);
        return IsWindowVisible(right.edit) != FALSE;
    };
    EXPECT_FALSE(shown(false));
    // The click lands on the editor, which hands the focus to its EDIT.
    ClickInput(right.box);
    EXPECT_TRUE(shown(true));
    ASSERT_TRUE(FocusByClick(editors_["Plain"].edit));
    EXPECT_FALSE(shown(false));
}

TEST_F(TextDemo, IncrementalSearchCompletesAndLeftRightEndClearTheFindSelection)
{
    const TDemoEditor& lookup = editors_["Lookup"];
    struct Row {
        const char* why;
        std::wstring keys;
        WORD key;
        std::string text, tail;
    };
    const Row rows[] = {
        {"a completes to apple", L"a", 0, "apple", "sel=1,4 find=1"},
        {"p, r then give apricot", L"pr", 0, "apricot", "sel=3,4 find=1"},
        {"the whole item typed leaves nothing selected", L"icot", 0, "apricot", "sel=7,0 find=1"},
        {"End clears the find selection", L"", VK_END, "apricot", "sel=7,0 find=0"},
    };
    ASSERT_TRUE(FocusByClick(lookup.edit));
    for (const Row& r : rows) {
        TypeKeys(r.keys);
        if (r.key)
            TapKeyInput(r.key);
        EXPECT_EQ(Once(lookup.box, r.text), r.text) << r.why;
        EXPECT_EQ(Tail(lookup.line, r.tail), r.tail) << r.why;
    }
    for (WORD key : {VK_LEFT, VK_RIGHT}) {
        SendMessageA(lookup.box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        TypeKeys(L"b");
        EXPECT_EQ(Tail(lookup.line, "sel=1,5 find=1"), "sel=1,5 find=1");
        TapKeyInput(key);
        EXPECT_EQ(Tail(lookup.line, key == VK_LEFT ? "sel=1,0 find=0" : "sel=6,0 find=0"),
                  key == VK_LEFT ? "sel=1,0 find=0" : "sel=6,0 find=0");
        EXPECT_EQ(GetText(lookup.box), "banana");
    }
}

TEST_F(TextDemo, ADoubleByteCharacterTypedLandsWholeAndFindsItsItem)
{
    const TDemoEditor& lookup = editors_["Lookup"];
    ASSERT_TRUE(FocusByClick(lookup.edit));
    // 下 must not take 上午, whose first character's trail byte is 下's lead byte.
    TypeKeys(L"\u4E0B");
    EXPECT_EQ(Once(lookup.box, "下午"), "下午");
    EXPECT_EQ(Tail(lookup.line, "sel=2,2 find=1"), "sel=2,2 find=1");

    // Typed by WM_IME_CHAR as an input method hands it over.
    SendMessageA(lookup.box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    PostMessageA(lookup.edit, WM_IME_CHAR, 0xC9CF, 1);
    EXPECT_EQ(Once(lookup.box, "上午"), "上午");
    EXPECT_EQ(Tail(lookup.line, "sel=2,2 find=1"), "sel=2,2 find=1");

    // No item starts with it: the character goes in whole.
    ASSERT_TRUE(FocusByClick(editors_["Plain"].edit));
    TypeKeys(L"\u4E0B");
    EXPECT_EQ(Once(editors_["Plain"].box, "下"), "下");
}
