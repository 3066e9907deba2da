// The policy of the solid-brush cache: brushes by colour in one array sorted
// by colour (binary search), each with a use count; when full, the least used
// goes. Making and deleting a brush are given by the owner, so the policy
// runs on the host as on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class TcxBrushCachePolicy {
public:
    using THandle = void*;
    using TCreate = std::function<THandle(std::uint32_t color)>;
    using TDelete = std::function<void(THandle)>;

    TcxBrushCachePolicy(TCreate create, TDelete destroy, std::size_t maxDepth = 128);
    ~TcxBrushCachePolicy() { Clear(); }
    TcxBrushCachePolicy(const TcxBrushCachePolicy&) = delete;
    TcxBrushCachePolicy& operator=(const TcxBrushCachePolicy&) = delete;

    THandle Get(std::uint32_t color);
    // Deletes every brush.
    void Clear();
    std::size_t Depth() const { return entries_.size(); }

private:
    struct TEntry {
        std::uint32_t Color;
        THandle Brush;
        std::uint32_t Uses;
    };

    TCreate create_;
    TDelete delete_;
    std::size_t maxDepth_;
    std::vector<TEntry> entries_;
};
