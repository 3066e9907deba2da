// One library drag-and-drop operation of a custom control: where the mouse
// is and was, whether the picture needs redrawing, and the cursor shown.
// A descendant draws and decides; the control runs the operation.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "classlib/cursors.h"

class TcxCanvas;
class TcxControl;

class TcxDragAndDropObject {
public:
    explicit TcxDragAndDropObject(TcxControl& control);
    virtual ~TcxDragAndDropObject() = default;
    TcxDragAndDropObject(const TcxDragAndDropObject&) = delete;
    TcxDragAndDropObject& operator=(const TcxDragAndDropObject&) = delete;

    TcxControl& Control() const { return control_; }
    TcxCanvas& Canvas() const { return canvas_; }
    POINT CurrentPosition() const { return current_; }
    POINT PrevPosition() const { return previous_; }
    bool Dirty() const { return dirty_; }
    void SetDirty(bool value);

    // Whether the operation begins at the press, without leaving the drag square.
    virtual bool GetImmediateStart() { return false; }

    // Both positions at the cursor, in the control's client coordinates.
    void Init();
    void DoDragAndDrop(POINT p, bool& accepted);
    void DoEndDragAndDrop(bool accepted);

protected:
    virtual void DirtyChanged() {}
    virtual TCursor GetDragAndDropCursor(bool accepted);
    virtual void AfterDragAndDrop(bool) {}
    virtual void BeginDragAndDrop() { DirtyChanged(); }
    virtual void DragAndDrop(POINT p, bool& accepted);
    virtual void EndDragAndDrop(bool) { dirty_ = true; }

private:
    void SetCurrentPosition(POINT p);

    TcxControl& control_;
    TcxCanvas& canvas_;
    POINT current_{-1, -1}, previous_{-1, -1};
    bool dirty_ = false;
};

// Makes the operation's object for a control; empty means the base class.
using TcxDragAndDropObjectClass = std::function<std::unique_ptr<TcxDragAndDropObject>(TcxControl&)>;
