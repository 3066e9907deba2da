// The custom control on a real form: bars over content larger than the
// client, keys, the context menu, the wheel, the settings message and
// middle-button scrolling, also when the control goes inside its loop.
#include "editors/foundation/controls/cxcontrols.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testform.h"
#include "classlib/dragdrop.h"
#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/menus.h"
#include "classlib/screen.h"
#include "editors/foundation/controls/cxcontrolchildcomponent.h"
#include "editors/foundation/controls/cxcontrolsunit.h"
#include "editors/foundation/core/cxclasses.h"
#include "editors/foundation/core/cxobjectlinks.h"
#include "editors/foundation/system/cxdragdetect.h"
#include "editors/foundation/system/cxsettingscontroller.h"

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
        form = ShowTestForm(400, 300);
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
    // Controls made from here on lose their pages when freed.
    TFreedMemoryTrap trap;
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

// A library drag-and-drop operation that takes the drop left of x = 100,
// begins at the press when asked, and notes its steps.
class TNotingDragObject : public TcxDragAndDropObject {
public:
    TNotingDragObject(TcxControl& control, std::string& log, bool immediate)
        : TcxDragAndDropObject(control), log_(log), immediate_(immediate)
    {
    }
    bool GetImmediateStart() override { return immediate_; }

protected:
    void BeginDragAndDrop() override { log_ += "begin "; }
    void DragAndDrop(POINT p, bool& accepted) override
    {
        accepted = p.x < 100;
        TcxDragAndDropObject::DragAndDrop(p, accepted);
    }
    void EndDragAndDrop(bool accepted) override { log_ += accepted ? "end:accepted " : "end:refused "; }

private:
    std::string& log_;
    bool immediate_;
};

class TDraggingControl : public TContentControl {
public:
    std::string log;
    bool immediate = false;
    TDraggingControl()
    {
        SetDragAndDropObjectClass(
            [this](TcxControl& c) { return std::make_unique<TNotingDragObject>(c, log, immediate); });
    }

protected:
    bool StartDragAndDrop(POINT p) override { return p.x < 60; }
    TCursor GetCursor(int x, int) const override { return x < 30 ? crHandPoint : TcxControl::GetCursor(0, 0); }
};

class LibraryDragAndDrop : public Control {
public:
    void SetUp() override
    {
        dragging = std::make_unique<TDraggingControl>();
        dragging->SetBounds(170, 10, 150, 120);
        dragging->SetParent(form.get());
        Application.ProcessMessages();
    }
    void TearDown() override
    {
        dragging.reset();
        ReleaseCapture();
        EXPECT_EQ(Screen.Cursor(), crDefault);
    }
    void Send(UINT msg, int x, int y, WPARAM keys = 0) { dragging->Perform(msg, keys, MAKELPARAM(x, y)); }

    std::unique_ptr<TDraggingControl> dragging;
};

TEST_F(LibraryDragAndDrop, EachWayOutEndsTheOperationAndGivesBackCursorAndCapture)
{
    struct Case {
        const char* name;
        std::function<void(LibraryDragAndDrop&)> end;
        const char* log;
    };
    const Case cases[] = {
        {"release", [](LibraryDragAndDrop& t) { t.Send(WM_LBUTTONUP, 50, 20); }, "begin end:accepted "},
        {"Esc key", [](LibraryDragAndDrop& t) { EXPECT_EQ(t.dragging->Perform(CN_KEYDOWN, VK_ESCAPE, 0), 1); },
         "begin end:refused "},
        {"cancel mode", [](LibraryDragAndDrop& t) { t.dragging->Perform(WM_CANCELMODE, 0, 0); }, "begin end:refused "},
        {"capture taken", [](LibraryDragAndDrop& t) { SetCapture(t.form->Handle()); }, "begin end:refused "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dragging->log.clear();
        Send(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
        EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsStarting);
        Send(WM_MOUSEMOVE, 22, 22, MK_LBUTTON);
        EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsStarting) << "inside the drag square";
        Send(WM_MOUSEMOVE, 50, 20, MK_LBUTTON);
        EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsInProcess);
        EXPECT_EQ(Screen.Cursor(), crDrag);
        Send(WM_MOUSEMOVE, 120, 20, MK_LBUTTON);
        EXPECT_EQ(Screen.Cursor(), crNoDrop);
        Send(WM_MOUSEMOVE, 50, 20, MK_LBUTTON);
        EXPECT_EQ(GetCapture(), dragging->Handle());
        c.end(*this);
        EXPECT_EQ(dragging->log, c.log);
        EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsNone);
        EXPECT_EQ(Screen.Cursor(), crDefault);
        EXPECT_NE(GetCapture(), dragging->Handle());
        ReleaseCapture();
    }
}

