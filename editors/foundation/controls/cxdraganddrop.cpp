#include "editors/foundation/controls/cxdraganddrop.h"

#include "classlib/screen.h"
#include "editors/foundation/controls/cxcontrols.h"
#include "editors/foundation/controls/cxcontrolutils.h"

TcxDragAndDropObject::TcxDragAndDropObject(TcxControl& control) : control_(control), canvas_(control.cxCanvas()) {}

void TcxDragAndDropObject::SetDirty(bool value)
{
    if (dirty_ == value)
        return;
    dirty_ = value;
    DirtyChanged();
}

TCursor TcxDragAndDropObject::GetDragAndDropCursor(bool accepted)
{
    return accepted ? crDrag : crNoDrop;
}

void TcxDragAndDropObject::DragAndDrop(POINT, bool& accepted)
{
    dirty_ = false;
    Screen.SetCursor(GetDragAndDropCursor(accepted));
}

void TcxDragAndDropObject::SetCurrentPosition(POINT p)
{
    previous_ = current_;
    current_ = p;
}

void TcxDragAndDropObject::Init()
{
    POINT p = cxReadMouseCursorPos();
    if (control_.HandleAllocated())
        ScreenToClient(control_.Handle(), &p);
    current_ = previous_ = p;
    BeginDragAndDrop();
}

void TcxDragAndDropObject::DoDragAndDrop(POINT p, bool& accepted)
{
    SetCurrentPosition(p);
    DragAndDrop(p, accepted);
}

void TcxDragAndDropObject::DoEndDragAndDrop(bool accepted)
{
    EndDragAndDrop(accepted);
    AfterDragAndDrop(accepted);
}
