// A timer on the GUI thread; its ticks arrive through the hidden message window.
#pragma once

#include <windows.h>

#include "classlib/component.h"
#include "classlib/events.h"

class TTimer : public TComponent {
public:
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;
    // Fires OnTimer; the timers' window calls it on each tick.
    void Tick();

    bool SetProperty(const std::string& name, const std::string& value) override;
    void Loaded() override { Update(); }

private:
    void Update();

    bool enabled_ = true;
    bool loaded_ = false;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};
