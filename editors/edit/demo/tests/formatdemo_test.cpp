// The formats demonstration as a user meets it: formats typed into its boxes
// through the system's input queue, Enter, and the labels read; settings
// and clock changes broadcast to it as the system does.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"

namespace {

int TopOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r.top;
}

void Broadcast(UINT msg, const wchar_t* section)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, msg, 0, reinterpret_cast<LPARAM>(section), SMTO_ABORTIFHUNG, 5000, &result);
}

class FormatDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = ShowProcessForm(process_, "Formats");
        ASSERT_NE(form_, nullptr);
        labels_ = LabelsOf(form_);
        for (HWND child : ChildWindowsOf(form_))
            if (UpperClassNameOf(child) == "EDIT")
                edits_[labelAt(child).text] = child;
        ASSERT_EQ(edits_.size(), 2u);
        // A result's label, and the locale's value on the same line to its right.
        for (const TWindowlessControl& label : labels_) {
            const auto colon = label.text.find(": ");
            if (colon == std::string::npos)
                continue;
            const std::string name = label.text.substr(0, colon);
            for (const TWindowlessControl& other : labels_)
                if (&other != &label && other.ScreenBounds().top == label.ScreenBounds().top &&
                    other.ScreenBounds().left > label.ScreenBounds().left)
                    live_[name] = TLabelRef(other);
            results_[name] = TLabelRef(label);
        }
        ASSERT_EQ(results_.size(), 11u);
        ASSERT_EQ(live_.size(), 9u);
    }
    void TearDown() override { EXPECT_EQ(CloseProcessForm(process_, form_), 0); }

    // The caption label on the edit box's line.
    TWindowlessControl labelAt(HWND edit) const
    {
        for (const TWindowlessControl& label : labels_)
            if (label.ScreenBounds().top > TopOf(edit) - 8 && label.ScreenBounds().top < TopOf(edit) + 8)
                return label;
        return {};
    }

    void Enter(const std::string& box, const std::wstring& text)
    {
        HWND edit = edits_.at(box);
        ASSERT_TRUE(FocusByClick(edit)) << DescribeInputTarget();
        TapKeyInput(VK_HOME);
        TapKeyInput(VK_END, VK_SHIFT);
        if (text.empty())
            TapKeyInput(VK_DELETE);
        else
            TypeKeys(text);
        TypeKeys(L"\r");
    }

    std::string Result(const std::string& name) const { return results_.at(name).Text(); }
    std::string Live(const std::string& name) const { return live_.at(name).Text(); }

    // The result's label once it reads expected, waited for in steps.
    std::string ResultOnce(const std::string& name, const std::string& expected) const
    {
        for (int i = 0; i < 200 && Result(name) != expected; ++i)
            Sleep(50);
        return Result(name);
    }

    TTestProcess process_{BuiltProgramPath(FORMATDEMO_EXE)};
    HWND form_ = nullptr;
    std::vector<TWindowlessControl> labels_;
    std::map<std::string, HWND> edits_;
    std::map<std::string, TLabelRef> results_, live_;
};

} // namespace

TEST_F(FormatDemo, TypedFormatsGiveTheirMasksBesideTheLocale)
{
    EXPECT_EQ(Result("DateEditPattern"), "DateEditPattern: yyyy/MM/dd");
    EXPECT_EQ(Result("CurrencyPattern"), "CurrencyPattern: ￥,0.00;(￥,0.00)");
    EXPECT_EQ(Result("FirstDayOfWeek"), "FirstDayOfWeek: 1");
    EXPECT_EQ(Result("Changes"), "Changes: format=0 time=0");
    EXPECT_EQ(Result("Filter operators"),
              "Filter operators: String {1 2 3 4 5 6 7 8 9 10}, Integer {1 2 3 4 5 6 9 10}");

    Enter("ShortDateFormat", L"yyyy-M-d");
    EXPECT_EQ(ResultOnce("DateEditPattern", "DateEditPattern: yyyy-MM-dd"), "DateEditPattern: yyyy-MM-dd");
    EXPECT_EQ(Result("DateMaskStandard"), R"(DateMaskStandard: !9999\-99\-99;1; )");
    EXPECT_EQ(Result("DateDisplayFormat"), "DateDisplayFormat: yyyy'-'mm'-'dd");
    EXPECT_EQ(Live("DateEditPattern"), "yyyy/MM/dd");
    EXPECT_EQ(Live("DateMaskStandard"), "!9999/99/99;1; ");

    Enter("LongTimeFormat", L"AMPM h:mm:ss");
    const std::string twelveHour = R"(DateTimeMaskStandard: !9999\-99\-99\ cccc\ 99:99:99;1; )";
    EXPECT_EQ(ResultOnce("DateTimeMaskStandard", twelveHour), twelveHour);
    EXPECT_EQ(Live("DateTimeMaskStandard"), R"(!9999/99/99\ 99:99:99;1; )");

    // An era cannot be entered: no masks and no display format.
    Enter("ShortDateFormat", L"gg yyyy");
    EXPECT_EQ(ResultOnce("DateMaskStandard", "DateMaskStandard: "), "DateMaskStandard: ");
    EXPECT_EQ(Result("DateMaskRegExpr"), "DateMaskRegExpr: ");
    EXPECT_EQ(Result("DateDisplayFormat"), "DateDisplayFormat: ");

    Enter("ShortDateFormat", L"");
    EXPECT_EQ(ResultOnce("DateEditPattern", "DateEditPattern: yyyy/MM/dd"), "DateEditPattern: yyyy/MM/dd");
}

TEST_F(FormatDemo, CountsTheLocaleAndClockChanges)
{
    Broadcast(WM_SETTINGCHANGE, L"intl");
    EXPECT_EQ(ResultOnce("Changes", "Changes: format=1 time=0"), "Changes: format=1 time=0");
    Broadcast(WM_SETTINGCHANGE, L"Intl");
    Broadcast(WM_SETTINGCHANGE, L"Windows");
    Broadcast(WM_SETTINGCHANGE, nullptr);
    Broadcast(WM_TIMECHANGE, nullptr);
    EXPECT_EQ(ResultOnce("Changes", "Changes: format=1 time=1"), "Changes: format=1 time=1");
    Broadcast(WM_SETTINGCHANGE, L"intl");
    EXPECT_EQ(ResultOnce("Changes", "Changes: format=2 time=1"), "Changes: format=2 time=1");
}
