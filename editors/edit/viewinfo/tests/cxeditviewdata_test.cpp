// The view data computed without an editor, from properties and a style
// alone, into a view information: no window in sight.
#include "editors/edit/viewinfo/cxeditviewdata.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/bitmap.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/tests/viewinfotesting.h"

namespace {

// The left and right of every button.
std::vector<int> Spans(const TcxCustomEditViewInfo& vi)
{
    std::vector<int> s;
    for (const auto& b : vi.ButtonsInfo)
        s.insert(s.end(), {b->Bounds.left, b->Bounds.right});
    return s;
}

std::vector<int> States(const TcxCustomEditViewInfo& vi)
{
    std::vector<int> s;
    for (const auto& b : vi.ButtonsInfo)
        s.push_back(b->Data.State);
    return s;
}

class EditViewData : public ::testing::Test {
protected:
    void SetUp() override
    {
        style.SetBorderStyle(cbsSingle);
        style.SetTransparentBorder(false);
        bitmap.SetSize(8, 8);
    }

    TcxEditButton& AddButton(TcxEditButtonKind kind = bkDown, int width = 0, bool left = false)
    {
        TcxEditButton& b = properties.Buttons().Add();
        b.SetKind(kind);
        b.SetWidth(width);
        b.SetLeftAlignment(left);
        return b;
    }

    // A fresh view data each time, as an editor makes one per computation.
    void Compute(const TRect& bounds, POINT p = {-1, -1}, int pressed = -1, TShiftState shift = 0)
    {
        data = TcxCustomEditViewData::Create(properties, &style, false);
        data->ViewState = state;
        data->Compute(canvas, bounds, p, pressed, shift, vi);
    }

