#include "classlib/sizeconstraints.h"

#include <algorithm>

#include "classlib/handlercall.h"
#include "classlib/propertytable.h"

namespace {
int Within(int value, int least, int most)
{
    if (most > 0)
        value = std::min(value, most);
    return std::max(value, least);
}
} // namespace

void TSizeConstraints::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TSizeConstraints*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    maxHeight_ = other->maxHeight_, maxWidth_ = other->maxWidth_;
    minHeight_ = other->minHeight_, minWidth_ = other->minWidth_;
    CallHandler(OnChange);
}

void TSizeConstraints::SetLimits(int& least, int& most, int value, bool setLeast)
{
    value = std::max(value, 0);
    int& set = setLeast ? least : most;
    if (set == value)
        return;
    set = value;
    if (least > 0 && most > 0 && least > most)
        (setLeast ? most : least) = value;
    CallHandler(OnChange);
}

void TSizeConstraints::Constrain(int& width, int& height) const
{
    width = Within(width, minWidth_, maxWidth_);
    height = Within(height, minHeight_, maxHeight_);
}

const TPropertyTable& TSizeConstraints::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TSizeConstraints>(TPersistent::Properties(), {
        {"MaxHeight", [](TSizeConstraints& c, const TPropertyValue& v) { c.SetMaxHeight(v.Int()); }},
        {"MaxWidth", [](TSizeConstraints& c, const TPropertyValue& v) { c.SetMaxWidth(v.Int()); }},
        {"MinHeight", [](TSizeConstraints& c, const TPropertyValue& v) { c.SetMinHeight(v.Int()); }},
        {"MinWidth", [](TSizeConstraints& c, const TPropertyValue& v) { c.SetMinWidth(v.Int()); }},
    });
    return table;
}
