// Container styles over a stand-in container: fallbacks, the state table,
// controller chains and links, change events, copying and resetting,
// direct access and form text.
#include "editors/edit/styles/cxcontainerstyle.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "classlib/tests/freedmemory.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/edit/styles/cxcontainerstyles.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"
#include "editors/edit/styles/cxstylecontainer.h"
#include "editors/edit/styles/cxstylecontroller.h"

namespace {

// Answers the styles' questions from plain fields, as the container control will from its own.
class TStyleContainer : public TComponent, public IcxStyleContainer {
public:
    explicit TStyleContainer(TComponent* owner = nullptr, bool panelLike = false)
        : TComponent(owner), panelLike_(panelLike)
    {
        styles_ = std::make_unique<TcxContainerStyles>(this, &TcxContainerStyle::Create);
        styles_->SetOnChanged([this](TcxContainerStyle& style) { ++changes[style.State()]; });
    }
    TcxContainerStyles& Styles() { return *styles_; }
    TcxContainerStyle& Style(TcxContainerStyleState state) { return styles_->Style(state); }

    bool ParentColor() const override { return parentColor; }
    void SetParentColor(bool value) override { parentColor = value; }
    bool ParentFont() const override { return parentFont; }
    void SetParentFont(bool value) override { parentFont = value; }
    std::optional<TColor> ParentControlColor() const override { return parentControlColor; }
    bool DefaultsToParentColor() const override { return panelLike_; }
    bool RunsInplace() const override { return inplace; }
    TcxContainerStyleValues GetHiddenStyleValues() const override { return hidden; }

    bool parentColor = false, parentFont = false, inplace = false;
    std::optional<TColor> parentControlColor;
    TcxContainerStyleValues hidden = 0;
    int changes[cxContainerStyleStateCount] = {};

protected:
    TPersistent* NestedObject(std::string_view name) override
    {
        if (name == "Style")
            return &Style(cssNormal);
        return name == "StyleHot" ? &Style(cssHot) : nullptr;
    }

private:
    const bool panelLike_;
    std::unique_ptr<TcxContainerStyles> styles_;
};

TcxContainerStyle& NormalOf(TcxStyleController& controller)
{
    return controller.Styles().StyleNormal();
}

// A default controller registered for each test, as the edit unit will.
class ContainerStyle : public ::testing::Test {
protected:
    void SetUp() override
    {
        fallback = new TcxStyleController;
        cxRegisterDefaultStyleController(fallback);
    }
    void TearDown() override { delete GetDefaultEditStyleController(); }

    TcxStyleController* fallback = nullptr;
};

} // namespace

TEST_F(ContainerStyle, StateStylesFallBackThroughTheStateTable)
{
    struct Case {
        TcxContainerBorderStyle normal;
        bool hotTrack;
        TcxContainerStyleState state;
        TcxContainerBorderStyle expected;
    } cases[] = {
        {cbsSingle, true, cssFocused, cbsThick}, {cbsSingle, false, cssFocused, cbsSingle},
        {cbsNone, true, cssHot, cbsFlat},        {cbsNone, false, cssHot, cbsNone},
        {cbsFlat, false, cssDisabled, cbsFlat},  {cbsFlat, true, cssFocused, cbs3D},
        {cbsSingle, false, cssDisabled, cbsSingle},  {cbsUltraFlat, true, cssHot, cbsUltraFlat},
    };
    for (const Case& c : cases) {
        TStyleContainer container;
        container.Style(cssNormal).SetBorderStyle(c.normal);
        container.Style(cssNormal).SetHotTrack(c.hotTrack);
        EXPECT_EQ(container.Style(c.state).BorderStyle(), c.expected)
            << c.normal << " " << c.hotTrack << " " << +c.state;
    }
    const TcxContainerBorderStyle byKind[] = {cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};
    for (auto kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
        TStyleContainer container;
        container.Style(cssNormal).LookAndFeel().SetKind(kind);
        EXPECT_EQ(container.Style(cssNormal).BorderStyle(), byKind[kind]) << +kind;
    }
}

