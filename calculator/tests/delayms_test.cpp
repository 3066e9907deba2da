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
};

class DelaymsTest : public testing::TestWithParam<PauseCase> {};

TEST_P(DelaymsTest, PumpsUntilTheTimeHasPassed)
{
    const PauseCase& c = GetParam();
    FakeClock clock(c.start, c.step);
    delayms(c.ms, clock);
    EXPECT_EQ(clock.pumps, c.pumps);
}

INSTANTIATE_TEST_SUITE_P(
    Pauses, DelaymsTest,
    testing::Values(
        PauseCase{"OneMillisecondTicks", 1000, 1, 280, 280},
        PauseCase{"CoarseTicksOvershoot", 0, 16, 280, 18},
        PauseCase{"TickJumpsPastTheEnd", 5, 1000, 280, 1},
        // The counter wraps during the pause: it must not end early nor hang.
        PauseCase{"WrapInTheMiddle", 0xFFFFFF00u, 1, 280, 280},
        PauseCase{"WrapOnTheFirstTick", 0xFFFFFFFFu, 7, 20, 3},
        PauseCase{"EndsExactlyAtTheWrap", 0xFFFFFFFFu - 279, 1, 280, 280},
        // Messages are still handled once when there is nothing to wait for.
        PauseCase{"Zero", 42, 1, 0, 1},
        PauseCase{"Negative", 42, 1, -5, 1},
        PauseCase{"StoppedClockZero", 42, 0, 0, 1}),
    [](const testing::TestParamInfo<PauseCase>& info) { return info.param.name; });

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
