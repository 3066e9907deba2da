// Conversions of a Variant into each kind.
#include "classlib/blanks.h"
#include "classlib/booltext.h"
#include "classlib/datetimetext.h"
#include "classlib/exceptions.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/olestrconvert.h"
#include "classlib/variant.h"
#include "classlib/variantaccess.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
using A = VariantAccess;

[[noreturn]] void CannotConvert(const Variant& v, TVarType to)
{
    throw EVariantError("Could not convert variant of type (" + VarTypeAsText(v.VarType()) + ") into type (" +
                        VarTypeAsText(to) + ")");
}

[[noreturn]] void Overflow(const Variant& v, TVarType to)
{
    throw EVariantError("Overflow while converting variant of type (" + VarTypeAsText(v.VarType()) +
                        ") into type (" + VarTypeAsText(to) + ")");
}

bool IsIntegral(TVarType kind)
{
    return VarTypeIsInteger(kind) || kind == varBoolean;
}

// Booleans count -1 and 0 as numbers.
std::int64_t IntOf(const Variant& v)
{
    return A::Kind(v) == varBoolean ? -A::Int(v) : A::Int(v);
}

// 2^63 as an extended: the first value past the Int64 range.
constexpr long double kInt64Limit = 9223372036854775808.0L;

bool TryRoundToInt64(long double value, std::int64_t& result)
{
    // Ties to even, as the processor rounds by default.
    const long double whole = std::rintl(value);
    if (!(whole >= -kInt64Limit && whole < kInt64Limit)) {
        return false;
    }
    result = static_cast<std::int64_t>(whole);
    return true;
}

// Whole numbers first, so large Int64 texts stay exact; then any float text.
bool TryTextToInt64(std::string_view text, std::int64_t& result)
{
    const std::string plain(TrimBlanks(text));
    if (!plain.empty() && plain.find_first_not_of("+-0123456789") == std::string::npos) {
        char* end = nullptr;
        errno = 0;
        const long long parsed = std::strtoll(plain.c_str(), &end, 10);
        if (errno == 0 && end != plain.c_str() && *end == '\0') {
            result = parsed;
            return true;
        }
    }
    long double value = 0;
    return TryStrToFloat(text, value, FormatSettings()) && TryRoundToInt64(value, result);
}

// Null and arrays convert to nothing.
void RequireScalar(const Variant& v, TVarType to)
{
    if (v.IsNull() || v.IsArray()) {
        CannotConvert(v, to);
    }
}

std::string TextOf(const Variant& v)
{
    return A::Kind(v) == varOleStr ? OleStrToAnsi(A::Wide(v)) : A::Str(v);
}

struct IntRange {
    TVarType kind;
    std::int64_t low;
    std::int64_t high;
};

constexpr IntRange kIntRanges[] = {
    {varShortInt, INT8_MIN, INT8_MAX},   {varByte, 0, UINT8_MAX},          {varSmallint, INT16_MIN, INT16_MAX},
    {varWord, 0, UINT16_MAX},            {varInteger, INT32_MIN, INT32_MAX}, {varLongWord, 0, UINT32_MAX},
    {varInt64, INT64_MIN, INT64_MAX},
};
}  // namespace

