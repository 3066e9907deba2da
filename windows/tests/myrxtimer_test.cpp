// The threaded timer in its three ways of ticking, through real threads,
// windows and window timers.
#include "windows/myrxtimer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/freedmemory.h"

namespace {
enum class Mode { ThreadedSync, ThreadedUnsync, Window };

// Counts ticks from whichever thread they run on.
struct Ticks {
    std::atomic<int> count{0};
    // Ticks that the worker handed over to this thread as a sent message.
    std::atomic<int> handedOver{0};
    TNotifyEvent Handler()
    {
        return [this](TComponent&) {
            ++count;
            if (InSendMessage())
                ++handedOver;
        };
    }
};

void Pump(int ms)
{
    PumpUntil([] { return false; }, ms);
}

HANDLE Duplicate(HANDLE thread)
{
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
    return copy;
}

class MyRxTimer : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override { Application.Initialize(); }

    static std::unique_ptr<TMyRxTimer> NewTimer(Mode mode, unsigned interval, TNotifyEvent handler = nullptr)
    {
        auto timer = std::make_unique<TMyRxTimer>();
        timer->SetThreaded(mode != Mode::Window);
        timer->SetSyncEvent(mode != Mode::ThreadedUnsync);
        timer->SetInterval(interval);
        timer->SetOnTimer(std::move(handler));
        return timer;
    }
};

std::string ModeName(const ::testing::TestParamInfo<Mode>& info)
{
    const char* names[] = {"ThreadedSync", "ThreadedUnsync", "Window"};
    return names[static_cast<int>(info.param)];
}
} // namespace

TEST_P(MyRxTimer, IntervalZeroGivesNoTickUntilOneIsSet)
{
    Ticks ticks;
    auto timer = NewTimer(GetParam(), 0, ticks.Handler());
    Pump(200);
    EXPECT_EQ(ticks.count, 0);
    timer->SetInterval(20);
    EXPECT_TRUE(PumpUntil([&] { return ticks.count >= 2; }));
}

TEST_P(MyRxTimer, TheFirstHandlerStartsTheTimingAndASecondDoesNotRestartIt)
{
    Ticks first, second;
    auto timer = NewTimer(GetParam(), 500);
    Pump(300);
    DWORD start = GetTickCount();
    timer->SetOnTimer(first.Handler());
    Pump(150);
    timer->SetOnTimer(second.Handler());
    ASSERT_TRUE(PumpUntil([&] { return second.count >= 1; }));
    DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(first.count, 0);
    // Loose bounds: timing from creation would tick at 200, a restart at 650.
    EXPECT_GE(elapsed, 450u);
    EXPECT_LT(elapsed, 640u);
}

TEST_P(MyRxTimer, ATickThatThrowsIsReportedOnceAndTheTicksGoOn)
{
    constexpr int kFailing = 3;
    DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
    std::atomic<int> ticks{0};
    auto timer = NewTimer(GetParam(), 100, [&](TComponent&) {
        if (int n = ++ticks; n <= kFailing)
            throw EInvalidOperation("tick " + std::to_string(n));
    });
    ASSERT_TRUE(PumpUntil([&] { return ticks >= kFailing + 2 && watcher.Count() >= kFailing; }, 20000));
    timer->SetEnabled(false);
    Pump(300);
    auto messages = watcher.Messages();
    EXPECT_EQ(messages.size(), static_cast<std::size_t>(kFailing));
    for (int i = 1; i <= kFailing; ++i)
        EXPECT_EQ(std::count(messages.begin(), messages.end(), "tick " + std::to_string(i)), 1) << i;
}

