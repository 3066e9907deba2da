// Variant: a value that carries its own kind, as the run-time library's
// variants do. Kinds and their VarType numbers are the run-time library's;
// FMTBcd and SQL time stamps are two custom kinds with fixed codes of our own.
// Strings are GBK bytes (varString) or UTF-16 (varOleStr); arrays hold
// Variants, with a low bound per dimension. Failures raise EVariantError.
#pragma once

#include "classlib/bcd.h"
#include "classlib/currency.h"
#include "classlib/datetime.h"
#include "classlib/sqltimestamp.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

using TVarType = std::uint16_t;

inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varSingle = 0x0004;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
inline constexpr TVarType varOleStr = 0x0008;
inline constexpr TVarType varBoolean = 0x000B;
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varShortInt = 0x0010;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varWord = 0x0012;
inline constexpr TVarType varLongWord = 0x0013;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varString = 0x0100;
// The custom kinds: codes from the first one the run-time library leaves to users.
inline constexpr TVarType varSQLTimeStamp = 0x010F;
inline constexpr TVarType varFMTBcd = 0x0110;
inline constexpr TVarType varTypeMask = 0x0FFF;
inline constexpr TVarType varArray = 0x2000;

// C++ integer types a Variant takes as the matching integer kind; plain char,
// bool and the character types are not numbers here.
template <typename T>
concept VariantInteger = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                         !std::same_as<T, wchar_t> && !std::same_as<T, char8_t> &&
                         !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && sizeof(T) <= 8;

enum class TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

class Variant {
public:
    Variant() noexcept = default;  // Empty
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    Variant(bool value) : type_(varBoolean), value_(std::int64_t{value ? 1 : 0}) {}
    // int8 ShortInt, uint8 Byte, int16 Smallint, uint16 Word, int32 Integer,
    // uint32 LongWord, int64 Int64 (a uint64 above the Int64 range raises).
    template <VariantInteger T>
    Variant(T value) : type_(IntegerKind<T>()), value_(CheckedInt64(value))
    {
    }
    Variant(float value) : type_(varSingle), value_(static_cast<double>(value)) {}
    Variant(double value) : type_(varDouble), value_(value) {}
    Variant(Currency value) : type_(varCurrency), value_(value) {}
    Variant(std::string value) : type_(varString), value_(std::move(value)) {}
    Variant(const char* value) : Variant(std::string(value)) {}
    Variant(std::u16string value) : type_(varOleStr), value_(std::move(value)) {}
    Variant(const char16_t* value) : Variant(std::u16string(value)) {}
    Variant(const TBcd& value) : type_(varFMTBcd), value_(value) {}
    Variant(const TSQLTimeStamp& value) : type_(varSQLTimeStamp), value_(value) {}

    static Variant Null();
    static Variant FromDateTime(TDateTime value);
    // Bounds as pairs (low, high) per dimension; elements start Empty.
    // high = low - 1 gives an empty dimension.
    static Variant CreateArray(std::span<const int> bounds);
    // One dimension, bounds 0..n-1.
    static Variant ArrayOf(std::vector<Variant> elements);

    // The kind, with varArray added for arrays (an array of Variants is 0x200C).
    TVarType VarType() const noexcept;
    bool IsEmpty() const noexcept { return type_ == varEmpty; }
    bool IsNull() const noexcept { return type_ == varNull; }
    bool IsArray() const noexcept { return type_ == varArray; }

    // Conversions. Empty gives 0, "" or false; Null, arrays, texts that are no
    // such value and values outside the target's range raise EVariantError.
    // Doubles round to integers with ties to even; Booleans are -1 and 0 as
    // numbers and "True"/"False" as texts; texts use the process-wide settings.
    bool ToBoolean() const;
    std::int32_t ToInteger() const;
    std::int64_t ToInt64() const;
    float ToSingle() const;
    double ToDouble() const;
    Currency ToCurrency() const;
    TDateTime ToDateTime() const;
    std::string ToString() const;
    std::u16string ToOleStr() const;
    TBcd ToBcd() const;
    TSQLTimeStamp ToSQLTimeStamp() const;
    // A Variant of the given kind (not an array kind); varVariant returns a copy.
    Variant AsType(TVarType type) const;

