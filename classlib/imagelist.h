// A list of equally sized pictures, here made from registered glyphs.
#pragma once

#include <string>
#include <vector>

#include "classlib/component.h"
#include "classlib/handles.h"

class TImageList : public TComponent {
public:
    HIMAGELIST Handle() const { return images_.get(); }
    int Width() const { return size_; }
    int Count() const { return images_ ? ImageList_GetImageCount(images_.get()) : 0; }

protected:
    // "Glyphs = name name ..." fills the list.
    const TPropertyTable& Properties() const override;

private:
    int size_ = 16;
    UniqueImageList images_;
};
