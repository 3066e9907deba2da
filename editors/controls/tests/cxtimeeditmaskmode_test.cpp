// The time editors' mask mode typed into as an editor types, its character
// check answered by the time items: a key moved on to the second digit,
// designators chosen by a key, cleared digits '0', a cleared designator kept.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/tests/maskedit_stringport.h"
#include "editors/controls/tests/numbersettings.h"
#include "editors/controls/time/cxtimeeditmaskmode.h"
#include "editors/controls/time/cxtimetyping.h"

namespace {

// A time editor's text over a string.
class TTimeStringPort : public TMaskStringPort {
public:
    TTimeStringPort(TcxTimeEditFormat format, const TFormatSettings& settings) : format_(format), settings_(settings)
    {
    }
    bool IsCharValidAt(char& key, int position) override
    {
        return cxTimeCheckTypedChar(*this, key, position, format_, settings_);
    }

private:
    TcxTimeEditFormat format_;
    const TFormatSettings& settings_;
};

TEST(TimeEditMaskMode, TypingAndClearing)
{
    const TFormatSettings chinese = ChineseFormatSettings();
    const TFormatSettings english = EnglishDesignators();
    constexpr TcxTimeEditFormat k24{tfHourMinSec, true};
    constexpr TcxTimeEditFormat k12{tfHourMinSec, false};
    const std::string mask24 = "00:00:00;1;0";
    const std::string mask12 = "00:00:00 cccc;1;0";
    struct Row {
        const char* why;
        TcxTimeEditFormat format;
        const TFormatSettings& settings;
        const std::string& mask;
        std::string shown, keys, text;
        int selStart, selLength;
    } rows[] = {
        {"too big for the first digit: into the second", k24, chinese, mask24, "08:00:00", "{H}7", "07:00:00", 3, 1},
        {"a second digit too big", k24, chinese, mask24, "20:00:00", "{H}{R}5", "05:00:00", 3, 1},
        {"Backspace blanks a digit with 0", k24, chinese, mask24, "12:34:56", "{E}{B}", "12:34:50", 7, 1},
        {"a cleared selection keeps the designator", k12, chinese, mask12, "11:22:33 下午", "{H}{SE}{D}",
         "00:00:00 下午", 0, 13},
        {"Backspace over the designator keeps it", k12, chinese, mask12, "11:22:33 下午", "{E}{B}", "11:22:33 下午",
         11, 2},
        {"下 chooses PM", k12, chinese, mask12, "11:00:00 上午", "{K:9}下", "11:00:00 下午", 13, 0},
        {"p chooses PM", k12, english, "00:00:00 cc;1;0", "11:00:00 AM", "{K:9}p", "11:00:00 PM", 11, 0},
        {"m written in the designator's case", k12, english, "00:00:00 cc;1;0", "11:00:00 AM", "{K:10}m",
         "11:00:00 AM", 11, 0},
    };
    for (const Row& r : rows) {
        TTimeStringPort port(r.format, r.settings);
        TcxMaskEditModeOptions options;
        options.Settings = &r.settings;
        TcxTimeEditMaskMode mode(&port, options);
        mode.SetModeMask(r.mask);
        port.Show(mode, r.shown);
        port.Run(mode, r.keys);
        EXPECT_EQ(port.Text(), r.text) << r.why;
        EXPECT_EQ(port.Selection().Start, r.selStart) << r.why;
        EXPECT_EQ(port.Selection().Length, r.selLength) << r.why;
    }
}

} // namespace
