// Characters typed over a time text: digits kept inside each item's range,
// designators chosen by whole characters of either word.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/tests/numbersettings.h"
#include "editors/controls/time/cxtimetyping.h"

namespace {

constexpr TcxTimeEditFormat k24{tfHourMinSec, true};
constexpr TcxTimeEditFormat k12{tfHourMinSec, false};

struct Row {
    const char* why;
    std::string text;
    int p;
    std::string key;
    TcxTimeEditFormat format;
    bool valid;
    // When valid: what the mask writes next (empty: nothing), the text and the caret.
    std::string kept{};
    std::string result{};
    int selStart = 0;
};

void Check(const Row& r, const TFormatSettings& settings)
{
    const TcxTimeKeyCheck check = cxTimeCharValidAt(r.text, r.p, r.key, r.format, settings);
    EXPECT_EQ(check.Valid, r.valid) << r.why;
    if (!check.Valid || !r.valid) {
        EXPECT_EQ(check.Text, r.text) << r.why;
        return;
    }
    EXPECT_EQ(check.Key, r.kept) << r.why;
    EXPECT_EQ(check.Text, r.result) << r.why;
    EXPECT_EQ(check.SelStart, r.selStart) << r.why;
}

TEST(TimeTyping, Digits)
{
    const Row rows[] = {
        {"in range", "08:00:00", 1, "1", k24, true, "1", "08:00:00", 0},
        {"too big: the first digit takes it", "08:00:00", 1, "2", k24, true, "", "20:00:00", 1},
        {"far too big: into the second digit", "08:00:00", 1, "7", k24, true, "7", "08:00:00", 1},
        {"second digit in range", "20:00:00", 2, "3", k24, true, "3", "20:00:00", 1},
        {"second digit too big", "20:00:00", 2, "5", k24, true, "5", "00:00:00", 1},
        {"minutes", "10:30:15", 4, "6", k24, true, "6", "10:00:15", 4},
        {"12-hour, 0 after 1", "10:00:00 上午", 2, "0", k12, true, "0", "10:00:00 上午", 1},
        {"12-hour, 0 after 0", "00:00:00 上午", 2, "0", k12, false},
        {"12-hour, 0 over 10", "10:00:00 上午", 1, "0", k12, true, "", "01:00:00 上午", 1},
        {"12-hour, 13", "12:00:00 上午", 2, "3", k12, true, "3", "02:00:00 上午", 1},
        {"12-hour, 2 first", "05:00:00 上午", 1, "2", k12, true, "2", "05:00:00 上午", 1},
        {"on a separator", "10:30:15", 3, "1", k24, false},
        {"not a digit", "10:30:15", 1, "x", k24, false},
        {"past the end", "10:3", 5, "1", k24, false},
    };
    for (const Row& r : rows)
        Check(r, ChineseFormatSettings());
}

TEST(TimeTyping, Designators)
{
    const Row english[] = {
        {"p chooses PM", "11:00:00 AM", 10, "p", k12, true, "", "11:00:00 PM", 11},
        {"A chooses AM", "11:00:00 PM", 10, "A", k12, true, "", "11:00:00 AM", 11},
        {"other letters refused", "11:00:00 AM", 10, "x", k12, false},
        {"the common part in its own case", "11:00:00 AM", 11, "m", k12, true, "M", "11:00:00 AM", 10},
        {"the common part refuses others", "11:00:00 AM", 11, "x", k12, false},
        {"hour and minute", "11:00 AM", 7, "p", {tfHourMin, false}, true, "", "11:00 PM", 8},
    };
    for (const Row& r : english)
        Check(r, EnglishDesignators());
    const Row chinese[] = {
        {"下 chooses PM", "11:00:00 上午", 10, "下", k12, true, "", "11:00:00 下午", 13},
        {"上 chooses AM", "11:00:00 下午", 10, "上", k12, true, "", "11:00:00 上午", 13},
        {"a refused", "11:00:00 上午", 10, "a", k12, false},
        {"p refused", "11:00:00 上午", 10, "p", k12, false},
        {"a lead byte alone refused", "11:00:00 上午", 10, "\xC9", k12, false},
        {"the second character", "11:00:00 上午", 12, "午", k12, true, "午", "11:00:00 上午", 11},
        {"inside a character", "11:00:00 上午", 11, "午", k12, false},
        {"hour alone", "11 下午", 4, "上", {tfHour, false}, true, "", "11 上午", 7},
    };
    for (const Row& r : chinese)
        Check(r, ChineseFormatSettings());
}

TEST(TimeTyping, DesignatorsSharingTheirStart)
{
    TFormatSettings shared = EnglishDesignators();
    shared.TimeAMString = "AM";
    shared.TimePMString = "AMX";
    const Row longer[] = {
        {"the common start takes AM's letters", "11:00:00 AMX", 10, "a", k12, true, "A", "11:00:00 AMX", 9},
        {"behind the shorter word", "11:00:00 AMX", 12, "x", k12, true, "", "11:00:00 AMX", 12},
        {"the shorter one has no third letter", "11:00:00 AMX", 12, "m", k12, false},
    };
    for (const Row& r : longer)
        Check(r, shared);
}

} // namespace
