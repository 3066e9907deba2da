// The modal loop that tells a click from the start of a drag.
#pragma once

#include <windows.h>

enum TcxDragDetect { ddNone = 0, ddDrag = 1, ddCancel = 2 };

// Captures the mouse for the window until the button goes up (none), the
// cursor leaves the drag square (drag), or Esc or a lost capture (cancel).
// Every message is dispatched, so the window's owner may be gone afterwards.
TcxDragDetect DetectDragStart(HWND window);
