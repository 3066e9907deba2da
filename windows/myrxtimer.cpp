#include "windows/myrxtimer.h"

#include <process.h>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/propertytable.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
// Sent by the worker to the GUI thread's window: a tick, or a failure report (lParam the exception).
constexpr UINT kTickMessage = WM_APP + 1;
constexpr UINT kReportMessage = WM_APP + 2;

const TEnumName<TThreadPriority> kPriorityNames[] = {
    {"tpIdle", TThreadPriority::tpIdle},         {"tpLowest", TThreadPriority::tpLowest},
    {"tpLower", TThreadPriority::tpLower},       {"tpNormal", TThreadPriority::tpNormal},
    {"tpHigher", TThreadPriority::tpHigher},     {"tpHighest", TThreadPriority::tpHighest},
    {"tpTimeCritical", TThreadPriority::tpTimeCritical}};

// Aborts end a tick silently; everything else is reported.
bool Silent(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const EAbort&) {
        return true;
    } catch (...) {
        return false;
    }
}

int SystemPriority(TThreadPriority priority)
{
    static const int values[] = {THREAD_PRIORITY_IDLE,   THREAD_PRIORITY_LOWEST,       THREAD_PRIORITY_BELOW_NORMAL,
                                 THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                 THREAD_PRIORITY_TIME_CRITICAL};
    return values[static_cast<int>(priority)];
}
} // namespace

TTimerThread::TTimerThread(TMyRxTimer& owner) : owner_(owner), wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr))
{
    if (!wake_)
        RaiseLastOSError("CreateEvent");
    thread_.reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadProc, this, 0, &threadId_)));
    if (!thread_)
        RaiseLastOSError("CreateThread");
}

TTimerThread::~TTimerThread()
{
    Terminate();
    // Freed by a tick running on this very thread, which ends once the tick returns.
    if (GetCurrentThreadId() != threadId_)
        WaitFor();
}

void TTimerThread::Start()
{
    if (!running_.exchange(true))
        SetEvent(wake_.get());
}

void TTimerThread::SetPriority(TThreadPriority priority)
{
    ::SetThreadPriority(thread_.get(), SystemPriority(priority));
}

void TTimerThread::Terminate()
{
    terminated_ = true;
    SetEvent(wake_.get());
}

void TTimerThread::WaitFor()
{
    // Called from inside a tick (the timer freed by its own handler): the
    // worker waits for this very message, so let it go first.
    if (InSendMessage())
        ReplyMessage(0);
    HANDLE thread = thread_.get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

unsigned __stdcall TTimerThread::ThreadProc(void* self)
{
    // Nothing may unwind into the system's thread start; ticks report their own failures.
    try {
        static_cast<TTimerThread*>(self)->Execute();
    } catch (...) {
    }
    return 0;
}

bool TTimerThread::IsStopped() const
{
    return terminated_ || owner_.destroying_;
}

void TTimerThread::Execute()
{
    // A tick run here may free the timer and this thread object with it:
    // then nothing of either is touched again.
    const TLiveness owner = owner_.Liveness();
    while (!terminated_) {
        DWORD timeout = running_ ? interval_.load() : INFINITE;
        // Woken early: the settings changed or the thread ends; wait anew.
        if (WaitForSingleObject(wake_.get(), timeout) != WAIT_TIMEOUT || IsStopped())
            continue;
        if (!running_ || !owner_.enabled_)
            continue;
        if (owner_.syncEvent_) {
            owner_.RunSynchronized(kTickMessage);
            continue;
        }
        try {
            owner_.Timer();
        } catch (...) {
            if (!owner) {
                // No GUI thread's window is left to take the report.
                if (!Silent(std::current_exception()))
                    Application.HandleException();
                return;
            }
            exception_ = std::current_exception();
            HandleException();
        }
        if (!owner)
            return;
    }
}

void TTimerThread::HandleException()
{
    if (!Silent(exception_))
        owner_.RunSynchronized(kReportMessage, reinterpret_cast<LPARAM>(&exception_));
}

TMyRxTimer::TMyRxTimer(TComponent* owner)
    : TComponent(owner), syncWindow_([this](TMessage& m) { return SyncMessage(m); }),
      worker_(std::make_unique<TTimerThread>(*this))
{
}

TMyRxTimer::~TMyRxTimer()
{
    Shutdown();
}

void TMyRxTimer::BeforeDestruction()
{
    Shutdown();
    TComponent::BeforeDestruction();
}

void TMyRxTimer::Shutdown()
{
    if (!worker_)
        return;
    destroying_ = true;
    enabled_ = false;
    {
        std::lock_guard guard(handlerLock_);
        onTimer_ = nullptr;
    }
    worker_.reset();
    if (hiddenWindow_) {
        KillTimer(hiddenWindow_->Handle(), kTimerId);
        hiddenWindow_.reset();
    }
}

void TMyRxTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    ApplyTimerSettings();
}

