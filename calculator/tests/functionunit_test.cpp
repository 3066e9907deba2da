#include "calculator/functionunit.h"

#include <cmath>

#include <gtest/gtest.h>

#include "calculator/calcerror.h"
#include "classlib/daynumber.h"
#include "classlib/exceptions.h"

namespace {

TEST(Rightchars, LastBytes)
{
    struct Case {
        const char* text;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {"abc", 5, "abc"}, {"abc", 3, "abc"}, {"abc", 1, "c"},
        {"abc", 0, ""},    {"abc", -2, ""},   {"", 3, ""},
        {"2026-06-07", 2, "07"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rightchars(c.text, c.n), c.expected) << c.text << ", " << c.n;
}

TEST(Addbackslash, AppendsOnlyWhenMissing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\WINDOWS", "C:\\WINDOWS\\"},
        {"C:\\WINDOWS\\", "C:\\WINDOWS\\"},
        {"", ""},
        {"C:", "C:\\"},
        {"\\", "\\"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(addbackslash(path), expected) << path;
}

TEST(Datemonthlen, GregorianLeapYears)
{
    struct Case {
        int year, month, length;
    };
    const Case cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2100, 2, 28}, {2023, 2, 28},
        {2024, 1, 31}, {2024, 4, 30}, {2024, 12, 31}, {1899, 12, 31}, {1600, 2, 29},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month);
        double first = EncodeDayNumber(c.year, c.month, 1);
        double last = EncodeDayNumber(c.year, c.month, c.length);
        EXPECT_EQ(datemonthlen(first), c.length);
        // Late in the month's last day is still that month, on either side of 1899-12-30.
        EXPECT_EQ(datemonthlen(last + (last < 0 ? -0.99 : 0.99)), c.length);
    }
}

TEST(Datemonthlen, OutsideTheCoveredYearsIsAnError)
{
    EXPECT_THROW(datemonthlen(-693594), ECalcError);
    EXPECT_THROW(datemonthlen(2958466), ECalcError);
    EXPECT_THROW(datemonthlen(std::nan("")), ECalcError);
}

TEST(Monthlen, FromTexts)
{
    EXPECT_EQ(monthlen("2024", "2"), 29);
    EXPECT_EQ(monthlen("2023", "02"), 28);
    EXPECT_EQ(monthlen("2026", "11"), 30);
    EXPECT_EQ(monthlen("", "2"), 0);
    EXPECT_EQ(monthlen("2024", ""), 0);
}

TEST(Monthlen, RejectsWhatIsNoMonth)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2024", "13"}, {"2024", "0"}, {"2024", "x"},  {"24", "2"},
        {"0000", "1"},  {"20a4", "1"}, {"2024", "-1"}, {"2024", "123"},
    };
    for (const auto& [year, month] : cases) {
        try {
            monthlen(year, month);
            ADD_FAILURE() << "accepted " << year << ", " << month;
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(year) + "-" + month + "-01' is not a valid date");
        }
    }
}

TEST(Texttodate, ReadsAndClampsTheDay)
{
    struct Case {
        const char* text;
        CalendarDate expected;
    };
    const Case cases[] = {
        {"2024-02-30", {2024, 2, 29}}, {"2023/2/30", {2023, 2, 28}},
        {"2026-12-08", {2026, 12, 8}}, {"2026/6/7", {2026, 6, 7}},
        {"2026-02-30", {2026, 2, 28}}, {"2100-2-29", {2100, 2, 28}},
        {"2000/02/29", {2000, 2, 29}}, {"2026-04-31", {2026, 4, 30}},
        {"2026-04-99", {2026, 4, 30}}, {"1899-12-29", {1899, 12, 29}},
        {"0001-01-01", {1, 1, 1}},     {"9999/12/31", {9999, 12, 31}},
    };
    for (const Case& c : cases) {
        double date = texttodate(c.text);
        EXPECT_EQ(date, EncodeDayNumber(c.expected.year, c.expected.month, c.expected.day))
            << c.text;
    }
}

