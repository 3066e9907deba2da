// Editor styles: the six values of their own, looked up through the style,
// its controller and the normal style; state styles handing three of them
// to the normal style; the default controller; copying, names and form
// text through the controller's four styles.
#include "editors/edit/styles/cxeditstyle.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editors/edit/styles/cxcontainerstyles.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"
#include "editors/edit/styles/cxeditstylecontroller.h"
#include "editors/edit/styles/cxstylecontainer.h"

namespace {

// The four styles of an editor with no container.
struct TEditStyles {
    TEditStyles() { styles.SetOnChanged([this](TcxContainerStyle& s) { ++changes[s.State()]; }); }
    TcxEditStyle& operator[](TcxContainerStyleState state) { return static_cast<TcxEditStyle&>(styles.Style(state)); }

    TcxContainerStyles styles{nullptr, &TcxEditStyle::Create};
    int changes[cxContainerStyleStateCount] = {};
};

// One of the six values: how to set a non-default value and whether a
// style reads it as set.
struct TValue {
    TcxContainerStyleValue index;
    std::function<void(TcxCustomEditStyle&)> set;
    std::function<bool(const TcxCustomEditStyle&)> isSet;
    bool baseOnly;
};

const TValue kValues[] = {
    {svButtonStyle, [](TcxCustomEditStyle& s) { s.SetButtonStyle(btsHotFlat); },
     [](const TcxCustomEditStyle& s) { return s.ButtonStyle() == btsHotFlat; }, false},
    {svButtonTransparency, [](TcxCustomEditStyle& s) { s.SetButtonTransparency(ebtHideInactive); },
     [](const TcxCustomEditStyle& s) { return s.ButtonTransparency() == ebtHideInactive; }, true},
    {svPopupBorderStyle, [](TcxCustomEditStyle& s) { s.SetPopupBorderStyle(epbsFrame3D); },
     [](const TcxCustomEditStyle& s) { return s.PopupBorderStyle() == epbsFrame3D; }, false},
    {svGradientButtons, [](TcxCustomEditStyle& s) { s.SetGradientButtons(true); },
     [](const TcxCustomEditStyle& s) { return s.GradientButtons(); }, false},
    {svGradient, [](TcxCustomEditStyle& s) { s.SetGradient(true); },
     [](const TcxCustomEditStyle& s) { return s.Gradient(); }, true},
    {svGradientDirection, [](TcxCustomEditStyle& s) { s.SetGradientDirection(dirLeft); },
     [](const TcxCustomEditStyle& s) { return s.GradientDirection() == dirLeft; }, true},
};

// An editor that is in place or not; its other answers do not matter here.
class TEditor : public TComponent, public IcxStyleContainer {
public:
    explicit TEditor(bool inplace) : inplace_(inplace) {}
    bool ParentColor() const override { return false; }
    void SetParentColor(bool) override {}
    bool ParentFont() const override { return false; }
    void SetParentFont(bool) override {}
    std::optional<TColor> ParentControlColor() const override { return std::nullopt; }
    bool DefaultsToParentColor() const override { return false; }
    bool RunsInplace() const override { return inplace_; }
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 0; }

private:
    const bool inplace_;
};

std::string NameOf(TcxContainerStyleValue index)
{
    std::string name;
    TcxEditStyle style(nullptr, cssNormal, nullptr, false);
    style.StyleValueName(index, name);
    return name;
}

} // namespace

TEST(EditStyle, TheNormalStyleStartsWithTheDefaults)
{
    TEditStyles styles;
    for (TcxContainerStyleState state : {cssNormal, cssFocused, cssDisabled, cssHot}) {
        const TcxEditStyle& s = styles[state];
        EXPECT_EQ(s.ButtonStyle(), btsDefault);
        EXPECT_EQ(s.ButtonTransparency(), ebtNone);
        EXPECT_EQ(s.PopupBorderStyle(), epbsDefault);
        EXPECT_FALSE(s.GradientButtons());
        EXPECT_FALSE(s.Gradient());
        EXPECT_EQ(s.GradientDirection(), dirDown);
        EXPECT_TRUE(s.PopupCloseButton());
    }
    EXPECT_EQ(styles[cssNormal].StyleValueCount(), 16);
}

TEST(EditStyle, StateStylesWithoutAValueAnswerTheNormalStyles)
{
    for (const TValue& v : kValues) {
        TEditStyles styles;
        v.set(styles[cssNormal]);
        for (TcxContainerStyleState state : {cssFocused, cssDisabled, cssHot})
            EXPECT_TRUE(v.isSet(styles[state])) << NameOf(v.index) << " " << +state;
    }
}

TEST(EditStyle, ValuesComeFromTheControllersStyleOfTheSameState)
{
    for (const TValue& v : kValues) {
        TEditStyles styles;
        TcxEditStyleController controller;
        styles[cssNormal].SetStyleController(&controller);
        v.set(v.baseOnly ? controller.Style() : controller.StyleHot());
        EXPECT_TRUE(v.isSet(styles[cssHot])) << NameOf(v.index);
        EXPECT_EQ(v.isSet(styles[cssNormal]), v.baseOnly) << NameOf(v.index);
        // Not set anywhere in the chain: the same state of another style stays default.
        EXPECT_EQ(v.isSet(styles[cssFocused]), v.baseOnly) << NameOf(v.index);
    }
}

