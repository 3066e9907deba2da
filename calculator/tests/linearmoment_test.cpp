// Sums and differences of moments against Python's datetime
// (tools/make-tools-table.py), shown as the Chinese locale writes them.
#include "calculator/linearmoment.h"

#include <gtest/gtest.h>

#include "classlib/datetimetext.h"
#include "classlib/daynumber.h"
#include "classlib/exceptions.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/inttext.h"
#include "windows/tests/toolstable.h"

namespace {

TMomentSeconds Moment(const TToolsMoment& m)
{
    return MomentOf(EncodeDayNumber(m.year, m.month, m.day), (m.hour * 60 + m.minute) * 60 + m.second);
}

std::string Trace(const TToolsMoment& m)
{
    return std::to_string(m.year) + "-" + std::to_string(m.month) + "-" + std::to_string(m.day) + " " +
           std::to_string(m.hour) + ":" + std::to_string(m.minute) + ":" + std::to_string(m.second);
}

TEST(LinearMoment, SumsAsPythonWorksThemOut)
{
    const TFormatSettings settings = ChineseFormatSettings();
    for (const TToolsSumRow& row : kToolsSums) {
        SCOPED_TRACE(Trace(row.start) + " + " + row.days + " d " + row.hours + " h " + row.minutes + " min");
        const TMomentSeconds sum =
            AddToMoment(Moment(row.start), StrToInt(row.days), StrToInt(row.hours), StrToInt(row.minutes));
        if (row.result)
            EXPECT_EQ(DateTimeToStr(MomentToDateTime(sum), settings), row.result);
        else
            EXPECT_THROW(DateTimeToStr(MomentToDateTime(sum), settings), EConvertError);
    }
}

TEST(LinearMoment, SpansAsPythonWorksThemOut)
{
    for (const TToolsSpanRow& row : kToolsSpans) {
        SCOPED_TRACE(Trace(row.d2) + " against " + Trace(row.d3));
        const TMomentSpans spans = MomentSpans(Moment(row.d3), Moment(row.d2));
        EXPECT_EQ(FloatToStr(spans.days), row.days);
        EXPECT_EQ(FloatToStr(spans.hours), row.hours);
        EXPECT_EQ(FloatToStr(spans.minutes), row.minutes);
        EXPECT_EQ(FloatToStr(spans.seconds), row.seconds);
    }
}

TEST(LinearMoment, SecondsOfDayAsTheLongTimeShowsThem)
{
    const double at9 = EncodeTime(9, 5, 7, 0);
    const struct {
        double time;
        int seconds;
    } cases[] = {
        {0, 0},
        {at9, 32707},
        {EncodeTime(9, 5, 7, 999), 32707},
        // The nearest double below a whole second still shows that second.
        {at9 - 1e-12, 32707},
        {EncodeTime(23, 59, 59, 0), 86399},
        // Rounded up to the next midnight, it stays the day's last second.
        {1 - 1e-10, 86399},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SecondsOfDay(c.time), c.seconds) << c.time;
}

} // namespace
