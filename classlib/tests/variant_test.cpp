#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

struct KindCase {
    Variant value;
    TVarType type;
    const char* name;
};

TEST(Variant, EachConstructorGivesItsKindAndNumber)
{
    const KindCase cases[] = {
        {Variant(), varEmpty, "Empty"},
        {Variant::Null(), varNull, "Null"},
        {Variant(std::int16_t{-2}), varSmallint, "Smallint"},
        {Variant(7), varInteger, "Integer"},
        {Variant(1.5f), varSingle, "Single"},
        {Variant(1.5), varDouble, "Double"},
        {Variant(Currency{12500}), varCurrency, "Currency"},
        {Variant::FromDateTime(45000.5), varDate, "Date"},
        {Variant(u"w"), varOleStr, "OleStr"},
        {Variant(true), varBoolean, "Boolean"},
        {Variant(std::int8_t{-1}), varShortInt, "ShortInt"},
        {Variant(std::uint8_t{255}), varByte, "Byte"},
        {Variant(std::uint16_t{65535}), varWord, "Word"},
        {Variant(std::uint32_t{4000000000u}), varLongWord, "LongWord"},
        {Variant(std::int64_t{1} << 40), varInt64, "Int64"},
        {Variant("abc"), varString, "String"},
        {Variant(Int64ToBcd(5)), varFMTBcd, "FMTBcd"},
        {Variant(TSQLTimeStamp{2024, 1, 2, 3, 4, 5, 6}), varSQLTimeStamp, "SQLTimeStamp"},
        {VarArrayOf({1, "x"}), varArray | varVariant, "Array Variant"},
    };
    for (const KindCase& c : cases) {
        EXPECT_EQ(VarType(c.value), c.type) << c.name;
        EXPECT_EQ(VarTypeAsText(VarType(c.value)), c.name);
    }
    EXPECT_EQ(varArray | varVariant, 0x200C);
}

TEST(Variant, CopiesAreIndependentAndMovesLeaveEmpty)
{
    Variant array = VarArrayOf({Variant("a"), Variant(2)});
    Variant copy = array;
    copy[0] = "changed";
    EXPECT_EQ(array[0].ToString(), "a");
    EXPECT_EQ(copy[0].ToString(), "changed");

    Variant moved = std::move(copy);
    EXPECT_TRUE(copy.IsEmpty());  // NOLINT: moved-from state is defined
    EXPECT_EQ(moved[1].ToInteger(), 2);

    // An element assigned its own array keeps the old array inside.
    Variant nest = VarArrayOf({Variant(1)});
    nest[0] = nest;
    EXPECT_EQ(nest[0][0].ToInteger(), 1);
    nest = nest[0];
    EXPECT_EQ(nest[0].ToInteger(), 1);
}

TEST(Variant, HugeUnsignedIsRefused)
{
    EXPECT_THROW(Variant(std::numeric_limits<std::uint64_t>::max()), EVariantError);
    EXPECT_EQ(Variant(std::uint64_t{INT64_MAX}).ToInt64(), INT64_MAX);
}

struct IntCase {
    Variant value;
    std::int64_t expected;
};

TEST(VariantConvert, ToInt64RoundsTiesToEvenAndReadsTexts)
{
    const IntCase cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(false), 0},
        {Variant(2.5), 2},
        {Variant(3.5), 4},
        {Variant(-2.5), -2},
        {Variant(2.5000001), 3},
        {Variant(Currency{25000}), 2},
        {Variant(Currency{35000}), 4},
        {Variant(Currency{-15000}), -2},
        {Variant(Currency{-15001}), -2},
        {Variant("  42 "), 42},
        {Variant("-9223372036854775808"), INT64_MIN},
        {Variant("1.5"), 2},
        {Variant("1E3"), 1000},
        {Variant(u"77"), 77},
        {Variant(StrToBcd("-12.5", FormatSettings())), -12},
        {Variant::FromDateTime(1.75), 2},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(c.value.ToInt64(), c.expected) << c.value.ToString();
    }
}

TEST(VariantConvert, FailuresRaiseVariantErrors)
{
    const Variant failing[] = {Variant::Null(), Variant("abc"), Variant(""), Variant("1 2"),
                               Variant(9.3e18), Variant(-9.3e18), Variant(std::numeric_limits<double>::quiet_NaN()),
                               Variant(std::numeric_limits<double>::infinity()), VarArrayOf({1}),
                               Variant("9223372036854775808")};
    for (const Variant& v : failing) {
        EXPECT_THROW(v.ToInt64(), EVariantError) << VarTypeAsText(VarType(v));
    }
    EXPECT_THROW(Variant::Null().ToString(), EVariantError);
    EXPECT_THROW(Variant::Null().ToDouble(), EVariantError);
    EXPECT_THROW(Variant("x").ToDouble(), EVariantError);
    EXPECT_THROW(Variant("1E400").ToDouble(), EVariantError);
    EXPECT_THROW(Variant("maybe").ToBoolean(), EVariantError);
    EXPECT_EQ(VarToStr(Variant::Null()), "");
}

