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

    void Loaded() override
    {
        TComponent::Loaded();
        Update();
    }

protected:
    const TPropertyTable& Properties() const override;

private:
    void Update();

    bool enabled_ = true;
    bool loaded_ = false;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};
