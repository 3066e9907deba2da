// Handlers that free their control, its form or the next sibling, or raise,
// from every kind of event, driven by real input on real windows. Freed
// objects lose their pages, so any later touch of one faults.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/button.h"
#include "classlib/customcontrol.h"
#include "classlib/customedit.h"
#include "classlib/datetimepicker.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/pagecontrol.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"

namespace {

void Send(std::initializer_list<INPUT> inputs)
{
    for (INPUT input : inputs)
        SendInput(1, &input, sizeof input);
}

INPUT Key(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Type(WORD key)
{
    Send({Key(key, false), Key(key, true)});
}

INPUT Mouse(DWORD flags, POINT at = {})
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

// Left clicks at a point of the control, by default its middle; two make a
// double click.
void Click(const TControl& control, int clicks = 1, std::optional<POINT> point = {})
{
    POINT at = point.value_or(POINT{control.Width() / 2, control.Height() / 2});
    const POINT origin = control.ClientOrigin();
    at.x += origin.x, at.y += origin.y;
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at)});
    SettleInput();
    for (int i = 0; i < clicks; ++i)
        Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

// A windowed control whose painting and whose answer to the form's dialog
// keys (a broadcast to every child) run user code.
class TProbe : public TCustomControl {
public:
    TProbe() { SetControlStyle(ControlStyle() | csCaptureMouse); }
    std::function<void()> OnPaint, OnDialogKey;

protected:
    void Paint() override
    {
        if (OnPaint)
            OnPaint();
    }
    const TMessageMap& Messages() const override
    {
        static const TMessageMap map(TCustomControl::Messages(), {{CM_DIALOGKEY, &TProbe::CMDialogKey}});
        return map;
    }
    void CMDialogKey(TMessage&)
    {
        if (OnDialogKey)
            OnDialogKey();
    }
};

// A control without a window whose painting runs user code.
class TGraphicProbe : public TGraphicControl {
public:
    std::function<void()> OnPaint;

protected:
    void Paint() override
    {
        if (OnPaint)
            OnPaint();
    }
};

enum class Victim { Itself, ItsForm, NextSibling, Nothing };

struct Scene;

// One kind of handler: the control it sits on, how it is bound to the
// hook, and the real input that fires it.
struct Kind {
    const char* name;
    std::function<TControl&(Scene&)> make;
    // The hook outlives every control: a closure kept in a freed control
    // must not be read once its handler has freed it.
    std::function<void(Scene&, const std::function<void()>&)> bind;
    std::function<void(Scene&)> fire;
};

// A form with the sender, a probe after it and an edit last, which holds
// the focus where the sender is not to have it.
struct Scene {
    explicit Scene(const Kind& kind)
    {
        form = new TForm();
        form->SetBounds(120, 120, 360, 220);
        sender = &kind.make(*this);
        sender->SetBounds(10, 10, 150, 40);
        sender->SetParent(form);
        next = &form->Adopt(std::make_unique<TProbe>());
        next->SetBounds(10, 60, 150, 40);
        next->SetParent(form);
        edit = &form->Adopt(std::make_unique<TEdit>());
        edit->SetBounds(10, 110, 150, 24);
        edit->SetParent(form);
        form->Show();
        SetForegroundWindow(form->Handle());
        // Real input goes to the foreground window, which Wine settles late
        // when the machine is busy: wait for it rather than for a while.
        PumpInput([this] { return GetForegroundWindow() == form->Handle(); });
        SettleInput();
        formAlive = form->Liveness(), senderAlive = sender->Liveness(), nextAlive = next->Liveness();
    }
    ~Scene()
    {
        if (formAlive)
            delete form;
    }
    void Free(Victim victim)
    {
        switch (victim) {
        case Victim::Itself:
            delete sender;
            break;
        case Victim::ItsForm:
            delete form;
            break;
        case Victim::NextSibling:
            delete next;
            break;
        case Victim::Nothing:
            break;
        }
    }

    TForm* form = nullptr;
    TControl* sender = nullptr;
    TProbe* next = nullptr;
    TEdit* edit = nullptr;
    TLiveness formAlive, senderAlive, nextAlive;
};

template <class T>
std::function<TControl&(Scene&)> Make()
{
    return [](Scene& s) -> TControl& { return s.form->Adopt(std::make_unique<T>()); };
}

TProbe& ProbeOf(Scene& s)
{
    return static_cast<TProbe&>(*s.sender);
}

void FocusAndType(Scene& s, WORD key, WORD held = 0)
{
    s.sender->SetFocus();
    PumpInput([&s] { return GetForegroundWindow() == s.form->Handle() && GetFocus() == s.sender->Handle(); });
    SettleInput();
    if (held)
        Send({Key(held, false)});
    Type(key);
    if (held)
        Send({Key(held, true)});
}

