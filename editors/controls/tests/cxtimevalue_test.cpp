// A time editor's edit values: the texts they show focused and unfocused,
// texts read as times, the date part kept and the time of day read back.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "classlib/exceptions.h"
#include "editors/controls/tests/numbersettings.h"
#include "editors/controls/time/cxtimevalue.h"

namespace {

constexpr TcxTimeEditFormat k24{tfHourMinSec, true};
constexpr TcxTimeEditFormat k12{tfHourMinSec, false};
// 2023-03-15 18:00.
constexpr double kDated = 45000.75;

TEST(TimeValue, TextShown)
{
    TFormatSettings s = ChineseFormatSettings();
    // Unlike the display format, so that the locale's own is seen.
    s.LongTimeFormat = "h:nn";
    const TcxTimeDisplay focused{k24, true};
    const TcxTimeDisplay unfocused{k24, false};
    const TcxTimeDisplay twelve{k12, true};
    const TcxTimeDisplay dated{k24, false, true};
    const TcxTimeDisplay localeTime{k24, false, false, false};
    const double now = 0.25;
    struct Row {
        const char* why;
        Variant value;
        TcxTimeDisplay display;
        std::optional<std::string> text;
    } rows[] = {
        {"Null focused is midnight", Variant::Null(), focused, "00:00:00"},
        {"Null unfocused is empty", Variant::Null(), unfocused, ""},
        {"a number", Variant(0.5), unfocused, "12:00:00"},
        {"a date-time shows its time", Variant::FromDateTime(kDated), unfocused, "18:00:00"},
        {"the afternoon", Variant(13.5 / 24), twelve, "01:30:00 下午"},
        {"a string that reads", Variant("8:00"), unfocused, "08:00:00"},
        {"an unreadable string shows now", Variant("abc"), focused, "06:00:00"},
        {"beyond the calendar shows now", Variant(1e30), focused, "06:00:00"},
        {"ShowDate shows the date unfocused", Variant::FromDateTime(kDated), dated, "2023/3/15 18:00"},
        {"ShowDate on day 0 keeps the time format", Variant(0.75), dated, "18:00:00"},
        {"the locale's time unfocused", Variant(0.75), localeTime, "18:00"},
        {"a Boolean is no time", Variant(true), focused, std::nullopt},
        {"the hour alone, 12-hour", Variant(0.75), {{tfHour, false}, true}, "06 下午"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cxTimeValueToText(r.value, r.display, now, s), r.text) << r.why;
}

TEST(TimeValue, TextsReadAsTimes)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    struct Row {
        const char* text;
        TcxTimeEditFormat format;
        std::optional<std::string> shown;
    } rows[] = {
        {"8:00", k24, "08:00:00"},
        {"13:30", k12, "01:30:00 下午"},
        {"1:30 下午", k24, "13:30:00"},
        {"2023/3/15 8:00", k24, "08:00:00"},
        {"99:99:99", k24, std::nullopt},
        {"下午", k12, std::nullopt},
        {"abc", k24, std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cxCheckTimeText(r.text, r.format, chinese), r.shown) << r.text;
}

TEST(TimeValue, DatePartAndTimeOfDay)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    struct Row {
        const char* why;
        Variant value;
        double datePart, time;
    } rows[] = {
        {"Null", Variant::Null(), 0, 0},
        {"a date-time", Variant::FromDateTime(kDated), 45000, 0.75},
        {"before day 0 the time counts down", Variant::FromDateTime(-2.75), -2, 0.75},
        {"a string with a date", Variant("2023/3/15 18:00"), 45000, 0.75},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(cxTimeDatePartOf(r.value, chinese), r.datePart) << r.why;
        EXPECT_DOUBLE_EQ(cxTimeOfEditValue(r.value, chinese), r.time) << r.why;
    }
    EXPECT_EQ(cxTimeDatePartOf(Variant("abc"), chinese), 0);
    EXPECT_THROW(cxTimeOfEditValue(Variant("abc"), chinese), EConvertError);
}

TEST(TimeValue, MidnightOfDayZeroStaysANumber)
{
    EXPECT_EQ(cxTimeEditValueOf(0).VarType(), varDouble);
    EXPECT_EQ(cxTimeEditValueOf(0.5).VarType(), varDate);
    EXPECT_EQ(cxTimeEditValueOf(-2.75).ToDouble(), -2.75);
}

} // namespace
