// Test helper: real input through the system's input queue (SendInput), for
// tests that hold the desktop lock.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TControl;

// One key going down or up.
void SendKeyInput(WORD vk, bool down);
// A key pressed and released, with held (Shift, Ctrl) down meanwhile.
void TapKeyInput(WORD vk, WORD held = 0);
// Key presses msPerKey apart; '\r' is Enter. A character the keyboard layout
// has no key for (Wine's Chinese layout lacks the brackets, and has none for
// Chinese characters) comes as the character itself, as an input method sends it.
void TypeKeys(const std::wstring& keys, int msPerKey = 0);
// The cursor moved to a point of the screen.
void MoveCursorInput(POINT screen);
// The left button going down or up where the cursor is.
void LeftButtonInput(bool down);
// A left click in the middle of the window, each button event carrying that
// point (a move between them cannot take the press elsewhere).
void ClickInput(HWND window);
// A left click in the middle of the control, also of a windowless one (a
// speed button, a label): its place on the screen is its parent's client
// origin moved by its bounds (TControl::ClientOrigin).
void ClickInput(const TControl& control);
// A click that gives the window the focus, waited for: Wine addresses keys
// to the focus of the moment they are sent, so keys sent before the click
// is handled go to the window that had the focus. False when it never came.
bool FocusByClick(HWND window, int timeoutMs = 5000);
// Where typed keys and clicks would go now, for failure messages: the
// foreground window with the active window, focus and capture of its thread,
// and the cursor with the window under it (and the same of that window's
// thread when another one owns it), each window as class "title" at its
// screen rectangle.
std::string DescribeInputTarget();
// Handles messages the way the program's loop does (keys offered to their
// control first) until done or the time is up; false when it ran out.
bool PumpInput(const std::function<bool()>& done, int timeoutMs = 3000);
// A key that stands last in the input queue: once a form's key preview has
// seen it, every key typed before it was handled.
constexpr WORD kInputMarker = VK_F9;
// Clears markerSeen, taps the key (with held down meanwhile), then the marker,
// and handles messages until markerSeen, which the caller's key preview sets
// on the marker, turns true; false when it did not within 5 s.
bool TapKeyAndSettle(WORD vk, WORD held, bool& markerSeen);
// Handles messages so for a while, for input that needs no answer.
void SettleInput();
