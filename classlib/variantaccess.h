// The stored value of a Variant, for the Variant's own conversion and
// comparison files.
#pragma once

#include "classlib/variant.h"

#include <string>

struct VariantAccess {
    static TVarType Kind(const Variant& v) { return v.type_; }
    // Integer kinds and Booleans (0 or 1).
    static std::int64_t Int(const Variant& v) { return std::get<std::int64_t>(v.value_); }
    // Single, Double and Date.
    static double Real(const Variant& v) { return std::get<double>(v.value_); }
    static Currency Curr(const Variant& v) { return std::get<Currency>(v.value_); }
    static const std::string& Str(const Variant& v) { return std::get<std::string>(v.value_); }
    static const std::u16string& Wide(const Variant& v) { return std::get<std::u16string>(v.value_); }
    static const TBcd& Bcd(const Variant& v) { return std::get<TBcd>(v.value_); }
    static const TSQLTimeStamp& Stamp(const Variant& v) { return std::get<TSQLTimeStamp>(v.value_); }

    static Variant OfInt(TVarType kind, std::int64_t value) { return Variant(kind, value); }
    static Variant OfReal(TVarType kind, double value) { return Variant(kind, value); }
};
