#include "editors/edit/variants/cxvariants.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

Variant Int(std::int32_t n) { return Variant(n); }

const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(CompareVariants, OrdersEmptyThenNullThenValuesAndArraysLast)
{
    struct Case {
        const char* what;
        Variant a, b;
        int expected;
    };
    const Case cases[] = {
        {"Empty, Empty", Variant(), Variant(), 0},
        {"Empty before Null", Variant(), Variant::Null(), -1},
        {"Null after Empty", Variant::Null(), Variant(), 1},
        {"Empty before 0", Variant(), Int(0), -1},
        {"Empty before an empty text", Variant(), Variant(""), -1},
        {"Null, Null", Variant::Null(), Variant::Null(), 0},
        {"Null before 5", Variant::Null(), Int(5), -1},
        {"5 after Null", Int(5), Variant::Null(), 1},
        {"Null before a text", Variant::Null(), Variant("a"), -1},
        {"1 = 1.0", Int(1), Variant(1.0), 0},
        {"2 > 1", Int(2), Int(1), 1},
        {"1 < 2", Int(1), Int(2), -1},
        {"a number against its text", Int(10), Variant("10"), 0},
        {"a number against a larger text", Int(10), Variant("9.5"), 1},
        {"a number against a text that is none", Int(10), Variant("abc"), -1},
        {"texts byte-wise: a < b", Variant("a"), Variant("b"), -1},
        {"texts byte-wise: high bytes after ASCII", Variant("\xC4\xE3"), Variant("z"), 1},
        {"text and the same OleStr", Variant("ab"), Variant(u"ab"), 0},
        {"currency against double", Variant(Currency{12500}), Variant(1.25), 0},
        {"dates", VarFromDateTime(2.0), VarFromDateTime(1.5), 1},
        {"Int64 extremes", Variant(std::numeric_limits<std::int64_t>::min()),
         Variant(std::numeric_limits<std::int64_t>::max()), -1},
        {"True against False", Variant(true), Variant(false), -1},
        {"NaN against itself", Variant(kNaN), Variant(kNaN), -1},
        {"array after a value", VarArrayOf({Int(1)}), Int(5), 1},
        {"value before an array", Variant::Null(), VarArrayOf({}), -1},
        {"array after Empty", VarArrayOf({}), Variant(), 1},
        {"longer array after", VarArrayOf({Int(1), Int(2)}), VarArrayOf({Int(9)}), 1},
        {"equal arrays", VarArrayOf({Int(1), Variant("x")}), VarArrayOf({Variant(1.0), Variant("x")}), 0},
        {"first differing element decides", VarArrayOf({Int(1), Int(3), Int(0)}),
         VarArrayOf({Int(1), Int(2), Int(9)}), 1},
        {"nested arrays", VarArrayOf({VarArrayOf({Int(1)})}), VarArrayOf({VarArrayOf({Int(2)})}), -1},
        {"an array from a low bound of 1 cannot be walked", VarArrayCreate({1, 1}, varVariant),
         VarArrayCreate({1, 1}, varVariant), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareVariants(c.a, c.b), c.expected) << c.what;
}

TEST(VariantsEqual, BooleansAgainstValuesCompareAsTexts)
{
    struct Case {
        const char* what;
        Variant a, b;
        bool expected;
    };
    const Case cases[] = {
        {"True and \"True\"", Variant(true), Variant("True"), true},
        {"\"False\" and False", Variant("False"), Variant(false), true},
        {"True and \"-1\"", Variant(true), Variant("-1"), false},
        {"True and -1", Variant(true), Int(-1), false},
        {"True and True", Variant(true), Variant(true), true},
        {"True and Null", Variant(true), Variant::Null(), false},
        {"1 and \"1\"", Int(1), Variant("1"), true},
        {"1 and \"01\"", Int(1), Variant("01"), true},
        {"\"1\" and \"01\"", Variant("1"), Variant("01"), false},
        {"Null and Null", Variant::Null(), Variant::Null(), true},
        {"Empty and Null", Variant(), Variant::Null(), false},
        {"True and an array", Variant(true), VarArrayOf({}), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VariantsEqual(c.a, c.b), c.expected) << c.what;
        EXPECT_EQ(VariantsEqual(c.b, c.a), c.expected) << c.what << ", swapped";
    }
}

TEST(VariantTests, KindsAreToldApart)
{
    struct Case {
        const char* what;
        Variant v;
        bool dateTime, number, blank;
    };
    const Case cases[] = {
        {"Empty", Variant(), false, false, false},
        {"Null", Variant::Null(), false, false, true},
        {"ShortInt", Variant(std::int8_t{1}), false, true, false},
        {"Byte", Variant(std::uint8_t{1}), false, true, false},
        {"LongWord", Variant(std::uint32_t{1}), false, true, false},
        {"Int64", Variant(std::int64_t{1}), false, true, false},
        {"Single", Variant(1.0f), false, true, false},
        {"Currency", Variant(Currency{1}), false, true, false},
        {"FMTBcd", Variant(Int64ToBcd(5)), false, true, false},
        {"Boolean", Variant(true), false, false, false},
        {"Date", VarFromDateTime(1.0), true, false, false},
        {"SQL time stamp", Variant(TSQLTimeStamp{2000, 1, 1, 0, 0, 0, 0}), true, false, false},
        {"empty text", Variant(""), false, false, true},
        {"empty OleStr", Variant(u""), false, false, true},
        {"blank text", Variant(" "), false, false, false},
        {"numeric text", Variant("1"), false, false, false},
        {"array", VarArrayOf({}), false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VarIsDateTime(c.v), c.dateTime) << c.what;
        EXPECT_EQ(VarIsNumber(c.v), c.number) << c.what;
        EXPECT_EQ(VarIsBlank(c.v), c.blank) << c.what;
    }
}
