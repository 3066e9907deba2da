// The spin and time editors demonstration as a user meets it: arrow and
// paging keys typed through the system's input queue into each row, its
// text read back by WM_GETTEXT and the line beside it.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/tests/demoeditors.h"

namespace {

const char* const kNames[] = {"Int", "Ring", "Float", "Time24", "Time12", "HourMin"};

std::string GetText(HWND window)
{
    char buffer[256] = {};
    const auto n = SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<std::size_t>(n));
}

// The window's text once it reads as expected, waited for in steps: typed
// keys arrive through the input queue. The read that ended the wait: another
// read could already show a later key.
std::string Once(HWND window, const std::string& expected)
{
    std::string text = GetText(window);
    for (int i = 0; i < 200 && text != expected; ++i) {
        Sleep(50);
        text = GetText(window);
    }
    return text;
}
// The same of a line.
std::string Once(const TLabelRef& line, const std::string& expected)
{
    std::string text = line.Text();
    for (int i = 0; i < 200 && text != expected; ++i) {
        Sleep(50);
        text = line.Text();
    }
    return text;
}

class TimeDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = ShowProcessForm(process_, "Spin and time editors");
        ASSERT_NE(form_, nullptr);
        found_ = FindDemoEditors(form_, kNames, ": text=");
        ASSERT_EQ(found_.editors.size(), std::size(kNames));
        ASSERT_NE(found_.plain, nullptr);
    }
    void TearDown() override { EXPECT_EQ(CloseProcessForm(process_, form_), 0); }

    // The EDIT of the named row; the classlib spin box is the form's own.
    HWND EditOf(const std::string& name) const
    {
        return name == "SpinEdit" ? found_.plain : found_.editors.at(name).edit;
    }
    TLabelRef LineOf(const std::string& name) const
    {
        const auto line = found_.lines.find(name);
        return line == found_.lines.end() ? TLabelRef() : line->second;
    }

    TTestProcess process_{BuiltProgramPath(TIMEDEMO_EXE)};
    HWND form_ = nullptr;
    TDemoEditors found_;
};

} // namespace

TEST_F(TimeDemo, KeysStepEachRowAndLeavingStoresTheValue)
{
    struct Row {
        const char* name;
        std::vector<WORD> keys;
        // Shown only once the last key is handled: the keys are read while
        // they arrive, and a text passed on the way would end the wait early.
        std::string text;
        // The line once the focus has left the row.
        std::string line;
    };
    const Row rows[] = {
        {"Int", {VK_UP, VK_PRIOR, VK_DOWN}, "10", "Int: text=10 value=10.000000 edit=10"},
        {"Ring", {VK_DOWN, VK_DOWN}, "9", "Ring: text=9 value=9.000000 edit=9"},
        {"Float", {VK_UP, VK_PRIOR}, "10.5", "Float: text=10.5 value=10.500000 edit=10.5"},
        // Digits typed from Home; Up steps the item at the caret.
        {"Time24", {VK_HOME, '0', '8', '3', '0', '1', '5'}, "08:30:15",
         "Time24: text=08:30:15 value=0.354340 edit=1899/12/30 08:30:15"},
        {"Time12", {VK_HOME, '0', '9', '3', '0', VK_END, VK_UP}, "09:30:00 下午",
         "Time12: text=09:30:00 下午 value=0.895833 edit=1899/12/30 21:30:00"},
        {"HourMin", {VK_HOME, '2', '3', '4', '5', VK_UP}, "23:46",
         "HourMin: text=23:46 value=0.990278 edit=1899/12/30 23:46:00"},
        {"SpinEdit", {VK_UP, VK_UP}, "2", "SpinEdit: text=2 value=2.000000 edit=2"},
    };
    for (const Row& r : rows) {
        const HWND edit = EditOf(r.name);
        ASSERT_NE(edit, nullptr) << r.name;
        ASSERT_TRUE(LineOf(r.name)) << r.name;
        ASSERT_TRUE(FocusByClick(edit)) << r.name << " " << DescribeInputTarget();
        for (WORD key : r.keys)
            TapKeyInput(key);
        EXPECT_EQ(Once(edit, r.text), r.text) << r.name;
    }
    // The last row leaves by a click into the first.
    ASSERT_TRUE(FocusByClick(EditOf("Int"))) << DescribeInputTarget();
    for (const Row& r : rows)
        EXPECT_EQ(Once(LineOf(r.name), r.line), r.line) << r.name;
}

TEST_F(TimeDemo, TheBoundsHoldTypedTextAndSteps)
{
    const HWND ring = EditOf("Ring"), integer = EditOf("Int");
    ASSERT_TRUE(ring && integer);
    // 10 + 1 wraps to 0 in 0..10.
    ASSERT_TRUE(FocusByClick(ring)) << DescribeInputTarget();
    TapKeyInput(VK_DOWN);
    EXPECT_EQ(Once(ring, "10"), "10");
    TapKeyInput(VK_UP);
    EXPECT_EQ(Once(ring, "0"), "0");
    // A typed number past the top is brought back on leaving; a dot is not taken.
    ASSERT_TRUE(FocusByClick(integer)) << DescribeInputTarget();
    TapKeyInput(VK_END);
    TypeKeys(L".99999999");
    EXPECT_EQ(Once(integer, "099999999"), "099999999");
    ASSERT_TRUE(FocusByClick(ring)) << DescribeInputTarget();
    const std::string line = "Int: text=100000 value=100000.000000 edit=100000";
    EXPECT_EQ(Once(LineOf("Int"), line), line);
}

TEST_F(TimeDemo, TheDesignatorButtonSwitchesTheTwelveHourRow)
{
    HWND button = nullptr;
    for (HWND child : ChildWindowsOf(form_))
        if (WindowTextOf(child) == "AM/PM")
            button = child;
    ASSERT_NE(button, nullptr);
    const std::string chinese = "Time12: text=12:00:00 上午 value=0.000000 edit=0";
    const std::string english = "Time12: text=12:00:00 AM value=0.000000 edit=0";
    EXPECT_EQ(Once(LineOf("Time12"), chinese), chinese);
    ClickInput(button);
    EXPECT_EQ(Once(LineOf("Time12"), english), english);
    // The 12-hour row now takes P for the afternoon.
    const HWND edit = EditOf("Time12");
    ASSERT_TRUE(FocusByClick(edit)) << DescribeInputTarget();
    TapKeyInput(VK_END);
    TapKeyInput(VK_LEFT);
    TapKeyInput(VK_LEFT);
    TypeKeys(L"p");
    EXPECT_EQ(Once(edit, "12:00:00 PM"), "12:00:00 PM");
    ClickInput(button);
    EXPECT_EQ(Once(edit, "12:00:00 下午"), "12:00:00 下午");
}