    // Arrays (EVariantError for a non-array, a dimension or index out of range).
    int DimCount() const noexcept;
    int LowBound(int dim) const;
    int HighBound(int dim) const;
    // One index per dimension.
    const Variant& Element(std::span<const int> indices) const;
    Variant& Element(std::span<const int> indices);
    // A one-dimensional array's element.
    const Variant& operator[](int index) const { return Element(std::span<const int>(&index, 1)); }
    Variant& operator[](int index) { return Element(std::span<const int>(&index, 1)); }

    // Equal values compare vrEqual across kinds (1 = 1.0 = "1"). A number, date
    // or Boolean against a text converts the text; two texts compare byte-wise
    // (UTF-16 units when either is an OleStr). Null equals only Null and sorts
    // before everything else; Empty is 0 or "". NaN gives vrNotEqual. Arrays
    // and failed conversions raise EVariantError.
    friend TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);

private:
    struct ArrayData;
    // Owns an array's data; copying copies the elements.
    struct ArrayHandle {
        std::unique_ptr<ArrayData> data;
        explicit ArrayHandle(std::unique_ptr<ArrayData> d);
        ArrayHandle(const ArrayHandle& other);
        ArrayHandle(ArrayHandle&&) noexcept;
        ArrayHandle& operator=(const ArrayHandle& other);
        ArrayHandle& operator=(ArrayHandle&&) noexcept;
        ~ArrayHandle();
    };
    // Integer kinds and Booleans hold an int64, Single, Double and Date a double.
    using Payload = std::variant<std::monostate, std::int64_t, double, Currency, std::string, std::u16string,
                                 TBcd, TSQLTimeStamp, ArrayHandle>;

    Variant(TVarType type, Payload value) : type_(type), value_(std::move(value)) {}

    template <typename T>
    static constexpr TVarType IntegerKind()
    {
        if constexpr (sizeof(T) == 1) {
            return std::is_signed_v<T> ? varShortInt : varByte;
        } else if constexpr (sizeof(T) == 2) {
            return std::is_signed_v<T> ? varSmallint : varWord;
        } else if constexpr (sizeof(T) == 4) {
            return std::is_signed_v<T> ? varInteger : varLongWord;
        } else {
            return varInt64;
        }
    }
    template <typename T>
    static std::int64_t CheckedInt64(T value)
    {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) == 8) {
            if (value > static_cast<std::uint64_t>(INT64_MAX)) {
                ThrowOutOfRange();
            }
        }
        return static_cast<std::int64_t>(value);
    }
    [[noreturn]] static void ThrowOutOfRange();

    // For the conversions and comparisons.
    friend struct VariantAccess;

    TVarType type_ = varEmpty;  // varArray alone for arrays
    Payload value_;
};

bool operator==(const Variant& a, const Variant& b);
bool operator<(const Variant& a, const Variant& b);
inline bool operator>(const Variant& a, const Variant& b) { return b < a; }
inline bool operator<=(const Variant& a, const Variant& b) { return a < b || a == b; }
inline bool operator>=(const Variant& a, const Variant& b) { return b < a || a == b; }

// The run-time library's names.
inline TVarType VarType(const Variant& v) { return v.VarType(); }
inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
inline Variant VarAsType(const Variant& v, TVarType type) { return v.AsType(type); }
inline Variant VarFromDateTime(TDateTime value) { return Variant::FromDateTime(value); }
inline TDateTime VarToDateTime(const Variant& v) { return v.ToDateTime(); }
// As ToString, but Null gives "".
std::string VarToStr(const Variant& v);
// String or OleStr.
bool VarIsStr(const Variant& v);
// Smallint, Integer, ShortInt, Byte, Word, LongWord and Int64 (not Boolean).
bool VarTypeIsInteger(TVarType type);
// Single, Double and Currency.
bool VarTypeIsFloat(TVarType type);
// The kind's name: "Empty", "Integer", "OleStr", "FMTBcd", "Array Variant"...
std::string VarTypeAsText(TVarType type);

Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType);
inline Variant VarArrayOf(std::vector<Variant> elements) { return Variant::ArrayOf(std::move(elements)); }
inline int VarArrayDimCount(const Variant& v) { return v.DimCount(); }
inline int VarArrayLowBound(const Variant& v, int dim) { return v.LowBound(dim); }
inline int VarArrayHighBound(const Variant& v, int dim) { return v.HighBound(dim); }