// Two pages, owned by their page control.
TControl& MakePages(Scene& s)
{
    auto& pages = s.form->Adopt(std::make_unique<TPageControl>());
    for (const char* caption : {"One", "Two"}) {
        auto& sheet = pages.Adopt(std::make_unique<TTabSheet>());
        sheet.SetText(caption);
        sheet.SetParent(&pages);
    }
    return pages;
}

// A panel drawn in the form's window, with a speed button drawn in it that
// goes with the panel.
TControl& MakeButtonPanel(Scene& s)
{
    auto& panel = s.form->Adopt(std::make_unique<TPanel>());
    panel.SetDrawInParent(true);
    auto& button = panel.Adopt(std::make_unique<TSpeedButton>());
    button.SetBounds(5, 5, 60, 30);
    button.SetParent(&panel);
    return panel;
}

TControl& InnerButton(Scene& s)
{
    return *static_cast<TWinControl&>(*s.sender).Controls().front();
}

// A click on the tab of the page not shown.
void ClickOtherTab(Scene& s)
{
    auto& pages = static_cast<TPageControl&>(*s.sender);
    RECT tab{};
    SendMessageA(pages.Handle(), TCM_GETITEMRECT, pages.ActivePageIndex() == 0 ? 1 : 0, reinterpret_cast<LPARAM>(&tab));
    Click(pages, 1, POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
}

// A handler as real ones are written: it goes on using its own captures
// after the call that may have freed its sender, and with it the sender's
// copy of the handler.
auto Handler(const std::function<void()>& hook)
{
    return [&hook, after = std::make_shared<int>(0)](auto&&...) {
        hook();
        ++*after;
    };
}

const Kind kKinds[] = {
    {"KeyDown", Make<TEdit>(), [](Scene& s, const auto& hook) { s.sender->OnKeyDown = Handler(hook); },
     [](Scene& s) { FocusAndType(s, 'X'); }},
    {"KeyUp", Make<TEdit>(), [](Scene& s, const auto& hook) { s.sender->OnKeyUp = Handler(hook); },
     [](Scene& s) { FocusAndType(s, 'X'); }},
    {"KeyPress", Make<TEdit>(), [](Scene& s, const auto& hook) { s.sender->OnKeyPress = Handler(hook); },
     [](Scene& s) { FocusAndType(s, 'X'); }},
    {"FormKeyPreview", Make<TEdit>(),
     [](Scene& s, const auto& hook) {
         s.form->SetKeyPreview(true);
         s.form->OnKeyDown = Handler(hook);
     },
     [](Scene& s) { FocusAndType(s, 'X'); }},
    {"Change", Make<TEdit>(), [](Scene& s, const auto& hook) { s.sender->OnChange = Handler(hook); },
     [](Scene& s) { FocusAndType(s, 'X'); }},
    {"EditMouseDown", Make<TEdit>(),
     [](Scene& s, const auto& hook) { s.sender->OnMouseDown = Handler(hook); },
     [](Scene& s) { Click(*s.sender); }},
    {"MouseDown", Make<TProbe>(),
     [](Scene& s, const auto& hook) { s.sender->OnMouseDown = Handler(hook); },
     [](Scene& s) { Click(*s.sender); }},
    {"MouseUp", Make<TProbe>(),
     [](Scene& s, const auto& hook) { s.sender->OnMouseUp = Handler(hook); },
     [](Scene& s) { Click(*s.sender); }},
    {"DblClick", Make<TProbe>(), [](Scene& s, const auto& hook) { s.sender->OnDblClick = Handler(hook); },
     [](Scene& s) { Click(*s.sender, 2); }},
    {"SpeedButtonClick", Make<TSpeedButton>(), [](Scene& s, const auto& hook) { s.sender->OnClick = Handler(hook); },
     [](Scene& s) { Click(*s.sender); }},
    // The form's window routes these to the windowless button, holding the capture for it.
    {"SpeedButtonMouseDown", Make<TSpeedButton>(),
     [](Scene& s, const auto& hook) { s.sender->OnMouseDown = Handler(hook); }, [](Scene& s) { Click(*s.sender); }},
    {"SpeedButtonMouseUp", Make<TSpeedButton>(),
     [](Scene& s, const auto& hook) { s.sender->OnMouseUp = Handler(hook); }, [](Scene& s) { Click(*s.sender); }},
    // Through the form's window and the panel drawn in it.
    {"NestedSpeedButtonMouseUp", MakeButtonPanel,
     [](Scene& s, const auto& hook) { InnerButton(s).OnMouseUp = Handler(hook); },
     [](Scene& s) { Click(InnerButton(s)); }},
    {"ButtonClick", Make<TButton>(), [](Scene& s, const auto& hook) { s.sender->OnClick = Handler(hook); },
     [](Scene& s) { Click(*s.sender); }},
    {"ButtonEnter", Make<TButton>(), [](Scene& s, const auto& hook) { s.sender->OnClick = Handler(hook); },
     [](Scene& s) { FocusAndType(s, VK_RETURN); }},
    {"Enter", Make<TEdit>(), [](Scene& s, const auto& hook) { s.sender->OnEnter = Handler(hook); },
     [](Scene& s) {
         s.edit->SetFocus();
         SettleInput();
         Type(VK_TAB);
     }},
    {"Exit", Make<TEdit>(), [](Scene& s, const auto& hook) { s.sender->OnExit = Handler(hook); },
     [](Scene& s) { FocusAndType(s, VK_TAB); }},
    {"Paint", Make<TProbe>(), [](Scene& s, const auto& hook) { ProbeOf(s).OnPaint = [&hook] { hook(); }; },
     [](Scene& s) { RedrawWindow(s.sender->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }},
    // Drawn at once, inside the call.
    {"WindowlessRepaint", Make<TGraphicProbe>(),
     [](Scene& s, const auto& hook) { static_cast<TGraphicProbe&>(*s.sender).OnPaint = [&hook] { hook(); }; },
     [](Scene& s) { s.sender->Repaint(); }},
    {"DialogKeyBroadcast", Make<TProbe>(), [](Scene& s, const auto& hook) { ProbeOf(s).OnDialogKey = [&hook] { hook(); }; },
     [](Scene& s) {
         s.edit->SetFocus();
         SettleInput();
         Type(VK_RETURN);
     }},
    {"FormClose", Make<TEdit>(), [](Scene& s, const auto& hook) { s.form->OnClose = Handler(hook); },
     [](Scene& s) { PostMessageA(s.form->Handle(), WM_CLOSE, 0, 0); }},
    {"PageTabClick", MakePages, [](Scene& s, const auto& hook) { s.sender->OnChange = Handler(hook); },
     ClickOtherTab},
    {"PageCtrlTab", MakePages, [](Scene& s, const auto& hook) { s.sender->OnChange = Handler(hook); },
     [](Scene& s) { FocusAndType(s, VK_TAB, VK_CONTROL); }},
    {"DateChange", Make<TDateTimePicker>(), [](Scene& s, const auto& hook) { s.sender->OnChange = Handler(hook); },
     [](Scene& s) { FocusAndType(s, VK_UP); }},
};

struct Case {
    int kind;
    Victim victim;
    bool raises;
};

class Liveness : public ::testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    const char* victims[] = {"FreesItself", "FreesItsForm", "FreesTheNextSibling", "Raises"};
    std::string name = std::string(kKinds[info.param.kind].name) + "_" + victims[static_cast<int>(info.param.victim)];
    if (info.param.raises && info.param.victim != Victim::Nothing)
        name += "AndRaises";
    return name;
}

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k) {
        for (Victim v : {Victim::Itself, Victim::ItsForm, Victim::NextSibling})
            cases.push_back({k, v, false});
        cases.push_back({k, Victim::Nothing, true});
        cases.push_back({k, Victim::Itself, true});
    }
    return cases;
}

} // namespace

