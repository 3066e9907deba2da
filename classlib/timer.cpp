#include "classlib/timer.h"

#include <map>

#include "classlib/application.h"
#include "classlib/control.h"
#include "classlib/form.h"

namespace {
std::map<UINT_PTR, TTimer*>& Timers()
{
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}
} // namespace

TTimer::~TTimer()
{
    if (id_) {
        KillTimer(nullptr, id_);
        Timers().erase(id_);
    }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Timers().find(id);
    if (it == Timers().end() || !it->second->OnTimer)
        return;
    TTimer* timer = it->second;
    Guarded([&] { timer->OnTimer(*timer); return 0; }, 0);
}

void TTimer::Update()
{
    loaded_ = true;
    if (id_) {
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0) {
        id_ = SetTimer(nullptr, 0, interval_, TimerProc);
        if (id_)
            Timers()[id_] = this;
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