TEST_F(LibraryDragAndDrop, AClickThatStaysInTheSquareNeverBegins)
{
    Send(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    EXPECT_TRUE(dragging->MouseButtonPressed());
    Send(WM_LBUTTONUP, 21, 21);
    EXPECT_EQ(dragging->log, "");
    EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsNone);
    EXPECT_FALSE(dragging->MouseButtonPressed());
    // Outside the area where an operation may start, nothing starts at all.
    Send(WM_LBUTTONDOWN, 80, 20, MK_LBUTTON);
    EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsNone);
    Send(WM_LBUTTONUP, 80, 20);
}

TEST_F(LibraryDragAndDrop, AnImmediateOperationBeginsAtThePress)
{
    dragging->immediate = true;
    Send(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    EXPECT_EQ(dragging->DragAndDropState(), TcxDragAndDropState::ddsInProcess);
    Send(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(dragging->log, "begin end:accepted ");
}

TEST_F(LibraryDragAndDrop, TheCursorFollowsThePointAndTheDefaultStays)
{
    dragging->SetCursor(crCross);
    Send(WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(dragging->Cursor(), crHandPoint);
    Send(WM_MOUSEMOVE, 80, 10);
    EXPECT_EQ(dragging->Cursor(), crCross);
}

TEST_F(LibraryDragAndDrop, AControlFreedDuringTheOperationGivesBackTheScreenCursor)
{
    Send(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    Send(WM_MOUSEMOVE, 120, 20, MK_LBUTTON);
    ASSERT_EQ(Screen.Cursor(), crNoDrop);
    dragging.reset();
    EXPECT_EQ(GetCapture(), nullptr);
}

// A menu of the program's own kind, answering Ctrl+M.
class THandlerMenu : public TComponent, public IPopupMenuHandler {
public:
    int popups = 0, shortcuts = 0;
    void Popup(int, int) override { ++popups; }
    bool IsShortCutKey(const TMessage& m) override
    {
        const bool mine = m.WParam == 'M' && GetKeyState(VK_CONTROL) < 0;
        shortcuts += mine;
        return mine;
    }
};

TEST_F(Control, MenuShortcutsAreFoundUpTheParentsAndAnyMenuKindServes)
{
    TPopupMenu menu;
    TMenuItem item;
    item.ShortCut = scCtrl | 'K';
    int clicks = 0;
    item.OnClick = [&](TComponent&) { ++clicks; };
    menu.Add(item);
    THandlerMenu handler;
    TContentControl inner;
    inner.SetBounds(5, 5, 40, 30);
    inner.SetParent(control);
    control->SetPopupMenu(&menu);
    inner.SetPopupMenu(&handler);

    PressCtrl(true);
    const LRESULT k = inner.Perform(CN_KEYDOWN, 'K', 0);
    const LRESULT m = inner.Perform(CN_KEYDOWN, 'M', 0);
    const LRESULT other = inner.Perform(CN_KEYDOWN, 'J', 0);
    PressCtrl(false);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(clicks, 1) << "the parent's menu item was chosen";
    EXPECT_EQ(m, 1);
    EXPECT_EQ(handler.shortcuts, 1);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(inner.Perform(CN_KEYDOWN, 'K', 0), 0) << "without Ctrl";

    // Anything else is no menu; a freed menu leaves none behind.
    TComponent notAMenu;
    inner.SetPopupMenu(&notAMenu);
    EXPECT_EQ(inner.PopupMenu(), nullptr);
    {
        auto shortLived = std::make_unique<TPopupMenu>();
        inner.SetPopupMenu(shortLived.get());
        EXPECT_EQ(inner.TControl::PopupMenu(), shortLived.get());
    }
    EXPECT_EQ(inner.PopupMenu(), nullptr);
    EXPECT_EQ(inner.TControl::PopupMenu(), nullptr);
}

class TFontNote : public IcxFontListener {
public:
    TFontNote(std::string& log, const char* name) : log_(log), name_(name) {}
    void Changed(TcxControl& sender, TFont& font) override
    {
        log_ += name_ + ":" + std::to_string(font.Size()) + " ";
        if (leave)
            sender.RemoveFontListener(leave);
    }
    IcxFontListener* leave = nullptr;

private:
    std::string& log_;
    std::string name_;
};

TEST_F(Control, FontListenersAreToldInOrderAndMayLeaveWhileTold)
{
    std::string log;
    TFontNote a(log, "a"), b(log, "b"), c(log, "c");
    control->AddFontListener(&a);
    control->AddFontListener(&b);
    control->AddFontListener(&a);
    control->AddFontListener(&c);
    b.leave = &c;
    control->Font().SetSize(14);
    EXPECT_EQ(log, "a:14 b:14 ");
    log.clear();
    control->RemoveFontListener(&a);
    control->Font().SetSize(15);
    EXPECT_EQ(log, "b:15 ");
}

TEST_F(Control, AChildComponentOutlivingItsControlForgetsIt)
{
    TcxControlChildComponent child(*control, false);
    EXPECT_EQ(child.GetParentComponent(), control);
    EXPECT_TRUE(child.HasParent());
    control->RemoveChildComponent(child);
    EXPECT_FALSE(child.HasParent());
    child.SetParentComponent(control);
    EXPECT_EQ(child.Control(), control);
    owned.reset();
    EXPECT_EQ(child.Control(), nullptr);
}

TEST_F(Control, APressWhoseFocusIsRefusedIsDroppedUnlessTheControlMayGoOn)
{
    TContentControl thief;
    thief.SetBounds(200, 10, 50, 50);
    thief.SetParent(form.get());
    int presses = 0, focusChanges = 0;
    control->OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int, int) { ++presses; };
    control->OnFocusChanged = [&](TComponent&) { ++focusChanges; };
    thief.SetFocus();
    control->OnEnter = [&](TComponent&) { thief.SetFocus(); };
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(presses, 0);
    EXPECT_NE(GetCapture(), control->Handle());
    EXPECT_EQ(focusChanges, 2) << "focused, then left";

    control->OnEnter = nullptr;
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(control->Focused());
    EXPECT_TRUE(control->MouseButtonPressed());
    control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
}

// The class library's drag, started from a press that leaves the drag square.
TEST_F(Control, AnAutomaticDragStartsOnceThePressLeavesTheSquare)
{
    control->SetDragMode(TDragMode::dmAutomatic);
    const HWND window = control->Handle();
    const UINT_PTR timer = TLoopScript::Start({
        [&] { PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 20)); },
    });
    POINT at{20, 20};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    Application.ProcessMessages();
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(control->Dragging());
    EXPECT_NE(dynamic_cast<TcxDragControlObject*>(CurrentDragObject()), nullptr);
    control->EndDrag(false);
    EXPECT_FALSE(control->Dragging());
}

TEST_F(Control, KeysInsideTheModalMouseLoopsReachTheApplicationsKeyHandling)
{
    TPopupMenu menu;
    TMenuItem item;
    item.ShortCut = VK_F5;
    int clicks = 0;
    item.OnClick = [&](TComponent&) { ++clicks; };
    menu.Add(item);
    control->SetPopupMenu(&menu);
    const HWND window = control->Handle();
    POINT anchor{60, 50};
    ClientToScreen(window, &anchor);
    const struct {
        const char* name;
        std::function<void()> run;
        UINT end;
        WPARAM endKeys;
    } loops[] = {
        {"middle-button scrolling", [&] { control->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(60, 50)); },
         WM_LBUTTONDOWN, MK_LBUTTON},
        {"drag detection", [&] { DetectDragStart(window); }, WM_LBUTTONUP, 0},
    };
    for (const auto& loop : loops) {
        clicks = 0;
        SetCursorPos(anchor.x, anchor.y);
        const UINT_PTR timer = TLoopScript::Start({
            [&] { PostMessageA(window, WM_KEYDOWN, VK_F5, 1); },
            [&] { PostMessageA(window, loop.end, loop.endKeys, MAKELPARAM(60, 50)); },
        });
        loop.run();
        KillTimer(nullptr, timer);
        EXPECT_EQ(clicks, 1) << loop.name << ": the menu's shortcut was offered the key";
        EXPECT_NE(GetCapture(), window) << loop.name;
    }
    control->SetPopupMenu(nullptr);
}

