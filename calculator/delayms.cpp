#include "calculator/delayms.h"

void delayms(int ms, IPauseClock& clock)
{
    pauseuntil(clock.tickCount(), ms, clock);
}

void pauseuntil(std::uint32_t start, int ms, IPauseClock& clock)
{
    // Unsigned difference: a wrap of the counter during the pause costs nothing.
    const std::uint32_t wanted = ms > 0 ? static_cast<std::uint32_t>(ms) : 0;
    for (;;) {
        clock.processMessages(start + wanted);
        const std::uint32_t elapsed = clock.tickCount() - start;
        if (elapsed >= wanted)
            return;
        clock.waitForMessages(wanted - elapsed);
    }
}
