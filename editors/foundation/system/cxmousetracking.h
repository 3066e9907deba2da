// Mouse-leave tracking: a caller asks to be told when the mouse leaves a
// control or a screen rectangle; a 10 ms timer polls the cursor.
#pragma once

#include <windows.h>

#include "editors/foundation/system/cxtimer.h"

class TWinControl;

class IcxMouseTrackingCaller {
public:
    virtual void MouseLeave() = 0;

protected:
    ~IcxMouseTrackingCaller() = default;
};

// A caller that decides itself which client points count as inside.
class IMouseTrackingArea {
public:
    virtual bool PtInCaller(const POINT& clientPoint) = 0;

protected:
    ~IMouseTrackingArea() = default;
};

class TMouseTrackingTimer : public TcxTimer {
public:
    TMouseTrackingTimer(TWinControl* control, const RECT& bounds, IcxMouseTrackingCaller* caller);
    ~TMouseTrackingTimer() override;

    IcxMouseTrackingCaller* Caller() const { return caller_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void TimerHandler();
    bool MouseInside() const;

    TWinControl* control_;
    RECT bounds_;
    IcxMouseTrackingCaller* caller_;
};

// Bounds are in the control's client coordinates when a control is given,
// else on the screen.
void StartMouseLeaveTracking(TWinControl* control, const RECT& bounds, IcxMouseTrackingCaller* caller);
void StopMouseLeaveTracking(IcxMouseTrackingCaller* caller);
bool IsMouseLeaveTracking(IcxMouseTrackingCaller* caller);
TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* caller);

// Shut-down: timers still tracking are a fault of their callers, reported
// through the application's handler; then the list goes.
void cxMouseTrackingFinalize();
