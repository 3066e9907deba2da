// The demonstration's value texts: a kind letter, a colon and the value as
// text ("i:200", "s:abc", "w:文字", "c:1.25", "d:0.5", "t:2024/1/2 13:05",
// "b:True"), "null", "empty", or an array "[i:1,s:x]" of such texts.
#pragma once

#include <string>

#include "classlib/variant.h"

// EConvertError or EVariantError for a text that is no value.
Variant cxValueFromText(const std::string& text);
// "<kind> | <text> | <typed stream bytes in hex>".
std::string cxDescribeValue(const Variant& value);
// Whether the value written to a typed stream reads back equal.
bool cxReadsBackEqual(const Variant& value);
