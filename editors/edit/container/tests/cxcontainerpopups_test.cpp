// The popup list and its thread hooks with a test popup of real windows:
// hooks only while a popup is open, real clicks outside and inside, Alt keys
// dropped, popups closed with their owner, on deactivation and by WM_CLOSE.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testform.h"
#include "editors/edit/container/cxcontainerpopups.h"

namespace {

// Messages the popups' own windows received, by window.
struct TReceived {
    HWND window;
    UINT msg;
    WPARAM wp;
};
std::vector<TReceived> received;

std::size_t ReceivedCount(UINT msg)
{
    std::size_t n = 0;
    for (const TReceived& r : received)
        n += r.msg == msg;
    return n;
}

LRESULT CALLBACK CountingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_SYSKEYDOWN || msg == WM_LBUTTONDOWN || msg == WM_NCACTIVATE)
        received.push_back({w, msg, wp});
    // Closing is the popup's business, not the default procedure's.
    if (msg == WM_CLOSE)
        return 0;
    return DefWindowProcA(w, msg, wp, lp);
}

const char* PopupClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = CountingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = "TTestPopupWindow";
        RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

std::vector<std::string> closed;

class TTestPopup : public TcxPopup {
public:
    TTestPopup(std::string name, TWinControl* owner, HWND form, int x = 400) : name_(std::move(name)), owner_(owner), form_(form)
    {
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, PopupClass(), name_.c_str(), WS_POPUP | WS_BORDER, x, 100, 80, 60,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~TTestPopup() override { DestroyWindow(window_); }

    void Open()
    {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        cxPopupOpened(this);
    }
    void ClosePopup() override
    {
        if (throws)
            throw std::runtime_error("popup close failed");
        closed.push_back(name_);
        ShowWindow(window_, SW_HIDE);
        cxPopupClosed(this);
    }
    bool CanClose() override { return agrees; }
    HWND PopupWindow() const override { return window_; }
    HWND Window() const { return window_; }
    bool AcceptsKey(WPARAM key) const override { return key == acceptedKey; }
    TWinControl* OwnerControl() const override { return owner_; }
    HWND OwnerForm() const override { return form_; }
    bool IsMainPopup() const override { return main; }
    bool IsEnabled() const override { return enabled; }
    bool OwnerClicked() override
    {
        ++ownerClicks;
        return swallowOwnerClick;
    }

    bool agrees = true, main = false, enabled = true, throws = false, swallowOwnerClick = false;
    WPARAM acceptedKey = 0;
    int ownerClicks = 0;

private:
    std::string name_;
    TWinControl* owner_;
    HWND form_;
    HWND window_;
};

struct Scene {
    std::unique_ptr<TForm> form = ShowTestForm(300, 200);
    TEdit* owner = &form->Adopt(std::make_unique<TEdit>());
    TEdit* other = &form->Adopt(std::make_unique<TEdit>());

    Scene()
    {
        owner->SetParent(form.get());
        owner->SetBounds(10, 10, 100, 24);
        other->SetParent(form.get());
        other->SetBounds(10, 100, 100, 24);
        other->SetFocus();
        // A WM_CLOSE the hooks pass on to the form must not hide it.
        form->OnCloseQuery = [](TComponent&, bool& canClose) { canClose = false; };
        Application.ProcessMessages();
        closed.clear();
        received.clear();
    }
    ~Scene() { cxPopupsFinalize(); }
};

} // namespace

