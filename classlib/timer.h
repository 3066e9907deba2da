// A window-less timer on the GUI thread.
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

    void Loaded() override
    {
        TComponent::Loaded();
        Update();
    }

protected:
    const TPropertyTable& Properties() const override;

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
    void Update();

    bool enabled_ = true;
    bool loaded_ = false;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};
