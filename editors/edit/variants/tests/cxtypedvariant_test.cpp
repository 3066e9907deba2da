#include "editors/edit/variants/cxtypedvariant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

#include "classlib/exceptions.h"
#include "editors/edit/variants/cxvariants.h"
#include "editors/edit/variants/tests/allocationwatch.h"

namespace {

std::string Written(const Variant& v)
{
    TMemoryStream s;
    WriteTypedVariant(s, v);
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size())};
}

TMemoryStream StreamOf(const std::string& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SetPosition(0);
    return s;
}

Variant ReadBack(const std::string& bytes)
{
    auto s = StreamOf(bytes);
    Variant v;
    ReadTypedVariant(s, v);
    EXPECT_EQ(s.Position(), s.Size()) << "bytes left after the value";
    return v;
}

// The parts one after another (GCC 12 warns wrongly on "literal" + string).
std::string Join(std::initializer_list<std::string> parts)
{
    std::string joined;
    for (const auto& part : parts)
        joined += part;
    return joined;
}

std::string Le32(std::uint32_t n)
{
    return {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16), static_cast<char>(n >> 24)};
}

// What reading hostile bytes must end in: the read error, the value kept,
// and no allocation near what the bytes announce.
void ExpectRefused(const std::string& what, const std::string& bytes)
{
    auto s = StreamOf(bytes);
    Variant v("kept");
    TAllocationWatch watch;
    try {
        ReadTypedVariant(s, v);
        ADD_FAILURE() << what << ": read without error";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error") << what;
    }
    EXPECT_LT(watch.Largest(), 64u * 1024) << what;
    EXPECT_EQ(VarType(v), varString) << what;
    EXPECT_EQ(VarToStr(v), "kept") << what;
}

} // namespace

