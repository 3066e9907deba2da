// Real containers on a real form, each with an EDIT inside: the view
// information by border style and state, the inner control placed in the
// content rectangle, and an inner control freed first.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/keyboard.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/tests/containerscene.h"

namespace {

enum class Act { Nothing, Focus, Disable, Hover };

TEST(Container, ViewInfoByBorderStyleAndState)
{
    Application.Initialize();
    const struct {
        const char* name;
        TcxContainerBorderStyle border;
        bool transparent, shadow, hotTrack;
        Act act;
        int state, hotState;
        TcxContainerBorderStyle frame;
        int width;
        std::vector<int> content;
        TColor frameColor; // clNone: not checked
    } cases[] = {
        {"single", cbsSingle, false, false, true, Act::Nothing, csfNormal, 1, cbsSingle, 1, {1, 1, 99, 23}, clNone},
        {"thick", cbsThick, false, false, true, Act::Nothing, csfNormal, 1, cbsThick, 2, {2, 2, 98, 22}, clNone},
        {"none", cbsNone, false, false, true, Act::Nothing, csfNormal, 1, cbsNone, 0, {0, 0, 100, 24}, clNone},
        {"transparent border", cbsSingle, true, false, true, Act::Nothing, csfNormal, 1, cbsSingle, 1,
         {2, 2, 98, 22}, clNone},
        {"3D with shadow", cbs3D, false, true, true, Act::Nothing, csfNormal, 1, cbs3D, 2, {2, 2, 95, 19}, clNone},
        {"ultra flat", cbsUltraFlat, false, false, true, Act::Nothing, csfNormal, 1, cbsSingle, 1, {1, 1, 99, 23},
         clBtnShadow},
        {"ultra flat focused", cbsUltraFlat, false, false, true, Act::Focus, csfFocused, 2, cbsSingle, 1,
         {1, 1, 99, 23}, clHighlight},
        // The focused and hot styles of a tracking single frame draw it thick.
        {"single focused", cbsSingle, false, false, true, Act::Focus, csfFocused, 2, cbsThick, 2, {2, 2, 98, 22},
         clNone},
        {"single hot", cbsSingle, false, false, true, Act::Hover, csfNormal | csfHot, 2, cbsThick, 2,
         {2, 2, 98, 22}, clNone},
        {"single hot without tracking", cbsSingle, false, false, false, Act::Hover, csfNormal | csfHot, 0, cbsSingle,
         1, {1, 1, 99, 23}, clNone},
        {"single disabled", cbsSingle, false, false, true, Act::Disable, csfDisabled, 1, cbsSingle, 1,
         {1, 1, 99, 23}, clNone},
    };
    for (const auto& c : cases) {
        Scene s;
        TcxContainerStyle& normal = s.container->Styles().StyleNormal();
        normal.SetBorderStyle(c.border);
        normal.SetTransparentBorder(c.transparent);
        normal.SetShadow(c.shadow);
        normal.SetHotTrack(c.hotTrack);
        if (c.act == Act::Focus)
            s.edit->SetFocus();
        else if (c.act == Act::Disable)
            s.container->SetEnabled(false);
        Application.ProcessMessages();
        s.container->ComputeViewInfo(POINT{50, 12}, c.act == Act::Hover);
        s.container->PlaceInnerControl();
        const TcxContainerViewInfo& vi = s.container->ViewInfo();
        EXPECT_EQ(vi.ContainerState, c.state) << c.name;
        EXPECT_EQ(vi.HotState, c.hotState) << c.name;
        EXPECT_EQ(vi.FrameStyle, c.frame) << c.name;
        EXPECT_EQ(vi.FrameWidth, c.width) << c.name;
        EXPECT_EQ(Sides(vi.ContentRect), c.content) << c.name;
        EXPECT_EQ(Sides(vi.OuterBounds), (std::vector<int>{0, 0, 100, 24})) << c.name;
        EXPECT_EQ(&s.container->GetActiveStyle(), &s.container->GetStyleForState(vi.ContainerState)) << c.name;
        if (c.frameColor != clNone) {
            EXPECT_EQ(vi.FrameColor, c.frameColor) << c.name;
        }
        // The EDIT sits on the content rectangle.
        RECT r;
        GetWindowRect(s.edit->Handle(), &r);
        MapWindowPoints(nullptr, s.container->Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(Sides(r), c.content) << c.name;
    }
}

TEST(Container, ItsStylesFindItAndAnInnerControlFreedFirstIsForgotten)
{
    Application.Initialize();
    TFreedMemoryTrap trap;
    Scene s;
    EXPECT_EQ(s.container->Styles().StyleHot().Container(), s.container);
    EXPECT_TRUE(s.container->TabStop());
    EXPECT_EQ(s.container->Color(), clWindow);
    delete s.edit;
    EXPECT_EQ(s.container->InnerControl(), nullptr);
    s.container->ComputeViewInfo(POINT{-1, -1}, false);
    s.container->PlaceInnerControl();
    delete s.container;
}

} // namespace

TEST(Container, PaintsItsPlainFramesShadowAndBackground)
{
    Application.Initialize();
    const COLORREF sentinel = TPaintedPixels::kSentinel;
    const struct {
        const char* name;
        TcxContainerBorderStyle border;
        TcxBorders edges;
        bool shadow;
        struct Pixel {
            int x, y;
            COLORREF color;
        };
        std::vector<Pixel> pixels;
    } cases[] = {
        {"single", cbsSingle, cxBordersAll, false,
         {{0, 0, Rgb(clRed)}, {99, 23, Rgb(clRed)}, {1, 1, Rgb(clWindow)}, {50, 12, Rgb(clWindow)}}},
        {"thick", cbsThick, cxBordersAll, false, {{1, 1, Rgb(clRed)}, {98, 22, Rgb(clRed)}, {2, 2, Rgb(clWindow)}}},
        {"flat", cbsFlat, cxBordersAll, false,
         {{0, 12, Rgb(clBtnShadow)}, {99, 12, Rgb(clBtnHighlight)}, {1, 12, Rgb(clBtnFace)}, {2, 12, Rgb(clWindow)}}},
        {"3D", cbs3D, cxBordersAll, false,
         {{0, 12, Rgb(clBtnShadow)}, {1, 12, Rgb(cl3DDkShadow)}, {98, 12, Rgb(cl3DLight)}}},
        {"single with shadow", cbsSingle, cxBordersAll, true,
         {{96, 20, Rgb(clRed)}, {50, 22, Rgb(clBtnShadow)}, {98, 12, Rgb(clBtnShadow)}, {1, 22, sentinel},
          {98, 1, sentinel}}},
        {"single, left and top only", cbsSingle, bLeft | bTop, false,
         {{0, 12, Rgb(clRed)}, {50, 0, Rgb(clRed)}, {99, 12, Rgb(clWindow)}, {50, 23, Rgb(clWindow)}}},
    };
    for (const auto& c : cases) {
        Scene s;
        TcxContainerStyle& normal = s.container->Styles().StyleNormal();
        normal.SetBorderStyle(c.border);
        normal.SetBorderColor(clRed);
        normal.SetTransparentBorder(false);
        normal.SetEdges(c.edges);
        normal.SetShadow(c.shadow);
        s.container->UpdateViewInfo(POINT{-1, -1}, 0);
        TPaintedPixels painted(*s.container);
        for (const auto& p : c.pixels)
            EXPECT_EQ(painted.At(p.x, p.y), p.color) << c.name << " at " << p.x << "," << p.y;
    }
}

TEST(Container, WindowRegionAndInvalidation)
{
    Application.Initialize();
    Scene s;
    TcxContainerStyle& normal = s.container->Styles().StyleNormal();
    normal.SetBorderStyle(cbsSingle);
    normal.SetTransparentBorder(false);
    normal.SetShadow(true);
    ValidateRect(s.container->Handle(), nullptr);
    s.container->UpdateViewInfo(POINT{-1, -1}, 0);
    // The control rectangle and its copy moved by the shadow.
    HRGN expected = CreateRectRgn(0, 0, 97, 21), moved = CreateRectRgn(3, 3, 100, 24);
    CombineRgn(expected, expected, moved, RGN_OR);
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(s.container->Handle(), actual), ERROR);
    EXPECT_TRUE(EqualRgn(expected, actual));
    // With an inner control only the strips around it are invalidated.
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(s.container->Handle(), update, FALSE);
    EXPECT_TRUE(PtInRegion(update, 0, 0));
    EXPECT_FALSE(PtInRegion(update, 50, 10));
    // Without a shadow the region is the rectangle alone; without an inner control all is invalidated.
    normal.SetShadow(false);
    s.container->SetInnerControl(nullptr);
    ValidateRect(s.container->Handle(), nullptr);
    s.container->UpdateViewInfo(POINT{-1, -1}, 0);
    GetUpdateRgn(s.container->Handle(), update, FALSE);
    EXPECT_TRUE(PtInRegion(update, 50, 10));
    ASSERT_NE(GetWindowRgn(s.container->Handle(), actual), ERROR);
    SetRectRgn(expected, 0, 0, 100, 24);
    EXPECT_TRUE(EqualRgn(expected, actual));
    for (HRGN r : {expected, moved, actual, update})
        DeleteObject(r);
}

