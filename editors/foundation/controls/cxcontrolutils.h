// Small decisions of the controls that need no window: accelerator marks,
// numeric keys, the drag square, middle-button scrolling and the wheel.
#pragma once

#include <string>

// Each '&' goes and the character after it stays ("&&" gives "&"); a '&' at
// the very end becomes "_".
std::string cxStripAccelChar(const std::string& text);
// '0'-'9', '+', '-'; mode 1 adds the decimal separator, mode 2 also 'e' and 'E';
// other modes act as mode 0.
bool cxIsNumericChar(char c, int mode, char decimalSeparator);
bool cxIsPrintableChar(char c);

// Whether (x, y) lies less than the threshold from the origin on both axes.
bool IsInsideDragSquare(int originX, int originY, int x, int y, int threshold);

// Scroll directions of ScrollContent: 0 none, 1 left, 2 right, 3 up, 4 down.
enum TcxScrollDirection { sdNone, sdLeft, sdRight, sdUp, sdDown };

struct TcxMouseScroll {
    TcxScrollDirection Direction = sdNone;
    int Speed = 0; // 1..12 outside the neutral zone
};
// Middle-button scrolling: the neutral zone is a square of side zoneSide on
// the anchor, stretched over the whole axis of a hidden bar.
TcxMouseScroll cxMouseScrollAt(int anchorX, int anchorY, int x, int y, int zoneSide, bool horizontalBar,
                               bool verticalBar);
// Whether the tick-th 20 ms tick (counted from 1) scrolls at this speed.
bool cxMouseScrollTickDue(int tick, int speed);

// The wheel: the direction for a bar kind (1 horizontal, 2 vertical) and a
// delta, and how many lines; the page setting scrolls one page instead.
struct TcxWheelScroll {
    TcxScrollDirection Direction = sdNone;
    bool ByPage = false;
    int Times = 0;
};
TcxWheelScroll cxWheelScroll(int wheelScrollKind, int delta, int wheelScrollLines);

#ifdef _WIN32
#include <windows.h>

#include <functional>

#include "classlib/events.h"

class TControl;

bool cxControlCanGetHandle(const TControl* control);
UINT cxDoubleClickTime();
// The cursor on the screen; (-1, -1), outside every client rectangle, when unknown.
POINT cxReadMouseCursorPos();
bool cxIsChildStyleWindow(HWND window);
bool cxIsSelfOrChild(HWND parent, HWND window);
bool cxIsCtrlDown();
// With the locale's decimal separator.
bool cxIsNumericChar(char c, int mode);
POINT cxMapWindowPoint(HWND from, HWND to, POINT p);
RECT cxMapWindowRect(HWND from, HWND to, RECT r);
WPARAM ShiftStateToMouseKeys(TShiftState shift);
WORD cxMapKey(WORD key);
// Takes one message of a modal mouse loop and handles it as the
// application's loop does, the loop's filter first (see HandleMessage);
// false when the loop must end: on an error, or on WM_QUIT, which is posted
// again for the outer loop.
bool cxHandleModalLoopMessage(const std::function<bool(MSG& msg)>& filter);
// With the class library's drag threshold.
bool IsInsideDragSquare(POINT origin, int x, int y);
#endif
