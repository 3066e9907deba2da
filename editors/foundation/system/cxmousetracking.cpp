#include "editors/foundation/system/cxmousetracking.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "classlib/application.h"
#include "classlib/control.h"
#include "classlib/exceptions.h"
#include "classlib/messages.h"
#include "editors/foundation/controls/cxcontrolutils.h"

namespace {

constexpr unsigned kTrackingInterval = 10;

std::vector<std::unique_ptr<TMouseTrackingTimer>>& TrackingTimers()
{
    static std::vector<std::unique_ptr<TMouseTrackingTimer>> timers;
    return timers;
}

bool ControlHasWindow(const TWinControl* control)
{
    return control && control->HandleAllocated();
}

POINT CursorInClient(const TWinControl& control)
{
    POINT p = cxReadMouseCursorPos();
    ScreenToClient(control.Handle(), &p);
    return p;
}

} // namespace

TMouseTrackingTimer::TMouseTrackingTimer(TWinControl* control, const RECT& bounds, IcxMouseTrackingCaller* caller)
    : control_(control), bounds_(bounds), caller_(caller)
{
    if (control_) {
        control_->FreeNotification(this);
        if (control_->HandleAllocated())
            MapWindowPoints(control_->Handle(), nullptr, reinterpret_cast<POINT*>(&bounds_), 2);
    }
    SetInterval(kTrackingInterval);
    SetOnTimer([this](TComponent&) { TimerHandler(); });
}

TMouseTrackingTimer::~TMouseTrackingTimer()
{
    if (control_)
        control_->RemoveFreeNotification(this);
}

void TMouseTrackingTimer::Notification(TComponent* component, TOperation operation)
{
    TcxTimer::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_)
        control_ = nullptr;
}

bool TMouseTrackingTimer::MouseInside() const
{
    if (auto* area = dynamic_cast<IMouseTrackingArea*>(caller_))
        return ControlHasWindow(control_) && area->PtInCaller(CursorInClient(*control_));
    const POINT p = cxReadMouseCursorPos();
    return PtInRect(&bounds_, p) != FALSE;
}

void TMouseTrackingTimer::TimerHandler()
{
    if (MouseInside())
        return;
    // The control's and the caller's handlers may pump messages: no later
    // tick may tell of this leaving again.
    SetEnabled(false);
    if (ControlHasWindow(control_)) {
        RECT client;
        GetClientRect(control_->Handle(), &client);
        const POINT p = CursorInClient(*control_);
        if (!PtInRect(&client, p))
            SendMessageA(control_->Handle(), CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control_));
    }
    // The caller may end the tracking itself (or free itself): this timer
    // then lives on until its tick returns, and only the identity is used.
    IcxMouseTrackingCaller* caller = caller_;
    if (IsMouseLeaveTracking(caller))
        caller->MouseLeave();
    StopMouseLeaveTracking(caller);
}

void StartMouseLeaveTracking(TWinControl* control, const RECT& bounds, IcxMouseTrackingCaller* caller)
{
    if (cxTimersFinalizing() || !caller || IsMouseLeaveTracking(caller))
        return;
    TrackingTimers().push_back(std::make_unique<TMouseTrackingTimer>(control, bounds, caller));
}

void StopMouseLeaveTracking(IcxMouseTrackingCaller* caller)
{
    auto& timers = TrackingTimers();
    auto it = std::find_if(timers.begin(), timers.end(), [&](const auto& t) { return t->Caller() == caller; });
    if (it == timers.end())
        return;
    std::unique_ptr<TMouseTrackingTimer> timer = std::move(*it);
    timers.erase(it);
    cxFreeTimer(std::move(timer));
}

bool IsMouseLeaveTracking(IcxMouseTrackingCaller* caller)
{
    return FindMouseTrackingTimer(caller) != nullptr;
}

TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* caller)
{
    if (cxTimersFinalizing())
        return nullptr;
    for (const auto& t : TrackingTimers())
        if (t->Caller() == caller)
            return t.get();
    return nullptr;
}

void cxMouseTrackingFinalize()
{
    auto& timers = TrackingTimers();
    // Reported, never thrown out of a shut-down.
    if (!timers.empty()) {
        try {
            throw Exception("MouseTrackingTimerList.Count <> 0");
        } catch (...) {
            Application.HandleException();
        }
    }
    timers.clear();
}