TEST_F(ContainerStyle, ColoursFallBackByStateAndContainerKind)
{
    struct Case {
        bool panelLike;
        TcxContainerStyleState state;
        TColor color, borderColor, textColor;
    } cases[] = {
        {false, cssNormal, clWindow, clWindowFrame, clWindowText},
        {false, cssFocused, clWindow, clWindowFrame, clWindowText},
        {false, cssDisabled, clBtnFace, clBtnShadow, clBtnShadow},
        {true, cssNormal, clBtnFace, clWindowFrame, clWindowText},
        {true, cssDisabled, clBtnFace, clBtnShadow, clBtnShadow},
        {true, cssHot, clBtnFace, clWindowFrame, clWindowText},
    };
    for (const Case& c : cases) {
        TStyleContainer container(nullptr, c.panelLike);
        TcxContainerStyle& style = container.Style(c.state);
        EXPECT_EQ(style.Color(), c.color) << c.panelLike << +c.state;
        EXPECT_EQ(style.BorderColor(), c.borderColor) << c.panelLike << +c.state;
        EXPECT_EQ(style.TextColor(), c.textColor) << c.panelLike << +c.state;
    }
    // The parent's colour wins for a container that takes it; in place, not for the control.
    TStyleContainer container;
    container.parentColor = true;
    container.parentControlColor = clYellow;
    container.Style(cssNormal).SetColor(clRed);
    EXPECT_EQ(container.Style(cssNormal).Color(), clYellow);
    EXPECT_EQ(container.Style(cssNormal).ColorForControl(), clRed);
    container.Style(cssNormal).SetAssignedValues(0);
    EXPECT_EQ(container.Style(cssNormal).ColorForControl(), clYellow);
    container.inplace = true;
    EXPECT_EQ(container.Style(cssNormal).ColorForControl(), clWindow);
}

TEST_F(ContainerStyle, ValuesComeThroughTwoControllersNearestFirst)
{
    TcxStyleController nearer, farther;
    NormalOf(nearer).SetStyleController(&farther);
    TStyleContainer container;
    container.Style(cssNormal).SetStyleController(&nearer);
    TcxContainerStyle& focused = container.Style(cssFocused);

    farther.Styles().StyleFocused().SetTextColor(clRed);
    EXPECT_EQ(focused.TextColor(), clRed);
    nearer.Styles().StyleFocused().SetTextColor(clBlue);
    EXPECT_EQ(focused.TextColor(), clBlue);
    focused.SetTextColor(clGreen);
    EXPECT_EQ(focused.TextColor(), clGreen);
    EXPECT_TRUE(focused.IsValueProvided(svTextColor));
    EXPECT_FALSE(focused.IsValueProvided(svBorderColor));

    // The farther controller's font reaches the container, and each change of it
    // is copied again without counting as the container's own font.
    const int changesBefore = container.changes[cssNormal];
    NormalOf(farther).Font()->SetSize(20);
    EXPECT_EQ(container.Style(cssNormal).Font()->Size(), 20);
    NormalOf(farther).Font()->SetStyle(fsItalic);
    EXPECT_EQ(container.Style(cssNormal).Font()->Style(), fsItalic);
    EXPECT_EQ(container.Style(cssNormal).VisibleFont().Style(), fsItalic);
    EXPECT_FALSE(container.Style(cssNormal).AssignedValues() & cxStyleValueBit(svFont));
    EXPECT_GT(container.changes[cssNormal], changesBefore);
    EXPECT_EQ(NormalOf(farther).Font()->Size(), 20);
    // The container's style follows the controller's look and feel.
    NormalOf(nearer).LookAndFeel().SetKind(lfOffice11);
    EXPECT_EQ(container.Style(cssNormal).LookAndFeel().GetKind(), lfOffice11);
}

TEST_F(ContainerStyle, LinksThatCloseACircleAreRefused)
{
    TcxStyleController a, b;
    NormalOf(a).SetStyleController(&b);
    NormalOf(b).SetStyleController(&a);
    EXPECT_EQ(NormalOf(b).StyleController(), nullptr);
    NormalOf(a).SetStyleController(&a);
    EXPECT_EQ(NormalOf(a).StyleController(), &b);

    // Copying a style linked to a takes its values but not the link.
    TStyleContainer container;
    container.Style(cssNormal).SetStyleController(&a);
    container.Style(cssNormal).SetBorderColor(clRed);
    NormalOf(b).Assign(container.Style(cssNormal));
    EXPECT_EQ(NormalOf(b).StyleController(), nullptr);
    EXPECT_EQ(NormalOf(b).BorderColor(), clRed);
    EXPECT_FALSE(a.IsListener(&NormalOf(b)));

    TcxLookAndFeel other;
    EXPECT_THROW(NormalOf(b).Assign(other), EConvertError);
}

