// The pause that paces speech: waits on the window's thread while still
// handling its messages, so the window stays usable while a result is read.
#pragma once

#include <cstdint>

// Where a pause gets its time and its messages from: the real one reads the
// system's millisecond counter and pumps the thread's message queue, tests
// use fakes.
class IPauseClock {
public:
    virtual ~IPauseClock() = default;
    // Milliseconds on a counter that wraps at 2^32.
    virtual std::uint32_t tickCount() = 0;
    // Handles every message waiting for this thread, then returns; once the
    // tick count has reached deadline, only those queued before the call.
    virtual void processMessages(std::uint32_t deadline) = 0;
    // Sleeps until a message arrives or ms milliseconds pass, so a pause does
    // not keep a processor busy; a clock that cannot sleep returns at once.
    virtual void waitForMessages(std::uint32_t ms) { (void)ms; }
    // Sleeps ms milliseconds whatever arrives; a clock that cannot sleep
    // returns at once.
    virtual void sleep(std::uint32_t ms) { (void)ms; }
};

// The last milliseconds of a pause, in which no message is handled: one that
// takes long (a repaint of the whole window takes 3-10 ms) begun just before
// the end would push the next clip back by its own length. Messages that
// come then wait at most this long.
constexpr std::uint32_t kPauseQuietEnd = 5;

// Processes messages until at least ms milliseconds have passed on the clock,
// and at least once even for ms <= 0; none in the pause's quiet end.
void delayms(int ms, IPauseClock& clock);
// The same pause counted from start, an earlier tick count: it ends at
// start + ms however long handlers ran or the caller took before it began.
void pauseuntil(std::uint32_t start, int ms, IPauseClock& clock);
