// The values demonstration as a user meets it: value texts typed into its
// edit boxes through the system's input queue, Enter, and the labels read.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"

namespace {

class ValuesDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = ShowProcessForm(process_, "Values");
        ASSERT_NE(form_, nullptr);
        for (HWND child : ChildWindowsOf(form_))
            if (UpperClassNameOf(child) == "EDIT")
                edits_.push_back(child);
        ASSERT_EQ(edits_.size(), 2u);
        ASSERT_EQ(Lines().size(), 5u);
    }
    void TearDown() override { EXPECT_EQ(CloseProcessForm(process_, form_), 0); }

    // Replaces the box's text as a user does: click, select the line, type,
    // Enter. Chinese characters are put in as text: typed here, Wine takes
    // their two GBK bytes through the keyboard's code page, not 936.
    void Enter(HWND edit, const std::wstring& text)
    {
        ASSERT_TRUE(FocusByClick(edit)) << DescribeInputTarget();
        if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) {
            TapKeyInput(VK_HOME);
            TapKeyInput(VK_END, VK_SHIFT);
            TypeKeys(text);
        } else {
            char gbk[64] = {};
            WideCharToMultiByte(936, 0, text.c_str(), -1, gbk, sizeof gbk, nullptr, nullptr);
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(gbk));
        }
        TypeKeys(L"\r");
    }

    std::vector<std::string> Lines() const { return LabelTextsOf(form_); }

    // The labels once the A line begins as expected, waited for in steps.
    std::vector<std::string> LinesOnceA(const std::string& startOfA) const
    {
        for (int i = 0; i < 200 && Lines()[0].rfind(startOfA, 0) != 0; ++i)
            Sleep(50);
        return Lines();
    }

    TTestProcess process_{BuiltProgramPath(VALUESDEMO_EXE)};
    HWND form_ = nullptr;
    std::vector<HWND> edits_;
};

} // namespace

TEST_F(ValuesDemo, TypedValuesShowTheirKindTextBytesAndComparison)
{
    EXPECT_EQ(Lines(), (std::vector<std::string>{"A: Integer | 200 | 03 C8 00", "B: String | abc | 06 03 61 62 63",
                                                 "Compare: -1", "Equal: False", "Read back: equal"}));
    struct Case {
        std::wstring a, b;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {L"b:True", L"s:True",
         {"A: Boolean | True | 09", "B: String | True | 06 04 54 72 75 65", "Compare: 0", "Equal: True",
          "Read back: equal"}},
        {L"c:1.25", L"d:1.25",
         {"A: Currency | 1.25 | 10 D4 30 00 00 00 00 00 00", "B: Double | 1.25 | 05 00 00 00 00 00 00 00 A0 FF 3F",
          "Compare: 0", "Equal: True", "Read back: equal"}},
        {L"w:\u6587\u5B57", L"[i:1,s:x]",
         {"A: OleStr | \xCE\xC4\xD7\xD6 | 12 02 00 00 00 87 65 57 5B",
          "B: Array Variant | [1,x] | 01 02 02 02 01 06 01 78", "Compare: -1", "Equal: False",
          "Read back: equal"}},
        {L"i:40000", L"null",
         {"A: Integer | 40000 | 04 40 9C 00 00", "B: Null |  | 00", "Compare: 1", "Equal: False",
          "Read back: equal"}},
        {L"x:1", L"null", {"A: error | Unknown kind 'x'", "B: Null |  | 00", "", "", ""}},
    };
    for (const auto& c : cases) {
        Enter(edits_[1], c.b);
        Enter(edits_[0], c.a);
        EXPECT_EQ(LinesOnceA(c.lines[0]), c.lines);
    }
}

TEST_F(ValuesDemo, ADateShowsItsDateAndTime)
{
    Enter(edits_[0], L"t:2024/1/2 13:05");
    const std::string head = "A: Date | 2024/1/2 13:05:00 | 11 ";
    std::string a = LinesOnceA("A: Date")[0];
    EXPECT_EQ(a.substr(0, head.size()), head);
    // The tag and the eight bytes of the double, each two digits and a space between.
    EXPECT_EQ(a.size() - (a.rfind('|') + 2), 9u * 3 - 1);
}
