// The editor's mouse through the system's input queue: a press released
// over the same button clicks it, and a second press soon after an
// in-place activation by the mouse is a double click.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"
#include "editors/edit/editor/tests/editorscene.h"

namespace {

POINT ScreenPointOf(const TControl& control, POINT p)
{
    ClientToScreen(control.Handle(), &p);
    return p;
}

POINT MiddleOf(const TRect& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

TEST(EditorMouse, APressClicksTheButtonOnlyWhenReleasedOverIt)
{
    const struct {
        const char* name;
        bool releaseOutside;
        int clicks;
    } cases[] = {{"released over it", false, 1}, {"released outside", true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorScene s;
        s.edit->DemoProperties().Buttons().Add().SetKind(bkEllipsis);
        int clicked = 0;
        s.edit->DemoProperties().OnButtonClick = [&](TComponent&, int) { ++clicked; };
        s.FocusEditor();
        ASSERT_EQ(s.edit->ViewInfo().ButtonCount(), 1);
        const POINT button = ScreenPointOf(*s.edit, MiddleOf(s.edit->ViewInfo().Button(0).Bounds));
        MoveCursorInput(button);
        LeftButtonInput(true);
        ASSERT_TRUE(Eventually([&] { return s.edit->ViewInfo().PressedButton == 0; }));
        EXPECT_EQ(s.edit->CapturedButton(), 0);
        if (c.releaseOutside)
            MoveCursorInput(ScreenPointOf(*s.other, POINT{5, 5}));
        Settle();
        LeftButtonInput(false);
        ASSERT_TRUE(Eventually([&] { return s.edit->ViewInfo().PressedButton == -1; }));
        Settle();
        EXPECT_EQ(clicked, c.clicks);
    }
}

TEST(EditorMouse, APressSoonAfterAnInplaceActivationByTheMouseIsADoubleClick)
{
    EditorScene s(true);
    const POINT inside{s.edit->Left() + 20, s.edit->Top() + 10};
    s.edit->ActivateByMouse(ssLeft, inside.x, inside.y, nullptr);
    EXPECT_TRUE(s.edit->DoubleClickTimer().Enabled());
    EXPECT_EQ(s.edit->DoubleClickTimer().Interval(), GetDoubleClickTime());
    EXPECT_EQ(GetCapture(), nullptr);
    ClickInput(s.edit->Inner().Handle());
    ASSERT_TRUE(Eventually([&] { return s.doubleClicks == 1; }));
    EXPECT_FALSE(s.edit->DoubleClickTimer().Enabled());
}

TEST(EditorMouse, AnEditorFreedWhileItsDoubleClickTimerRunsLeavesNothingBehind)
{
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    EditorScene s(true);
    s.edit->ActivateByMouse(ssLeft, s.edit->Left() + 20, s.edit->Top() + 10, nullptr);
    ASSERT_TRUE(s.edit->DoubleClickTimer().Enabled());
    const HWND window = s.edit->Handle();
    s.form.reset();
    // Past the timer's interval: a tick of the freed timer would fault.
    const DWORD until = GetTickCount() + GetDoubleClickTime() + 200;
    PumpInput([&] { return static_cast<int>(GetTickCount() - until) > 0; }, 5000);
    EXPECT_FALSE(IsWindow(window));
}