TEST_P(MyRxTimer, ATimerFreedByItsOwnTickIsNeverTouchedAgain)
{
    for (bool raises : {false, true}) {
        DialogWatcher watcher([](HWND box) { DialogWatcher::Press(box, IDOK); });
        TFreedMemoryTrap trap;
        std::atomic<int> ticks{0};
        TMyRxTimer* timer = NewTimer(GetParam(), 20).release();
        const TLiveness alive = timer->Liveness();
        UniqueHandle<HANDLE, KernelDeleter> thread(Duplicate(timer->ThreadHandle()));
        // The timer runs a copy of its handler: these captures outlive the timer.
        timer->SetOnTimer([&ticks, &timer, raises](TComponent&) {
            if (++ticks > 1)
                return;
            delete timer;
            if (raises)
                throw EInvalidOperation("tick failed");
        });
        ASSERT_TRUE(PumpUntil([&] { return !alive && watcher.Count() >= (raises ? 1 : 0); })) << raises;
        Pump(200);
        EXPECT_EQ(ticks, 1) << raises;
        EXPECT_EQ(watcher.Count(), raises ? 1 : 0);
        EXPECT_EQ(WaitForSingleObject(thread.get(), 2000), WAIT_OBJECT_0) << "the worker ended";
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, MyRxTimer, ::testing::Values(Mode::ThreadedSync, Mode::ThreadedUnsync, Mode::Window),
                         ModeName);

TEST(MyRxTimerModes, ThreadedOffMovesTheTicksToWindowTimerOneAndBackAndThePriorityWaits)
{
    Application.Initialize();
    Ticks ticks;
    auto timer = std::make_unique<TMyRxTimer>();
    timer->SetInterval(150);
    timer->SetOnTimer(ticks.Handler());
    ASSERT_TRUE(PumpUntil([&] { return ticks.count >= 1; }));
    EXPECT_EQ(timer->HiddenWindow(), nullptr);
    EXPECT_EQ(ticks.handedOver, ticks.count) << "ticks come from the worker";

    timer->SetThreaded(false);
    ASSERT_NE(timer->HiddenWindow(), nullptr);
    timer->SetThreadPriority(TThreadPriority::tpLowest);
    EXPECT_EQ(GetThreadPriority(timer->ThreadHandle()), THREAD_PRIORITY_NORMAL) << "only stored";
    int handedOver = ticks.handedOver, count = ticks.count;
    DWORD start = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return ticks.count >= count + 2; }));
    EXPECT_GE(GetTickCount() - start, 2 * 150u - 60) << "the same interval";
    EXPECT_EQ(ticks.handedOver, handedOver) << "the worker stopped; window ticks are posted";

    timer->SetThreaded(true);
    EXPECT_EQ(timer->HiddenWindow(), nullptr);
    EXPECT_EQ(GetThreadPriority(timer->ThreadHandle()), THREAD_PRIORITY_LOWEST);
    count = ticks.count;
    ASSERT_TRUE(PumpUntil([&] { return ticks.count >= count + 1; }));
    EXPECT_GT(ticks.handedOver, handedOver);
}

TEST(MyRxTimerModes, DestroyEndsTheWorkerBeforeItReturnsAndNoTickFollows)
{
    Application.Initialize();
    struct Case {
        const char* what;
        unsigned interval;
        int cycles;
        bool tickInFlight; // the GUI thread does not pump: the worker waits with its tick
    };
    const Case cases[] = {{"asleep", 300, 1, false},
                          {"an endless interval", 0xFFFFFFFF, 1, false},
                          {"a tick handed over", 1, 1, true},
                          {"short-lived timers", 1, 500, false}};
    for (const auto& c : cases) {
        Ticks ticks;
        int stillRunning = 0, late = 0;
        for (int i = 0; i < c.cycles; ++i) {
            auto timer = std::make_unique<TMyRxTimer>();
            timer->SetInterval(c.interval);
            timer->SetOnTimer(ticks.Handler());
            c.tickInFlight || i % 2 ? Sleep(c.cycles > 1 ? 2 : 50) : Pump(c.cycles > 1 ? 0 : 50);
            int before = ticks.count;
            UniqueHandle<HANDLE, KernelDeleter> thread(Duplicate(timer->ThreadHandle()));
            timer.reset();
            stillRunning += WaitForSingleObject(thread.get(), 0) != WAIT_OBJECT_0;
            Pump(c.cycles > 1 ? 0 : 100);
            late += ticks.count != before;
        }
        EXPECT_EQ(stillRunning, 0) << c.what;
        EXPECT_EQ(late, 0) << c.what;
    }
}
