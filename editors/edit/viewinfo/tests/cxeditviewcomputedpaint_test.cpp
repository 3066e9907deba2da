// Views computed without an editor from real properties and an edit style,
// then painted: the button states the mouse and the press give, buttons
// hidden while inactive, stretched buttons, and the native look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"
#include "editors/edit/viewinfo/tests/editpaintscene.h"
#include "editors/foundation/theme/dxthememanager.h"

namespace {

// An editor's properties and normal style, and a view computed for them.
class ComputedView {
public:
    ComputedView() : style_(TcxEditStyle::Create(nullptr, cssNormal, nullptr, false))
    {
        Style().SetBorderStyle(cbsSingle);
        Style().SetBorderColor(clBlack);
        Style().SetTransparentBorder(false);
    }
    TcxCustomEditProperties& Properties() { return properties_; }
    TcxEditStyle& Style() { return static_cast<TcxEditStyle&>(*style_); }
    TcxEditButton& Add(TcxEditButtonKind kind, int width = 0)
    {
        TcxEditButton& b = properties_.Buttons().Add();
        b.SetKind(kind);
        b.SetWidth(width);
        return b;
    }
    // Computed at p with the button pressed (-1: none) and painted into a fresh shot.
    TShot& Paint(int width, int height, POINT p = {-1, -1}, int pressed = -1, TShiftState shift = {},
                 bool focused = false, bool enabled = true)
    {
        data_ = properties_.NewViewData(&Style(), false);
        data_->ViewState.Focused = focused;
        data_->ViewState.Enabled = enabled;
        shot_ = std::make_unique<TShot>(width, height);
        data_->Compute(shot_->canvas, TRect{0, 0, width, height}, p, pressed, shift, view);
        view.Paint(shot_->canvas);
        return *shot_;
    }
    TcxCustomEditViewInfo view;

private:
    TcxCustomEditProperties properties_{nullptr};
    std::unique_ptr<TcxContainerStyle> style_;
    std::unique_ptr<TcxCustomEditViewData> data_;
    std::unique_ptr<TShot> shot_;
};

POINT Centre(const TRect& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(ComputedViewPaint, TheMouseAndThePressGiveEachStateItsLookInEveryStyle)
{
    for (TcxEditButtonStyle style : {bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11}) {
        ComputedView v;
        v.Style().SetButtonStyle(style);
        v.Add(bkEllipsis);
        v.Add(bkDown);
        v.Paint(120, 22);
        ASSERT_EQ(v.view.ButtonCount(), 2);
        const TRect down = v.view.Button(1).Bounds;
        const POINT over = Centre(down);
        struct Case {
            POINT p;
            int pressed;
            TShiftState shift;
            bool enabled;
            TcxEditButtonState expected;
        } cases[] = {
            {{-1, -1}, -1, {}, true, ebsNormal},
            {over, -1, {}, true, ebsHot},
            {over, -1, ssLeft, true, ebsPressed},
            {{-1, -1}, 1, ssLeft, true, ebsPressed},
            {over, -1, {}, false, ebsDisabled},
        };
        TRect normalContent{};
        for (const Case& c : cases) {
            TShot& shot = v.Paint(120, 22, c.p, c.pressed, c.shift, false, c.enabled);
            EXPECT_EQ(v.view.Button(1).Data.State, c.expected) << style;
            EXPECT_EQ(v.view.Button(0).Data.State, c.enabled ? ebsNormal : ebsDisabled) << style;
            const TRect area = ContentArea(v.view.Button(1));
            const TRect content = shot.BoxOfOthers(area, shot.At(area.left, area.top));
            if (c.expected == ebsNormal)
                normalContent = content;
            if (c.expected == ebsPressed) {
                EXPECT_EQ(content.left, normalContent.left + 1) << style;
                EXPECT_EQ(content.top, normalContent.top + 1) << style;
            }
            if (c.expected == ebsDisabled) {
                EXPECT_EQ(shot.BoxOf(area, Sys(clBtnShadow)).left, normalContent.left) << style;
                EXPECT_GT(shot.Count(area, Sys(clBtnHighlight)), 0) << style;
            }
            // The border around stays the editor's.
            EXPECT_EQ(shot.At(60, 0), clBlack) << style;
        }
    }
}

TEST(ComputedViewPaint, ButtonsHiddenWhileInactiveShowOnlyWithTheFocus)
{
    ComputedView v;
    v.Style().SetButtonTransparency(ebtHideInactive);
    v.Add(bkDown);
    TShot& unfocused = v.Paint(80, 22);
    EXPECT_EQ(v.view.ButtonCount(), 0);
    // Nothing but the editor's background inside the border.
    EXPECT_EQ(unfocused.Count(TRect{1, 1, 79, 21}, Sys(v.view.BackgroundColor)), 78 * 20);
    TShot& focused = v.Paint(80, 22, {-1, -1}, -1, {}, true);
    ASSERT_EQ(v.view.ButtonCount(), 1);
    const TRect b = v.view.Button(0).Bounds;
    EXPECT_EQ(focused.At(b.left, b.top), Sys(cl3DLight));
    EXPECT_GT(focused.Count(ContentArea(v.view.Button(0)), Sys(clBtnText)), 0);
}

TEST(ComputedViewPaint, StretchedButtonsShareTheWidthAndEachIsDrawnWhereItWent)
{
    ComputedView v;
    v.Properties().SetButtonsStyleKind(1);
    v.Add(bkEllipsis, 10);
    v.Add(bkEllipsis, 20);
    v.Add(bkEllipsis, 30);
    // 60 pixels of buttons and 7 to share inside a one-pixel border.
    TShot& shot = v.Paint(69, 22);
    ASSERT_EQ(v.view.ButtonCount(), 3);
    const int lefts[] = {1, 13, 35}, rights[] = {13, 35, 68};
    for (int i = 0; i < 3; ++i) {
        const TRect b = v.view.Button(i).Bounds;
        EXPECT_EQ(b.left, lefts[i]) << i;
        EXPECT_EQ(b.right, rights[i]) << i;
        // Each drawn in its place: the 3D ring's corners and the dots in its middle.
        EXPECT_EQ(shot.At(b.left, b.top), Sys(cl3DLight)) << i;
        EXPECT_EQ(shot.At(b.right - 1, b.bottom - 1), Sys(cl3DDkShadow)) << i;
        const TRect dots = shot.BoxOf(b, Sys(clBtnText));
        EXPECT_LE(std::abs((dots.left - b.left) - (b.right - dots.right)), 1) << i;
    }
}

TEST(ComputedViewPaint, TheNativeLookDrawsThemedButtonsOnlyWithTheTheme)
{
    ComputedView v;
    v.Style().LookAndFeel().SetNativeStyle(true);
    v.Add(bkEllipsis);
    v.Add(bkDown);
    TShot& shot = v.Paint(100, 22);
    ASSERT_EQ(v.view.ButtonCount(), 2);
    const TcxEditButtonViewInfo& b = v.view.Button(1);
    if (!OpenTheme(0)) {
        EXPECT_FALSE(ThemeLibraryExpected());
        EXPECT_EQ(b.Data.NativePart, 0);
        EXPECT_EQ(shot.At(b.Bounds.left, b.Bounds.top), Sys(cl3DLight));
        return;
    }
    EXPECT_NE(b.Data.NativePart, 0);
    TShot reference(100, 22);
    cxDrawThemePart(reference.canvas, nullptr, b.ThemeClass, b.Data.NativePart, b.Data.NativeState, b.Bounds,
                    v.view.BackgroundColor);
    for (int y = b.Bounds.top; y < b.Bounds.bottom; ++y)
        EXPECT_EQ(shot.At(b.Bounds.right - 1, y), reference.At(b.Bounds.right - 1, y)) << y;
    EXPECT_GT(shot.Count(ContentArea(b), Sys(clBtnText)), 0);
}

} // namespace
