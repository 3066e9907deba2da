// The time editor's formats and items, and its text read as seconds and as a value.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editors/controls/tests/numbersettings.h"
#include "editors/controls/time/cxtimeitems.h"
#include "editors/controls/time/cxtimetext.h"

namespace {

constexpr TcxTimeEditFormat k24{tfHourMinSec, true};
constexpr TcxTimeEditFormat k12{tfHourMinSec, false};

TEST(TimeFormats, TwelveHourMasksFitTheDesignator)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    const TFormatSettings english = EnglishDesignators();
    TFormatSettings none = english;
    none.TimeAMString = none.TimePMString = "";
    struct Row {
        const char* why;
        const TFormatSettings& settings;
        const char* masks[3];
    } rows[] = {
        {"two letters", english, {"00:00:00 cc;1;0", "00:00 cc;1;0", "00 cc;1;0"}},
        {"four bytes", chinese, {"00:00:00 cccc;1;0", "00:00 cccc;1;0", "00 cccc;1;0"}},
        {"none", none, {"00:00:00;1;0", "00:00;1;0", "00;1;0"}},
    };
    for (const auto& r : rows) {
        TcxTimeFormatTable table;
        table.UpdateTimeMasks(r.settings);
        for (int row = 0; row < 3; ++row) {
            const auto format = static_cast<TcxTimeEditTimeFormat>(row);
            EXPECT_EQ(table.Cell({format, false}).EditMask, r.masks[row]) << r.why;
            EXPECT_EQ(table.Cell({format, true}).EditMask, TcxTimeFormatTable().Cell({format, true}).EditMask);
        }
    }
}

TEST(TimeItems, ItemAtTheCaret)
{
    struct Row {
        TcxTimeEditFormat format;
        int maxLength;
        const char* byCaret; // H, M, S or D for carets 0, 1, ...
    } rows[] = {
        {k24, 0, "HHMMMSSSSS"},
        {k12, 0, "HHMMMSSSDDDDD"},
        {{tfHourMin, true}, 0, "HHMMMMM"},
        {{tfHourMin, false}, 0, "HHMMMDDDD"},
        {{tfHour, false}, 0, "HHDDDD"},
        {k12, 4, "HHMMMMMMMM"},
    };
    const char names[] = "HMSD";
    for (const auto& r : rows) {
        const std::string expected = r.byCaret;
        for (std::size_t caret = 0; caret < expected.size(); ++caret)
            EXPECT_EQ(names[cxGetTimeItemAt(static_cast<int>(caret) + 1, r.format, r.maxLength)], expected[caret])
                << r.byCaret << " at caret " << caret;
    }
}

TEST(TimeItems, DesignatorStartAndLength)
{
    struct Row {
        std::string text;
        TcxTimeEditFormat format;
        int start, length;
    } rows[] = {
        {"01:30:00 下午", k12, 10, 4},
        {"01:30 下午", {tfHourMin, false}, 7, 4},
        {"01:30:00", k12, 10, 0},
    };
    for (const auto& r : rows) {
        const TcxTimeItemInfo info = cxGetTimeItemInfo(r.text, 100, r.format, 0);
        EXPECT_EQ(info.Kind, tikDesignator) << r.text;
        EXPECT_EQ(info.Start, r.start) << r.text;
        EXPECT_EQ(info.Length, r.length) << r.text;
    }
}

TEST(TimeText, Seconds)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    const TFormatSettings english = EnglishDesignators();
    TFormatSettings noWords = english;
    noWords.TimePMString = "";
    struct Row {
        std::string text;
        TcxTimeEditFormat format;
        const TFormatSettings& settings;
        std::optional<int> seconds;
    } rows[] = {
        {"12:00:00 上午", k12, chinese, 0},
        {"12:00:00 下午", k12, chinese, 43200},
        {"01:30:00 下午", k12, chinese, 48600},
        {"12:00:00 PM", k12, english, 43200},
        {"01:30:00 pm", k12, english, 5400},
        {"01:30:00", k12, noWords, 5400},
        {"23:59:59", k24, chinese, 86399},
        {"10:30", {tfHourMin, true}, chinese, 37800},
        {"08", {tfHour, true}, chinese, 28800},
        {"", k24, chinese, std::nullopt},
        {"1:30:00", k24, chinese, std::nullopt},
        {"+1:30:00", k24, chinese, std::nullopt},
        {"10:30:1", k24, chinese, std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(cxTimeTextToSeconds(r.text, r.format, r.settings), r.seconds) << r.text;
}

TEST(TimeText, Values)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    TFormatSettings dotted = chinese;
    dotted.TimeSeparator = '.';
    struct Row {
        std::string text;
        TcxTimeEditFormat format;
        const TFormatSettings& settings;
        double datePart;
        double value;
    } rows[] = {
        {"08:30:15", k24, chinese, 0, (8 * 3600 + 30 * 60 + 15) / 86400.0},
        {"01:30:00 下午", k12, chinese, 0, 13.5 / 24},
        {"01:30:00 PM", k12, chinese, 0, 13.5 / 24}, // not the AM word
        {"08", {tfHour, true}, chinese, 0, 8 / 24.0},
        {"08", {tfHour, true}, dotted, 0, 8 / 24.0},
        {"07 下午", {tfHour, false}, chinese, 0, 19 / 24.0},
        {"99:99:99", k24, chinese, 0, 0},
        {"18:00:00", k24, chinese, 45000, 45000.75},
        {"18:00:00", k24, chinese, -2, -2.75},
        {"99:99:99", k24, chinese, -2, -2},
    };
    for (const auto& r : rows)
        EXPECT_DOUBLE_EQ(cxTimeTextToValue(r.text, r.format, r.datePart, r.settings), r.value) << r.text;
}

TEST(TimeText, DatePartKeptWithTheTimeOfDay)
{
    struct Row {
        double datePart, time, value;
    } rows[] = {
        {0, 45000.75, 0.75},
        {45000, 45000.75, 45000.75},
        {-2, 45000.75, -2.75},
    };
    for (const auto& r : rows) {
        const double value = cxComposeTimeValue(r.datePart, r.time);
        EXPECT_DOUBLE_EQ(value, r.value) << r.datePart << " " << r.time;
        EXPECT_DOUBLE_EQ(cxTimeOfDay(value), cxTimeOfDay(r.time)) << r.datePart << " " << r.time;
    }
}

} // namespace