void TMyRxTimer::SetInterval(unsigned ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    ApplyTimerSettings();
}

void TMyRxTimer::SetThreaded(bool value)
{
    if (value == threaded_)
        return;
    threaded_ = value;
    ApplyTimerSettings();
}

void TMyRxTimer::SetThreadPriority(TThreadPriority value)
{
    if (value == priority_)
        return;
    priority_ = value;
    if (threaded_)
        ApplyTimerSettings();
}

TNotifyEvent TMyRxTimer::OnTimer() const
{
    std::lock_guard guard(handlerLock_);
    return onTimer_;
}

bool TMyRxTimer::HasHandler() const
{
    std::lock_guard guard(handlerLock_);
    return static_cast<bool>(onTimer_);
}

void TMyRxTimer::SetOnTimer(TNotifyEvent handler)
{
    bool had = HasHandler(), has = static_cast<bool>(handler);
    {
        std::lock_guard guard(handlerLock_);
        onTimer_ = std::move(handler);
    }
    if (had != has)
        ApplyTimerSettings();
}

void TMyRxTimer::ApplyTimerSettings()
{
    if (!worker_)
        return;
    bool run = interval_ != 0 && enabled_ && HasHandler();
    if (threaded_) {
        if (hiddenWindow_) {
            KillTimer(hiddenWindow_->Handle(), kTimerId);
            hiddenWindow_.reset();
        }
        worker_->SetInterval(interval_);
        if (!run) {
            worker_->Stop();
            return;
        }
        worker_->SetPriority(priority_);
        worker_->Start();
        return;
    }
    worker_->Stop();
    if (hiddenWindow_)
        KillTimer(hiddenWindow_->Handle(), kTimerId);
    else
        hiddenWindow_ = std::make_unique<TMessageWindow>([this](TMessage& m) {
            if (m.Msg != WM_TIMER)
                return false;
            RunTick();
            return true;
        });
    if (run && !SetTimer(hiddenWindow_->Handle(), kTimerId, interval_, nullptr))
        throw EOutOfResources("Not enough timers available");
}

void TMyRxTimer::Timer()
{
    if (!enabled_ || destroying_)
        return;
    if (TNotifyEvent handler = OnTimer())
        handler(*this);
}

void TMyRxTimer::RunSynchronized(UINT what, LPARAM lp)
{
    SendMessageA(syncWindow_.Handle(), what, 0, lp);
}

bool TMyRxTimer::SyncMessage(TMessage& m)
{
    if (m.Msg != kTickMessage && m.Msg != kReportMessage)
        return false;
    // A tick handed over while the timer stopped or goes is dropped.
    if (destroying_ || (m.Msg == kTickMessage && !(worker_ && worker_->Running())))
        return true;
    if (m.Msg == kReportMessage)
        std::rethrow_exception(*reinterpret_cast<const std::exception_ptr*>(m.LParam));
    RunTick();
    return true;
}

void TMyRxTimer::RunTick()
{
    // A tick arriving inside the running one's message loop (its error's
    // message box) would nest without end.
    if (ticking_)
        return;
    TFlagScope ticking(Liveness(), ticking_);
    // An exception leaves through the window's guard to the application's handler.
    Timer();
}

const TPropertyTable& TMyRxTimer::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TMyRxTimer>(TComponent::Properties(), {
        {"Enabled", [](TMyRxTimer& t, const TPropertyValue& v) { t.SetEnabled(v.Bool()); }},
        {"Interval", [](TMyRxTimer& t, const TPropertyValue& v) { t.SetInterval(static_cast<unsigned>(v.Int())); }},
        {"SyncEvent", [](TMyRxTimer& t, const TPropertyValue& v) { t.SetSyncEvent(v.Bool()); }},
        {"Threaded", [](TMyRxTimer& t, const TPropertyValue& v) { t.SetThreaded(v.Bool()); }},
        {"ThreadPriority", [](TMyRxTimer& t, const TPropertyValue& v) { t.SetThreadPriority(v.Enum(kPriorityNames)); }},
        {"OnTimer", [](TMyRxTimer& t, const TPropertyValue& v) { t.SetOnTimer(v.Handler<TNotifyEvent>()); }},
    });
    return table;
}
