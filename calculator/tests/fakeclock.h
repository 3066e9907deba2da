// A pause clock for tests: time moves only when messages are processed,
// by a fixed step, and a test may run its own "message handler" there.
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

    std::uint32_t now;
    std::uint32_t step;
    int pumps = 0;
    std::function<void()> onMessages;
};
