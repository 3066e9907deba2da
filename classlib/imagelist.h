// A list of equally sized pictures, here made from registered glyphs or
// added from bitmaps, each drawn as it is or in the disabled look.
#pragma once

#include <string>
#include <vector>

#include "classlib/colors.h"
#include "classlib/component.h"
#include "classlib/handles.h"

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
public:
    using TComponent::TComponent;

    HIMAGELIST Handle() const { return images_.get(); }
    int Width() const { return size_; }
    int Height() const;
    int Count() const { return images_ ? ImageList_GetImageCount(images_.get()) : 0; }

    // An empty list of width x height pictures; EOSError when the system
    // makes none.
    void SetSize(int width, int height);
    // The bitmap cut into pictures of the list's size from the left, the
    // pixels of maskColor see-through; the index of the first, -1 when the
    // list has none or the bitmap is empty.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    // Picture index with its top-left at (x, y). Disabled, its shape (the
    // pixels that are neither see-through nor white) is drawn in
    // clBtnHighlight one pixel right and down, then in clBtnShadow in place.
    // An index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

protected:
    // "Glyphs = name name ..." fills the list.
    const TPropertyTable& Properties() const override;

private:
    int size_ = 16;
    int height_ = 16;
    UniqueImageList images_;
};