TEST_F(Control, AScrollBarClickWhoseFocusFreesTheControlEndsThere)
{
    ASSERT_NE(control->VScrollBar(), nullptr);
    form->SetFocus();
    Application.ProcessMessages();
    ASSERT_FALSE(control->Focused());
    control->OnEnter = [this](TComponent&) { owned.reset(); };
    const HWND bar = control->VScrollBar()->Handle();
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 40));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(5, 40));
    Application.ProcessMessages();
    EXPECT_EQ(owned, nullptr);
    EXPECT_FALSE(IsWindow(bar));
}

// A click whose first focusing ends elsewhere (OnEnter hands the focus to a
// window of no control, the control staying the form's active control)
// focuses the control once more; that focusing's handler frees it.
TEST_F(Control, AClickWhoseSecondFocusingFreesTheControlEndsThere)
{
    const HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 200, 150, 60, 20, form->Handle(),
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(form->Handle());
    ::SetFocus(other);
    const auto until = [](const std::function<bool()>& done, DWORD ms = 3000) {
        for (const DWORD start = GetTickCount(); !done() && GetTickCount() - start < ms; Sleep(1))
            Application.ProcessMessages();
        return done();
    };
    ASSERT_TRUE(until([&] { return GetForegroundWindow() == form->Handle() && GetFocus() == other; }));
    bool entered = false;
    control->OnEnter = [&](TComponent&) {
        entered = true;
        ::SetFocus(other);
    };
    control->OnFocusChanged = [&](TComponent& sender) {
        if (entered && static_cast<TControl&>(sender).Focused())
            owned.reset();
    };
    const HWND window = control->Handle();
    ClickInput(window);
    EXPECT_TRUE(until([&] { return owned == nullptr; })) << "the second focusing came";
    until([] { return false; }, 200);
    EXPECT_TRUE(entered);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetCapture(), nullptr) << "no press is left holding the mouse";
    DestroyWindow(other);
}

