#include "classlib/variant.h"

#include "classlib/exceptions.h"

Variant::Variant(const Variant& other) = default;
Variant::Variant(Variant&& other) noexcept : type_(other.type_), value_(std::move(other.value_))
{
    other.type_ = varEmpty;
    other.value_ = std::monostate{};
}

Variant& Variant::operator=(const Variant& other)
{
    if (this != &other) {
        // Copy first: other may be an element of this one's array.
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept
{
    if (this != &other) {
        // Take other's value before this one's goes: other may live inside it.
        Payload taken = std::move(other.value_);
        const TVarType type = other.type_;
        other.type_ = varEmpty;
        other.value_ = std::monostate{};
        value_ = std::move(taken);
        type_ = type;
    }
    return *this;
}

Variant::~Variant() = default;

void Variant::ThrowOutOfRange()
{
    throw EVariantError("Overflow while converting variant of type (UInt64) into type (Int64)");
}

Variant Variant::Null()
{
    return Variant(varNull, std::monostate{});
}

Variant Variant::FromDateTime(TDateTime value)
{
    return Variant(varDate, value);
}

TVarType Variant::VarType() const noexcept
{
    return type_ == varArray ? static_cast<TVarType>(varArray | varVariant) : type_;
}

std::string VarToStr(const Variant& v)
{
    return v.IsNull() ? std::string() : v.ToString();
}

bool VarIsStr(const Variant& v)
{
    return v.VarType() == varString || v.VarType() == varOleStr;
}

bool VarTypeIsInteger(TVarType type)
{
    switch (type) {
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
        return true;
    default:
        return false;
    }
}

bool VarTypeIsFloat(TVarType type)
{
    return type == varSingle || type == varDouble || type == varCurrency;
}

std::string VarTypeAsText(TVarType type)
{
    struct Name {
        TVarType type;
        const char* text;
    };
    static constexpr Name kNames[] = {
        {varEmpty, "Empty"},       {varNull, "Null"},         {varSmallint, "Smallint"},
        {varInteger, "Integer"},   {varSingle, "Single"},     {varDouble, "Double"},
        {varCurrency, "Currency"}, {varDate, "Date"},         {varOleStr, "OleStr"},
        {varBoolean, "Boolean"},   {varVariant, "Variant"},   {varShortInt, "ShortInt"},
        {varByte, "Byte"},         {varWord, "Word"},         {varLongWord, "LongWord"},
        {varInt64, "Int64"},       {varString, "String"},     {varSQLTimeStamp, "SQLTimeStamp"},
        {varFMTBcd, "FMTBcd"},
    };
    std::string text = "Unknown";
    for (const Name& name : kNames) {
        if (name.type == (type & varTypeMask)) {
            text = name.text;
        }
    }
    return (type & varArray) != 0 ? "Array " + text : text;
}
