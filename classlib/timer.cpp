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

bool TTimer::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "Interval")
        SetInterval(static_cast<unsigned>(PropertyInt(name, value)));
    else if (name == "Enabled")
        SetEnabled(PropertyBool(name, value));
    else if (name == "OnTimer") {
        auto* form = dynamic_cast<TForm*>(Owner());
        if (!form)
            throw EComponentError("No form for handler " + value);
        OnTimer = form->Handler<TNotifyEvent>(value);
    } else
        return TComponent::SetProperty(name, value);
    return true;
}
