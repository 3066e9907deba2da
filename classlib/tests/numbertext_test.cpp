#include "classlib/bcd.h"
#include "classlib/booltext.h"
#include "classlib/currency.h"
#include "classlib/exceptions.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/olestrconvert.h"
#include "classlib/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

TFormatSettings Comma()
{
    TFormatSettings s = ChineseFormatSettings();
    s.DecimalSeparator = ',';
    return s;
}

TEST(FloatText, TheSettingsDecimalSeparatorBothWays)
{
    const TFormatSettings comma = Comma();
    EXPECT_EQ(FloatToStr(-1234.5L, comma), "-1234,5");
    EXPECT_EQ(FloatToStr(1.5e-7L, comma), "1,5E-7");
    EXPECT_EQ(StrToFloat(" 2,25 ", comma), 2.25L);
    long double value = 7;
    EXPECT_FALSE(TryStrToFloat("2.25", value, comma));
    EXPECT_EQ(value, 7);
    EXPECT_THROW(StrToFloat("1,2,3", comma), EConvertError);
    // A Single shows its 7 digits, not the widened double's noise.
    EXPECT_EQ(FloatToStrDigits(0.1f, 7, comma), "0,1");
    EXPECT_EQ(FloatToStrDigits(12345678.0L, 7, comma), "1,234568E7");
}

struct CurrencyCase {
    double value;
    std::int64_t scaled;
};

TEST(CurrencyRounding, TiesGoToTheEvenScaledValue)
{
    // Exact binary ties: n/32 is k + 0.5 after scaling when n is odd.
    const CurrencyCase cases[] = {{1.0 / 32, 312},     {3.0 / 32, 938},   {-1.0 / 32, -312},
                                  {-3.0 / 32, -938},   {1.25, 12500},     {0.00004, 0},
                                  {-0.00006, -1},      {922337203685477.0, 9223372036854770000}};
    for (const CurrencyCase& c : cases) {
        EXPECT_EQ(DoubleToCurrency(c.value).Scaled, c.scaled) << c.value;
        EXPECT_EQ(Variant(c.value).ToCurrency().Scaled, c.scaled) << c.value;
    }
}

TEST(CurrencyRounding, OutsideTheRangeRaises)
{
    for (const double bad : {922337203685477.6, -922337203685477.7, 1e300, std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(DoubleToCurrency(bad), EConvertError) << bad;
        EXPECT_THROW(Variant(bad).ToCurrency(), EVariantError) << bad;
    }
    EXPECT_THROW(Variant(INT64_MAX).ToCurrency(), EVariantError);
    EXPECT_THROW(Variant("1E15").ToCurrency(), EVariantError);
    EXPECT_EQ(Variant(std::int64_t{922337203685477}).ToCurrency().Scaled, 9223372036854770000);
    EXPECT_EQ(Variant("-922337203685477.5808").ToCurrency().Scaled, INT64_MIN);
    EXPECT_EQ(Variant(" 1.23455 ").ToCurrency().Scaled, 12346);
}

TEST(CurrencyText, FourDecimalsAtMost)
{
    EXPECT_EQ(CurrToStr(Currency{INT64_MAX}, Comma()), "922337203685477,5807");
    EXPECT_EQ(CurrToStr(Currency{-10000}, Comma()), "-1");
    EXPECT_EQ(CurrToStr(Currency{0}, Comma()), "0");
}

TEST(BcdText, RoundTripsAndLimits)
{
    const TFormatSettings zh = ChineseFormatSettings();
    for (const char* text : {"0", "-1", "12.5", "-0.000123", "123456789012345678901234567890.123456789"}) {
        EXPECT_EQ(BcdToStr(StrToBcd(text, zh), zh), text);
    }
    EXPECT_EQ(BcdToStr(StrToBcd("-0.00", zh), zh), "0");
    EXPECT_EQ(BcdToStr(StrToBcd(std::string(64, '9'), zh), zh), std::string(64, '9'));
    // Digits beyond 64 after the point are cut, before it they cannot be.
    EXPECT_EQ(BcdToStr(StrToBcd("1." + std::string(70, '3'), zh), zh), "1." + std::string(63, '3'));
    TBcd value;
    const std::string tooLong(65, '9');
    for (const std::string bad : {"", "-", "1.2.3", "1e5", "12a", "--1", tooLong.c_str()}) {
        EXPECT_FALSE(TryStrToBcd(bad, value, zh)) << bad;
    }
    EXPECT_EQ(BcdToStr(DoubleToBcd(-1.5e-7), zh), "-0.00000015");
    EXPECT_EQ(BcdToStr(DoubleToBcd(1e20), zh), "100000000000000000000");
    EXPECT_EQ(BcdToDouble(StrToBcd("-12.75", zh)), -12.75);
    EXPECT_EQ(BcdToStr(Int64ToBcd(INT64_MIN), zh), "-9223372036854775808");
    EXPECT_THROW(DoubleToBcd(1e70), EConvertError);
    EXPECT_THROW(DoubleToBcd(std::numeric_limits<double>::quiet_NaN()), EConvertError);
    EXPECT_EQ(BcdCompare(StrToBcd("0", zh), StrToBcd("-0", zh)), 0);
    EXPECT_EQ(BcdCompare(StrToBcd("9.99", zh), StrToBcd("10", zh)), -1);
    // A record from elsewhere with nonsense counts and nibbles still reads.
    TBcd junk;
    junk.Precision = 200;
    junk.SignSpecialPlaces = 0xFF;
    std::fill(std::begin(junk.Fraction), std::end(junk.Fraction), std::uint8_t{0xFA});
    EXPECT_NO_THROW(BcdToStr(junk, zh));
}

TEST(BoolText, WordsAndNumbers)
{
    EXPECT_EQ(BoolToStr(true), "-1");
    EXPECT_EQ(BoolToStr(false, true), "False");
    bool value = false;
    EXPECT_TRUE(TryStrToBool(" tRuE ", value));
    EXPECT_TRUE(value);
    EXPECT_TRUE(TryStrToBool("0.0", value));
    EXPECT_FALSE(value);
    for (const char* bad : {"", "yes", "T", "True!"}) {
        EXPECT_FALSE(TryStrToBool(bad, value)) << bad;
        EXPECT_THROW(StrToBool(bad), EConvertError) << bad;
    }
}

std::u16string Widened(std::string_view text)
{
    return std::u16string(text.begin(), text.end()) + u"!";
}

std::string Narrowed(std::u16string_view text)
{
    return std::string(text.begin(), text.end()) + "?";
}

TEST(OleStrConverter, VariantsGoThroughTheInjectedOne)
{
    const TOleStrConverter previous = SetOleStrConverter({Widened, Narrowed});
    EXPECT_EQ(Variant("ab").ToOleStr(), u"ab!");
    EXPECT_EQ(Variant(u"ab").ToString(), "ab?");
    EXPECT_EQ(VarType(VarAsType(Variant(12), varOleStr)), varOleStr);
    EXPECT_EQ(Variant(12).ToOleStr(), u"12!");
    SetOleStrConverter(previous);
    // The default takes ASCII across.
    EXPECT_EQ(Variant(u"ab").ToString(), "ab");
}

}  // namespace
