// Timers, mouse-leave tracking, drag detection and the settings controller
// on real windows; the cursor is placed with SetCursorPos once the form shows.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/customcontrol.h"
#include "classlib/form.h"
#include "classlib/messagewindow.h"
#include "classlib/screen.h"
#include "editors/foundation/controls/cxcontrolsunit.h"
#include "editors/foundation/system/cxdragdetect.h"
#include "editors/foundation/system/cxdwmapi.h"
#include "editors/foundation/system/cxmousetracking.h"
#include "editors/foundation/system/cxsettingscontroller.h"
#include "editors/foundation/system/cxtimer.h"

namespace {

// Pumps messages until the condition holds or two seconds pass.
bool PumpUntil(const std::function<bool()>& condition)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > 2000)
            return false;
        Application.ProcessMessages();
        Sleep(5);
    }
    return true;
}

// Writes into a trace when the component it watches is freed.
class TFreeWatch : public TComponent {
public:
    explicit TFreeWatch(std::string& trace) : trace_(trace) {}

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove)
            trace_ += "freed ";
    }

private:
    std::string& trace_;
};

// A control that writes what reaches it.
class TTracked : public TCustomControl {
public:
    std::string trace;
    int settingsChanged = 0;
    // Whether the class library has told it of the mouse coming in and not yet
    // of its going.
    bool mouseIn = false;
    std::function<void()> onLeaveMessage;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_MOUSEENTER && message.LParam == reinterpret_cast<LPARAM>(this))
            mouseIn = true;
        if (message.Msg == CM_MOUSELEAVE && message.LParam == reinterpret_cast<LPARAM>(this)) {
            mouseIn = false;
            trace += "cm ";
            if (onLeaveMessage)
                onLeaveMessage();
        }
        if (message.Msg == DXM_SCROLLBARSETTINGSCHANGED)
            ++settingsChanged;
        TCustomControl::WndProc(message);
    }
};

// A tracking caller writing into the control's trace. (Not the control
// itself: the class library's own leave notice calls a control's MouseLeave.)
class TCaller : public IcxMouseTrackingCaller {
public:
    explicit TCaller(std::string& trace) : trace_(trace) {}
    std::function<void()> onLeave;

    void MouseLeave() override
    {
        trace_ += "leave ";
        if (onLeave)
            onLeave();
    }

private:
    std::string& trace_;
};

class Controls : public ::testing::Test {
protected:
    // One form for the suite: showing a form takes Wine a while.
    static void SetUpTestSuite()
    {
        form = std::make_unique<TForm>();
        form->SetBounds(100, 100, 300, 200);
        control = &form->Adopt(std::make_unique<TTracked>());
        control->SetBounds(20, 20, 100, 60);
        control->SetParent(form.get());
        form->Show();
        SetForegroundWindow(form->Handle());
        Application.ProcessMessages();
    }
    static void TearDownTestSuite() { form.reset(); }

    void SetUp() override
    {
        // The cursor starts away from the control, and the class library's
        // own leave notice for wherever it was before has been and gone.
        const POINT away = ScreenPoint(150, 150);
        SetCursorPos(away.x, away.y);
        PumpUntil([] { return !control->mouseIn; });
        control->onLeaveMessage = nullptr;
        control->trace.clear();
        control->settingsChanged = 0;
        caller = std::make_unique<TCaller>(control->trace);
    }
    void TearDown() override { StopMouseLeaveTracking(caller.get()); }

    // A point of the control's client area on the screen.
    static POINT ScreenPoint(int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(control->Handle(), &p);
        return p;
    }

    static inline std::unique_ptr<TForm> form;
    static inline TTracked* control = nullptr;
    std::unique_ptr<TCaller> caller;
};