TEST_F(ContainerStyle, BaseValuesSetOnAStateStyleChangeTheNormalStyle)
{
    TStyleContainer container;
    container.Style(cssHot).SetEdges(bLeft | bTop);
    EXPECT_EQ(container.Style(cssNormal).Edges(), bLeft | bTop);
    EXPECT_EQ(container.Style(cssFocused).Edges(), bLeft | bTop);
    EXPECT_EQ(container.changes[cssNormal], 1);
    EXPECT_EQ(container.changes[cssHot], 0);
    // The same value again changes nothing.
    container.Style(cssFocused).SetEdges(bLeft | bTop);
    EXPECT_EQ(container.changes[cssNormal], 1);
}

TEST_F(ContainerStyle, FormTextSetsTheStyles)
{
    TComponent form;
    auto& controller = form.Adopt(std::make_unique<TcxStyleController>(&form));
    controller.SetName("Controller1");
    auto& container = form.Adopt(std::make_unique<TStyleContainer>(&form));
    struct Case {
        const char* name;
        const char* value;
        bool (*check)(TStyleContainer&);
    } cases[] = {
        {"Style.Edges", "[bLeft, bBottom]",
         [](TStyleContainer& c) { return c.Style(cssNormal).Edges() == (bLeft | bBottom); }},
        {"Style.TextStyle", "[fsBold, fsUnderline]",
         [](TStyleContainer& c) { return c.Style(cssNormal).VisibleFont().Style() == (fsBold | fsUnderline); }},
        {"StyleHot.BorderStyle", "cbsThick",
         [](TStyleContainer& c) { return c.Style(cssHot).BorderStyle() == cbsThick; }},
        {"Style.LookAndFeel.Kind", "lfFlat",
         [](TStyleContainer& c) { return c.Style(cssNormal).LookAndFeel().GetKind() == lfFlat; }},
        {"Style.AssignedValues", "[svColor]",
         [](TStyleContainer& c) { return c.Style(cssNormal).AssignedValues() == cxStyleValueBit(svColor); }},
        {"Style.StyleController", "Controller1",
         [](TStyleContainer& c) { return c.Style(cssNormal).StyleController() != nullptr; }},
        // Read as written, whatever it says: the font was set.
        {"Style.IsFontAssigned", "false",
         [](TStyleContainer& c) { return (c.Style(cssNormal).AssignedValues() & cxStyleValueBit(svFont)) != 0; }},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.check(container)) << c.name;
        ASSERT_TRUE(container.SetProperty(c.name, c.value)) << c.name;
        EXPECT_TRUE(c.check(container)) << c.name;
    }
    EXPECT_EQ(container.Style(cssNormal).StyleController(), &controller);
    EXPECT_THROW(container.SetProperty("Style.StyleController", "Nobody"), EComponentError);
}

TEST_F(ContainerStyle, StoredValuesAreTheOnesSetAndPublished)
{
    TStyleContainer container;
    container.hidden = cxStyleValueBit(svShadow);
    container.Style(cssNormal).SetShadow(true);
    container.Style(cssNormal).SetColor(clRed);
    container.Style(cssFocused).SetColor(clRed);
    container.Style(cssFocused).SetAssignedValues(cxStyleValueBit(svColor) | cxStyleValueBit(svEdges));
    EXPECT_TRUE(container.Style(cssNormal).IsStyleValueStored(svColor));
    EXPECT_FALSE(container.Style(cssNormal).IsStyleValueStored(svShadow));
    EXPECT_FALSE(container.Style(cssNormal).IsStyleValueStored(svBorderColor));
    EXPECT_TRUE(container.Style(cssFocused).IsStyleValueStored(svColor));
    EXPECT_FALSE(container.Style(cssFocused).IsStyleValueStored(svEdges));
    TcxContainerStyleValue index = -1;
    EXPECT_TRUE(container.Style(cssNormal).StyleValueIndex("textcolor", index));
    EXPECT_EQ(index, svTextColor);
}

TEST_F(ContainerStyle, ResetValuesClearsTheStyleAndSetsTheContainer)
{
    for (bool controllerColor : {false, true}) {
        TcxStyleController controller;
        if (controllerColor)
            NormalOf(controller).SetColor(clRed);
        TStyleContainer container(nullptr, true);
        TcxContainerStyle& style = container.Style(cssNormal);
        style.SetStyleController(&controller);
        style.SetColor(clBlue);
        style.Font()->SetSize(30);
        style.LookAndFeel().SetKind(lfFlat);
        container.parentColor = true;
        const int changesBefore = container.changes[cssNormal];

        style.ResetValues();
        EXPECT_EQ(style.AssignedValues(), 0u);
        EXPECT_EQ(style.LookAndFeel().AssignedValues(), 0u);
        EXPECT_TRUE(container.parentFont);
        EXPECT_EQ(container.parentColor, !controllerColor);
        EXPECT_EQ(container.changes[cssNormal], changesBefore + 1);
    }
}

