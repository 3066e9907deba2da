// The value types whose values live in cells the buffer points to: String,
// WideString and Variant. No cell is Null; setting Null frees the cell.
#include <string>

#include "editors/edit/datastorage/cxvaluebuffers.h"
#include "editors/edit/datastorage/cxvaluetypes.h"
#include "editors/edit/variants/cxplainstreams.h"
#include "editors/edit/variants/cxvariants.h"

namespace {

// The value's text, or empty for Null.
std::string TextOf(const Variant& value)
{
    return VarToStr(value);
}

} // namespace

// String

const TcxStringValueType TcxStringValueType::Instance;
const char* TcxStringValueType::ClassName() const { return "TcxStringValueType"; }
int TcxStringValueType::BufferSize() const { return sizeof(void*); }
TVarType TcxStringValueType::VariantTypeCode() const { return varString; }
bool TcxStringValueType::HoldsText() const { return true; }

int TcxStringValueType::CompareBuffers(const void* a, const void* b) const
{
    return CompareValueData(cxBufferCell<void>(a), cxBufferCell<void>(b));
}

void TcxStringValueType::ReleaseBuffer(void* buffer) const
{
    cxBufferCellFree<std::string>(buffer);
}

Variant TcxStringValueType::BufferToVariant(const void* buffer) const
{
    const std::string* cell = cxBufferCell<std::string>(buffer);
    return cell ? Variant(*cell) : Variant::Null();
}

void TcxStringValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxBufferCellMade<std::string>(buffer) = ReadAnsiString(stream);
}

void TcxStringValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    if (value.IsNull())
        return ReleaseBuffer(buffer);
    std::string text = value.ToString();
    cxBufferCellMade<std::string>(buffer) = std::move(text);
}

void TcxStringValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteAnsiString(stream, TextOf(ValueOf(buffer)));
}

int TcxStringValueType::CompareValueData(const void* a, const void* b) const
{
    return cxCompareCells<std::string>(a, b, [](const std::string& x, const std::string& y) { return cxSign(x, y); });
}

void TcxStringValueType::ResolveBuffer(const void*& buffer) const
{
    buffer = cxBufferCell<void>(buffer);
}

// WideString

const TcxWideStringValueType TcxWideStringValueType::Instance;
const char* TcxWideStringValueType::ClassName() const { return "TcxWideStringValueType"; }
TVarType TcxWideStringValueType::VariantTypeCode() const { return varOleStr; }

void TcxWideStringValueType::ReleaseBuffer(void* buffer) const
{
    cxBufferCellFree<std::u16string>(buffer);
}

Variant TcxWideStringValueType::BufferToVariant(const void* buffer) const
{
    const std::u16string* cell = cxBufferCell<std::u16string>(buffer);
    return cell ? Variant(*cell) : Variant::Null();
}

void TcxWideStringValueType::LoadValue(void* buffer, TStream& stream) const
{
    cxBufferCellMade<std::u16string>(buffer) = ReadWideString(stream);
}

void TcxWideStringValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    if (value.IsNull())
        return ReleaseBuffer(buffer);
    std::u16string text = value.ToOleStr();
    cxBufferCellMade<std::u16string>(buffer) = std::move(text);
}

void TcxWideStringValueType::SaveValue(const void* buffer, TStream& stream) const
{
    Variant value = ValueOf(buffer);
    WriteWideString(stream, value.IsNull() ? std::u16string() : value.ToOleStr());
}

int TcxWideStringValueType::CompareValueData(const void* a, const void* b) const
{
    return cxCompareCells<std::u16string>(a, b,
                                          [](const std::u16string& x, const std::u16string& y) { return cxSign(x, y); });
}

// Variant

const TcxVariantValueType TcxVariantValueType::Instance;
const char* TcxVariantValueType::ClassName() const { return "TcxVariantValueType"; }
int TcxVariantValueType::BufferSize() const { return sizeof(void*); }

int TcxVariantValueType::CompareBuffers(const void* a, const void* b) const
{
    return CompareValueData(cxBufferCell<void>(a), cxBufferCell<void>(b));
}

void TcxVariantValueType::ReleaseBuffer(void* buffer) const
{
    cxBufferCellFree<Variant>(buffer);
}

Variant TcxVariantValueType::BufferToVariant(const void* buffer) const
{
    const Variant* cell = cxBufferCell<Variant>(buffer);
    return cell ? *cell : Variant::Null();
}

void TcxVariantValueType::VariantToBuffer(void* buffer, const Variant& value) const
{
    if (value.IsNull())
        return ReleaseBuffer(buffer);
    cxBufferCellMade<Variant>(buffer) = value;
}

int TcxVariantValueType::CompareValueData(const void* a, const void* b) const
{
    return cxCompareCells<Variant>(a, b, CompareVariants);
}

void TcxVariantValueType::ResolveBuffer(const void*& buffer) const
{
    buffer = cxBufferCell<void>(buffer);
}