TEST_F(Controls, TimerRunsOnlyEnabledWithAHandler)
{
    TcxTimer timer;
    timer.SetInterval(20);
    timer.SetInterval(0);
    EXPECT_EQ(timer.Interval(), 20u);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.IsOn());

    int ticks = 0;
    timer.SetOnTimer([&](TComponent& sender) {
        EXPECT_EQ(&sender, &timer);
        ++ticks;
    });
    EXPECT_TRUE(timer.IsOn());
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));

    timer.SetEnabled(false);
    EXPECT_FALSE(timer.IsOn());
    const int stopped = ticks;
    Sleep(60);
    Application.ProcessMessages();
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Controls, ATimerFreedInItsTickGoesOnlyAfterTheTick)
{
    std::string trace;
    TFreeWatch watch(trace);
    auto timer = std::make_unique<TcxTimer>();
    timer->FreeNotification(&watch);
    timer->SetInterval(10);
    TcxTimer* raw = timer.get();
    raw->SetOnTimer([&](TComponent&) {
        trace += "tick ";
        cxFreeTimer(std::move(timer));
        trace += "returned ";
    });
    EXPECT_TRUE(PumpUntil([&] { return trace.find("freed") != std::string::npos; }));
    EXPECT_EQ(trace, "tick returned freed ");
}

TEST_F(Controls, LeavingSendsTheControlMessageThenTellsTheCaller)
{
    const POINT outside = ScreenPoint(150, 150);
    SetCursorPos(outside.x, outside.y);
    const RECT bounds{0, 0, 100, 60};
    StartMouseLeaveTracking(control, bounds, caller.get());
    TMouseTrackingTimer* first = FindMouseTrackingTimer(caller.get());
    StartMouseLeaveTracking(control, bounds, caller.get());
    EXPECT_EQ(FindMouseTrackingTimer(caller.get()), first);
    ASSERT_NE(first, nullptr);

    EXPECT_TRUE(PumpUntil([&] { return !IsMouseLeaveTracking(caller.get()); }));
    Sleep(50);
    Application.ProcessMessages();
    // Once: the second start added no timer.
    EXPECT_EQ(control->trace, "cm leave ");
}

TEST_F(Controls, AHandlerPumpingMessagesHearsOfTheLeavingOnce)
{
    const POINT outside = ScreenPoint(150, 150);
    SetCursorPos(outside.x, outside.y);
    // Busy for several tracking intervals, taking messages meanwhile.
    control->onLeaveMessage = [] {
        for (int i = 0; i < 5; ++i) {
            Sleep(15);
            Application.ProcessMessages();
        }
    };
    StartMouseLeaveTracking(control, RECT{0, 0, 100, 60}, caller.get());
    EXPECT_TRUE(PumpUntil([&] { return !IsMouseLeaveTracking(caller.get()); }));
    Sleep(50);
    Application.ProcessMessages();
    EXPECT_EQ(control->trace, "cm leave ");
}

TEST_F(Controls, TrackingWaitsWhileTheCursorStaysInside)
{
    const POINT inside = ScreenPoint(50, 30);
    SetCursorPos(inside.x, inside.y);
    // Screen bounds, no control: no control message either.
    RECT bounds{inside.x - 10, inside.y - 10, inside.x + 10, inside.y + 10};
    StartMouseLeaveTracking(nullptr, bounds, caller.get());
    Sleep(60);
    Application.ProcessMessages();
    EXPECT_TRUE(IsMouseLeaveTracking(caller.get()));
    EXPECT_EQ(control->trace, "");
    // The right edge is outside.
    SetCursorPos(bounds.right, inside.y);
    EXPECT_TRUE(PumpUntil([&] { return !IsMouseLeaveTracking(caller.get()); }));
    EXPECT_EQ(control->trace, "leave ");
}

