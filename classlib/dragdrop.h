// Dragging controls onto controls. A drag follows the mouse without a loop
// of its own: the drag manager's hidden window holds the capture, asks the
// control under the cursor through CM_DRAG whether it takes the drag, and
// sets the cursor from the answer; a button release drops, Esc or a lost
// capture cancels.
#pragma once

#include "classlib/dragobject.h"

// A control dragged as itself: its drag cursor, its drag images, and its
// DoEndDrag when the drag ends.
class TDragControlObject : public TDragObject {
public:
    explicit TDragControlObject(TControl& control) : control_(control) {}

    TControl& Control() const { return control_; }
    TCursor GetDragCursor(bool accepted, int x, int y) override;
    void Finished(TControl* target, int x, int y, bool accepted) override;
    TDragImageList* GetDragImages() override;

private:
    TControl& control_;
};

// The drag in progress; null when there is none (or it waits for the threshold).
TDragObject* CurrentDragObject();