struct RangeCase {
    TVarType type;
    std::int64_t low;
    std::int64_t high;
};

TEST(VariantConvert, IntegerKindsCheckTheirRange)
{
    const RangeCase cases[] = {{varShortInt, -128, 127},       {varByte, 0, 255},
                               {varSmallint, -32768, 32767},   {varWord, 0, 65535},
                               {varInteger, INT32_MIN, INT32_MAX}, {varLongWord, 0, UINT32_MAX}};
    for (const RangeCase& c : cases) {
        const Variant low = VarAsType(Variant(c.low), c.type);
        const Variant high = VarAsType(Variant(c.high), c.type);
        EXPECT_EQ(VarType(low), c.type);
        EXPECT_EQ(low.ToInt64(), c.low);
        EXPECT_EQ(high.ToInt64(), c.high);
        EXPECT_THROW(VarAsType(Variant(c.low - 1), c.type), EVariantError) << c.type;
        EXPECT_THROW(VarAsType(Variant(c.high + 1), c.type), EVariantError) << c.type;
    }
    EXPECT_THROW(Variant(3e9).ToInteger(), EVariantError);
    EXPECT_EQ(Variant(-2147483648.4).ToInteger(), INT32_MIN);
}

struct DoubleCase {
    Variant value;
    double expected;
};

TEST(VariantConvert, ToDouble)
{
    const DoubleCase cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(0.1f), static_cast<double>(0.1f)},
        {Variant(Currency{12345}), 1.2345},
        {Variant(INT64_MAX), 9223372036854775807.0},
        {Variant(" 1.25 "), 1.25},
        {Variant("-1E-5"), -1e-5},
        {Variant(u"2.5"), 2.5},
        {Variant::FromDateTime(-1.25), -1.25},
    };
    for (const DoubleCase& c : cases) {
        EXPECT_EQ(c.value.ToDouble(), c.expected) << c.value.ToString();
    }
    EXPECT_THROW(Variant(1e39).ToSingle(), EVariantError);
}

struct TextCase {
    Variant value;
    const char* text;
};

TEST(VariantConvert, ToString)
{
    const TextCase cases[] = {
        {Variant(), ""},
        {Variant(true), "True"},
        {Variant(false), "False"},
        {Variant(-7), "-7"},
        {Variant(INT64_MIN), "-9223372036854775808"},
        {Variant(std::uint32_t{4000000000u}), "4000000000"},
        {Variant(0.1f), "0.1"},
        {Variant(1.0 / 3), "0.333333333333333"},
        {Variant(1e20), "1E20"},
        {Variant(Currency{-125000}), "-12.5"},
        {Variant(Currency{INT64_MIN}), "-922337203685477.5808"},
        {Variant(Currency{1}), "0.0001"},
        {Variant(u"abc"), "abc"},
        {Variant(StrToBcd("0012.3400", FormatSettings())), "12.34"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(c.value.ToString(), c.text);
    }
}

TEST(VariantConvert, BooleansFromNumbersAndWords)
{
    EXPECT_TRUE(Variant("true").ToBoolean());
    EXPECT_FALSE(Variant(" FALSE ").ToBoolean());
    EXPECT_TRUE(Variant("-1").ToBoolean());
    EXPECT_FALSE(Variant("0").ToBoolean());
    EXPECT_TRUE(Variant(0.5).ToBoolean());
    EXPECT_FALSE(Variant(Currency{0}).ToBoolean());
    EXPECT_FALSE(Variant().ToBoolean());
    EXPECT_EQ(VarType(VarAsType(Variant("True"), varBoolean)), varBoolean);
}

TEST(VariantConvert, EachKindReadsBackItsOwnText)
{
    const Variant values[] = {
        Variant(std::int16_t{-300}), Variant(-70000), Variant(1.5f), Variant(-2.25), Variant(Currency{-12345678}),
        Variant::FromDateTime(EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 58, 0)), Variant(u"w"), Variant(true),
        Variant(false), Variant(std::int8_t{-128}), Variant(std::uint8_t{255}), Variant(std::uint16_t{65535}),
        Variant(std::uint32_t{4294967295u}), Variant(INT64_MIN), Variant("s"),
        Variant(StrToBcd("-123456789012345678901234.5", FormatSettings())),
        Variant(TSQLTimeStamp{1, 1, 1, 0, 0, 1, 0}),
    };
    for (const Variant& v : values) {
        const Variant text = VarAsType(v, varString);
        const Variant back = VarAsType(text, VarType(v));
        EXPECT_EQ(VarType(back), VarType(v)) << text.ToString();
        EXPECT_EQ(VarCompareValue(back, v), TVariantRelationship::vrEqual) << text.ToString();
    }
}

}  // namespace
