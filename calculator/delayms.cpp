#include "calculator/delayms.h"

void delayms(int ms, IPauseClock& clock)
{
    const std::uint32_t start = clock.tickCount();
    // Unsigned difference: a wrap of the counter during the pause costs nothing.
    const std::uint32_t wanted = ms > 0 ? static_cast<std::uint32_t>(ms) : 0;
    for (;;) {
        clock.processMessages();
        const std::uint32_t elapsed = clock.tickCount() - start;
        if (elapsed >= wanted)
            return;
        clock.waitForMessages(wanted - elapsed);
    }
}
