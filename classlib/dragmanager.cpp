#include "classlib/dragmanager.h"

#include <cstdlib>

#include "classlib/control.h"
#include "classlib/messagewindow.h"
#include "classlib/screen.h"

struct TDragManager::TDrag {
    TControl* source = nullptr;
    POINT start{0, 0};
    int threshold = 0;
    // Made when the drag starts, after the threshold.
    std::unique_ptr<TDragObject> object;
    TObjectMaker makeObject;
    bool accepted = false;
    // Telling the target of the end: input is no longer followed.
    bool finishing = false;
};

namespace {
// Controls freed at exit, after the manager, must not reach it.
bool managerGone = false;
} // namespace

TDragManager& TDragManager::Instance()
{
    static TDragManager manager;
    return manager;
}

TDragManager::TDragManager() = default;

TDragManager::~TDragManager()
{
    managerGone = true;
}

TControl* TDragManager::Source() const
{
    return drag_ ? drag_->source : nullptr;
}

TDragObject* TDragManager::Object() const
{
    return drag_ ? drag_->object.get() : nullptr;
}

bool TDragManager::Still(unsigned serial) const
{
    return drag_ && serial_ == serial;
}

template <class F>
void TDragManager::Safely(F&& step)
{
    try {
        step();
    } catch (...) {
        Reset();
        throw;
    }
}

void TDragManager::Begin(TControl& source, bool immediate, int threshold, TObjectMaker makeObject)
{
    if (drag_)
        return;
    if (!window_)
        window_ = std::make_unique<TMessageWindow>([this](TMessage& m) { return OnMessage(m); });
    drag_ = std::make_unique<TDrag>();
    drag_->source = &source;
    drag_->makeObject = std::move(makeObject);
    drag_->threshold = threshold < 0 ? Mouse.DragThreshold() : threshold;
    GetCursorPos(&drag_->start);
    ++serial_;
    // Keys go to the focused window, which stays where it is: the hook
    // sees Esc as this thread takes it from its queue, typed or posted.
    hook_.reset(SetWindowsHookExA(WH_GETMESSAGE, WatchKeys, nullptr, GetCurrentThreadId()));
    SetCapture(window_->Handle());
    if (immediate)
        Safely([&] { Move(drag_->start, true); });
}

void TDragManager::End(TControl& source, bool drop)
{
    if (drag_ && drag_->source == &source && !drag_->finishing)
        Safely([&] { Finish(drop); });
}

LRESULT CALLBACK TDragManager::WatchKeys(int code, WPARAM wp, LPARAM lp)
{
    auto* msg = reinterpret_cast<MSG*>(lp);
    TDragManager& self = Instance();
    if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE &&
        self.window_) {
        // Swallowed (no dialog key, no character); the drag's window
        // cancels outside the hook.
        msg->message = WM_NULL;
        PostMessageA(self.window_->Handle(), WM_CANCELMODE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

bool TDragManager::OnMessage(TMessage& m)
{
    if (!drag_ || drag_->finishing)
        return false;
    POINT at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        ClientToScreen(window_->Handle(), &at);
        Safely([&] { Move(at, false); });
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ClientToScreen(window_->Handle(), &at);
        Safely([&] {
            unsigned serial = serial_;
            if (drag_->object)
                DragTo(at);
            if (Still(serial))
                Finish(true);
        });
        return true;
    case WM_CANCELMODE:
        Safely([&] { Finish(false); });
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(m.LParam) != window_->Handle())
            Safely([&] { Finish(false); });
        return true;
    default:
        return false;
    }
}

// Before the threshold only the distance counts; start skips it.
void TDragManager::Move(POINT screen, bool start)
{
    unsigned serial = serial_;
    if (!drag_->object) {
        const POINT& from = drag_->start;
        int threshold = drag_->threshold;
        if (!start && std::abs(screen.x - from.x) < threshold && std::abs(screen.y - from.y) < threshold)
            return;
        Start(screen);
        if (!Still(serial))
            return;
    }
    DragTo(screen);
}

