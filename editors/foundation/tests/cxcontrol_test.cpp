// The custom control on a real form: bars over content larger than the
// client, keys, the context menu, the wheel, the settings message and
// middle-button scrolling, also when the control goes inside its loop.
#include "editors/foundation/cxcontrols.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/form.h"
#include "editors/foundation/cxsettingscontroller.h"

namespace {

struct TScrolled {
    TScrollBarKind kind;
    TScrollCode code;
};

// 300 x 300 pixels of content.
class TContentControl : public TcxControl {
public:
    std::vector<TScrolled> scrolled;
    POINT popupAt{-100, -100};

protected:
    bool IsPixelScrollBar(TScrollBarKind) const override { return true; }
    void InitScrollBarsParameters() override
    {
        const TRect client = GetClientBounds();
        SetScrollBarInfo(TScrollBarKind::sbHorizontal, 0, 299, 1, client.right - client.left, 0, true, true);
        SetScrollBarInfo(TScrollBarKind::sbVertical, 0, 299, 1, client.bottom - client.top, 0, true, true);
    }
    void Scroll(TScrollBarKind kind, TScrollCode code, int&) override { scrolled.push_back({kind, code}); }
    bool DoShowPopupMenu(TComponent*, int x, int y) override
    {
        popupAt = POINT{x, y};
        return true;
    }
};

void PressCtrl(bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_CONTROL;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
    Application.ProcessMessages();
}

class Control : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        form = std::make_unique<TForm>();
        form->SetBounds(100, 100, 400, 300);
        form->Show();
        SetForegroundWindow(form->Handle());
        Application.ProcessMessages();
    }
    static void TearDownTestSuite() { form.reset(); }

    void SetUp() override
    {
        owned = std::make_unique<TContentControl>();
        control = owned.get();
        control->SetBorderStyle(TcxControlBorderStyle::cxcbsDefault);
        control->SetBounds(10, 10, 150, 120);
        control->SetParent(form.get());
        Application.ProcessMessages();
    }
    void TearDown() override
    {
        ReleaseCapture();
        owned.reset();
    }

    int Count(TScrollBarKind kind, TScrollCode code) const
    {
        int n = 0;
        for (const TScrolled& s : control->scrolled)
            n += s.kind == kind && s.code == code;
        return n;
    }

    static inline std::unique_ptr<TForm> form;
    std::unique_ptr<TContentControl> owned;
    TContentControl* control = nullptr;
};

TEST_F(Control, ContentLargerThanTheClientShowsBothBarsAndTheGrip)
{
    const int border = control->BorderSize();
    EXPECT_GT(border, 0);
    EXPECT_TRUE(control->HScrollBar()->Visible());
    EXPECT_TRUE(control->VScrollBar()->Visible());
    EXPECT_TRUE(control->SizeGrip()->Visible());
    const TRect client = control->GetClientBounds();
    EXPECT_EQ(client.right, 150 - border - control->VScrollBar()->Width());
    EXPECT_EQ(client.bottom, 120 - border - control->HScrollBar()->Height());
    EXPECT_EQ(control->VScrollBar()->Left(), client.right);
    EXPECT_EQ(control->HScrollBar()->Top(), client.bottom);
    EXPECT_EQ(control->SizeGrip()->Left(), client.right);
    EXPECT_EQ(control->HScrollBar()->PageSize(), client.right - client.left);

    // Grown beyond the content: both go together.
    control->SetBounds(10, 10, 300 + 2 * border, 300 + 2 * border);
    Application.ProcessMessages();
    EXPECT_FALSE(control->HScrollBar()->Visible());
    EXPECT_FALSE(control->VScrollBar()->Visible());
    EXPECT_FALSE(control->SizeGrip()->Visible());
}

TEST_F(Control, TabIsWantedOnlyWhileCtrlIsUp)
{
    control->SetWantedKeys(kcArrows | kcTab);
    EXPECT_EQ(control->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTTAB);
    PressCtrl(true);
    const LRESULT withCtrl = control->Perform(WM_GETDLGCODE, 0, 0);
    PressCtrl(false);
    EXPECT_EQ(withCtrl, DLGC_WANTARROWS);
}

TEST_F(Control, TheContextMenuKeyShowsTheMenuAtTheClientOrigin)
{
    control->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()), MAKELPARAM(-1, -1));
    POINT origin{0, 0};
    ClientToScreen(control->Handle(), &origin);
    EXPECT_EQ(control->popupAt.x, origin.x);
    EXPECT_EQ(control->popupAt.y, origin.y);
}

TEST_F(Control, TheWheelScrollsTheSystemsLinesVertically)
{
    UINT lines = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_LT(lines, 100u);
    POINT p{20, 20};
    ClientToScreen(control->Handle(), &p);
    control->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(Count(TScrollBarKind::sbVertical, scLineDown), static_cast<int>(lines));
    control->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(Count(TScrollBarKind::sbVertical, scLineUp), static_cast<int>(lines));
    EXPECT_EQ(control->scrolled.size(), 2u * lines);
}

TEST_F(Control, TheSettingsMessageGivesTheBarsTheSystemsSizes)
{
    TcxControlScrollBar& bar = *control->HScrollBar();
    bar.SetBounds(bar.Left(), bar.Top(), bar.Width(), 9);
    control->Perform(DXM_SCROLLBARSETTINGSCHANGED, 0, 0);
    EXPECT_EQ(bar.Height(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(bar.Top(), control->GetClientBounds().bottom);
}

// Run inside the middle-button loop: the steps come from a thread timer.
struct TLoopScript {
    static inline std::vector<std::function<void()>> steps;
    static inline size_t next = 0;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        if (next < steps.size())
            steps[next++]();
        else
            KillTimer(nullptr, id);
    }
    static UINT_PTR Start(std::vector<std::function<void()>> s)
    {
        steps = std::move(s);
        next = 0;
        return SetTimer(nullptr, 0, 150, &Tick);
    }
};

BOOL CALLBACK CountTopmostStatic(HWND w, LPARAM lp)
{
    char name[16] = {};
    GetClassNameA(w, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

int TopmostStatics()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountTopmostStatic, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(Control, MiddleButtonScrollingMovesAndEndsOnAClick)
{
    POINT anchor{60, 50};
    ClientToScreen(control->Handle(), &anchor);
    SetCursorPos(anchor.x, anchor.y);
    Application.ProcessMessages();
    const HWND window = control->Handle();
    int anchors = 0;
    const UINT_PTR timer = TLoopScript::Start({
        [&] {
            anchors = TopmostStatics();
            SetCursorPos(anchor.x, anchor.y + 80);
            PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(60, 130));
        },
        [] {},
        [&] { PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 130)); },
    });
    control->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(60, 50));
    KillTimer(nullptr, timer);
    EXPECT_EQ(anchors, 1);
    EXPECT_GT(Count(TScrollBarKind::sbVertical, scLineDown), 0);
    EXPECT_FALSE(control->ScrollingContent());
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(TopmostStatics(), 0);
}

TEST_F(Control, AControlFreedInsideTheMiddleButtonLoopLeavesNothingBehind)
{
    POINT anchor{60, 50};
    ClientToScreen(control->Handle(), &anchor);
    SetCursorPos(anchor.x, anchor.y);
    const UINT_PTR timer = TLoopScript::Start({[&] { owned.reset(); }});
    control->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(60, 50));
    KillTimer(nullptr, timer);
    EXPECT_EQ(owned, nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TopmostStatics(), 0);
}

} // namespace
