// Standard masks, regular-expression masks with their word suffix and
// display formats, from the zh_CN settings and from the edge cases.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editors/edit/formats/cxformatmasks.h"
#include "editors/edit/formats/cxformatresults.h"

// GCC 12 at -O3 takes a short literal assigned to a copied string's member
// for an overlapping copy (its bug 105329).
#pragma GCC diagnostic ignored "-Wrestrict"

namespace {

const std::vector<std::string> kWords = {"today",  "yesterday", "tomorrow", "Sunday", "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday", "first",  "second", "third",   "fourth",
                                         "fifth",  "sixth",     "seventh",  "bom",    "eom",    "now"};

const std::string kSignedDays = R"(((\+|-)\d(\d(\d\d?)?)?)?)";
const std::string kHour24 = R"(([01]?\d|2[0-3]))";
const std::string kHour12 = R"((0?[1-9]|1[012]))";
const std::string kDay = R"(([012]?[1-9]|[123]0|31))";

std::string QuotedWords(std::size_t count)
{
    std::string text;
    for (std::size_t w = 0; w < count; ++w)
        ((text += w ? "|'" : "'") += kWords[w]) += '\'';
    return text;
}

TcxDateTimeFormatInfo Parsed(const std::string& format, const TFormatSettings& settings)
{
    TcxDateTimeFormatInfo info;
    ParseFormat(format, settings, info);
    return info;
}

TEST(FormatResults, ChineseLocale)
{
    const TcxFormatResults r = cxComputeFormatResults(ChineseFormatSettings(), kWords, 1);
    const std::string months = "((0?[1-9]|1[012])|('1月'|'2月'|'3月'|'4月'|'5月'|'6月'|'7月'|'8月'|'9月'|'10月'|'11月'|'12月'))";
    const std::string date = R"(\d\d\d\d\/)" + months + R"(\/)" + kDay;
    EXPECT_EQ(r.DateEditPattern, "yyyy/MM/dd");
    EXPECT_EQ(r.DateMaskStandard, "!9999/99/99;1; ");
    EXPECT_EQ(r.DateTimeMaskStandard, R"(!9999/99/99\ 99:99:99;1; )");
    EXPECT_EQ(r.DateDisplayFormat, "yyyy/mm/dd");
    EXPECT_EQ(r.DateTimeDisplayFormat, "yyyy/mm/dd' 'hh:nn:ss");
    EXPECT_EQ(r.DateMaskRegExpr, "(" + date + ")|(" + QuotedWords(19) + ")" + kSignedDays);
    EXPECT_EQ(r.DateTimeMaskRegExpr, "(" + date + " ' '(" + kHour24 + R"(\:[0-5]?\d\:[0-5]?\d)?)|()" +
                                         QuotedWords(20) + ")" + kSignedDays);
    EXPECT_EQ(r.CurrencyPattern, "￥,0.00;(￥,0.00)");
    EXPECT_EQ(r.FirstDayOfWeek, 1);
    EXPECT_EQ(r.TimeInfo.Items.front().Text, "24HH");
}

TEST(FormatResults, ChangedLocaleFormats)
{
    TFormatSettings s = ChineseFormatSettings();
    s.ShortDateFormat = "yyyy-M-d";
    s.DateSeparator = '-';
    s.LongTimeFormat = "AMPM h:mm:ss";
    const TcxFormatResults r = cxComputeFormatResults(s, kWords, 0);
    EXPECT_EQ(r.DateEditPattern, "yyyy-MM-dd");
    EXPECT_EQ(r.DateMaskStandard, R"(!9999\-99\-99;1; )");
    EXPECT_EQ(r.DateDisplayFormat, "yyyy'-'mm'-'dd");
    EXPECT_EQ(r.TimeInfo.Items[2].Text, "12H");
    EXPECT_EQ(BuildRegExprMask(r.TimeInfo, TcxRegExprMaskPart::Time, s),
              "('上午'|'下午')?' '" + kHour12 + R"(\:[0-5]?\d\:[0-5]?\d)");
    s.ShortDateFormat = "yyyy/M/d";
    EXPECT_EQ(cxComputeFormatResults(s, kWords, 0).DateTimeMaskStandard, R"(!9999/99/99\ cccc\ 99:99:99;1; )");
}

struct MaskCase {
    const char* Format;
    const char* Standard;
    const char* Display;
};

TEST(FormatMasks, StandardMaskAndDisplayFormatByItem)
{
    TFormatSettings s = ChineseFormatSettings();
    s.TimeAMString = "a";
    s.TimePMString = "pm";
    const MaskCase cases[] = {
        {"yy/MMM/dddd", "!99/lll/lll;1; ", "yy/mmm/ddd"},
        {"A/P h", R"(!c\ 99;1; )", "a/p' 'hh"},
        {"am/pm HH", R"(!cc\ 99;1; )", "am/pm' 'hh"},
        {"AMPM h", R"(!cc\ 99;1; )", "ampm' 'hh"},
        {"hh:nn:ss.zzz", R"(!99:99:99\.;1; )", "hh:nn:ss'.'"},
        {"yyyy年M月", R"(!9999\年99\月;1; )", "yyyy'年'mm'月'"},
        {"hh\"'\"nn", R"(!99\'99;1; )", R"(hh"'"nn)"},
        {"g", "", ""},
        {"AM/PM", "", ""},
    };
    for (const MaskCase& c : cases) {
        const TcxDateTimeFormatInfo info = Parsed(c.Format, s);
        EXPECT_EQ(BuildStandardMask(info, s), c.Standard) << c.Format;
        EXPECT_EQ(BuildDisplayFormat(info), c.Display) << c.Format;
    }
}

struct RegExprCase {
    const char* Format;
    TcxRegExprMaskPart Part;
    std::string Expected;
};

TEST(FormatMasks, RegExprByItem)
{
    TFormatSettings s = ChineseFormatSettings();
    s.DateSeparator = ' ';
    s.TimeSeparator = '.';
    s.LongMonthNames[0] = "Jan'y";
    const auto date = TcxRegExprMaskPart::Date;
    const auto time = TcxRegExprMaskPart::Time;
    const RegExprCase cases[] = {
        {"yy/d", date, R"(\d\d' ')" + kDay},
        {"MMMM", date, R"(((0?[1-9]|1[012])|('Jan'\''y'|'二月'|'三月'|'四月'|'五月'|'六月'|'七月'|'八月'|'九月'|'十月'|'十一月'|'十二月')))"},
        {"yyyy hh:nn", date, R"(\d\d\d\d' ')"},
        {"yyyy hh:nn", time, "' '" + kHour24 + R"(\.[0-5]?\d)"},
        {"A/P h", time, "(A|P)?' '" + kHour12},
        {"AM/PM h", time, "(AM|PM)?' '" + kHour12},
        {"hh\"'\"ss", time, kHour24 + R"(\'[0-5]?\d)"},
    };
    for (const RegExprCase& c : cases)
        EXPECT_EQ(BuildRegExprMask(Parsed(c.Format, s), c.Part, s), c.Expected) << c.Format;

    s.DateSeparator = 0;
    EXPECT_EQ(BuildRegExprMask(Parsed("yy/d", s), date, s), R"(\d\d)" + kDay);
}

TEST(FormatMasks, AmPmChoicesLeaveOutEmptyTexts)
{
    TFormatSettings s = ChineseFormatSettings();
    const TcxDateTimeFormatInfo info = Parsed("AMPM h", s);
    s.TimeAMString.clear();
    EXPECT_EQ(BuildRegExprMask(info, TcxRegExprMaskPart::Time, s), "('下午')?' '" + kHour12);
    s.TimePMString.clear();
    EXPECT_EQ(BuildRegExprMask(info, TcxRegExprMaskPart::Time, s), "' '" + kHour12);
    EXPECT_EQ(BuildStandardMask(info, s), R"(!\ 99;1; )");
}

TEST(FormatMasks, WordsAreQuotedAroundApostrophes)
{
    const std::vector<std::string> words = {"it's", "'", "a'b'", "", "周一"};
    EXPECT_EQ(AddRegExprWords("x", words), R"((x)|('it'\''s'|\'|'a'\''b'\'||'周一'))" + kSignedDays);
    EXPECT_EQ(AddRegExprWords("", words), "");
}

TEST(FormatResults, UnreadableFormatsGiveEmptyMasks)
{
    for (const char* shortDate : {"gg yyyy", "AM/PM"}) {
        TFormatSettings s = ChineseFormatSettings();
        s.ShortDateFormat = shortDate;
        const TcxFormatResults r = cxComputeFormatResults(s, kWords, 1);
        EXPECT_EQ(r.DateMaskStandard, "") << shortDate;
        EXPECT_EQ(r.DateMaskRegExpr, "") << shortDate;
        EXPECT_EQ(r.DateTimeMaskRegExpr, "") << shortDate;
        EXPECT_EQ(r.DateDisplayFormat, "") << shortDate;
    }
    TFormatSettings s = ChineseFormatSettings();
    s.LongTimeFormat = "hh gg";
    const TcxFormatResults r = cxComputeFormatResults(s, kWords, 1);
    EXPECT_EQ(r.DateTimeMaskStandard, "");
    EXPECT_EQ(r.DateTimeDisplayFormat, "");
    EXPECT_EQ(r.DateTimeMaskRegExpr, "");
    EXPECT_EQ(r.DateMaskStandard, "!9999/99/99;1; ");
}

TEST(FormatMasks, HalfCharactersNeverJoinTheNextByte)
{
    TFormatSettings s = ChineseFormatSettings();
    s.ShortMonthNames[0] = "\x81";
    s.TimeAMString = "x\x81";
    const std::string lone = "yyyy\x81";
    EXPECT_EQ(BuildStandardMask(Parsed(lone, s), s), "!9999;1; ");
    EXPECT_EQ(BuildDisplayFormat(Parsed(lone, s)), "yyyy");
    EXPECT_EQ(BuildRegExprMask(Parsed("AMPM h", s), TcxRegExprMaskPart::Time, s), "('x'|'下午')?' '" + kHour12);
    EXPECT_EQ(cxQuoteMaskText("\x81"), "");
    s.DateSeparator = '\x81';
    EXPECT_EQ(BuildRegExprMask(Parsed("yy/d", s), TcxRegExprMaskPart::Date, s), R"(\d\d)" + kDay);
}

} // namespace