std::int64_t Variant::ToInt64() const
{
    const TVarType kind = A::Kind(*this);
    std::int64_t result = 0;
    if (kind == varEmpty) {
        return 0;
    }
    if (IsIntegral(kind)) {
        return IntOf(*this);
    }
    switch (kind) {
    case varSingle:
    case varDouble:
    case varDate:
        if (!TryRoundToInt64(A::Real(*this), result)) {
            Overflow(*this, varInt64);
        }
        return result;
    case varCurrency: {
        // Ties to even on the exact scaled value.
        const std::int64_t scaled = A::Curr(*this).Scaled;
        std::int64_t whole = scaled / Currency::Scale;
        const std::int64_t rest = scaled % Currency::Scale;
        const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
        if (twice > Currency::Scale || (twice == Currency::Scale && whole % 2 != 0)) {
            whole += rest < 0 ? -1 : 1;
        }
        return whole;
    }
    case varString:
    case varOleStr:
        if (!TryTextToInt64(TextOf(*this), result)) {
            CannotConvert(*this, varInt64);
        }
        return result;
    case varFMTBcd:
        if (!TryTextToInt64(BcdToStr(A::Bcd(*this), FormatSettings()), result)) {
            Overflow(*this, varInt64);
        }
        return result;
    case varSQLTimeStamp:
        return Variant::FromDateTime(ToDateTime()).ToInt64();
    default:
        CannotConvert(*this, varInt64);
    }
}

std::int32_t Variant::ToInteger() const
{
    return static_cast<std::int32_t>(AsType(varInteger).ToInt64());
}

double Variant::ToDouble() const
{
    const TVarType kind = A::Kind(*this);
    if (kind == varEmpty) {
        return 0;
    }
    if (IsIntegral(kind)) {
        return static_cast<double>(IntOf(*this));
    }
    switch (kind) {
    case varSingle:
    case varDouble:
    case varDate:
        return A::Real(*this);
    case varCurrency:
        return CurrencyToDouble(A::Curr(*this));
    case varString:
    case varOleStr: {
        long double value = 0;
        if (!TryStrToFloat(TextOf(*this), value, FormatSettings())) {
            CannotConvert(*this, varDouble);
        }
        if (std::fabs(value) > DBL_MAX) {
            Overflow(*this, varDouble);
        }
        return static_cast<double>(value);
    }
    case varFMTBcd:
        return BcdToDouble(A::Bcd(*this));
    case varSQLTimeStamp:
        return ToDateTime();
    default:
        CannotConvert(*this, varDouble);
    }
}

float Variant::ToSingle() const
{
    RequireScalar(*this, varSingle);
    const double value = ToDouble();
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX) {
        Overflow(*this, varSingle);
    }
    return static_cast<float>(value);
}

Currency Variant::ToCurrency() const
{
    RequireScalar(*this, varCurrency);
    const TVarType kind = A::Kind(*this);
    Currency result;
    long double value = 0;
    switch (kind) {
    case varCurrency:
        return A::Curr(*this);
    case varString:
    case varOleStr:
        if (!TryStrToFloat(TextOf(*this), value, FormatSettings())) {
            CannotConvert(*this, varCurrency);
        }
        break;
    case varFMTBcd:
        value = StrToFloat(BcdToStr(A::Bcd(*this), FormatSettings()), FormatSettings());
        break;
    default:
        value = IsIntegral(kind) ? static_cast<long double>(IntOf(*this)) : ToDouble();
        break;
    }
    if (!TryDoubleToCurrency(value, result)) {
        Overflow(*this, varCurrency);
    }
    return result;
}

TDateTime Variant::ToDateTime() const
{
    RequireScalar(*this, varDate);
    const TVarType kind = A::Kind(*this);
    TDateTime result = 0;
    switch (kind) {
    case varDate:
        return A::Real(*this);
    case varString:
    case varOleStr:
        if (!TryStrToDateTime(TextOf(*this), result, FormatSettings())) {
            CannotConvert(*this, varDate);
        }
        return result;
    case varSQLTimeStamp:
        if (!TrySQLTimeStampToDateTime(A::Stamp(*this), result)) {
            CannotConvert(*this, varDate);
        }
        return result;
    default:
        return ToDouble();
    }
}

bool Variant::ToBoolean() const
{
    RequireScalar(*this, varBoolean);
    const TVarType kind = A::Kind(*this);
    bool result = false;
    switch (kind) {
    case varString:
    case varOleStr:
        if (!TryStrToBool(TextOf(*this), result)) {
            CannotConvert(*this, varBoolean);
        }
        return result;
    case varCurrency:
        return A::Curr(*this).Scaled != 0;
    default:
        return IsIntegral(kind) || kind == varEmpty ? ToInt64() != 0 : ToDouble() != 0;
    }
}