    TcxCustomEditProperties properties{nullptr};
    TcxEditStyle style{nullptr, cssNormal, nullptr, false};
    TcxEditViewState state;
    TBitmap bitmap;
    TcxCanvas canvas{bitmap.Canvas()};
    std::unique_ptr<TcxCustomEditViewData> data;
    TcxCustomEditViewInfo vi;
    const int systemWidth = GetSystemMetrics(SM_CYHSCROLL);
};

TEST_F(EditViewData, WithoutButtonsTheClientIsTheBoundsMinusTheBorder)
{
    const struct {
        const char* name;
        TcxContainerBorderStyle border;
        unsigned edges;
        bool transparent, shadow;
        std::vector<int> inner, client;
    } cases[] = {
        {"single", cbsSingle, cxBordersAll, false, false, {1, 1, 99, 19}, {1, 1, 99, 19}},
        {"thick", cbsThick, cxBordersAll, false, false, {2, 2, 98, 18}, {2, 2, 98, 18}},
        {"none", cbsNone, cxBordersAll, false, false, {0, 0, 100, 20}, {0, 0, 100, 20}},
        {"3D on the left and top", cbs3D, bLeft | bTop, false, false, {2, 2, 100, 20}, {2, 2, 100, 20}},
        {"transparent border", cbsSingle, cxBordersAll, true, false, {2, 2, 98, 18}, {2, 2, 98, 18}},
        {"shadow", cbsSingle, cxBordersAll, false, true, {1, 1, 96, 16}, {1, 1, 96, 16}},
    };
    for (const auto& c : cases) {
        style.SetBorderStyle(c.border);
        style.SetEdges(c.edges);
        style.SetTransparentBorder(c.transparent);
        style.SetShadow(c.shadow);
        Compute({0, 0, 100, 20});
        EXPECT_EQ(vi.ButtonCount(), 0) << c.name;
        EXPECT_EQ(Sides(vi.InnerRect), c.inner) << c.name;
        EXPECT_EQ(Sides(vi.ContentRect), c.client) << c.name;
        EXPECT_EQ(Sides(vi.InnerEditRect), c.client) << c.name;
        EXPECT_EQ(vi.BorderStyle, c.border) << c.name;
    }
}

TEST_F(EditViewData, ButtonsTakeTheirSidesOfTheClient)
{
    AddButton(bkEllipsis, 0, true);
    AddButton(bkDown);
    AddButton(bkGlyph, 25);
    properties.Buttons().Add().SetVisible(false);
    Compute({0, 0, 200, 24});
    ASSERT_EQ(vi.ButtonCount(), 3);
    const int w = systemWidth;
    EXPECT_EQ(Spans(vi), (std::vector<int>{1, 1 + w, 199 - 25 - w, 199 - 25, 199 - 25, 199}));
    EXPECT_EQ(Sides(vi.ContentRect), (std::vector<int>{1 + w, 1, 199 - 25 - w, 23}));
    for (const auto& b : vi.ButtonsInfo) {
        EXPECT_EQ(b->Bounds.top, 1);
        EXPECT_EQ(b->Bounds.bottom, 23);
    }
    EXPECT_EQ(vi.Button(2).Index, 2);
    EXPECT_EQ(data->ButtonsCount, 3);
}

TEST_F(EditViewData, ButtonTransparency)
{
    AddButton();
    AddButton();
    const struct {
        TcxEditButtonTransparency transparency;
        bool focused;
        POINT p;
        int buttons;
        bool transparent;
    } cases[] = {
        {ebtNone, false, {-1, -1}, 2, false},           {ebtHideInactive, false, {-1, -1}, 0, false},
        {ebtHideInactive, false, {5, 5}, 0, false},     {ebtHideInactive, true, {-1, -1}, 2, false},
        {ebtHideUnselected, false, {-1, -1}, 0, false}, {ebtHideUnselected, false, {5, 5}, 2, false},
        {ebtHideUnselected, true, {-1, -1}, 2, false},  {ebtInactive, false, {-1, -1}, 2, true},
        {ebtInactive, false, {5, 5}, 2, false},         {ebtInactive, true, {-1, -1}, 2, false},
        {ebtAlways, true, {5, 5}, 2, true},
    };
    for (const auto& c : cases) {
        style.SetButtonTransparency(c.transparency);
        state.Focused = c.focused;
        Compute({0, 0, 100, 20}, c.p);
        ASSERT_EQ(vi.ButtonCount(), c.buttons) << int(c.transparency) << c.focused << c.p.x;
        if (c.buttons == 0) {
            EXPECT_EQ(Sides(vi.ContentRect), (std::vector<int>{1, 1, 99, 19}));
        }
        for (const auto& b : vi.ButtonsInfo) {
            EXPECT_EQ(b->Data.Transparent, c.transparent) << int(c.transparency) << c.focused << c.p.x;
        }
    }
}

TEST_F(EditViewData, ButtonStatesFromThePointAndThePressedButton)
{
    AddButton();
    AddButton();
    AddButton().SetEnabled(false);
    Compute({0, 0, 100, 20});
    const int first = vi.Button(0).Bounds.left + 2, second = vi.Button(1).Bounds.left + 2,
              third = vi.Button(2).Bounds.left + 2;
    const struct {
        const char* name;
        POINT p;
        int pressed;
        TShiftState shift;
        bool enabled, designing;
        std::vector<int> states;
        int hot, down;
    } cases[] = {
        {"away", {5, 5}, -1, 0, true, false, {ebsNormal, ebsNormal, ebsDisabled}, -1, -1},
        {"over the second", {second, 10}, -1, 0, true, false, {ebsNormal, ebsHot, ebsDisabled}, 1, -1},
        {"pressed on the second", {second, 10}, -1, ssLeft, true, false, {ebsNormal, ebsPressed, ebsDisabled}, -1,
         1},
        {"right button is no press", {second, 10}, -1, ssRight, true, false, {ebsNormal, ebsHot, ebsDisabled}, 1, -1},
        {"the press on the first goes on", {5, 5}, 0, ssLeft, true, false, {ebsPressed, ebsNormal, ebsDisabled}, -1,
         0},
        {"released away from the first", {5, 5}, 0, 0, true, false, {ebsNormal, ebsNormal, ebsDisabled}, -1, -1},
        {"released over the first", {first, 3}, 0, 0, true, false, {ebsHot, ebsNormal, ebsDisabled}, 0, -1},
        {"over a disabled button", {third, 10}, -1, ssLeft, true, false, {ebsNormal, ebsNormal, ebsDisabled}, -1,
         -1},
        {"the editor disabled", {second, 10}, -1, ssLeft, false, false, {ebsDisabled, ebsDisabled, ebsDisabled},
         -1, -1},
        {"designing", {second, 10}, -1, 0, true, true, {ebsNormal, ebsNormal, ebsDisabled}, -1, -1},
        {"below the buttons", {second, 19}, -1, 0, true, false, {ebsNormal, ebsNormal, ebsDisabled}, -1, -1},
    };
    for (const auto& c : cases) {
        state.Enabled = c.enabled;
        state.Designing = c.designing;
        Compute({0, 0, 100, 20}, c.p, c.pressed, c.shift);
        EXPECT_EQ(States(vi), c.states) << c.name;
        EXPECT_EQ(vi.HotButton, c.hot) << c.name;
        EXPECT_EQ(vi.PressedButton, c.down) << c.name;
    }
}

TEST_F(EditViewData, OuterButtons)
{
    AddButton(bkDown, 10, true);
    AddButton(bkDown, 10, true);
    AddButton(bkDown, 10);
    AddButton(bkDown, 10);
    Compute({0, 0, 100, 20});
    EXPECT_EQ(Spans(vi), (std::vector<int>{11, 21, 1, 11, 79, 89, 89, 99}));
    const TcxEditOuterButtons& o = vi.OuterButtons;
    EXPECT_EQ((std::vector<int>{o.LeftFirst, o.LeftLast, o.RightFirst, o.RightLast}),
              (std::vector<int>{1, 0, 2, 3}));

    // Stretched, all are laid out at the right.
    properties.SetButtonsStyleKind(1);
    Compute({0, 0, 42, 20});
    EXPECT_EQ(Spans(vi), (std::vector<int>{1, 11, 11, 21, 21, 31, 31, 41}));
    EXPECT_EQ((std::vector<int>{o.LeftFirst, o.LeftLast, o.RightFirst, o.RightLast}),
              (std::vector<int>{-1, -1, 0, 3}));
}

TEST_F(EditViewData, ChangedRegionAgainstTheLastComputation)
{
    AddButton();
    AddButton();
    Compute({0, 0, 100, 20});
    TcxCustomEditViewInfo old;
    old.Assign(vi);
    Compute({0, 0, 100, 20});
    EXPECT_EQ(BoxOf(vi.ChangedRegion(old)), std::vector<int>{});

    const TRect second = vi.Button(1).Bounds;
    Compute({0, 0, 100, 20}, {second.left + 1, 5});
    EXPECT_EQ(BoxOf(vi.ChangedRegion(old)), Sides(second));

    // Focus lights an UltraFlat border: its colour changes, so everything.
    style.SetBorderStyle(cbsUltraFlat);
    Compute({0, 0, 100, 20});
    old.Assign(vi);
    state.Focused = true;
    Compute({0, 0, 100, 20});
    EXPECT_NE(vi.BorderColor, old.BorderColor);
    EXPECT_EQ(BoxOf(vi.ChangedRegion(old)), (std::vector<int>{0, 0, 100, 20}));
}

TEST_F(EditViewData, BorderColours)
{
    const struct {
        TcxContainerBorderStyle border;
        bool focused;
        TColor color;
    } cases[] = {
        {cbsSingle, true, clRed}, {cbsUltraFlat, false, clBtnShadow}, {cbsUltraFlat, true, clHighlight},
        {cbsOffice11, false, clBtnShadow},
    };
    style.SetBorderColor(clRed);
    for (const auto& c : cases) {
        style.SetBorderStyle(c.border);
        state.Focused = c.focused;
        Compute({0, 0, 100, 20});
        EXPECT_EQ(vi.BorderColor, c.color) << int(c.border) << c.focused;
    }
}

TEST_F(EditViewData, EditSizeOnTheUnboundedRectangle)
{
    // Without a glyph the buttons need their content margins and the
    // border's frame height: 4 + 2 pixels, below nothing of the content.
    AddButton();
    data = TcxCustomEditViewData::Create(properties, &style, false);
    TSize size = data->GetEditSize(canvas, {});
    EXPECT_EQ((std::vector<int>{size.cx, size.cy}), (std::vector<int>{2 + systemWidth, 2 + 6}));

    // A glyph 16 high makes the buttons 16 + 6 high.
    TBitmap glyph;
    glyph.SetSize(16, 16);
    AddButton(bkGlyph).SetGlyph(&glyph);
    data = TcxCustomEditViewData::Create(properties, &style, false);
    size = data->GetEditSize(canvas, {});
    EXPECT_EQ((std::vector<int>{size.cx, size.cy}), (std::vector<int>{2 + systemWidth + 16 + 4, 2 + 22}));

    // Only buttons: the content is one line of text. Stretched over the
    // unbounded rectangle the buttons take all of it: the width saturates
    // instead of wrapping.
    AddButton(bkDown, 30);
    properties.SetButtonsStyleKind(1);
    data = TcxCustomEditViewData::Create(properties, &style, false);
    size = data->GetEditSize(canvas, {});
    canvas.SetFont(style.VisibleFont());
    EXPECT_EQ((std::vector<int>{size.cx, size.cy}), (std::vector<int>{INT_MAX, 2 + std::max(canvas.TextHeight("Zg"), 22)}));
    TcxEditSizeLimits limits;
    limits.MaxWidth = 150;
    limits.MinHeight = 40;
    size = data->GetEditSize(canvas, limits);
    EXPECT_EQ((std::vector<int>{size.cx, size.cy}), (std::vector<int>{150, 40}));
    data->ViewState.Designing = true;
    EXPECT_EQ(data->GetEditSize(canvas, limits).cx, INT_MAX);
}

TEST_F(EditViewData, ButtonThemeParts)
{
    const struct {
        const char* name;
        bool native, onlyDropDown;
        TcxEditButtonState state;
        int themeClass, part, themeState;
    } cases[] = {
        {"plain", false, true, ebsHot, 0, 0, 0},
        {"drop-down: the combo box's button", true, true, ebsNormal, 2, 1, 1},
        {"drop-down hot", true, true, ebsHot, 2, 1, 2},
        {"push button pressed", true, false, ebsPressed, 0, 1, 3},
        {"push button disabled", true, false, ebsDisabled, 0, 1, 4},
    };
    data = TcxCustomEditViewData::Create(properties, &style, false);
    for (const auto& c : cases) {
        TcxEditButtonViewInfo button;
        button.NativeStyle = c.native;
        button.OnlyDropDownButton = c.onlyDropDown;
        button.Data.State = c.state;
        data->ResolveButtonThemePart(button);
        EXPECT_EQ((std::vector<int>{button.ThemeClass, button.Data.NativePart, button.Data.NativeState}),
                  (std::vector<int>{c.themeClass, c.part, c.themeState}))
            << c.name;
    }
}

} // namespace
