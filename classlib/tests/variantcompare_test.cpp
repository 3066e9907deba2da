#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {
using R = TVariantRelationship;

struct CompareCase {
    Variant a;
    Variant b;
    R expected;
};

TEST(VariantCompare, AcrossKinds)
{
    const CompareCase cases[] = {
        {Variant(1), Variant(1.0), R::vrEqual},
        {Variant(std::uint8_t{200}), Variant(std::int16_t{200}), R::vrEqual},
        {Variant(INT64_MAX), Variant(INT64_MAX - 1), R::vrGreaterThan},
        {Variant(Currency{12500}), Variant(1.25), R::vrEqual},
        {Variant(Currency{12500}), Variant(Currency{12501}), R::vrLessThan},
        {Variant(2), Variant(Currency{25000}), R::vrLessThan},
        // A number against a text converts the text.
        {Variant(1), Variant("1"), R::vrEqual},
        {Variant(5), Variant(" 5.5 "), R::vrLessThan},
        {Variant("10"), Variant(9), R::vrGreaterThan},
        {Variant(0.1f), Variant("0.1"), R::vrEqual},
        {Variant(true), Variant("True"), R::vrEqual},
        {Variant(true), Variant(-1), R::vrEqual},
        {Variant(true), Variant(false), R::vrLessThan},
        {Variant::FromDateTime(EncodeDate(2024, 1, 2) + EncodeTime(13, 5, 0, 0)), Variant("2024/1/2 13:05"),
         R::vrEqual},
        // Texts compare byte-wise, so a GBK lead byte sorts after ASCII.
        {Variant("abc"), Variant("abd"), R::vrLessThan},
        {Variant("abc"), Variant("ab"), R::vrGreaterThan},
        {Variant("B"), Variant("a"), R::vrLessThan},
        {Variant("\xB0\xA1"), Variant("z"), R::vrGreaterThan},
        {Variant(u"abc"), Variant("abc"), R::vrEqual},
        {Variant(u"b"), Variant("a"), R::vrGreaterThan},
        // Null equals only Null and sorts first; Empty is 0 or "".
        {Variant::Null(), Variant::Null(), R::vrEqual},
        {Variant::Null(), Variant(5), R::vrLessThan},
        {Variant(""), Variant::Null(), R::vrGreaterThan},
        {Variant(), Variant(), R::vrEqual},
        {Variant(), Variant(0), R::vrEqual},
        {Variant(), Variant(""), R::vrEqual},
        {Variant(), Variant("a"), R::vrLessThan},
        {Variant(), Variant(-0.5), R::vrGreaterThan},
        {Variant(StrToBcd("1.50", FormatSettings())), Variant(StrToBcd("1.5", FormatSettings())), R::vrEqual},
        {Variant(StrToBcd("-2", FormatSettings())), Variant(StrToBcd("-10", FormatSettings())), R::vrGreaterThan},
        {Variant(StrToBcd("0.25", FormatSettings())), Variant(0.25), R::vrEqual},
        {Variant(std::numeric_limits<double>::quiet_NaN()), Variant(1.0), R::vrNotEqual},
    };
    for (const CompareCase& c : cases) {
        const std::string shown = VarToStr(c.a) + " / " + VarToStr(c.b);
        EXPECT_EQ(VarCompareValue(c.a, c.b), c.expected) << shown;
        EXPECT_EQ(c.a == c.b, c.expected == R::vrEqual) << shown;
        EXPECT_EQ(c.a < c.b, c.expected == R::vrLessThan) << shown;
        EXPECT_EQ(c.a > c.b, c.expected == R::vrGreaterThan) << shown;
    }
}

TEST(VariantCompare, WhatCannotCompareRaises)
{
    EXPECT_THROW(VarCompareValue(Variant("abc"), Variant(5)), EVariantError);
    EXPECT_THROW(VarCompareValue(Variant(5), Variant("")), EVariantError);
    EXPECT_THROW(VarCompareValue(VarArrayOf({1}), VarArrayOf({1})), EVariantError);
    EXPECT_THROW((void)(Variant("x") < Variant(true)), EVariantError);
}

TEST(VariantArray, BoundsAndElements)
{
    Variant a = VarArrayCreate({-2, 1}, varVariant);
    EXPECT_EQ(VarType(a), varArray | varVariant);
    EXPECT_EQ(VarArrayDimCount(a), 1);
    EXPECT_EQ(VarArrayLowBound(a, 1), -2);
    EXPECT_EQ(VarArrayHighBound(a, 1), 1);
    EXPECT_TRUE(a[-2].IsEmpty());
    a[-2] = "first";
    a[1] = 4;
    EXPECT_EQ(a[-2].ToString(), "first");
    EXPECT_EQ(a[1].ToInteger(), 4);
    for (const int bad : {-3, 2}) {
        EXPECT_THROW(a[bad], EVariantError) << bad;
    }
    EXPECT_THROW(VarArrayLowBound(a, 2), EVariantError);
    EXPECT_THROW(VarArrayHighBound(a, 0), EVariantError);

    const Variant empty = VarArrayCreate({0, -1}, varVariant);
    EXPECT_EQ(VarArrayHighBound(empty, 1), -1);
    EXPECT_THROW(empty[0], EVariantError);
    EXPECT_THROW(VarArrayCreate({0, -2}, varVariant), EVariantError);
    EXPECT_THROW(VarArrayCreate({0, 1}, varInteger), EVariantError);
    EXPECT_THROW(VarArrayCreate({0}, varVariant), EVariantError);
    EXPECT_THROW(VarArrayCreate({INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX}, varVariant),
                 EVariantError);

    EXPECT_EQ(VarArrayDimCount(Variant(1)), 0);
    EXPECT_THROW(VarArrayLowBound(Variant(1), 1), EVariantError);
    EXPECT_THROW(Variant("x")[0], EVariantError);
}

TEST(VariantArray, SeveralDimensions)
{
    Variant grid = VarArrayCreate({1, 2, 0, 2}, varVariant);
    EXPECT_EQ(VarArrayDimCount(grid), 2);
    EXPECT_EQ(VarArrayLowBound(grid, 2), 0);
    EXPECT_EQ(VarArrayHighBound(grid, 2), 2);
    for (int i = 1; i <= 2; ++i) {
        for (int j = 0; j <= 2; ++j) {
            const int at[] = {i, j};
            grid.Element(at) = i * 10 + j;
        }
    }
    for (int i = 1; i <= 2; ++i) {
        for (int j = 0; j <= 2; ++j) {
            const int at[] = {i, j};
            EXPECT_EQ(grid.Element(at).ToInteger(), i * 10 + j);
        }
    }
    const int tooFew[] = {1};
    EXPECT_THROW(grid.Element(tooFew), EVariantError);
    EXPECT_THROW(grid[1], EVariantError);
}

}  // namespace
