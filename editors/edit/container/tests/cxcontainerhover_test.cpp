// The container under a real mouse (SendInput): hover makes it hot, never
// with a button held, leaving (also from over the inner EDIT) ends it; the
// UltraFlat and Office11 frames change colour with hover and focus; a move
// that changes nothing sets no region and invalidates nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "classlib/application.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"
#include "editors/edit/container/tests/containerscene.h"
#include "editors/foundation/theme/dxoffice11.h"

namespace {

// A client point of a control on the screen.
POINT ScreenPoint(const TControl& control, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(control.Handle(), &p);
    return p;
}

bool IsHot(const TcxContainer& c)
{
    return (c.ViewInfo().ContainerState & csfHot) != 0;
}

// Moves the cursor and handles the messages it brings until done.
bool MoveUntil(POINT screen, const std::function<bool()>& done)
{
    MoveCursorInput(screen);
    return PumpUntil(done, 3000);
}

// Handles only the mouse messages waiting: what a move does before any paint.
void DispatchMouseMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Only mouse messages handled until done: nothing is painted meanwhile.
bool DispatchMouseUntil(const std::function<bool()>& done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 3000)
            return false;
        DispatchMouseMessages();
        Sleep(1);
    }
    return true;
}

bool HasUpdate(HWND window)
{
    return GetUpdateRect(window, nullptr, FALSE) != 0;
}

} // namespace

TEST(ContainerHover, RealHoverMakesItHotNeverWithAButtonHeldAndLeavingEndsIt)
{
    Application.Initialize();
    Scene s;
    TcxContainer& c = *s.container;
    c.Styles().StyleNormal().SetBorderStyle(cbsSingle);
    c.Styles().StyleNormal().SetTransparentBorder(false);
    const POINT outside = ScreenPoint(*s.other, 50, 12);
    ASSERT_TRUE(MoveUntil(outside, [&] { return !IsHot(c); }));

    // On the frame, then over the inner EDIT: hot all along.
    EXPECT_TRUE(MoveUntil(ScreenPoint(c, 50, 0), [&] { return IsHot(c); })) << "frame";
    EXPECT_EQ(c.ViewInfo().FrameStyle, cbsThick);
    EXPECT_TRUE(MoveUntil(ScreenPoint(c, 50, 12), [&] { return WindowFromPoint(ScreenPoint(c, 50, 12)) == s.edit->Handle(); }));
    Application.ProcessMessages();
    EXPECT_TRUE(IsHot(c)) << "over the inner EDIT";
    // Leaving from over the EDIT: only the tracking timer sees it.
    EXPECT_TRUE(MoveUntil(outside, [&] { return !IsHot(c); })) << "left from the EDIT";
    EXPECT_EQ(c.ViewInfo().FrameStyle, cbsSingle);

    // Pressed on the frame and moved with the button held: never hot;
    // released: hot (and focused, by the click).
    ASSERT_TRUE(MoveUntil(ScreenPoint(c, 2, 0), [&] { return IsHot(c); }));
    LeftButtonInput(true);
    EXPECT_TRUE(PumpUntil([&] { return !IsHot(c); }, 3000)) << "pressed";
    EXPECT_NE(GetKeyState(VK_LBUTTON) & 0x8000, 0);
    for (int x : {20, 60, 90}) {
        MoveCursorInput(ScreenPoint(c, x, 0));
        PumpUntil([] { return false; }, 100);
        EXPECT_FALSE(IsHot(c)) << "held at " << x;
    }
    LeftButtonInput(false);
    EXPECT_TRUE(PumpUntil([&] { return IsHot(c); }, 3000)) << "released";
    EXPECT_EQ(c.ViewInfo().ContainerState, csfFocused | csfHot);
    MoveUntil(outside, [&] { return !IsHot(c); });
}

