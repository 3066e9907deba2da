// The message path through real windows: handlers by id and their order,
// the replaceable WindowProc, Perform, reflected notifications, keys offered
// to the control first, and the decoded mouse.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/button.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/messagewindow.h"
#include "classlib/speedbutton.h"
#include "classlib/tests/keyboard.h"
#include "classlib/timer.h"

namespace {

// A private message, as the editor library has them.
constexpr UINT WM_METRICS = 0x8065;

class TBaseEdit : public TEdit {
public:
    std::string trace;
    void DefaultHandler(TMessage& m) override
    {
        if (m.Msg == WM_METRICS)
            trace += "default ";
        TEdit::DefaultHandler(m);
    }

protected:
    const TMessageMap& Messages() const override
    {
        static const TMessageMap map(TEdit::Messages(), {{WM_METRICS, &TBaseEdit::WMMetrics}});
        return map;
    }
    void WMMetrics(TMessage& m)
    {
        trace += "base ";
        TEdit::Messages().Dispatch(*this, m);
    }
};

class TDerivedEdit : public TBaseEdit {
public:
    bool destroyed = false;

protected:
    const TMessageMap& Messages() const override
    {
        static const TMessageMap map(TBaseEdit::Messages(), {
                                                                {WM_METRICS, &TDerivedEdit::WMMetrics},
                                                                {WM_DESTROY, &TDerivedEdit::WMDestroy},
                                                            });
        return map;
    }
    void WMMetrics(TMessage& m)
    {
        trace += "derived ";
        TBaseEdit::Messages().Dispatch(*this, m);
        m.Result = 7;
    }
    void WMDestroy(TMessage& m)
    {
        destroyed = true;
        DefaultHandler(m);
    }
};

// Answers CN_KEYDOWN for Delete, so the EDIT never sees that key.
class TNoDeleteEdit : public TEdit {
protected:
    const TMessageMap& Messages() const override
    {
        static const TMessageMap map(TEdit::Messages(), {{CN_KEYDOWN, &TNoDeleteEdit::CNKeyDown}});
        return map;
    }
    void CNKeyDown(TMessage& m)
    {
        if (m.WParam == VK_DELETE)
            m.Result = 1;
        else
            TEdit::Messages().Dispatch(*this, m);
    }
};

class Messages : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application.Initialize();
        form = std::make_unique<TForm>();
        form->Show();
        SetForegroundWindow(form->Handle());
    }

    template <class T>
    T& Add(int top)
    {
        auto& control = form->Adopt(std::make_unique<T>());
        control.SetBounds(10, top, 120, 24);
        control.SetParent(form.get());
        return control;
    }

    std::unique_ptr<TForm> form;
};

} // namespace

TEST_F(Messages, HandlerRunsBeforeTheInheritedOneWhichEndsInTheDefault)
{
    auto& edit = Add<TDerivedEdit>(10);
    EXPECT_EQ(SendMessageA(edit.Handle(), WM_METRICS, 0, 0), 7);
    EXPECT_EQ(edit.trace, "derived base default ");

    // Without a window the same handlers run, and the default answers nothing.
    TDerivedEdit loose;
    EXPECT_FALSE(loose.HandleAllocated());
    EXPECT_EQ(loose.Perform(WM_METRICS, 0, 0), 7);
    EXPECT_EQ(loose.trace, "derived base default ");
    EXPECT_EQ(loose.Perform(WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Messages, AWrappedWindowProcSeesAndSwallowsMessages)
{
    auto& edit = Add<TEdit>(10);
    int swallowed = 0;
    edit.WindowProc = [&swallowed, inner = edit.WindowProc](TMessage& m) {
        if (m.Msg == WM_CHAR && m.WParam == 'x') {
            ++swallowed;
            return;
        }
        inner(m);
    };
    for (char c : std::string("xyx"))
        SendMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(edit.Text(), "y");
    EXPECT_EQ(swallowed, 2);
}

TEST_F(Messages, NotificationsToTheParentReachTheChild)
{
    auto& edit = Add<TEdit>(10);
    auto& button = Add<TButton>(40);
    edit.SetColor(clYellow);
    edit.Font().SetColor(clRed);
    int changes = 0, clicks = 0;
    edit.OnChange = [&](TComponent&) { ++changes; };
    button.OnClick = [&](TComponent&) { ++clicks; };

    HDC dc = GetDC(edit.Handle());
    LRESULT brush = SendMessageA(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(edit.Handle()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(clRed));
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clYellow));
    ReleaseDC(edit.Handle(), dc);

    edit.SetText("typed");
    EXPECT_EQ(changes, 1);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Messages, KeysGoToTheFormsPreviewThenCanBeAnsweredBeforeTheWindow)
{
    auto& guarded = Add<TNoDeleteEdit>(10);
    auto& plain = Add<TEdit>(40);
    std::string log;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TComponent&, WORD& key, TShiftState) {
        log += "form ";
        if (key == VK_F2)
            key = 0;
    };
    plain.OnKeyDown = [&](TComponent&, WORD&, TShiftState) { log += "edit "; };

    for (TEdit* edit : {static_cast<TEdit*>(&guarded), &plain}) {
        edit->SetText("abc");
        edit->SetFocus();
        edit->SetSelStart(0);
        PressKey(VK_DELETE);
    }
    EXPECT_EQ(guarded.Text(), "abc") << "the answered key reached the EDIT";
    EXPECT_EQ(plain.Text(), "bc");
    EXPECT_EQ(log, "form edit ");

    log.clear();
    PressKey(VK_F2);
    EXPECT_EQ(log, "form ") << "a key the preview takes goes no further";
}

