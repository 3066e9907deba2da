#include "calculator/delayms.h"

void delayms(int ms, IPauseClock& clock)
{
    pauseuntil(clock.tickCount(), ms, clock);
}

void pauseuntil(std::uint32_t start, int ms, IPauseClock& clock)
{
    // Unsigned differences: a wrap of the counter during the pause costs nothing.
    const std::uint32_t wanted = ms > 0 ? static_cast<std::uint32_t>(ms) : 0;
    const std::uint32_t serving = wanted > kPauseQuietEnd ? wanted - kPauseQuietEnd : 0;
    std::uint32_t elapsed = 0;
    for (;;) {
        clock.processMessages(start + serving);
        elapsed = clock.tickCount() - start;
        if (elapsed >= serving)
            break;
        clock.waitForMessages(serving - elapsed);
    }
    if (elapsed < wanted)
        clock.sleep(wanted - elapsed);
}
