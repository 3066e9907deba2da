#include "editors/edit/variants/cxtypedvariant.h"

#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "classlib/exceptions.h"
#include "editors/edit/variants/cxplainstreams.h"

namespace {

enum TTypedVariantTag : std::uint8_t {
    tagNull = 0,
    tagArray = 1,
    tagShortInt = 2,
    tagSmallint = 3,
    tagInteger = 4,
    tagExtended = 5,
    tagShortString = 6,
    tagFalse = 8,
    tagTrue = 9,
    tagLongString = 12,
    tagEmpty = 13,
    tagSingle = 15,
    tagCurrency = 16,
    tagDate = 17,
    tagOleStr = 18,
    tagInt64 = 19,
};

[[noreturn]] void ReadError()
{
    throw EReadError("Stream read error");
}

[[noreturn]] void WriteError()
{
    throw EWriteError("Stream write error");
}

std::uint8_t ReadTag(TStream& stream)
{
    std::uint8_t tag;
    stream.ReadBuffer(&tag, 1);
    return tag;
}

void WriteTag(TStream& stream, TTypedVariantTag tag)
{
    std::uint8_t byte = tag;
    stream.WriteBuffer(&byte, 1);
}

// An array's element count: a tagged integer, never negative.
std::int64_t ReadCount(TStream& stream)
{
    std::int64_t count;
    switch (ReadTag(stream)) {
    case tagShortInt: {
        std::uint8_t byte;
        stream.ReadBuffer(&byte, 1);
        count = static_cast<std::int8_t>(byte);
        break;
    }
    case tagSmallint:
        count = ReadSmallint(stream);
        break;
    case tagInteger:
        count = ReadInteger(stream);
        break;
    case tagInt64:
        count = ReadLargeInt(stream);
        break;
    default:
        ReadError();
    }
    if (count < 0)
        ReadError();
    return count;
}

Variant ReadValue(TStream& stream, int depth);

Variant ReadArray(TStream& stream, int depth)
{
    if (depth >= cxTypedVariantMaxNesting)
        ReadError();
    // Every element takes at least its tag byte.
    std::int64_t count = ReadCount(stream);
    cxCheckStreamHolds(stream, static_cast<std::uint64_t>(count), 1);
    if (count > std::numeric_limits<int>::max())
        ReadError();
    std::vector<Variant> elements;
    elements.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
        elements.push_back(ReadValue(stream, depth + 1));
    return VarArrayOf(std::move(elements));
}

Variant ReadValue(TStream& stream, int depth)
{
    switch (ReadTag(stream)) {
    case tagNull:
        return Variant::Null();
    case tagArray:
        return ReadArray(stream, depth);
    case tagShortInt: {
        std::uint8_t byte;
        stream.ReadBuffer(&byte, 1);
        return Variant(static_cast<std::int8_t>(byte));
    }
    case tagSmallint:
        return Variant(ReadSmallint(stream));
    case tagInteger:
        return Variant(ReadInteger(stream));
    case tagExtended:
        return Variant(ReadFloat(stream));
    case tagShortString: {
        std::uint8_t length;
        stream.ReadBuffer(&length, 1);
        return Variant(cxReadStreamBytes(stream, length));
    }
    case tagFalse:
        return Variant(false);
    case tagTrue:
        return Variant(true);
    case tagLongString:
        return Variant(ReadAnsiString(stream));
    case tagEmpty:
        return Variant();
    case tagSingle:
        return Variant(std::bit_cast<float>(static_cast<std::uint32_t>(ReadInteger(stream))));
    case tagCurrency:
        return Variant(Currency{ReadCurrency(stream)});
    case tagDate:
        return VarFromDateTime(ReadDateTime(stream));
    case tagOleStr:
        return Variant(ReadWideString(stream));
    case tagInt64:
        return Variant(ReadLargeInt(stream));
    default:
        ReadError();
    }
}

void WriteInteger64(TStream& stream, std::int64_t value)
{
    if (value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max()) {
        WriteTag(stream, tagShortInt);
        auto byte = static_cast<std::uint8_t>(value);
        stream.WriteBuffer(&byte, 1);
    } else if (value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()) {
        WriteTag(stream, tagSmallint);
        WriteSmallint(stream, static_cast<std::int16_t>(value));
    } else if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) {
        WriteTag(stream, tagInteger);
        WriteInteger(stream, static_cast<std::int32_t>(value));
    } else {
        WriteTag(stream, tagInt64);
        WriteLargeInt(stream, value);
    }
}

void WriteString(TStream& stream, const std::string& text)
{
    if (text.size() <= std::numeric_limits<std::uint8_t>::max()) {
        WriteTag(stream, tagShortString);
        auto length = static_cast<std::uint8_t>(text.size());
        stream.WriteBuffer(&length, 1);
        stream.WriteBuffer(text.data(), text.size());
    } else {
        WriteTag(stream, tagLongString);
        WriteAnsiString(stream, text);
    }
}

void WriteArray(TStream& stream, const Variant& value)
{
    if (VarArrayDimCount(value) != 1)
        WriteError();
    int low = VarArrayLowBound(value, 1);
    int high = VarArrayHighBound(value, 1);
    WriteTag(stream, tagArray);
    WriteInteger64(stream, std::int64_t{high} - low + 1);
    for (std::int64_t i = low; i <= high; ++i)
        WriteTypedVariant(stream, value[static_cast<int>(i)]);
}

} // namespace

void ReadTypedVariant(TStream& stream, Variant& value)
{
    value = ReadValue(stream, 0);
}

void WriteTypedVariant(TStream& stream, const Variant& value)
{
    if (value.IsArray())
        return WriteArray(stream, value);
    TVarType type = VarType(value);
    if (VarTypeIsInteger(type))
        return WriteInteger64(stream, value.ToInt64());
    switch (type) {
    case varEmpty:
        return WriteTag(stream, tagEmpty);
    case varNull:
        return WriteTag(stream, tagNull);
    case varSingle:
        WriteTag(stream, tagSingle);
        return WriteInteger(stream, static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(value.ToSingle())));
    case varDouble:
        WriteTag(stream, tagExtended);
        return WriteFloat(stream, value.ToDouble());
    case varCurrency:
        WriteTag(stream, tagCurrency);
        return WriteCurrency(stream, value.ToCurrency().Scaled);
    case varDate:
        WriteTag(stream, tagDate);
        return WriteDateTime(stream, VarToDateTime(value));
    case varSQLTimeStamp: {
        TDateTime date;
        if (!TrySQLTimeStampToDateTime(value.ToSQLTimeStamp(), date))
            WriteError();
        WriteTag(stream, tagDate);
        return WriteDateTime(stream, date);
    }
    case varOleStr:
        WriteTag(stream, tagOleStr);
        return WriteWideString(stream, value.ToOleStr());
    case varBoolean:
        return WriteTag(stream, value.ToBoolean() ? tagTrue : tagFalse);
    default:
        break;
    }
    std::string text;
    try {
        text = value.ToString();
    } catch (const Exception&) {
        WriteError();
    }
    WriteString(stream, text);
}