TEST(ContainerPopups, HooksExistOnlyWhileAPopupIsOpen)
{
    Application.Initialize();
    Scene s;
    auto sendAndPost = [&] {
        SendMessageA(s.form->Handle(), WM_NULL, 0, 0);
        PostMessageA(s.form->Handle(), WM_NULL, 0, 0);
        Application.ProcessMessages();
    };
    EXPECT_FALSE(cxPopupHooksInstalled());
    long calls = cxPopupHookCalls();
    sendAndPost();
    EXPECT_EQ(cxPopupHookCalls(), calls) << "a hook ran without a popup";

    auto first = std::make_unique<TTestPopup>("first", s.owner, s.form->Handle());
    TTestPopup second("second", s.owner, s.form->Handle());
    first->Open();
    second.Open();
    EXPECT_TRUE(cxPopupHooksInstalled());
    calls = cxPopupHookCalls();
    sendAndPost();
    EXPECT_GT(cxPopupHookCalls(), calls);

    // One popup closed, one freed while open: the hooks go with the last.
    second.ClosePopup();
    EXPECT_TRUE(cxPopupHooksInstalled());
    first.reset();
    EXPECT_EQ(cxOpenPopupCount(), 0);
    EXPECT_FALSE(cxPopupHooksInstalled());
    calls = cxPopupHookCalls();
    sendAndPost();
    EXPECT_EQ(cxPopupHookCalls(), calls);
}

TEST(ContainerPopups, AClickOutsideClosesThePopupsAndOneInsideDoesNot)
{
    Application.Initialize();
    Scene s;
    TTestPopup older("older", nullptr, s.form->Handle(), 400), newer("newer", s.owner, s.form->Handle(), 500);
    older.Open();
    newer.Open();
    ClickInput(newer.PopupWindow());
    Application.ProcessMessages();
    EXPECT_TRUE(cxIsPopupOpen(&newer));
    EXPECT_TRUE(cxIsPopupOpen(&older));
    ASSERT_EQ(ReceivedCount(WM_LBUTTONDOWN), 1u) << "the popup's own click went through";

    ClickInput(s.other->Handle());
    Application.ProcessMessages();
    EXPECT_EQ(closed, (std::vector<std::string>{"newer", "older"}));
    EXPECT_FALSE(cxPopupHooksInstalled());

    // A click on the owner is told to its popup first, which swallows it:
    // the owner never sees the press, so it does not take the focus.
    newer.swallowOwnerClick = true;
    newer.Open();
    ClickInput(s.owner->Handle());
    Application.ProcessMessages();
    EXPECT_EQ(newer.ownerClicks, 1);
    EXPECT_FALSE(cxIsPopupOpen(&newer));
    EXPECT_EQ(GetFocus(), s.other->Handle());
}

TEST(ContainerPopups, SystemKeysAreDroppedUnlessTheNewestPopupTakesThem)
{
    Application.Initialize();
    const struct {
        const char* name;
        bool open;
        WPARAM accepted;
        bool arrives;
    } cases[] = {
        {"no popup", false, 0, true},
        {"popup that does not take it", true, 0, false},
        {"popup that takes it", true, 'X', true},
    };
    for (const auto& c : cases) {
        Scene s;
        TTestPopup older("older", nullptr, s.form->Handle(), 400), newest("newest", nullptr, s.form->Handle(), 500);
        older.acceptedKey = 'X';
        newest.acceptedKey = c.accepted;
        if (c.open) {
            older.Open();
            newest.Open();
        }
        PostMessageA(newest.PopupWindow(), WM_SYSKEYDOWN, 'X', 0x20000001);
        Application.ProcessMessages();
        EXPECT_EQ(ReceivedCount(WM_SYSKEYDOWN), c.arrives ? 1u : 0u) << c.name;
    }
}

