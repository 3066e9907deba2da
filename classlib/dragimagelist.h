// The picture that follows the cursor while something is dragged: a masked
// image list, one of whose images (with its hot spot) is the drag image.
#pragma once

#include <windows.h>

#include "classlib/colors.h"
#include "classlib/handles.h"

class TDragImageList {
public:
    explicit TDragImageList(int width = 16, int height = 16);
    ~TDragImageList();
    TDragImageList(const TDragImageList&) = delete;
    TDragImageList& operator=(const TDragImageList&) = delete;

    HIMAGELIST Handle() const { return images_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size empties the list.
    void SetSize(int width, int height);
    int Count() const { return ImageList_GetImageCount(images_.get()); }
    // Adds the bitmap's pictures, the transparent colour masked out; the
    // index of the first one.
    int AddMasked(HBITMAP bitmap, TColor transparent);

    // Which image is dragged, and the point in it that sits under the cursor.
    void SetDragImage(int index, int hotspotX, int hotspotY);
    int DragIndex() const { return dragIndex_; }
    POINT DragHotspot() const { return hotspot_; }

    // Shows the drag image at a screen point; false when the list has none
    // to show. The system has one drag image at a time, which the static
    // members move and end, whichever list it came from.
    bool BeginDrag(POINT screen);
    static void DragMove(POINT screen);
    static void EndDrag();
    bool Dragging() const;
    // Around painting under the picture, so it is not painted over.
    void HideDragImage();
    void ShowDragImage();

private:
    int width_, height_;
    UniqueImageList images_;
    int dragIndex_ = 0;
    POINT hotspot_{0, 0};
};
