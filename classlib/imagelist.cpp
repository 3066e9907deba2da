#include "classlib/imagelist.h"

#include <sstream>

#include "classlib/control.h"
#include "classlib/glyphs.h"

const TPropertyTable& TImageList::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TImageList>(TComponent::Properties(), {
        {"Width", [](TImageList& l, const TPropertyValue& v) { l.size_ = v.Int(); }},
        {"Glyphs", [](TImageList& l, const TPropertyValue& v) {
             std::istringstream words(v.Text());
             std::vector<std::string> names;
             for (std::string w; words >> w;)
                 names.push_back(w);
             l.images_ = MakeGlyphImages(names, l.size_);
         }},
    });
    return table;
}
