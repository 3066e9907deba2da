#include "editors/edit/datastorage/cxvaluetype.h"

#include <string_view>

#include "classlib/exceptions.h"
#include "editors/edit/datastorage/cxvaluebuffers.h"
#include "editors/edit/variants/cxplainstreams.h"
#include "editors/edit/variants/cxtypedvariant.h"
#include "editors/edit/variants/cxvariants.h"

const TcxValueType TcxValueType::Instance;

const char* TcxValueType::ClassName() const
{
    return "TcxValueType";
}

int TcxValueType::CompareBuffers(const void* a, const void* b) const
{
    return CompareValueData(a, b);
}

void TcxValueType::ReleaseBuffer(void*) const {}

void TcxValueType::ReleaseTextBuffer(void* textBuffer) const
{
    cxBufferCellFree<std::string>(textBuffer);
}

int TcxValueType::BufferSize() const
{
    return 0;
}

Variant TcxValueType::BufferToVariant(const void*) const
{
    return Variant::Null();
}

std::string TcxValueType::DefaultTextOf(const void* buffer) const
{
    try {
        return ValueOf(buffer).ToString();
    } catch (const EVariantError&) {
        return {};
    }
}

std::string TcxValueType::StoredTextOf(const void* textBuffer) const
{
    const std::string* cell = cxBufferCell<std::string>(textBuffer);
    return cell ? *cell : std::string();
}

void TcxValueType::LoadValue(void* buffer, TStream& stream) const
{
    Variant value;
    ReadTypedVariant(stream, value);
    VariantToBuffer(buffer, value);
}

void TcxValueType::LoadText(void* textBuffer, TStream& stream) const
{
    StoreText(textBuffer, ReadAnsiString(stream));
}

void TcxValueType::VariantToBuffer(void*, const Variant&) const {}

void TcxValueType::StoreText(void* textBuffer, const std::string& text) const
{
    cxBufferCellMade<std::string>(textBuffer) = text;
}

void TcxValueType::SaveValue(const void* buffer, TStream& stream) const
{
    WriteTypedVariant(stream, ValueOf(buffer));
}

void TcxValueType::SaveText(const void* textBuffer, TStream& stream) const
{
    WriteAnsiString(stream, StoredTextOf(textBuffer));
}

std::string TcxValueType::TypeCaption() const
{
    std::string_view name = ClassName();
    if (name.starts_with("Tcx"))
        name.remove_prefix(3);
    if (auto at = name.find("ValueType"); at != std::string_view::npos)
        return std::string(name.substr(0, at)) + std::string(name.substr(at + 9));
    return std::string(name);
}

int TcxValueType::CompareValueData(const void* a, const void* b) const
{
    return CompareVariants(ValueOf(a), ValueOf(b));
}

Variant TcxValueType::ValueOf(const void* buffer) const
{
    return BufferToVariant(buffer);
}

TVarType TcxValueType::VariantTypeCode() const
{
    return varVariant;
}

bool TcxValueType::CanConvert(Variant& value) const
{
    if (value.IsNull() || VariantTypeCode() == varVariant)
        return true;
    try {
        value = VarAsType(value, VariantTypeCode());
        return true;
    } catch (const EVariantError&) {
        return false;
    }
}

bool TcxValueType::HoldsText() const
{
    return false;
}

void TcxValueType::ResolveBuffer(const void*&) const {}
