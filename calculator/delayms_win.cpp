#include "calculator/delayms_win.h"

#include <windows.h>

std::uint32_t TMessagePumpClock::tickCount()
{
    return GetTickCount();
}

void TMessagePumpClock::processMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit request belongs to the application's own loop: hand it back.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
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
