// The editor demonstration as a user meets it: a number typed and
// confirmed with Enter, Tab away and back, an invalid text refused with
// one message box on Tab, Esc bringing the value back and Ctrl+Enter
// clicking the default button, all through the input queue.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/edit/demo/tests/demowaits.h"

namespace {

HWND FocusOf(HWND form)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return info.hwndFocus;
}

class EditDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = ShowProcessForm(process_, "Editor");
        ASSERT_NE(form_, nullptr);
        for (HWND w : ChildWindowsOf(form_)) {
            const std::string cls = UpperClassNameOf(w), text = WindowTextOf(w);
            if (cls == "TDEMOINTEGEREDIT")
                editor_ = w;
            else if (cls == "EDIT" && GetParent(w) == form_)
                plain_ = w;
            else if (text.rfind("Value:", 0) == 0)
                valueLine_ = w;
            else if (text.rfind("Posted:", 0) == 0)
                postedLine_ = w;
            else if (text.rfind("Events:", 0) == 0)
                eventsLine_ = w;
        }
        ASSERT_NE(editor_, nullptr);
        for (HWND w : ChildWindowsOf(editor_))
            if (UpperClassNameOf(w) == "EDIT")
                inner_ = w;
        ASSERT_NE(inner_, nullptr);
        ASSERT_NE(plain_, nullptr);
        ASSERT_NE(valueLine_, nullptr);
        ASSERT_NE(postedLine_, nullptr);
        ASSERT_NE(eventsLine_, nullptr);
    }

    // The line or text once it reads expected, or as it reads after waiting.
    static std::string Once(HWND window, const std::string& expected)
    {
        Eventually([&] { return WindowTextOf(window) == expected; });
        return WindowTextOf(window);
    }
    bool FocusReaches(HWND window) const
    {
        return Eventually([&] { return FocusOf(form_) == window; });
    }

    TTestProcess process_{BuiltProgramPath(EDITDEMO_EXE)};
    HWND form_ = nullptr, editor_ = nullptr, inner_ = nullptr, plain_ = nullptr;
    HWND valueLine_ = nullptr, postedLine_ = nullptr, eventsLine_ = nullptr;
};

} // namespace

TEST_F(EditDemo, EnterPostsTabChecksEscRevertsAndCtrlEnterClicks)
{
    EXPECT_EQ(WindowTextOf(valueLine_), "Value: Null");
    EXPECT_EQ(WindowTextOf(postedLine_), "Posted: none");
    ClickInput(inner_);
    ASSERT_TRUE(FocusReaches(inner_)) << DescribeInputTarget();

    TypeKeys(L"42\r");
    EXPECT_EQ(Once(postedLine_, "Posted: 42"), "Posted: 42");
    EXPECT_EQ(Once(valueLine_, "Value: 42"), "Value: 42");

    TapKeyInput(VK_TAB);
    ASSERT_TRUE(FocusReaches(plain_)) << DescribeInputTarget();
    TapKeyInput(VK_TAB, VK_SHIFT);
    ASSERT_TRUE(FocusReaches(inner_)) << DescribeInputTarget();
    const std::string eventsBefore = WindowTextOf(eventsLine_);
    EXPECT_NE(eventsBefore.find(" exit=1"), std::string::npos) << eventsBefore;

    // Entered by Tab, the EDIT selects its text: typing replaces it.
    TypeKeys(L"abc");
    ASSERT_EQ(Once(inner_, "abc"), "abc");
    TapKeyInput(VK_TAB);
    ASSERT_TRUE(Eventually([&] { return !MessageBoxesOf(process_.Id()).empty(); }));
    const std::vector<HWND> boxes = MessageBoxesOf(process_.Id());
    ASSERT_EQ(boxes.size(), 1u);
    char text[256] = {};
    GetDlgItemTextA(boxes[0], 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "Invalid input value. Use escape key to abandon changes");
    PostMessageA(boxes[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(Eventually([&] { return MessageBoxesOf(process_.Id()).empty(); }));
    // No second box: the refused exit does not come round again.
    Sleep(500);
    EXPECT_TRUE(MessageBoxesOf(process_.Id()).empty());
    EXPECT_TRUE(FocusReaches(inner_)) << DescribeInputTarget();
    EXPECT_NE(WindowTextOf(eventsLine_).find(" exit=1"), std::string::npos) << WindowTextOf(eventsLine_);

    TapKeyInput(VK_ESCAPE);
    EXPECT_EQ(Once(inner_, "42"), "42");

    TapKeyInput(VK_RETURN, VK_CONTROL);
    EXPECT_EQ(Once(valueLine_, "Value: 50"), "Value: 50");
    // The button stored 50 and the LF of Ctrl+Enter reached nothing.
    EXPECT_EQ(Once(inner_, "50"), "50");
    EXPECT_EQ(CloseProcessForm(process_, form_), 0);
}
