#include "calculator/functionunit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <random>

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

TEST(Datespan, NearTiesOfTimesOfDayAreTies)
{
    // Times of day as seconds: their day fractions are not exact in binary,
    // so the doubles' difference lies a hair off the tie either way.
    struct Case {
        int unit;
        int fromSeconds, toSeconds;
        double expected;
    };
    const Case cases[] = {
        {SpanMinutes, 10 * 3600, 10 * 3600 + 150, 2},          // 2.5 min
        {SpanMinutes, 7 * 3600 + 90, 7 * 3600 + 180, 2},       // 1.5 min
        {SpanMinutes, 13 * 3600 + 30, 13 * 3600 + 240, 4},     // 3.5 min
        {SpanHours, 9 * 3600, 11 * 3600 + 1800, 2},            // 2.5 h
        {SpanHours, 1800, 3 * 3600 + 1800 + 1800, 4},          // 3.5 h
        {SpanHours, 8 * 3600 + 1234, 8 * 3600 + 1234 + 5400, 2}, // 1.5 h
        {SpanSeconds, 3600, 3600, 0},
        {SpanDays, 12 * 3600, 12 * 3600 + 86400 + 43200, 2},   // 1.5 days
    };
    for (const double day : {0.0, double(EncodeDayNumber(2026, 6, 7)), double(EncodeDayNumber(9999, 12, 30))}) {
        for (const Case& c : cases) {
            const double from = day + c.fromSeconds / 86400.0, to = day + c.toSeconds / 86400.0;
            SCOPED_TRACE(testing::Message() << "day " << day << " unit " << c.unit << ": " << c.fromSeconds
                                            << " to " << c.toSeconds);
            EXPECT_EQ(datespan(c.unit, from, to), c.expected);
            EXPECT_EQ(datespan(c.unit, to, from), c.expected);
        }
    }
}

// The exact span in each unit, by integer arithmetic on whole milliseconds.
std::int64_t ExactSpan(std::int64_t ms, int unit)
{
    static constexpr std::int64_t unitMs[] = {86400000, 3600000, 60000, 1000, 1};
    const std::int64_t step = unitMs[unit];
    const std::int64_t low = ms / step, high = low + 1;
    const std::int64_t below = ms - low * step, above = high * step - ms;
    return below < above ? low : above < below ? high : (low % 2 == 0 ? low : high);
}

TEST(Datespan, RandomPairsRoundLikeTheirWholeMilliseconds)
{
    // Date-times on grids of 1 ms to 12 h across the calendar, so that many
    // differences fall exactly on a tie of some unit.
    const std::int64_t grids[] = {1, 500, 1000, 30000, 90000, 1800000, 5400000, 43200000};
    const auto first = std::int64_t(EncodeDayNumber(MinDateYear, 1, 1)) * 86400000;
    const auto last = std::int64_t(EncodeDayNumber(MaxDateYear, 12, 31)) * 86400000;
    std::mt19937_64 random(20260607);
    int wrong[5] = {};
    for (int i = 0; i < 100000; ++i) {
        const std::int64_t grid = grids[random() % std::size(grids)];
        // Near pairs as often as far ones: a near pair's span is small in every unit.
        const std::int64_t a = first + std::int64_t(random() % std::uint64_t(last - first)) / grid * grid;
        const std::int64_t reach = i % 2 ? last - first : 3 * 86400000LL;
        std::int64_t b = a + (std::int64_t(random() % std::uint64_t(2 * reach)) - reach) / grid * grid;
        b = std::clamp(b, first, last);
        const double da = double(a) / 86400000, db = double(b) / 86400000;
        for (int unit = SpanDays; unit <= SpanMilliseconds; ++unit) {
            const double expected = double(ExactSpan(b > a ? b - a : a - b, unit));
            if (datespan(unit, da, db) != expected && ++wrong[unit] <= 3)
                ADD_FAILURE() << "unit " << unit << ": " << a << " ms against " << b << " ms gave "
                              << datespan(unit, da, db) << ", not " << expected;
        }
    }
    for (int unit = SpanDays; unit <= SpanMilliseconds; ++unit)
        EXPECT_EQ(wrong[unit], 0) << "unit " << unit;
}

TEST(Datespan, BeyondTheCalendarIsThePlainProduct)
{
    EXPECT_TRUE(std::isnan(datespan(SpanHours, 0, std::nan(""))));
    EXPECT_EQ(datespan(SpanHours, 0, HUGE_VAL), HUGE_VAL);
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