class TBarlessControl : public TContentControl {
protected:
    bool HasScrollBars() const override { return false; }
};

TEST_F(Control, OnlyAControlWithScrollBarsHasWindowsForThem)
{
    TBarlessControl barless;
    barless.SetBounds(170, 10, 150, 120);
    barless.SetParent(form.get());
    Application.ProcessMessages();
    EXPECT_EQ(barless.HScrollBar(), nullptr);
    EXPECT_EQ(barless.VScrollBar(), nullptr);
    EXPECT_EQ(barless.SizeGrip(), nullptr);
    EXPECT_EQ(GetWindow(barless.Handle(), GW_CHILD), nullptr);
    EXPECT_NE(GetWindow(control->Handle(), GW_CHILD), nullptr) << "the content control's bars";
}

// Links may aim only at classes that clear them.
template <class T>
concept Linkable = requires(const T* object) { cxObjectLinkAdd(object); };
static_assert(Linkable<TcxComponent> && Linkable<TcxScrollBar> && Linkable<TcxControl> &&
              Linkable<TcxControlScrollBar>);
static_assert(!Linkable<TComponent> && !Linkable<TCustomControl> && !Linkable<TcxClass>);

// Another base in front puts the linked class inside the whole object.
class IFront {
public:
    virtual ~IFront() = default;
    virtual int Front() const { return front; }
    int front = 1;
};

// Notes whether the links were clear when its own destructor began. GCC
// takes the deleting destructor's hand-over to the component's destroying
// delete, at an offset in the object, for a free of a pointer not from new.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfree-nonheap-object"
template <class B>
class TBehind : public IFront, public B {
public:
    ~TBehind() override
    {
        if (clearedFirst)
            *clearedFirst = link && !link->Target;
    }
    TcxObjectLink* link = nullptr;
    bool* clearedFirst = nullptr;
};
#pragma GCC diagnostic pop

template <class B>
void ExpectLinksClearedFirst(const char* name)
{
    bool clearedFirst = false;
    auto* object = new TBehind<B>();
    TcxObjectLinkHolder link = cxObjectLinkAdd(static_cast<const B*>(object));
    TcxObjectLinkHolder whole = cxObjectLinkAdd(object);
    object->link = link.get();
    object->clearedFirst = &clearedFirst;
    delete static_cast<TComponent*>(object);
    EXPECT_TRUE(clearedFirst) << name << ": cleared while the whole object was there";
    EXPECT_EQ(link->Target, nullptr) << name;
    EXPECT_EQ(whole->Target, nullptr) << name;
    TcxObjectLinkHolder onStack;
    {
        TBehind<B> local;
        onStack = cxObjectLinkAdd(&local);
        EXPECT_NE(onStack->Target, nullptr) << name;
    }
    EXPECT_EQ(onStack->Target, nullptr) << name << ": one never deleted clears as it ends";
}

TEST(ObjectLinks, EveryLinkableClassClearsItsLinksBeforeItsDestructorsRun)
{
    ExpectLinksClearedFirst<TcxComponent>("component");
    ExpectLinksClearedFirst<TcxScrollBar>("scroll bar");
    ExpectLinksClearedFirst<TcxControl>("control");
}

} // namespace
