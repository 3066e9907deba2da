#include "classlib/exceptions.h"
#include "classlib/inttext.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(StrToInt, DecimalAndDollarHexWithinInt)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"-0", 0},         {"+007", 7},        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
                 {"$1f", 31},       {"-$10", -16},      {"$FFFFFFFF", -1},       {"$80000000", INT_MIN},
                 {"0000000000000000000001", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    }
    int value = 42;
    for (const char* bad : {"", "-", "$", "2147483648", "-2147483649", "$100000000", "-$80000001",
                            "99999999999999999999", " 1", "1 ", "0x10", "1.5", "--1", "$-1", "1-2"}) {
        EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
    }
    EXPECT_EQ(value, 42);
    try {
        StrToInt("1-2");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1-2' is not a valid integer value");
    }
}

}  // namespace
