// The editors' shared helpers that need no window.
#include "editors/edit/core/cxedithelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "editors/foundation/core/cxclasses.h"

TEST(EditHelpers, EnlargeSizeRaisesEachComponentOnItsOwn)
{
    struct Case {
        TSize a, b, result;
    } cases[] = {
        {{1, 9}, {5, 2}, {5, 9}},
        {{5, 5}, {5, 5}, {5, 5}},
        {{-3, INT_MIN}, {-7, INT_MAX}, {-3, INT_MAX}},
    };
    for (Case& c : cases) {
        EnlargeSize(c.a, c.b);
        EXPECT_EQ(c.a.cx, c.result.cx);
        EXPECT_EQ(c.a.cy, c.result.cy);
    }
}

TEST(EditHelpers, OwningComponentWalksUpToTheFirstComponent)
{
    TComponent form;
    // Persistents owned by persistents, as a style is by its properties.
    TcxInterfacedPersistent properties(&form), style(&properties), loose(nullptr);
    EXPECT_EQ(OwningComponent(&style), &form);
    EXPECT_EQ(OwningComponent(&form), &form);
    EXPECT_EQ(OwningComponent(&loose), nullptr);
    EXPECT_EQ(OwningComponent(nullptr), nullptr);
}

TEST(EditHelpers, VarEqualsSameTypeWantsTheSameKind)
{
    struct Case {
        Variant a, b;
        bool equal;
    } cases[] = {
        {Variant(1), Variant(1), true},
        {Variant(1), Variant(1.0), false},
        {Variant(1), Variant(2), false},
        {Variant(std::string("a")), Variant(std::string("a")), true},
        {Variant(true), Variant(std::string("True")), false},
        {Variant(), Variant(), true},
        {Variant(), Variant(std::string()), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VarEqualsSameType(c.a, c.b), c.equal) << c.a.VarType() << " / " << c.b.VarType();
}

TEST(EditHelpers, BlankCharacters)
{
    const std::string blanks("\0\t\n\f\r ", 6);
    for (int c = CHAR_MIN; c <= CHAR_MAX; ++c)
        EXPECT_EQ(IsBlankChar(static_cast<char>(c)), blanks.find(static_cast<char>(c)) != std::string::npos) << c;
}

TEST(EditHelpers, ButtonsLookFollowsTheStyleInPlaceElseTheFirstButton)
{
    const TcxEditButtonStyle office = btsOffice11, simple = btsSimple;
    EXPECT_EQ(ButtonsLookAndFeelKind(false, lfUltraFlat, &office), lfOffice11);
    EXPECT_EQ(ButtonsLookAndFeelKind(false, lfUltraFlat, &simple), lfFlat);
    EXPECT_EQ(ButtonsLookAndFeelKind(true, lfUltraFlat, &office), lfUltraFlat) << "in place: the style's look";
    EXPECT_EQ(ButtonsLookAndFeelKind(false, lfFlat, nullptr), lfStandard) << "no button";
}
