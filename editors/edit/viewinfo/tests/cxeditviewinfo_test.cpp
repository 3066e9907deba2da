#include "editors/edit/viewinfo/cxeditviewinfo.h"

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "editors/edit/viewinfo/tests/viewinfotesting.h"

namespace {

// An editor 100 x 20 with a single border and two buttons at the right.
void Fill(TcxCustomEditViewInfo& vi)
{
    vi.OuterBounds = {0, 0, 100, 20};
    vi.InnerRect = {1, 1, 99, 19};
    vi.ContentRect = {1, 1, 65, 19};
    vi.BorderStyle = cbsSingle;
    vi.BorderColor = clBlack;
    vi.SetButtonCount(2);
    vi.Button(0).Bounds = vi.Button(0).VisibleBounds = {65, 1, 82, 19};
    vi.Button(1).Bounds = vi.Button(1).VisibleBounds = {82, 1, 99, 19};
}

TEST(EditViewInfo, ChangedRegion)
{
    const struct {
        const char* name;
        void (*change)(TcxCustomEditViewInfo&);
        std::vector<int> box;
    } cases[] = {
        {"the same", [](TcxCustomEditViewInfo&) {}, {}},
        {"a button's state", [](TcxCustomEditViewInfo& vi) { vi.Button(1).Data.State = ebsHot; }, {82, 1, 99, 19}},
        {"a button's theme state", [](TcxCustomEditViewInfo& vi) { vi.Button(0).Data.NativeState = 2; },
         {65, 1, 82, 19}},
        {"both buttons' transparency",
         [](TcxCustomEditViewInfo& vi) { vi.Button(0).Data.Transparent = vi.Button(1).Data.Transparent = true; },
         {65, 1, 99, 19}},
        {"a button's bounds alone", [](TcxCustomEditViewInfo& vi) { vi.Button(0).Bounds.left = 60; }, {}},
        {"the border colour", [](TcxCustomEditViewInfo& vi) { vi.BorderColor = clRed; }, {0, 0, 100, 20}},
        {"the border colour without a border",
         [](TcxCustomEditViewInfo& vi) { vi.BorderStyle = cbsNone, vi.BorderColor = clRed; }, {0, 0, 100, 20}},
        {"the border style", [](TcxCustomEditViewInfo& vi) { vi.BorderStyle = cbsThick; }, {0, 0, 100, 20}},
        {"the button count", [](TcxCustomEditViewInfo& vi) { vi.SetButtonCount(1); }, {0, 0, 100, 20}},
        {"the native look", [](TcxCustomEditViewInfo& vi) { vi.ThemedLook = true; }, {0, 0, 100, 20}},
    };
    for (const auto& c : cases) {
        TcxCustomEditViewInfo old, now;
        Fill(old);
        Fill(now);
        c.change(now);
        EXPECT_EQ(BoxOf(now.ChangedRegion(old)), c.box) << c.name;
    }
    // The native state counts only in the native look.
    for (bool themed : {false, true}) {
        TcxCustomEditViewInfo old, now;
        Fill(old);
        Fill(now);
        old.ThemedLook = now.ThemedLook = themed;
        now.ThemeState = 2;
        const std::vector<int> whole = {0, 0, 100, 20}, none = {};
        EXPECT_EQ(BoxOf(now.ChangedRegion(old)), themed ? whole : none);
    }
    // Without a border on either side, its colour does not count.
    TcxCustomEditViewInfo old, now;
    Fill(old);
    Fill(now);
    old.BorderStyle = now.BorderStyle = cbsNone;
    now.BorderColor = clRed;
    EXPECT_EQ(BoxOf(now.ChangedRegion(old)), std::vector<int>{});
    // A plain container's view information is no edit view information.
    TcxContainerViewInfo plain;
    EXPECT_EQ(BoxOf(now.ChangedRegion(plain)), (std::vector<int>{0, 0, 100, 20}));
}

TEST(EditViewInfo, AssignCopiesTheButtonsAndTheContainerPart)
{
    TcxCustomEditViewInfo source, copy;
    Fill(source);
    source.Button(1).Data = {ebsPressed, true, 1, 3};
    source.PressedButton = 1;
    source.HotButton = 0;
    source.BackgroundColor = clYellow;
    source.ContainerState = csfFocused;
    source.ThemeState = 5;
    copy.SetButtonCount(5);
    copy.Assign(source);
    EXPECT_EQ(copy.ButtonCount(), 2);
    EXPECT_EQ(Sides(copy.Button(1).Bounds), Sides(source.Button(1).Bounds));
    EXPECT_TRUE(copy.Button(1).Data == source.Button(1).Data);
    EXPECT_EQ(copy.PressedButton, 1);
    EXPECT_EQ(copy.HotButton, 0);
    EXPECT_EQ(copy.BackgroundColor, clYellow);
    EXPECT_EQ(copy.BorderColor, clBlack);
    EXPECT_EQ(copy.BorderStyle, cbsSingle);
    EXPECT_EQ(copy.ContainerState, csfFocused);
    EXPECT_EQ(Sides(copy.OuterBounds), Sides(source.OuterBounds));
    // The copy now answers the source's state: nothing changed.
    EXPECT_EQ(BoxOf(copy.ChangedRegion(source)), std::vector<int>{});

    // From a plain container only the container's part.
    TcxContainerViewInfo plain;
    plain.ContentRect = {3, 3, 9, 9};
    copy.Assign(plain);
    EXPECT_EQ(Sides(copy.ContentRect), (std::vector<int>{3, 3, 9, 9}));
    EXPECT_EQ(copy.ButtonCount(), 2);
    EXPECT_EQ(copy.PressedButton, 1);
}

TEST(EditViewInfo, ButtonAssignTakesOnlyButtons)
{
    TcxEditButtonViewInfo button;
    TcxCustomEditViewInfo unrelated;
    button.Bounds = {1, 2, 3, 4};
    TcxEditButtonViewInfo other;
    other.Bounds = {5, 6, 7, 8};
    other.Data.State = ebsDisabled;
    other.Width = 99;
    button.Assign(other);
    EXPECT_EQ(Sides(button.Bounds), (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(button.Data.State, ebsDisabled);
    EXPECT_EQ(button.Width, 0) << "only the bounds and the repaint values";
    TcxRect rect;
    EXPECT_THROW(button.Assign(rect), EConvertError);
}

TEST(EditViewInfo, TranslateMovesEveryRectangle)
{
    TcxCustomEditViewInfo vi;
    Fill(vi);
    vi.ShadowRect = {0, 0, 97, 17};
    vi.InnerEditRect = {2, 2, 60, 18};
    vi.Button(0).VisibleBounds = {65, 1, 80, 19};
    vi.Translate(10, -5);
    const std::vector<std::pair<TRect, std::vector<int>>> moved = {
        {vi.OuterBounds, {10, -5, 110, 15}},         {vi.InnerRect, {11, -4, 109, 14}},
        {vi.ContentRect, {11, -4, 75, 14}},          {vi.ShadowRect, {10, -5, 107, 12}},
        {vi.InnerEditRect, {12, -3, 70, 13}},        {vi.Button(0).Bounds, {75, -4, 92, 14}},
        {vi.Button(0).VisibleBounds, {75, -4, 90, 14}}, {vi.Button(1).Bounds, {92, -4, 109, 14}},
        {vi.Button(1).VisibleBounds, {92, -4, 109, 14}},
    };
    for (std::size_t i = 0; i < moved.size(); ++i)
        EXPECT_EQ(Sides(moved[i].first), moved[i].second) << i;
}

TEST(EditViewInfo, ButtonHitTest)
{
    TcxCustomEditViewInfo vi;
    Fill(vi);
    const struct {
        POINT p;
        int index;
    } cases[] = {{{65, 1}, 0}, {{81, 18}, 0}, {{82, 1}, 1}, {{98, 10}, 1}, {{99, 10}, -1},
                 {{64, 10}, -1}, {{70, 19}, -1}, {{70, 0}, -1}, {{-1, -1}, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(vi.ButtonIndexAt(c.p), c.index) << c.p.x << "," << c.p.y;
    vi.SetButtonCount(0);
    EXPECT_EQ(vi.ButtonIndexAt({70, 10}), -1);
}

TEST(EditButtonViewInfo, UpdateRegionAndInvalidation)
{
    TcxEditButtonViewInfo before, after;
    before.Bounds = after.Bounds = {10, 2, 27, 18};
    EXPECT_EQ(BoxOf(after.UpdateRegionFor(before)), std::vector<int>{});

    TForm form;
    form.SetBounds(0, 0, 200, 100);
    form.CreateHandle();
    ASSERT_TRUE(form.HandleAllocated());
    // Shown, not activated: a hidden window collects no update region.
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    ValidateRect(form.Handle(), nullptr);
    EXPECT_FALSE(after.InvalidateIfChanged(form, before, POINT{5, 5}));
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(form.Handle(), &dirty, FALSE));

    after.Data.State = ebsPressed;
    EXPECT_EQ(BoxOf(after.UpdateRegionFor(before)), (std::vector<int>{10, 2, 27, 18}));
    EXPECT_TRUE(after.InvalidateIfChanged(form, before, POINT{5, 5}));
    ASSERT_TRUE(GetUpdateRect(form.Handle(), &dirty, FALSE));
    EXPECT_EQ(Sides(dirty), (std::vector<int>{15, 7, 32, 23}));
}

} // namespace
