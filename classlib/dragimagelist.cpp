#include "classlib/dragimagelist.h"

#include "classlib/exceptions.h"

namespace {
// The list whose image is shown now.
const TDragImageList* shownList = nullptr;

UniqueImageList MakeList(int width, int height)
{
    UniqueImageList list(ImageList_Create(width, height, ILC_MASK | ILC_COLOR24, 1, 1));
    if (!list)
        RaiseLastOSError("ImageList_Create");
    return list;
}
} // namespace

TDragImageList::TDragImageList(int width, int height)
    : width_(width), height_(height), images_(MakeList(width, height))
{
}

TDragImageList::~TDragImageList()
{
    if (Dragging())
        EndDrag();
}

void TDragImageList::SetSize(int width, int height)
{
    if (Dragging())
        EndDrag();
    images_ = MakeList(width, height);
    width_ = width, height_ = height;
}

int TDragImageList::AddMasked(HBITMAP bitmap, TColor transparent)
{
    int index = ImageList_AddMasked(images_.get(), bitmap, ColorToRGB(transparent));
    if (index < 0)
        RaiseLastOSError("ImageList_AddMasked");
    return index;
}

void TDragImageList::SetDragImage(int index, int hotspotX, int hotspotY)
{
    dragIndex_ = index;
    hotspot_ = {hotspotX, hotspotY};
}

bool TDragImageList::BeginDrag(POINT screen)
{
    if (shownList || dragIndex_ < 0 || dragIndex_ >= Count())
        return false;
    if (!ImageList_BeginDrag(images_.get(), dragIndex_, hotspot_.x, hotspot_.y))
        return false;
    // Locked to the desktop: the picture may cross every window.
    ImageList_DragEnter(nullptr, screen.x, screen.y);
    shownList = this;
    return true;
}

bool TDragImageList::Dragging() const
{
    return shownList == this;
}

void TDragImageList::DragMove(POINT screen)
{
    if (shownList)
        ImageList_DragMove(screen.x, screen.y);
}

void TDragImageList::EndDrag()
{
    if (!shownList)
        return;
    shownList = nullptr;
    ImageList_DragLeave(nullptr);
    ImageList_EndDrag();
}

void TDragImageList::HideDragImage()
{
    if (Dragging())
        ImageList_DragShowNolock(FALSE);
}

void TDragImageList::ShowDragImage()
{
    if (Dragging())
        ImageList_DragShowNolock(TRUE);
}