// A style change reaches the control and its inner EDIT: the normal style's
// colour on both, its text colour in the EDIT's font; the disabled style's
// own colour once the container is disabled.
TEST(Container, StyleColourAndFontReachTheInnerControl)
{
    Application.Initialize();
    Scene s;
    TcxContainerStyles& styles = s.container->Styles();
    styles.StyleNormal().SetColor(clYellow);
    styles.StyleNormal().SetTextColor(clBlue);
    styles.StyleDisabled().SetColor(clSilver);
    EXPECT_EQ(s.container->Color(), clYellow);
    EXPECT_EQ(s.edit->Color(), clYellow);
    EXPECT_EQ(s.edit->Font().Color(), clBlue);
    s.container->SetEnabled(false);
    s.container->UpdateViewInfo(POINT{-1, -1}, 0);
    EXPECT_EQ(s.edit->Color(), clSilver);
    EXPECT_EQ(s.container->Color(), clYellow);
}

// The focus passes through the container to its EDIT, Tab and Shift+Tab
// move on from there while Ctrl+Tab does not, keys sent to the container
// reach the EDIT, and the container enters before its EDIT and exits after.
TEST(Container, FocusTabAndKeysGoThroughToTheInnerControl)
{
    Application.Initialize();
    Scene s;
    s.container->SetName("C");
    s.edit->SetName("I");
    s.other->SetName("E");
    std::string log;
    for (TControl* c : std::initializer_list<TControl*>{s.container, s.edit, s.other}) {
        c->OnEnter = [&log](TComponent& sender) { log += "enter " + sender.Name() + " "; };
        c->OnExit = [&log](TComponent& sender) { log += "exit " + sender.Name() + " "; };
    }
    s.container->SetFocus();
    Application.ProcessMessages();
    EXPECT_EQ(FocusedName(), "I");
    EXPECT_TRUE(s.container->Focused());
    EXPECT_EQ(log, "exit E enter C enter I ");

    const struct {
        WORD key;
        TShiftState shift;
        const char* focused;
        const char* log;
    } moves[] = {
        {VK_TAB, 0, "E", "exit I exit C enter E "},
        {VK_TAB, 0, "I", "exit E enter C enter I "},
        {VK_TAB, ssCtrl, "I", ""},
        {VK_TAB, ssShift, "E", "exit I exit C enter E "},
        {VK_TAB, ssShift, "I", "exit E enter C enter I "},
    };
    for (const auto& m : moves) {
        log.clear();
        PressKey(m.key, m.shift);
        Application.ProcessMessages();
        EXPECT_EQ(FocusedName(), m.focused) << m.key << " " << m.shift;
        EXPECT_EQ(log, m.log) << m.key << " " << m.shift;
    }

    SendMessageA(s.container->Handle(), WM_CHAR, 'x', 0);
    SendMessageA(s.container->Handle(), WM_CHAR, 'y', 0);
    EXPECT_EQ(s.edit->Text(), "xy");
}

