// Colour and font between the styles, the container, its parent and its
// inner EDIT: each way in, and what the control and the style hold after.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "classlib/application.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/tests/containerscene.h"

namespace {

bool OwnValue(const TcxContainerStyle& style, TcxContainerStyleValue value)
{
    return style.AssignedValues() & cxStyleValueBit(value);
}

struct Expected {
    TColor color;
    bool parentColor, ownColor;
    int fontSize;
    bool parentFont, ownFont;
};

} // namespace

TEST(ContainerAppearance, ColourAndFontReachTheControlTheStyleAndTheInnerControl)
{
    Application.Initialize();
    const int defaultSize = TFont().Size();
    using TAct = std::function<void(Scene&, TcxContainerStyle& normal)>;
    const struct {
        const char* name;
        TAct act;
        Expected expected;
    } cases[] = {
        {"style colour", [](Scene&, TcxContainerStyle& n) { n.SetColor(clYellow); },
         {clYellow, false, true, defaultSize, true, false}},
        {"style font", [](Scene&, TcxContainerStyle& n) { n.Font()->SetSize(15); },
         {clWindow, false, false, 15, false, true}},
        {"control colour", [](Scene& s, TcxContainerStyle&) { s.container->SetColor(clLime); },
         {clLime, false, true, defaultSize, true, false}},
        {"control font", [](Scene& s, TcxContainerStyle&) { s.container->Font().SetSize(16); },
         {clWindow, false, false, 16, false, false}},
        {"parent colour",
         [](Scene& s, TcxContainerStyle&) {
             s.container->SetParentColor(true);
             s.form->SetColor(clAqua);
         },
         {clAqua, true, false, defaultSize, true, false}},
        {"parent font", [](Scene& s, TcxContainerStyle&) { s.form->Font().SetSize(18); },
         {clWindow, false, false, 18, true, false}},
        {"style colour over the parent's",
         [](Scene& s, TcxContainerStyle& n) {
             s.container->SetParentColor(true);
             n.SetColor(clYellow);
             s.form->SetColor(clAqua);
         },
         {clYellow, false, true, defaultSize, true, false}},
        {"style font over the parent's",
         [](Scene& s, TcxContainerStyle& n) {
             n.Font()->SetSize(15);
             s.form->Font().SetSize(18);
         },
         {clWindow, false, false, 15, false, true}},
        {"parent colour again after a colour of its own",
         [](Scene& s, TcxContainerStyle&) {
             s.container->SetColor(clLime);
             s.form->SetColor(clAqua);
             s.container->SetParentColor(true);
         },
         {clAqua, true, false, defaultSize, true, false}},
    };
    for (const auto& c : cases) {
        Scene s;
        TcxContainerStyle& normal = s.container->Styles().StyleNormal();
        c.act(s, normal);
        const Expected& e = c.expected;
        EXPECT_EQ(s.container->Color(), e.color) << c.name;
        EXPECT_EQ(s.edit->Color(), e.color) << c.name;
        EXPECT_EQ(normal.Color(), e.color) << c.name;
        EXPECT_EQ(s.container->ParentColor(), e.parentColor) << c.name;
        EXPECT_EQ(OwnValue(normal, svColor), e.ownColor) << c.name;
        EXPECT_EQ(s.container->Font().Size(), e.fontSize) << c.name;
        EXPECT_EQ(s.edit->Font().Size(), e.fontSize) << c.name;
        EXPECT_EQ(normal.Font()->Size(), e.fontSize) << c.name;
        EXPECT_EQ(s.container->ParentFont(), e.parentFont) << c.name;
        EXPECT_EQ(OwnValue(normal, svFont), e.ownFont) << c.name;
    }
}