TEST(Texttodate, RejectsTextsThatAreNoDate)
{
    const char* const cases[] = {
        "",           "2026",        "2026-",      "2026-06",    "2026-06-",
        "2026-13-01", "2026-00-10",  "2026-06-00", "abcd-ef-gh", "2026-June-7",
        "2026.06.07", "2026-06/07",  "2026/06-07", "26-06-07",   "0000-01-01",
        "2026-06-07 ", " 2026-06-07", "2026-6-7-8", "2026--6-7", "2026-123-1",
        "07/06/2026", "2026年6月7日",
    };
    for (const char* text : cases) {
        try {
            texttodate(text);
            ADD_FAILURE() << "accepted \"" << text << '"';
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid date");
        }
    }
}

TEST(Datespan, RoundsTiesToEvenEitherWayRound)
{
    struct Case {
        int unit;
        double span; // in days, exact in binary
        double expected;
    };
    const Case cases[] = {
        {SpanDays, 0.5, 0},          {SpanDays, 1.5, 2},         {SpanDays, 2.5, 2},
        {SpanDays, 2.25, 2},         {SpanDays, 2.75, 3},
        {SpanHours, 0.0625, 2},      // 1.5 h
        {SpanHours, 0.1875, 4},      // 4.5 h
        {SpanHours, 0.3125, 8},      // 7.5 h
        {SpanMinutes, 1.0 / 64, 22}, // 22.5 min
        {SpanMinutes, 3.0 / 64, 68}, // 67.5 min
        {SpanSeconds, 1.0 / 256, 338},        // 337.5 s
        {SpanSeconds, 3.0 / 256, 1012},       // 1012.5 s
        {SpanMilliseconds, 1.0 / 2048, 42188},  // 42187.5 ms
        {SpanMilliseconds, 3.0 / 2048, 126562}, // 126562.5 ms
    };
    const double base = EncodeDayNumber(2026, 6, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.unit << ": " << c.span);
        EXPECT_EQ(datespan(c.unit, 0, c.span), c.expected);
        EXPECT_EQ(datespan(c.unit, c.span, 0), c.expected);
        EXPECT_EQ(datespan(c.unit, base, base + c.span), c.expected);
        EXPECT_EQ(datespan(c.unit, base + c.span, base), c.expected);
    }
}

TEST(Datespan, ProductsAreNotRoundedToDouble)
{
    // Spans just off a tie whose product in double arithmetic lands on the tie.
    struct Case {
        int unit;
        double span;
        double expected;
    };
    const Case cases[] = {
        {SpanHours, 0.10416666666666667, 3},      // double would round to 2.5 -> 2
        {SpanMinutes, 0.00034722222222222224, 1}, // double would give 0.5 -> 0
        {SpanSeconds, 4.050925925925926e-05, 3},  // double would give 3.5 -> 4
    };
    for (const Case& c : cases)
        EXPECT_EQ(datespan(c.unit, 0, c.span), c.expected) << c.unit;
}

TEST(Datespan, CountdownHours)
{
    const double nine = EncodeDayNumber(2026, 6, 6) + 9.0 / 24;
    const double noonTomorrow = EncodeDayNumber(2026, 6, 7) + 0.5;
    EXPECT_EQ(datespan(SpanHours, noonTomorrow, nine), 27);
    const double now = EncodeDayNumber(2026, 6, 7) + (15 * 60 + 40) / 1440.0;
    EXPECT_EQ(datespan(SpanHours, now - 20 / 1440.0, now), 0);
    EXPECT_EQ(datespan(SpanHours, now - 100 / 1440.0, now), 2);
    EXPECT_EQ(datespan(SpanDays, now, now), 0);
}

TEST(Datespan, UnknownUnitIsAProgrammingError)
{
    EXPECT_THROW(datespan(-1, 0, 1), std::out_of_range);
    EXPECT_THROW(datespan(5, 0, 1), std::out_of_range);
}

} // namespace
