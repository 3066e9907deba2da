// The masks demonstration as a user meets it: masks and texts put into its
// boxes, keys typed through the system's input queue, the lines read back.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"

namespace {

class MaskDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = WaitForVisibleWindow([&] { return FindProcessWindow(process_.Id(), "Masks"); }, 400);
        ASSERT_NE(form_, nullptr);
        for (HWND child : ChildWindowsOf(form_)) {
            const std::string kind = UpperClassNameOf(child);
            if (kind == "EDIT")
                edits_.push_back(child);
            else if (kind == "BUTTON")
                boxes_.push_back(child);
        }
        for (const TWindowlessControl& label : LabelsOf(form_)) {
            if (label.text.rfind("accepted=", 0) == 0)
                regExprLine_ = TLabelRef(label);
            else if (label.text.rfind("applied=", 0) == 0)
                standardLine_ = TLabelRef(label);
        }
        ASSERT_EQ(edits_.size(), 7u);
        ASSERT_EQ(boxes_.size(), 2u);
        ASSERT_TRUE(regExprLine_);
        ASSERT_TRUE(standardLine_);
        SetForegroundWindow(form_);
        for (int i = 0; i < 100 && GetForegroundWindow() != form_; ++i)
            Sleep(50);
    }
    void TearDown() override
    {
        PostMessageA(form_, WM_CLOSE, 0, 0);
        EXPECT_EQ(process_.WaitForExit(20000), 0);
    }

    void Put(HWND edit, const std::string& text) { SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void Check(HWND box)
    {
        ClickInput(box);
        for (int i = 0; i < 100 && SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED; ++i)
            Sleep(50);
    }
    void Type(const std::wstring& keys)
    {
        ASSERT_TRUE(FocusByClick(edits_[kInput])) << DescribeInputTarget();
        TypeKeys(keys);
    }

    // The line once it reads as expected, waited for in steps: typed keys
    // arrive through the input queue.
    std::string LineOnce(const TLabelRef& line, const std::string& expected) const
    {
        for (int i = 0; i < 200 && line.Text() != expected; ++i)
            Sleep(50);
        return line.Text();
    }

    static constexpr std::size_t kMask = 0, kTime = 1, kInput = 4, kStandard = 5, kText = 6;
    TTestProcess process_{BuiltProgramPath(MASKDEMO_EXE)};
    HWND form_ = nullptr;
    TLabelRef regExprLine_, standardLine_;
    std::vector<HWND> edits_, boxes_;
};

} // namespace

TEST_F(MaskDemo, TypedBytesFollowTheMaskWithCompletionBackspaceAndEsc)
{
    Check(boxes_[1]);
    Type(L"1a2");
    EXPECT_EQ(LineOnce(regExprLine_, "accepted=31323A complete=0 start=0 errors=none"),
              "accepted=31323A complete=0 start=0 errors=none");
    EXPECT_EQ(WindowTextOf(edits_[kInput]), "12:");
    Type(L"34");
    EXPECT_EQ(LineOnce(regExprLine_, "accepted=31323A3334 complete=1 start=0 errors=none"),
              "accepted=31323A3334 complete=1 start=0 errors=none");
    TapKeyInput(VK_BACK);
    TapKeyInput(VK_BACK);
    TapKeyInput(VK_BACK);
    EXPECT_EQ(LineOnce(regExprLine_, "accepted=31 complete=0 start=0 errors=none"),
              "accepted=31 complete=0 start=0 errors=none");
    TapKeyInput(VK_ESCAPE);
    EXPECT_EQ(LineOnce(regExprLine_, "accepted= complete=0 start=1 errors=none"),
              "accepted= complete=0 start=1 errors=none");
}

TEST_F(MaskDemo, SeparatorsCaseAndErrorsComeFromTheBoxes)
{
    Put(edits_[kTime], ".");
    Type(L"12.3");
    EXPECT_EQ(LineOnce(regExprLine_, "accepted=31322E33 complete=0 start=0 errors=none"),
              "accepted=31322E33 complete=0 start=0 errors=none");
    Put(edits_[kMask], "'AB'c");
    Check(boxes_[0]);
    Type(L"abC");
    EXPECT_EQ(LineOnce(regExprLine_, "accepted=414263 complete=1 start=0 errors=none"),
              "accepted=414263 complete=1 start=0 errors=none");
    Put(edits_[kMask], "a**(");
    EXPECT_EQ(LineOnce(regExprLine_, "accepted= complete=0 start=0 errors=Missing ')'"),
              "accepted= complete=0 start=0 errors=Missing ')'");
}

TEST_F(MaskDemo, StandardMaskLaysTheTextIntoIt)
{
    EXPECT_EQ(LineOnce(standardLine_, "applied=10:30:00 value=10:30:00 valid=1 empty=00:00:00"),
              "applied=10:30:00 value=10:30:00 valid=1 empty=00:00:00");
    Put(edits_[kStandard], "!99/99;0");
    Put(edits_[kText], "123");
    EXPECT_EQ(LineOnce(standardLine_, "applied=_1/23 value= 123 valid=1 empty=__/__"),
              "applied=_1/23 value= 123 valid=1 empty=__/__");
}
