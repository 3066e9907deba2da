#include "images/gifunit.h"

#include <gtest/gtest.h>

#include "classlib/exceptions.h"

TEST(MemBlock, NonPositiveSizesGiveNoneAndFreeingNoneIsHarmless)
{
    for (std::int64_t size : {0LL, -1LL, -100000LL}) {
        void* block = AllocMemBlock(size);
        EXPECT_EQ(block, nullptr) << size;
        FreeMemBlock(block);
        EXPECT_EQ(block, nullptr);
    }
}

TEST(MemBlock, BlocksAreZeroFilledAndFreeingClearsTheVariable)
{
    void* block = AllocMemBlock(4096);
    ASSERT_NE(block, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(block);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    FreeMemBlock(block);
    EXPECT_EQ(block, nullptr);
}

TEST(MemBlock, ASizeThatCannotBeHadRaisesInsteadOfGivingNone)
{
    EXPECT_THROW(AllocMemBlock(std::int64_t{1} << 62), EOutOfMemory);
}
