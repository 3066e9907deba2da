#include "editors/edit/container/cxcontainerpopups.h"

#include <initializer_list>
#include <vector>

#include "classlib/application.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/cxcontainerutils.h"
#include "editors/foundation/core/cxlistenerlist.h"

namespace {

TcxListenerList<TcxPopup>& Popups()
{
    static TcxListenerList<TcxPopup> popups;
    return popups;
}

HHOOK callWndProcHook = nullptr, getMessageHook = nullptr, mouseHook = nullptr;
long hookCalls = 0;
// A press that went to a popup: the window it activates must not grey the
// caption of the form beneath.
bool pressOnPopup = false;

constexpr char kCaptionProp[] = "cxPopupKeepCaption";

bool IsListed(const TcxPopup& popup)
{
    return Popups().Contains(&popup);
}

TcxPopup* NewestPopup()
{
    TcxPopup* newest = nullptr;
    Popups().ForEach([&](TcxPopup& p) {
        if (!newest)
            newest = &p;
    }, true);
    return newest;
}

TcxPopup* PopupOwning(HWND window)
{
    TcxPopup* found = nullptr;
    Popups().ForEach([&](TcxPopup& p) {
        if (!found && p.OwnsWindow(window))
            found = &p;
    });
    return found;
}

TcxPopup* PopupOf(HWND window)
{
    TcxPopup* found = nullptr;
    Popups().ForEach([&](TcxPopup& p) {
        if (!found && p.PopupWindow() == window)
            found = &p;
    });
    return found;
}

bool OwnerIsWindow(const TcxPopup& popup, HWND window)
{
    const TWinControl* owner = popup.OwnerControl();
    return owner && owner->HandleAllocated() && owner->Handle() == window;
}

// The message that would grey the caption is answered once as if the window
// stayed active; then the window's own procedure is back.
LRESULT CALLBACK KeepCaptionActive(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kCaptionProp));
    if (msg != WM_NCACTIVATE || !original)
        return CallWindowProcA(original ? original : DefWindowProcA, window, msg, wp, lp);
    RemovePropA(window, kCaptionProp);
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == KeepCaptionActive)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    CallWindowProcA(original, window, msg, TRUE, lp);
    return 1;
}

void KeepCaptionOnce(HWND window)
{
    if (GetPropA(window, kCaptionProp))
        return;
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetPropA(window, kCaptionProp, reinterpret_cast<HANDLE>(original));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeepCaptionActive));
}

void ClosePopupAndMaybeEnd(TcxPopup& popup)
{
    const bool main = popup.IsMainPopup();
    popup.ClosePopup();
    if (main && !IsListed(popup))
        Application.Terminate();
}

void CloseOnOwnWindowClose(TcxPopup& popup)
{
    if (!popup.CanClose())
        return;
    TWinControl* owner = popup.OwnerControl();
    const TLiveness ownerAlive = owner ? owner->Liveness() : TLiveness();
    popup.ClosePopup();
    if (IsListed(popup) || !owner || !ownerAlive || !owner->HandleAllocated())
        return;
    SendMessageA(TopLevelAncestorWindow(owner->Handle()), WM_CLOSE, 0, 0);
}

void CloseForOtherWindowClose(HWND window)
{
    TcxPopup* target = nullptr;
    Popups().ForEach([&](TcxPopup& p) {
        if (!target && !p.OwnerControl() && (p.OwnerForm() == window || !p.OwnerForm()))
            target = &p;
    });
    if (target)
        target->ClosePopup();
}

// The newest popup owned by the hidden window and every popup opened after it, newest first.
void CloseFromOwnerOn(HWND owner)
{
    bool found = false;
    Popups().ForEach([&](TcxPopup& p) { found = found || OwnerIsWindow(p, owner); });
    if (!found)
        return;
    bool done = false;
    Popups().ForEach([&](TcxPopup& p) {
        if (done)
            return;
        done = OwnerIsWindow(p, owner);
        p.ClosePopup();
    }, true);
}

void CloseOnDeactivation()
{
    Popups().ForEach([](TcxPopup& p) {
        if (HWND form = p.OwnerForm())
            PostMessageA(form, WM_NCACTIVATE, FALSE, 0);
        if (!p.IsEnabled())
            return;
        TWinControl* owner = p.OwnerControl();
        const TLiveness ownerAlive = owner ? owner->Liveness() : TLiveness();
        p.ClosePopup();
        if (auto* container = dynamic_cast<TcxContainer*>(owner); container && ownerAlive)
            cxPopupOwnerFocusChanged(*container);
    });
}

void CloseWhereOwnerHidden(HWND window)
{
    Popups().ForEach([&](TcxPopup& p) {
        if (OwnerIsWindow(p, window) && !IsWindowShown(p.OwnerControl()))
            p.ClosePopup();
    });
}

bool IsFormOfAPopup(HWND window)
{
    bool found = false;
    Popups().ForEach([&](TcxPopup& p) { found = found || p.OwnerForm() == window; });
    return found;
}

