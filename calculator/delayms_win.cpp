#include "calculator/delayms_win.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "classlib/application.h"
#include "classlib/lateproc.h"

namespace {

// Windows times waits in its timer's ticks, 15.6 ms unless asked for finer
// ones; a pause is asked to end within a millisecond or two. winmm is loaded
// with the first pause, as with the first clip, not at every start.
class FineTimer {
public:
    FineTimer()
    {
        if (periods().begin)
            periods().begin(1);
    }
    ~FineTimer()
    {
        if (periods().end)
            periods().end(1);
    }
    FineTimer(const FineTimer&) = delete;
    FineTimer& operator=(const FineTimer&) = delete;

private:
    using Period = MMRESULT(WINAPI*)(UINT);
    struct Periods {
        Period begin, end;
    };
    static const Periods& periods()
    {
        static const Periods found{LateProc<Period>("winmm.dll", "timeBeginPeriod"),
                                   LateProc<Period>("winmm.dll", "timeEndPeriod")};
        return found;
    }
};

} // namespace

std::uint32_t TMessagePumpClock::tickCount()
{
    // Not GetTickCount: it moves in steps of 15-16 ms, on Windows and under
    // Wine alike, and a pause counted on it ends up to a step early or late.
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const LONGLONG ms = now.QuadPart / frequency * 1000 + now.QuadPart % frequency * 1000 / frequency;
    return static_cast<std::uint32_t>(ms);
}

void TMessagePumpClock::processMessages(std::uint32_t deadline)
{
    // A quit request seen here is handed back to the application's own loop.
    Application.ProcessMessages([&] { return static_cast<std::int32_t>(tickCount() - deadline) >= 0; });
}

void TMessagePumpClock::waitForMessages(std::uint32_t ms)
{
    FineTimer fine;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

void TMessagePumpClock::sleep(std::uint32_t ms)
{
    FineTimer fine;
    Sleep(ms);
}

void delayms(int ms)
{
    TMessagePumpClock clock;
    delayms(ms, clock);
}
