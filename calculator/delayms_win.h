// The pause on Windows: the performance counter, in milliseconds, and the
// thread's message queue.
#pragma once

#include "calculator/delayms.h"

class TMessagePumpClock : public IPauseClock {
public:
    std::uint32_t tickCount() override;
    void processMessages(std::uint32_t deadline) override;
    void waitForMessages(std::uint32_t ms) override;
    void sleep(std::uint32_t ms) override;
};

// delayms on the calling thread's own message queue.
void delayms(int ms);
