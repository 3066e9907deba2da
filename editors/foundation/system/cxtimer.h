// The library's timer component: every TcxTimer ticks through one shared
// hidden window, and runs only while enabled with a handler.
#pragma once

#include <memory>

#include "classlib/component.h"
#include "classlib/events.h"

class TcxTimer : public TComponent {
public:
    explicit TcxTimer(TComponent* owner = nullptr);
    ~TcxTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    // 0 keeps the interval in force.
    void SetInterval(unsigned value);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent value);
    // Whether SetTimer took it.
    bool IsOn() const { return on_; }

    // Fires OnTimer; the shared window calls it for each tick.
    virtual void TimerFired();

protected:
    const TPropertyTable& Properties() const override;

private:
    void Rearm();
    void Stop();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool on_ = false;
    TNotifyEvent onTimer_;
};

// Frees a timer now, or, from inside its own tick, once that tick returned.
void cxFreeTimer(std::unique_ptr<TcxTimer> timer);

// Shut-down: the shared window and the list of running timers go; no
// window is made afterwards.
void cxTimersFinalize();
bool cxTimersFinalizing();
