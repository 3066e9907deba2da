#include "calculator/delayms.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "calculator/tests/fakeclock.h"

namespace {

struct PauseCase {
    const char* name;
    std::uint32_t start;
    std::uint32_t step;
    int ms;
    int pumps;
    std::uint32_t took; // ticks from start to the pause's end
};

class DelaymsTest : public testing::TestWithParam<PauseCase> {};

TEST_P(DelaymsTest, PumpsUntilTheQuietEndThenWaitsOutTheTime)
{
    const PauseCase& c = GetParam();
    FakeClock clock(c.start, c.step);
    delayms(c.ms, clock);
    EXPECT_EQ(clock.pumps, c.pumps);
    EXPECT_EQ(clock.now - c.start, c.took);
}

INSTANTIATE_TEST_SUITE_P(
    Pauses, DelaymsTest,
    testing::Values(
        PauseCase{"OneMillisecondTicks", 1000, 1, 280, 275, 280},
        PauseCase{"CoarseTicksOvershoot", 0, 16, 280, 18, 288},
        PauseCase{"TickJumpsPastTheEnd", 5, 1000, 280, 1, 1000},
        // The counter wraps during the pause: it must not end early nor hang.
        PauseCase{"WrapInTheMiddle", 0xFFFFFF00u, 1, 280, 275, 280},
        PauseCase{"WrapOnTheFirstTick", 0xFFFFFFFFu, 7, 20, 3, 21},
        PauseCase{"EndsExactlyAtTheWrap", 0xFFFFFFFFu - 279, 1, 280, 275, 280},
        // Shorter than the quiet end: messages once, then the wait.
        PauseCase{"AllQuiet", 42, 1, 3, 1, 3},
        // Messages are still handled once when there is nothing to wait for.
        PauseCase{"Zero", 42, 1, 0, 1, 1},
        PauseCase{"Negative", 42, 1, -5, 1, 1},
        PauseCase{"StoppedClockZero", 42, 0, 0, 1, 0}),
    [](const testing::TestParamInfo<PauseCase>& info) { return info.param.name; });

// Repaints every 20 ms: one begun near the end would make the pause late by
// up to its length; the quiet end leaves only what a repaint takes beyond it.
TEST(Delayms, SlowMessagesNearTheEndDoNotMakeThePauseLate)
{
    struct {
        std::uint32_t cost, late;
    } const repaints[] = {{4, 0}, {8, 3}};
    for (auto [cost, late] : repaints)
        for (int ms = 20; ms <= 300; ++ms) {
            FakeClock clock(0, 1);
            clock.onMessages = [&] {
                if (clock.now % 20 == 0)
                    clock.now += cost;
            };
            delayms(ms, clock);
            EXPECT_LE(clock.now - static_cast<std::uint32_t>(ms), late) << ms << " ms, repaints of " << cost;
        }
}

TEST(Delayms, HandlersRunDuringThePause)
{
    FakeClock clock(0, 10);
    int handled = 0;
    clock.onMessages = [&] { ++handled; };
    delayms(100, clock);
    EXPECT_EQ(handled, 10);
    EXPECT_EQ(clock.now, 100u);
}

} // namespace