TEST(ContainerHover, UltraFlatAndOffice11FramesLightUpWithHoverAndFocus)
{
    Application.Initialize();
    const COLORREF office11 = static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(Office11Palette().Entries[21])));
    enum class Act { Nothing, Hover, Focus };
    const struct {
        const char* name;
        TcxContainerBorderStyle border;
        Act act;
        COLORREF frame;
    } cases[] = {
        {"ultra flat", cbsUltraFlat, Act::Nothing, Rgb(clBtnShadow)},
        {"ultra flat hot", cbsUltraFlat, Act::Hover, Rgb(clHighlight)},
        {"ultra flat focused", cbsUltraFlat, Act::Focus, Rgb(clHighlight)},
        {"office11", cbsOffice11, Act::Nothing, Rgb(clBtnShadow)},
        {"office11 hot", cbsOffice11, Act::Hover, office11},
        {"office11 focused", cbsOffice11, Act::Focus, office11},
    };
    for (const auto& c : cases) {
        Scene s;
        TcxContainer& box = *s.container;
        box.Styles().StyleNormal().SetBorderStyle(c.border);
        box.Styles().StyleNormal().SetTransparentBorder(false);
        box.Styles().StyleNormal().SetBorderColor(clRed);
        MoveUntil(ScreenPoint(*s.other, 50, 12), [&] { return !IsHot(box); });
        if (c.act == Act::Hover) {
            EXPECT_TRUE(MoveUntil(ScreenPoint(box, 50, 0), [&] { return IsHot(box); })) << c.name;
        }
        if (c.act == Act::Focus)
            box.SetFocus();
        Application.ProcessMessages();
        TPaintedPixels painted(box);
        EXPECT_EQ(painted.At(0, 12), c.frame) << c.name;
        EXPECT_EQ(painted.At(50, 23), c.frame) << c.name;
        EXPECT_EQ(painted.At(1, 12), Rgb(clWindow)) << c.name;
    }
}

TEST(ContainerHover, AMoveThatChangesNothingSetsNoRegionAndInvalidatesNothing)
{
    Application.Initialize();
    Scene s;
    TcxContainer& c = *s.container;
    c.Styles().StyleNormal().SetBorderStyle(cbsSingle);
    c.Styles().StyleNormal().SetTransparentBorder(false);
    int regionChanges = 0;
    TWndMethod original = c.WindowProc;
    c.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGED)
            ++regionChanges;
        original(m);
    };
    MoveUntil(ScreenPoint(*s.other, 50, 12), [&] { return !IsHot(c); });
    // A shadow changes the window region: counted.
    c.Styles().StyleNormal().SetShadow(true);
    EXPECT_GT(regionChanges, 0);
    Application.ProcessMessages();

    // Entering changes the state: the frame is repainted.
    ValidateRect(c.Handle(), nullptr);
    MoveCursorInput(ScreenPoint(c, 30, 0));
    EXPECT_TRUE(DispatchMouseUntil([&] { return IsHot(c); }));
    EXPECT_TRUE(HasUpdate(c.Handle()));
    Application.ProcessMessages();

    // Moves along the frame change nothing.
    for (int x : {40, 50, 60, 70}) {
        regionChanges = 0;
        ValidateRect(c.Handle(), nullptr);
        ValidateRect(s.edit->Handle(), nullptr);
        MoveCursorInput(ScreenPoint(c, x, 0));
        DispatchMouseUntil([&] {
            POINT p;
            GetCursorPos(&p);
            return p.x == ScreenPoint(c, x, 0).x;
        });
        DispatchMouseMessages();
        EXPECT_TRUE(IsHot(c)) << x;
        EXPECT_EQ(regionChanges, 0) << x;
        EXPECT_FALSE(HasUpdate(c.Handle())) << x;
        EXPECT_FALSE(HasUpdate(s.edit->Handle())) << x;
    }
    c.WindowProc = original;
    MoveUntil(ScreenPoint(*s.other, 50, 12), [&] { return !IsHot(c); });
}

TEST(ContainerHover, AContainerFreedWhileTrackingLeavesNoTimerBehind)
{
    Application.Initialize();
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    Scene s;
    TcxContainer& c = *s.container;
    MoveUntil(ScreenPoint(*s.other, 50, 12), [&] { return !IsHot(c); });
    ASSERT_TRUE(MoveUntil(ScreenPoint(c, 50, 1), [&] { return IsHot(c); }));
    delete s.container;
    // A timer left behind would tell the freed container of the leaving: a fault in the trap.
    MoveCursorInput(ScreenPoint(*s.other, 50, 12));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(WindowFromPoint(ScreenPoint(*s.other, 50, 12)), s.other->Handle());
}
