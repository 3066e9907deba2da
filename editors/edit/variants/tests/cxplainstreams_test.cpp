#include "editors/edit/variants/cxplainstreams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "classlib/exceptions.h"
#include "editors/edit/variants/tests/allocationwatch.h"

namespace {

TMemoryStream StreamOf(const std::string& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SetPosition(0);
    return s;
}

std::string BytesOf(TMemoryStream& s)
{
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size())};
}

// One plain value: how it is written, its bytes, and a reader that checks it back.
struct PlainCase {
    const char* what;
    std::function<void(TStream&)> write;
    std::string bytes;
    std::function<bool(TStream&)> readsBack;
};

const PlainCase kPlainCases[] = {
    {"AnsiString", [](TStream& s) { WriteAnsiString(s, "ab\xC4\xE3"); }, std::string("\4\0\0\0ab\xC4\xE3", 8),
     [](TStream& s) { return ReadAnsiString(s) == "ab\xC4\xE3"; }},
    {"WideString", [](TStream& s) { WriteWideString(s, u"a\u6587"); }, std::string("\2\0\0\0a\0\x87\x65", 8),
     [](TStream& s) { return ReadWideString(s) == u"a\u6587"; }},
    {"Smallint", [](TStream& s) { WriteSmallint(s, -2); }, "\xFE\xFF",
     [](TStream& s) { return ReadSmallint(s) == -2; }},
    {"Word", [](TStream& s) { WriteWord(s, 0xFFFE); }, "\xFE\xFF", [](TStream& s) { return ReadWord(s) == 0xFFFE; }},
    {"Integer", [](TStream& s) { WriteInteger(s, -0x12345678); }, "\x88\xA9\xCB\xED",
     [](TStream& s) { return ReadInteger(s) == -0x12345678; }},
    {"Boolean", [](TStream& s) { WriteBoolean(s, true); }, "\1", [](TStream& s) { return ReadBoolean(s); }},
    {"Float", [](TStream& s) { WriteFloat(s, -2.0); }, std::string("\0\0\0\0\0\0\0\x80\0\xC0", 10),
     [](TStream& s) { return ReadFloat(s) == -2.0; }},
    {"Currency", [](TStream& s) { WriteCurrency(s, 12500); }, std::string("\xD4\x30\0\0\0\0\0\0", 8),
     [](TStream& s) { return ReadCurrency(s) == 12500; }},
    {"DateTime", [](TStream& s) { WriteDateTime(s, 1.5); }, std::string("\0\0\0\0\0\0\xF8\x3F", 8),
     [](TStream& s) { return ReadDateTime(s) == 1.5; }},
    {"LargeInt", [](TStream& s) { WriteLargeInt(s, -(std::int64_t{1} << 40)); },
     std::string("\0\0\0\0\0\xFF\xFF\xFF", 8), [](TStream& s) { return ReadLargeInt(s) == -(std::int64_t{1} << 40); }},
};

} // namespace

TEST(PlainStreams, EachValueIsWrittenLittleEndianAndReadBack)
{
    for (const auto& c : kPlainCases) {
        TMemoryStream s;
        c.write(s);
        EXPECT_EQ(BytesOf(s), c.bytes) << c.what;
        s.SetPosition(0);
        EXPECT_TRUE(c.readsBack(s)) << c.what;
        EXPECT_EQ(s.Position(), s.Size()) << c.what;
    }
}

TEST(PlainStreams, EveryCutShortStreamRaisesTheReadError)
{
    for (const auto& c : kPlainCases)
        for (std::size_t cut = 0; cut < c.bytes.size(); ++cut) {
            auto s = StreamOf(c.bytes.substr(0, cut));
            EXPECT_THROW(c.readsBack(s), EReadError) << c.what << " cut at " << cut;
        }
}

TEST(PlainStreams, LengthsBeyondTheStreamAllocateNothing)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::function<void(TStream&)> read;
    };
    const Case cases[] = {
        {"AnsiString of 4 GiB", "\xFF\xFF\xFF\xFF" "abc", [](TStream& s) { ReadAnsiString(s); }},
        {"AnsiString one past", std::string("\4\0\0\0abc", 7), [](TStream& s) { ReadAnsiString(s); }},
        {"WideString of 4 G characters", "\xFF\xFF\xFF\xFF" "abcd", [](TStream& s) { ReadWideString(s); }},
        {"WideString whose double wraps 32 bits", std::string("\1\0\0\x80", 4) + "abcd",
         [](TStream& s) { ReadWideString(s); }},
        {"WideString of an odd byte count", std::string("\2\0\0\0abc", 7), [](TStream& s) { ReadWideString(s); }},
    };
    for (const auto& c : cases) {
        auto s = StreamOf(c.bytes);
        TAllocationWatch watch;
        try {
            c.read(s);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EReadError& e) {
            EXPECT_STREQ(e.what(), "Stream read error") << c.what;
        }
        EXPECT_LT(watch.Largest(), 1024u) << c.what;
    }
}
