// The date picker on a real form: its date as a day number, the dates it
// refuses, and dates typed into it through the input queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/application.h"
#include "classlib/datetimepicker.h"
#include "classlib/daynumber.h"
#include "classlib/form.h"
#include "classlib/tests/realinput.h"

namespace {

const char* const kPickerForm = R"(PickerForm: TForm
  ClientWidth = 240
  ClientHeight = 100
  Picker: TDateTimePicker
    Left = 10
    Top = 10
    Width = 140
    Date = 2008-06-07
  After: TEdit
    Left = 10
    Top = 50
)";

class TPickerForm : public TForm {
public:
    explicit TPickerForm(const std::string& text = kPickerForm) { LoadFromText(text); }
    TDateTimePicker& Picker() { return Component<TDateTimePicker>("Picker"); }
};

// The locale's short date of the day, as the picker shows it.
std::string ShortDate(int year, int month, int day)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year), time.wMonth = static_cast<WORD>(month), time.wDay = static_cast<WORD>(day);
    char text[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return text;
}

std::string PickerText(const TDateTimePicker& picker)
{
    char text[64] = {};
    GetWindowTextA(picker.Handle(), text, sizeof text);
    return text;
}

class DateTimePicker : public testing::Test {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }
};

TEST_F(DateTimePicker, FormTextDateIsTheDayNumberShown)
{
    TPickerForm form;
    EXPECT_EQ(form.Picker().Date(), EncodeDayNumber(2008, 6, 7));
    form.Show();
    ASSERT_TRUE(form.Picker().HandleAllocated());
    EXPECT_EQ(form.Picker().Date(), EncodeDayNumber(2008, 6, 7));
    EXPECT_EQ(PickerText(form.Picker()), ShortDate(2008, 6, 7));

    // Not a date, or one the picker cannot hold: the form text fails to load at that line.
    for (const char* bad : {"2008-02-30", "2008-13-01", "1752-09-13", "tomorrow", "2008-06-07x"}) {
        std::string text = kPickerForm;
        text.replace(text.find("2008-06-07"), 10, bad);
        try {
            TPickerForm loaded{text};
            ADD_FAILURE() << bad << " was taken";
        } catch (const EComponentError& e) {
            EXPECT_NE(std::string(e.what()).find("line 8"), std::string::npos) << e.what();
        }
    }
}

TEST_F(DateTimePicker, SetterRefusesDatesThePickerCannotHold)
{
    TPickerForm form;
    form.Show();
    TDateTimePicker& picker = form.Picker();
    const struct {
        int day;
        bool taken;
    } cases[] = {
        {EncodeDayNumber(1752, 9, 14), true},
        {EncodeDayNumber(1752, 9, 13), false},
        {EncodeDayNumber(9999, 12, 31), true},
        {EncodeDayNumber(9999, 12, 31) + 1, false},
        {EncodeDayNumber(1, 1, 1), false},
        {0, true},
        {-1, true},
        {EncodeDayNumber(2000, 2, 29), true},
        {-10000000, false},
    };
    for (const auto& c : cases) {
        const int before = picker.Date();
        const std::string shownBefore = PickerText(picker);
        if (c.taken) {
            picker.SetDate(c.day);
            EXPECT_EQ(picker.Date(), c.day);
            const CalendarDate d = DecodeDayNumber(c.day);
            EXPECT_EQ(PickerText(picker), ShortDate(d.year, d.month, d.day));
        } else {
            try {
                picker.SetDate(c.day);
                ADD_FAILURE() << c.day << " was taken";
            } catch (const EConvertError& e) {
                EXPECT_NE(std::string(e.what()).find("1752-09-14 to 9999-12-31"), std::string::npos) << e.what();
            }
            EXPECT_EQ(picker.Date(), before) << c.day;
            EXPECT_EQ(PickerText(picker), shownBefore) << c.day;
        }
    }
}

TEST_F(DateTimePicker, TypedDatesAreTaken)
{
    TPickerForm form;
    form.Show();
    SetForegroundWindow(form.Handle());
    TDateTimePicker& picker = form.Picker();
    // yyyy Right m Right d, as a user types them; a field is taken on Right or
    // leaving. Each field taken must leave a real date: the picker refuses others.
    const struct {
        const wchar_t* year;
        const wchar_t* month;
        const wchar_t* day;
        int expected;
    } cases[] = {
        {L"1999", L"12", L"31", EncodeDayNumber(1999, 12, 31)},
        {L"2026", L"1", L"5", EncodeDayNumber(2026, 1, 5)},
        {L"2012", L"2", L"29", EncodeDayNumber(2012, 2, 29)},
    };
    for (const auto& c : cases) {
        picker.SetFocus();
        Application.ProcessMessages();
        ASSERT_EQ(GetFocus(), picker.Handle()) << DescribeInputTarget();
        TypeKeys(c.year);
        TapKeyInput(VK_RIGHT);
        TypeKeys(c.month);
        TapKeyInput(VK_RIGHT);
        TypeKeys(c.day);
        TapKeyInput(VK_TAB);
        const HWND after = form.Component<TControl>("After").Handle();
        ASSERT_TRUE(PumpInput([&] { return GetFocus() == after; })) << DescribeInputTarget();
        EXPECT_EQ(picker.Date(), c.expected) << DescribeInputTarget();
    }
}

} // namespace
