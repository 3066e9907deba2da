#include <windows.h>

#include "classlib/colors.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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

// Each name reads in any letter case and is what its value writes back as.
TEST(Colors, EveryStandardNameReadsAndWrites)
{
    struct Case {
        const char* name;
        int index; // COLOR_ index of a system colour, else -1
    } cases[] = {
        {"clBlack", -1}, {"clMaroon", -1}, {"clGreen", -1}, {"clOlive", -1}, {"clNavy", -1},
        {"clPurple", -1}, {"clTeal", -1}, {"clGray", -1}, {"clSilver", -1}, {"clRed", -1},
        {"clLime", -1}, {"clYellow", -1}, {"clBlue", -1}, {"clFuchsia", -1}, {"clAqua", -1},
        {"clWhite", -1}, {"clMoneyGreen", -1}, {"clSkyBlue", -1}, {"clCream", -1},
        {"clMedGray", -1}, {"clNone", -1}, {"clDefault", -1},
        {"clScrollBar", COLOR_SCROLLBAR}, {"clBackground", COLOR_BACKGROUND},
        {"clActiveCaption", COLOR_ACTIVECAPTION}, {"clInactiveCaption", COLOR_INACTIVECAPTION},
        {"clMenu", COLOR_MENU}, {"clWindow", COLOR_WINDOW}, {"clWindowFrame", COLOR_WINDOWFRAME},
        {"clMenuText", COLOR_MENUTEXT}, {"clWindowText", COLOR_WINDOWTEXT},
        {"clCaptionText", COLOR_CAPTIONTEXT}, {"clActiveBorder", COLOR_ACTIVEBORDER},
        {"clInactiveBorder", COLOR_INACTIVEBORDER}, {"clAppWorkSpace", COLOR_APPWORKSPACE},
        {"clHighlight", COLOR_HIGHLIGHT}, {"clHighlightText", COLOR_HIGHLIGHTTEXT},
        {"clBtnFace", COLOR_BTNFACE}, {"clBtnShadow", COLOR_BTNSHADOW}, {"clGrayText", COLOR_GRAYTEXT},
        {"clBtnText", COLOR_BTNTEXT}, {"clInactiveCaptionText", COLOR_INACTIVECAPTIONTEXT},
        {"clBtnHighlight", COLOR_BTNHIGHLIGHT}, {"cl3DDkShadow", COLOR_3DDKSHADOW},
        {"cl3DLight", COLOR_3DLIGHT}, {"clInfoText", COLOR_INFOTEXT}, {"clInfoBk", COLOR_INFOBK},
        {"clHotLight", COLOR_HOTLIGHT}, {"clGradientActiveCaption", COLOR_GRADIENTACTIVECAPTION},
        {"clGradientInactiveCaption", COLOR_GRADIENTINACTIVECAPTION},
        {"clMenuHighlight", COLOR_MENUHILIGHT}, {"clMenuBar", COLOR_MENUBAR},
    };
    for (const auto& c : cases) {
        std::string upper = c.name;
        for (char& ch : upper)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        TColor value = StringToColor(c.name);
        if (c.index >= 0) {
            EXPECT_EQ(value, static_cast<TColor>(0xFF000000u | static_cast<unsigned>(c.index))) << c.name;
        }
        EXPECT_EQ(StringToColor(upper), value) << upper;
        EXPECT_EQ(ColorToString(value), c.name) << c.name;
    }
    EXPECT_EQ(cl3DLight, static_cast<TColor>(0xFF000016));
    EXPECT_EQ(clHighlight, static_cast<TColor>(0xFF00000D));
    EXPECT_EQ(clHotLight, static_cast<TColor>(0xFF00001A));
    // Index 25 has no name, so it is written as a number.
    EXPECT_EQ(ColorToString(static_cast<TColor>(0xFF000019)), "$FF000019");
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
