// Scopes over the generic editor's locks, each undone however the scope
// ends and left alone once the editor is gone.
#pragma once

#include "editors/edit/editor/cxedit.h"

// The change events locked for one scope. Release ends the lock firing what
// is pending; a scope left by an exception ends it without firing, so that
// no handler runs while another exception passes.
class TcxEditChangeEventsLock {
public:
    explicit TcxEditChangeEventsLock(TcxCustomEdit& edit) : edit_(edit), alive_(edit.Liveness())
    {
        edit_.LockChangeEvents(true);
    }
    ~TcxEditChangeEventsLock()
    {
        if (!released_ && alive_)
            edit_.LockChangeEvents(false, false);
    }
    TcxEditChangeEventsLock(const TcxEditChangeEventsLock&) = delete;
    TcxEditChangeEventsLock& operator=(const TcxEditChangeEventsLock&) = delete;

    void Release(bool firePending = true)
    {
        if (released_)
            return;
        released_ = true;
        if (alive_)
            edit_.LockChangeEvents(false, firePending);
    }

private:
    TcxCustomEdit& edit_;
    TLiveness alive_;
    bool released_ = false;
};

// Clicks locked for one scope.
class TcxEditClickLock {
public:
    explicit TcxEditClickLock(TcxCustomEdit& edit) : edit_(edit), alive_(edit.Liveness()) { edit_.LockClick(true); }
    ~TcxEditClickLock()
    {
        if (alive_)
            edit_.LockClick(false);
    }
    TcxEditClickLock(const TcxEditClickLock&) = delete;
    TcxEditClickLock& operator=(const TcxEditClickLock&) = delete;

private:
    TcxCustomEdit& edit_;
    TLiveness alive_;
};

// The modified pair pushed for one scope and popped at its end.
class TcxEditModifiedScope {
public:
    explicit TcxEditModifiedScope(TcxCustomEdit& edit) : edit_(edit), alive_(edit.Liveness()) { edit_.PushModified(); }
    ~TcxEditModifiedScope()
    {
        if (alive_)
            edit_.PopModified();
    }
    TcxEditModifiedScope(const TcxEditModifiedScope&) = delete;
    TcxEditModifiedScope& operator=(const TcxEditModifiedScope&) = delete;

private:
    TcxCustomEdit& edit_;
    TLiveness alive_;
};
