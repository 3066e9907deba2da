// The masked editors demonstration as a user meets it: keys typed through
// the system's input queue into each editor, the texts read back by
// WM_GETTEXT with the lines beside them, and the button that asks for a
// standard mask as a regular expression.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/tests/demoeditors.h"

namespace {

const char* const kNames[] = {"Time", "Digits", "Clock", "Noon", "Ampm", "Switch"};

// The window's text once it reads as expected, asked every 50 ms for at most 10 s.
std::string Once(HWND window, const std::string& expected)
{
    for (int i = 0; i < 200 && WindowTextOf(window) != expected; ++i)
        Sleep(50);
    return WindowTextOf(window);
}
// The same of a line.
std::string Once(const TLabelRef& line, const std::string& expected)
{
    for (int i = 0; i < 200 && line.Text() != expected; ++i)
        Sleep(50);
    return line.Text();
}

class MaskEditDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = ShowProcessForm(process_, "Masked editors");
        ASSERT_NE(form_, nullptr);
        TDemoEditors found = FindDemoEditors(form_, kNames, ": text=");
        ASSERT_EQ(found.editors.size(), std::size(kNames));
        ASSERT_NE(found.plain, nullptr);
        for (const char* name : kNames)
            ASSERT_TRUE(found.editors[name].line) << name;
        EXPECT_GT(TopOf(found.plain), TopOf(found.editors[kNames[std::size(kNames) - 1]].box))
            << "the plain EDIT comes last";
        editors_ = found.editors;
        plain_ = found.plain;
        for (HWND child : ChildWindowsOf(form_))
            if (WindowTextOf(child) == "To RegExpr")
                button_ = child;
        ASSERT_NE(button_, nullptr);
    }
    void TearDown() override { EXPECT_EQ(CloseProcessForm(process_, form_), 0); }

    // Focused by a click, Home for a standard mask's first position, then typed.
    void Type(const char* name, const std::wstring& keys, bool home)
    {
        ASSERT_TRUE(FocusByClick(editors_[name].edit)) << name << " " << DescribeInputTarget();
        if (home)
            TapKeyInput(VK_HOME);
        TypeKeys(keys);
    }

    TTestProcess process_{BuiltProgramPath(MASKEDITDEMO_EXE)};
    HWND form_ = nullptr, plain_ = nullptr, button_ = nullptr;
    std::map<std::string, TDemoEditor> editors_;
};

TEST_F(MaskEditDemo, EachEditorTakesWhatItsMaskAllows)
{
    struct Row {
        const char* name;
        std::wstring keys;
        bool home;
        std::string text, line;
    };
    const Row rows[] = {
        {"Time", L"1234", true, "12:34", "Time: text=12:34 value=12:34 valid=1 beeps=0"},
        {"Digits", L"1a2", false, "12", "Digits: text=12 value=12 valid=1 beeps=1"},
        {"Clock", L"1234", false, "12:34", "Clock: text=12:34 value=12:34 valid=1 beeps=0"},
        {"Noon", L"\u4E0B", false, "下午", "Noon: text=下午 value=下午 valid=1 beeps=0"},
        {"Ampm", L"P", false, "pm", "Ampm: text=pm value=pm valid=1 beeps=0"},
        {"Switch", L"5x7", true, "*57", "Switch: text=*57 value=*57 valid=1 beeps=1"},
    };
    // Each text is whole: leaving a half-filled one would be refused with a box.
    for (const Row& r : rows) {
        Type(r.name, r.keys, r.home);
        EXPECT_EQ(Once(editors_[r.name].box, r.text), r.text) << r.name;
        EXPECT_EQ(Once(editors_[r.name].line, r.line), r.line) << r.name;
    }
    ASSERT_TRUE(FocusByClick(plain_));
    TypeKeys(L"ab");
    EXPECT_EQ(Once(plain_, "ab"), "ab");
}

// "*00" is no regular expression: the button's request is refused with the
// compiler's errors, and the editor keeps its standard mask.
TEST_F(MaskEditDemo, ToRegExprRefusesAMaskThatIsNoExpression)
{
    ClickInput(button_);
    std::vector<HWND> boxes;
    for (int i = 0; i < 200 && (boxes = MessageBoxesOf(process_.Id())).empty(); ++i)
        Sleep(50);
    ASSERT_EQ(boxes.size(), 1u);
    char message[512] = {};
    GetDlgItemTextA(boxes[0], 0xFFFF, message, sizeof message);
    EXPECT_EQ(std::string(message).rfind("Regular expression errors:\r\nLine1, Char1: ", 0), 0u) << message;
    PostMessageA(boxes[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 200 && !MessageBoxesOf(process_.Id()).empty(); ++i)
        Sleep(50);
    Type("Switch", L"57", true);
    EXPECT_EQ(Once(editors_["Switch"].box, "*57"), "*57");
}

} // namespace
