#include "classlib/streams.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/exceptions.h"

namespace {
std::string Content(const TMemoryStream& s)
{
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(const_cast<TMemoryStream&>(s).Size())};
}
} // namespace

TEST(MemoryStream, SeeksFromEachOriginAndWritesPastTheEndFillWithZeros)
{
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    struct Case {
        std::int64_t offset;
        TSeekOrigin origin;
        std::int64_t expected;
    };
    const Case cases[] = {{2, TSeekOrigin::soBeginning, 2}, {1, TSeekOrigin::soCurrent, 3},
                          {-1, TSeekOrigin::soEnd, 5},      {-10, TSeekOrigin::soCurrent, 0},
                          {8, TSeekOrigin::soBeginning, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(s.Seek(c.offset, c.origin), c.expected) << c.offset;
    s.WriteBuffer("x", 1);
    EXPECT_EQ(Content(s), std::string("abcdef\0\0x", 9));
}

TEST(MemoryStream, ShortTransfersRaiseTheStreamErrors)
{
    TMemoryStream s;
    s.WriteBuffer("abc", 3);
    s.SetPosition(1);
    char buffer[4] = {};
    try {
        s.ReadBuffer(buffer, 3);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    s.SetPosition(1);
    EXPECT_EQ(s.Read(buffer, 4), 2u);
    EXPECT_EQ(std::string(buffer, 2), "bc");
}

TEST(MemoryStream, SetSizeTruncatesAndKeepsThePositionInside)
{
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    s.SetSize(3);
    EXPECT_EQ(s.Position(), 3);
    EXPECT_EQ(Content(s), "abc");
}

TEST(MemoryStream, CopyFromTakesTheWholeSourceOrACount)
{
    TMemoryStream source, whole, part;
    std::string big(70000, 'q');
    big[69999] = 'z';
    source.WriteBuffer(big.data(), big.size());
    whole.CopyFrom(source, 0);
    EXPECT_EQ(Content(whole), big);
    source.SetPosition(69998);
    part.CopyFrom(source, 2);
    EXPECT_EQ(Content(part), "qz");
    source.SetPosition(69999);
    EXPECT_THROW(part.CopyFrom(source, 2), EReadError);
}