void TDragManager::Start(POINT screen)
{
    unsigned serial = serial_;
    TControl& source = *drag_->source;
    std::unique_ptr<TDragObject> object;
    source.DoStartDrag(object);
    if (!Still(serial))
        return;
    if (!object)
        object = drag_->makeObject();
    object->pos_ = screen;
    drag_->object = std::move(object);
    if (source.ControlStyle() & csDisplayDragImage)
        if (TDragImageList* images = drag_->object->GetDragImages(); images && images->Count() > 0)
            images->BeginDrag(screen);
}

void TDragManager::DragTo(POINT screen)
{
    unsigned serial = serial_;
    TDragObject& object = *drag_->object;
    object.pos_ = screen;
    TDragImageList::DragMove(screen);
    TControl* target = TControl::FindControl(WindowFromPoint(screen));
    if (target && !target->Enabled())
        target = nullptr;
    bool accepted = false;
    if (target != object.target_) {
        if (TControl* old = object.target_) {
            Send(TDragMessage::dmDragLeave, *old);
            if (!Still(serial))
                return;
        }
        object.target_ = target;
        if (target)
            accepted = Send(TDragMessage::dmDragEnter, *target);
    } else if (target) {
        accepted = Send(TDragMessage::dmDragMove, *target);
    }
    if (!Still(serial))
        return;
    // A target destroyed by its own handler no longer takes anything.
    drag_->accepted = accepted && object.target_ == target;
    ::SetCursor(Screen.Cursors(object.GetDragCursor(drag_->accepted, screen.x, screen.y)));
}

bool TDragManager::Send(TDragMessage message, TControl& target)
{
    TDragRec rec{drag_->object.get(), drag_->object->pos_};
    ScreenToClient(target.Handle(), &rec.pos);
    return target.Perform(CM_DRAG, static_cast<WPARAM>(message), reinterpret_cast<LPARAM>(&rec)) != 0;
}

void TDragManager::Finish(bool drop)
{
    unsigned serial = serial_;
    drag_->finishing = true;
    // Given back before any event, so none can keep them.
    ReleaseInput();
    if (!drag_->object) {
        drag_.reset();
        return;
    }
    TDragObject& object = *drag_->object;
    bool dropped = drop && object.target_ && drag_->accepted;
    object.cancelling_ = !drop;
    object.dropped_ = dropped;
    POINT at = object.pos_;
    if (TControl* target = object.target_) {
        ScreenToClient(target->Handle(), &at);
        Send(dropped ? TDragMessage::dmDragDrop : drop ? TDragMessage::dmDragLeave : TDragMessage::dmDragCancel,
             *target);
        if (!Still(serial))
            return;
    }
    // Idle before Finished, whose handlers may start the next drag.
    TControl* target = dropped ? object.target_ : nullptr;
    std::unique_ptr<TDragObject> finished = std::move(drag_->object);
    drag_.reset();
    Screen.RefreshCursor();
    finished->Finished(target, at.x, at.y, dropped);
}

void TDragManager::Reset()
{
    std::unique_ptr<TDrag> drag = std::move(drag_);
    ReleaseInput();
    if (drag)
        Screen.RefreshCursor();
}

void TDragManager::ReleaseInput()
{
    hook_.reset();
    if (window_ && GetCapture() == window_->Handle())
        ReleaseCapture();
    TDragImageList::EndDrag();
}

void TDragManager::ControlDestroyed(TControl& control)
{
    if (!managerGone)
        Instance().Forget(control);
}

void TDragManager::Forget(TControl& control)
{
    if (!drag_)
        return;
    if (TDragObject* object = drag_->object.get(); object && object->target_ == &control) {
        object->target_ = nullptr;
        drag_->accepted = false;
    }
    if (drag_->source == &control)
        Reset();
}