void OnSentMessage(const CWPSTRUCT& m)
{
    switch (m.message) {
    case WM_DESTROY:
        if (TcxPopup* popup = PopupOf(m.hwnd))
            ClosePopupAndMaybeEnd(*popup);
        break;
    case WM_CLOSE:
        if (TcxPopup* popup = PopupOf(m.hwnd))
            CloseOnOwnWindowClose(*popup);
        else
            CloseForOtherWindowClose(m.hwnd);
        break;
    case WM_SHOWWINDOW:
        if (!m.wParam)
            CloseFromOwnerOn(m.hwnd);
        break;
    case WM_ACTIVATEAPP:
        if (!m.wParam)
            CloseOnDeactivation();
        break;
    case WM_WINDOWPOSCHANGED:
        CloseWhereOwnerHidden(m.hwnd);
        break;
    case WM_NCACTIVATE:
        if (!m.wParam && (pressOnPopup || IsFormOfAPopup(m.hwnd)))
            KeepCaptionOnce(m.hwnd);
        break;
    }
}

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wp, LPARAM lp)
{
    ++hookCalls;
    if (code == HC_ACTION)
        Guarded(
            [&] {
                OnSentMessage(*reinterpret_cast<const CWPSTRUCT*>(lp));
                return true;
            },
            false);
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp)
{
    ++hookCalls;
    if (code == HC_ACTION && wp == PM_REMOVE)
        Guarded([&] {
            auto& msg = *reinterpret_cast<MSG*>(lp);
            if (msg.message != WM_SYSKEYDOWN)
                return true;
            if (TcxPopup* newest = NewestPopup(); newest && !newest->AcceptsKey(msg.wParam))
                msg.message = WM_NULL;
            return true;
        }, false);
    return CallNextHookEx(nullptr, code, wp, lp);
}

bool IsPress(WPARAM msg)
{
    for (UINT press : {WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDOWN,
                       WM_NCMBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK,
                       WM_MBUTTONDOWN, WM_MBUTTONDBLCLK})
        if (msg == press)
            return true;
    return false;
}

// Where on its owner a click counts as on the owner itself.
bool InOwnerDrawBounds(TWinControl& owner, POINT screen)
{
    POINT p = screen;
    ScreenToClient(owner.Handle(), &p);
    TRect bounds;
    if (auto* container = dynamic_cast<TcxContainer*>(&owner))
        bounds = container->GetDrawBounds();
    else
        GetClientRect(owner.Handle(), &bounds);
    return PtInRect(&bounds, p) != 0;
}

// A press outside every popup closes them all, newest first; the popup
// whose owner was clicked hears of it first and may swallow the click.
bool OnPress(WPARAM msg, const MOUSEHOOKSTRUCT& m)
{
    pressOnPopup = PopupOwning(m.hwnd) != nullptr;
    if (pressOnPopup)
        return false;
    bool swallow = false;
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)
        Popups().ForEach([&](TcxPopup& p) {
            TWinControl* owner = p.OwnerControl();
            if (IsControlWindow(owner, m.hwnd, true) && InOwnerDrawBounds(*owner, m.pt))
                swallow = p.OwnerClicked() || swallow;
        }, true);
    Popups().ForEach([](TcxPopup& p) { p.ClosePopup(); }, true);
    return swallow;
}

LRESULT CALLBACK MouseHook(int code, WPARAM wp, LPARAM lp)
{
    ++hookCalls;
    if (code == HC_ACTION) {
        const bool swallow = Guarded(
            [&] {
                if (!IsPress(wp)) {
                    pressOnPopup = false;
                    return false;
                }
                return OnPress(wp, *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lp));
            },
            false);
        if (swallow)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void InstallHooks()
{
    const DWORD thread = GetCurrentThreadId();
    callWndProcHook = SetWindowsHookExA(WH_CALLWNDPROC, CallWndProcHook, nullptr, thread);
    getMessageHook = SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, thread);
    mouseHook = SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, thread);
}

void RemoveHooks()
{
    for (HHOOK* hook : {&mouseHook, &getMessageHook, &callWndProcHook}) {
        if (*hook)
            UnhookWindowsHookEx(*hook);
        *hook = nullptr;
    }
    pressOnPopup = false;
}

} // namespace

TcxPopup::~TcxPopup()
{
    cxPopupClosed(this);
}

bool TcxPopup::OwnsWindow(HWND window) const
{
    return cxIsSelfOrChild(PopupWindow(), window);
}

void cxPopupOpened(TcxPopup* popup)
{
    if (Popups().Add(popup) && Popups().Count() == 1)
        InstallHooks();
}

void cxPopupClosed(TcxPopup* popup)
{
    if (Popups().Remove(popup) && Popups().Count() == 0)
        RemoveHooks();
}

bool cxIsPopupOpen(const TcxPopup* popup)
{
    return Popups().Contains(popup);
}

int cxOpenPopupCount()
{
    return Popups().Count();
}

bool cxPopupHooksInstalled()
{
    return callWndProcHook || getMessageHook || mouseHook;
}

long cxPopupHookCalls()
{
    return hookCalls;
}

void cxPopupsFinalize()
{
    std::vector<TcxPopup*> open;
    Popups().ForEach([&](TcxPopup& p) { open.push_back(&p); });
    for (TcxPopup* p : open)
        Popups().Remove(p);
    RemoveHooks();
}
