// What a drag is made of: its modes, states and messages, and the thing
// dragged. Controls name these; the drag itself is in dragdrop.h.
#pragma once

#include <windows.h>

#include "classlib/cursors.h"
#include "classlib/dragimagelist.h"

class TControl;
class TDragManager;

enum class TDragMode { dmManual, dmAutomatic };
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// What CM_DRAG (WParam) tells the target; the message's Result is whether
// it takes the drag. dmDragCancel leaves a target because the drag ended
// without a drop.
enum class TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel };

class TDragObject;

// CM_DRAG's LParam: the drag and the cursor in the target's client area.
struct TDragRec {
    TDragObject* source;
    POINT pos;
};

// The thing dragged. The drag manager owns it from the start of the drag
// and destroys it after Finished.
class TDragObject {
public:
    virtual ~TDragObject() = default;

    virtual TCursor GetDragCursor(bool accepted, int x, int y);
    // The drag ended: target is the control that took the drop, or null;
    // x, y are in its client area (on the screen without one).
    virtual void Finished(TControl* target, int x, int y, bool accepted);
    virtual TDragImageList* GetDragImages() { return nullptr; }
    // Around painting under the drag image.
    void HideDragImage();
    void ShowDragImage();

    // The cursor on the screen at the last move.
    POINT DragPos() const { return pos_; }
    TControl* DragTarget() const { return target_; }
    bool Cancelling() const { return cancelling_; }
    bool Dropped() const { return dropped_; }

private:
    friend class TDragManager;
    POINT pos_{0, 0};
    TControl* target_ = nullptr;
    bool cancelling_ = false;
    bool dropped_ = false;
};

// For TControl: a control being destroyed leaves the drag (the drag
// manager's side, in dragdrop.cpp). A target is
// forgotten; a source ends it, without calling the source.
void DragControlDestroyed(TControl& control);
