// The container unit's small helpers that other editor units call: text
// equality by the locale, filling and invalidating around a hole, window
// tests, the held keys and buttons, and dropping pending messages.
#pragma once

#include <windows.h>

#include <string>

#include "classlib/events.h"
#include "editors/foundation/controls/cxcontrolutils.h"
#include "editors/foundation/graphics/cxcanvas.h"

class TControl;
class TWinControl;

// Case-sensitive: the locale's comparison; otherwise both texts upper-cased
// by the locale, then compared byte for byte.
bool StringsEqual(const std::string& a, const std::string& b, bool caseSensitive);
// The strips of rect around hole filled with color; the whole rect when the
// hole is empty, nothing when rect is empty or equals the hole.
void FillRectExcept(TcxCanvas& canvas, const TRect& rect, const TRect& hole, TColor color);
// The same strips invalidated, with erase.
void InvalidateRectExcept(HWND window, const TRect& rect, const TRect& hole);
// The control's own window, or with withChildren also a window inside it.
bool IsControlWindow(const TWinControl* control, HWND window, bool withChildren);
// The first window up the parent chain without WS_CHILD (window itself when it has none).
HWND TopLevelAncestorWindow(HWND window);
// The keys and buttons held now.
TShiftState GetMouseShiftState();
// Handle allocated and the window visible on the screen.
bool IsWindowShown(const TWinControl* control);
// mbLeft 1, mbRight 2, mbMiddle 3.
int MouseButtonCode(TMouseButton button);
// Removes messages window..(first, last) from the queue without handling
// them: all of them, or only one unless all; a WM_QUIT met is posted again
// with its exit code and ends the removal.
void ProcessPendingMessages(HWND window, UINT first, UINT last, bool all);
// The cursor on the screen; (-1, -1) when unknown.
inline POINT ReadCursorPos()
{
    return cxReadMouseCursorPos();
}
