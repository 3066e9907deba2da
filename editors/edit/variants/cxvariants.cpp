#include "editors/edit/variants/cxvariants.h"

#include "classlib/exceptions.h"

namespace {

int CompareScalars(const Variant& a, const Variant& b)
{
    if (a.IsEmpty())
        return b.IsEmpty() ? 0 : -1;
    if (b.IsEmpty())
        return 1;
    if (a.IsNull() || b.IsNull())
        return a.IsNull() == b.IsNull() ? 0 : a.IsNull() ? -1 : 1;
    switch (VarCompareValue(a, b)) {
    case TVariantRelationship::vrEqual:
        return 0;
    case TVariantRelationship::vrGreaterThan:
        return 1;
    default:
        return -1;
    }
}

} // namespace

int CompareVariants(const Variant& a, const Variant& b)
{
    try {
        if (a.IsArray() || b.IsArray())
            return CompareVariantArrays(a, b);
        return CompareScalars(a, b);
    } catch (const EVariantError&) {
        return -1;
    }
}

int CompareVariantArrays(const Variant& a, const Variant& b)
{
    if (!a.IsArray() || !b.IsArray())
        return a.IsArray() ? 1 : b.IsArray() ? -1 : CompareVariants(a, b);
    int high = a.HighBound(1);
    // The sign of the difference: a 32-bit difference of extreme bounds overflows.
    if (int other = b.HighBound(1); high != other)
        return high > other ? 1 : -1;
    for (int i = 0; i <= high; ++i)
        if (int result = CompareVariants(a[i], b[i]))
            return result;
    return 0;
}

bool VariantsCompareEqual(const Variant& a, const Variant& b)
{
    return CompareVariants(a, b) == 0;
}

bool VariantsEqual(const Variant& a, const Variant& b)
{
    bool booleans = VarType(a) == varBoolean || VarType(b) == varBoolean;
    if (a.IsNull() || b.IsNull() || !booleans)
        return VariantsCompareEqual(a, b);
    try {
        return a.ToString() == b.ToString();
    } catch (const EVariantError&) {
        return false;
    }
}

bool VarIsDateTime(const Variant& v)
{
    TVarType type = VarType(v);
    return type == varDate || type == varSQLTimeStamp;
}

bool VarIsNumber(const Variant& v)
{
    TVarType type = VarType(v);
    return VarTypeIsInteger(type) || VarTypeIsFloat(type) || type == varFMTBcd;
}

bool VarIsBlank(const Variant& v)
{
    return v.IsNull() || (VarIsStr(v) && VarToStr(v).empty());
}
