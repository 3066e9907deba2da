#include "windows/memorytext.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryText, KilobytesGroupedByThousands)
{
    struct Case {
        std::uint64_t bytes;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {2ull << 30, ",", "2,097,152 KB"},
        {2ull << 30, ".", "2.097.152 KB"},
        {2ull << 30, "", "2097152 KB"},
        {512ull << 20, ",", "524,288 KB"},
        {999ull * 1024, ",", "999 KB"},
        {1000ull * 1024, ",", "1,000 KB"},
        {16ull << 30, ",", "16,777,216 KB"},
        {1023, ",", "1 KB"},      // rounded, not cut
        {1024 + 511, ",", "1 KB"}, // below the half
        {1024 + 512, ",", "2 KB"}, // the half goes up
        {0, ",", "0 KB"},
        {0xFFFFFFFFull, ",", "4,194,304 KB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KilobytesText(c.bytes, c.separator), c.text) << c.bytes << " '" << c.separator << "'";
}

TEST(MemoryText, LoadInPercent)
{
    EXPECT_EQ(MemoryLoadText(37), "37 %");
    EXPECT_EQ(MemoryLoadText(0), "0 %");
    EXPECT_EQ(MemoryLoadText(100), "100 %");
}

} // namespace
