#include "classlib/exceptions.h"
#include "classlib/inttext.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct IntCase {
    const char* text;
    int value;
};

TEST(StrToInt, ReadsDecimalAndDollarHex)
{
    const IntCase cases[] = {
        {"0", 0},
        {"-0", 0},
        {"+7", 7},
        {"007", 7},
        {"00000000000000000000001", 1},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$1F", 31},
        {"$ff", 255},
        {"-$10", -16},
        // Eight hex digits are the bits of an int.
        {"$FFFFFFFF", -1},
        {"$80000000", INT_MIN},
        {"-$80000000", INT_MIN},
    };
    for (const IntCase& c : cases) {
        int value = 42;
        EXPECT_TRUE(TryStrToInt(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    }
}

TEST(StrToInt, RefusesAnythingElseWithTheLibraryText)
{
    for (const char* bad : {"", "-", "+", "$", "-$", "2147483648", "-2147483649", "$100000000", "-$80000001",
                            "99999999999999999999999", " 1", "1 ", "0x10", "$0x10", "1.5", "1e3", "12abc", "--1",
                            "+-1", "$-1", "1-2", "\xA3\xB1"}) {
        int value = 42;
        EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
        EXPECT_EQ(value, 42) << bad;
        try {
            StrToInt(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

}  // namespace
