// The status line against counts worked out apart from the code (Python's
// datetime, exact hours rounded half to even).
#include "calculator/statusline.h"

#include <gtest/gtest.h>

namespace {

struct Moment {
    int year, month, day, hour, minute, second;
    double Linear() const { return LinearMoment(year, month, day, (hour * 60 + minute) * 60 + second); }
};

TEST(StatusLine, CountdownHoursRoundHalfToEven)
{
    const struct {
        Moment now, target;
        std::int64_t hours;
    } cases[] = {
        {{2026, 3, 5, 9, 0, 0}, {2026, 3, 6, 12, 0, 0}, 27},
        {{2026, 3, 5, 9, 0, 0}, {2026, 3, 5, 8, 40, 0}, 0},
        {{2026, 3, 5, 9, 0, 0}, {2026, 3, 5, 7, 20, 0}, 2},
        {{2026, 3, 5, 9, 0, 0}, {2026, 3, 5, 11, 30, 0}, 2},
        {{2026, 3, 5, 9, 0, 0}, {2026, 3, 5, 12, 30, 0}, 4},
        {{2026, 3, 5, 9, 0, 0}, {2026, 3, 4, 9, 0, 0}, 24},
        {{2026, 3, 5, 0, 0, 0}, {2026, 3, 5, 6, 30, 0}, 6},
        {{2026, 3, 5, 9, 0, 0}, {9999, 12, 31, 23, 59, 59}, 69897111},
        {{2026, 3, 5, 9, 0, 0}, {1752, 9, 14, 12, 0, 0}, 2397189},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountdownHours(c.target.Linear(), c.now.Linear()), c.hours)
            << c.target.year << "-" << c.target.month << "-" << c.target.day << " " << c.target.hour << ":"
            << c.target.minute;
}

TEST(StatusLine, TextWithAndWithoutTheCountdown)
{
    const std::string head = "2026-03-05 星期四 09:00:00";
    const struct {
        std::optional<TStatusCountdown> countdown;
        std::string line;
    } cases[] = {
        {TStatusCountdown{"高考", 27}, head + "  距高考:1 天 3 小时 "},
        {TStatusCountdown{" \t高考 ", 24}, head + "  距高考:1 天 0 小时 "},
        {TStatusCountdown{"   ", 0}, head + "  距:0 天 0 小时 "},
        {TStatusCountdown{"x", 69897111}, head + "  距x:2912379 天 15 小时 "},
        {std::nullopt, head},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusLineText(2026, 3, 5, "星期四", "09:00:00", c.countdown), c.line);
    // The date is zero-padded whatever the locale writes.
    EXPECT_EQ(StatusLineText(987, 1, 2, "星期五", "1:02:03", std::nullopt), "0987-01-02 星期五 1:02:03");
    const std::string longName(300, '\xB8');
    EXPECT_EQ(StatusLineText(2026, 3, 5, "星期四", "09:00:00", TStatusCountdown{longName, 1}),
              head + "  距" + longName + ":0 天 1 小时 ");
}

} // namespace