TEST(ContainerPopups, PopupsCloseWithTheirOwnerAndTheApplication)
{
    Application.Initialize();
    enum class Event { OwnerHidden, OwnerMovedHidden, Deactivated, PopupWindowClosed, OtherWindowClosed };
    const struct {
        const char* name;
        Event event;
        bool disabledB;
        std::vector<std::string> closed;
    } cases[] = {
        // The newest popup of the hidden owner and every later one, newest first.
        {"owner hidden", Event::OwnerHidden, false, {"c", "b"}},
        {"owner moved and hidden", Event::OwnerMovedHidden, false, {"b"}},
        {"application deactivated", Event::Deactivated, false, {"a", "b", "c"}},
        {"application deactivated, b disabled", Event::Deactivated, true, {"a", "c"}},
        // c's owner control's form is closed too, and with it a.
        {"popup window closed", Event::PopupWindowClosed, false, {"c", "a"}},
        // The first popup without an owner control whose form is the window.
        {"owner form closed", Event::OtherWindowClosed, false, {"a"}},
    };
    for (const auto& c : cases) {
        Scene s;
        TTestPopup a("a", nullptr, s.form->Handle(), 400), b("b", s.owner, s.form->Handle(), 500),
            cc("c", s.other, s.form->Handle(), 600);
        b.enabled = !c.disabledB;
        a.Open();
        b.Open();
        cc.Open();
        switch (c.event) {
        case Event::OwnerHidden:
            s.owner->SetVisible(false);
            break;
        case Event::OwnerMovedHidden:
            SetWindowPos(s.owner->Handle(), nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case Event::Deactivated:
            SendMessageA(s.form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
            break;
        case Event::PopupWindowClosed:
            SendMessageA(cc.PopupWindow(), WM_CLOSE, 0, 0);
            break;
        case Event::OtherWindowClosed:
            SendMessageA(s.form->Handle(), WM_CLOSE, 0, 0);
            break;
        }
        Application.ProcessMessages();
        EXPECT_EQ(closed, c.closed) << c.name;
    }
}

TEST(ContainerPopups, ClosingItsWindowAsksThePopupAndClosesTheOwnersForm)
{
    Application.Initialize();
    Scene s;
    int formCloses = 0;
    s.form->OnCloseQuery = [&](TComponent&, bool& canClose) {
        ++formCloses;
        canClose = false;
    };
    TTestPopup p("p", s.owner, s.form->Handle());
    p.agrees = false;
    p.Open();
    SendMessageA(p.PopupWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(cxIsPopupOpen(&p));
    EXPECT_EQ(formCloses, 0);
    p.agrees = true;
    SendMessageA(p.PopupWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(cxIsPopupOpen(&p));
    EXPECT_EQ(formCloses, 1);
}

TEST(ContainerPopups, TheMainPopupsWindowDestroyedEndsTheApplication)
{
    Application.Initialize();
    Scene s;
    auto popup = std::make_unique<TTestPopup>("main", nullptr, s.form->Handle());
    popup->main = true;
    popup->Open();
    DestroyWindow(popup->PopupWindow());
    EXPECT_FALSE(cxIsPopupOpen(popup.get()));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(ContainerPopups, AnExceptionInAHookIsReportedAndGoesNoFurther)
{
    Application.Initialize();
    Scene s;
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    TTestPopup p("p", nullptr, s.form->Handle());
    p.throws = true;
    p.Open();
    SendMessageA(s.form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    ASSERT_TRUE(PumpUntil([&] { return watcher.Count() > 0; }));
    EXPECT_EQ(watcher.Messages(), std::vector<std::string>{"popup close failed"});
    EXPECT_TRUE(cxIsPopupOpen(&p));
    p.throws = false;
}

TEST(ContainerPopups, ThePopupsFormKeepsItsCaptionActiveOnce)
{
    Application.Initialize();
    Scene s;
    // A window of the counting class stands for the form: it records what
    // WM_NCACTIVATE reaches its own procedure with.
    TTestPopup formStandIn("form", nullptr, nullptr, 700);
    TTestPopup popup("p", nullptr, formStandIn.Window());
    popup.Open();
    HWND form = formStandIn.Window();
    EXPECT_EQ(SendMessageA(form, WM_NCACTIVATE, FALSE, 0), 1);
    EXPECT_EQ(SendMessageA(form, WM_NCACTIVATE, FALSE, 0), 1);
    popup.ClosePopup();
    SendMessageA(form, WM_NCACTIVATE, FALSE, 0);
    std::vector<WPARAM> seen;
    for (const TReceived& r : received)
        if (r.window == form && r.msg == WM_NCACTIVATE)
            seen.push_back(r.wp);
    // Each deactivation while the popup is open arrives as an activation; after it, as itself.
    EXPECT_EQ(seen, (std::vector<WPARAM>{TRUE, TRUE, FALSE}));
    EXPECT_EQ(GetWindowLongPtrA(form, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(CountingProc));
}
