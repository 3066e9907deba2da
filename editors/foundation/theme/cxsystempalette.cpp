#include "editors/foundation/theme/cxsystempalette.h"

#include <windows.h>

#include <algorithm>

#include "classlib/messagewindow.h"
#include "editors/foundation/theme/dxoffice11.h"

namespace {

std::unique_ptr<TcxSystemPaletteChangedListener> listener;
int notifierCount = 0;
// While the listener tells its notifiers, the last one to go leaves the
// listener to be freed after the walk.
bool walking = false;

// Walks from last to first; a handler may free notifiers, so the index is
// brought back inside the list before each call.
void NotifyAll(const std::vector<TcxSystemPaletteChangedNotifier*>& list)
{
    for (std::size_t i = list.size(); i > 0;) {
        i = std::min(i, list.size());
        if (i == 0)
            break;
        list[--i]->Notify();
    }
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
    (notifier->IsPrimary() ? primary_ : ordinary_).push_back(notifier);
}

void TcxSystemPaletteChangedListener::Remove(TcxSystemPaletteChangedNotifier* notifier)
{
    std::erase(notifier->IsPrimary() ? primary_ : ordinary_, notifier);
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
