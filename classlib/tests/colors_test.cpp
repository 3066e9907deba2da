#include <windows.h>

#include "classlib/colors.h"

#include <gtest/gtest.h>

#include "classlib/exceptions.h"

TEST(Colors, NamesAndNumbersRoundTrip)
{
    struct Case {
        const char* text;
        TColor value;
        const char* written;
    } cases[] = {
        {"clTeal", 0x808000, "clTeal"},
        {"clmoneygreen", 0xC0DCC0, "clMoneyGreen"},
        {"clWhite", 0xFFFFFF, "clWhite"},
        {"$00123456", 0x123456, "$00123456"},
        {"$000000FF", 0xFF, "clRed"},
        {"255", 0xFF, "clRed"},
        {"clBtnFace", static_cast<TColor>(0xFF00000F), "clBtnFace"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StringToColor(c.text), c.value) << c.text;
        EXPECT_EQ(ColorToString(c.value), c.written) << c.text;
    }
}

TEST(Colors, BadTextIsAConversionError)
{
    for (const char* text : {"", "clPink", "$", "$12G", "12abc", "$1FFFFFFFF"})
        EXPECT_THROW(StringToColor(text), EConvertError) << text;
}

TEST(Colors, SystemColoursAreLookedUp)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clTeal), 0x808000u);
}