std::string Variant::ToString() const
{
    const TVarType kind = A::Kind(*this);
    const TFormatSettings& settings = FormatSettings();
    if (VarTypeIsInteger(kind)) {
        return std::to_string(A::Int(*this));
    }
    try {
        switch (kind) {
        case varEmpty:
            return {};
        case varBoolean:
            return BoolToStr(A::Int(*this) != 0, true);
        case varSingle:
            return FloatToStrDigits(A::Real(*this), 7, settings);
        case varDouble:
            return FloatToStr(A::Real(*this), settings);
        case varCurrency:
            return CurrToStr(A::Curr(*this), settings);
        case varDate:
            return DateTimeToStr(A::Real(*this), settings);
        case varString:
            return A::Str(*this);
        case varOleStr:
            return OleStrToAnsi(A::Wide(*this));
        case varFMTBcd:
            return BcdToStr(A::Bcd(*this), settings);
        case varSQLTimeStamp:
            return DateTimeToStr(SQLTimeStampToDateTime(A::Stamp(*this)), settings);
        default:
            break;
        }
    } catch (const EConvertError&) {
        // A date outside the calendar, a broken time stamp.
    }
    CannotConvert(*this, varString);
}

std::u16string Variant::ToOleStr() const
{
    return A::Kind(*this) == varOleStr ? A::Wide(*this) : AnsiToOleStr(ToString());
}

TBcd Variant::ToBcd() const
{
    RequireScalar(*this, varFMTBcd);
    const TVarType kind = A::Kind(*this);
    TBcd result;
    try {
        switch (kind) {
        case varFMTBcd:
            return A::Bcd(*this);
        case varString:
        case varOleStr:
            if (TryStrToBcd(TextOf(*this), result, FormatSettings())) {
                return result;
            }
            break;
        case varCurrency:
            return StrToBcd(CurrToStr(A::Curr(*this), FormatSettings()), FormatSettings());
        default:
            return IsIntegral(kind) || kind == varEmpty ? Int64ToBcd(ToInt64()) : DoubleToBcd(ToDouble());
        }
    } catch (const EConvertError&) {
        // NaN or infinity has no decimal digits.
    }
    CannotConvert(*this, varFMTBcd);
}

TSQLTimeStamp Variant::ToSQLTimeStamp() const
{
    RequireScalar(*this, varSQLTimeStamp);
    if (A::Kind(*this) == varSQLTimeStamp) {
        return A::Stamp(*this);
    }
    try {
        return DateTimeToSQLTimeStamp(ToDateTime());
    } catch (const EConvertError&) {
        CannotConvert(*this, varSQLTimeStamp);
    }
}

Variant Variant::AsType(TVarType type) const
{
    if (IsNull() && type != varNull && type != varVariant) {
        CannotConvert(*this, type);
    }
    for (const IntRange& range : kIntRanges) {
        if (range.kind == type) {
            const std::int64_t value = ToInt64();
            if (value < range.low || value > range.high) {
                Overflow(*this, type);
            }
            return A::OfInt(type, value);
        }
    }
    switch (type) {
    case varEmpty:
        return {};
    case varNull:
        return Null();
    case varVariant:
        return *this;
    case varBoolean:
        return ToBoolean();
    case varSingle:
        return ToSingle();
    case varDouble:
        return ToDouble();
    case varDate:
        return FromDateTime(ToDateTime());
    case varCurrency:
        return ToCurrency();
    case varString:
        return ToString();
    case varOleStr:
        return ToOleStr();
    case varFMTBcd:
        return ToBcd();
    case varSQLTimeStamp:
        return ToSQLTimeStamp();
    default:
        CannotConvert(*this, type);
    }
}