TEST_P(Liveness, TheFreedIsNeverTouchedAndAFailureIsReportedOnce)
{
    const Case& c = GetParam();
    const Kind& kind = kKinds[c.kind];
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    Scene scene(kind);
    int calls = 0;
    bool armed = true;
    const std::function<void()> hook = [&] {
        ++calls;
        // Acts once per firing: a later call would find its victim gone.
        if (!std::exchange(armed, false))
            return;
        scene.Free(c.victim);
        if (c.raises)
            throw EInvalidOperation("handler failed");
    };
    kind.bind(scene, hook);
    kind.fire(scene);
    ASSERT_TRUE(PumpInput([&] { return calls > 0; })) << "the handler never ran; " << DescribeInputTarget();
    PumpInput([&] { return watcher.Count() >= (c.raises ? 1 : 0); });
    SettleInput();

    EXPECT_EQ(static_cast<bool>(scene.formAlive), c.victim != Victim::ItsForm);
    EXPECT_EQ(static_cast<bool>(scene.senderAlive), c.victim != Victim::ItsForm && c.victim != Victim::Itself);
    EXPECT_EQ(static_cast<bool>(scene.nextAlive), c.victim == Victim::Itself || c.victim == Victim::Nothing);
    if (scene.formAlive) {
        EXPECT_EQ(scene.form->Components().size(), 3u - (c.victim != Victim::Nothing ? 1 : 0));
    }
    EXPECT_EQ(watcher.Count(), c.raises ? 1 : 0);
    // No press is left holding the mouse.
    EXPECT_EQ(GetCapture(), nullptr);

    if (c.victim == Victim::Nothing) {
        // A raising handler leaves nothing stuck: the same input fires it again.
        armed = true;
        int before = calls;
        kind.fire(scene);
        EXPECT_TRUE(PumpInput([&] { return calls > before && watcher.Count() >= 2; })) << calls;
        SettleInput();
        EXPECT_EQ(watcher.Count(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Handlers, Liveness, ::testing::ValuesIn(AllCases()), CaseName);
