#include "editors/foundation/system/cxsettingscontroller.h"

#include <algorithm>

#include "classlib/control.h"

class TcxSettingsController::TWindow : public TcxMessageWindow {
public:
    explicit TWindow(TcxSettingsController& owner) : owner_(owner) {}

protected:
    void WndProc(TMessage& message) override
    {
        if (!owner_.WndProc(message))
            TcxMessageWindow::WndProc(message);
    }

private:
    TcxSettingsController& owner_;
};

namespace {
std::unique_ptr<TcxSettingsController>& Instance()
{
    static std::unique_ptr<TcxSettingsController> instance;
    return instance;
}
} // namespace

void TcxSettingsController::AddControl(TWinControl* control)
{
    if (!control || controls_.Contains(control))
        return;
    if (controls_.Count() == 0)
        window_ = std::make_unique<TWindow>(*this);
    controls_.Add(control);
}

void TcxSettingsController::RemoveControl(TWinControl* control)
{
    if (controls_.Remove(control) && controls_.Count() == 0)
        window_.reset();
}

HWND TcxSettingsController::Handle() const
{
    return window_ ? window_->Handle() : nullptr;
}

bool TcxSettingsController::WndProc(TMessage& message)
{
    if (message.Msg != WM_SETTINGCHANGE || message.WParam != SPI_SETNONCLIENTMETRICS)
        return false;
    // Same thread: each control is told at once, inside the walk.
    controls_.ForEach([](TWinControl& control) {
        if (control.HandleAllocated())
            SendNotifyMessageA(control.Handle(), DXM_SCROLLBARSETTINGSCHANGED, 0, 0);
    });
    message.Result = 0;
    return true;
}

TcxSettingsController& cxSettingsController()
{
    auto& instance = Instance();
    if (!instance)
        instance = std::make_unique<TcxSettingsController>();
    return *instance;
}

void cxSettingsControllerFinalize()
{
    Instance().reset();
}
