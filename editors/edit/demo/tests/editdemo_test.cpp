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
            const std::string cls = UpperClassNameOf(w);
            if (cls == "TDEMOINTEGEREDIT")
                editor_ = w;
            else if (cls == "EDIT" && GetParent(w) == form_)
                plain_ = w;
        }
        for (const TWindowlessControl& label : LabelsOf(form_)) {
            if (label.text.rfind("Value:", 0) == 0)
                valueLine_ = TLabelRef(label);
            else if (label.text.rfind("Posted:", 0) == 0)
                postedLine_ = TLabelRef(label);
            else if (label.text.rfind("Events:", 0) == 0)
                eventsLine_ = TLabelRef(label);
        }
        ASSERT_NE(editor_, nullptr);
        for (HWND w : ChildWindowsOf(editor_))
            if (UpperClassNameOf(w) == "EDIT")
                inner_ = w;
        ASSERT_NE(inner_, nullptr);
        ASSERT_NE(plain_, nullptr);
        ASSERT_TRUE(valueLine_);
        ASSERT_TRUE(postedLine_);
        ASSERT_TRUE(eventsLine_);
    }

    // The line or text once it reads expected, or as it reads after waiting.
    static std::string Once(HWND window, const std::string& expected)
    {
        Eventually([&] { return WindowTextOf(window) == expected; });
        return WindowTextOf(window);
    }
    static std::string Once(const TLabelRef& line, const std::string& expected)
    {
        Eventually([&] { return line.Text() == expected; });
        return line.Text();
    }
    bool FocusReaches(HWND window) const
    {
        return Eventually([&] { return FocusOf(form_) == window; });
    }

    TTestProcess process_{BuiltProgramPath(EDITDEMO_EXE)};
    HWND form_ = nullptr, editor_ = nullptr, inner_ = nullptr, plain_ = nullptr;
    TLabelRef valueLine_, postedLine_, eventsLine_;
};

} // namespace

TEST_F(EditDemo, EnterPostsTabChecksEscRevertsAndCtrlEnterClicks)
{
    EXPECT_EQ(valueLine_.Text(), "Value: Null");
    EXPECT_EQ(postedLine_.Text(), "Posted: none");
    ClickInput(inner_);
    ASSERT_TRUE(FocusReaches(inner_)) << DescribeInputTarget();

    TypeKeys(L"42\r");
    EXPECT_EQ(Once(postedLine_, "Posted: 42"), "Posted: 42");
    EXPECT_EQ(Once(valueLine_, "Value: 42"), "Value: 42");

    TapKeyInput(VK_TAB);
    ASSERT_TRUE(FocusReaches(plain_)) << DescribeInputTarget();
    TapKeyInput(VK_TAB, VK_SHIFT);
    ASSERT_TRUE(FocusReaches(inner_)) << DescribeInputTarget();
    const std::string eventsBefore = eventsLine_.Text();
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
    EXPECT_NE(eventsLine_.Text().find(" exit=1"), std::string::npos) << eventsLine_.Text();

    TapKeyInput(VK_ESCAPE);
    EXPECT_EQ(Once(inner_, "42"), "42");

    TapKeyInput(VK_RETURN, VK_CONTROL);
    EXPECT_EQ(Once(valueLine_, "Value: 50"), "Value: 50");
    // The button stored 50 and the LF of Ctrl+Enter reached nothing.
    EXPECT_EQ(Once(inner_, "50"), "50");
    EXPECT_EQ(CloseProcessForm(process_, form_), 0);
}