TEST_F(Controls, ACallerEndingItsOwnTrackingKeepsTheTimerUntilTheTickReturns)
{
    std::string trace;
    TFreeWatch watch(trace);
    const POINT outside = ScreenPoint(150, 150);
    SetCursorPos(outside.x, outside.y);
    StartMouseLeaveTracking(nullptr, RECT{0, 0, 1, 1}, caller.get());
    FindMouseTrackingTimer(caller.get())->FreeNotification(&watch);
    caller->onLeave = [&] {
        StopMouseLeaveTracking(caller.get());
        trace += "stopped ";
        EXPECT_FALSE(IsMouseLeaveTracking(caller.get()));
    };
    EXPECT_TRUE(PumpUntil([&] { return trace.find("freed") != std::string::npos; }));
    EXPECT_EQ(trace, "stopped freed ");
}

TEST_F(Controls, DetectDragStartResults)
{
    const POINT origin = ScreenPoint(50, 30);
    HWND window = control->Handle();
    TMessageWindow thief([](TMessage& m) {
        if (m.Msg != WM_APP)
            return false;
        ReleaseCapture();
        return true;
    });
    struct Case {
        const char* name;
        std::function<void()> post;
        TcxDragDetect expected;
    };
    auto move = [&](int x, int y) { PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); };
    const Case cases[] = {
        {"release", [&] { PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(50, 30)); }, ddNone},
        {"move inside, release",
         [&] {
             move(54, 26);
             PostMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(54, 26));
         },
         ddNone},
        {"five pixels away", [&] { move(55, 30); }, ddDrag},
        // 0xFFFF is -1 across: left of the window, far from the square.
        {"coordinates beyond 0x8000", [&] { move(0xFFFF, 30); }, ddDrag},
        {"escape", [&] { PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0); }, ddCancel},
        {"capture lost", [&] { PostMessageA(thief.Handle(), WM_APP, 0, 0); }, ddCancel},
    };
    for (const Case& c : cases) {
        SetCursorPos(origin.x, origin.y);
        Application.ProcessMessages();
        c.post();
        EXPECT_EQ(DetectDragStart(window), c.expected) << c.name;
        EXPECT_EQ(GetCapture(), nullptr) << c.name;
    }
}

TEST_F(Controls, DetectDragStartOutlivesItsWindow)
{
    HWND doomed = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, form->Handle(), nullptr,
                                  nullptr, nullptr);
    PostMessageA(form->Handle(), WM_NULL, 0, 0);
    DestroyWindow(doomed);
    EXPECT_EQ(DetectDragStart(doomed), ddCancel);
}

TEST_F(Controls, SettingsChangeReachesRegisteredControls)
{
    TcxSettingsController& controller = cxSettingsController();
    EXPECT_EQ(controller.Handle(), nullptr);
    controller.AddControl(control);
    controller.AddControl(control);
    ASSERT_NE(controller.Handle(), nullptr);
    // Other settings are not its business.
    SendMessageA(controller.Handle(), WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
    SendMessageA(controller.Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    Application.ProcessMessages();
    EXPECT_EQ(control->settingsChanged, 1);
    controller.RemoveControl(control);
    EXPECT_EQ(controller.Handle(), nullptr);
}

TEST(ControlsPlatform, CursorsThresholdAndComposition)
{
    EXPECT_EQ(Screen.Cursors(crNoDrop), LoadCursorA(nullptr, IDC_NO));
    EXPECT_NE(Screen.Cursors(crDrag), nullptr);
    EXPECT_EQ(Screen.Cursors(crcxHandPoint), LoadCursorA(nullptr, IDC_HAND));
    // Every library cursor came from the program's resources.
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    for (TCursor id = crcxDragCopy; id <= crcxColorPicker; ++id) {
        EXPECT_NE(Screen.Cursors(id), nullptr) << id;
        EXPECT_NE(Screen.Cursors(id), arrow) << id;
    }
    EXPECT_EQ(Mouse.DragThreshold(), 5);
    EXPECT_TRUE(cxDwmApi::Bound());
    EXPECT_NE(cxDwmApi::DwmSetWindowAttribute, nullptr);
    EXPECT_FALSE(cxDesktopCompositionActive());
}

} // namespace
