#include "editors/foundation/system/cxtimer.h"

#include <algorithm>
#include <vector>

#include "classlib/propertytable.h"
#include "editors/foundation/system/cxmessagewindow.h"

namespace {

class TcxTimerWindow : public TcxMessageWindow {
protected:
    void WndProc(TMessage& message) override;
};

struct TTimers {
    std::unique_ptr<TcxTimerWindow> Window;
    // The running timers; a tick of one no longer listed is dropped.
    std::vector<TcxTimer*> Active;
    TcxTimer* Firing = nullptr;
    std::vector<std::unique_ptr<TcxTimer>> FreeAfterTick;
    bool Finalizing = false;
};

TTimers& Timers()
{
    static TTimers timers;
    return timers;
}

HWND TimerWindow()
{
    TTimers& t = Timers();
    if (!t.Window && !t.Finalizing)
        t.Window = std::make_unique<TcxTimerWindow>();
    return t.Window ? t.Window->Handle() : nullptr;
}

UINT_PTR TimerId(const TcxTimer* timer)
{
    return reinterpret_cast<UINT_PTR>(timer);
}

void TcxTimerWindow::WndProc(TMessage& message)
{
    if (message.Msg != WM_TIMER)
        return TcxMessageWindow::WndProc(message);
    TTimers& t = Timers();
    auto it = std::find_if(t.Active.begin(), t.Active.end(),
                           [&](TcxTimer* timer) { return TimerId(timer) == message.WParam; });
    if (it == t.Active.end())
        return;
    TcxTimer* previous = t.Firing;
    t.Firing = *it;
    // Whatever the handler throws, a timer it handed over is freed.
    struct TAfterTick {
        TTimers& t;
        TcxTimer* previous;
        ~TAfterTick()
        {
            t.Firing = previous;
            if (!previous)
                t.FreeAfterTick.clear();
        }
    } after{t, previous};
    t.Firing->TimerFired();
}

} // namespace

TcxTimer::TcxTimer(TComponent* owner) : TComponent(owner) {}

TcxTimer::~TcxTimer()
{
    Stop();
}

void TcxTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Rearm();
}

void TcxTimer::SetInterval(unsigned value)
{
    if (value == interval_ || value == 0)
        return;
    interval_ = value;
    Rearm();
}

void TcxTimer::SetOnTimer(TNotifyEvent value)
{
    onTimer_ = std::move(value);
    Rearm();
}

void TcxTimer::TimerFired()
{
    if (onTimer_)
        onTimer_(*this);
}

void TcxTimer::Stop()
{
    if (!on_)
        return;
    TTimers& t = Timers();
    if (t.Window)
        KillTimer(t.Window->Handle(), TimerId(this));
    on_ = false;
    std::erase(t.Active, this);
}

void TcxTimer::Rearm()
{
    Stop();
    if (!enabled_ || !onTimer_)
        return;
    HWND window = TimerWindow();
    on_ = window && SetTimer(window, TimerId(this), interval_, nullptr) != 0;
    if (on_)
        Timers().Active.push_back(this);
}

const TPropertyTable& TcxTimer::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TcxTimer>(TComponent::Properties(), {
        {"Interval", [](TcxTimer& t, const TPropertyValue& v) { t.SetInterval(static_cast<unsigned>(v.Int())); }},
        {"Enabled", [](TcxTimer& t, const TPropertyValue& v) { t.SetEnabled(v.Bool()); }},
        {"OnTimer", [](TcxTimer& t, const TPropertyValue& v) { t.SetOnTimer(v.Handler<TNotifyEvent>()); }},
    });
    return table;
}

void cxFreeTimer(std::unique_ptr<TcxTimer> timer)
{
    if (!timer)
        return;
    TTimers& t = Timers();
    timer->SetEnabled(false);
    if (t.Firing)
        t.FreeAfterTick.push_back(std::move(timer));
}

void cxTimersFinalize()
{
    TTimers& t = Timers();
    t.Finalizing = true;
    t.FreeAfterTick.clear();
    t.Window.reset();
    t.Active.clear();
}

bool cxTimersFinalizing()
{
    return Timers().Finalizing;
}
