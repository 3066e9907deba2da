#include "classlib/dragobject.h"

#include "classlib/dragimagelist.h"

TCursor TDragObject::GetDragCursor(bool accepted, int, int)
{
    return accepted ? crDrag : crNoDrop;
}

void TDragObject::Finished(TControl*, int, int, bool) {}

void TDragObject::HideDragImage()
{
    if (TDragImageList* images = GetDragImages())
        images->HideDragImage();
}

void TDragObject::ShowDragImage()
{
    if (TDragImageList* images = GetDragImages())
        images->ShowDragImage();
}