TEST(TypedVariant, IntegersTakeTheSmallestTagAndStringsTheirLengthsTag)
{
    struct Case {
        Variant value;
        std::string bytes;
    };
    const Case cases[] = {
        {Variant(std::int32_t{5}), std::string("\x02\x05", 2)},
        {Variant(std::int32_t{-128}), std::string("\x02\x80", 2)},
        {Variant(std::int32_t{200}), std::string("\x03\xC8\x00", 3)},
        {Variant(std::int32_t{-129}), std::string("\x03\x7F\xFF", 3)},
        {Variant(std::int32_t{40000}), Join({"\x04", Le32(40000)})},
        {Variant(std::int64_t{1} << 31), std::string("\x13\0\0\0\x80\0\0\0\0", 9)},
        {Variant(std::uint8_t{200}), std::string("\x03\xC8\x00", 3)},
        {Variant(std::uint32_t{0xFFFFFFFF}), std::string("\x13\xFF\xFF\xFF\xFF\0\0\0\0", 9)},
        {Variant(true), "\x09"},
        {Variant(false), "\x08"},
        {Variant(), "\x0D"},
        {Variant::Null(), std::string("\0", 1)},
        {Variant(std::string(255, 'a')), Join({"\x06\xFF", std::string(255, 'a')})},
        {Variant(std::string(300, 'a')), Join({"\x0C", Le32(300), std::string(300, 'a')})},
        {Variant(u"\u6587"), Join({"\x12", Le32(1), "\x87\x65"})},
        {Variant(2.0), std::string("\x05\0\0\0\0\0\0\0\x80\0\x40", 11)},
        {Variant(Currency{12500}), std::string("\x10\xD4\x30\0\0\0\0\0\0", 9)},
        {VarArrayOf({Variant(std::int32_t{1}), Variant("x")}), std::string("\x01\x02\x02\x02\x01\x06\x01x", 8)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Written(c.value), c.bytes) << VarTypeAsText(VarType(c.value));
}

TEST(TypedVariant, EveryKindReadsBackAsTheKindItsTagNames)
{
    TSQLTimeStamp stamp{2024, 1, 2, 13, 5, 0, 0};
    struct Case {
        Variant value;
        TVarType readAs;
    };
    const Case cases[] = {
        {Variant(), varEmpty},
        {Variant::Null(), varNull},
        {Variant(std::int8_t{-3}), varShortInt},
        {Variant(std::int16_t{-300}), varSmallint},
        {Variant(std::int32_t{-70000}), varInteger},
        {Variant(std::int64_t{-1} << 40), varInt64},
        {Variant(std::uint16_t{60000}), varInteger},
        {Variant(1.5f), varSingle},
        {Variant(0.1), varDouble},
        {Variant(Currency{-12345678}), varCurrency},
        {VarFromDateTime(45293.5), varDate},
        {Variant(u"a\u6587"), varOleStr},
        {Variant(true), varBoolean},
        {Variant("\xCE\xC4\xD7\xD6"), varString},
        {Variant(std::string(70000, 'z')), varString},
        {Variant(stamp), varDate},
        {VarArrayOf({Variant(std::int32_t{1}), VarArrayOf({Variant("x"), Variant::Null()}), Variant()}),
         varArray | varVariant},
        {VarArrayOf({}), varArray | varVariant},
    };
    for (const auto& c : cases) {
        std::string what = VarTypeAsText(VarType(c.value));
        Variant back = ReadBack(Written(c.value));
        EXPECT_EQ(VarType(back), c.readAs) << what;
        EXPECT_EQ(CompareVariants(back, c.value), 0) << what;
        EXPECT_EQ(Written(back), Written(c.value)) << what;
    }
}

TEST(TypedVariant, ArraysOfMoreDimensionsAreNotWritten)
{
    TMemoryStream s;
    try {
        WriteTypedVariant(s, VarArrayCreate({0, 1, 0, 1}, varVariant));
        FAIL() << "written";
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
}

TEST(TypedVariant, ArraysWithALowBoundAreWrittenFromIt)
{
    Variant v = VarArrayCreate({3, 4}, varVariant);
    v[3] = Variant("a");
    v[4] = Variant(std::int32_t{7});
    EXPECT_EQ(Written(v), std::string("\x01\x02\x02\x06\x01" "a\x02\x07", 8));
}

TEST(TypedVariant, ExtendedOutsideTheDoubleRangeReadsAsInfinity)
{
    // 2^8192: an extended can hold it, a double cannot.
    Variant v = ReadBack(std::string("\x05\0\0\0\0\0\0\0\x80\xFF\x5F", 11));
    EXPECT_EQ(VarType(v), varDouble);
    EXPECT_TRUE(std::isinf(v.ToDouble()));
}

TEST(TypedVariant, EveryCutOfAStreamIsRefusedAndKeepsTheValue)
{
    std::string whole = Written(VarArrayOf({Variant(std::int32_t{70000}), Variant(std::string(300, 's')),
                                            Variant(u"\u6587\u5B57"), VarArrayOf({Variant(2.5), Variant(true)}),
                                            Variant(Currency{1}), VarFromDateTime(1.0), Variant(1.0f),
                                            Variant(std::int64_t{1} << 40), Variant("ab")}));
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        ExpectRefused(Join({"cut at ", std::to_string(cut)}), whole.substr(0, cut));
}

TEST(TypedVariant, HostileLengthsCountsAndTagsAreRefused)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string nested;
    for (int i = 0; i < 100000; ++i)
        nested += std::string("\x01\x02\x01", 3);
    std::string deep;
    for (int i = 0; i <= cxTypedVariantMaxNesting; ++i)
        deep += std::string("\x01\x02\x01", 3);
    const Case cases[] = {
        {"string of 0xFFFFFFFF bytes", Join({"\x0C", Le32(0xFFFFFFFF), "abc"})},
        {"OleStr of 0xFFFFFFFF characters", Join({"\x12", Le32(0xFFFFFFFF), "abcd"})},
        {"OleStr whose byte count wraps 32 bits", Join({"\x12", Le32(0x80000001), "abcd"})},
        {"short string past the end", "\x06\x05" "abc"},
        {"count -1 as ShortInt", std::string("\x01\x02\xFF", 3)},
        {"count -1 as Smallint", std::string("\x01\x03\xFF\xFF", 4)},
        {"count -1 as Integer", Join({"\x01\x04", Le32(0xFFFFFFFF)})},
        {"count -1 as Int64", Join({"\x01\x13", Le32(0xFFFFFFFF), Le32(0xFFFFFFFF)})},
        {"count 2^31 as Int64", Join({"\x01\x13", Le32(0x80000000), Le32(0), std::string(16, '\x0D')})},
        {"count past the elements there are", Join({"\x01\x04", Le32(1000), std::string(999, '\x0D')})},
        {"count in a tag that is no integer", std::string("\x01\x05", 2) + std::string(10, '\0')},
        {"10^5 nested arrays", nested},
        {"one nesting too deep", deep + "\x0D"},
        {"tag 7", "\x07"},
        {"tag 10", "\x0A"},
        {"tag 11", "\x0B"},
        {"tag 14", "\x0E"},
        {"tag 20", "\x14"},
        {"tag 255", "\xFF"},
        {"empty stream", ""},
    };
    for (const auto& c : cases)
        ExpectRefused(c.what, c.bytes);
}

TEST(TypedVariant, NestingUpToTheLimitIsRead)
{
    std::string deep;
    for (int i = 0; i < cxTypedVariantMaxNesting; ++i)
        deep += std::string("\x01\x02\x01", 3);
    Variant v = ReadBack(deep + "\x0D");
    int depth = 0;
    for (const Variant* at = &v; at->IsArray(); at = &(*at)[0])
        ++depth;
    EXPECT_EQ(depth, cxTypedVariantMaxNesting);
}
