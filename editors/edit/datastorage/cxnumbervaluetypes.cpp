// The fixed-size value types: integers, Boolean, Float, Currency, DateTime,
// LargeInt and the Object type, each a plain value in the buffer.
#include <cstdint>

#include "classlib/booltext.h"
#include "classlib/datetimetext.h"
#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/persistent.h"
#include "editors/edit/datastorage/cxvaluebuffers.h"
#include "editors/edit/datastorage/cxvaluetypes.h"
#include "editors/edit/variants/cxplainstreams.h"

namespace {

// Float and DateTime: 0 equal, 1 when a >= b, else -1.
int CompareDoubles(const void* a, const void* b)
{
    double x = cxBufferValue<double>(a), y = cxBufferValue<double>(b);
    return x == y ? 0 : x >= y ? 1 : -1;
}

} // namespace

// Smallint

const TcxSmallintValueType TcxSmallintValueType::Instance;
const char* TcxSmallintValueType::ClassName() const { return "TcxSmallintValueType"; }
int TcxSmallintValueType::BufferSize() const { return 2; }
TVarType TcxSmallintValueType::VariantTypeCode() const { return varSmallint; }

Variant TcxSmallintValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<std::int16_t>(buffer));
}

void TcxSmallintValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadSmallint(stream));
}

void TcxSmallintValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, static_cast<std::int16_t>(VarAsType(value, varSmallint).ToInteger()));
}

void TcxSmallintValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteSmallint(stream, cxBufferValue<std::int16_t>(buffer));
}

int TcxSmallintValueType::CompareValueData(const void* a, const void* b) const
{
    return cxBufferValue<std::int16_t>(a) - cxBufferValue<std::int16_t>(b);
}

// Integer

const TcxIntegerValueType TcxIntegerValueType::Instance;
const char* TcxIntegerValueType::ClassName() const { return "TcxIntegerValueType"; }
int TcxIntegerValueType::BufferSize() const { return 4; }
TVarType TcxIntegerValueType::VariantTypeCode() const { return varInteger; }

Variant TcxIntegerValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<std::int32_t>(buffer));
}

void TcxIntegerValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadInteger(stream));
}

void TcxIntegerValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, value.ToInteger());
}

void TcxIntegerValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteInteger(stream, cxBufferValue<std::int32_t>(buffer));
}

int TcxIntegerValueType::CompareValueData(const void* a, const void* b) const
{
    return cxSign<std::int64_t>(cxBufferValue<std::int32_t>(a), cxBufferValue<std::int32_t>(b));
}

// Word

const TcxWordValueType TcxWordValueType::Instance;
const char* TcxWordValueType::ClassName() const { return "TcxWordValueType"; }
int TcxWordValueType::BufferSize() const { return 2; }
TVarType TcxWordValueType::VariantTypeCode() const { return varWord; }

Variant TcxWordValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<std::uint16_t>(buffer));
}

void TcxWordValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadWord(stream));
}

void TcxWordValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, static_cast<std::uint16_t>(VarAsType(value, varWord).ToInteger()));
}

void TcxWordValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteWord(stream, cxBufferValue<std::uint16_t>(buffer));
}

int TcxWordValueType::CompareValueData(const void* a, const void* b) const
{
    return cxBufferValue<std::uint16_t>(a) - cxBufferValue<std::uint16_t>(b);
}

// Boolean

const TcxBooleanValueType TcxBooleanValueType::Instance;
const char* TcxBooleanValueType::ClassName() const { return "TcxBooleanValueType"; }
int TcxBooleanValueType::BufferSize() const { return 1; }
TVarType TcxBooleanValueType::VariantTypeCode() const { return varBoolean; }

Variant TcxBooleanValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<std::uint8_t>(buffer) != 0);
}

std::string TcxBooleanValueType::DefaultTextOf(const void* buffer) const
{
    return BoolToStr(cxBufferValue<std::uint8_t>(buffer) != 0, true);
}

void TcxBooleanValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue<std::uint8_t>(buffer, ReadBoolean(stream) ? 1 : 0);
}

void TcxBooleanValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue<std::uint8_t>(buffer, value.ToBoolean() ? 1 : 0);
}

void TcxBooleanValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteBoolean(stream, cxBufferValue<std::uint8_t>(buffer) != 0);
}

int TcxBooleanValueType::CompareValueData(const void* a, const void* b) const
{
    return cxBufferValue<std::uint8_t>(a) - cxBufferValue<std::uint8_t>(b);
}

// Float

const TcxFloatValueType TcxFloatValueType::Instance;
const char* TcxFloatValueType::ClassName() const { return "TcxFloatValueType"; }
int TcxFloatValueType::BufferSize() const { return 8; }
TVarType TcxFloatValueType::VariantTypeCode() const { return varDouble; }

Variant TcxFloatValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<double>(buffer));
}

void TcxFloatValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadFloat(stream));
}

void TcxFloatValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, value.ToDouble());
}

void TcxFloatValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteFloat(stream, cxBufferValue<double>(buffer));
}

int TcxFloatValueType::CompareValueData(const void* a, const void* b) const
{
    return CompareDoubles(a, b);
}

// Currency

const TcxCurrencyValueType TcxCurrencyValueType::Instance;
const char* TcxCurrencyValueType::ClassName() const { return "TcxCurrencyValueType"; }
int TcxCurrencyValueType::BufferSize() const { return 8; }
TVarType TcxCurrencyValueType::VariantTypeCode() const { return varCurrency; }

Variant TcxCurrencyValueType::BufferToVariant(const void* buffer) const
{
    return Variant(Currency{cxBufferValue<std::int64_t>(buffer)});
}

void TcxCurrencyValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadCurrency(stream));
}

void TcxCurrencyValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, value.ToCurrency().Scaled);
}

void TcxCurrencyValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteCurrency(stream, cxBufferValue<std::int64_t>(buffer));
}

int TcxCurrencyValueType::CompareValueData(const void* a, const void* b) const
{
    return cxSign(cxBufferValue<std::int64_t>(a), cxBufferValue<std::int64_t>(b));
}

// DateTime

const TcxDateTimeValueType TcxDateTimeValueType::Instance;
const char* TcxDateTimeValueType::ClassName() const { return "TcxDateTimeValueType"; }
int TcxDateTimeValueType::BufferSize() const { return 8; }
TVarType TcxDateTimeValueType::VariantTypeCode() const { return varDate; }

Variant TcxDateTimeValueType::BufferToVariant(const void* buffer) const
{
    return VarFromDateTime(cxBufferValue<double>(buffer));
}

std::string TcxDateTimeValueType::DefaultTextOf(const void* buffer) const
{
    try {
        return ValueOf(buffer).ToString();
    } catch (const EVariantError&) {
        return DateTimeToStr(cxBufferValue<double>(buffer), FormatSettings());
    }
}

void TcxDateTimeValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadDateTime(stream));
}

void TcxDateTimeValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, VarToDateTime(value));
}

void TcxDateTimeValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteDateTime(stream, cxBufferValue<double>(buffer));
}

int TcxDateTimeValueType::CompareValueData(const void* a, const void* b) const
{
    return CompareDoubles(a, b);
}

// LargeInt

const TcxLargeIntValueType TcxLargeIntValueType::Instance;
const char* TcxLargeIntValueType::ClassName() const { return "TcxLargeIntValueType"; }
int TcxLargeIntValueType::BufferSize() const { return 8; }
TVarType TcxLargeIntValueType::VariantTypeCode() const { return varInt64; }

Variant TcxLargeIntValueType::BufferToVariant(const void* buffer) const
{
    return Variant(cxBufferValue<std::int64_t>(buffer));
}

void TcxLargeIntValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxSetBufferValue(buffer, ReadLargeInt(stream));
}

void TcxLargeIntValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    cxSetBufferValue(buffer, value.ToInt64());
}

void TcxLargeIntValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteLargeInt(stream, cxBufferValue<std::int64_t>(buffer));
}

int TcxLargeIntValueType::CompareValueData(const void* a, const void* b) const
{
    return cxSign(cxBufferValue<std::int64_t>(a), cxBufferValue<std::int64_t>(b));
}

// Object: the pointer as an integer of its own width.

const TcxObjectValueType TcxObjectValueType::Instance;
const char* TcxObjectValueType::ClassName() const { return "TcxObjectValueType"; }
int TcxObjectValueType::BufferSize() const { return sizeof(TPersistent*); }
TVarType TcxObjectValueType::VariantTypeCode() const { return sizeof(TPersistent*) == 4 ? varInteger : varInt64; }

TPersistent* TcxObjectValueType::ObjectOf(const void* buffer)
{
    return cxBufferValue<TPersistent*>(buffer);
}

void TcxObjectValueType::SetObject(void* buffer, TPersistent* object)
{
    cxSetBufferValue(buffer, object);
}

void TcxObjectValueType::ReleaseBuffer(void* buffer) const
{
    delete ObjectOf(buffer);
    SetObject(buffer, nullptr);
}

Variant TcxObjectValueType::BufferToVariant(const void* buffer) const
{
    auto address = reinterpret_cast<std::intptr_t>(ObjectOf(buffer));
    return Variant(address);
}

void TcxObjectValueType::LoadValue(void*, TStream&) const {}
void TcxObjectValueType::SaveValue(const void*, TStream&) const {}

void TcxObjectValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    auto address = static_cast<std::intptr_t>(sizeof(std::intptr_t) == 4 ? value.ToInteger() : value.ToInt64());
    SetObject(buffer, reinterpret_cast<TPersistent*>(address));
}

int TcxObjectValueType::CompareValueData(const void* a, const void* b) const
{
    return cxSign<std::int64_t>(reinterpret_cast<std::intptr_t>(ObjectOf(a)),
                                reinterpret_cast<std::intptr_t>(ObjectOf(b)));
}
