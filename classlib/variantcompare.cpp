// Comparing two Variants of any kinds.
#include "classlib/exceptions.h"
#include "classlib/olestrconvert.h"
#include "classlib/variant.h"
#include "classlib/variantaccess.h"

#include <cmath>

namespace {
using A = VariantAccess;
using R = TVariantRelationship;

template <typename T>
R Order(const T& a, const T& b)
{
    return a < b ? R::vrLessThan : b < a ? R::vrGreaterThan : R::vrEqual;
}

bool IsText(TVarType kind)
{
    return kind == varString || kind == varOleStr;
}

// Integer kinds, Booleans (-1/0) and Empty (0): compared exactly as Int64.
bool IsWhole(TVarType kind)
{
    return VarTypeIsInteger(kind) || kind == varBoolean || kind == varEmpty;
}

R CompareTexts(const Variant& a, const Variant& b)
{
    if (A::Kind(a) == varString && A::Kind(b) == varString) {
        return Order(A::Str(a), A::Str(b));
    }
    return Order(a.ToOleStr(), b.ToOleStr());
}

R CompareNumbers(const Variant& a, const Variant& b)
{
    const TVarType ka = A::Kind(a);
    const TVarType kb = A::Kind(b);
    if (IsWhole(ka) && IsWhole(kb)) {
        return Order(a.ToInt64(), b.ToInt64());
    }
    if (ka == varCurrency && kb == varCurrency) {
        return Order(A::Curr(a).Scaled, A::Curr(b).Scaled);
    }
    if (ka == varFMTBcd && kb == varFMTBcd) {
        const int c = BcdCompare(A::Bcd(a), A::Bcd(b));
        return c < 0 ? R::vrLessThan : c > 0 ? R::vrGreaterThan : R::vrEqual;
    }
    // Extended holds every Int64 and double exactly.
    const auto value = [](const Variant& v) {
        const TVarType kind = A::Kind(v);
        if (IsWhole(kind)) {
            return static_cast<long double>(v.ToInt64());
        }
        return kind == varCurrency ? CurrencyToExtended(A::Curr(v)) : static_cast<long double>(v.ToDouble());
    };
    const long double x = value(a);
    const long double y = value(b);
    if (std::isnan(x) || std::isnan(y)) {
        return R::vrNotEqual;
    }
    return Order(x, y);
}
}  // namespace

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b)
{
    if (a.IsArray() || b.IsArray()) {
        throw EVariantError("Invalid variant operation: arrays do not compare");
    }
    if (a.IsNull() || b.IsNull()) {
        return a.IsNull() && b.IsNull() ? R::vrEqual : a.IsNull() ? R::vrLessThan : R::vrGreaterThan;
    }
    const TVarType ka = A::Kind(a);
    const TVarType kb = A::Kind(b);
    if (IsText(ka) || IsText(kb)) {
        // Empty against a text is "".
        if ((IsText(ka) || ka == varEmpty) && (IsText(kb) || kb == varEmpty)) {
            return CompareTexts(a.AsType(IsText(ka) ? ka : kb), b.AsType(IsText(kb) ? kb : ka));
        }
        // A text against anything else takes the other's kind; against an
        // integer it is a Double, so "5.5" is not rounded first.
        const auto target = [](TVarType other) { return VarTypeIsInteger(other) ? varDouble : other; };
        return IsText(ka) ? CompareNumbers(a.AsType(target(kb)), b) : CompareNumbers(a, b.AsType(target(ka)));
    }
    return CompareNumbers(a, b);
}

bool operator==(const Variant& a, const Variant& b)
{
    return VarCompareValue(a, b) == TVariantRelationship::vrEqual;
}

bool operator<(const Variant& a, const Variant& b)
{
    return VarCompareValue(a, b) == TVariantRelationship::vrLessThan;
}
