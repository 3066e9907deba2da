#include "classlib/imagelist.h"

#include <sstream>

#include "classlib/control.h"
#include "classlib/glyphs.h"

bool TImageList::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "Width") {
        size_ = PropertyInt(name, value);
        return true;
    }
    if (name == "Glyphs") {
        std::istringstream words(value);
        std::vector<std::string> names;
        for (std::string w; words >> w;)
            names.push_back(w);
        images_ = MakeGlyphImages(names, size_);
        return true;
    }
    return TComponent::SetProperty(name, value);
}
