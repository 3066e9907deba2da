// Test helper: a key pressed as the keyboard does it, posted to the window
// with the focus and taken through the application's message loop, with
// Shift or Ctrl held in the thread's key state meanwhile.
#pragma once

#include <windows.h>

#include "classlib/events.h"

void PressKey(WORD key, TShiftState shift = 0);