// An inner control larger than the content rectangle is clipped to it; its
// clip goes once it is placed back on the content rectangle.
TEST(Container, TheInnerClipRegionGoesOnceItFits)
{
    Application.Initialize();
    Scene s;
    TcxContainerStyle& normal = s.container->Styles().StyleNormal();
    normal.SetBorderStyle(cbsSingle);
    normal.SetTransparentBorder(false);
    s.container->UpdateViewInfo(POINT{-1, -1}, 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(s.edit->Handle(), region), ERROR);

    s.edit->SetBounds(0, 0, 150, 40);
    s.container->Realign(s.edit);
    ASSERT_NE(GetWindowRgn(s.edit->Handle(), region), ERROR);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(Sides(box), (std::vector<int>{1, 1, 99, 23}));

    s.container->PlaceInnerControl();
    EXPECT_EQ(GetWindowRgn(s.edit->Handle(), region), ERROR);
    DeleteObject(region);
}

// NativeStyle on: themed where the theme library is there (the nouxtheme run
// has none), with the normal style's border, insets of 2, no shadow and no
// window region of its own; else the plain frame.
TEST(Container, NativeStyleIsThemedOnlyWithTheThemeLibrary)
{
    Application.Initialize();
    const bool themes = std::getenv("VOSTREL_EXPECT_NO_UXTHEME") == nullptr;
    Scene s;
    TcxContainerStyle& normal = s.container->Styles().StyleNormal();
    normal.SetBorderStyle(cbsUltraFlat);
    normal.SetTransparentBorder(false);
    normal.SetShadow(true);
    normal.LookAndFeel().SetNativeStyle(true);
    s.container->UpdateViewInfo(POINT{-1, -1}, 0);
    const TcxContainerViewInfo& vi = s.container->ViewInfo();
    EXPECT_EQ(vi.ThemedLook, themes);
    EXPECT_EQ(vi.ShowShadow, !themes);
    EXPECT_EQ(vi.FrameStyle, themes ? cbsUltraFlat : cbsSingle);
    EXPECT_EQ(Sides(vi.ContentRect), themes ? (std::vector<int>{2, 2, 98, 22}) : (std::vector<int>{1, 1, 96, 20}));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(s.container->Handle(), region) != ERROR, !themes);
    DeleteObject(region);
}