TEST_F(ContainerStyle, DirectAccessHoldsPlainValues)
{
    TFont borrowed;
    borrowed.SetStyle(fsItalic);
    TcxContainerStyle style(nullptr, cssNormal, nullptr, true);
    int changes = 0;
    style.OnChanged = [&](TcxContainerStyle&) { ++changes; };
    EXPECT_EQ(style.AssignedValues(), (1u << style.StyleValueCount()) - 1);
    EXPECT_EQ(style.Font(), nullptr);
    style.SetFont(&borrowed);
    EXPECT_EQ(style.Font(), &borrowed);
    style.SetColor(clRed);
    style.SetShadow(true);
    style.SetEdges(bLeft);
    style.SetBorderColor(clBlue);
    EXPECT_EQ(style.Color(), clRed);
    EXPECT_EQ(style.TextStyle(), fsItalic);
    EXPECT_FALSE(style.Shadow());
    EXPECT_EQ(style.Edges(), 0u);
    EXPECT_EQ(style.BorderColor(), clDefault);
    EXPECT_EQ(style.BorderStyle(), cbsUltraFlat);
    style.SetBorderStyle(cbsThick);
    EXPECT_EQ(style.BorderStyle(), cbsThick);
    EXPECT_EQ(changes, 0);
}

TEST_F(ContainerStyle, FreedControllersLeaveNoLinkBehind)
{
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    TStyleContainer container;
    TcxContainerStyle& style = container.Style(cssNormal);
    auto* controller = new TcxStyleController;
    style.SetStyleController(controller);
    delete controller;
    EXPECT_EQ(style.LinkedController(), fallback);

    // The default controller itself goes: the link is none, not the dying one.
    delete fallback;
    EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
    EXPECT_EQ(style.LinkedController(), nullptr);
    style.SetBorderColor(clRed);
    EXPECT_EQ(style.BorderColor(), clRed);
}

TEST_F(ContainerStyle, ControllerFontScalesOnceOrPassesOn)
{
    TcxStyleController nearer, farther;
    NormalOf(nearer).SetStyleController(&farther);
    NormalOf(farther).Font()->SetSize(10);
    nearer.ScaleFont(3, 2);
    nearer.ScaleFont(3, 2);
    EXPECT_EQ(NormalOf(farther).Font()->Size(), 15);
}

TEST(EditUnits, EndingThemDropsTheDefaultController)
{
    TcxStyleController controller;
    cxRegisterDefaultStyleController(&controller);
    { TUnitsStarted units(cxEditUnits()); }
    EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
}

// The container's font taken in leaves the Font flag as it was; a change
// handler that raises while the font is taken or derived leaves it unlocked,
// so a font set later is the style's own again.
TEST_F(ContainerStyle, TheFontFlagSurvivesTakingAndDerivingTheFont)
{
    const TcxContainerStyleValues fontBit = cxStyleValueBit(svFont);
    for (const bool own : {false, true}) {
        TStyleContainer container;
        TcxContainerStyle& style = container.Style(cssNormal);
        if (own)
            style.Font()->SetSize(20);
        TFont taken;
        taken.SetSize(25);
        style.TakeContainerFont(taken);
        EXPECT_EQ(style.Font()->Size(), 25) << own;
        EXPECT_EQ(style.AssignedValues() & fontBit, own ? fontBit : 0u) << own;
    }
    using TChange = std::function<void(TcxContainerStyle&)>;
    const TChange changes[] = {
        [](TcxContainerStyle& style) { style.SetAssignedValues(0); },
        [](TcxContainerStyle& style) {
            TFont taken;
            taken.SetSize(26);
            style.TakeContainerFont(taken);
        },
    };
    for (const TChange& change : changes) {
        TStyleContainer container;
        TcxContainerStyle& style = container.Style(cssNormal);
        style.Font()->SetSize(20);
        container.Styles().SetOnChanged([](TcxContainerStyle&) { throw std::runtime_error("handler"); });
        EXPECT_THROW(change(style), std::runtime_error);
        container.Styles().SetOnChanged(nullptr);
        style.SetAssignedValues(0);
        style.Font()->SetSize(22);
        EXPECT_EQ(style.AssignedValues() & fontBit, fontBit);
    }
}
