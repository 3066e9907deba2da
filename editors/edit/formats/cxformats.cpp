#include "editors/edit/formats/cxformats.h"

#include <cstring>

#include "classlib/application.h"
#include "classlib/formatsettings.h"
#include "editors/edit/formats/cxdateutils.h"

namespace {

struct TInstance {
    std::unique_ptr<TcxFormatController> Controller;
    int Starts = 0;
};

TInstance& Instance()
{
    static TInstance instance;
    return instance;
}

// lParam of a settings change names its section; "intl" is the locale's.
bool IsLocaleChange(const TMessage& message)
{
    const auto* section = reinterpret_cast<const char*>(message.LParam);
    return message.WParam == 0 && section && std::strncmp(section, "intl", 5) == 0;
}

} // namespace

TcxFormatController::TcxFormatController()
{
    Recompute();
}

TcxFormatController::~TcxFormatController() = default;

void TcxFormatController::Recompute()
{
    results_ = cxComputeFormatResults(FormatSettings(), cxRelativeDateWords(), LocaleStartOfWeek());
}

void TcxFormatController::AddFormatListener(IcxFormatListener* listener)
{
    if (!listener || listeners_.Contains(listener))
        return;
    if (!window_)
        window_ = std::make_unique<TMessageWindow>([this](TMessage& message) { return FormatWindowProc(message); });
    listeners_.Add(listener);
}

void TcxFormatController::RemoveFormatListener(IcxFormatListener* listener)
{
    if (listeners_.Remove(listener))
        DropWindowWhenUnused();
}

void TcxFormatController::DropWindowWhenUnused()
{
    if (dispatching_ == 0 && listeners_.Count() == 0)
        window_.reset();
}

bool TcxFormatController::FormatWindowProc(TMessage& message)
{
    const bool localeChange =
        message.Msg == WM_WININICHANGE && IsLocaleChange(message) && Application.UpdateFormatSettings;
    if (!localeChange && message.Msg != WM_TIMECHANGE)
        return false;
    // The last listener leaving inside the message leaves the window to the
    // end; a listener may also end the unit, and the controller with it.
    struct TDispatch {
        TcxFormatController& Owner;
        TLiveness Alive;
        ~TDispatch()
        {
            if (!Alive)
                return;
            --Owner.dispatching_;
            Owner.DropWindowWhenUnused();
        }
    } dispatch{*this, life_.Watch()};
    ++dispatching_;
    message.Result = 0;
    if (localeChange)
        FormatsChanged();
    else
        TimeChanged();
    return true;
}

void TcxFormatController::FormatsChanged()
{
    RefreshFormatSettings();
    Recompute();
    listeners_.ForEach([](IcxFormatListener& listener) { listener.FormatChanged(); });
}

void TcxFormatController::TimeChanged()
{
    listeners_.ForEach([](IcxFormatListener& listener) {
        if (auto* time = dynamic_cast<IcxTimeChangeListener*>(&listener))
            time->TimeChanged();
    });
}

TcxFormatController& FormatControllerInstance()
{
    auto& instance = Instance();
    if (!instance.Controller)
        instance.Controller = std::make_unique<TcxFormatController>();
    return *instance.Controller;
}

void cxFormatsInitialize()
{
    ++Instance().Starts;
}

void cxFormatsFinalize()
{
    auto& instance = Instance();
    if (instance.Starts > 0 && --instance.Starts == 0)
        instance.Controller.reset();
}
