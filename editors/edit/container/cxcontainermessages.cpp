// The container's own window messages: its creation, the cursor over its
// frame, moves that keep the focus in the inner control, context popups and
// the messages it posts itself.
#include "classlib/form.h"
#include "classlib/liveness.h"
#include "classlib/messages.h"
#include "classlib/screen.h"
#include "editors/edit/container/cxcontainer.h"

namespace {

// Posted by the container to itself.
constexpr UINT kRefreshAtCursorMessage = 0x807F;
constexpr UINT kSyncInnerScrollBarsMessage = 0x8080;

bool IsDestroying(const TComponent& c)
{
    return c.ComponentState() & csDestroying;
}

} // namespace

const TMessageMap& TcxContainer::Messages() const
{
    static const TMessageMap map(TcxControl::Messages(),
                                 {
                                     {CM_FONTCHANGED, &TcxContainer::CMFontChanged},
                                     {CM_PARENTCOLORCHANGED, &TcxContainer::CMParentColorChanged},
                                     {CM_PARENTFONTCHANGED, &TcxContainer::CMParentFontChanged},
                                     {CM_SYSCOLORCHANGE, &TcxContainer::CMSysColorChange},
                                     {WM_NCPAINT, &TcxContainer::WMNCPaint},
                                     {WM_SETCURSOR, &TcxContainer::WMSetCursor},
                                     {WM_WINDOWPOSCHANGING, &TcxContainer::WMWindowPosChanging},
                                     {kRefreshAtCursorMessage, &TcxContainer::WMRefreshAtCursor},
                                     {kSyncInnerScrollBarsMessage, &TcxContainer::WMSyncInnerScrollBars},
                                 });
    return map;
}

TCreateParams TcxContainer::CreateParams() const
{
    TCreateParams params = TcxControl::CreateParams();
    params.classStyle &= ~(CS_HREDRAW | CS_VREDRAW);
    return params;
}

void TcxContainer::HandleCreated()
{
    TcxControl::HandleCreated();
    // A window gone before this arrives takes the message with it.
    PostMessageA(Handle(), kRefreshAtCursorMessage, 0, 0);
}

void TcxContainer::WMRefreshAtCursor(TMessage&)
{
    RefreshAtCursor();
}

void TcxContainer::WMSyncInnerScrollBars(TMessage&)
{
    SyncInnerScrollBars(false);
}

void TcxContainer::CMSysColorChange(TMessage& m)
{
    const TLiveness alive = Liveness();
    TcxControl::Messages().Dispatch(*this, m);
    if (alive)
        RefreshAtCursor();
}

void TcxContainer::EnabledChanged()
{
    const TLiveness alive = Liveness();
    TcxControl::EnabledChanged();
    for (TcxScrollBar* bar : {static_cast<TcxScrollBar*>(HScrollBar()), static_cast<TcxScrollBar*>(VScrollBar())})
        if (alive && bar)
            bar->SetEnabled(Enabled());
    if (alive)
        RefreshAtCursor();
}

// Over the frame around the inner control the arrow shows, not the inner
// control's cursor.
void TcxContainer::WMSetCursor(TMessage& m)
{
    POINT p;
    if (innerControl_ && reinterpret_cast<HWND>(m.WParam) == Handle() && LOWORD(m.LParam) == HTCLIENT &&
        GetCursorPos(&p) && ScreenToClient(Handle(), &p) && !PtInRect(&viewInfo_->ContentRect, p)) {
        ::SetCursor(Screen.Cursors(crArrow));
        m.Result = 1;
        return;
    }
    TcxControl::Messages().Dispatch(*this, m);
}

// A move that finds the focus on the container's own window hands it on.
void TcxContainer::WMWindowPosChanging(TMessage& m)
{
    if (IsDestroying(*this)) {
        m.Result = 0;
        return;
    }
    const TLiveness alive = Liveness();
    TcxControl::Messages().Dispatch(*this, m);
    if (!alive || !HandleAllocated() || GetFocus() != Handle() || !innerControl_ || !innerControl_->CanFocus())
        return;
    if (TForm* form = ParentForm())
        form->FocusControl(innerControl_);
}

void TcxContainer::LockPopupMenu(bool lock)
{
    if (lock)
        ++popupMenuLockCount_;
    else if (popupMenuLockCount_ > 0)
        --popupMenuLockCount_;
}

void TcxContainer::DoContextPopup(POINT mousePos, bool& handled)
{
    const bool fromKeyboard = mousePos.x == -1 && mousePos.y == -1;
    if (popupMenuLockCount_ == 0 && (fromKeyboard || AcceptsContextPopupAt(mousePos)))
        TcxControl::DoContextPopup(mousePos, handled);
    else
        handled = true;
}

bool TcxContainer::HandleInnerControlMessage(TMessage& m)
{
    if (m.Msg != WM_CONTEXTMENU || !HandleAllocated())
        return false;
    m.Result = Perform(m.Msg, reinterpret_cast<WPARAM>(Handle()), m.LParam);
    return m.Result != 0;
}

void TcxContainer::CallInnerControlWndProc(TMessage& m)
{
    if (innerWndProc_) {
        const TWndMethod proc = innerWndProc_;
        proc(m);
    } else if (innerControl_)
        innerControl_->Deliver(m);
}

TWinControl* TcxContainer::GetFocusTarget()
{
    return innerControl_ ? innerControl_ : this;
}