TEST(EditStyle, ThreeValuesSetOnAStateStyleGoToTheNormalStyle)
{
    for (const TValue& v : kValues) {
        TEditStyles styles;
        v.set(styles[cssHot]);
        const TcxContainerStyleValues bit = cxStyleValueBit(v.index);
        EXPECT_EQ((styles[cssNormal].AssignedValues() & bit) != 0, v.baseOnly) << NameOf(v.index);
        EXPECT_EQ((styles[cssHot].AssignedValues() & bit) != 0, !v.baseOnly) << NameOf(v.index);
        EXPECT_EQ(styles.changes[cssNormal], v.baseOnly ? 1 : 0) << NameOf(v.index);
        EXPECT_EQ(v.isSet(styles[cssNormal]), v.baseOnly) << NameOf(v.index);
        EXPECT_TRUE(v.isSet(styles[cssHot])) << NameOf(v.index);
    }
}

TEST(EditStyle, AnOwnValueWinsOverTheController)
{
    TEditStyles styles;
    TcxEditStyleController controller;
    styles[cssNormal].SetStyleController(&controller);
    controller.StyleFocused().SetButtonStyle(btsFlat);
    styles[cssFocused].SetButtonStyle(btsUltraFlat);
    EXPECT_EQ(styles[cssFocused].ButtonStyle(), btsUltraFlat);
    // A plain container controller holds none of these values.
    TcxStyleController plain;
    styles[cssNormal].SetStyleController(&plain);
    plain.Styles().StyleHot().SetAssignedValues(cxStyleValueBit(svButtonStyle));
    EXPECT_EQ(styles[cssHot].ButtonStyle(), btsDefault);
}

TEST(EditStyle, OnlyAnEditorOutOfPlaceFallsBackToTheDefaultController)
{
    TcxEditStyleController fallback;
    TcxStyleController* saved = GetDefaultEditStyleController();
    cxRegisterDefaultStyleController(&fallback);
    for (const bool inplace : {false, true}) {
        TEditor editor(inplace);
        TcxEditStyle style(&editor, cssNormal, nullptr, false);
        EXPECT_EQ(style.GetFallbackController(), inplace ? nullptr : &fallback) << inplace;
    }
    cxRegisterDefaultStyleController(saved);
}

TEST(EditStyle, DirectAccessReadsOwnValuesOrDefaults)
{
    TcxEditStyle style(nullptr, cssNormal, nullptr, true);
    EXPECT_EQ(style.ButtonStyle(), btsDefault);
    style.SetButtonStyle(bts3D);
    EXPECT_EQ(style.ButtonStyle(), bts3D);
}

TEST(EditStyle, AssignCopiesTheSixValuesAsOneChange)
{
    TEditStyles from, to;
    for (const TValue& v : kValues)
        v.set(from[cssNormal]);
    from[cssNormal].SetColor(clRed);
    to[cssNormal].Assign(from[cssNormal]);
    for (const TValue& v : kValues)
        EXPECT_TRUE(v.isSet(to[cssNormal])) << NameOf(v.index);
    EXPECT_EQ(to[cssNormal].Color(), clRed);
    EXPECT_EQ(to[cssNormal].AssignedValues(), from[cssNormal].AssignedValues());
    EXPECT_EQ(to.changes[cssNormal], 1);
}

TEST(EditStyle, NamesAndStatePublishing)
{
    struct Case {
        const char* name;
        TcxContainerStyleValue index;
        bool publishedForStates;
    } cases[] = {
        {"ButtonStyle", svButtonStyle, true},          {"ButtonTransparency", svButtonTransparency, false},
        {"PopupBorderStyle", svPopupBorderStyle, false}, {"GradientButtons", svGradientButtons, false},
        {"Gradient", svGradient, false},               {"GradientDirection", svGradientDirection, false},
        {"BorderColor", svBorderColor, true},          {"HotTrack", svHotTrack, false},
    };
    TcxEditStyle style(nullptr, cssHot, nullptr, false);
    for (const Case& c : cases) {
        TcxContainerStyleValue index = -1;
        EXPECT_TRUE(style.StyleValueIndex(c.name, index)) << c.name;
        EXPECT_EQ(index, c.index) << c.name;
        EXPECT_EQ(NameOf(c.index), c.name);
        EXPECT_EQ(style.IsExtendedStylePropertyPublished(c.name), c.publishedForStates) << c.name;
    }
    std::string name;
    EXPECT_FALSE(style.StyleValueName(cxEditStyleValueCount, name));
}

TEST(EditStyle, FormTextSetsTheControllersStyles)
{
    TcxEditStyleController controller;
    const struct {
        const char* name;
        const char* value;
        std::function<bool()> check;
    } cases[] = {
        {"Style.ButtonStyle", "btsOffice11", [&] { return controller.Style().ButtonStyle() == btsOffice11; }},
        {"StyleHot.ButtonTransparency", "ebtAlways",
         [&] { return controller.Style().ButtonTransparency() == ebtAlways; }},
        {"StyleFocused.PopupBorderStyle", "epbsFlat",
         [&] { return controller.StyleFocused().PopupBorderStyle() == epbsFlat; }},
        {"StyleDisabled.GradientDirection", "dirUp", [&] { return controller.Style().GradientDirection() == dirUp; }},
        {"Style.Gradient", "true", [&] { return controller.Style().Gradient(); }},
        {"StyleDisabled.AssignedValues", "[svButtonStyle, svColor]",
         [&] {
             return controller.StyleDisabled().AssignedValues() ==
                    (cxStyleValueBit(svButtonStyle) | cxStyleValueBit(svColor));
         }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(controller.SetProperty(c.name, c.value)) << c.name;
        EXPECT_TRUE(c.check()) << c.name;
    }
    EXPECT_THROW(controller.SetProperty("Style.AssignedValues", "[svNothing]"), EComponentError);
}
