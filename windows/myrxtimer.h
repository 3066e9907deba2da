// A timer whose ticks come from a worker thread, handed to the GUI thread
// unless SyncEvent is off, or from window timer 1 of a hidden window.
#pragma once

#include <windows.h>

#include <atomic>
#include <exception>
#include <memory>
#include <mutex>

#include "classlib/component.h"
#include "classlib/events.h"
#include "classlib/handles.h"
#include "classlib/messagewindow.h"

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TMyRxTimer;

// The worker. It waits on its wake event: with the interval as the timeout
// while running, without one while stopped; a wait that times out is a tick.
// Nothing suspends it, so it is never stopped inside a lock.
class TTimerThread {
public:
    explicit TTimerThread(TMyRxTimer& owner);
    // Terminates the thread and waits for it.
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    HANDLE Handle() const { return thread_.get(); }
    // Takes effect at the next wait; the one under way keeps the old interval.
    void SetInterval(DWORD ms) { interval_ = ms; }
    // Going from stopped to running wakes the thread, which starts a new wait.
    void Start();
    void Stop() { running_ = false; }
    bool Running() const { return running_; }
    void SetPriority(TThreadPriority priority);
    // Ends the thread: it is woken, whatever it waits for.
    void Terminate();
    // Waits for the thread to end while serving the messages other threads
    // send to this one, so a tick being handed over cannot block the wait.
    void WaitFor();

private:
    static unsigned __stdcall ThreadProc(void* self);
    void Execute();
    bool IsStopped() const;
    // Reports the exception of the last failed tick on the GUI thread.
    void HandleException();

    TMyRxTimer& owner_;
    UniqueHandle<HANDLE, KernelDeleter> wake_;
    UniqueHandle<HANDLE, KernelDeleter> thread_;
    unsigned threadId_ = 0;
    std::atomic<DWORD> interval_{1000};
    std::atomic<bool> running_{false};
    std::atomic<bool> terminated_{false};
    std::exception_ptr exception_;
};

class TMyRxTimer : public TComponent {
public:
    explicit TMyRxTimer(TComponent* owner = nullptr);
    ~TMyRxTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    // Read at each tick: whether it runs on the GUI thread or in the worker.
    bool SyncEvent() const { return syncEvent_; }
    void SetSyncEvent(bool value) { syncEvent_ = value; }
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool value);
    TThreadPriority ThreadPriority() const { return priority_; }
    // Applied to the worker only in the threaded mode.
    void SetThreadPriority(TThreadPriority value);
    TNotifyEvent OnTimer() const;
    // Re-applies the settings only when a handler comes or goes.
    void SetOnTimer(TNotifyEvent handler);

    // The window of the window mode (none until that mode is used), and the worker's thread.
    HWND HiddenWindow() const { return hiddenWindow_ ? hiddenWindow_->Handle() : nullptr; }
    HANDLE ThreadHandle() const { return worker_ ? worker_->Handle() : nullptr; }

protected:
    // The tick: OnTimer while enabled, assigned and not being destroyed.
    virtual void Timer();
    void BeforeDestruction() override;
    const TPropertyTable& Properties() const override;

private:
    friend class TTimerThread;
    void ApplyTimerSettings();
    bool HasHandler() const;
    // Hands a tick or a failure report from the worker to the GUI thread and waits.
    void RunSynchronized(UINT what, LPARAM lp = 0);
    bool SyncMessage(TMessage& message);
    // A tick on the GUI thread, one at a time.
    void RunTick();
    // Stops and ends the worker, dropping a tick in flight; no tick runs afterwards.
    void Shutdown();

    std::atomic<bool> enabled_{true};
    std::atomic<bool> syncEvent_{true};
    std::atomic<bool> destroying_{false};
    unsigned interval_ = 1000;
    bool threaded_ = true;
    bool ticking_ = false;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    mutable std::mutex handlerLock_;
    TNotifyEvent onTimer_;
    std::unique_ptr<TMessageWindow> hiddenWindow_;
    // The GUI thread's end of the hand-over; made before the worker, gone after it.
    TMessageWindow syncWindow_;
    std::unique_ptr<TTimerThread> worker_;
};
