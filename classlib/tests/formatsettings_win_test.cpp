// The locale reader and the code page 936 converter against what this
// project's Wine prefix (0804, code page 936) was measured to give.
#include "classlib/formatsettings.h"
#include "classlib/formatsettings_win.h"
#include "classlib/olestrconvert.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct TextField {
    const char* name;
    std::string TFormatSettings::*field;
    const char* expected;
};

TEST(LocaleFormatSettings, ChineseLocaleAsMeasured)
{
    const TFormatSettings s = LocaleFormatSettings(MAKELCID(0x0804, SORT_DEFAULT));
    const TextField texts[] = {
        {"ShortDateFormat", &TFormatSettings::ShortDateFormat, "yyyy/M/d"},
        {"LongDateFormat", &TFormatSettings::LongDateFormat, "yyyy年M月d日dddd"},
        {"LongTimeFormat", &TFormatSettings::LongTimeFormat, "HH:mm:ss"},
        // The locale has no short time format: the long one without its seconds.
        {"ShortTimeFormat", &TFormatSettings::ShortTimeFormat, "HH:mm"},
        {"TimeAMString", &TFormatSettings::TimeAMString, "\xC9\xCF\xCE\xE7"},
        {"TimePMString", &TFormatSettings::TimePMString, "下午"},
        {"CurrencyString", &TFormatSettings::CurrencyString, "\xA3\xA4"},
    };
    for (const TextField& t : texts) {
        EXPECT_EQ(s.*t.field, t.expected) << t.name;
    }
    EXPECT_EQ(s.DateSeparator, '/');
    EXPECT_EQ(s.TimeSeparator, ':');
    EXPECT_EQ(s.DecimalSeparator, '.');
    EXPECT_EQ(s.ThousandSeparator, ',');
    EXPECT_EQ(s.CurrencyFormat, 0);
    EXPECT_EQ(s.NegCurrFormat, 0);
    EXPECT_EQ(s.CurrencyDecimals, 2);
    EXPECT_EQ(s.LongMonthNames[0], "一月");
    EXPECT_EQ(s.LongMonthNames[11], "十二月");
    EXPECT_EQ(s.ShortMonthNames[0], "1月");
    EXPECT_EQ(s.ShortMonthNames[11], "12月");
    // Sunday first, though Windows counts from Monday.
    EXPECT_EQ(s.LongDayNames[0], "星期日");
    EXPECT_EQ(s.LongDayNames[1], "星期一");
    // The program's own defaults are these very settings.
    const TFormatSettings chinese = ChineseFormatSettings();
    EXPECT_EQ(chinese.ShortDayNames, s.ShortDayNames);
    EXPECT_EQ(chinese.LongDayNames, s.LongDayNames);
    EXPECT_EQ(chinese.ShortMonthNames, s.ShortMonthNames);
    EXPECT_EQ(chinese.LongDateFormat, s.LongDateFormat);
}

TEST(LocaleFormatSettings, ThreadLocaleIsTheProcessDefault)
{
    const TFormatSettings thread = LocaleFormatSettings(GetThreadLocale());
    EXPECT_EQ(FormatSettings().ShortDateFormat, thread.ShortDateFormat);
    EXPECT_EQ(FormatSettings().TimeAMString, thread.TimeAMString);
}

TEST(LocaleFormatSettings, AnotherLocaleReadsItsOwnConventions)
{
    // US English: 12-hour times, whose "tt" becomes our AMPM.
    const TFormatSettings us = LocaleFormatSettings(MAKELCID(0x0409, SORT_DEFAULT));
    EXPECT_EQ(us.TimeAMString, "AM");
    EXPECT_NE(us.LongTimeFormat.find("AMPM"), std::string::npos) << us.LongTimeFormat;
    EXPECT_EQ(us.LongTimeFormat.find('t'), std::string::npos) << us.LongTimeFormat;
    EXPECT_EQ(us.CurrencyString, "$");
    EXPECT_EQ(us.LongMonthNames[0], "January");
    EXPECT_EQ(us.LongDayNames[0], "Sunday");
    // German: the decimal comma and the dot between thousands.
    const TFormatSettings de = LocaleFormatSettings(MAKELCID(0x0407, SORT_DEFAULT));
    EXPECT_EQ(de.DecimalSeparator, ',');
    EXPECT_EQ(de.ThousandSeparator, '.');
}

TEST(OleStrConverter, CodePage936BothWays)
{
    const std::string gbk = "文字 ok";
    const std::u16string wide = u"\u6587\u5B57 ok";
    EXPECT_EQ(AnsiToOleStr(gbk), wide);
    EXPECT_EQ(OleStrToAnsi(wide), gbk);
    EXPECT_EQ(AnsiToOleStr(""), u"");
}

}  // namespace