// Mouse messages of the form's window at points of the form reach the
// windowless child there, in its own coordinates; a press holds the capture
// for it until the release, wherever that comes.
TEST_F(Messages, TheParentRoutesTheMouseToItsWindowlessChildrenAndHoldsTheCaptureForThem)
{
    auto& lower = Add<TSpeedButton>(10);
    auto& upper = Add<TSpeedButton>(20);
    auto& disabled = Add<TSpeedButton>(60);
    auto& hidden = Add<TSpeedButton>(90);
    disabled.SetEnabled(false);
    hidden.SetVisible(false);
    std::string log;
    auto watch = [&](TControl& control, const std::string& name) {
        control.OnMouseDown = [&log, name](TComponent&, TMouseButton, TShiftState shift, int x, int y) {
            log += name + (shift & ssDouble ? ":down2(" : ":down(") + std::to_string(x) + "," + std::to_string(y) + ") ";
        };
        control.OnMouseUp = [&log, name](TComponent&, TMouseButton, TShiftState, int x, int y) {
            log += name + ":up(" + std::to_string(x) + "," + std::to_string(y) + ") ";
        };
        control.OnMouseMove = [&log, name](TComponent&, TShiftState, int x, int y) {
            log += name + ":move(" + std::to_string(x) + "," + std::to_string(y) + ") ";
        };
        control.OnClick = [&log, name](TComponent&) { log += name + ":click "; };
        control.OnMouseEnter = [&log, name](TComponent&) { log += name + ":enter "; };
        control.OnMouseLeave = [&log, name](TComponent&) { log += name + ":leave "; };
    };
    watch(lower, "L");
    watch(upper, "U");
    watch(disabled, "D");
    watch(hidden, "H");
    form->OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int x, int y) {
        log += "form:down(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    };
    constexpr UINT kLoseCapture = 0;
    struct Step {
        UINT msg;
        POINT at;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        const char* log;
    };
    const Case cases[] = {
        {"the upper of two at the point",
         {{WM_LBUTTONDOWN, {15, 25}}, {WM_LBUTTONUP, {15, 25}}},
         "U:down(5,5) U:click U:up(5,5) "},
        {"the lower where only it lies", {{WM_LBUTTONDOWN, {15, 12}}, {WM_LBUTTONUP, {15, 12}}}, "L:down(5,2) L:click L:up(5,2) "},
        {"released outside: captured, no click",
         {{WM_LBUTTONDOWN, {15, 12}}, {WM_MOUSEMOVE, {200, 150}}, {WM_LBUTTONUP, {200, 150}}},
         "L:down(5,2) L:move(190,140) L:up(190,140) "},
        {"a press whose capture is taken away clicks not",
         {{WM_LBUTTONDOWN, {15, 12}}, {kLoseCapture, {}}, {WM_LBUTTONUP, {15, 12}}},
         "L:down(5,2) L:up(5,2) "},
        {"a double click is a second press to a speed button",
         {{WM_LBUTTONDOWN, {15, 12}}, {WM_LBUTTONUP, {15, 12}}, {WM_LBUTTONDBLCLK, {15, 12}}, {WM_LBUTTONUP, {15, 12}}},
         "L:down(5,2) L:click L:up(5,2) L:down(5,2) L:click L:up(5,2) "},
        {"disabled and hidden ones leave it to the form",
         {{WM_LBUTTONDOWN, {15, 62}}, {WM_LBUTTONUP, {15, 62}}, {WM_LBUTTONDOWN, {15, 92}}, {WM_LBUTTONUP, {15, 92}}},
         "form:down(15,62) form:down(15,92) "},
        {"entered and left as the mouse crosses them",
         {{WM_MOUSEMOVE, {15, 12}}, {WM_MOUSEMOVE, {16, 12}}, {WM_MOUSEMOVE, {15, 25}}, {WM_MOUSEMOVE, {15, 50}}},
         "L:enter L:move(5,2) L:move(6,2) L:leave U:enter U:move(5,5) U:leave "},
    };
    for (const Case& c : cases) {
        log.clear();
        for (const Step& step : c.steps) {
            if (step.msg == kLoseCapture) {
                ReleaseCapture();
                continue;
            }
            SendMessageA(form->Handle(), step.msg, step.msg == WM_LBUTTONDOWN || step.msg == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0,
                         MAKELPARAM(step.at.x, step.at.y));
            if (step.msg == WM_LBUTTONDOWN && log.find("form:") == std::string::npos) {
                EXPECT_EQ(GetCapture(), form->Handle()) << c.what;
                EXPECT_TRUE(lower.MouseCapture() || upper.MouseCapture()) << c.what;
            }
        }
        EXPECT_EQ(log, c.log) << c.what;
        EXPECT_EQ(GetCapture(), nullptr) << c.what;
        EXPECT_EQ(form->CaptureControl(), nullptr) << c.what;
    }
}

