// The screen (the cursor shown over every control, the cursor table, the
// active form) and the mouse (drag threshold, wheel lines) as the system
// reports them.
#pragma once

#include <windows.h>

#include <map>

#include "classlib/cursors.h"

class TForm;

class TScreen {
public:
    // A cursor other than crDefault shows over every control (an hourglass while busy).
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // Has the window under the mouse set its cursor now, not at the next move.
    void RefreshCursor() const;
    // The cursor of an id: a system cursor for the negative ids, else one
    // the program registered; the arrow for an unknown id.
    HCURSOR Cursors(TCursor id) const;
    void SetCursors(TCursor id, HCURSOR cursor) { registered_[id] = {cursor, nullptr, nullptr}; }
    // Registers a cursor resource, loaded when first asked for: most of a
    // library's cursors are never shown in a run.
    void SetCursorResource(TCursor id, HINSTANCE instance, const char* resource)
    {
        registered_[id] = {nullptr, instance, resource};
    }
    TForm* ActiveForm() const { return activeForm_; }
    void SetActiveForm(TForm* form) { activeForm_ = form; }

private:
    TCursor cursor_ = crDefault;
    struct TRegistered {
        HCURSOR cursor;
        HINSTANCE instance; // with resource: still to be loaded
        const char* resource;
    };
    mutable std::map<TCursor, TRegistered> registered_;
    TForm* activeForm_ = nullptr;
};

class TMouse {
public:
    // How far the mouse moves with a button down before a drag starts: the
    // class library's own 5, not the system's metric.
    int DragThreshold() const { return dragThreshold_; }
    void SetDragThreshold(int value) { dragThreshold_ = value; }
    // The system's setting; WHEEL_PAGESCROLL (a page per notch) reads as -1.
    int WheelScrollLines() const;
    bool WheelPresent() const { return GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0; }

private:
    int dragThreshold_ = 5;
};

extern TScreen Screen;
extern TMouse Mouse;
