// Typed readings of form-text values: sets and floating-point numbers.
#include "classlib/propertytable.h"

#include <gtest/gtest.h>

#include "classlib/exceptions.h"

namespace {

enum : unsigned { sideLeft = 1, sideTop = 2, sideRight = 4 };
constexpr TEnumName<unsigned> kSides[] = {{"sLeft", sideLeft}, {"sTop", sideTop}, {"sRight", sideRight}};

} // namespace

TEST(PropertyValue, SetsReadTheirNames)
{
    struct Case {
        const char* text;
        unsigned set;
    } cases[] = {
        {"[]", 0}, {"[ ]", 0}, {"[sLeft]", sideLeft}, {"[sLeft, sTop]", sideLeft | sideTop},
        {"[ sRight ,sLeft ]", sideLeft | sideRight}, {"[sTop,sTop]", sideTop},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TPropertyValue("Edges", c.text).Set(kSides), c.set) << c.text;
}

TEST(PropertyValue, MalformedSetsAreErrors)
{
    const char* bad[] = {"", "sLeft", "[sLeft", "sLeft]", "[sLeft,]", "[,sLeft]", "[sLeft sTop]", "[sBottom]", "[sleft]"};
    for (const char* text : bad)
        EXPECT_THROW(TPropertyValue("Edges", text).Set(kSides), EComponentError) << text;
}

TEST(PropertyValue, FloatingPointNumbers)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"0", 0}, {"-1.5", -1.5}, {"2.5E-3", 2.5e-3}, {"1e300", 1e300}, {"12", 12}};
    for (const Case& c : cases)
        EXPECT_EQ(TPropertyValue("Ratio", c.text).Float(), c.value) << c.text;
    const char* bad[] = {"", "1,5", "1.5x", " 1.5", "inf", "nan", "1e999", "--1"};
    for (const char* text : bad)
        EXPECT_THROW(TPropertyValue("Ratio", text).Float(), EComponentError) << text;
}
