// Tells the controls with scroll bars that the system's scroll-bar metrics
// changed; its hidden window exists while any control is registered.
#pragma once

#include <memory>

#include "editors/foundation/core/cxlistenerlist.h"
#include "editors/foundation/system/cxmessagewindow.h"

class TWinControl;

// Sent (without parameters) to each registered control.
constexpr UINT DXM_SCROLLBARSETTINGSCHANGED = 0x8065;

class TcxSettingsController {
public:
    void AddControl(TWinControl* control);
    void RemoveControl(TWinControl* control);
    // 0 while no control is registered.
    HWND Handle() const;

private:
    class TWindow;
    // Whether the message was the settings change it answers.
    bool WndProc(TMessage& message);

    TcxListenerList<TWinControl> controls_;
    std::unique_ptr<TWindow> window_;
};

TcxSettingsController& cxSettingsController();
void cxSettingsControllerFinalize();
