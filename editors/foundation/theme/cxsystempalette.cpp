#include "editors/foundation/theme/cxsystempalette.h"

#include <windows.h>

#include "classlib/messagewindow.h"
#include "editors/foundation/theme/dxoffice11.h"

namespace {

std::unique_ptr<TcxSystemPaletteChangedListener> listener;
int notifierCount = 0;
// While the listener tells its notifiers, the last one to go leaves the
// listener to be freed after the walk.
bool walking = false;

// From last to first.
void NotifyAll(TcxListenerList<TcxSystemPaletteChangedNotifier>& list)
{
    list.ForEach([](TcxSystemPaletteChangedNotifier& notifier) { notifier.Notify(); }, true);
}

} // namespace

TcxSystemPaletteChangedListener::TcxSystemPaletteChangedListener()
{
    Office11ColorsAcquire();
    try {
        window_ = std::make_unique<TMessageWindow>([this](TMessage& m) {
            if (m.Msg == WM_SYSCOLORCHANGE)
                PaletteChanged();
            else if (m.Msg == WM_THEMECHANGED)
                Office11ColorsRefresh();
            // Every message goes on to DefWindowProc.
            return false;
        });
    } catch (...) {
        Office11ColorsRelease();
        throw;
    }
}

TcxSystemPaletteChangedListener::~TcxSystemPaletteChangedListener()
{
    window_.reset();
    Office11ColorsRelease();
}

void* TcxSystemPaletteChangedListener::Handle() const
{
    return window_->Handle();
}

void TcxSystemPaletteChangedListener::Add(TcxSystemPaletteChangedNotifier* notifier)
{
    (notifier->IsPrimary() ? primary_ : ordinary_).Add(notifier);
}

void TcxSystemPaletteChangedListener::Remove(TcxSystemPaletteChangedNotifier* notifier)
{
    (notifier->IsPrimary() ? primary_ : ordinary_).Remove(notifier);
}

void TcxSystemPaletteChangedListener::PaletteChanged()
{
    Office11ColorsRefresh();
    {
        struct TWalk {
            TWalk() { walking = true; }
            ~TWalk() { walking = false; }
        } walk;
        NotifyAll(primary_);
        NotifyAll(ordinary_);
    }
    if (notifierCount == 0)
        listener.reset(); // frees this: nothing of it is touched afterwards
}

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool isPrimary) : isPrimary_(isPrimary)
{
    if (!listener)
        listener = std::make_unique<TcxSystemPaletteChangedListener>();
    ++notifierCount;
    listener->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier()
{
    listener->Remove(this);
    if (--notifierCount == 0 && !walking)
        listener.reset();
}

void TcxSystemPaletteChangedNotifier::Notify()
{
    if (OnPaletteChange)
        OnPaletteChange();
}

TcxSystemPaletteChangedListener* cxSystemPaletteChangedListener()
{
    return listener.get();
}
