// Tells the library's colour caches that the system colours changed. Each
// interested object owns a notifier; the notifiers share one listener, a
// hidden top-level window that exists while any notifier does.
#pragma once

#include <functional>
#include <memory>

#include "editors/foundation/core/cxlistenerlist.h"

class TMessageWindow;
class TcxSystemPaletteChangedNotifier;

class TcxSystemPaletteChangedListener {
public:
    // Takes the Office11 colour set for its lifetime.
    TcxSystemPaletteChangedListener();
    ~TcxSystemPaletteChangedListener();
    TcxSystemPaletteChangedListener(const TcxSystemPaletteChangedListener&) = delete;
    TcxSystemPaletteChangedListener& operator=(const TcxSystemPaletteChangedListener&) = delete;

    void Add(TcxSystemPaletteChangedNotifier* notifier);
    void Remove(TcxSystemPaletteChangedNotifier* notifier);
    void* Handle() const;

private:
    void PaletteChanged();

    std::unique_ptr<TMessageWindow> window_;
    // Primary notifiers are the caches the ordinary ones' handlers read.
    TcxListenerList<TcxSystemPaletteChangedNotifier> primary_, ordinary_;
};

class TcxSystemPaletteChangedNotifier {
public:
    explicit TcxSystemPaletteChangedNotifier(bool isPrimary = false);
    virtual ~TcxSystemPaletteChangedNotifier();
    TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
    TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

    bool IsPrimary() const { return isPrimary_; }
    // Fires OnPaletteChange.
    virtual void Notify();

    std::function<void()> OnPaletteChange;

private:
    bool isPrimary_;
};

// The shared listener, nullptr while no notifier exists.
TcxSystemPaletteChangedListener* cxSystemPaletteChangedListener();
