#include "editors/foundation/graphics/cxbrushcache.h"

#include <algorithm>
#include <utility>

TcxBrushCachePolicy::TcxBrushCachePolicy(TCreate create, TDelete destroy, std::size_t maxDepth)
    : create_(std::move(create)), delete_(std::move(destroy)), maxDepth_(std::max<std::size_t>(maxDepth, 1))
{
    entries_.reserve(maxDepth_);
}

TcxBrushCachePolicy::THandle TcxBrushCachePolicy::Get(std::uint32_t color)
{
    auto at = std::lower_bound(entries_.begin(), entries_.end(), color,
                               [](const TEntry& e, std::uint32_t c) { return e.Color < c; });
    if (at != entries_.end() && at->Color == color) {
        ++at->Uses;
        return at->Brush;
    }
    auto index = at - entries_.begin();
    if (entries_.size() >= maxDepth_) {
        // The first of the least used goes.
        auto victim = std::min_element(entries_.begin(), entries_.end(),
                                       [](const TEntry& a, const TEntry& b) { return a.Uses < b.Uses; });
        delete_(victim->Brush);
        if (victim - entries_.begin() < index)
            --index;
        entries_.erase(victim);
    }
    THandle brush = create_(color);
    entries_.insert(entries_.begin() + index, TEntry{color, brush, 0});
    return brush;
}

void TcxBrushCachePolicy::Clear()
{
    for (const TEntry& e : entries_)
        delete_(e.Brush);
    entries_.clear();
}
