// A pause clock for tests: time moves only when messages are processed, by
// a fixed step, and when it sleeps; a test may run its own "message handler"
// where messages are processed.
#pragma once

#include <cstdint>
#include <functional>

#include "calculator/delayms.h"

class FakeClock : public IPauseClock {
public:
    FakeClock(std::uint32_t start, std::uint32_t step) : now(start), step(step) {}

    std::uint32_t tickCount() override { return now; }
    void processMessages(std::uint32_t) override
    {
        ++pumps;
        now += step;
        if (onMessages) {
            onMessages();
        }
    }

    void sleep(std::uint32_t ms) override
    {
        now += ms;
        slept += ms;
    }

    std::uint32_t now;
    std::uint32_t step;
    int pumps = 0;
    std::uint32_t slept = 0;
    std::function<void()> onMessages;
};
