// The pause on the real message queue and tick count.
#include <windows.h>

#include <gtest/gtest.h>

#include "calculator/delayms_win.h"

namespace {

int handled = 0;
// Posted again each time it is handled: messages that never run out.
constexpr UINT kEcho = WM_APP + 1;

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP || message == kEcho) {
        ++handled;
        if (message == kEcho)
            PostMessageA(window, kEcho, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class MessageWindow : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = countingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "DelaymsTestWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowA("DelaymsTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        handled = 0;
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

TEST_F(MessageWindow, ZeroPauseStillHandlesWaitingMessages)
{
    PostMessageA(window, WM_APP, 0, 0);
    PostMessageA(window, WM_APP, 0, 0);
    delayms(0);
    EXPECT_EQ(handled, 2);
}

TEST_F(MessageWindow, PauseLastsAtLeastItsTime)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    PostMessageA(window, WM_APP, 0, 0);
    delayms(30);
    QueryPerformanceCounter(&end);
    // Whole milliseconds of the clock: the first may be nearly over at the start.
    EXPECT_GE(static_cast<double>(end.QuadPart - start.QuadPart) * 1000 / static_cast<double>(frequency.QuadPart), 29.0);
    EXPECT_EQ(handled, 1);
}

// Messages that keep coming are served, but the pause still ends.
TEST_F(MessageWindow, EndlessMessagesDoNotHoldThePause)
{
    PostMessageA(window, kEcho, 0, 0);
    delayms(30);
    EXPECT_GT(handled, 1);
    MSG left;
    EXPECT_TRUE(PeekMessageA(&left, window, kEcho, kEcho, PM_REMOVE)) << "the echo goes on after the pause";
}

// A quit request met inside a pause is left for the application's own loop.
TEST(Delayms, QuitRequestIsHandedBack)
{
    PostQuitMessage(7);
    delayms(5);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

} // namespace