TEST_F(Messages, DoubleClickIsAMouseDownAndADblClick)
{
    auto& edit = Add<TEdit>(10);
    std::string log;
    edit.OnMouseDown = [&](TComponent&, TMouseButton, TShiftState shift, int, int) {
        log += shift & ssDouble ? "double-down " : "down ";
    };
    edit.OnDblClick = [&](TComponent&) { log += "dblclick "; };
    SendMessageA(edit.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(edit.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageA(edit.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(log, "down double-down dblclick ");
}

TEST_F(Messages, MouseEntersAndLeavesOnce)
{
    auto& edit = Add<TEdit>(10);
    int enters = 0, leaves = 0;
    edit.OnMouseEnter = [&](TComponent&) { ++enters; };
    edit.OnMouseLeave = [&](TComponent&) { ++leaves; };
    for (int i = 0; i < 2; ++i)
        SendMessageA(edit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4 + i, 4));
    for (int i = 0; i < 2; ++i)
        SendMessageA(edit.Handle(), WM_MOUSELEAVE, 0, 0);
    Application.ProcessMessages();
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(Messages, ADerivedControlSeesItsOwnDestroy)
{
    auto& edit = Add<TDerivedEdit>(10);
    DestroyWindow(form->Handle());
    EXPECT_TRUE(edit.destroyed);
    EXPECT_FALSE(edit.HandleAllocated());
}

TEST(MessageWindow, HearsBroadcastsAndCarriesTimerTicks)
{
    Application.Initialize();
    const UINT probe = RegisterWindowMessageA("VostrelMessageWindowProbe");
    int heard = 0;
    TMessageWindow window([&](TMessage& m) {
        if (m.Msg != probe)
            return false;
        ++heard;
        return true;
    });
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, probe, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    EXPECT_EQ(heard, 1);

    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](TComponent&) { ++ticks; };
    timer.SetInterval(10);
    timer.Loaded();
    MSG msg;
    for (DWORD start = GetTickCount(); ticks < 2 && GetTickCount() - start < 5000;)
        Application.HandleMessage(msg, true);
    EXPECT_GE(ticks, 2);
}
