// What the demonstrations' end-to-end tests share: waiting for the program
// to show a state, and where a client point lies on the screen.
#pragma once

#include <windows.h>

#include <functional>

// Asks until it holds, every 30 ms for at most 5 s.
inline bool Eventually(const std::function<bool()>& holds)
{
    for (int i = 0; i < 170; ++i) {
        if (holds())
            return true;
        Sleep(30);
    }
    return holds();
}

inline POINT OnScreen(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}
