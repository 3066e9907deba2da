#include "calculator/delayms_win.h"

#include <windows.h>

#include "classlib/application.h"

std::uint32_t TMessagePumpClock::tickCount()
{
    return GetTickCount();
}

void TMessagePumpClock::processMessages()
{
    MSG msg;
    for (TApplication::TTaken taken; (taken = Application.HandleMessage(msg, false)) != TApplication::TTaken::None;) {
        if (taken == TApplication::TTaken::Quit) {
            // The quit request belongs to the application's own loop: hand it back.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
    }
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
