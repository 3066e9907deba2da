#include "calculator/delayms_win.h"

#include <windows.h>

#include "classlib/application.h"

std::uint32_t TMessagePumpClock::tickCount()
{
    return GetTickCount();
}

void TMessagePumpClock::processMessages(std::uint32_t deadline)
{
    // A quit request seen here is handed back to the application's own loop.
    Application.ProcessMessages(deadline);
}

void TMessagePumpClock::waitForMessages(std::uint32_t ms)
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

void delayms(int ms)
{
    TMessagePumpClock clock;
    delayms(ms, clock);
}
