#include "calculator/delayms.h"

void delayms(int ms, IPauseClock& clock)
{
    const std::uint32_t start = clock.tickCount();
    // Unsigned difference: a wrap of the counter during the pause costs nothing.
    const std::uint32_t wanted = ms > 0 ? static_cast<std::uint32_t>(ms) : 0;
    std::uint32_t elapsed = 0;
    do {
        clock.processMessages();
        elapsed = clock.tickCount() - start;
    } while (elapsed < wanted);
}
