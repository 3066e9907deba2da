// The variant comparisons and tests the editors use to tell whether an edit
// value changed and what kind of value it holds. Comparisons answer less
// (-1), equal (0) or greater (1).
#pragma once

#include "classlib/variant.h"

// Empty first, then Null, then the values; arrays through
// CompareVariantArrays; a variant error while comparing gives -1.
int CompareVariants(const Variant& a, const Variant& b);
// An array sorts after a non-array; two arrays by their high bounds, then
// element by element from index 0.
int CompareVariantArrays(const Variant& a, const Variant& b);
bool VariantsCompareEqual(const Variant& a, const Variant& b);
// As VariantsCompareEqual, except that a Boolean against a non-Null value
// compares as texts, so True equals "True".
bool VariantsEqual(const Variant& a, const Variant& b);

bool VarIsDateTime(const Variant& v);
// The integer kinds, Single, Double, Currency and FMTBcd.
bool VarIsNumber(const Variant& v);
// Null, or a text that is empty.
bool VarIsBlank(const Variant& v);
