// Spin steps of a time text: the item under the caret moves, stays inside
// the day and stays selected; the designator toggles.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/tests/numbersettings.h"
#include "editors/controls/time/cxtimestep.h"

namespace {

constexpr TcxTimeEditFormat k24{tfHourMinSec, true};
constexpr TcxTimeEditFormat k12{tfHourMinSec, false};

TEST(TimeStep, ItemUnderTheCaret)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    const TFormatSettings english = EnglishDesignators();
    struct Row {
        const char* why;
        std::string text;
        int caret;
        TcxSpinButtonKind kind;
        TcxTimeEditFormat format;
        bool circular;
        const TFormatSettings& settings;
        std::string result;
        int selStart, selLength;
    } rows[] = {
        {"minute up", "10:30:15", 3, sbkForward, k24, false, chinese, "10:31:15", 4, 1},
        {"minute, fast", "10:31:15", 2, sbkFastForward, k24, false, chinese, "10:41:15", 4, 1},
        {"second, fast down", "10:30:15", 6, sbkFastBackward, k24, false, chinese, "10:30:05", 7, 1},
        {"second at the end", "10:30:15", 8, sbkBackward, k24, false, chinese, "10:30:14", 7, 1},
        {"hour, fast is not ten hours", "10:30:15", 0, sbkFastForward, k24, false, chinese, "11:30:15", 1, 1},
        {"past midnight refused", "23:59:59", 7, sbkForward, k24, false, chinese, "23:59:59", 7, 1},
        {"past midnight wraps", "23:59:59", 7, sbkForward, k24, true, chinese, "00:00:00", 7, 1},
        {"an hour past midnight lands on it", "23:30:00", 0, sbkForward, k24, true, chinese, "00:00:00", 1, 1},
        {"before midnight wraps to the last second", "00:00:30", 3, sbkBackward, k24, true, chinese, "23:59:59", 4, 1},
        {"hour and minute", "10:30", 5, sbkForward, {tfHourMin, true}, false, chinese, "10:31", 4, 1},
        {"hour alone", "10", 2, sbkBackward, {tfHour, true}, false, chinese, "09", 1, 1},
        {"AM to PM", "11:00:00 上午", 9, sbkForward, k12, false, chinese, "11:00:00 下午", 9, 4},
        {"PM to AM", "11:00:00 下午", 11, sbkForward, k12, false, chinese, "11:00:00 上午", 9, 4},
        {"down toggles too", "11:00:00 上午", 12, sbkBackward, k12, false, chinese, "11:00:00 下午", 9, 4},
        {"fast toggles once", "12:00:00 AM", 9, sbkFastBackward, k12, false, english, "12:00:00 PM", 9, 2},
        {"12-hour hour step into the afternoon", "11:00:00 AM", 0, sbkForward, k12, false, english, "12:00:00 PM",
         1, 1},
        {"12-hour minutes", "01:30:00 下午", 4, sbkForward, k12, false, chinese, "01:31:00 下午", 4, 1},
    };
    for (const auto& r : rows) {
        const auto step = cxTimeStep(r.text, r.caret, r.kind, r.format, r.circular, r.settings);
        ASSERT_TRUE(step.has_value()) << r.why;
        EXPECT_EQ(step->Text, r.result) << r.why;
        EXPECT_EQ(step->Changed, r.result != r.text) << r.why;
        EXPECT_EQ(step->SelStart, r.selStart) << r.why;
        EXPECT_EQ(step->SelLength, r.selLength) << r.why;
    }
}

TEST(TimeStep, NothingToStepInAnUnreadableText)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    for (const std::string text : {"", "  :  :  ", "1:2:3", "ab:cd:ef 下午"})
        EXPECT_FALSE(cxTimeStep(text, 0, sbkForward, k12, true, chinese).has_value()) << text;
}

} // namespace
