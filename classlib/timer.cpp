#include "classlib/timer.h"

#include <map>

#include "classlib/handlercall.h"
#include "classlib/messagewindow.h"
#include "classlib/propertytable.h"

namespace {
std::map<UINT_PTR, TTimer*>& Timers()
{
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

// One window carries every timer's ticks; it lives as long as the process.
HWND TimerWindow()
{
    static TMessageWindow* window = new TMessageWindow([](TMessage& m) {
        if (m.Msg != WM_TIMER)
            return false;
        // A timer freed while its tick waited in the queue is gone from the table.
        if (auto it = Timers().find(m.WParam); it != Timers().end())
            it->second->Tick();
        return true;
    }, TMessageWindow::TReach::OwnMessagesOnly);
    return window->Handle();
}

UINT_PTR NextTimerId()
{
    static UINT_PTR last = 0;
    return ++last;
}
} // namespace

TTimer::~TTimer()
{
    if (id_) {
        KillTimer(TimerWindow(), id_);
        Timers().erase(id_);
    }
}

void TTimer::Tick()
{
    CallHandler(OnTimer, *this);
}

void TTimer::Update()
{
    loaded_ = true;
    if (id_) {
        KillTimer(TimerWindow(), id_);
        Timers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0) {
        UINT_PTR id = NextTimerId();
        if (SetTimer(TimerWindow(), id, interval_, nullptr)) {
            id_ = id;
            Timers()[id_] = this;
        }
    }
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (loaded_)
        Update();
}

void TTimer::SetInterval(unsigned ms)
{
    interval_ = ms;
    if (loaded_)
        Update();
}

const TPropertyTable& TTimer::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TTimer>(TComponent::Properties(), {
        {"Interval", [](TTimer& t, const TPropertyValue& v) { t.SetInterval(static_cast<unsigned>(v.Int())); }},
        {"Enabled", [](TTimer& t, const TPropertyValue& v) { t.SetEnabled(v.Bool()); }},
        {"OnTimer", [](TTimer& t, const TPropertyValue& v) { t.OnTimer = v.Handler<TNotifyEvent>(); }},
    });
    return table;
}
