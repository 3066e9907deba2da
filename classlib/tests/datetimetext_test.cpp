#include "classlib/datetimetext.h"
#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/sqltimestamp.h"
#include "classlib/variant.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, ms));
}

struct FormatCase {
    const char* format;
    TDateTime value;
    const char* text;
};

TEST(FormatDateTime, Specifiers)
{
    const TFormatSettings zh = ChineseFormatSettings();
    const TDateTime afternoon = At(2024, 1, 2, 13, 5, 7, 89);
    const FormatCase cases[] = {
        {"yyyy-mm-dd hh:nn:ss.zzz", afternoon, "2024-01-02 13:05:07.089"},
        {"yy/m/d h:n:s z", afternoon, "24/1/2 13:5:7 89"},
        // m after an hour is the minute, also across a separator; M after d is the month.
        {"d-m h:m", afternoon, "2-1 13:5"},
        {"hh:mm am/pm", afternoon, "01:05 pm"},
        {"h:mm A/P", At(2024, 1, 2, 0, 30), "12:30 A"},
        {"ampm h", afternoon, "下午 1"},
        {"ddd dddd mmm mmmm", afternoon, "周二 星期二 1月 一月"},
        {"ddddd", afternoon, "2024/1/2"},
        {"dddddd", afternoon, "2024年1月2日星期二"},
        {"t|tt", afternoon, "13:05|13:05:07"},
        {"c", afternoon, "2024/1/2 13:05:07"},
        {"c", At(2024, 1, 2), "2024/1/2"},
        {"\"yyyy\" 'd'd", afternoon, "yyyy d2"},
        // A GBK character whose second byte is a letter stays whole.
        {"\xB0\x64-d", afternoon, "\xB0\x64-2"},
        {"", At(1899, 12, 30, 6), "1899/12/30 06:00:00"},
        // Before 1899-12-30 the fraction still runs forward from midnight.
        {"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00"},
        {"yyyy-mm-dd", MinDateTime, "0001-01-01"},
        {"yyyy-mm-dd hh:nn:ss.zzz", MaxDateTime, "9999-12-31 23:59:59.999"},
        // A time that rounds up to midnight is the next day.
        {"yyyy-mm-dd hh:nn:ss.zzz", At(2024, 1, 2) + 0.9999999999, "2024-01-03 00:00:00.000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, c.value, zh), c.text) << c.format;
    }
}

TEST(FormatDateTime, OutsideTheCalendarRaises)
{
    const TFormatSettings zh = ChineseFormatSettings();
    for (const double bad : {MinDateTime - 1, MaxDateTime + 1, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(DateTimeToStr(bad, zh), EConvertError) << bad;
        EXPECT_THROW(Variant::FromDateTime(bad).ToString(), EVariantError) << bad;
        EXPECT_THROW(Variant::FromDateTime(bad).ToSQLTimeStamp(), EVariantError) << bad;
    }
}

TEST(FormatDateTime, OwnFormatsNamingEachOtherStop)
{
    TFormatSettings s = ChineseFormatSettings();
    s.ShortDateFormat = std::string("c");
    s.LongTimeFormat = std::string("ddddd tt");
    EXPECT_NO_THROW(DateTimeToStr(At(2024, 1, 2, 3), s));
}

TEST(FormatDateTime, TwelveHourClockAndDesignators)
{
    const TFormatSettings zh = ChineseFormatSettings();
    TFormatSettings en = zh;
    en.TimeAMString = "AM";
    en.TimePMString = "PM";
    const struct {
        const TFormatSettings& settings;
        const char* format;
        TDateTime value;
        const char* text;
    } cases[] = {
        {zh, "hh:nn:ss ampm", 0, "12:00:00 上午"},
        {zh, "hh:nn:ss AMPM", 13.5 / 24, "01:30:00 下午"},
        {zh, "hh:mm:ss AMPM", 1.5, "12:00:00 下午"},
        {en, "hh:nn ampm", 13.5 / 24, "01:30 PM"},
        {en, "h:nn am/pm", 23.0 / 24, "11:00 pm"},
        {en, "hh A/P", 1.0 / 24, "01 A"},
        // The designator may come first; a quoted one is text and leaves 24 hours.
        {zh, "ampm hh", 0.75, "下午 06"},
        {zh, "'ampm' hh", 0.75, "ampm 18"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, c.value, c.settings), c.text) << c.format << " " << c.value;
    }
}

TEST(FormatDateTime, TheTimeIsRoundedToTheMillisecond)
{
    const TFormatSettings zh = ChineseFormatSettings();
    // 43211 / 86400 lies a hair below 12:00:11.
    EXPECT_EQ(TimeToStr(43211.0 / 86400, zh), "12:00:11");
    // Far from day 0 the seconds carry more error: each of a whole day reads as itself.
    int wrong = 0;
    for (int second = 0; second < 86400; ++second) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "2023-03-15 %02d:%02d:%02d", second / 3600, second / 60 % 60,
                      second % 60);
        wrong += FormatDateTime("yyyy-mm-dd hh:nn:ss", 45000 + second / 86400.0, zh) != expected;
    }
    EXPECT_EQ(wrong, 0);
}

struct ScanCase {
    const char* text;
    TDateTime value;
};

