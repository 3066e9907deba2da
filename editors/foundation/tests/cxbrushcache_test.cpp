#include "editors/foundation/graphics/cxbrushcache.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Handles are the colour plus one, so each brush says which colour it is.
struct TBrushes {
    std::map<std::uint32_t, int> created, deleted;
    TcxBrushCachePolicy cache{[this](std::uint32_t c) {
                                  ++created[c];
                                  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(c) + 1);
                              },
                              [this](void* h) { ++deleted[static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h) - 1)]; }};
};

TEST(cxBrushCache, AColourIsMadeOnceAndFoundAfterwards)
{
    TBrushes b;
    for (std::uint32_t c : {30u, 10u, 0xFFFFFFFFu, 20u, 10u, 30u, 0xFFFFFFFFu})
        EXPECT_EQ(b.cache.Get(c), reinterpret_cast<void*>(static_cast<std::uintptr_t>(c) + 1)) << c;
    EXPECT_EQ(b.cache.Depth(), 4u);
    for (auto [color, n] : b.created)
        EXPECT_EQ(n, 1) << color;
    b.cache.Clear();
    EXPECT_EQ(b.deleted, b.created);
    EXPECT_EQ(b.cache.Depth(), 0u);
}

TEST(cxBrushCache, TheNextColourEvictsTheFirstLeastUsed)
{
    TBrushes b;
    for (std::uint32_t c = 0; c < 128; ++c)
        b.cache.Get(c * 2);
    // Colour 0 hit once; the 129th colour lies between others.
    b.cache.Get(0);
    b.cache.Get(101);
    EXPECT_EQ(b.cache.Depth(), 128u);
    EXPECT_EQ(b.deleted, (std::map<std::uint32_t, int>{{2, 1}}));
    // Every colour still present is found without a new brush.
    for (std::uint32_t c : {0u, 4u, 100u, 101u, 102u, 254u})
        b.cache.Get(c);
    EXPECT_EQ(b.created.size(), 129u);
    for (auto [color, n] : b.created)
        EXPECT_EQ(n, 1) << color;
}

} // namespace
