// The date edit pattern, every currency pattern and the first day of the week.
#include <string>

#include <gtest/gtest.h>

#include "editors/edit/formats/cxformatpatterns.h"

namespace {

TEST(DateEditPattern, DoublesLoneDaysAndMonthsOnly)
{
    const struct {
        std::string Format, Expected;
    } cases[] = {
        {"yyyy/M/d", "yyyy/MM/dd"},
        {"yyyy-M-d", "yyyy-MM-dd"},
        {"dd/MM/yy", "dd/MM/yy"},
        {"ddd d m D", "ddd dd m D"},
        {"d'd'M\"M\"", "dd'd'MM\"M\""},
        {"'d", "'d"},
        // 0x81 0x4D and 0x81 0x64 end in "M" and "d"; a lone lead byte ends the text.
        {"yyyy\x81\x4D" "d", "yyyy\x81\x4D" "dd"},
        {"\x81\x64\x81\x4D", "\x81\x64\x81\x4D"},
        {"M年d日", "MM年dd日"},
        {"M\x81", "MM\x81"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateEditPattern(c.Format), c.Expected) << c.Format;
}

TEST(CurrencyPattern, EveryFormatPair)
{
    const char* positive[] = {"￥,0.00", ",0.00￥", "￥ ,0.00", ",0.00 ￥"};
    const char* negative[] = {"(￥,0.00)", "-￥,0.00", "￥-,0.00", "￥,0.00-", "(,0.00￥)", "-,0.00￥",
                              ",0.00-￥",  ",0.00￥-", "-,0.00 ￥", "-￥ ,0.00", ",0.00 ￥-", "￥ ,0.00-",
                              "￥ -,0.00", ",0.00- ￥", "(￥ ,0.00)", "(,0.00 ￥)", ""};
    TFormatSettings s = ChineseFormatSettings();
    for (unsigned char p = 0; p < 5; ++p) {
        for (unsigned char n = 0; n < 17; ++n) {
            s.CurrencyFormat = p;
            s.NegCurrFormat = n;
            EXPECT_EQ(cxCurrencyPattern(s), std::string(p < 4 ? positive[p] : "") + ";" + negative[n])
                << int(p) << " " << int(n);
        }
    }
}

TEST(CurrencyPattern, SymbolAndDecimals)
{
    TFormatSettings s = ChineseFormatSettings();
    s.CurrencyString = "R.$,";
    s.CurrencyDecimals = 3;
    EXPECT_EQ(cxCurrencyPattern(s), "R'.'$',',0.000;(R'.'$',',0.000)");
    s.CurrencyString.clear();
    s.CurrencyDecimals = 0;
    EXPECT_EQ(cxCurrencyPattern(s), ";(,0.)");
}

TEST(StartOfWeek, LocaleDaysFromMonday)
{
    const struct {
        const char* Text;
        int Day;
    } cases[] = {{"0", 1}, {"1", 2}, {"5", 6}, {"6", 0}, {"7", 1}, {"", 1}, {"x", 1}, {"06", 0}, {"-1", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(cxStartOfWeekFromLocale(c.Text), c.Day) << c.Text;
}

} // namespace