TEST(StrToDateTime, ReadsInTheShortDateOrder)
{
    const TFormatSettings zh = ChineseFormatSettings();
    const ScanCase ymd[] = {
        {"2024/1/2", At(2024, 1, 2)},
        {" 2024/01/02  13:05 ", At(2024, 1, 2, 13, 5)},
        {"2024/1/2 13:05:07.5", At(2024, 1, 2, 13, 5, 7, 5)},
        {"2024/1/2 1:05 下午", At(2024, 1, 2, 13, 5)},
        {"2024/1/2 上午 12:30", At(2024, 1, 2, 0, 30)},
        {"2024/1/2 11:00 pm", At(2024, 1, 2, 23)},
        {"13:05", EncodeTime(13, 5, 0, 0)},
        {"9999/12/31 23:59:59", At(9999, 12, 31, 23, 59, 59)},
        {"0001/1/1", At(1, 1, 1)},
        {"1899/12/29 06:00", -1.25},
    };
    for (const ScanCase& c : ymd) {
        EXPECT_EQ(StrToDateTime(c.text, zh), c.value) << c.text;
    }
    TFormatSettings dmy = zh;
    dmy.ShortDateFormat = "dd.MM.yyyy";
    dmy.DateSeparator = '.';
    EXPECT_EQ(StrToDateTime("2.1.2024", dmy), At(2024, 1, 2));
    TFormatSettings mdy = zh;
    mdy.ShortDateFormat = "M/d/yyyy";
    EXPECT_EQ(StrToDateTime("1/2/2024", mdy), At(2024, 1, 2));
}

TEST(StrToDateTime, RefusesWhatIsNoDate)
{
    const TFormatSettings zh = ChineseFormatSettings();
    TDateTime value = 42;
    for (const char* bad : {"", " ", "2024", "2024/13/1", "2024/2/30", "2023/2/29", "0000/1/1", "10000/1/1",
                            "2024/1/2 24:00", "2024/1/2 13:60", "2024/1/2 13 pm", "2024/1/2 0:30 am",
                            "2024/1/2 x", "2024-1-2", "99999/1/2", "2024/1/2 1:2:3:4", "abc", "13"}) {
        EXPECT_FALSE(TryStrToDateTime(bad, value, zh)) << bad;
        EXPECT_THROW(StrToDateTime(bad, zh), EConvertError) << bad;
    }
    EXPECT_EQ(value, 42);
}

TEST(StrToDateTime, ReadsBackWhatDateTimeToStrWrites)
{
    const TFormatSettings zh = ChineseFormatSettings();
    for (const TDateTime v : {At(2024, 2, 29, 23, 59, 59), At(1, 1, 1, 0, 0, 1), At(9999, 12, 31), At(1899, 12, 29, 6),
                              At(1900, 3, 1, 12)}) {
        const std::string text = DateTimeToStr(v, zh);
        EXPECT_EQ(StrToDateTime(text, zh), v) << text;
        EXPECT_EQ(Variant(text).ToDateTime(), v) << text;
        EXPECT_EQ(Variant::FromDateTime(v).ToString(), text);
    }
}

TEST(StrToTime, ReadsATimeAloneWithEitherDesignator)
{
    const TFormatSettings zh = ChineseFormatSettings();
    const ScanCase cases[] = {
        {"8:00", 8.0 / 24},
        {" 08:30:15.250 ", 30615.25 / 86400},
        {"08:30:15上午", 30615.0 / 86400},
        {"12:00:00上午", 0},
        {"12:00:00下午", 0.5},
        {"01:30:00下午", 48600.0 / 86400},
        {"08上午", 8.0 / 24},
        {"11:00 pm", 23.0 / 24},
    };
    for (const ScanCase& c : cases) {
        EXPECT_EQ(StrToTime(c.text, zh), c.value) << c.text;
    }
    TDateTime value = 42;
    for (const char* bad : {"", "8", "2024/1/2", "2024/1/2 8:00", "24:00", "8:60", "00:30上午", "13:00下午",
                            "8:00 x"}) {
        EXPECT_FALSE(TryStrToTime(bad, value, zh)) << bad;
    }
    EXPECT_EQ(value, 42);
    try {
        StrToTime("8:60", zh);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'8:60' is not a valid time");
    }
}

TEST(SQLTimeStamp, RoundTripsAndChecksItsFields)
{
    const TSQLTimeStamp stamp{2024, 1, 2, 13, 5, 7, 89};
    const TDateTime value = SQLTimeStampToDateTime(stamp);
    EXPECT_EQ(value, At(2024, 1, 2, 13, 5, 7, 89));
    EXPECT_EQ(DateTimeToSQLTimeStamp(value), stamp);
    EXPECT_EQ(Variant(stamp).ToDateTime(), value);
    EXPECT_EQ(Variant::FromDateTime(value).ToSQLTimeStamp(), stamp);
    const TSQLTimeStamp bad[] = {{0, 1, 1, 0, 0, 0, 0},    {2024, 13, 1, 0, 0, 0, 0}, {2023, 2, 29, 0, 0, 0, 0},
                                 {2024, 1, 1, 24, 0, 0, 0}, {2024, 1, 1, 0, 60, 0, 0}, {2024, 1, 1, 0, 0, 60, 0},
                                 {2024, 1, 1, 0, 0, 0, 1000}, {-5, 1, 1, 0, 0, 0, 0}};
    for (const TSQLTimeStamp& b : bad) {
        EXPECT_THROW(SQLTimeStampToDateTime(b), EConvertError) << b.Year << "-" << b.Month << "-" << b.Day;
        EXPECT_THROW(Variant(b).ToString(), EVariantError);
    }
}

}  // namespace
