// How a program outside this one (a test reading a label, a screen reader)
// finds the windowless controls of a window: it sends that window the
// message WindowlessQueryMessage() with a window of its own in wParam. For
// each windowless child, bottom first, the window sends the asker's window a
// WM_COPYDATA (wParam: the window asked) tagged kWindowlessRecordTag, whose
// data is a TWindowlessRecord followed by the control's text; the message
// answers the number of children told. The asker's thread takes those
// while it waits for its own message to be answered; an asker that does not
// take one within kWindowlessRecordWaitMs is told no more.
#pragma once

#include <windows.h>

UINT WindowlessQueryMessage();

constexpr ULONG_PTR kWindowlessRecordTag = 0x574C4331;
constexpr UINT kWindowlessRecordWaitMs = 5000;

struct TWindowlessRecord {
    RECT bounds;        // in the client area of the window asked
    LONG visible;       // the control's own Visible
    char className[40]; // the class as form texts name it ("TLabel")
};
